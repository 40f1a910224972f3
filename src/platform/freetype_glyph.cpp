#include "freetype_glyph.h"

#ifdef ZRL_HAVE_FREETYPE

#include <cstdint>

namespace zrl {

namespace {

bool Lit(const FT_Bitmap& bitmap, unsigned row, unsigned column, int threshold) {
    const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    switch (bitmap.pixel_mode) {
        case FT_PIXEL_MODE_MONO:
            return (line[column / 8] & (0x80u >> (column % 8))) != 0;
        case FT_PIXEL_MODE_GRAY:
            return line[column] >= threshold;
        case FT_PIXEL_MODE_BGRA:
            return line[column * 4 + 3] >= threshold;
        default:
            return false;
    }
}

}  // namespace

BitmapGlyph GlyphInSlot(FT_GlyphSlot slot, long code, int threshold) {
    const FT_Bitmap& bitmap = slot->bitmap;
    BitmapGlyph glyph;
    glyph.code = code;
    glyph.advance = static_cast<int>(slot->advance.x >> 6);
    glyph.box = {static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), slot->bitmap_left,
                 slot->bitmap_top - static_cast<int>(bitmap.rows)};
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        std::uint64_t bits = 0;
        for (unsigned c = 0; c < bitmap.width; ++c) {
            const bool lit = Lit(bitmap, r, c, threshold);
            if (c < 64) {
                bits |= lit ? std::uint64_t{1} << (63 - c) : 0;
            } else {
                glyph.inkBeyond = glyph.inkBeyond || lit;
            }
        }
        glyph.rows.push_back(bits);
    }
    return glyph;
}

}  // namespace zrl

#endif

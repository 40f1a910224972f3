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
    glyph.rows.assign(static_cast<std::size_t>(glyph.RowWords()) * bitmap.rows, 0);
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        for (unsigned c = 0; c < bitmap.width; ++c) {
            if (Lit(bitmap, r, c, threshold)) {
                glyph.SetInk(static_cast<int>(r), static_cast<int>(c));
            }
        }
    }
    return glyph;
}

}  // namespace zrl

#endif

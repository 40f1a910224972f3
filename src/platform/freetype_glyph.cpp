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

// A bitmap font's glyphs are mono, a byte for eight dots: copied a byte at a time, which
// is what keeps a font of 57,000 glyphs quick to read.
void CopyMono(const FT_Bitmap& bitmap, BitmapGlyph& glyph) {
    const auto words = static_cast<std::size_t>(glyph.RowWords());
    const unsigned bytes = (bitmap.width + 7) / 8;
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
        std::uint64_t* row = glyph.rows.data() + r * words;
        for (unsigned b = 0; b < bytes; ++b) {
            row[b / 8] |= std::uint64_t{line[b]} << (56 - 8 * (b % 8));
        }
    }
    // The last byte's bits past the width are none of the glyph's.
    if (const unsigned spare = bytes * 8 - bitmap.width; spare > 0) {
        const std::uint64_t keep = ~((std::uint64_t{1} << (spare + 56 - 8 * ((bytes - 1) % 8))) -
                                     (std::uint64_t{1} << (56 - 8 * ((bytes - 1) % 8))));
        for (unsigned r = 0; r < bitmap.rows; ++r) {
            glyph.rows[r * words + (bytes - 1) / 8] &= keep;
        }
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
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        CopyMono(bitmap, glyph);
        return glyph;
    }
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

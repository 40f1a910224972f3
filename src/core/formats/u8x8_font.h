#pragma once

#include <optional>
#include <string>

#include "core/formats/bdf_font.h"
#include "core/formats/u8g2_c_text.h"
#include "core/formats/u8g2_glyphs.h"
#include "core/model/cell_size.h"

namespace zrl {

// u8x8's tile fonts: the first and last code, the tiles across and down, then for each code
// from the first to the last its tiles row by row, 8 bytes a tile, one a column, bit 0 the
// top row. Codes 0 to 255; those without a glyph are blank.

struct U8x8Array {
    std::string bytes;  // a 0 after the last tile where it is not one, as a C string ends
    std::string error;
};

// The glyphs in tiles of 8x8 dots, as many as the font's box takes unless `tiles` says:
// the block's left edge at the glyphs' origin, its bottom at the lowest lit row of them all.
U8x8Array EncodeU8x8(const U8g2Glyphs& glyphs, std::optional<CellSize> tiles);

// How many glyphs have dots outside the tiles, which they leave out.
int GlyphsOutsideTiles(const U8g2Glyphs& glyphs, std::optional<CellSize> tiles);

// The tiles as a font, each code a glyph of the block's size standing on the baseline;
// none where the bytes are not as many as the header says.
std::optional<ReadFont> DecodeU8x8(const StringArray& array);

}  // namespace zrl

#pragma once

#include <vector>

#include "core/formats/bitmap_font.h"

namespace zrl {

// The cell of glyphs an outline font's rasteriser made: boxes in font coordinates, the
// origin at (0, 0), the row just above the baseline at y = 0.

// The glyph's box made as small as its lit dots; a glyph with none has an empty box.
void TrimToInk(BitmapGlyph& glyph);

// The smallest box that holds every glyph's dots at its offsets, the origin and the row
// above the baseline, and each glyph's advance (a character's width is its advance less
// one, at most the cell's width).
GlyphBox NaturalCell(const std::vector<BitmapGlyph>& glyphs);

// A cell of the size a person gave, placed on the natural one: it keeps the origin column
// and the rows below the baseline where it is large enough, and grows or shrinks to the
// right and at the top.
GlyphBox GivenCell(CellSize size, const GlyphBox& natural);

// Clears the dots outside the box and returns the codes of the glyphs that lost any.
std::vector<int> ClipToCell(std::vector<BitmapGlyph>& glyphs, const GlyphBox& cell);

}  // namespace zrl

#include "outline_cell.h"

#include <algorithm>

namespace zrl {

void TrimToInk(BitmapGlyph& glyph) {
    const std::optional<BitmapRect> ink = InkRect(glyph);
    if (!ink) {
        glyph.rows.clear();
        glyph.box = {0, 0, 0, 0};
        return;
    }
    glyph.rows = RowsWithin(glyph, *ink);
    const int rowsBelow = glyph.box.height - ink->top - ink->height;
    glyph.box = {ink->width, ink->height, glyph.box.x + ink->left, glyph.box.y + rowsBelow};
}

GlyphBox NaturalCell(const std::vector<BitmapGlyph>& glyphs) {
    int left = 0, right = 1, bottom = 0, top = 1, advance = 1;
    for (const BitmapGlyph& glyph : glyphs) {
        advance = std::max(advance, glyph.advance);
        if (glyph.box.width > 0 && glyph.box.height > 0) {
            left = std::min(left, glyph.box.x);
            right = std::max(right, glyph.box.x + glyph.box.width);
            bottom = std::min(bottom, glyph.box.y);
            top = std::max(top, glyph.box.y + glyph.box.height);
        }
    }
    return {std::max(right - left, advance - 1), top - bottom, left, bottom};
}

GlyphBox GivenCell(CellSize size, const GlyphBox& natural) {
    return {size.width, size.height, std::max(natural.x, 1 - size.width),
            std::max(natural.y, 1 - size.height)};
}

namespace {

// Clears the glyph's dots outside the cell; whether it had any.
bool KeepInside(BitmapGlyph& glyph, const GlyphBox& cell) {
    BitmapGlyph inside = glyph;
    std::fill(inside.rows.begin(), inside.rows.end(), 0);
    for (int r = 0; r < glyph.Rows(); ++r) {
        const int y = glyph.box.y + glyph.box.height - 1 - r;
        for (int c = 0; c < glyph.box.width; ++c) {
            const int x = glyph.box.x + c;
            if (y >= cell.y && y < cell.y + cell.height && x >= cell.x && x < cell.x + cell.width &&
                glyph.Ink(r, c)) {
                inside.SetInk(r, c);
            }
        }
    }
    const bool lost = inside.rows != glyph.rows;
    glyph.rows = std::move(inside.rows);
    return lost;
}

}  // namespace

std::vector<int> ClipToCell(std::vector<BitmapGlyph>& glyphs, const GlyphBox& cell) {
    std::vector<int> cut;
    for (BitmapGlyph& glyph : glyphs) {
        if (KeepInside(glyph, cell)) {
            cut.push_back(static_cast<int>(glyph.code));
            TrimToInk(glyph);
        }
    }
    return cut;
}

}  // namespace zrl

#include "outline_cell.h"

#include <algorithm>
#include <cstdint>

namespace zrl {

namespace {

constexpr std::uint64_t kLeftColumn = std::uint64_t{1} << 63;

bool Lit(const BitmapGlyph& glyph, std::size_t row, int column) {
    return column < 64 && (glyph.rows[row] & (kLeftColumn >> column)) != 0;
}

}  // namespace

void TrimToInk(BitmapGlyph& glyph) {
    const int columns = std::min(glyph.box.width, 64);
    std::size_t top = glyph.rows.size(), bottom = 0;
    std::uint64_t any = 0;
    for (std::size_t r = 0; r < glyph.rows.size(); ++r) {
        if (glyph.rows[r] != 0) {
            top = std::min(top, r);
            bottom = r;
            any |= glyph.rows[r];
        }
    }
    if (any == 0) {
        glyph.rows.clear();
        glyph.box = {0, 0, 0, 0};
        return;
    }
    int left = 0;
    while (left < columns && (any & (kLeftColumn >> left)) == 0) {
        ++left;
    }
    int right = columns - 1;
    while ((any & (kLeftColumn >> right)) == 0) {
        --right;
    }
    std::vector<std::uint64_t> rows(glyph.rows.begin() + static_cast<std::ptrdiff_t>(top),
                                    glyph.rows.begin() + static_cast<std::ptrdiff_t>(bottom) + 1);
    for (std::uint64_t& row : rows) {
        row <<= left;
    }
    const int height = static_cast<int>(bottom - top + 1);
    const int rowsBelow = static_cast<int>(glyph.rows.size() - 1 - bottom);
    glyph.box = {right - left + 1, height, glyph.box.x + left, glyph.box.y + rowsBelow};
    glyph.rows = std::move(rows);
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

std::vector<int> ClipToCell(std::vector<BitmapGlyph>& glyphs, const GlyphBox& cell) {
    std::vector<int> cut;
    for (BitmapGlyph& glyph : glyphs) {
        bool lost = false;
        for (std::size_t r = 0; r < glyph.rows.size(); ++r) {
            const int y = glyph.box.y + glyph.box.height - 1 - static_cast<int>(r);
            for (int c = 0; c < std::min(glyph.box.width, 64); ++c) {
                const int x = glyph.box.x + c;
                const bool inside = y >= cell.y && y < cell.y + cell.height && x >= cell.x &&
                                    x < cell.x + cell.width;
                if (!inside && Lit(glyph, r, c)) {
                    glyph.rows[r] &= ~(kLeftColumn >> c);
                    lost = true;
                }
            }
        }
        if (lost) {
            cut.push_back(static_cast<int>(glyph.code));
            TrimToInk(glyph);
        }
    }
    return cut;
}

}  // namespace zrl

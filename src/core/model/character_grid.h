#pragma once

#include <cstdint>
#include <vector>

#include "core/model/cell_size.h"

namespace zrl {

// A colour as the window layer stores it: 0x00BBGGRR, or 0x80000000 + n for system colour n.
using OLE_COLOR = std::uint32_t;

inline constexpr OLE_COLOR LitColour = 0x000000FF;             // pure red
inline constexpr OLE_COLOR UnlitColour = 0x8000000F;           // system button face
inline constexpr OLE_COLOR FirstCellStartColour = 0x00C0C0C0;  // light grey

// The 5x7 cell the editor starts with.
inline constexpr int kColumns = kDefaultSize.width;
inline constexpr int kRows = kDefaultSize.height;
inline constexpr int kCellCount = kDefaultSize.Cells();

enum class ListingOrder { ByRow, ByColumn };

// Index, row and column in the 5x7 cell.
constexpr int CellIndex(int row, int column) {
    return kDefaultSize.Index(row, column);
}
constexpr int RowOf(int index) {
    return kDefaultSize.RowOf(index);
}
constexpr int ColumnOf(int index) {
    return kDefaultSize.ColumnOf(index);
}

// The character being designed, 5x7 unless made another size. A cell's state is nothing
// but its colour: it is lit exactly when the colour is pure red, so any other stored value
// (the light grey of the first cell at start, a system colour) reads as unlit.
class CharacterGrid {
public:
    explicit CharacterGrid(CellSize size = kDefaultSize);
    // These colours, one a cell row by row; there must be as many as the cell has.
    CharacterGrid(CellSize size, std::vector<OLE_COLOR> colours);

    CellSize Size() const { return size_; }

    OLE_COLOR Colour(int index) const;
    void SetColour(int index, OLE_COLOR colour);

    bool IsLit(int index) const;
    bool IsLit(int row, int column) const { return IsLit(size_.Index(row, column)); }
    void Toggle(int index);
    void InvertAll();
    void ClearAll();

    const std::vector<OLE_COLOR>& Colours() const { return colours_; }

    bool operator==(const CharacterGrid&) const = default;

private:
    void CheckIndex(int index) const;

    CellSize size_;
    std::vector<OLE_COLOR> colours_;
};

// The grid at another size: the cells that still fit keep their colours, anchored at the
// top left; new cells are unlit.
CharacterGrid Resized(const CharacterGrid& grid, CellSize size);

}  // namespace zrl

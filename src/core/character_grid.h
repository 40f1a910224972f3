#pragma once

#include <array>
#include <cstdint>

namespace zrl {

// A colour as the window layer stores it: 0x00BBGGRR, or 0x80000000 + n for system colour n.
using OLE_COLOR = std::uint32_t;

inline constexpr OLE_COLOR LitColour = 0x000000FF;             // pure red
inline constexpr OLE_COLOR UnlitColour = 0x8000000F;           // system button face
inline constexpr OLE_COLOR FirstCellStartColour = 0x00C0C0C0;  // light grey

inline constexpr int kColumns = 5;
inline constexpr int kRows = 7;
inline constexpr int kCellCount = kColumns * kRows;

enum class ListingOrder { ByRow, ByColumn };

constexpr int CellIndex(int row, int column) {
    return row * kColumns + column;
}
constexpr int RowOf(int index) {
    return index / kColumns;
}
constexpr int ColumnOf(int index) {
    return index % kColumns;
}

// The 5x7 character being designed. A cell's state is nothing but its colour: it is lit
// exactly when the colour is pure red, so any other stored value (the light grey of
// the first cell at start, a system colour) reads as unlit.
class CharacterGrid {
public:
    CharacterGrid();

    OLE_COLOR Colour(int index) const;
    void SetColour(int index, OLE_COLOR colour);

    bool IsLit(int index) const;
    void Toggle(int index);
    void InvertAll();
    void ClearAll();

    const std::array<OLE_COLOR, kCellCount>& Colours() const { return colours_; }

    bool operator==(const CharacterGrid&) const = default;

private:
    static void CheckIndex(int index);

    std::array<OLE_COLOR, kCellCount> colours_;
};

}  // namespace zrl

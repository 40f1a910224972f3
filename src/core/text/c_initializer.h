#pragma once

#include <string>

#include "core/model/character_grid.h"

namespace zrl {

// The pattern as a C initializer, with no line break and no semicolon, ready to follow
// "static const uint8_t glyph[] =" in firmware source.

// For each column from the left, one byte for every eight rows from the top, bit 0 the top
// row of its eight, as the classic 5x7 font tables have it: {0x7E, 0x09, 0x09, 0x09, 0x7E}.
std::string BuildCColumns(const CharacterGrid& grid);

// How many bytes BuildCColumns writes for a character of this size.
int ColumnBytes(CellSize size);

// Whether a character of this size fits an LCD's custom character: at most 8 by 8.
bool FitsLcd(CellSize size);

// Eight values, one per row from the top, a binary digit for each column with the left
// column first, as an LCD's custom characters take them; rows below the cell (the cursor
// row of a 5x7 character) are empty: {0b01110, 0b10001, ..., 0b00000}. Only for a cell
// that fits an LCD's.
std::string BuildCRows(const CharacterGrid& grid);

inline constexpr int kLcdRows = 8;

}  // namespace zrl

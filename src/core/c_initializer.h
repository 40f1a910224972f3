#pragma once

#include <string>

#include "character_grid.h"

namespace zrl {

// The pattern as a C initializer, with no line break and no semicolon, ready to follow
// "static const uint8_t glyph[] =" in firmware source.

// Five bytes, one per column from the left, bit 0 the top row, as in the classic 5x7
// font tables: {0x7E, 0x09, 0x09, 0x09, 0x7E}.
std::string BuildCColumns(const CharacterGrid& grid);

// Eight values, one per row from the top, five binary digits with the left column first,
// as an LCD's custom characters take them; the 8th (the cursor row of a 5x8 cell) is
// always empty: {0b01110, 0b10001, ..., 0b00000}.
std::string BuildCRows(const CharacterGrid& grid);

}  // namespace zrl

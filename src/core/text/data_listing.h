#pragma once

#include <string>
#include <string_view>

#include "core/model/character_grid.h"

namespace zrl {

inline constexpr std::string_view kLinePrefix = "Data &B";
inline constexpr std::string_view kLineSeparator = " \r\n";

// One "Data &B" line per row, top row first, left column first within a line (102 chars
// for 5x7).
std::string BuildRowData(const CharacterGrid& grid);

// One "Data &B" line per column, left column first, top row first within a line (82 chars
// for 5x7).
std::string BuildColData(const CharacterGrid& grid);

std::string BuildListing(const CharacterGrid& grid, ListingOrder order);

}  // namespace zrl

#pragma once

#include <optional>
#include <string_view>

#include "core/formats/byte_layout.h"
#include "core/formats/parsed_set.h"

namespace zrl {

// What the comment above a table written by this program says of it: "8x16 font: first
// code 32, 95 characters, layout pages, 13 rows above the baseline: ...".
struct TableHeader {
    std::optional<ByteLayout> layout;
    std::optional<CellSize> size;
    std::optional<int> first;
    std::optional<int> ascent;
    bool sparse = false;        // "font: sparse,": the characters' codes follow in an array
    std::optional<int> origin;  // "2 columns left of the cursor": the set's origin column
};
TableHeader ReadTableHeader(std::string_view text);

// How a table's comment gives a set's origin column: ", 2 columns left of the cursor"; ""
// for none.
std::string OriginText(int column);

// The cell size written just before `words`, as in "8x16 font:".
std::optional<CellSize> SizeNamedBefore(std::string_view text, std::string_view words);
// The first code the comment names, if it names one.
std::optional<int> FirstCodeOf(std::string_view text);

// How to read a table whose comment does not say it.
struct TableOptions {
    ByteLayout layout = ByteLayout::Glcd;
    CellSize size = kDefaultSize;
    int first = 32;
};

// The set a table of bytes in a fixed layout or width-prefixed holds, in C, Arduino C or
// Python. Its own comment's size and first code come before the options'. A code whose
// line says "(no character)" has none; a sparse table's characters take their codes from
// the array after it. Refused: a value that is no byte or has dots outside
// the cell, bytes that are no whole number of characters, a code past 255, no character.
ParsedSet ReadTable(std::string_view text, const TableOptions& options);

}  // namespace zrl

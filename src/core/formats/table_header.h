#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/character_set.h"

namespace zrl {

// What the comment above a table written by this program says of it: "8x16 font: first
// code 32, 95 characters, layout pages, 13 rows above the baseline: ...".
struct TableHeader {
    std::string_view format;  // the format's name, after "layout "; empty where none is named
    std::optional<CellSize> size;
    std::optional<int> first;
    std::optional<int> ascent;
    bool sparse = false;        // "font: sparse,": the characters' codes follow in an array
    std::optional<int> origin;  // "2 columns left of the cursor": the set's origin column
};
TableHeader ReadTableHeader(std::string_view text);

// Whether the table's own comment names the format.
bool CommentNames(std::string_view text, std::string_view format);

// How a table's comment gives a set's origin column: ", 2 columns left of the cursor"; ""
// for none.
std::string OriginText(int column);

// Where a set stands in its cell, as a table's comment says it where it is not where a new
// set of its size stands: ", 10 rows above the baseline, 1 column left of the cursor"; "" for
// a set that stands as new ones do.
std::string PlacementText(const CharacterSet& set);
// The set standing where the header says, its characters as they are.
CharacterSet Placed(const CharacterSet& set, const TableHeader& header);
// The rows below the baseline the header gives a set of the size, none where it says none.
std::optional<int> DescentOf(const TableHeader& header, CellSize size);

// The cell size written just before `words`, as in "8x16 font:".
std::optional<CellSize> SizeNamedBefore(std::string_view text, std::string_view words);
// The first code the comment names, if it names one.
std::optional<int> FirstCodeOf(std::string_view text);

}  // namespace zrl

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/formats/parsed_set.h"

namespace zrl {

// The C tables this program has always written, glcd's column bytes and lcd's [8][8] rows,
// read back character by character with the parser that reads a single pasted one; and a
// table of column bytes that does not say its layout, read where one reading holds.

// One array of a character's column bytes (ceil(H / 8) a column, bit 0 the top row of its
// eight: five a 5x7 character) from the first code to the last, a code with no character
// filled with zeros, so that a character's bytes start at (code - first) * its bytes; a
// comment above says the cell size, the first code, the count and the layout.
std::string WriteCFontTable(const CharacterSet& set, std::string_view name);

// The LCD custom characters, codes 0 to 7, as [8][8] row values in binary, the left column
// the highest of the W bits and rows below the cell empty (the 8th of a 5x7 character); a
// code with no character is all zeros. Only for cells of at most 8x8; a comment above says
// a size other than 5x7.
std::string WriteLcdTable(const CharacterSet& set, std::string_view name);
// Why the set cannot be an LCD's custom characters ("" when it can): they are at most 8x8.
std::string WhyNotLcd(const CharacterSet& set);

// A C font table of a character's column bytes (five for 5x7). Its first code comes from
// the comment that WriteCFontTable writes ("first code 32"), else from `firstCode`; with
// neither it is refused. Its cell size comes from the comment ("// 8x16 font:"), else from
// `size`.
ParsedSet ReadCFontTable(std::string_view text, std::optional<int> firstCode,
                         CellSize size = kDefaultSize);
// An [8][8] table of LCD custom characters, codes 0 to 7, in the comment's cell size ("// 5x8
// LCD custom characters"), else `size`.
ParsedSet ReadLcdTable(std::string_view text, CellSize size = kDefaultSize);
// Braces inside braces, outside comments: a table of LCD rows.
bool IsNested(std::string_view source);

// A table of values that does not say its layout, read as column bytes from the first code
// its comment or `firstCode` gives, else from 32 (0 for a whole code page of 128 or 256
// characters, with a note that says so): taken where no other layout reads it, or reads it
// as the same dots; otherwise refused, naming the layouts and the cell that would read it.
ParsedSet ReadUnsaidTable(std::string_view text, std::optional<int> firstCode, CellSize size);

}  // namespace zrl

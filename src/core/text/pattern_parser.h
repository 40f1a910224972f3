#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/character_grid.h"

namespace zrl {

// Longer text is refused unread: no character up to 64x64 is written in more than a few
// kilobytes, and one of 255x255 in some 130 KB.
inline constexpr std::size_t kMaxPatternText = 64 * 1024;
constexpr std::size_t MaxPatternText(CellSize size) {
    return std::max(kMaxPatternText, static_cast<std::size_t>(size.Cells()) * 16);
}

// A character read back from text: the grid (lit cells pure red, the others unlit), or
// one line saying what was expected and what is wrong.
struct ParsedPattern {
    std::optional<CharacterGrid> grid;
    std::string error;
};

// Reads any of the ways a character leaves this program, edited or not:
// - a listing by row (7 lines of 5 digits) or by column (5 lines of 7 digits), each line
//   with or without its "Data &B" prefix, in any letter case and spacing;
// - a C initializer "{ ... }", after anything (a declaration) and before an optional
//   ";", of 5 column bytes (bit 0 the top row) or 7 or 8 row bytes (bit 4 the left
//   column, the 8th row empty), each in hex (0x7E), binary (0b01110 or Arduino's B01110)
//   or decimal; the same bytes as a Python list "[ ... ]", or as one line of a font table
//   with no braces ("0x7C, 0x12, 0x11, 0x12, 0x7C,"); C comments anywhere are blanks.
// Line breaks may be CR LF, LF or CR; spaces, tabs and blank lines around parts are fine.
// A character of another size than 5x7 is read the same way: H lines of W digits by row,
// W of H by column, W * ceil(H / 8) column bytes, or rows for a cell of at most 8x8 (H or
// 8 values). Where a text reads both ways at a square size, `order` decides. A text of
// another size is refused with a reason that names both sizes.
ParsedPattern ParsePattern(std::string_view text, CellSize size = kDefaultSize,
                           ListingOrder order = ListingOrder::ByRow);

// C source with comments blanked, line ends kept so that lines keep their numbers: every
// comment, or, for a table whose // comments say which codes have no character, /* */
// comments and quoted text (a brace in /* 123 0x7b '{' */ is no brace).
enum class Blanking { AllComments, BlockCommentsAndQuotes };
std::string Blanked(std::string_view text, Blanking blanking);

}  // namespace zrl

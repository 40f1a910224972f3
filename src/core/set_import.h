#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "character_set.h"

namespace zrl {

// Longer text is refused unread: a full 256-character table is some 20 KB.
inline constexpr std::size_t kMaxSetText = 1024 * 1024;

struct ParsedSet {
    std::optional<CharacterSet> set;
    std::string error;  // one line
};

// Each of them reads back exactly what set_export writes, and reads every character with
// the parser that reads a single pasted one.

// The cell size of each form comes from the comment set_export writes ("' 8x8 characters",
// "// 8x16 font:", "// 5x8 LCD custom characters"), else from `size`.

// ' 65 A comment lines, each followed by its character's Data &B lines.
ParsedSet ReadBasicBlock(std::string_view text, CellSize size = kDefaultSize);
// A C font table of a character's column bytes (five for 5x7). Its first code comes from
// the comment that set_export writes ("first code 32"), else from `firstCode`; with
// neither it is refused.
ParsedSet ReadCFontTable(std::string_view text, std::optional<int> firstCode,
                         CellSize size = kDefaultSize);
// An [8][8] table of LCD custom characters, codes 0 to 7.
ParsedSet ReadLcdTable(std::string_view text, CellSize size = kDefaultSize);

// Whichever of the three forms the text is in: a BASIC block starts with ' and its code.
ParsedSet ReadSetText(std::string_view text, std::optional<int> firstCode,
                      CellSize size = kDefaultSize);
// A C table whose own comment does not name its first code: reading it needs one.
bool NeedsFirstCode(std::string_view text);
// The first code the C table's own comment names, if it names one.
std::optional<int> FirstCodeOf(std::string_view text);

}  // namespace zrl

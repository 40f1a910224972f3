#pragma once

#include <optional>
#include <string_view>

#include "core/formats/parsed_set.h"
#include "core/formats/table_reader.h"

namespace zrl {

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

// Whichever form the text is in: a BASIC block starts with ' and its code; a GFXfont has
// its glyph table; a table whose comment names its layout is read in it; a C table of
// column bytes, LCD rows, or a Python list of column bytes.
ParsedSet ReadSetText(std::string_view text, std::optional<int> firstCode,
                      CellSize size = kDefaultSize);
// A table whose own comment does not say its layout, size and first code: reading it
// needs them (a C table of LCD rows needs none).
bool NeedsFirstCode(std::string_view text);

}  // namespace zrl

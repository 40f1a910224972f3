#pragma once

#include <optional>
#include <string_view>

#include "core/formats/basic_block.h"
#include "core/formats/classic_tables.h"
#include "core/formats/table_reader.h"

namespace zrl {

// A set as firmware source or BASIC read back in whichever format the text shows it is in
// (the table of formats' detectors): a BASIC block starts with ' and its code; a GFXfont
// has its glyph table; a table whose comment names its format is read in it; a library's
// font by its own words; column bytes, LCD rows or a Python list of column bytes that say
// nothing else. The cell size comes from the text's comment where it has one, else from
// `size`; a table of column bytes with no first code of its own starts at `firstCode`. Of a
// text holding several font arrays, `array` names the one to read.
ParsedSet ReadSetText(std::string_view text, std::optional<int> firstCode,
                      CellSize size = kDefaultSize, std::string_view array = {});
// A table whose own comment does not say its layout, size and first code: reading it
// needs them (a C table of LCD rows needs none).
bool NeedsFirstCode(std::string_view text);

}  // namespace zrl

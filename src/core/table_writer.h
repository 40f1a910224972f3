#pragma once

#include <string>
#include <string_view>

#include "byte_layout.h"
#include "character_set.h"

namespace zrl {

// How a set is written for firmware: the bytes' layout, the language of the source and
// the array's name (empty: the layout's usual one).
struct TableFormat {
    ByteLayout layout = ByteLayout::Glcd;
    Language language = Language::C;
    std::string name;
};

// The name an array gets when none is given: "font", or "lcd" for LCD rows.
std::string_view DefaultArrayName(ByteLayout layout);

// Whether the name can name an array in C and Python: a letter or _, then letters, digits
// and _.
bool IsIdentifier(std::string_view name);

// Why the set cannot be written so ("" when it can): LCD rows hold at most 8x8, GFXfont is
// C only, and a name must be an identifier.
std::string WhyNotWritten(const CharacterSet& set, const TableFormat& format);

// The set as source, lines ending in CR LF. A comment first says the cell size, the first
// code, the count and the layout, so that the table reads back as the set it came from.
// Each code from the first to the last has its line (GFXfont: its glyph), a code with no
// character written as a blank one marked "(no character)". C tables in glcd and lcd are
// those this program has always written.
std::string WriteTable(const CharacterSet& set, const TableFormat& format);

}  // namespace zrl

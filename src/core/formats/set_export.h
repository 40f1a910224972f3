#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/formats/basic_block.h"
#include "core/formats/classic_tables.h"
#include "core/formats/table_text.h"

namespace zrl {

// A whole set as the set window copies and exports it: a BASIC block, a C font table of
// column bytes, an LCD's custom characters, or a BDF font. Lines end in CR LF as the
// listing's do.
enum class SetFormat { BasicBlock, CFontTable, LcdCharacters, Bdf };

// One line saying what a table of the set leaves out, "" where nothing: its codes past 255
// where it has codes up to 255 too; for LCD characters, every code past 7.
std::string DescribeTableLeftOut(const CharacterSet& set, SetFormat format = SetFormat::CFontTable);
// How many of the set's characters the form holds.
int CharactersWritten(const CharacterSet& set, SetFormat format);

// Why the set cannot be written in the form ("" when it can): LCD rows hold at most 8x8.
std::string WhyNotWritten(const CharacterSet& set, SetFormat format);

// The set in one of the forms: BASIC in the given order, the C and LCD arrays under the
// name ("font" and "lcd" when it is empty); a table of the codes up to 255 of a set that
// has codes past them too (TableSubset).
std::string WriteSet(const CharacterSet& set, SetFormat format, ListingOrder order,
                     std::string_view name);

}  // namespace zrl

#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/formats/byte_layout.h"
#include "core/model/character_set.h"

namespace zrl {

// How a set is written for firmware: the bytes' layout, the language of the source and
// the array's name (empty: the layout's usual one).
struct TableFormat {
    TableFormat(ByteLayout layout = ByteLayout::Glcd, Language language = Language::C,
                std::string name = {})
        : layout(layout), language(language), name(std::move(name)) {}

    ByteLayout layout;
    Language language;
    std::string name;
    // Only the set's characters, in code order, followed by their codes and the functions
    // that find one from a code point (see sparse_lookup.h).
    bool sparse = false;
    // The set is a selection, written whole: no longer cut to its codes up to 255.
    bool whole = false;
    // A comment line under the first, naming the codes a selection moved.
    std::string moved;
};

// The name an array gets when none is given: "font", or "lcd" for LCD rows.
std::string_view DefaultArrayName(ByteLayout layout);

// Whether the name can name an array in C and Python: a letter or _, then letters, digits
// and _.
bool IsIdentifier(std::string_view name);

// Why the set cannot be written so ("" when it can): LCD rows hold at most 8x8, GFXfont is
// C only and never sparse, a name must be an identifier, and a dense table runs over at
// most 65,536 codes.
std::string WhyNotWritten(const CharacterSet& set, const TableFormat& format);

// The set as source, lines ending in CR LF. A comment first says the cell size, the first
// code, the count and the layout, so that the table reads back as the set it came from.
// Each code from the first to the last has its line (GFXfont: its glyph), a code with no
// character written as a blank one marked "(no character)". C tables in glcd and lcd are
// those this program has always written.
std::string WriteTable(const CharacterSet& set, const TableFormat& format);

// The blank characters a dense table of the set holds between its first code and its last,
// and the bytes they take.
struct Gaps {
    long long blanks = 0;
    long long bytes = 0;
};
Gaps GapsOf(const CharacterSet& set, const TableFormat& format);

// One line of warning for a GFXfont with codes past 255, which Adafruit GFX does not draw:
// the first of them and a map that would move it below 256; "" where there is none.
std::string DescribeGfxPastByte(const CharacterSet& set, const TableFormat& format);

}  // namespace zrl

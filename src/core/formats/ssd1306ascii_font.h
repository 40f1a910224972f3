#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/formats/parsed_set.h"
#include "core/model/character_set.h"
#include "core/text/value_scanner.h"

namespace zrl {

// SSD1306Ascii's fonts (the GLCD libraries' format). Six header bytes: the type, two bytes
// high first (0: fixed width, the library adding a column between characters; 1: fixed
// width with none; any other: proportional, by custom the array's size in bytes), the width
// (a proportional font's widest), the height, the first code and the count. A proportional
// font then has a byte with each character's width. Then each character: its pages of eight
// rows from the top, a byte for each of its columns, bit 0 the top row; a proportional
// font whose height is no multiple of 8 keeps its last page's rows in the bytes' top bits.
//
// A set is written fixed width where every character is as wide as the cell (type 0) or a
// column narrower (type 1), else proportional, each character's columns as far as its last
// lit one. A code with no character is a blank one, or in a proportional font width 0, its
// line saying "(no character)".

// How a font's characters are spaced.
enum class Ssd1306AsciiSpacing { Gap, NoGap, Proportional };
Ssd1306AsciiSpacing SpacingOf(const CharacterSet& set);

// What the table's first comment says of its bytes, after "layout ssd1306ascii: ".
std::string DescribeSsd1306Ascii(const CharacterSet& set);

// Why the set cannot be such a font ("" when it can): codes and count are bytes.
std::string WhyNotSsd1306Ascii(const CharacterSet& set);

// The lines between the array's opening and closing: the header, the widths, the
// characters from the first code to the last; each line's comment after `comment` (// or #).
std::string Ssd1306AsciiLines(const CharacterSet& set, std::string_view comment);

// The set the font's values hold. A fixed-width font's dots below its height are drawn by
// the library and kept, the cell growing to hold them.
ParsedSet ReadSsd1306Ascii(const ValueScanner& scanner, const std::vector<ScannedValue>& values);

}  // namespace zrl

#pragma once

#include <vector>

#include "core/formats/parsed_set.h"
#include "core/text/value_scanner.h"

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

namespace zrl {

// What the writer and the reader of the fonts share.

inline constexpr int kSsd1306AsciiHeader = 6;  // bytes

// How a font's characters are spaced.
enum class Ssd1306AsciiSpacing { Gap, NoGap, Proportional };

inline int PagesOf(int height) {
    return (height + 7) / 8;
}

// How far up a proportional font's last page stands in its bytes.
inline int ShiftOf(int height, Ssd1306AsciiSpacing spacing) {
    return spacing == Ssd1306AsciiSpacing::Proportional && height % 8 != 0 ? 8 - height % 8 : 0;
}

// The set the font's values hold. A fixed-width font's dots below its height are drawn by
// the library and kept, the cell growing to hold them.
ParsedSet ReadSsd1306Ascii(const ValueScanner& scanner, const std::vector<ScannedValue>& values);

}  // namespace zrl

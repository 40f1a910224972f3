#pragma once

#include <string>
#include <string_view>

#include "core/formats/parsed_set.h"

namespace zrl {

// Adafruit GFX's proportional font: for each character the bitmap of the smallest box that
// holds its lit dots, rows from the top, most significant bit first, running on across
// rows and starting on a fresh byte; a glyph of {bitmapOffset, width, height, xAdvance,
// xOffset, yOffset} for each code from the first to the last, the offsets from the cursor
// on the baseline; and the font of {bitmap, glyph, first, last, yAdvance}.

// NAMEBitmaps, NAMEGlyphs and NAME, as the library's own fonts are written, for a sketch
// that includes the library's header first. xAdvance is the character's width plus one,
// yAdvance the cell's height plus one; a character with no lit dot has a 0 by 0 box.
std::string WriteGfxFont(const CharacterSet& set, std::string_view name);

// Said in the table's first line of a set with a line height of its own: the cursor stands
// on the row just above the baseline.
inline constexpr std::string_view kCursorAbove = ", the cursor on the lowest of them";

// Whether the text declares a GFXglyph table.
bool IsGfxFont(std::string_view text);

// A GFXfont read by its glyph table. Written by this program, it comes back in its cell and
// baseline; written elsewhere, in the smallest cell that holds every glyph at its offsets
// (the cursor's column inside it), with each width its xAdvance less one, at most the
// cell's width.
ParsedSet ReadGfxFont(std::string_view text);

}  // namespace zrl

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/formats/bitmap_font.h"

namespace zrl {

// Font files are refused unread past this size; X11's largest bitmap fonts are a few MB.
inline constexpr std::size_t kMaxFontFile = 16 * 1024 * 1024;
inline constexpr std::string_view kTooLargeFont =
    "the file is larger than 16 MB; no bitmap font of up to 32x32 is that large";

struct ReadFont {
    std::optional<BitmapFont> font;
    std::string error;  // one line, with the line number where there is one
};

// Reads a BDF (Glyph Bitmap Distribution Format) font, version 2.1 or earlier. Line breaks
// may be LF or CR LF.
ReadFont ReadBdf(std::string_view text);

// Writes the set as BDF 2.1 in its own cell, with its rows above and below the baseline (a
// 5x7 set: FONTBOUNDINGBOX 5 7 0 -1, as X11's 5x7 font has it), each glyph the full cell
// and one pixel wider than it, so that displays and font tools leave a column between
// characters.
// A set read from a BDF text keeps it: what the set does not change is written as it was,
// byte for byte, and a changed glyph changes its own block alone.
std::string WriteBdf(const CharacterSet& set);

// The chosen characters as a BDF font is written of them: where none moved and the font
// keeps no glyph beside the set's, the font itself less the others, so that what stays is
// written as it was read; otherwise a new font of them.
CharacterSet ChosenForBdf(const CharacterSet& whole, const CharacterSet& chosen, bool moved);

// SWIDTH: an advance in thousandths of the point size at the resolution.
long ScalableWidth(int advance, double points, double resolution);

// A name as one line of a BDF file reads it back: no line break, no blanks around it.
std::string OneLine(std::string name);

}  // namespace zrl

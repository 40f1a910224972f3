#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "bitmap_font.h"

namespace zrl {

// Font files are refused unread past this size; X11's largest bitmap fonts are a few MB.
inline constexpr std::size_t kMaxFontFile = 16 * 1024 * 1024;

struct ReadFont {
    std::optional<BitmapFont> font;
    std::string error;  // one line, with the line number where there is one
};

// Reads a BDF (Glyph Bitmap Distribution Format) font, version 2.1 or earlier. Line breaks
// may be LF or CR LF.
ReadFont ReadBdf(std::string_view text);

// Writes the set as BDF 2.1 with a 5x7 cell of six rows above the baseline and one below
// (FONTBOUNDINGBOX 5 7 0 -1, as X11's 5x7 font has it), each glyph a full 5x7 box and six
// pixels wide, so that displays and font tools leave one column between characters.
std::string WriteBdf(const CharacterSet& set);

}  // namespace zrl

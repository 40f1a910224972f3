#pragma once

#include <string>
#include <string_view>

#include "core/formats/lvgl_c_text.h"

namespace zrl {

// LVGL's binary font, as lv_binfont_create() (LVGL 9) and lv_font_load() (LVGL 8) read it:
// its head, cmap, loca and glyf tables, each with its size and tag and padded to 4 bytes,
// little-endian, a glyph's fields packed to the fewest bits before its dots.
std::string LvglBinaryFont(const LvglFont& font);

// The font a binary font holds, or one line saying why it holds none and where it stops.
ReadLvgl ReadLvglBinaryFont(std::string_view bytes);

// Whether bytes start as a binary font's head table.
bool StartsLvglBinaryFont(std::string_view bytes);

}  // namespace zrl

#pragma once

#include <string_view>

#include "core/formats/lvgl_binary.h"
#include "core/formats/lvgl_c_reader.h"

namespace zrl {

// LVGL's binary fonts read back: every glyph the cmaps reach, with the head's size, ascent,
// descent and underline.

// The font a binary font holds, or one line saying why it holds none and where it stops.
ReadLvgl ReadLvglBinaryFont(std::string_view bytes);

// Whether bytes start as a binary font's head table.
bool StartsLvglBinaryFont(std::string_view bytes);

}  // namespace zrl

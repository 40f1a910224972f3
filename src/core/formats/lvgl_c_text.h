#pragma once

#include <string>

#include "core/formats/lvgl_glyphs.h"

namespace zrl {

// An LVGL font in C, as lv_font_fmt_txt holds it: one file that LVGL 8 and 9 both compile,
// as LVGL's own converter writes it.

// What the comment at the top records beside the font: the options it was written with.
struct LvglSource {
    std::string name;     // the lv_font_t's name, and its guard's in capitals
    std::string options;  // the Opts line
};

std::string LvglFontText(const LvglFont& font, const LvglSource& source);

}  // namespace zrl

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/formats/lvgl_glyphs.h"
#include "core/formats/parsed_set.h"

namespace zrl {

// An LVGL font in C, as lv_font_fmt_txt holds it: one file that LVGL 8 and 9 both compile,
// as LVGL's own converter writes it.

// What the comment at the top records beside the font: the options it was written with.
struct LvglSource {
    std::string name;     // the lv_font_t's name, and its guard's in capitals
    std::string options;  // the Opts line
};

std::string LvglFontText(const LvglFont& font, const LvglSource& source);

// The font an LVGL C text holds, or one line saying why it holds none and where it stops.
struct ReadLvgl {
    std::optional<LvglFont> font;
    std::string error;
};
ReadLvgl ReadLvglFontText(std::string_view text);

// The set a font read holds, as the BDF font it draws; or no set, and why.
ParsedSet SetOfLvglFont(const ReadLvgl& read);

// Whether a text declares an LVGL font's glyph descriptions.
bool DeclaresLvglFont(std::string_view text);

}  // namespace zrl

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/formats/lvgl_glyphs.h"
#include "core/formats/parsed_set.h"

namespace zrl {

// LVGL's fonts in C read back, whichever converter or hand wrote them: every glyph the
// cmaps reach, at its box, offsets and advance.

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

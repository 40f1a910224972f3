#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/formats/lvgl_glyphs.h"

namespace zrl {

// LVGL's binary font, as lv_binfont_create() (LVGL 9) and lv_font_load() (LVGL 8) read it:
// its head, cmap, loca and glyf tables, each with its size and tag and padded to 4 bytes,
// little-endian, a glyph's fields packed to the fewest bits before its dots.
std::string LvglBinaryFont(const LvglFont& font);

// How many bits a glyph's fields take, and the advance said once in the head where every
// glyph has it (its field then takes none).
struct LvglFieldWidths {
    int xy = 0;
    int wh = 0;
    int advance = 0;
    int defaultAdvance = 0;
};

inline constexpr std::size_t kLvglHeadSize = 48;

}  // namespace zrl

// libFuzzer target: any bytes given to the readers of LVGL's C fonts and binary fonts. What
// either reads must write as a binary font that reads back and writes again as the same
// bytes, and as C text that reads back as the same glyphs.
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/formats/lvgl_binary.h"
#include "core/formats/lvgl_binary_reader.h"
#include "core/formats/lvgl_c_text.h"
#include "core/formats/lvgl_cmaps.h"

namespace {

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool SameGlyphs(const zrl::LvglFont& a, const zrl::LvglFont& b) {
    if (a.glyphs.size() != b.glyphs.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.glyphs.size(); ++i) {
        const zrl::LvglGlyph& x = a.glyphs[i];
        const zrl::LvglGlyph& y = b.glyphs[i];
        if (x.code != y.code || x.bits != y.bits || x.box.width != y.box.width ||
            x.box.height != y.box.height || x.box.x != y.box.x || x.box.y != y.box.y) {
            return false;
        }
    }
    return true;
}

// A binary font rounds advances to whole pixels: once written, it writes the same bytes again.
void CheckFont(const zrl::LvglFont& font) {
    const zrl::ReadLvgl once = zrl::ReadLvglBinaryFont(zrl::LvglBinaryFont(font));
    Check(once.font.has_value());
    const std::string bytes = zrl::LvglBinaryFont(*once.font);
    const zrl::ReadLvgl twice = zrl::ReadLvglBinaryFont(bytes);
    Check(twice.font.has_value() && zrl::LvglBinaryFont(*twice.font) == bytes);
    const zrl::ReadLvgl text = zrl::ReadLvglFontText(zrl::LvglFontText(font, {"fuzzed", ""}));
    Check(text.font.has_value() && SameGlyphs(*text.font, font));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zrl::ReadLvgl read = zrl::StartsLvglBinaryFont(bytes) ? zrl::ReadLvglBinaryFont(bytes)
                                                                : zrl::ReadLvglFontText(bytes);
    if (read.font) {
        CheckFont(*read.font);
    }
    return 0;
}

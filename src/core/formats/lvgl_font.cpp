// LVGL's fonts in C, lv_font_fmt_txt at one bit per pixel: written of the set's characters,
// trimmed to their dots, with the values LVGL's own converter gives the same glyphs; read
// back as the BDF font they draw.
#include "core/formats/format.h"
#include "core/formats/lvgl_c_reader.h"
#include "core/formats/lvgl_c_text.h"

namespace zrl {

namespace {

Certainty Detect(std::string_view text) {
    return DeclaresLvglFont(text) ? Certainty::Declared : Certainty::None;
}

ParsedSet Read(const Format&, std::string_view text, const ReadOptions&) {
    return SetOfLvglFont(ReadLvglFontText(text));
}

std::string WhyNot(const CharacterSet& set, const TableFormat&) {
    return WhyNoLvglFont(LvglFontOf(set));
}

std::string Write(const CharacterSet& set, const TableFormat& format) {
    const LvglFont font = LvglFontOf(set);
    const std::string name = format.name.empty() ? LvglFontName(font.name) : format.name;
    const std::string said = format.said.empty()
                                 ? "--export lvgl --lvgl " + std::to_string(format.version)
                                 : format.said;
    return LvglFontText(font, {name, said});
}

std::string About(const CharacterSet& set, const TableFormat&) {
    return DescribeLvglFont(LvglFontOf(set));
}

}  // namespace

extern const Format kLvglFormat{
    .name = "lvgl",
    .summary = "LVGL's font in C (lv_font_fmt_txt, 1 bit per pixel), for LVGL 8 and 9",
    .extensions = "c h",
    .output = Output::FontSource,
    .options = kTakesName | kReadsPastIfs | kTakesVersion,
    .limits = {.widths = true},
    .detect = Detect,
    .read = Read,
    .whyNot = WhyNot,
    .write = Write,
    .about = About,
    .arrayName = "lv_font",
};

}  // namespace zrl

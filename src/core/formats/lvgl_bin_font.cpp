// LVGL's binary font, loaded at run time by lv_binfont_create() and lv_font_load(): written
// of the set's characters byte for byte as LVGL's own converter writes the same glyphs; read
// back as the BDF font they draw.
#include "core/formats/format.h"
#include "core/formats/lvgl_binary.h"
#include "core/formats/lvgl_binary_reader.h"

namespace zrl {

namespace {

Certainty Detect(std::string_view bytes) {
    return StartsLvglBinaryFont(bytes) ? Certainty::Signed : Certainty::None;
}

ParsedSet Read(const Format&, std::string_view bytes, const ReadOptions&) {
    return SetOfLvglFont(ReadLvglBinaryFont(bytes));
}

std::string WhyNot(const CharacterSet& set, const TableFormat&) {
    return WhyNoLvglFont(LvglFontOf(set));
}

std::string Write(const CharacterSet& set, const TableFormat&) {
    return LvglBinaryFont(LvglFontOf(set));
}

std::string About(const CharacterSet& set, const TableFormat&) {
    return DescribeLvglFont(LvglFontOf(set));
}

}  // namespace

extern const Format kLvglBinFormat{
    .name = "lvgl-bin",
    .summary = "LVGL's binary font, loaded at run time by lv_binfont_create()",
    .extensions = "bin",
    .output = Output::Bytes,
    .options = kReadsPastIfs | kTakesVersion,
    .limits = {.widths = true},
    .detect = Detect,
    .read = Read,
    .whyNot = WhyNot,
    .write = Write,
    .about = About,
};

}  // namespace zrl

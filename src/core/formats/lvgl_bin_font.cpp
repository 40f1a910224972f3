// LVGL's binary font, loaded at run time by lv_binfont_create() and lv_font_load(): written
// of the set's characters byte for byte as LVGL's own converter writes the same glyphs; read
// back as the BDF font they draw.
#include "core/formats/bdf_font.h"
#include "core/formats/format.h"
#include "core/formats/lvgl_binary.h"

namespace zrl {

namespace {

Certainty Detect(std::string_view bytes) {
    return StartsLvglBinaryFont(bytes) ? Certainty::Signed : Certainty::None;
}

ParsedSet Read(const Format&, std::string_view bytes, const ReadOptions&) {
    const ReadLvgl read = ReadLvglBinaryFont(bytes);
    if (!read.font) {
        return Fail(read.error);
    }
    BitmapFont font = BitmapFontOf(*read.font);
    const std::string bdf = WriteFontText(font);
    ImportedFont imported = ImportFont(font, bdf);
    return {std::move(imported.set), {}, DescribeLeftOut(imported)};
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

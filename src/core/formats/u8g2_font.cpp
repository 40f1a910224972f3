// u8g2's font arrays: written of the BDF font the set is, as u8g2's own converter writes
// them; read back, u8x8's tile fonts too, as the BDF font they draw.
#include <algorithm>

#include "core/formats/bdf_font.h"
#include "core/formats/font_text.h"
#include "core/formats/format.h"
#include "core/formats/u8g2_decoder.h"
#include "core/formats/u8g2_encoder.h"
#include "core/formats/u8x8_font.h"
#include "core/text/code_map.h"

namespace zrl {

namespace {

Certainty Detect(std::string_view text) {
    return DeclaresFontArray(text) ? Certainty::Declared : Certainty::None;
}

// A u8x8 array says its first and last code where a u8g2 array says its glyph count and its
// box mode, 0 to 3; both are declared in a tile's section when their box is one.
ReadFont FontOf(const StringArray& array) {
    const bool tiles = array.tileSection && array.bytes.size() > 1 &&
                       static_cast<unsigned char>(array.bytes[1]) > 3;
    if (std::optional<ReadFont> read = tiles ? DecodeU8x8(array) : std::nullopt) {
        return std::move(*read);
    }
    return DecodeU8g2(array);
}

std::string Names(const std::vector<StringArray>& arrays) {
    std::string names;
    for (const StringArray& array : arrays) {
        names += (names.empty() ? "" : ", ") + array.name;
    }
    return names;
}

ParsedSet Read(const Format&, std::string_view text, const ReadOptions& options) {
    const std::vector<StringArray> arrays = StringArraysIn(text);
    if (arrays.empty()) {
        return Fail("it names a u8g2 font's section but holds no array of string literals");
    }
    const auto named = std::find_if(arrays.begin(), arrays.end(), [&options](const auto& array) {
        return array.name == options.array;
    });
    if (!options.array.empty() && named == arrays.end()) {
        return Fail("no array is named " + options.array + "; the text holds " + Names(arrays));
    }
    if (options.array.empty() && arrays.size() > 1) {
        ParsedSet several = Fail("the text holds " + std::to_string(arrays.size()) +
                                 " font arrays: " + Names(arrays) + "; name the one to read");
        for (const StringArray& array : arrays) {
            several.arrays.push_back(array.name);
        }
        return several;
    }
    ReadFont read = FontOf(named == arrays.end() ? arrays.front() : *named);
    if (!read.font) {
        return Fail(read.error);
    }
    const std::string bdf = WriteFontText(*read.font);
    ImportedFont imported = ImportFont(*read.font, bdf);
    return {std::move(imported.set), {}, DescribeLeftOut(imported)};
}

U8g2Glyphs GlyphsOf(const CharacterSet& set, const TableFormat& format) {
    return ChooseU8g2Glyphs(WriteBdf(set), format.map, format.text);
}

// The box the format names; else the one of the array the set was read from, else t.
int ModeOf(const TableFormat& format, const U8g2Glyphs& glyphs) {
    return U8g2BoxMode(format.box).value_or(glyphs.saidMode.value_or(0));
}

std::string WhyNot(const CharacterSet& set, const TableFormat& format) {
    const U8g2Glyphs glyphs = GlyphsOf(set, format);
    return EncodeU8g2(glyphs, ModeOf(format, glyphs)).error;
}

std::string Write(const CharacterSet& set, const TableFormat& format) {
    const U8g2Glyphs glyphs = GlyphsOf(set, format);
    const int mode = ModeOf(format, glyphs);
    const std::string name =
        format.name.empty() ? std::string(format.format->arrayName) : format.name;
    return FontArrayText(name, EncodeU8g2(glyphs, mode).bytes,
                         {glyphs.fontName, glyphs.copyright, static_cast<int>(glyphs.glyphs.size()),
                          glyphs.fontGlyphs, mode},
                         mode == 3);
}

std::string Warning(const CharacterSet& set, const TableFormat& format) {
    const U8g2Glyphs glyphs = GlyphsOf(set, format);
    const int mode = ModeOf(format, glyphs);
    const int cut = GlyphsCut(glyphs, mode);
    return cut == 0 ? std::string()
                    : std::string("box ") + kU8g2BoxLetters[mode] + " leaves out the dots of " +
                          Counted(cut, "glyph") +
                          (mode == 3 ? " outside an 8x8 tile" : " past their advance");
}

}  // namespace

extern const Format kU8g2Format{
    .name = "u8g2",
    .summary = "u8g2's font array, as u8g2's bdfconv -f 1 writes it",
    .extensions = "c h",
    .output = Output::FontArray,
    .options = kTakesName | kTakesBox | kReadsPastIfs,
    .limits = {.lastCode = 0xFFFF, .widths = true},
    .detect = Detect,
    .read = Read,
    .whyNot = WhyNot,
    .write = Write,
    .warning = Warning,
    .arrayName = "u8g2_font",
};

}  // namespace zrl

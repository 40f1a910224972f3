#include "lvgl_c_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/formats/bdf_font.h"
#include "core/formats/lvgl_cmaps.h"
#include "core/text/code_text.h"

namespace zrl {

namespace {

constexpr std::string_view kRule =
    "/*******************************************************************************\n";
constexpr int kPerLine = 8;

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

// The character a glyph draws, as the comment above its bytes shows it.
std::string Shown(long code) {
    if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0) || IsSurrogate(code)) {
        return {};
    }
    const std::string text = Utf8Of(static_cast<int>(code));
    return text == "\"" ? "\\\"" : text == "\\" ? "\\\\" : text;
}

// Values eight to a line, each line indented, a comma after all but the last.
template <typename Each>
std::string Lines(std::size_t count, Each each) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        out += i % kPerLine == 0 ? "    " : " ";
        out += each(i);
        out += i + 1 == count ? "\n" : i % kPerLine == kPerLine - 1 ? ",\n" : ",";
    }
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return text;
}

// A comment line's text cannot end the comment.
std::string InComment(std::string text) {
    for (std::size_t at = text.find("*/"); at != std::string::npos; at = text.find("*/", at)) {
        text.replace(at, 2, "* /");
    }
    return text;
}

std::string Head(const LvglFont& font, const LvglSource& source) {
    std::string out(kRule);
    out += " * Size: " + std::to_string(font.size) + " px\n * Bpp: 1\n";
    out += " * Font: " + InComment(font.name) + "\n";
    if (!font.copyright.empty()) {
        out += " * Copyright: " + InComment(font.copyright) + "\n";
    }
    out += " * Opts: " + InComment(source.options) + "\n";
    out += " ******************************************************************************/\n\n";
    out +=
        "#ifdef LV_LVGL_H_INCLUDE_SIMPLE\n#include \"lvgl.h\"\n#else\n#include "
        "\"lvgl/lvgl.h\"\n#endif\n\n";
    if (const std::string why = NeedsLargeFormat(font); !why.empty()) {
        out += "#if !LV_FONT_FMT_TXT_LARGE\n#error \"LV_FONT_FMT_TXT_LARGE is needed: " + why +
               "\"\n#endif\n\n";
    }
    const std::string guard = Upper(source.name);
    out += "#ifndef " + guard + "\n#define " + guard + " 1\n#endif\n\n#if " + guard + "\n\n";
    return out;
}

std::string Bitmaps(const LvglFont& font) {
    std::string out =
        "/*-----------------\n *    BITMAPS\n *----------------*/\n\n/*Store the image of the "
        "glyphs*/\nstatic LV_ATTRIBUTE_LARGE_CONST const uint8_t glyph_bitmap[] = {\n";
    std::size_t last = font.glyphs.size();
    while (last > 0 && font.glyphs[last - 1].bits.empty()) {
        --last;
    }
    for (std::size_t g = 0; g < font.glyphs.size(); ++g) {
        const LvglGlyph& glyph = font.glyphs[g];
        out += g == 0 ? "" : "\n";
        out += "    /* " + CodePointText(static_cast<int>(glyph.code)) + " \"" + Shown(glyph.code) +
               "\" */\n";
        std::string bytes =
            Lines(glyph.bits.size(), [&](std::size_t i) { return Hex(glyph.bits[i]); });
        if (g + 1 < last && !bytes.empty()) {
            bytes.insert(bytes.size() - 1, ",");
        }
        out += bytes;
    }
    return out + "};\n\n\n";
}

std::string Descriptions(const LvglFont& font) {
    std::string out =
        "/*---------------------\n *  GLYPH DESCRIPTION\n *--------------------*/\n\nstatic const "
        "lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {\n    {.bitmap_index = 0, .adv_w = 0, .box_w "
        "= 0, .box_h = 0, .ofs_x = 0, .ofs_y = 0} /* id = 0 reserved */";
    std::size_t index = 0;
    for (const LvglGlyph& glyph : font.glyphs) {
        out += ",\n    {.bitmap_index = " + std::to_string(index) +
               ", .adv_w = " + std::to_string(glyph.advance16) +
               ", .box_w = " + std::to_string(glyph.box.width) +
               ", .box_h = " + std::to_string(glyph.box.height) +
               ", .ofs_x = " + std::to_string(glyph.box.x) +
               ", .ofs_y = " + std::to_string(glyph.box.y) + "}";
        index += glyph.bits.size();
    }
    return out + "\n};\n\n";
}

std::string Cmaps(const std::vector<LvglCmap>& cmaps) {
    std::string out =
        "/*---------------------\n *  CHARACTER MAPPING\n *--------------------*/\n\n";
    if (std::none_of(cmaps.begin(), cmaps.end(),
                     [](const LvglCmap& cmap) { return !cmap.list.empty(); })) {
        out += "\n\n";
    }
    for (std::size_t c = 0; c < cmaps.size(); ++c) {
        const LvglCmap& cmap = cmaps[c];
        if (cmap.type == LvglCmapType::SparseTiny) {
            out += "static const uint16_t unicode_list_" + std::to_string(c) + "[] = {\n" +
                   Lines(cmap.list.size(),
                         [&](std::size_t i) { return Hex(static_cast<unsigned>(cmap.list[i])); }) +
                   "};\n\n";
        } else if (cmap.type == LvglCmapType::Format0Full) {
            out += "static const uint8_t glyph_id_ofs_list_" + std::to_string(c) + "[] = {\n" +
                   Lines(cmap.list.size(),
                         [&](std::size_t i) { return std::to_string(cmap.list[i]); }) +
                   "};\n\n";
        }
    }
    out +=
        "/*Collect the unicode lists and glyph_id offsets*/\nstatic const lv_font_fmt_txt_cmap_t "
        "cmaps[] =\n{\n";
    for (std::size_t c = 0; c < cmaps.size(); ++c) {
        const LvglCmap& cmap = cmaps[c];
        const std::string n = std::to_string(c);
        const bool sparse = cmap.type == LvglCmapType::SparseTiny;
        const bool full = cmap.type == LvglCmapType::Format0Full;
        out += std::string(c == 0 ? "" : ",\n") +
               "    {\n        .range_start = " + std::to_string(cmap.start) +
               ", .range_length = " + std::to_string(cmap.length) +
               ", .glyph_id_start = " + std::to_string(cmap.glyphStart) +
               ",\n        .unicode_list = " + (sparse ? "unicode_list_" + n : "NULL") +
               ", .glyph_id_ofs_list = " + (full ? "glyph_id_ofs_list_" + n : "NULL") +
               ", .list_length = " + std::to_string(sparse || full ? cmap.list.size() : 0) +
               ", .type = " + std::string(LvglCmapTypeName(cmap.type)) + "\n    }";
    }
    return out + "\n};\n\n\n\n";
}

std::string Tail(const LvglFont& font, const LvglSource& source, std::size_t cmaps) {
    std::string out =
        "/*--------------------\n *  ALL CUSTOM DATA\n *--------------------*/\n\n#if "
        "LVGL_VERSION_MAJOR == 8\n/*Store all the custom data of the font*/\nstatic  "
        "lv_font_fmt_txt_glyph_cache_t cache;\n#endif\n\n#if LVGL_VERSION_MAJOR >= 8\nstatic "
        "const lv_font_fmt_txt_dsc_t font_dsc = {\n#else\nstatic lv_font_fmt_txt_dsc_t font_dsc "
        "= {\n#endif\n    .glyph_bitmap = glyph_bitmap,\n    .glyph_dsc = glyph_dsc,\n    .cmaps "
        "= cmaps,\n    .kern_dsc = NULL,\n    .kern_scale = 0,\n    .cmap_num = ";
    out += std::to_string(cmaps) +
           ",\n    .bpp = 1,\n    .kern_classes = 0,\n    .bitmap_format = 0,\n#if "
           "LVGL_VERSION_MAJOR == 8\n    .cache = &cache\n#endif\n};\n\n\n\n";
    out +=
        "/*-----------------\n *  PUBLIC FONT\n *----------------*/\n\n/*Initialize a public "
        "general font descriptor*/\n#if LVGL_VERSION_MAJOR >= 8\nconst lv_font_t " +
        source.name + " = {\n#else\nlv_font_t " + source.name +
        " = {\n#endif\n    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,    /*Function pointer "
        "to get glyph's data*/\n    .get_glyph_bitmap = lv_font_get_bitmap_fmt_txt,    "
        "/*Function pointer to get glyph's bitmap*/\n    .line_height = " +
        std::to_string(font.lineHeight) +
        ",          /*The maximum line height required by the font*/\n    .base_line = " +
        std::to_string(font.baseLine) +
        ",             /*Baseline measured from the bottom of the line*/\n#if "
        "!(LVGL_VERSION_MAJOR == 6 && LVGL_VERSION_MINOR == 0)\n    .subpx = "
        "LV_FONT_SUBPX_NONE,\n#endif\n#if LV_VERSION_CHECK(7, 4, 0) || LVGL_VERSION_MAJOR >= "
        "8\n    .underline_position = " +
        std::to_string(font.underlinePosition) +
        ",\n    .underline_thickness = " + std::to_string(font.underlineThickness) +
        ",\n#endif\n    .dsc = &font_dsc,          /*The custom font data. Will be accessed by "
        "`get_glyph_bitmap/dsc` */\n#if LV_VERSION_CHECK(8, 2, 0) || LVGL_VERSION_MAJOR >= "
        "9\n    .fallback = NULL,\n#endif\n    .user_data = NULL,\n};\n\n\n\n#endif /*#if " +
        Upper(source.name) + "*/\n\n";
    return out;
}

}  // namespace

std::string LvglFontText(const LvglFont& font, const LvglSource& source) {
    const std::vector<LvglCmap> cmaps = SplitLvglCmaps(font.glyphs);
    return Head(font, source) + Bitmaps(font) + Descriptions(font) + Cmaps(cmaps) +
           Tail(font, source, cmaps.size());
}

}  // namespace zrl

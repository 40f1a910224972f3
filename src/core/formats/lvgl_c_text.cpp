#include "lvgl_c_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/formats/bdf_font.h"
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

std::string_view TypeName(LvglCmapType type) {
    switch (type) {
        case LvglCmapType::Format0Full:
            return "LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL";
        case LvglCmapType::SparseFull:
            return "LV_FONT_FMT_TXT_CMAP_SPARSE_FULL";
        case LvglCmapType::Format0Tiny:
            return "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY";
        case LvglCmapType::SparseTiny:
            break;
    }
    return "LV_FONT_FMT_TXT_CMAP_SPARSE_TINY";
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
               ", .type = " + std::string(TypeName(cmap.type)) + "\n    }";
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

// ---- Reading ----

// The text with its comments blanked, so that values are read only from code.
std::string WithoutComments(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == '/' && out[i + 1] == '*') {
            const std::size_t end = out.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? out.size() : end + 2;
            std::fill(out.begin() + static_cast<long>(i), out.begin() + static_cast<long>(stop),
                      ' ');
        } else if (out[i] == '/' && out[i + 1] == '/') {
            const std::size_t end = out.find('\n', i);
            std::fill(out.begin() + static_cast<long>(i),
                      out.begin() + static_cast<long>(end == std::string::npos ? out.size() : end),
                      ' ');
        } else if (out[i] == '"') {
            const std::size_t end = out.find('"', i + 1);
            i = end == std::string::npos ? out.size() : end;
        }
    }
    return out;
}

struct ReadError {
    std::string message;
};

[[noreturn]] void Stop(std::string message) {
    throw ReadError{std::move(message)};
}

// A whole number as C writes it, decimal or hexadecimal, with its sign.
std::optional<long long> Integer(std::string_view text, std::size_t& at) {
    while (at < text.size() &&
           (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r')) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == '-';
    at += negative ? 1 : 0;
    const int base = text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X" ? 16 : 10;
    at += base == 16 ? 2 : 0;
    long long value = 0;
    std::size_t digits = 0;
    for (; at < text.size(); ++at, ++digits) {
        const char c = text[at];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : 99;
        if (digit >= base || value > (1LL << 40)) {
            break;
        }
        value = value * base + digit;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    while (at < text.size() &&
           (text[at] == 'u' || text[at] == 'U' || text[at] == 'l' || text[at] == 'L')) {
        ++at;
    }
    return negative ? -value : value;
}

// The body between the braces of the array declared `name[`, if the text declares it.
std::optional<std::string_view> ArrayBody(std::string_view text, std::string_view name) {
    for (std::size_t at = text.find(name); at != std::string_view::npos;
         at = text.find(name, at + 1)) {
        const bool starts = at == 0 || !(std::isalnum(static_cast<unsigned char>(text[at - 1])) ||
                                         text[at - 1] == '_');
        std::size_t after = at + name.size();
        while (after < text.size() && text[after] == ' ') {
            ++after;
        }
        if (!starts || after >= text.size() || text[after] != '[') {
            continue;
        }
        const std::size_t open = text.find('{', after);
        const std::size_t semicolon = text.find(';', after);
        if (open == std::string_view::npos || semicolon < open) {
            continue;
        }
        int depth = 0;
        for (std::size_t i = open; i < text.size(); ++i) {
            depth += text[i] == '{' ? 1 : text[i] == '}' ? -1 : 0;
            if (depth == 0) {
                return text.substr(open + 1, i - open - 1);
            }
        }
        Stop(std::string(name) + " ends before its closing brace");
    }
    return std::nullopt;
}

std::vector<long long> Values(std::string_view body, std::string_view name) {
    std::vector<long long> values;
    for (std::size_t at = 0;;) {
        while (at < body.size() &&
               std::string_view(" \t\r\n,").find(body[at]) != std::string_view::npos) {
            ++at;
        }
        if (at == body.size()) {
            return values;
        }
        const std::optional<long long> value = Integer(body, at);
        if (!value) {
            Stop(std::string(name) + " holds \"" + std::string(body.substr(at, 12)) +
                 "\" where a number belongs, after value " + std::to_string(values.size()));
        }
        values.push_back(*value);
    }
}

// The value a designated initializer gives the field, in this part of the text.
std::optional<long long> Field(std::string_view text, std::string_view field) {
    const std::string key = "." + std::string(field);
    for (std::size_t at = text.find(key); at != std::string_view::npos;
         at = text.find(key, at + 1)) {
        std::size_t after = at + key.size();
        while (after < text.size() && text[after] == ' ') {
            ++after;
        }
        if (after < text.size() && text[after] == '=') {
            ++after;
            return Integer(text, after);
        }
    }
    return std::nullopt;
}

std::string Word(std::string_view text, std::string_view field) {
    const std::string key = "." + std::string(field);
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos) {
        return {};
    }
    std::size_t from = text.find('=', at);
    if (from == std::string_view::npos) {
        return {};
    }
    ++from;
    while (from < text.size() && text[from] == ' ') {
        ++from;
    }
    std::size_t to = from;
    while (to < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[to])) || text[to] == '_')) {
        ++to;
    }
    return std::string(text.substr(from, to - from));
}

// The brace groups of an array of structures, in order.
std::vector<std::string_view> Groups(std::string_view body) {
    std::vector<std::string_view> groups;
    int depth = 0;
    std::size_t open = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '{' && depth++ == 0) {
            open = i + 1;
        } else if (body[i] == '}' && --depth == 0) {
            groups.push_back(body.substr(open, i - open));
        }
    }
    return groups;
}

long long Required(std::string_view group, std::string_view field, std::string_view where) {
    const std::optional<long long> value = Field(group, field);
    if (!value) {
        Stop(std::string(where) + " gives no ." + std::string(field));
    }
    return *value;
}

std::vector<int> ListNamed(std::string_view code, const std::string& name) {
    if (name.empty() || name == "NULL") {
        return {};
    }
    const std::optional<std::string_view> body = ArrayBody(code, name);
    if (!body) {
        Stop("no array is named " + name);
    }
    std::vector<int> list;
    for (const long long value : Values(*body, name)) {
        list.push_back(static_cast<int>(value));
    }
    return list;
}

LvglCmapType CmapType(const std::string& name, std::string_view where) {
    for (const LvglCmapType type : {LvglCmapType::Format0Full, LvglCmapType::SparseFull,
                                    LvglCmapType::Format0Tiny, LvglCmapType::SparseTiny}) {
        if (name == TypeName(type)) {
            return type;
        }
    }
    Stop(std::string(where) + " has no type LVGL knows: \"" + name + "\"");
}

std::vector<LvglCmap> ReadCmaps(std::string_view code) {
    const std::optional<std::string_view> body = ArrayBody(code, "cmaps");
    if (!body) {
        Stop("it declares no cmaps");
    }
    std::vector<LvglCmap> cmaps;
    for (const std::string_view group : Groups(*body)) {
        const std::string where = "cmap " + std::to_string(cmaps.size());
        LvglCmap cmap;
        const auto within = [&](std::string_view field, long long most) {
            const long long value = Required(group, field, where);
            if (value < 0 || value > most) {
                Stop(where + "'s ." + std::string(field) + " is " + std::to_string(value) +
                     ", past " + std::to_string(most));
            }
            return value;
        };
        cmap.start = static_cast<long>(within("range_start", kLastUnicode));
        cmap.length = static_cast<int>(within("range_length", 0xFFFF));
        cmap.glyphStart = static_cast<int>(within("glyph_id_start", 0xFFFF));
        cmap.type = CmapType(Word(group, "type"), where);
        const std::string unicode = Word(group, "unicode_list");
        const std::string ids = Word(group, "glyph_id_ofs_list");
        const bool sparse =
            cmap.type == LvglCmapType::SparseTiny || cmap.type == LvglCmapType::SparseFull;
        cmap.list = sparse ? ListNamed(code, unicode) : ListNamed(code, ids);
        cmap.ids =
            cmap.type == LvglCmapType::SparseFull ? ListNamed(code, ids) : std::vector<int>{};
        cmaps.push_back(std::move(cmap));
    }
    return cmaps;
}

std::vector<LvglGlyph> ReadGlyphs(std::string_view code) {
    const std::optional<std::string_view> bitmapBody = ArrayBody(code, "glyph_bitmap");
    const std::optional<std::string_view> dscBody = ArrayBody(code, "glyph_dsc");
    if (!bitmapBody || !dscBody) {
        Stop(bitmapBody ? "it declares no glyph_dsc" : "it declares no glyph_bitmap");
    }
    const std::vector<long long> bitmap = Values(*bitmapBody, "glyph_bitmap");
    const std::vector<std::string_view> groups = Groups(*dscBody);
    std::vector<LvglGlyph> glyphs;
    for (std::size_t id = 1; id < groups.size(); ++id) {
        const std::string where = "glyph id " + std::to_string(id);
        LvglGlyph glyph;
        const long long index = Required(groups[id], "bitmap_index", where);
        const auto field = [&](std::string_view name) {
            return static_cast<int>(
                std::clamp(Required(groups[id], name, where), -(1LL << 30), 1LL << 30));
        };
        glyph.advance16 = field("adv_w");
        glyph.box = {field("box_w"), field("box_h"), field("ofs_x"), field("ofs_y")};
        for (const auto& [field, value] :
             {std::pair{"ofs_x", glyph.box.x}, std::pair{"ofs_y", glyph.box.y}}) {
            if (value < -32768 || value > 32767) {
                Stop(where + "'s ." + field + " is past 32,767 dots");
            }
        }
        if (glyph.advance16 < 0 || glyph.advance16 > 0xFFFF * 16) {
            Stop(where + "'s .adv_w is past 65,535 dots");
        }
        if (glyph.box.width < 0 || glyph.box.height < 0 || glyph.box.width > 255 ||
            glyph.box.height > 255) {
            Stop(where + " is " + std::to_string(glyph.box.width) + "x" +
                 std::to_string(glyph.box.height) + " dots, past 255x255");
        }
        const long long bytes =
            (static_cast<long long>(glyph.box.width) * glyph.box.height + 7) / 8;
        if (index < 0 || index + bytes > std::ssize(bitmap)) {
            Stop(where + "'s bitmap runs past glyph_bitmap's " + std::to_string(bitmap.size()) +
                 " bytes");
        }
        for (long long i = 0; i < bytes; ++i) {
            glyph.bits.push_back(
                static_cast<std::uint8_t>(bitmap[static_cast<std::size_t>(index + i)]));
        }
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

void CheckDepth(std::string_view code) {
    const std::optional<long long> bpp = Field(code, "bpp");
    if (bpp && *bpp != 1) {
        Stop("the font has " + std::to_string(*bpp) +
             " bits per pixel; only fonts of 1 bit per pixel are read");
    }
    if (const std::optional<long long> format = Field(code, "bitmap_format");
        format && *format != 0) {
        Stop("the font's bitmaps are compressed; only plain bitmaps are read");
    }
}

LvglFont ReadTextFont(std::string_view text) {
    const std::string stripped = WithoutComments(text);
    const std::string_view code = stripped;
    CheckDepth(code);
    LvglFont font;
    if (std::string why = GiveCodes(ReadCmaps(code), ReadGlyphs(code), font); !why.empty()) {
        Stop(why);
    }
    font.lineHeight = static_cast<int>(Field(code, "line_height").value_or(font.lineHeight));
    font.baseLine = static_cast<int>(Field(code, "base_line").value_or(font.baseLine));
    font.underlinePosition = static_cast<int>(Field(code, "underline_position").value_or(0));
    font.underlineThickness = static_cast<int>(Field(code, "underline_thickness").value_or(0));
    font.ascent = font.lineHeight - font.baseLine;
    font.descent = -font.baseLine;
    return font;
}

// The name of the lv_font_t the text defines, and its size as the comment at the top says.
void Name(std::string_view text, LvglFont& font) {
    const std::string stripped = WithoutComments(text);
    const std::size_t at = stripped.find("lv_font_t ");
    if (at != std::string::npos) {
        std::size_t to = at + 10;
        while (to < stripped.size() &&
               (std::isalnum(static_cast<unsigned char>(stripped[to])) || stripped[to] == '_')) {
            ++to;
        }
        font.name = stripped.substr(at + 10, to - at - 10);
    }
    std::size_t size = text.find(" * Size: ");
    font.size = size != std::string_view::npos
                    ? static_cast<int>(Integer(text, size += 9).value_or(font.lineHeight))
                    : font.lineHeight;
    if (const std::size_t copyright = text.find(" * Copyright: ");
        copyright != std::string_view::npos) {
        const std::size_t end = text.find('\n', copyright);
        font.copyright = std::string(text.substr(copyright + 14, end - copyright - 14));
    }
}

}  // namespace

std::string LvglFontText(const LvglFont& font, const LvglSource& source) {
    const std::vector<LvglCmap> cmaps = SplitLvglCmaps(font.glyphs);
    return Head(font, source) + Bitmaps(font) + Descriptions(font) + Cmaps(cmaps) +
           Tail(font, source, cmaps.size());
}

ReadLvgl ReadLvglFontText(std::string_view text) {
    try {
        LvglFont font = ReadTextFont(text);
        Name(text, font);
        return {std::move(font), {}};
    } catch (const ReadError& error) {
        return {std::nullopt, error.message};
    }
}

ParsedSet SetOfLvglFont(const ReadLvgl& read) {
    if (!read.font) {
        return Fail(read.error);
    }
    BitmapFont font = BitmapFontOf(*read.font);
    const std::string bdf = WriteFontText(font);
    ImportedFont imported = ImportFont(font, bdf);
    return {std::move(imported.set), {}, DescribeLeftOut(imported)};
}

bool DeclaresLvglFont(std::string_view text) {
    return text.find("lv_font_fmt_txt_glyph_dsc_t") != std::string_view::npos;
}

}  // namespace zrl

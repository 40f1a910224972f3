#include "lvgl_c_reader.h"

#include <algorithm>
#include <cctype>

#include "core/formats/bdf_font.h"
#include "core/formats/font_text.h"
#include "core/formats/lvgl_cmaps.h"

namespace zrl {

namespace {

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
        if (name == LvglCmapTypeName(type)) {
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

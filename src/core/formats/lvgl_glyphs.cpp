#include "lvgl_glyphs.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/formats/bdf_font.h"
#include "core/formats/lvgl_cmaps.h"
#include "core/formats/parsed_set.h"
#include "core/formats/u8g2_glyphs.h"

namespace zrl {

namespace {

constexpr std::size_t kMostLvglGlyphs = 65535;  // glyph ids are 16 bits, 0 reserved

long Number(const BitmapFont& font, std::string_view name, long otherwise) {
    const std::string value = PropertyValue(font, name);
    const std::optional<int> number =
        value.starts_with('-') ? NumberAt(std::string_view(value).substr(1)) : NumberAt(value);
    if (!number) {
        return otherwise;
    }
    return value.starts_with('-') ? -*number : *number;
}

std::string Unquoted(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        out += value[i];
        i += value[i] == '"' && i + 1 < value.size() && value[i + 1] == '"' ? 1 : 0;
    }
    return out;
}

LvglGlyph Trimmed(const BitmapGlyph& glyph) {
    LvglGlyph out;
    out.code = glyph.code;
    out.advance16 = 16 * std::max(glyph.advance, 0);
    const std::optional<BitmapRect> ink = InkRect(glyph);
    if (!ink) {
        if (glyph.box.width == 1 && glyph.box.height == 1) {
            out.box = {1, 1, glyph.box.x, glyph.box.y};
            out.bits = {0};
        }
        return out;
    }
    out.box = {ink->width, ink->height, glyph.box.x + ink->left,
               glyph.box.y + glyph.box.height - ink->top - ink->height};
    const int width = out.box.width;
    out.bits.assign(static_cast<std::size_t>((width * out.box.height + 7) / 8), 0);
    for (int row = 0; row < out.box.height; ++row) {
        for (int column = 0; column < width; ++column) {
            if (glyph.Ink(ink->top + row, ink->left + column)) {
                const int dot = row * width + column;
                out.bits[static_cast<std::size_t>(dot / 8)] |=
                    static_cast<std::uint8_t>(0x80u >> (dot % 8));
            }
        }
    }
    return out;
}

}  // namespace

bool LvglGlyph::Lit(int column, int row) const {
    const int dot = row * box.width + column;
    return column >= 0 && column < box.width && row >= 0 && row < box.height &&
           ((bits[static_cast<std::size_t>(dot / 8)] >> (7 - dot % 8)) & 1u) != 0;
}

LvglFont LvglFontOf(const CharacterSet& set) {
    LvglFont font;
    ReadFont read = ReadBdf(WriteBdf(set));
    if (!read.font) {
        return font;
    }
    const BitmapFont& bitmap = *read.font;
    font.name = bitmap.name;
    font.copyright = Unquoted(PropertyValue(bitmap, "COPYRIGHT"));
    std::vector<const BitmapGlyph*> glyphs;
    for (const BitmapGlyph& glyph : bitmap.glyphs) {
        if (glyph.code >= 0 && glyph.code <= kLastUnicode) {
            glyphs.push_back(&glyph);
        }
    }
    std::stable_sort(glyphs.begin(), glyphs.end(),
                     [](const auto* a, const auto* b) { return a->code < b->code; });
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end(),
                             [](const auto* a, const auto* b) { return a->code == b->code; }),
                 glyphs.end());
    for (const BitmapGlyph* glyph : glyphs) {
        font.glyphs.push_back(Trimmed(*glyph));
    }
    MeasureLines(font);
    font.size = static_cast<int>(Number(bitmap, "PIXEL_SIZE", set.Cell().height));
    font.ascent = static_cast<int>(Number(bitmap, "FONT_ASCENT", font.lineHeight - font.baseLine));
    font.descent = -static_cast<int>(Number(bitmap, "FONT_DESCENT", font.baseLine));
    font.underlinePosition = static_cast<int>(Number(bitmap, "UNDERLINE_POSITION", 0));
    font.underlineThickness = static_cast<int>(Number(bitmap, "UNDERLINE_THICKNESS", 0));
    return font;
}

void MeasureLines(LvglFont& font) {
    int low = 0;
    int high = 0;
    bool any = false;
    for (const LvglGlyph& glyph : font.glyphs) {
        low = any ? std::min(low, glyph.box.y) : glyph.box.y;
        high =
            any ? std::max(high, glyph.box.y + glyph.box.height) : glyph.box.y + glyph.box.height;
        any = true;
    }
    font.lineHeight = high - low;
    font.baseLine = -low;
}

std::string WhyNoLvglFont(const LvglFont& font) {
    if (font.glyphs.empty()) {
        return "no character is chosen; an LVGL font of none is no font";
    }
    if (font.glyphs.size() > kMostLvglGlyphs) {
        return "LVGL's fonts hold 65,535 glyphs at most; --map chooses fewer of the " +
               std::to_string(font.glyphs.size());
    }
    return {};
}

std::string NeedsLargeFormat(const LvglFont& font) {
    std::size_t bytes = 0;
    for (const LvglGlyph& glyph : font.glyphs) {
        if (glyph.box.width > 255 || glyph.box.height > 255) {
            return "a glyph's box is over 255 dots";
        }
        if (glyph.box.x < -128 || glyph.box.x > 127 || glyph.box.y < -128 || glyph.box.y > 127) {
            return "a glyph's offset is over 127 dots";
        }
        if (glyph.advance16 >= 4096) {
            return "a glyph's advance is over 255 dots";
        }
        bytes += glyph.bits.size();
    }
    return bytes > (std::size_t{1} << 20) ? "the bitmaps are over 1 MiB" : "";
}

BitmapFont BitmapFontOf(const LvglFont& font) {
    BitmapFont bitmap;
    bitmap.name = font.name.empty() ? "lvgl_font" : font.name;
    std::optional<GlyphBox> box;
    for (const LvglGlyph& lvgl : font.glyphs) {
        BitmapGlyph glyph;
        glyph.code = lvgl.code;
        glyph.name = DefaultGlyphName(static_cast<int>(lvgl.code));
        glyph.box = lvgl.box;
        glyph.advance = static_cast<int>(std::lround(lvgl.advance16 / 16.0));
        glyph.rows.assign(static_cast<std::size_t>(glyph.RowWords() * lvgl.box.height), 0);
        bool ink = false;
        for (int row = 0; row < lvgl.box.height; ++row) {
            for (int column = 0; column < lvgl.box.width; ++column) {
                if (lvgl.Lit(column, row)) {
                    glyph.SetInk(row, column);
                    ink = true;
                }
            }
        }
        if (ink) {
            box = box ? Union(*box, glyph.box) : glyph.box;
        }
        bitmap.glyphs.push_back(std::move(glyph));
    }
    bitmap.box = box.value_or(GlyphBox{1, 1, 0, 0});
    const auto add = [&bitmap](std::string name, long value) {
        bitmap.properties.push_back({std::move(name), std::to_string(value)});
    };
    if (!font.copyright.empty()) {
        bitmap.properties.push_back({"COPYRIGHT", "\"" + font.copyright + "\""});
    }
    add("PIXEL_SIZE", font.size);
    add("FONT_ASCENT", font.ascent);
    add("FONT_DESCENT", -font.descent);
    if (font.underlinePosition != 0 || font.underlineThickness != 0) {
        add("UNDERLINE_POSITION", font.underlinePosition);
        add("UNDERLINE_THICKNESS", font.underlineThickness);
    }
    return bitmap;
}

std::string DescribeLvglFont(const LvglFont& font) {
    const std::vector<LvglCmap> cmaps = SplitLvglCmaps(font.glyphs);
    std::string out = "line_height " + std::to_string(font.lineHeight) + ", base_line " +
                      std::to_string(font.baseLine) + "; " + std::to_string(cmaps.size()) +
                      (cmaps.size() == 1 ? " range: " : " ranges: ");
    for (std::size_t i = 0; i < cmaps.size(); ++i) {
        const LvglCmap& cmap = cmaps[i];
        out += i == 0 ? "" : ", ";
        out += std::to_string(cmap.start);
        out += cmap.length > 1 ? "-" + std::to_string(cmap.start + cmap.length - 1) : "";
        out += cmap.type == LvglCmapType::Format0Tiny ? " tiny"
               : cmap.type == LvglCmapType::Format0Full
                   ? " full"
                   : " sparse (" + std::to_string(cmap.list.size()) + " codes)";
    }
    return out;
}

std::string LvglFontName(std::string_view fontName) {
    std::vector<std::string_view> fields;
    for (std::string_view rest = fontName; !rest.empty();) {
        const std::size_t dash = rest.find('-');
        fields.push_back(rest.substr(0, dash));
        rest = dash == std::string_view::npos ? std::string_view() : rest.substr(dash + 1);
    }
    if (fontName.starts_with('-') && fields.size() == 15 && !fields[2].empty()) {
        return IdentifierOf(std::string(fields[2]) + "_" + std::string(fields[7]));
    }
    return IdentifierOf(fontName);
}

std::string IdentifierOf(std::string_view name) {
    std::string out;
    for (const char c : name) {
        const bool word =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (word) {
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        } else if (!out.empty() && out.back() != '_') {
            out += '_';
        }
    }
    while (!out.empty() && out.back() == '_') {
        out.pop_back();
    }
    if (out.empty() || (out.front() >= '0' && out.front() <= '9')) {
        out = "font_" + out;
    }
    return out;
}

}  // namespace zrl

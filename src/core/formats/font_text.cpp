#include "font_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "core/formats/bdf_font.h"

namespace zrl {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

}  // namespace

namespace {

long NumberProperty(const BitmapFont& font, std::string_view name, long otherwise) {
    const std::string value = PropertyValue(font, name);
    char* end = nullptr;
    const long n = std::strtol(value.c_str(), &end, 10);
    return value.empty() || *end != '\0' ? otherwise : n;
}

void AppendNumber(std::string& out, long number) {
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, end);
}

void AppendBox(std::string& out, const GlyphBox& box) {
    AppendNumber(out, box.width);
    out += ' ';
    AppendNumber(out, box.height);
    out += ' ';
    AppendNumber(out, box.x);
    out += ' ';
    AppendNumber(out, box.y);
}

}  // namespace

FontText::FontText(const BitmapFont& font)
    : pointsFromBox_(NumberProperty(font, "POINT_SIZE", -1) == -1),
      points_(std::max(1L, NumberProperty(font, "POINT_SIZE", font.box.height * 10L) / 10)),
      resolution_(std::max(1L, NumberProperty(font, "RESOLUTION_X", 75))) {}

std::string FontText::Header(BitmapFont& font, std::size_t glyphs) const {
    std::string out = "STARTFONT 2.1\nFONT " + font.name + "\nSIZE " + std::to_string(points_) +
                      " " + std::to_string(resolution_) + " " +
                      std::to_string(NumberProperty(font, "RESOLUTION_Y", resolution_)) +
                      "\nFONTBOUNDINGBOX ";
    AppendBox(out, font.box);
    out += "\n\n";
    // A blank line between the parts and after each glyph, as X's own converter has it.
    if (!font.properties.empty()) {
        out += "STARTPROPERTIES " + std::to_string(font.properties.size()) + "\n";
        for (const FontProperty& property : font.properties) {
            out += property.name + " " + property.value + "\n";
        }
        out += "ENDPROPERTIES\n\n";
    }
    font.charsStart = out.size();
    out += "CHARS " + std::to_string(glyphs) + "\n";
    font.charsEnd = out.size();
    out += "\n";
    return out;
}

void FontText::AppendGlyph(std::string& out, BitmapGlyph& glyph) const {
    glyph.startChar = out.size();
    const long scalable = glyph.scalableWidth >= 0
                              ? glyph.scalableWidth
                              : ScalableWidth(glyph.advance, static_cast<double>(points_),
                                              static_cast<double>(resolution_));
    out += "STARTCHAR ";
    out += glyph.name;
    out += "\nENCODING ";
    AppendNumber(out, glyph.code);
    out += "\nSWIDTH ";
    AppendNumber(out, scalable);
    out += " 0\nDWIDTH ";
    AppendNumber(out, glyph.advance);
    out += " 0\nBBX ";
    AppendBox(out, glyph.box);
    out += "\nBITMAP\n";
    const auto words = static_cast<std::size_t>(glyph.RowWords());
    for (std::size_t first = 0; first < glyph.rows.size(); first += words) {
        for (int left = 0; left < std::max(glyph.box.width, 1); left += 8) {
            const std::uint64_t word = glyph.rows[first + static_cast<std::size_t>(left / 64)];
            const auto byte = static_cast<unsigned>((word >> (56 - left % 64)) & 0xFF);
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
        out += '\n';
    }
    out += "ENDCHAR\n";
    glyph.end = out.size();
    out += '\n';
}

std::size_t FontText::Room(const BitmapGlyph& glyph) {
    return 96 + static_cast<std::size_t>(glyph.Rows()) *
                    (static_cast<std::size_t>(glyph.box.width + 7) / 8 * 2 + 1);
}

std::string WriteFontText(BitmapFont& font) {
    const FontText text(font);
    std::string out = text.Header(font, font.glyphs.size());
    std::size_t room = out.size() + 16;
    for (const BitmapGlyph& glyph : font.glyphs) {
        room += FontText::Room(glyph);
    }
    out.reserve(room);
    for (BitmapGlyph& glyph : font.glyphs) {
        text.AppendGlyph(out, glyph);
    }
    out += FontText::kEnd;
    return out;
}

}  // namespace zrl

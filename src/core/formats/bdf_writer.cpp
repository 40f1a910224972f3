#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/formats/bdf_font.h"
#include "core/formats/font_source.h"

namespace zrl {

// A name as one line of the file would read it back: no line break, no blanks around it.
std::string OneLine(std::string name) {
    std::replace(name.begin(), name.end(), '\n', ' ');
    const std::size_t first = name.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(" \t\r") - first + 1);
}

long ScalableWidth(int advance, double points, double resolution) {
    return std::lround(advance * 72000.0 / (points * resolution));
}

namespace {

// A set with a code past 255 is a Unicode font.
bool IsUnicode(const CharacterSet& set) {
    return !set.IsEmpty() && set.Characters().rbegin()->first > kLastCode;
}

// "six rows", "one row", "no rows": small counts in words, as a person writes them.
std::string Rows(int count) {
    static constexpr const char* kWords[] = {"no",   "one",    "two",   "three", "four",
                                             "five", "six",    "seven", "eight", "nine",
                                             "ten",  "eleven", "twelve"};
    const std::string number =
        count < static_cast<int>(std::size(kWords)) ? kWords[count] : std::to_string(count);
    return number + (count == 1 ? " row" : " rows");
}

std::string Comment(const CharacterSet& set) {
    const std::string below = set.Descent() == 0   ? "none below"
                              : set.Descent() == 1 ? "one below"
                                                   : Rows(set.Descent()) + " below";
    return ToString(set.Cell()) + " characters: " + Rows(set.Ascent()) + " above the baseline, " +
           below;
}

// Each character is as wide as its width and one column more, so that displays and font
// tools leave a column between characters.
int Advance(const SetCharacter& character) {
    return character.width + 1;
}

void WriteProperties(std::string& out, const CharacterSet& set) {
    const int height = set.Cell().height;
    const std::string properties[] = {
        "PIXEL_SIZE " + std::to_string(height),
        "POINT_SIZE " + std::to_string(height * 10),
        "RESOLUTION_X 75",
        "RESOLUTION_Y 75",
        set.IsProportional() ? "SPACING \"P\"" : "SPACING \"C\"",
        "AVERAGE_WIDTH " + std::to_string(AverageWidth(set)),
        IsUnicode(set) ? "CHARSET_REGISTRY \"ISO10646\"" : "CHARSET_REGISTRY \"ISO8859\"",
        "CHARSET_ENCODING \"1\"",
        "FONT_ASCENT " + std::to_string(set.Ascent()),
        "FONT_DESCENT " + std::to_string(set.Descent()),
    };
    out += "STARTPROPERTIES " + std::to_string(std::size(properties)) + "\n";
    for (const std::string& property : properties) {
        out += property;
        out += '\n';
    }
    out += "ENDPROPERTIES\n";
}

// The box every glyph and the font have: the whole cell, its bottom row `descent` below
// the baseline, its left column the origin column left of the origin.
std::string CellBox(const CharacterSet& set) {
    return std::to_string(set.Cell().width) + " " + std::to_string(set.Cell().height) + " " +
           std::to_string(-set.OriginColumn()) + " " + std::to_string(-set.Descent());
}

// The advance in thousandths of the point size (the cell's height, at 75 dpi): 823 for
// 6 pixels of a 7-point font.
std::string Widths(const SetCharacter& character) {
    const int height = character.pattern.Size().height;
    const long scalable = ScalableWidth(Advance(character), height, 75);
    return "\nSWIDTH " + std::to_string(scalable) + " 0\nDWIDTH " +
           std::to_string(Advance(character)) + " 0";
}

void WriteGlyph(std::string& out, int code, const SetCharacter& character, const std::string& box) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string name = OneLine(character.name);
    out += "STARTCHAR " + (name.empty() ? DefaultGlyphName(code) : name);
    out += "\nENCODING " + std::to_string(code);
    out += Widths(character);
    out += box;
    const CellSize size = character.pattern.Size();
    for (int row = 0; row < size.height; ++row) {
        for (int left = 0; left < size.width; left += 8) {
            unsigned byte = 0;
            for (int column = left; column < std::min(left + 8, size.width); ++column) {
                if (character.pattern.Lit(row, column)) {
                    byte |= 0x80u >> (column - left);
                }
            }
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
        out += '\n';
    }
    out += "ENDCHAR\n";
}

// ---- A set of no file's: written whole, in its own cell ----

std::string WriteNew(const CharacterSet& set) {
    const CellSize size = set.Cell();
    std::string out = "STARTFONT 2.1\n";
    out += "COMMENT " + Comment(set) + "\n";
    const std::string name = OneLine(set.FontName());
    out += "FONT " + (name.empty() ? DefaultFontName(set) : AgreeingFontName(name, set));
    out +=
        "\nSIZE " + std::to_string(size.height) + " 75 75\nFONTBOUNDINGBOX " + CellBox(set) + "\n";
    WriteProperties(out, set);
    out += "CHARS " + std::to_string(set.Size()) + "\n";
    const std::string box = "\nBBX " + CellBox(set) + "\nBITMAP\n";
    for (const auto& [code, character] : set.Characters()) {
        WriteGlyph(out, code, character, box);
    }
    out += "ENDFONT\n";
    return out;
}

constexpr char kHex[] = "0123456789ABCDEF";

}  // namespace

std::string WriteBdf(const CharacterSet& set) {
    const FontSource* source = FontSourceOf(set);
    return source != nullptr ? WriteKeeping(set, *source) : WriteNew(set);
}

CharacterSet ChosenForBdf(const CharacterSet& whole, const CharacterSet& chosen, bool moved) {
    const FontSource* source = FontSourceOf(whole);
    if (moved || source == nullptr ||
        std::any_of(source->glyphs.begin(), source->glyphs.end(),
                    [](const FontSource::Glyph& glyph) { return !glyph.editable; })) {
        return chosen;
    }
    CharacterSet kept = whole;
    for (const auto& [code, character] : whole.Characters()) {
        if (chosen.Find(code) == nullptr) {
            kept.Remove(code);
        }
    }
    return kept;
}

}  // namespace zrl

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "bdf_font.h"
#include "font_source.h"

namespace zrl {

namespace {

// A set with a code past 255 is a Unicode font.
bool IsUnicode(const CharacterSet& set) {
    return !set.IsEmpty() && set.Characters().rbegin()->first > kLastCode;
}

// A name as one line of the file would read it back: no line break, no blanks around it.
std::string OneLine(std::string name) {
    std::replace(name.begin(), name.end(), '\n', ' ');
    const std::size_t first = name.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(" \t\r") - first + 1);
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
// the baseline.
std::string CellBox(const CharacterSet& set) {
    return std::to_string(set.Cell().width) + " " + std::to_string(set.Cell().height) + " 0 " +
           std::to_string(-set.Descent());
}

// The advance in thousandths of the point size (the cell's height, at 75 dpi): 823 for
// 6 pixels of a 7-point font.
std::string Widths(const SetCharacter& character) {
    const int height = character.pattern.Size().height;
    const long scalable =
        std::lround(Advance(character) * 72000.0 / (75.0 * static_cast<double>(height)));
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

// ---- A set read from a BDF text: what it does not change is written as it was ----

constexpr char kHex[] = "0123456789ABCDEF";

std::string_view Keyword(std::string_view line) {
    const std::size_t start = std::min(line.find_first_not_of(" \t"), line.size());
    line.remove_prefix(start);
    return line.substr(0, std::min(line.find_first_of(" \t\r\n"), line.size()));
}

// The text's lines, each with its line end.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size() - 1) + 1;
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return lines;
}

// Replaces the first line that starts with the keyword (in the header: the FONT line, a
// property) by the keyword and the value; where there is none, nothing.
void ReplaceLine(std::string& text, std::string_view keyword, const std::string& value,
                 const std::string& lineEnd) {
    std::size_t at = 0;
    for (std::string_view line : SplitLines(text)) {
        if (Keyword(line) == keyword) {
            text.replace(at, line.size(), std::string(keyword) + " " + value + lineEnd);
            return;
        }
        at += line.size();
    }
}

std::string ValueOf(std::string_view text, std::string_view keyword) {
    for (std::string_view line : SplitLines(text)) {
        if (Keyword(line) == keyword) {
            line.remove_prefix(line.find(keyword) + keyword.size());
            const std::size_t start = std::min(line.find_first_not_of(" \t"), line.size());
            const std::size_t end = line.find_last_not_of(" \t\r\n");
            return end == std::string_view::npos || end < start
                       ? std::string()
                       : std::string(line.substr(start, end - start + 1));
        }
    }
    return {};
}

// One field of an XLFD name, counted from 1; any other name as it is.
std::string WithXlfdField(const std::string& name, int field, const std::string& value) {
    std::vector<std::size_t> hyphens;
    for (std::size_t at = name.find('-'); at != std::string::npos; at = name.find('-', at + 1)) {
        hyphens.push_back(at);
    }
    if (hyphens.size() != 14 || hyphens.front() != 0) {
        return name;
    }
    const std::size_t start = hyphens[static_cast<std::size_t>(field - 1)] + 1;
    const std::size_t end = field < 14 ? hyphens[static_cast<std::size_t>(field)] : name.size();
    return name.substr(0, start) + value + name.substr(end);
}

// How the set's cell and widths differ from the font's as it was read.
struct Changes {
    bool cell;
    bool spacing;
    bool averageWidth;
};

Changes ChangesOf(const CharacterSet& set, const FontSource& source) {
    return {set.Cell() != source.cell || set.Descent() != source.descent,
            set.IsProportional() != source.proportional, AverageWidth(set) != source.averageWidth};
}

// The header as it was, but for what the set's changes make it say otherwise.
std::string Header(const CharacterSet& set, const FontSource& source, const Changes& changes) {
    std::string header(source.header);
    const std::string& end = source.lineEnd;
    if (changes.cell) {
        ReplaceLine(header, "FONTBOUNDINGBOX",
                    std::to_string(set.Cell().width) + " " + std::to_string(set.Cell().height) +
                        " " + std::to_string(source.cellLeft) + " " +
                        std::to_string(-set.Descent()),
                    end);
        ReplaceLine(header, "FONT_ASCENT", std::to_string(set.Ascent()), end);
        ReplaceLine(header, "FONT_DESCENT", std::to_string(set.Descent()), end);
    }
    std::string name = ValueOf(header, "FONT");
    if (changes.spacing) {
        const std::string spacing = set.IsProportional() ? "P" : "C";
        ReplaceLine(header, "SPACING", "\"" + spacing + "\"", end);
        name = WithXlfdField(name, 11, spacing);
    }
    if (changes.averageWidth) {
        const std::string average = std::to_string(AverageWidth(set));
        ReplaceLine(header, "AVERAGE_WIDTH", average, end);
        name = WithXlfdField(name, 12, average);
    }
    if (changes.spacing || changes.averageWidth) {
        ReplaceLine(header, "FONT", name, end);
    }
    return header;
}

// Thousandths of the point size, as the font's SIZE line gives it.
long ScalableWidth(const std::string& header, int advance, int height) {
    double points = height;
    double resolution = 75;
    const std::string size = ValueOf(header, "SIZE");
    if (std::sscanf(size.c_str(), "%lf %lf", &points, &resolution) < 2 || points <= 0 ||
        resolution <= 0) {
        points = height;
        resolution = 75;
    }
    return std::lround(advance * 72000.0 / (points * resolution));
}

// The glyph's dots within a box, in font coordinates, of the set's cell.
void AppendBitmap(std::string& out, const Pattern& pattern, const GlyphBox& box, int cellLeft,
                  int ascent, const std::string& end) {
    const CellSize size = pattern.Size();
    for (int i = 0; i < box.height; ++i) {
        const int row = ascent - 1 - (box.y + box.height - 1 - i);
        for (int left = 0; left < box.width; left += 8) {
            unsigned byte = 0;
            for (int j = left; j < std::min(left + 8, box.width); ++j) {
                const int column = box.x + j - cellLeft;
                if (row >= 0 && row < size.height && column >= 0 && column < size.width &&
                    pattern.Lit(row, column)) {
                    byte |= 0x80u >> (j - left);
                }
            }
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
        out += end;
    }
}

bool Holds(const GlyphBox& box, const Pattern& pattern, int cellLeft, int ascent) {
    const CellSize size = pattern.Size();
    for (int index = 0; index < size.Cells(); ++index) {
        if (!pattern[static_cast<std::size_t>(index)]) {
            continue;
        }
        const int x = size.ColumnOf(index) + cellLeft;
        const int y = ascent - 1 - size.RowOf(index);
        if (x < box.x || x >= box.x + box.width || y < box.y || y >= box.y + box.height) {
            return false;
        }
    }
    return true;
}

class KeepingWriter {
public:
    KeepingWriter(const CharacterSet& set, const FontSource& source)
        : set_(set),
          source_(source),
          changes_(ChangesOf(set, source)),
          header_(Header(set, source, changes_)),
          cellBox_{set.Cell().width, set.Cell().height, source.cellLeft, -set.Descent()} {
        for (const FontSource::Glyph& glyph : source.glyphs) {
            if (glyph.editable) {
                read_.push_back(glyph.code);
            }
        }
        std::sort(read_.begin(), read_.end());
    }

    std::string Write() {
        std::string out;
        out.reserve(header_.size() + source_.glyphs.size() * 160 + 64);
        out += header_;
        const int count = set_.Size() + static_cast<int>(source_.glyphs.size() - read_.size());
        const std::string chars = "CHARS " + std::to_string(count);
        out += ValueOf(source_.chars, "CHARS") == std::to_string(count) ? source_.chars
                                                                        : chars + source_.lineEnd;
        auto next = set_.Characters().begin();
        for (const FontSource::Glyph& glyph : source_.glyphs) {
            if (!glyph.editable) {
                out += glyph.text;
                continue;
            }
            next = AddNew(out, next, glyph.code);
            const SetCharacter* now = set_.Find(static_cast<int>(glyph.code));
            if (now == nullptr) {
                continue;  // deleted
            }
            if (*now == glyph.read && !changes_.cell) {
                out += glyph.text;
            } else {
                Rewrite(out, glyph, *now);
            }
        }
        AddNew(out, next, kLastUnicode + 1L);
        out += source_.trailer;
        return out;
    }

private:
    using Iterator = std::map<int, SetCharacter>::const_iterator;

    bool WasRead(int code) const {
        return std::binary_search(read_.begin(), read_.end(), long{code});
    }

    // The set's new characters with codes below `code`, where code order puts them.
    Iterator AddNew(std::string& out, Iterator next, long code) {
        const auto end = set_.Characters().end();
        for (; next != end && next->first < code; ++next) {
            if (!WasRead(next->first)) {
                AddGlyph(out, next->first, next->second);
            }
        }
        return next;
    }

    void AddGlyph(std::string& out, int code, const SetCharacter& character) {
        const std::string& end = source_.lineEnd;
        const std::string name = OneLine(character.name);
        const int advance = Advance(character);
        out += "STARTCHAR " + (name.empty() ? DefaultGlyphName(code) : name) + end;
        out += "ENCODING " + std::to_string(code) + end;
        out += "SWIDTH " + std::to_string(ScalableWidth(header_, advance, set_.Cell().height)) +
               " 0" + end;
        out += "DWIDTH " + std::to_string(advance) + " 0" + end;
        AddBox(out, cellBox_);
        out += "BITMAP" + end;
        AppendBitmap(out, character.pattern, cellBox_, source_.cellLeft, set_.Ascent(), end);
        out += "ENDCHAR" + end;
    }

    void AddBox(std::string& out, const GlyphBox& box) const {
        out += "BBX " + std::to_string(box.width) + " " + std::to_string(box.height) + " " +
               std::to_string(box.x) + " " + std::to_string(box.y) + source_.lineEnd;
    }

    // The glyph's own lines, but for its widths where they changed, its box where its dots
    // no longer fit it, and its bitmap.
    void Rewrite(std::string& out, const FontSource::Glyph& glyph, const SetCharacter& now) const {
        const std::string& end = source_.lineEnd;
        out += glyph.text.substr(0, glyph.startChar);
        const bool widthChanged = now.width != glyph.read.width;
        const int advance = Advance(now);
        GlyphBox box = glyph.box;
        if (changes_.cell || !Holds(box, now.pattern, source_.cellLeft, set_.Ascent())) {
            box = cellBox_;
        }
        for (std::string_view line : SplitLines(glyph.text.substr(glyph.startChar))) {
            const std::string_view keyword = Keyword(line);
            if (keyword == "SWIDTH" && widthChanged) {
                out += "SWIDTH " +
                       std::to_string(ScalableWidth(header_, advance, set_.Cell().height)) + " 0" +
                       end;
            } else if (keyword == "DWIDTH" && widthChanged) {
                out += "DWIDTH " + std::to_string(advance) + " 0" + end;
            } else if (keyword == "BBX") {
                AddBox(out, box);
            } else if (keyword == "BITMAP") {
                out += line;
                AppendBitmap(out, now.pattern, box, source_.cellLeft, set_.Ascent(), end);
                out += "ENDCHAR" + end;
                return;
            } else {
                out += line;
            }
        }
    }

    const CharacterSet& set_;
    const FontSource& source_;
    Changes changes_;
    std::string header_;
    GlyphBox cellBox_;
    std::vector<long> read_;  // sorted: the codes of the glyphs the set was read with
};

std::string PropertyValue(const BitmapFont& font, std::string_view name) {
    for (const FontProperty& property : font.properties) {
        if (property.name == name) {
            return property.value;
        }
    }
    return {};
}

}  // namespace

std::string WriteFontText(const BitmapFont& font) {
    const auto number = [&font](std::string_view name, long otherwise) {
        const std::string value = PropertyValue(font, name);
        char* end = nullptr;
        const long n = std::strtol(value.c_str(), &end, 10);
        return value.empty() || *end != '\0' ? otherwise : n;
    };
    const long points = std::max(1L, number("POINT_SIZE", font.box.height * 10L) / 10);
    const long resolution = std::max(1L, number("RESOLUTION_X", 75));
    const auto box = [](const GlyphBox& b) {
        return std::to_string(b.width) + " " + std::to_string(b.height) + " " +
               std::to_string(b.x) + " " + std::to_string(b.y);
    };
    std::size_t room = 4096;
    for (const BitmapGlyph& glyph : font.glyphs) {
        room +=
            96 + glyph.rows.size() * (static_cast<std::size_t>(glyph.box.width + 7) / 8 * 2 + 1);
    }
    std::string out;
    out.reserve(room);
    out += "STARTFONT 2.1\nFONT " + font.name + "\nSIZE " + std::to_string(points) + " " +
           std::to_string(resolution) + " " + std::to_string(number("RESOLUTION_Y", resolution)) +
           "\nFONTBOUNDINGBOX " + box(font.box) + "\n\n";
    // A blank line between the parts and after each glyph, as X's own converter has it.
    if (!font.properties.empty()) {
        out += "STARTPROPERTIES " + std::to_string(font.properties.size()) + "\n";
        for (const FontProperty& property : font.properties) {
            out += property.name + " " + property.value + "\n";
        }
        out += "ENDPROPERTIES\n\n";
    }
    out += "CHARS " + std::to_string(font.glyphs.size()) + "\n\n";
    for (const BitmapGlyph& glyph : font.glyphs) {
        const long scalable =
            glyph.scalableWidth >= 0
                ? glyph.scalableWidth
                : std::lround(glyph.advance * 72000.0 / static_cast<double>(points * resolution));
        out += "STARTCHAR " + glyph.name + "\nENCODING " + std::to_string(glyph.code) +
               "\nSWIDTH " + std::to_string(scalable) + " 0\nDWIDTH " +
               std::to_string(glyph.advance) + " 0\nBBX " + box(glyph.box) + "\nBITMAP\n";
        const int width = std::min(glyph.box.width, 64);
        for (const std::uint64_t row : glyph.rows) {
            for (int left = 0; left < std::max(glyph.box.width, 1); left += 8) {
                const unsigned byte =
                    left < width ? static_cast<unsigned>((row >> (56 - left)) & 0xFF) : 0;
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            }
            out += '\n';
        }
        out += "ENDCHAR\n\n";
    }
    out += "ENDFONT\n";
    return out;
}

std::string WriteBdf(const CharacterSet& set) {
    return set.Source() != nullptr ? KeepingWriter(set, *set.Source()).Write() : WriteNew(set);
}

}  // namespace zrl

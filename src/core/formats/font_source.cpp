#include "font_source.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "core/formats/bdf_font.h"

namespace zrl {

const FontSource* FontSourceOf(const CharacterSet& set) {
    return dynamic_cast<const FontSource*>(set.Source().get());
}

std::shared_ptr<const FontSource> ReadSource(const BitmapFont& font, std::string_view read,
                                             const CharacterSet& set,
                                             std::vector<std::optional<SetCharacter>> held) {
    auto source = std::make_shared<FontSource>();
    source->all = read;
    const std::string_view text = source->all;
    source->header = text.substr(0, font.charsStart);
    source->chars = text.substr(font.charsStart, font.charsEnd - font.charsStart);
    if (source->chars.ends_with("\r\n")) {
        source->lineEnd = "\r\n";
    }
    std::size_t previous = font.charsEnd;
    source->glyphs.reserve(font.glyphs.size());
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const BitmapGlyph& glyph = font.glyphs[i];
        FontSource::Glyph& kept = source->glyphs.emplace_back();
        kept.code = glyph.code;
        kept.text = text.substr(previous, glyph.end - previous);
        kept.startChar = glyph.startChar - previous;
        kept.box = glyph.box;
        kept.editable = held[i].has_value();
        if (kept.editable) {
            kept.read = std::move(*held[i]);
        } else if (glyph.code >= 0) {
            source->keptCodes.push_back(glyph.code);
        }
        previous = glyph.end;
    }
    std::sort(source->keptCodes.begin(), source->keptCodes.end());
    source->trailer = text.substr(previous);
    source->cell = set.Cell();
    source->descent = set.Descent();
    source->cellLeft = font.box.x;
    source->proportional = set.IsProportional();
    source->averageWidth = AverageWidth(set);
    return source;
}

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// The line's first word, as the reader takes it: blanks and CRs before it are none of it.
std::string_view Keyword(std::string_view line) {
    const std::size_t start = std::min(line.find_first_not_of(" \t\r"), line.size());
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

// The point size and resolution the font's SIZE line gives, or the cell's height at 75 dpi.
std::pair<double, double> PointsAndResolution(const std::string& header, int height) {
    double points = height;
    double resolution = 75;
    const std::string size = ValueOf(header, "SIZE");
    if (std::sscanf(size.c_str(), "%lf %lf", &points, &resolution) < 2 || points <= 0 ||
        resolution <= 0) {
        return {height, 75};
    }
    return {points, resolution};
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
          size_(PointsAndResolution(header_, set.Cell().height)),
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
        // The reader holds CHARS to the glyphs the font has.
        if (static_cast<std::size_t>(count) == source_.glyphs.size()) {
            out += source_.chars;
        } else {
            out += "CHARS " + std::to_string(count) + source_.lineEnd;
        }
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
        const int advance = character.width + 1;
        out += "STARTCHAR " + (name.empty() ? DefaultGlyphName(code) : name) + end;
        out += "ENCODING " + std::to_string(code) + end;
        out += "SWIDTH " + std::to_string(ScalableWidth(advance, size_.first, size_.second)) +
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
        const int advance = now.width + 1;
        GlyphBox box = glyph.box;
        if (changes_.cell || !Holds(box, now.pattern, source_.cellLeft, set_.Ascent())) {
            box = cellBox_;
        }
        for (std::string_view line : SplitLines(glyph.text.substr(glyph.startChar))) {
            const std::string_view keyword = Keyword(line);
            if (keyword == "SWIDTH" && widthChanged) {
                out += "SWIDTH " +
                       std::to_string(ScalableWidth(advance, size_.first, size_.second)) + " 0" +
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
    std::pair<double, double> size_;  // the point size and resolution SWIDTH is reckoned at
    GlyphBox cellBox_;
    std::vector<long> read_;  // sorted: the codes of the glyphs the set was read with
};

}  // namespace

std::string WriteKeeping(const CharacterSet& set, const FontSource& source) {
    return KeepingWriter(set, source).Write();
}

}  // namespace zrl

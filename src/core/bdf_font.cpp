#include "bdf_font.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace zrl {

namespace {

constexpr std::string_view kBlanks = " \t\r";

// Reads the text line by line, splitting each into its keyword and the rest.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}

    bool Next() {
        if (position_ >= text_.size()) {
            return false;
        }
        const std::size_t end = std::min(text_.find('\n', position_), text_.size());
        std::string_view line = text_.substr(position_, end - position_);
        position_ = end + 1;
        ++number_;
        // Trailing blanks and CRs are no part of a name or a value.
        line.remove_suffix(line.size() - std::min(line.find_last_not_of(" \t\r") + 1, line.size()));
        const std::size_t start = std::min(line.find_first_not_of(kBlanks), line.size());
        line.remove_prefix(start);
        const std::size_t split = std::min(line.find_first_of(kBlanks), line.size());
        keyword_ = line.substr(0, split);
        rest_ = line.substr(std::min(line.find_first_not_of(kBlanks, split), line.size()));
        return true;
    }
    // The next line that is not blank and no comment.
    bool NextContent() {
        while (Next()) {
            if (!keyword_.empty() && keyword_ != "COMMENT") {
                return true;
            }
        }
        return false;
    }

    std::string_view Keyword() const { return keyword_; }
    std::string_view Rest() const { return rest_; }
    int Number() const { return number_; }

private:
    std::string_view text_;
    std::size_t position_ = 0;
    int number_ = 0;
    std::string_view keyword_;
    std::string_view rest_;
};

struct BdfError {
    std::string message;
};

[[noreturn]] void Fail(const Lines& lines, const std::string& message) {
    throw BdfError{"line " + std::to_string(lines.Number()) + ": " + message};
}

std::vector<long> Numbers(const Lines& lines, std::size_t count) {
    std::vector<long> numbers;
    std::string_view rest = lines.Rest();
    while (!rest.empty() && numbers.size() < count) {
        long value = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc() ||
            (end != rest.data() + rest.size() && *end != ' ' && *end != '\t')) {
            break;
        }
        numbers.push_back(value);
        rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
        rest.remove_prefix(std::min(rest.find_first_not_of(kBlanks), rest.size()));
    }
    if (numbers.size() < count) {
        Fail(lines, std::string(lines.Keyword()) + " needs " + std::to_string(count) +
                        (count == 1 ? " number" : " numbers"));
    }
    return numbers;
}

GlyphBox ReadBox(const Lines& lines) {
    const std::vector<long> n = Numbers(lines, 4);
    constexpr long kLargest = 1024;
    if (n[0] < 0 || n[1] < 0 || n[0] > kLargest || n[1] > kLargest || n[2] < -kLargest ||
        n[2] > kLargest || n[3] < -kLargest || n[3] > kLargest) {
        Fail(lines, std::string(lines.Keyword()) + " is out of range");
    }
    return {static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2]),
            static_cast<int>(n[3])};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A row of the bitmap: at least enough hex digits for the box's width, left column first.
void ReadRow(const Lines& lines, BitmapGlyph& glyph) {
    const std::string_view digits = lines.Keyword();
    const std::size_t needed = (static_cast<std::size_t>(glyph.box.width) + 7) / 8 * 2;
    std::uint64_t row = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int value = HexDigit(digits[i]);
        if (value < 0 || !lines.Rest().empty()) {
            Fail(lines,
                 "a BITMAP row is hex digits, not \"" + std::string(digits.substr(0, 16)) + "\"");
        }
        const std::size_t shift = 4 * i;
        if (shift < 64) {
            row |= std::uint64_t(value) << (60 - shift);
        } else if (value != 0 && shift < 4 * needed) {
            glyph.inkBeyond = true;
        }
    }
    if (digits.size() < needed) {
        Fail(lines, "a BITMAP row of a glyph " + std::to_string(glyph.box.width) +
                        " pixels wide has " + std::to_string(needed) + " hex digits");
    }
    // Bits past the box's width are padding.
    if (glyph.box.width < 64) {
        row &= ~(~std::uint64_t{0} >> glyph.box.width);
    }
    glyph.rows.push_back(row);
}

BitmapGlyph ReadGlyph(Lines& lines) {
    BitmapGlyph glyph;
    glyph.name = std::string(lines.Rest());
    bool haveBox = false;
    while (lines.NextContent()) {
        const std::string_view keyword = lines.Keyword();
        if (keyword == "ENCODING") {
            glyph.code = Numbers(lines, 1)[0];
        } else if (keyword == "DWIDTH") {
            glyph.advance = static_cast<int>(std::clamp(Numbers(lines, 1)[0], -1L, 1024L));
        } else if (keyword == "BBX") {
            glyph.box = ReadBox(lines);
            haveBox = true;
        } else if (keyword == "BITMAP") {
            if (!haveBox) {
                Fail(lines, "BITMAP comes before the glyph's BBX");
            }
            const int bitmapLine = lines.Number();
            while (lines.NextContent() && lines.Keyword() != "ENDCHAR") {
                if (glyph.rows.size() == static_cast<std::size_t>(glyph.box.height)) {
                    Fail(lines, "BITMAP has more rows than the " +
                                    std::to_string(glyph.box.height) + " of its BBX");
                }
                ReadRow(lines, glyph);
            }
            if (lines.Keyword() != "ENDCHAR") {
                Fail(lines, "the file ends inside glyph \"" + glyph.name + "\"");
            }
            if (glyph.rows.size() != static_cast<std::size_t>(glyph.box.height)) {
                Fail(lines, "the BITMAP of line " + std::to_string(bitmapLine) + " has " +
                                std::to_string(glyph.rows.size()) + " rows; its BBX says " +
                                std::to_string(glyph.box.height));
            }
            return glyph;
        } else if (keyword == "ENDCHAR") {
            Fail(lines, "glyph \"" + glyph.name + "\" has no BITMAP");
        } else if (keyword == "STARTCHAR" || keyword == "ENDFONT") {
            Fail(lines, "glyph \"" + glyph.name + "\" has no ENDCHAR");
        }
    }
    Fail(lines, "the file ends inside glyph \"" + glyph.name + "\"");
}

void ReadHeader(Lines& lines, BitmapFont& font, long& declaredGlyphs) {
    bool haveBox = false;
    while (lines.NextContent()) {
        const std::string_view keyword = lines.Keyword();
        if (keyword == "FONT") {
            font.name = std::string(lines.Rest());
        } else if (keyword == "FONTBOUNDINGBOX") {
            font.box = ReadBox(lines);
            haveBox = true;
        } else if (keyword == "STARTPROPERTIES") {
            while (lines.NextContent() && lines.Keyword() != "ENDPROPERTIES") {
            }
        } else if (keyword == "CHARS") {
            if (!haveBox) {
                Fail(lines, "CHARS comes before the font's FONTBOUNDINGBOX");
            }
            declaredGlyphs = Numbers(lines, 1)[0];
            return;
        } else if (keyword == "STARTCHAR" || keyword == "ENDFONT") {
            Fail(lines, std::string(keyword) + " comes before CHARS");
        }
    }
    Fail(lines, "the file ends before CHARS");
}

BitmapFont ReadFontText(std::string_view text) {
    Lines lines(text);
    if (!lines.NextContent() || lines.Keyword() != "STARTFONT") {
        Fail(lines, "not a BDF font: it does not start with STARTFONT");
    }
    BitmapFont font;
    long declared = 0;
    ReadHeader(lines, font, declared);
    while (lines.NextContent()) {
        if (lines.Keyword() == "ENDFONT") {
            if (static_cast<long>(font.glyphs.size()) != declared) {
                Fail(lines, "CHARS says " + std::to_string(declared) + " glyphs; the font has " +
                                std::to_string(font.glyphs.size()));
            }
            return font;
        }
        if (lines.Keyword() != "STARTCHAR") {
            Fail(lines, "expected STARTCHAR or ENDFONT, found \"" +
                            std::string(lines.Keyword().substr(0, 16)) + "\"");
        }
        font.glyphs.push_back(ReadGlyph(lines));
    }
    Fail(lines, "the file ends before ENDFONT");
}

// ---- Writing ----

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
        "CHARSET_REGISTRY \"ISO8859\"",
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

}  // namespace

ReadFont ReadBdf(std::string_view text) {
    if (text.size() > kMaxFontFile) {
        return {std::nullopt, std::string(kTooLargeFont)};
    }
    try {
        return {ReadFontText(text), {}};
    } catch (const BdfError& error) {
        return {std::nullopt, error.message};
    }
}

std::string WriteBdf(const CharacterSet& set) {
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

}  // namespace zrl

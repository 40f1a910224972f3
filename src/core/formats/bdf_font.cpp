#include "bdf_font.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

#include "core/formats/format.h"

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
        start_ = position_;
        position_ = std::min(end + 1, text_.size());
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
    // Where the line starts in the text, and where the next one does.
    std::size_t Start() const { return start_; }
    std::size_t End() const { return position_; }
    // Whether the line is the text's last.
    bool AtEnd() const { return position_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t start_ = 0;
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
// Digits past the width are padding.
void ReadRow(const Lines& lines, BitmapGlyph& glyph) {
    const std::string_view digits = lines.Keyword();
    const std::size_t needed = (static_cast<std::size_t>(glyph.box.width) + 7) / 8 * 2;
    const std::size_t first = glyph.rows.size();
    glyph.rows.resize(first + static_cast<std::size_t>(glyph.RowWords()));
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int value = HexDigit(digits[i]);
        if (value < 0 || !lines.Rest().empty()) {
            Fail(lines,
                 "a BITMAP row is hex digits, not \"" + std::string(digits.substr(0, 16)) + "\"");
        }
        if (i < needed) {
            glyph.rows[first + i / 16] |= std::uint64_t(value) << (60 - 4 * (i % 16));
        }
    }
    if (digits.size() < needed) {
        Fail(lines, "a BITMAP row of a glyph " + std::to_string(glyph.box.width) +
                        " pixels wide has " + std::to_string(needed) + " hex digits");
    }
    if (const int used = glyph.box.width % 64; used != 0) {
        glyph.rows.back() &= ~(~std::uint64_t{0} >> used);
    }
}

BitmapGlyph ReadGlyph(Lines& lines) {
    BitmapGlyph glyph;
    glyph.name = std::string(lines.Rest());
    glyph.startChar = lines.Start();
    bool haveBox = false;
    while (lines.NextContent()) {
        const std::string_view keyword = lines.Keyword();
        if (keyword == "ENCODING") {
            glyph.code = Numbers(lines, 1)[0];
        } else if (keyword == "SWIDTH") {
            glyph.scalableWidth = static_cast<int>(std::clamp(Numbers(lines, 1)[0], -1L, 1L << 20));
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
                // A file cut short ends inside the glyph, whatever its last row holds.
                if (lines.AtEnd()) {
                    Fail(lines, "the file ends inside glyph \"" + glyph.name + "\"");
                }
                if (glyph.Rows() == glyph.box.height) {
                    Fail(lines, "BITMAP has more rows than the " +
                                    std::to_string(glyph.box.height) + " of its BBX");
                }
                ReadRow(lines, glyph);
            }
            if (lines.Keyword() != "ENDCHAR") {
                Fail(lines, "the file ends inside glyph \"" + glyph.name + "\"");
            }
            if (glyph.Rows() != glyph.box.height) {
                Fail(lines, "the BITMAP of line " + std::to_string(bitmapLine) + " has " +
                                std::to_string(glyph.Rows()) + " rows; its BBX says " +
                                std::to_string(glyph.box.height));
            }
            glyph.end = lines.End();
            return glyph;
        } else if (keyword == "ENDCHAR") {
            Fail(lines, "glyph \"" + glyph.name + "\" has no BITMAP");
        } else if (keyword == "STARTCHAR" || keyword == "ENDFONT") {
            Fail(lines, "glyph \"" + glyph.name + "\" has no ENDCHAR");
        }
    }
    Fail(lines, "the file ends inside glyph \"" + glyph.name + "\"");
}

// The properties, and the distance between lines of a font rasterised from outlines (one
// that names its RASTERIZER_NAME): its FONT_ASCENT and FONT_DESCENT, where both are numbers.
// Other fonts' lines are a cell apart.
void ReadLineHeight(Lines& lines, BitmapFont& font) {
    std::optional<long> ascent, descent;
    bool rasterised = false;
    while (lines.NextContent() && lines.Keyword() != "ENDPROPERTIES") {
        rasterised = rasterised || lines.Keyword() == "RASTERIZER_NAME";
        const std::string_view rest = lines.Rest();
        font.properties.push_back({std::string(lines.Keyword()), std::string(rest)});
        long value = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc() || end != rest.data() + rest.size()) {
            continue;
        }
        if (lines.Keyword() == "FONT_ASCENT") {
            ascent = value;
        } else if (lines.Keyword() == "FONT_DESCENT") {
            descent = value;
        }
    }
    if (rasterised && ascent && descent && *ascent + *descent > 0 && *ascent + *descent <= 1024) {
        font.lineHeight = static_cast<int>(*ascent + *descent);
    }
}

// Whether the header ends at the first glyph's STARTCHAR, with no CHARS line: u8g2's icon
// fonts have none. The glyphs then start where CHARS would.
bool ReadHeader(Lines& lines, BitmapFont& font, long& declaredGlyphs) {
    bool haveBox = false;
    while (lines.NextContent()) {
        const std::string_view keyword = lines.Keyword();
        if (keyword == "FONT") {
            font.name = std::string(lines.Rest());
        } else if (keyword == "FONTBOUNDINGBOX") {
            font.box = ReadBox(lines);
            haveBox = true;
        } else if (keyword == "STARTPROPERTIES") {
            ReadLineHeight(lines, font);
        } else if (keyword == "CHARS") {
            if (!haveBox) {
                Fail(lines, "CHARS comes before the font's FONTBOUNDINGBOX");
            }
            declaredGlyphs = Numbers(lines, 1)[0];
            font.charsStart = lines.Start();
            font.charsEnd = lines.End();
            return false;
        } else if (keyword == "STARTCHAR" && haveBox) {
            declaredGlyphs = -1;
            font.charsStart = font.charsEnd = lines.Start();
            return true;
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
    bool atGlyph = ReadHeader(lines, font, declared);
    // Room for the glyphs CHARS declares, as far as the text could hold them.
    font.glyphs.reserve(
        static_cast<std::size_t>(std::clamp(declared, 0L, static_cast<long>(text.size() / 64))));
    while (std::exchange(atGlyph, false) || lines.NextContent()) {
        if (lines.Keyword() == "ENDFONT") {
            // Fewer glyphs than CHARS says may be a font cut short; more are all there.
            if (static_cast<long>(font.glyphs.size()) < declared) {
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
    // A font that says no count of glyphs ends with its last one.
    if (declared < 0 && !font.glyphs.empty()) {
        return font;
    }
    Fail(lines, "the file ends before ENDFONT");
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

namespace {

Certainty Detect(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    return start != std::string_view::npos && text.substr(start).starts_with("STARTFONT")
               ? Certainty::Signed
               : Certainty::None;
}

std::string Write(const CharacterSet& set, const TableFormat&) {
    return WriteBdf(set);
}

}  // namespace

extern const Format kBdfFormat{
    .name = "bdf",
    .summary = "the set's own BDF font",
    .extensions = "bdf",
    .source = Source::Font,
    .output = Output::Bdf,
    .limits = {.widths = true},
    .detect = Detect,
    .readFont = ReadBdf,
    .write = Write,
};

}  // namespace zrl

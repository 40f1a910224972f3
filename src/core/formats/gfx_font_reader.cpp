// Adafruit GFX's fonts read back by their glyph tables (gfx_font.h).
#include <algorithm>
#include <array>
#include <variant>

#include "core/formats/gfx_font.h"
#include "core/formats/table_header.h"
#include "core/formats/table_text.h"
#include "core/text/value_scanner.h"

namespace zrl {

namespace {

struct Glyph {
    long long offset, width, height, advance, x, y;
    int line;
    bool filler;
};

// The cell, in cursor coordinates: its top row (y, negative above the baseline) and left
// column, and its size.
struct Cell {
    int top;
    int left;
    CellSize size;
};

// The leftmost column a glyph reaches, or the cursor's where none reaches left of it.
long long LeftOf(const std::vector<Glyph>& glyphs) {
    long long left = 0;
    for (const Glyph& glyph : glyphs) {
        if (glyph.width > 0 && glyph.height > 0) {
            left = std::min(left, glyph.x);
        }
    }
    return left;
}

// A table written here says its cell and baseline, and whether the cursor stands above the
// baseline (a set with a line height of its own) or below it. Its glyphs may reach left of
// the cursor, as far as the set's origin column.
std::optional<Cell> CellOf(const std::vector<Glyph>& glyphs, const TableHeader& header,
                           bool cursorAbove) {
    if (header.size && header.ascent) {
        const int left =
            header.origin ? -*header.origin : static_cast<int>(std::max(LeftOf(glyphs), -31LL));
        return Cell{-*header.ascent + (cursorAbove ? 1 : 0), left, *header.size};
    }
    long long top = 0, bottom = 0, left = LeftOf(glyphs), right = 1;
    bool any = false;
    for (const Glyph& glyph : glyphs) {
        if (glyph.width > 0 && glyph.height > 0) {
            top = any ? std::min(top, glyph.y) : glyph.y;
            bottom = any ? std::max(bottom, glyph.y + glyph.height) : glyph.y + glyph.height;
            right = std::max(right, glyph.x + glyph.width);
            any = true;
        }
    }
    if (!any) {
        top = -1;
    }
    if (!CellSize::IsValid(static_cast<int>(right - left), static_cast<int>(bottom - top))) {
        return std::nullopt;
    }
    return Cell{static_cast<int>(top),
                static_cast<int>(left),
                {static_cast<int>(right - left), static_cast<int>(bottom - top)}};
}

// The glyph table's entries, six values each.
std::variant<std::vector<Glyph>, std::string> GlyphsOf(const ValueScanner& scanner,
                                                       const ScannedArray& array) {
    if (array.values.size() % 6 != 0) {
        return "the glyph table's " + std::to_string(array.values.size()) +
               " values are not 6 to each glyph";
    }
    std::vector<Glyph> glyphs;
    for (std::size_t i = 0; i < array.values.size(); i += 6) {
        const auto value = [&](std::size_t k) { return array.values[i + k].number; };
        const int line = array.values[i].line;
        glyphs.push_back({value(0), value(1), value(2), value(3), value(4), value(5), line,
                          scanner.CommentOn(line).find(kNoCharacter) != std::string_view::npos});
        // As the library's GFXglyph holds them: a uint16_t, three uint8_t and two int8_t.
        const bool fits = value(0) >= 0 && value(0) <= 0xFFFF && value(1) >= 0 &&
                          value(1) <= 0xFF && value(2) >= 0 && value(2) <= 0xFF && value(3) >= 0 &&
                          value(3) <= 0xFF && value(4) >= -128 && value(4) <= 127 &&
                          value(5) >= -128 && value(5) <= 127;
        if (!fits) {
            return "line " + std::to_string(line) +
                   ": a glyph's values do not fit the GFXglyph's fields";
        }
    }
    return glyphs;
}

// first, last and yAdvance: the last three numbers between the font's braces.
std::optional<std::array<long long, 3>> FontOf(const ValueScanner& scanner, std::size_t from) {
    const auto& tokens = scanner.Tokens();
    std::vector<long long> numbers;
    std::size_t i = from;
    while (i < tokens.size() && tokens[i].text != "{") {
        ++i;
    }
    for (++i; i < tokens.size() && tokens[i].text != "}"; ++i) {
        if (tokens[i].kind == ValueScanner::Token::Number && tokens[i].valid) {
            numbers.push_back(tokens[i].number);
        }
    }
    if (numbers.size() < 3) {
        return std::nullopt;
    }
    return std::array{numbers[numbers.size() - 3], numbers[numbers.size() - 2], numbers.back()};
}

std::optional<std::string> Place(const Glyph& glyph, const std::vector<ScannedValue>& bitmap,
                                 const Cell& cell, Pattern& pattern, long long code) {
    const std::string where =
        "glyph " + std::to_string(code) + " (line " + std::to_string(glyph.line) + ")";
    const long long bits = glyph.width * glyph.height;
    if (glyph.offset + (bits + 7) / 8 > static_cast<long long>(bitmap.size())) {
        return where + ": its bitmap runs past the end of the bitmap table";
    }
    for (long long bit = 0; bit < bits; ++bit) {
        const auto byte = static_cast<std::size_t>(glyph.offset + bit / 8);
        if (((bitmap[byte].number << (bit % 8)) & 0x80) == 0) {
            continue;
        }
        const long long row = glyph.y + bit / glyph.width - cell.top;
        const long long column = glyph.x + bit % glyph.width - cell.left;
        if (row < 0 || row >= cell.size.height || column < 0 || column >= cell.size.width) {
            return where + ": a dot lies outside the " + ToString(cell.size) + " cell";
        }
        pattern.set(static_cast<std::size_t>(
            cell.size.Index(static_cast<int>(row), static_cast<int>(column))));
    }
    return std::nullopt;
}

}  // namespace

namespace {

ParsedSet ReadGlyphTable(std::string_view text) {
    const ValueScanner scanner(text);
    const ScannedArray bitmap = scanner.ArrayFrom();
    const std::optional<std::size_t> glyphWord = scanner.Find("GFXglyph");
    if (!bitmap.error.empty() || !glyphWord || *glyphWord < bitmap.end) {
        return Fail(bitmap.error.empty() ? "the bitmap table does not come before the glyphs"
                                         : bitmap.error);
    }
    const ScannedArray table = scanner.ArrayFrom(*glyphWord);
    const std::optional<std::size_t> fontWord = scanner.Find("GFXfont", table.end);
    const auto font = fontWord ? FontOf(scanner, *fontWord) : std::nullopt;
    if (!table.error.empty() || !font) {
        return Fail(table.error.empty() ? "no GFXfont follows the glyph table" : table.error);
    }
    const auto glyphs = GlyphsOf(scanner, table);
    if (const auto* error = std::get_if<std::string>(&glyphs)) {
        return Fail(*error);
    }
    const auto& list = std::get<std::vector<Glyph>>(glyphs);
    for (const ScannedValue& value : bitmap.values) {
        if (value.number < 0 || value.number > 255) {
            return Fail("line " + std::to_string(value.line) + ": " + std::to_string(value.number) +
                        " does not fit a byte");
        }
    }
    const long long first = (*font)[0];
    const long long last = (*font)[1];
    // A GFXfont's first and last codes are 16 bits.
    if (first < kFirstCode || last > 0xFFFF ||
        last - first + 1 != static_cast<long long>(list.size())) {
        return Fail("the font's codes " + std::to_string(first) + " to " + std::to_string(last) +
                    " are not its " + std::to_string(list.size()) + " glyphs within 0 to 65535");
    }
    const bool cursorAbove =
        text.substr(0, text.find('\n')).find(kCursorAbove) != std::string_view::npos;
    const std::optional<Cell> cell = CellOf(list, ReadTableHeader(text), cursorAbove);
    if (!cell) {
        return Fail("the glyphs do not fit a cell of at most 255x255");
    }
    CharacterSet set(cell->size,
                     std::max(0, cell->size.height + cell->top - (cursorAbove ? 1 : 0)));
    set.SetOriginColumn(-cell->left);
    if (cursorAbove) {
        set.SetLineHeight(static_cast<int>(std::clamp((*font)[2], 0LL, 1024LL)));
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Glyph& glyph = list[i];
        if (glyph.filler) {
            continue;
        }
        Pattern pattern(cell->size);
        if (auto error =
                Place(glyph, bitmap.values, *cell, pattern, first + static_cast<long long>(i))) {
            return Fail(*error);
        }
        set.Put(static_cast<int>(first + static_cast<long long>(i)),
                {pattern,
                 {},
                 static_cast<int>(std::clamp(glyph.advance - 1, 0LL,
                                             static_cast<long long>(CellSize::kLargest)))});
    }
    if (set.IsEmpty()) {
        return Fail("the font holds no character");
    }
    return {std::move(set), {}};
}

}  // namespace

ParsedSet ReadGfxFont(std::string_view text) {
    if (text.size() > kMaxSetText) {
        return Fail("the text is over 16 MB; a font of 256 characters of 255x255 is shorter");
    }
    return ReadFollowing(text, ReadGlyphTable);
}

}  // namespace zrl

#include "pattern_parser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <variant>
#include <vector>

#include "core/text/c_initializer.h"

namespace zrl {

namespace {

constexpr std::string_view kBlanks = " \t";

ParsedPattern Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return (a | 0x20) == (b | 0x20); });
}

// What the user wrote, short enough for a one-line message.
std::string Quote(std::string_view text) {
    constexpr std::size_t kLongest = 16;
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) about "\"" + string.
    std::string quoted(1, '"');
    quoted.append(text.substr(0, kLongest));
    quoted.append(text.size() > kLongest ? "...\"" : "\"");
    return quoted;
}

// ---- Listings ----

struct ListingLine {
    int number;  // counted from 1 in the text as written, blank lines included
    std::string_view digits;
};

std::vector<ListingLine> NonBlankLines(std::string_view text) {
    std::vector<ListingLine> lines;
    int number = 1;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        auto end = text.find_first_of("\r\n", start);
        end = end == std::string_view::npos ? text.size() : end;
        if (const auto line = Trim(text.substr(start, end - start)); !line.empty()) {
            lines.push_back({number, line});
        }
        // CR LF is one break; a lone CR or LF is one too.
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

// Takes off "Data &B" in any case and spacing, and checks that 0s and 1s are left.
std::optional<std::string> ReadDigits(ListingLine& line) {
    const auto where = [&line] { return "line " + std::to_string(line.number); };
    std::string_view rest = line.digits;
    if (StartsWithNoCase(rest, "data")) {
        rest = Trim(rest.substr(4));
        if (!StartsWithNoCase(rest, "&b")) {
            return where() + " has no \"&B\" after \"Data\"; a listing line reads \"Data &B10001\"";
        }
        rest = Trim(rest.substr(2));
    }
    const auto bad = rest.find_first_not_of("01");
    if (bad != std::string_view::npos) {
        if (rest[bad] >= '2' && rest[bad] <= '9') {
            return where() + " has the digit " + rest[bad] + "; a listing has only 0s and 1s";
        }
        return where() + " reads " + Quote(line.digits) +
               "; a listing line is \"Data &B\" and 0s and 1s, or a C initializer is { ... }";
    }
    line.digits = rest;
    return std::nullopt;
}

std::string Digits(int count) {
    return std::to_string(count) + (count == 1 ? " digit" : " digits");
}

// What a listing of the cell has, by row and by column.
std::string ListingOf(CellSize size) {
    const std::string w = std::to_string(size.width);
    const std::string h = std::to_string(size.height);
    if (size.IsSquare()) {
        return "a listing has " + h + " lines of " + Digits(size.width);
    }
    return "a listing by row has " + h + " lines of " + Digits(size.width) + ", by column " + w +
           " lines of " + h;
}

// Where every line has as many digits, the text is a character of another size, and the
// reason says both.
std::string OtherSize(const std::vector<ListingLine>& lines, CellSize size) {
    const std::size_t digits = lines.front().digits.size();
    for (const ListingLine& line : lines) {
        if (line.digits.size() != digits || digits == 0) {
            return {};
        }
    }
    const CellSize text{static_cast<int>(digits), static_cast<int>(lines.size())};
    return "; the text is " + WithArticle(text) + " character and the field is " + ToString(size);
}

ParsedPattern ParseListing(std::string_view text, CellSize size, ListingOrder order) {
    std::vector<ListingLine> lines = NonBlankLines(text);
    for (ListingLine& line : lines) {
        if (auto error = ReadDigits(line)) {
            return Fail(*error);
        }
    }
    const auto count = static_cast<int>(lines.size());
    if (count != size.height && count != size.width) {
        return Fail(std::to_string(count) + " lines; " + ListingOf(size) +
                    (lines.empty() ? "" : OtherSize(lines, size)));
    }
    const bool byRow = size.IsSquare() ? order == ListingOrder::ByRow : count == size.height;
    const auto digits = static_cast<std::size_t>(byRow ? size.width : size.height);
    CharacterGrid grid(size);
    grid.ClearAll();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ListingLine& line = lines[i];
        if (line.digits.size() != digits) {
            return Fail("line " + std::to_string(line.number) + " has " +
                        std::to_string(line.digits.size()) + " digits; a listing by " +
                        (byRow ? "row" : "column") + " has " + std::to_string(digits) +
                        " on each of " + std::to_string(lines.size()) + " lines" +
                        OtherSize(lines, size));
        }
        for (std::size_t d = 0; d < digits; ++d) {
            const int row = static_cast<int>(byRow ? i : d);
            const int column = static_cast<int>(byRow ? d : i);
            grid.SetColour(size.Index(row, column),
                           line.digits[d] == '1' ? LitColour : UnlitColour);
        }
    }
    return {grid, {}};
}

// ---- C initializers ----

// A value as C writes it: 0x7E, 0b01110 or 126. A leading zero would make C read octal.
std::optional<unsigned> ReadValue(std::string_view token) {
    int base = 10;
    if (StartsWithNoCase(token, "0x")) {
        base = 16;
        token.remove_prefix(2);
    } else if (StartsWithNoCase(token, "0b")) {
        base = 2;
        token.remove_prefix(2);
    } else if (token.size() > 1 && token.front() == 'B' &&
               token.find_first_not_of("01", 1) == std::string_view::npos) {
        base = 2;  // Arduino's binary constants, B00000 to B11111111
        token.remove_prefix(1);
    } else if (token.size() > 1 && token.front() == '0') {
        return std::nullopt;
    }
    unsigned value = 0;
    const auto [end, status] =
        std::from_chars(token.data(), token.data() + token.size(), value, base);
    if (token.empty() || status != std::errc() || end != token.data() + token.size()) {
        return std::nullopt;
    }
    return value;
}

std::string Ordinal(std::size_t number) {
    const char* suffix = number % 100 / 10 == 1 ? "th"
                         : number % 10 == 1     ? "st"
                         : number % 10 == 2     ? "nd"
                         : number % 10 == 3     ? "rd"
                                                : "th";
    return std::to_string(number) + suffix;
}

int BandsOf(CellSize size) {
    return (size.height + 7) / 8;
}

// A column byte holds eight rows of its column, the last one only the rows left.
std::optional<std::string> CheckColumnByte(CellSize size, std::size_t index, unsigned value,
                                           const std::string& which) {
    const auto band = static_cast<int>(index % static_cast<std::size_t>(BandsOf(size)));
    const int rows = std::min(8, size.height - band * 8);
    if (value < 1u << rows) {
        return std::nullopt;
    }
    if (rows == 8) {
        return which + " is over 255; a column byte holds eight rows";
    }
    return which + " has a dot below the " + std::to_string(size.height) +
           " rows; a column byte uses bits 0 (top) to " + std::to_string(rows - 1);
}

std::optional<std::string> CheckValue(CellSize size, bool byColumn, std::size_t index,
                                      unsigned value, std::string_view token) {
    const std::string which =
        "value " + std::to_string(index + 1) + " (" + std::string(token) + ")";
    if (byColumn) {
        return CheckColumnByte(size, index, value, which);
    }
    if (value >= 1u << size.width) {
        return which + " has a dot beyond the " + std::to_string(size.width) +
               " columns; a row byte uses bits " + std::to_string(size.width - 1) + " (left) to 0";
    }
    if (index >= static_cast<std::size_t>(size.height) && value != 0) {
        return which + " is the " + Ordinal(index + 1) + " row, which must be 0; the field has " +
               std::to_string(size.height) + " rows";
    }
    return std::nullopt;
}

CharacterGrid GridOfBytes(const std::vector<unsigned>& values, CellSize size, bool byColumn) {
    CharacterGrid grid(size);
    grid.ClearAll();
    const auto bands = static_cast<std::size_t>(BandsOf(size));
    for (int i = 0; i < size.Cells(); ++i) {
        const auto row = static_cast<std::size_t>(size.RowOf(i));
        const auto column = static_cast<std::size_t>(size.ColumnOf(i));
        const unsigned bit =
            byColumn ? values[column * bands + row / 8] >> (row % 8)
                     : values[row] >> (static_cast<std::size_t>(size.width) - 1 - column);
        grid.SetColour(i, bit & 1u ? LitColour : UnlitColour);
    }
    return grid;
}

// How many values a C initializer of the cell has: its column bytes, and its LCD rows, of
// the cell's height or all eight.
std::string ValuesOf(CellSize size) {
    std::string text = "a C initializer has " + std::to_string(ColumnBytes(size)) + " column bytes";
    if (FitsLcd(size)) {
        text += size.height < kLcdRows ? ", or " + std::to_string(size.height) + " or 8 row bytes"
                                       : ", or 8 row bytes";
    }
    return size == kDefaultSize ? text : text + " for the field's " + ToString(size);
}

// The text between the braces, or what is wrong with the braces.
std::variant<std::string_view, std::string> Braced(std::string_view text) {
    const auto open = text.find('{');
    const auto close = text.find('}', open);
    if (close == std::string_view::npos) {
        return std::string("the { has no closing }; a C initializer reads {0x7E, 0x09, ...}");
    }
    const std::string_view inside = text.substr(open + 1, close - open - 1);
    if (inside.find('{') != std::string_view::npos) {
        return std::string("braces inside braces; a character is one { ... } of bytes");
    }
    std::string_view after = Trim(text.substr(close + 1), " \t\r\n");
    if (!after.empty() && after.front() == ';') {
        after = Trim(after.substr(1), " \t\r\n");
    }
    if (!after.empty()) {
        return "the } is followed by " + Quote(after) + "; only a ; may follow it";
    }
    return inside;
}

ParsedPattern ParseInitializer(std::string_view text, CellSize size, ListingOrder order) {
    const auto braced = Braced(text);
    if (const auto* error = std::get_if<std::string>(&braced)) {
        return Fail(*error);
    }
    std::vector<std::string_view> tokens;
    std::string_view inside = std::get<std::string_view>(braced);
    for (std::size_t start = 0; start <= inside.size();) {
        const auto comma = std::min(inside.find(',', start), inside.size());
        tokens.push_back(Trim(inside.substr(start, comma - start), " \t\r\n"));
        start = comma + 1;
    }
    if (tokens.size() > 1 && tokens.back().empty()) {
        tokens.pop_back();  // C allows a comma after the last value
    }
    const std::size_t count = tokens.size();
    const bool columns = count == static_cast<std::size_t>(ColumnBytes(size));
    const bool rows = FitsLcd(size) && (count == static_cast<std::size_t>(size.height) ||
                                        count == static_cast<std::size_t>(kLcdRows));
    if (!columns && !rows) {
        return Fail("the braces hold " +
                    std::to_string(count == 1 && tokens[0].empty() ? 0 : count) + " values; " +
                    ValuesOf(size));
    }
    // Where the text reads both ways (8 values for an 8x8 cell), the listing order decides.
    const bool byColumn = columns && (!rows || order == ListingOrder::ByColumn);
    std::vector<unsigned> values;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = ReadValue(tokens[i]);
        if (!value) {
            const bool octal = tokens[i].size() > 1 && tokens[i][0] == '0' &&
                               std::isdigit(static_cast<unsigned char>(tokens[i][1]));
            return Fail("value " + std::to_string(i + 1) + " reads " + Quote(tokens[i]) +
                        (octal ? "; C would read that as octal: write it in hex, binary or "
                                 "decimal without the leading 0"
                               : "; values are hex (0x7E), binary (0b01110) or decimal (126)"));
        }
        if (auto error = CheckValue(size, byColumn, i, *value, tokens[i])) {
            return Fail(*error);
        }
        values.push_back(*value);
    }
    return {GridOfBytes(values, size, byColumn), {}};
}

// The forms of a character's bytes that makers copy from real sources: a C initializer
// after its declaration, a Python list [ ... ], or one line of a font table with no braces.
ParsedPattern ParseBytes(std::string text, CellSize size, ListingOrder order) {
    if (text.find('{') == std::string::npos) {
        const auto open = text.find('[');
        const auto close = text.rfind(']');
        if (open != std::string::npos && close != std::string::npos && open < close) {
            text[open] = '{';
            text[close] = '}';
        } else {
            text = "{" + text + "}";
        }
    }
    return ParseInitializer(text, size, order);
}

}  // namespace

ParsedPattern ParsePattern(std::string_view text, CellSize size, ListingOrder order) {
    if (const std::size_t most = MaxPatternText(size); text.size() > most) {
        return Fail("the text is over " + std::to_string(most / 1024) +
                    " KB; a listing or a C initializer is far shorter");
    }
    std::string clean = Blanked(text, Blanking::AllComments);
    if (Trim(clean, " \t\r\n").empty()) {
        return Fail("no text; expected a listing (Data &B lines) or a C initializer { ... }");
    }
    const bool bytes = clean.find_first_of("{[,") != std::string::npos;
    return bytes ? ParseBytes(std::move(clean), size, order) : ParseListing(clean, size, order);
}

std::string Blanked(std::string_view text, Blanking blanking) {
    const bool lineComments = blanking == Blanking::AllComments;
    std::string out(text);
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        std::size_t end = 0;
        if (out.compare(i, 2, "/*") == 0) {
            const std::size_t close = out.find("*/", i + 2);
            end = close == std::string::npos ? out.size() : close + 2;
        } else if (out.compare(i, 2, "//") == 0) {
            end = std::min(out.find('\n', i), out.size());
            if (!lineComments) {
                i = end;
                continue;
            }
        } else if (!lineComments && (out[i] == '"' || out[i] == '\'')) {
            const std::size_t close = out.find_first_of(std::string{out[i], '\n'}, i + 1);
            end = close == std::string::npos ? out.size() : close + (out[close] != '\n');
        } else {
            continue;
        }
        for (std::size_t j = i; j < end; ++j) {
            out[j] = out[j] == '\n' ? '\n' : ' ';
        }
        i = end == 0 ? 0 : end - 1;
    }
    return out;
}

}  // namespace zrl

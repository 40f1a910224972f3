#include "pattern_parser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <variant>
#include <vector>

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

ParsedPattern ParseListing(std::string_view text) {
    std::vector<ListingLine> lines = NonBlankLines(text);
    for (ListingLine& line : lines) {
        if (auto error = ReadDigits(line)) {
            return Fail(*error);
        }
    }
    if (lines.size() != kRows && lines.size() != kColumns) {
        return Fail(std::to_string(lines.size()) +
                    " lines; a listing by row has 7 lines of 5 digits, by column 5 lines of 7");
    }
    const bool byRow = lines.size() == kRows;
    const std::size_t digits = byRow ? kColumns : kRows;
    CharacterGrid grid;
    grid.ClearAll();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ListingLine& line = lines[i];
        if (line.digits.size() != digits) {
            return Fail(
                "line " + std::to_string(line.number) + " has " +
                std::to_string(line.digits.size()) + " digits; a listing by " +
                (byRow ? "row has 5 on each of 7 lines" : "column has 7 on each of 5 lines"));
        }
        for (std::size_t d = 0; d < digits; ++d) {
            const int row = static_cast<int>(byRow ? i : d);
            const int column = static_cast<int>(byRow ? d : i);
            grid.SetColour(CellIndex(row, column), line.digits[d] == '1' ? LitColour : UnlitColour);
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

std::optional<std::string> CheckValue(std::size_t count, std::size_t index, unsigned value,
                                      std::string_view token) {
    const auto which = [&] {
        return "value " + std::to_string(index + 1) + " (" + std::string(token) + ")";
    };
    if (count == kColumns && value >= 1u << kRows) {
        return which() + " has a dot below the 7 rows; a column byte uses bits 0 (top) to 6";
    }
    if (count != kColumns && value >= 1u << kColumns) {
        return which() + " has a dot beyond the 5 columns; a row byte uses bits 4 (left) to 0";
    }
    if (count == kRows + 1 && index == kRows && value != 0) {
        return which() + " is the 8th row, which must be 0; the field has 7 rows";
    }
    return std::nullopt;
}

CharacterGrid GridOfBytes(const std::vector<unsigned>& values) {
    CharacterGrid grid;
    grid.ClearAll();
    const bool byColumn = values.size() == kColumns;
    for (int i = 0; i < kCellCount; ++i) {
        const int row = RowOf(i);
        const int column = ColumnOf(i);
        const unsigned bit = byColumn
                                 ? values[static_cast<std::size_t>(column)] >> row
                                 : values[static_cast<std::size_t>(row)] >> (kColumns - 1 - column);
        grid.SetColour(i, bit & 1u ? LitColour : UnlitColour);
    }
    return grid;
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

ParsedPattern ParseInitializer(std::string_view text) {
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
    if (count != kColumns && count != kRows && count != kRows + 1) {
        return Fail("the braces hold " +
                    std::to_string(count == 1 && tokens[0].empty() ? 0 : count) +
                    " values; a C initializer has 5 column bytes, or 7 or 8 row bytes");
    }
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
        if (auto error = CheckValue(count, i, *value, tokens[i])) {
            return Fail(*error);
        }
        values.push_back(*value);
    }
    return {GridOfBytes(values), {}};
}

// C's comments become blanks; line breaks stay, so line numbers keep counting the text as
// written.
std::string WithoutComments(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] != '/' || (out[i + 1] != '/' && out[i + 1] != '*')) {
            continue;
        }
        const bool block = out[i + 1] == '*';
        const std::size_t end = block ? out.find("*/", i + 2) : out.find('\n', i);
        const std::size_t stop = end == std::string::npos ? out.size() : end + (block ? 2 : 0);
        for (std::size_t j = i; j < stop; ++j) {
            out[j] = out[j] == '\n' ? '\n' : ' ';
        }
        i = stop == 0 ? 0 : stop - 1;
    }
    return out;
}

// The forms of a character's bytes that makers copy from real sources: a C initializer
// after its declaration, a Python list [ ... ], or one line of a font table with no braces.
ParsedPattern ParseBytes(std::string text) {
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
    return ParseInitializer(text);
}

}  // namespace

ParsedPattern ParsePattern(std::string_view text) {
    if (text.size() > kMaxPatternText) {
        return Fail("the text is over 64 KB; a listing or a C initializer is far shorter");
    }
    std::string clean = WithoutComments(text);
    if (Trim(clean, " \t\r\n").empty()) {
        return Fail("no text; expected a listing (Data &B lines) or a C initializer { ... }");
    }
    const bool bytes = clean.find_first_of("{[,") != std::string::npos;
    return bytes ? ParseBytes(std::move(clean)) : ParseListing(clean);
}

}  // namespace zrl

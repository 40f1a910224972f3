#include "set_import.h"

#include <charconv>
#include <variant>
#include <vector>

#include "core/formats/gfx_font.h"
#include "core/formats/set_export.h"
#include "core/text/c_initializer.h"
#include "core/text/pattern_parser.h"

namespace zrl {

namespace {

struct Line {
    int number;
    std::string_view text;
};

std::vector<Line> Lines(std::string_view text) {
    std::vector<Line> lines;
    int number = 1;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back({number, line});
        start = end + 1;
    }
    return lines;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "' 8x8 characters, listed by column": the size and order of a block's characters.
std::optional<std::pair<CellSize, ListingOrder>> BasicHeader(std::string_view content) {
    if (content.empty() || content.front() != '\'') {
        return std::nullopt;
    }
    const std::string_view rest = Trim(content.substr(1));
    const std::size_t space = rest.find(' ');
    const std::optional<CellSize> size = ParseCellSize(rest.substr(0, space));
    if (!size || space == std::string_view::npos ||
        rest.substr(space + 1).rfind("characters", 0) != 0) {
        return std::nullopt;
    }
    const bool byColumn = rest.find("by column") != std::string_view::npos;
    return std::pair(*size, byColumn ? ListingOrder::ByColumn : ListingOrder::ByRow);
}

// Reads one character's text and puts it at its code, or says which character is wrong.
std::optional<std::string> Put(CharacterSet& set, int code, int line, const std::string& text,
                               ListingOrder order) {
    const std::string where =
        "character " + std::to_string(code) + " (line " + std::to_string(line) + ")";
    if (code < kFirstCode || code > kLastUnicode) {
        return where + ": codes run from 0 to U+10FFFF";
    }
    if (set.Find(code) != nullptr) {
        return where + ": code " + std::to_string(code) + " comes twice";
    }
    const ParsedPattern parsed = ParsePattern(text, set.Cell(), order);
    if (!parsed.grid) {
        return where + ": " + parsed.error;
    }
    set.Put(code, {PatternOf(*parsed.grid), {}});
    return std::nullopt;
}

struct Group {
    int line;
    std::string text;
    bool filler;
};

// The values of a table between its outer braces, `perCharacter` a character, or each inner
// { ... } one character; a group whose line comment says "(no character)" is a filler.
std::variant<std::vector<Group>, std::string> Groups(std::string_view source, bool braced,
                                                     int perCharacter) {
    const std::string blanked = Blanked(source, Blanking::BlockCommentsAndQuotes);
    const std::string_view text = blanked;
    std::vector<Group> groups;
    Group current{0, {}, false};
    int values = 0;
    bool inside = false;
    int depth = 0;
    bool done = false;
    for (const Line& line : Lines(text)) {
        if (done) {
            break;
        }
        const std::size_t before = groups.size();
        const std::size_t slash = line.text.find("//");
        const std::string_view code = line.text.substr(0, slash);
        const std::string_view comment =
            slash == std::string_view::npos ? std::string_view() : line.text.substr(slash);
        for (char c : code) {
            if (c == '{') {
                ++depth;
                inside = true;
                if (braced && depth == 2) {
                    current = {line.number, "{", false};
                }
                continue;
            }
            if (!inside) {
                continue;
            }
            if (c == '}') {
                if (braced && depth == 2) {
                    current.text += '}';
                    groups.push_back(current);
                    current.text.clear();
                }
                if (!braced && depth == 1 && !Trim(current.text).empty() &&
                    ++values == perCharacter) {
                    groups.push_back({current.line, "{" + current.text + "}", false});
                    current = {0, {}, false};
                    values = 0;
                }
                if (--depth == 0) {
                    // The table ends here; code after it (a function, a struct) is no part.
                    done = true;
                    break;
                }
                continue;
            }
            if (braced) {
                if (depth == 2) {
                    current.text += c;
                }
                continue;
            }
            if (c == ',') {
                if (!Trim(current.text).empty()) {
                    current.text += ',';
                    if (++values == perCharacter) {
                        current.text = "{" + current.text + "}";
                        groups.push_back(current);
                        current = {0, {}, false};
                        values = 0;
                    }
                }
                continue;
            }
            if (Trim(current.text).empty() && c != ' ' && c != '\t') {
                current.line = line.number;
            }
            current.text += c;
        }
        if (groups.size() > before && comment.find(kNoCharacter) != std::string_view::npos) {
            groups.back().filler = true;
        }
    }
    if (!braced && (values != 0 || !Trim(current.text).empty())) {
        return perCharacter == kColumns
                   ? std::string("the table's bytes are not five to each character")
                   : "the table's bytes are not " + std::to_string(perCharacter) +
                         " to each character";
    }
    return groups;
}

}  // namespace

ParsedSet ReadBasicBlock(std::string_view text, CellSize size) {
    CharacterSet set(size);
    ListingOrder order = ListingOrder::ByRow;
    int code = -1;
    int start = 0;
    std::string body;
    const auto finish = [&]() -> std::optional<std::string> {
        return code < 0 ? std::nullopt : Put(set, code, start, body, order);
    };
    for (const Line& line : Lines(text)) {
        const std::string_view content = Trim(line.text);
        if (const auto header = BasicHeader(content); header && code < 0 && set.IsEmpty()) {
            set = CharacterSet(header->first);
            order = header->second;
        } else if (!content.empty() && content.front() == '\'') {
            if (auto error = finish()) {
                return Fail(*error);
            }
            const std::optional<int> named = NumberAt(Trim(content.substr(1)));
            if (!named) {
                return Fail("line " + std::to_string(line.number) +
                            ": a comment names its character's code, as ' 65 A does");
            }
            code = *named;
            start = line.number;
            body.clear();
        } else if (!content.empty()) {
            if (code < 0) {
                return Fail("line " + std::to_string(line.number) +
                            ": each character starts with a comment naming its code, as ' 65 A "
                            "does");
            }
            body += std::string(content) + "\n";
        }
    }
    if (auto error = finish()) {
        return Fail(*error);
    }
    if (set.IsEmpty()) {
        return Fail("no character; a BASIC block is ' 65 A lines, each with its Data &B lines");
    }
    return {std::move(set), {}};
}

namespace {

ParsedSet ReadBraced(std::string_view text, int first, bool braced, CellSize size) {
    if (first < kFirstCode || first > kLastUnicode) {
        return Fail("the first code, " + std::to_string(first) + ", is not one of 0 to U+10FFFF");
    }
    if (text.find('{') == std::string_view::npos) {
        return Fail("no { ... }; a table reads static const unsigned char font[] = { ... };");
    }
    const auto groups = Groups(text, braced, ColumnBytes(size));
    if (const auto* error = std::get_if<std::string>(&groups)) {
        return Fail(*error);
    }
    CharacterSet set(size);
    int code = first;
    const ListingOrder order = braced ? ListingOrder::ByRow : ListingOrder::ByColumn;
    for (const Group& group : std::get<std::vector<Group>>(groups)) {
        if (!group.filler) {
            if (auto error = Put(set, code, group.line, group.text, order)) {
                return Fail(*error);
            }
        }
        ++code;
    }
    if (braced && code > 8) {
        return Fail("an LCD has 8 custom characters; the table has " + std::to_string(code));
    }
    if (set.IsEmpty()) {
        return Fail("the table holds no character");
    }
    return {std::move(set), {}};
}

// Braces inside braces, outside comments: a table of LCD rows.
bool Nested(std::string_view source) {
    const std::string blanked = Blanked(source, Blanking::BlockCommentsAndQuotes);
    int depth = 0;
    for (const Line& line : Lines(blanked)) {
        for (char c : line.text.substr(0, line.text.find("//"))) {
            depth += c == '{' ? 1 : c == '}' ? -1 : 0;
            if (depth >= 2) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

ParsedSet ReadCFontTable(std::string_view text, std::optional<int> firstCode, CellSize size) {
    std::optional<int> first = FirstCodeOf(text);
    first = first ? first : firstCode;
    if (!first) {
        return Fail("the table does not say its first code");
    }
    return ReadBraced(text, *first, false, SizeNamedBefore(text, " font:").value_or(size));
}

ParsedSet ReadLcdTable(std::string_view text, CellSize size) {
    size = SizeNamedBefore(text, " LCD custom characters").value_or(size);
    if (!FitsLcd(size)) {
        return Fail("an LCD's custom characters are at most 8x8, not " + ToString(size));
    }
    return ReadBraced(text, 0, true, size);
}

namespace {

enum class Form { Basic, CTable, Lcd, Gfx, Laid, List, Sketch, MdMax72xx, Ssd1306Ascii, DcFont };

Form FormOf(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && text[first] == '\'') {
        return Form::Basic;
    }
    if (IsGfxFont(text)) {
        return Form::Gfx;
    }
    if (ReadTableHeader(text).layout) {
        return Form::Laid;
    }
    const std::size_t brace = text.find('{');
    const std::size_t bracket = text.find_first_of("=[");
    if (brace == std::string_view::npos) {
        return bracket == std::string_view::npos ? Form::Basic : Form::List;
    }
    if (text.find("createChar") != std::string_view::npos) {
        return Form::Sketch;
    }
    if (text.find("MD_MAX72XX::fontType_t") != std::string_view::npos) {
        return Form::MdMax72xx;
    }
    // SSD1306Ascii's fonts are declared through the GLCD libraries' macro.
    if (text.find("GLCDFONTDECL") != std::string_view::npos) {
        return Form::Ssd1306Ascii;
    }
    // Tiny4kOLED's fonts are pages, described by a DCfont after them.
    if (text.find("DCfont") != std::string_view::npos) {
        return Form::DcFont;
    }
    return Nested(text) ? Form::Lcd : Form::CTable;
}

// "glcd, pages or rows-msb".
std::string JoinedWithOr(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "" : i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

// A table that does not say its layout, read as column bytes: taken where no other layout
// reads it, or reads it as the same dots (pages and glcd, for cells up to 8 rows high);
// otherwise refused, naming the layouts that would read it.
ParsedSet OneReading(std::string_view text, ParsedSet glcd, CellSize size, int first) {
    // This program's own C font tables, whose comment names their first code, are glcd.
    if (FirstCodeOf(text)) {
        return glcd;
    }
    std::vector<std::string_view> fitting{InfoOf(ByteLayout::Glcd).name};
    for (const ByteLayout other : {ByteLayout::Pages, ByteLayout::RowsMsb, ByteLayout::RowsLsb}) {
        const ParsedSet read = ReadTable(text, {other, size, first});
        if (read.set && *read.set != *glcd.set) {
            fitting.push_back(InfoOf(other).name);
        }
    }
    if (fitting.size() == 1) {
        return glcd;
    }
    return Fail("the table reads as " + JoinedWithOr(fitting) + " alike: say which with --from");
}

// For a table refused as column bytes: the layouts that do read it, and how to choose one.
std::string OtherReadings(std::string_view text, CellSize size, int first) {
    std::vector<std::string_view> reading;
    for (const ByteLayout other :
         {ByteLayout::Pages, ByteLayout::RowsMsb, ByteLayout::RowsLsb, ByteLayout::Lcd}) {
        if (ReadTable(text, {other, size, first}).set) {
            reading.push_back(InfoOf(other).name);
        }
    }
    const std::string names = JoinedWithOr(reading);
    return reading.empty()       ? std::string()
           : reading.size() == 1 ? "; it reads as " + names + ": --from " + names
                                 : "; it reads as " + names + ": say which with --from";
}

}  // namespace

bool NeedsFirstCode(std::string_view text) {
    if (text.size() > kMaxSetText) {
        return false;
    }
    const Form form = FormOf(text);
    return (form == Form::CTable || form == Form::List) && !FirstCodeOf(text);
}

namespace {

ParsedSet ReadFollowedText(std::string_view text, std::optional<int> firstCode, CellSize size);

}  // namespace

ParsedSet ReadSetText(std::string_view text, std::optional<int> firstCode, CellSize size) {
    if (text.size() > kMaxSetText) {
        return Fail("the text is over 1 MB; a table of 256 characters is far shorter");
    }
    return ReadFollowing(text, [&](std::string_view followed) {
        return ReadFollowedText(followed, firstCode, size);
    });
}

namespace {

ParsedSet ReadFollowedText(std::string_view text, std::optional<int> firstCode, CellSize size) {
    const Form form = FormOf(text);
    switch (form) {
        case Form::Basic:
            return ReadBasicBlock(text, size);
        case Form::Lcd:
            return ReadLcdTable(text, size);
        case Form::Gfx:
            return ReadGfxFont(text);
        case Form::Sketch:
            // An LCD's characters are 8 rows, the last one the cursor's.
            return ReadTable(text,
                             {ByteLayout::Lcd, size == kDefaultSize ? CellSize{5, 8} : size, 0});
        case Form::MdMax72xx:
            return ReadTable(text, {ByteLayout::MdMax72xx, size, 0});
        case Form::Ssd1306Ascii:
            return ReadTable(text, {ByteLayout::Ssd1306Ascii, size, 0});
        case Form::DcFont:
            return ReadTable(text, {ByteLayout::Pages, size, firstCode.value_or(0)});
        case Form::Laid:
            return ReadTable(text, {*ReadTableHeader(text).layout, size, firstCode.value_or(0)});
        case Form::List:
        case Form::CTable:
            break;
    }
    const std::optional<int> first = FirstCodeOf(text) ? FirstCodeOf(text) : firstCode;
    if (!first) {
        return Fail("the table does not say its first code");
    }
    // Column bytes read fastest by value; a C table that does not read so is read again
    // character by character, for the line that says what is wrong with it.
    ParsedSet read = ReadTable(text, {ByteLayout::Glcd, size, *first});
    if (!read.set) {
        ParsedSet why = form == Form::List ? read : ReadCFontTable(text, firstCode, size);
        // Column bytes with dots below the cell: a 5x8 font (Adafruit's classic one) read at 5x7.
        const CellSize bands{size.width, std::min(CellSize::kLargest, (size.height + 7) / 8 * 8)};
        if (!why.set && bands != size && ReadTable(text, {ByteLayout::Glcd, bands, *first}).set) {
            why.error +=
                "; it reads as " + ToString(bands) + " characters: --size " + ToString(bands);
        } else if (!why.set) {
            why.error += OtherReadings(text, size, *first);
        }
        return why;
    }
    return OneReading(text, std::move(read), size, *first);
}

}  // namespace

}  // namespace zrl

#include "classic_tables.h"

#include <variant>
#include <vector>

#include "core/formats/format_table.h"
#include "core/formats/table_guess.h"
#include "core/formats/table_header.h"
#include "core/formats/table_reader.h"
#include "core/formats/table_text.h"
#include "core/text/c_initializer.h"
#include "core/text/code_map.h"
#include "core/text/pattern_parser.h"

namespace zrl {

namespace {

// The column bytes a C font table holds, straight from the pattern: a table of large
// characters is written without a grid for each.
void AppendColumnBytes(std::string& out, const Pattern& pattern) {
    AppendHexBytes(out, CharacterBytes(pattern, pattern.Size().width, ByteLayout::Glcd));
}

}  // namespace

std::string WriteCFontTable(const CharacterSet& set, std::string_view name) {
    const auto& characters = set.Characters();
    const int first = characters.empty() ? 0 : characters.begin()->first;
    const int last = characters.empty() ? -1 : characters.rbegin()->first;
    const CellSize size = set.Cell();
    const std::string bytes = std::to_string(ColumnBytes(size));
    const std::string layout =
        size.height <= 8 ? "one per column from the left, bit 0 the top row"
                         : std::to_string(ColumnBytes(size) / size.width) +
                               " per column from the left, the first with the top eight rows, "
                               "bit 0 the top row of each eight";
    std::string out = "// " + ToString(size) + " font: first code " + std::to_string(first) + ", " +
                      Counted(last - first + 1, "character") + PlacementText(set) + ", " + bytes +
                      " bytes each: " + layout + "; a character's bytes start at (code - " +
                      std::to_string(first) + ") * " + bytes;
    out += kCrLf;
    out += "static const unsigned char " + std::string(name) + "[] = {";
    out += kCrLf;
    for (int code = first; code <= last; ++code) {
        const SetCharacter* found = set.Find(code);
        out += "    ";
        AppendColumnBytes(out, found != nullptr ? found->pattern : Pattern(set.Cell()));
        out += ",  // ";
        out += LineComment(code, found != nullptr);
        out += kCrLf;
    }
    out += "};";
    out += kCrLf;
    return out;
}

namespace {

std::string LcdComment(CellSize size) {
    std::string comment = size == kDefaultSize ? "// " : "// " + ToString(size) + " ";
    comment += "LCD custom characters 0 to 7: 8 rows each from the top, bit " +
               std::to_string(size.width - 1) + " the left column";
    if (size.height == kLcdRows - 1) {
        comment += ", the 8th row empty";
    } else if (size.height < kLcdRows - 1) {
        comment += ", rows " + std::to_string(size.height + 1) + " to 8 empty";
    }
    return comment;
}

}  // namespace

std::string WriteLcdTable(const CharacterSet& set, std::string_view name) {
    std::string out = LcdComment(set.Cell());
    out += kCrLf;
    out += "static const unsigned char " + std::string(name) + "[8][8] = {";
    out += kCrLf;
    for (int code = 0; code < 8; ++code) {
        const SetCharacter* found = set.Find(code);
        out += "    " + BuildCRows(GridOf(found ? found->pattern : Pattern(set.Cell()))) +
               ",  // " + std::to_string(code);
        if (found == nullptr) {
            out += ' ';
            out += kNoCharacter;
        }
        out += kCrLf;
    }
    out += "};";
    out += kCrLf;
    return out;
}

std::string WhyNotLcd(const CharacterSet& set) {
    if (!FitsLcd(set.Cell())) {
        return "an LCD's custom characters are at most 8x8; the set's are " + ToString(set.Cell()) +
               ": glcd or rows-msb holds them";
    }
    return {};
}

namespace {

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
    for (const SourceLine& line : LinesOf(text)) {
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
                if (!braced && depth == 1 && !Trimmed(current.text).empty() &&
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
                if (!Trimmed(current.text).empty()) {
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
            if (Trimmed(current.text).empty() && c != ' ' && c != '\t') {
                current.line = line.number;
            }
            current.text += c;
        }
        if (groups.size() > before && comment.find(kNoCharacter) != std::string_view::npos) {
            groups.back().filler = true;
        }
    }
    if (!braced && (values != 0 || !Trimmed(current.text).empty())) {
        return perCharacter == kColumns
                   ? std::string("the table's bytes are not five to each character")
                   : "the table's bytes are not " + std::to_string(perCharacter) +
                         " to each character";
    }
    return groups;
}

}  // namespace

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
            if (auto error = PutParsed(set, code, group.line, group.text, order)) {
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

}  // namespace

bool IsNested(std::string_view source) {
    const std::string blanked = Blanked(source, Blanking::BlockCommentsAndQuotes);
    int depth = 0;
    for (const SourceLine& line : LinesOf(blanked)) {
        for (char c : line.text.substr(0, line.text.find("//"))) {
            depth += c == '{' ? 1 : c == '}' ? -1 : 0;
            if (depth >= 2) {
                return true;
            }
        }
    }
    return false;
}

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

ParsedSet ReadUnsaidTable(std::string_view text, std::optional<int> firstCode, CellSize size) {
    const std::optional<int> said = FirstCodeOf(text) ? FirstCodeOf(text) : firstCode;
    const std::optional<int> first = said.value_or(kUnsaidFirstCode);
    // Column bytes read fastest by value; a C table that does not read so is read again
    // character by character, for the line that says what is wrong with it.
    ParsedSet read = ReadTable(text, {ByteLayout::Glcd, size, *first});
    if (!read.set) {
        ParsedSet why =
            text.find('{') == std::string_view::npos ? read : ReadCFontTable(text, *first, size);
        // Column bytes with dots below the cell: a 5x8 font (Adafruit's classic one) read at 5x7.
        const CellSize bands{size.width, std::min(CellSize::kLargest, (size.height + 7) / 8 * 8)};
        if (!why.set && bands != size && ReadTable(text, {ByteLayout::Glcd, bands, *first}).set) {
            why.error +=
                "; it reads as " + ToString(bands) + " characters: --size " + ToString(bands);
        } else if (!why.set) {
            const std::string others = OtherReadings(text, size, *first);
            why.error += others.empty() ? GuessedReading(text, said) : others;
        }
        return why;
    }
    // A whole code page that says no first code starts at 0.
    if (!said && IsCodePageFrom(*read.set, *first)) {
        ParsedSet page = ReadUnsaidTable(text, 0, size);
        if (page.set) {
            page.note = WithNote(page.note, CodePageNote(*page.set));
        }
        return page;
    }
    return OneReading(text, std::move(read), size, *first);
}

}  // namespace zrl

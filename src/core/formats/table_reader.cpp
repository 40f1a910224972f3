#include "table_reader.h"

#include <charconv>
#include <map>

#include "core/formats/table_text.h"

namespace zrl {

namespace {

std::string HexOf(std::uint8_t byte) {
    std::string text;
    AppendHexBytes(text, std::span(&byte, 1));
    return text;
}

struct Reading {
    const ValueScanner& scanner;
    const std::vector<ScannedValue>& values;
    CellSize size;
    ByteLayout layout;
};

struct Character {
    std::optional<Pattern> pattern;
    int width = kCellWidth;
    std::size_t next = 0;
    std::string error;
};

std::string Where(int code, int line) {
    return "character " + std::to_string(code) + " (line " + std::to_string(line) + ")";
}

Character Decode(const Reading& reading, std::size_t at, int code) {
    const int line = reading.values[at].line;
    CellSize cell = reading.size;
    Character character;
    if (IsPrefixed(reading.layout)) {
        const long long width = reading.values[at++].number;
        if (width > cell.width) {
            return {{},
                    0,
                    0,
                    Where(code, line) + " is " + std::to_string(width) +
                        " columns wide; the cell is " + std::to_string(cell.width)};
        }
        character.width = cell.width = static_cast<int>(width);
        // Dots past a character's width are written too; its advance is then in the comment.
        const std::string_view comment = reading.scanner.CommentOn(line);
        if (const std::size_t said = comment.find(kAdvance); said != std::string_view::npos) {
            const std::optional<int> advance = NumberAt(comment.substr(said + kAdvance.size()));
            if (advance && *advance >= 1 && *advance <= width) {
                character.width = *advance - 1;
            }
        }
    }
    const auto count = static_cast<std::size_t>(FixedBytes(cell, reading.layout));
    if (at + count > reading.values.size()) {
        return {{}, 0, 0, "the table ends inside " + Where(code, line)};
    }
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(reading.values[at + i].number);
    }
    character.next = at + count;
    if (cell.width == 0) {
        character.pattern = Pattern(reading.size);
        return character;
    }
    const DecodedBytes decoded = PatternFromBytes(bytes, cell, reading.layout);
    if (!decoded.pattern) {
        const auto bad = static_cast<std::size_t>(decoded.badByte);
        character.error = Where(code, reading.values[at + bad].line) + ": byte " +
                          std::to_string(bad + 1) + ", " + HexOf(bytes[bad]) +
                          ", has dots outside the " + ToString(reading.size) + " cell";
        return character;
    }
    character.pattern = Resized(*decoded.pattern, reading.size);
    return character;
}

std::optional<std::string> CheckBytes(const std::vector<ScannedValue>& values) {
    for (const ScannedValue& value : values) {
        if (value.number < 0 || value.number > 255) {
            return "line " + std::to_string(value.line) + ": " + std::to_string(value.number) +
                   " does not fit a byte";
        }
    }
    return std::nullopt;
}

// Each character at the next code from `first` on, or at the next of `codes` where given.
ParsedSet ReadCharacters(const Reading& reading, int first,
                         const std::vector<ScannedValue>* codes = nullptr) {
    CharacterSet set(reading.size);
    int code = first;
    std::size_t index = 0;
    for (std::size_t at = 0; at < reading.values.size(); ++code, ++index) {
        const int line = reading.values[at].line;
        if (codes != nullptr) {
            if (index >= codes->size()) {
                return Fail("line " + std::to_string(line) +
                            ": the table has more characters "
                            "than its codes array has codes");
            }
            const long long given = (*codes)[index].number;
            if (given < code || given > kLastUnicode) {
                return Fail("line " + std::to_string((*codes)[index].line) +
                            ": the codes are not rising within 0 to U+10FFFF");
            }
            code = static_cast<int>(given);
        }
        Character character = Decode(reading, at, code);
        if (!character.pattern) {
            return Fail(character.error);
        }
        at = character.next;
        if (reading.scanner.CommentOn(line).find(kNoCharacter) != std::string_view::npos) {
            continue;
        }
        if (code < kFirstCode || code > kLastUnicode) {
            return Fail(Where(code, line) + ": codes run from 0 to U+10FFFF");
        }
        set.Put(code, {*character.pattern, {}, character.width});
    }
    if (codes != nullptr && index != codes->size()) {
        return Fail("the codes array has " + std::to_string(codes->size()) +
                    " codes for the table's " + std::to_string(index) + " characters");
    }
    if (codes == nullptr && reading.layout == ByteLayout::Lcd && code - first > 8) {
        return Fail("an LCD has 8 custom characters; the table has " +
                    std::to_string(code - first));
    }
    if (set.IsEmpty()) {
        return Fail("the table holds no character");
    }
    return {std::move(set), {}};
}

// What a Tiny4kOLED font's `DCfont NAME = {(uint8_t *)bitmap, width, pages, first, last}`
// after its bytes says of them: the cell and the first code.
struct DcFont {
    CellSize size;
    int first;
};

std::optional<DcFont> DcFontOf(const ValueScanner& scanner) {
    const std::optional<std::size_t> at = scanner.Find("DCfont");
    if (!at) {
        return std::nullopt;
    }
    // Past the bitmap's pointer, `(uint8_t *)bitmap` or `&bitmap[0]`: its last word or ].
    const auto& tokens = scanner.Tokens();
    std::size_t i = *at;
    while (i < tokens.size() && tokens[i].text != "{") {
        ++i;
    }
    while (i < tokens.size() && tokens[i].kind != ValueScanner::Token::Number) {
        i += tokens[i].text == "[" ? 3 : 1;
    }
    std::vector<int> numbers;
    for (; i < tokens.size() && numbers.size() < 4; ++i) {
        if (tokens[i].kind != ValueScanner::Token::Number || tokens[i].number < 0 ||
            tokens[i].number > 255) {
            return std::nullopt;
        }
        numbers.push_back(static_cast<int>(tokens[i].number));
    }
    if (numbers.size() < 4 || numbers[0] < 1 || numbers[0] > CellSize::kLargest || numbers[1] < 1 ||
        numbers[1] * 8 > CellSize::kLargest) {
        return std::nullopt;
    }
    return DcFont{{numbers[0], numbers[1] * 8}, numbers[2]};
}

// The N of each createChar(N, name) call of a sketch, by the array's name.
std::map<std::string_view, int> CreateCharCodes(const ValueScanner& scanner) {
    std::map<std::string_view, int> codes;
    const auto& tokens = scanner.Tokens();
    for (std::optional<std::size_t> at = scanner.Find("createChar"); at;
         at = scanner.Find("createChar", *at + 1)) {
        const std::size_t i = *at;
        if (i + 4 < tokens.size() && tokens[i + 1].text == "(" &&
            tokens[i + 2].kind == ValueScanner::Token::Number &&
            tokens[i + 3].kind == ValueScanner::Token::Word && tokens[i + 4].text == ")") {
            codes[tokens[i + 3].text] = static_cast<int>(tokens[i + 2].number);
        }
    }
    return codes;
}

// The first array and each one after it, as a sketch has its characters one to an array: an
// array is one or more characters, at the code a createChar call gives it, else at the
// codes after the array before. The table ends at the first = that starts no array of whole
// characters.
ParsedSet ReadArrays(const Reading& first, int code, const ScannedArray& array) {
    const std::map<std::string_view, int> named = CreateCharCodes(first.scanner);
    const int each = FixedBytes(first.size, first.layout);
    std::vector<std::string_view> names{array.name};
    CharacterSet whole(first.size);
    for (std::optional<ScannedArray> next = array;;) {
        const auto found = named.find(next->name);
        code = found != named.end() ? found->second : code;
        const ParsedSet part =
            ReadCharacters({first.scanner, next->values, first.size, first.layout}, code);
        if (!part.set) {
            return part;
        }
        for (const auto& [at, character] : part.set->Characters()) {
            whole.Put(at, character);
            code = at + 1;
        }
        next = first.scanner.InitializerFrom(next->end);
        if (!next || !next->error.empty() || CheckBytes(next->values) || next->values.empty() ||
            (!IsPrefixed(first.layout) &&
             next->values.size() % static_cast<std::size_t>(each) != 0)) {
            break;
        }
        names.push_back(next->name);
    }
    if (first.layout == ByteLayout::Lcd && !whole.IsEmpty() &&
        whole.Characters().rbegin()->first > 7) {
        return Fail("an LCD has 8 custom characters, codes 0 to 7; the arrays reach code " +
                    std::to_string(whole.Characters().rbegin()->first));
    }
    if (names.size() == 1) {
        return {std::move(whole), {}};
    }
    std::string note = std::to_string(names.size()) + " arrays read as one set:";
    for (std::size_t i = 0; i < names.size(); ++i) {
        note += (i == 0 ? " " : ", ") + std::string(names[i]);
    }
    return {std::move(whole), {}, note};
}

}  // namespace

TableStart StartOfTable(const ValueScanner& scanner, std::string_view text, CellSize size) {
    TableStart start{ReadTableHeader(text), size};
    if (const std::optional<DcFont> described = DcFontOf(scanner);
        described && !start.header.size) {
        start.header.size = described->size;
        start.header.first = described->first;
    }
    start.size = start.header.size.value_or(size);
    return start;
}

TableBytes BytesOfTable(const ValueScanner& scanner) {
    TableBytes bytes{scanner.ArrayFrom(), {}, {}};
    if (!bytes.array.error.empty()) {
        // A struct whose first member is no byte (a header) and whose next holds the bytes.
        const std::optional<ScannedArray> inner = scanner.LargestInnerArray();
        if (!inner) {
            bytes.error = bytes.array.error;
            return bytes;
        }
        bytes.note = "read the " + std::to_string(inner->values.size()) +
                     " values of the initializer's largest { } group; " + bytes.array.error;
        bytes.array = *inner;
    }
    if (auto error = CheckBytes(bytes.array.values)) {
        bytes.error = *error;
    }
    return bytes;
}

ParsedSet ReadBytes(const ValueScanner& scanner, const TableStart& start, const TableBytes& bytes,
                    ByteLayout layout, int first) {
    const CellSize size = start.size;
    const std::vector<ScannedValue>& values = bytes.array.values;
    const int each = FixedBytes(size, layout);
    if (!IsPrefixed(layout) && values.size() % static_cast<std::size_t>(each) != 0) {
        return Fail("the table's " + std::to_string(values.size()) + " bytes are not " +
                    std::to_string(each) + " to each " + ToString(size) + " character");
    }
    const Reading reading{scanner, values, size, layout};
    // An LCD's custom characters are codes 0 to 7, whatever a font's first code is.
    first = layout == ByteLayout::Lcd ? 0 : start.header.first.value_or(first);
    if (first < kFirstCode || first > kLastUnicode) {
        return Fail("the first code, " + std::to_string(first) + ", is not one of 0 to U+10FFFF");
    }
    ParsedSet read;
    if (!start.header.sparse) {
        read = ReadArrays(reading, first, bytes.array);
        read.note = read.note.empty() ? bytes.note : read.note;
    } else {
        const ScannedArray codes = scanner.ArrayFrom(bytes.array.end);
        if (!codes.error.empty()) {
            return Fail("the codes of a sparse table: " + codes.error);
        }
        read = ReadCharacters(reading, 0, &codes.values);
    }
    // The set stands in its cell where the table's comment says it stood.
    if (read.set) {
        read.set = Placed(*read.set, start.header);
    }
    return read;
}

ParsedSet ReadInLayout(std::string_view text, ByteLayout layout, CellSize size, int first) {
    const ValueScanner scanner(text);
    const TableStart start = StartOfTable(scanner, text, size);
    if (layout == ByteLayout::Lcd && (start.size.width > 8 || start.size.height > 8)) {
        return Fail("an LCD's custom characters are at most 8x8, not " + ToString(start.size));
    }
    const TableBytes bytes = BytesOfTable(scanner);
    if (!bytes.error.empty()) {
        return Fail(bytes.error);
    }
    return ReadBytes(scanner, start, bytes, layout, first);
}

ParsedSet ReadTable(std::string_view text, const TableOptions& options) {
    if (text.size() > kMaxSetText) {
        return Fail("the text is over 16 MB; a table of 256 characters of 255x255 is shorter");
    }
    const ReadOptions told{options.size, options.first, true};
    return ReadFollowing(text, [&](std::string_view followed) {
        return options.format->read(*options.format, followed, told);
    });
}

}  // namespace zrl

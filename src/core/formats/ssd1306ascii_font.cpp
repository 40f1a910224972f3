#include "ssd1306ascii_font.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "core/formats/set_export.h"
#include "core/text/code_text.h"

namespace zrl {

namespace {

constexpr int kHeaderBytes = 6;
constexpr int kMostCharacters = 255;  // the count is a byte

int Pages(int height) {
    return (height + 7) / 8;
}

// How far up a proportional font's last page stands in its bytes.
int Shift(int height, Ssd1306AsciiSpacing spacing) {
    return spacing == Ssd1306AsciiSpacing::Proportional && height % 8 != 0 ? 8 - height % 8 : 0;
}

int ColumnsOf(const SetCharacter* character, const CharacterSet& set, Ssd1306AsciiSpacing spacing) {
    if (spacing != Ssd1306AsciiSpacing::Proportional) {
        return set.Cell().width;
    }
    return character != nullptr ? InkedWidth(*character) : 0;
}

std::vector<std::uint8_t> PageBytes(const Pattern& pattern, int columns, int shift) {
    const CellSize size = pattern.Size();
    const int pages = Pages(size.height);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(pages * columns));
    for (int row = 0; row < size.height; ++row) {
        const int bit = row % 8 + (row / 8 == pages - 1 ? shift : 0);
        for (int column = 0; column < columns; ++column) {
            if (pattern.Lit(row, column)) {
                bytes[static_cast<std::size_t>(row / 8 * columns + column)] |=
                    static_cast<std::uint8_t>(1u << bit);
            }
        }
    }
    return bytes;
}

struct Span {
    int first;
    int last;
};

Span CodesOf(const CharacterSet& set) {
    const auto& characters = set.Characters();
    return characters.empty() ? Span{0, -1}
                              : Span{characters.begin()->first, characters.rbegin()->first};
}

void AppendLine(std::string& out, std::span<const std::uint8_t> bytes, std::string_view comment,
                const std::string& says) {
    out += "    ";
    AppendHexBytes(out, bytes);
    out += bytes.empty() ? "" : ",  ";
    out += std::string(comment) + says + std::string(kCrLf);
}

std::string AdvanceMark(const SetCharacter* character, int columns) {
    return character != nullptr && columns != character->width
               ? " " + std::string(kAdvance) + std::to_string(character->width + 1) + ")"
               : "";
}

}  // namespace

Ssd1306AsciiSpacing SpacingOf(const CharacterSet& set) {
    const int width = set.Cell().width;
    const auto& characters = set.Characters();
    const auto all = [&](int wide) {
        return std::all_of(characters.begin(), characters.end(),
                           [wide](const auto& entry) { return entry.second.width == wide; });
    };
    return all(width)                    ? Ssd1306AsciiSpacing::Gap
           : width > 1 && all(width - 1) ? Ssd1306AsciiSpacing::NoGap
                                         : Ssd1306AsciiSpacing::Proportional;
}

std::string DescribeSsd1306Ascii(const CharacterSet& set) {
    const int count = Pages(set.Cell().height);
    const std::string pages =
        "each character's " +
        (count == 1 ? std::string("page") : std::to_string(count) + " pages") +
        " of 8 rows from the top, a byte per column, bit 0 the top row";
    switch (SpacingOf(set)) {
        case Ssd1306AsciiSpacing::Gap:
            return "SSD1306Ascii's font: type 0 (fixed width, a column between characters), "
                   "width, height, first code, count; then " +
                   pages;
        case Ssd1306AsciiSpacing::NoGap:
            return "SSD1306Ascii's font: type 1 (fixed width, no column between characters), "
                   "width, height, first code, count; then " +
                   pages;
        case Ssd1306AsciiSpacing::Proportional:
            break;
    }
    std::string text =
        "SSD1306Ascii's font: its size in two bytes (proportional), the widest width, height, "
        "first code, count; a byte with each character's width w; then " +
        pages + ", w bytes to a page";
    if (set.Cell().height % 8 != 0) {
        text += ", the last page's rows in its top bits";
    }
    return text;
}

std::string WhyNotSsd1306Ascii(const CharacterSet& set) {
    const Span codes = CodesOf(set);
    if (codes.last > kLastCode) {
        return "SSD1306Ascii's fonts hold codes 0 to 255; " + CodePointText(codes.last) +
               " is past them";
    }
    if (codes.last - codes.first + 1 > kMostCharacters) {
        return "SSD1306Ascii's fonts run over at most 255 codes, and the set's run from " +
               std::to_string(codes.first) + " to " + std::to_string(codes.last) +
               "; choose fewer, as the map 1-255 does";
    }
    return {};
}

std::string Ssd1306AsciiLines(const CharacterSet& set, std::string_view comment) {
    const Ssd1306AsciiSpacing spacing = SpacingOf(set);
    const CellSize cell = set.Cell();
    const Span codes = CodesOf(set);
    const int count = codes.last - codes.first + 1;
    const bool proportional = spacing == Ssd1306AsciiSpacing::Proportional;
    // The width byte, the widest a character may be, is the cell's: it reads back as the cell.
    const int widest = cell.width;
    long long size = kHeaderBytes + (proportional ? count : 0);
    for (int code = codes.first; code <= codes.last; ++code) {
        size +=
            static_cast<long long>(ColumnsOf(set.Find(code), set, spacing)) * Pages(cell.height);
    }
    // Any type past 1 is proportional; by custom it is the font's size, which here is more.
    const int type = spacing == Ssd1306AsciiSpacing::Gap ? 0
                     : spacing == Ssd1306AsciiSpacing::NoGap
                         ? 1
                         : static_cast<int>(std::min(size, 0xFFFFLL));
    const std::uint8_t header[] = {
        static_cast<std::uint8_t>(type >> 8),   static_cast<std::uint8_t>(type & 0xFF),
        static_cast<std::uint8_t>(widest),      static_cast<std::uint8_t>(cell.height),
        static_cast<std::uint8_t>(codes.first), static_cast<std::uint8_t>(count)};
    std::string out;
    AppendLine(out, header, comment,
               (proportional ? "proportional, " + std::to_string(size) + " bytes"
                             : "fixed width, type " + std::to_string(type)) +
                   "; at most " + std::to_string(widest) + " wide, " + std::to_string(cell.height) +
                   " rows, codes " + std::to_string(codes.first) + " to " +
                   std::to_string(codes.last));
    for (int code = codes.first; proportional && code <= codes.last; ++code) {
        const SetCharacter* found = set.Find(code);
        const int columns = ColumnsOf(found, set, spacing);
        const std::uint8_t width = static_cast<std::uint8_t>(columns);
        AppendLine(out, std::span(&width, 1), comment,
                   "width of " + LineComment(code, found != nullptr) + AdvanceMark(found, columns));
    }
    const int shift = Shift(cell.height, spacing);
    const Pattern blank(cell);
    for (int code = codes.first; code <= codes.last; ++code) {
        const SetCharacter* found = set.Find(code);
        const int columns = ColumnsOf(found, set, spacing);
        if (columns > 0) {
            AppendLine(out, PageBytes(found != nullptr ? found->pattern : blank, columns, shift),
                       comment, LineComment(code, found != nullptr));
        }
    }
    return out;
}

namespace {

struct Header {
    int type;
    int width;
    int height;
    int first;
    int count;
    Ssd1306AsciiSpacing spacing;
};

std::string At(const std::vector<ScannedValue>& values, std::size_t index) {
    return "line " + std::to_string(values[std::min(index, values.size() - 1)].line) + ": ";
}

// Each character's columns: a proportional font's from its widths, else the header's.
std::vector<int> Widths(const Header& header, const std::vector<ScannedValue>& values) {
    std::vector<int> widths(static_cast<std::size_t>(header.count), header.width);
    if (header.spacing == Ssd1306AsciiSpacing::Proportional) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            widths[i] = static_cast<int>(values[kHeaderBytes + i].number);
        }
    }
    return widths;
}

// A character's dots from its pages, in a cell as tall as the pages drawn.
Pattern FromPages(const std::vector<ScannedValue>& values, std::size_t at, int columns,
                  const Header& header, int cellWidth, bool& unshown) {
    const int pages = Pages(header.height);
    const int shift = Shift(header.height, header.spacing);
    const int rows = std::min(CellSize::kLargest, pages * 8);
    Pattern pattern(CellSize{cellWidth, rows});
    for (int page = 0; page < pages; ++page) {
        for (int column = 0; column < columns; ++column) {
            unsigned byte = static_cast<unsigned>(
                values[at + static_cast<std::size_t>(page * columns + column)].number);
            const int down = page == pages - 1 ? shift : 0;
            unshown |= (byte & ((1u << down) - 1)) != 0;
            byte >>= down;
            for (int bit = 0; bit < 8 && page * 8 + bit < rows; ++bit) {
                pattern.set(static_cast<std::size_t>((page * 8 + bit) * cellWidth + column),
                            ((byte >> bit) & 1u) != 0);
            }
        }
    }
    return pattern;
}

int LowestRow(const Pattern& pattern) {
    const CellSize size = pattern.Size();
    for (int row = size.height - 1; row >= 0; --row) {
        for (int column = 0; column < size.width; ++column) {
            if (pattern.Lit(row, column)) {
                return row;
            }
        }
    }
    return -1;
}

std::optional<std::string> CheckHeader(const Header& header,
                                       const std::vector<ScannedValue>& values) {
    if (header.height < 1 || header.height > CellSize::kLargest) {
        return At(values, 3) + "the font's height, " + std::to_string(header.height) +
               ", is not one of 1 to 32 rows";
    }
    if (header.spacing != Ssd1306AsciiSpacing::Proportional &&
        (header.width < 1 || header.width > CellSize::kLargest)) {
        return At(values, 2) + "the font's width, " + std::to_string(header.width) +
               ", is not one of 1 to 32 columns";
    }
    if (header.count == 0) {
        return At(values, 5) + "the font's count of characters is 0";
    }
    if (header.spacing == Ssd1306AsciiSpacing::Proportional &&
        values.size() < static_cast<std::size_t>(kHeaderBytes + header.count)) {
        return "the table ends inside the widths of its " + std::to_string(header.count) +
               " characters";
    }
    return std::nullopt;
}

}  // namespace

ParsedSet ReadSsd1306Ascii(const ValueScanner& scanner, const std::vector<ScannedValue>& values) {
    if (values.size() < kHeaderBytes) {
        return Fail(
            "SSD1306Ascii's fonts begin with six bytes (type, width, height, first code, "
            "count); the table has " +
            std::to_string(values.size()) + " values");
    }
    const auto value = [&](int i) {
        return static_cast<int>(values[static_cast<std::size_t>(i)].number);
    };
    const int type = value(0) << 8 | value(1);
    Header header{type,
                  value(2),
                  value(3),
                  value(4),
                  value(5),
                  type == 0   ? Ssd1306AsciiSpacing::Gap
                  : type == 1 ? Ssd1306AsciiSpacing::NoGap
                              : Ssd1306AsciiSpacing::Proportional};
    if (const auto error = CheckHeader(header, values)) {
        return Fail(*error);
    }
    const bool proportional = header.spacing == Ssd1306AsciiSpacing::Proportional;
    const std::vector<int> widths = Widths(header, values);
    const auto wide = std::max_element(widths.begin(), widths.end()) - widths.begin();
    if (widths[static_cast<std::size_t>(wide)] > CellSize::kLargest) {
        return Fail(At(values, kHeaderBytes + static_cast<std::size_t>(wide)) + "character " +
                    std::to_string(header.first + wide) + " is " +
                    std::to_string(widths[static_cast<std::size_t>(wide)]) +
                    " columns wide; cells are at most 32");
    }
    const int cellWidth = std::clamp(std::max(header.width, widths[static_cast<std::size_t>(wide)]),
                                     1, CellSize::kLargest);
    std::size_t at = kHeaderBytes + (proportional ? widths.size() : 0);
    std::map<int, SetCharacter> read;
    int shiftedOut = 0;  // characters with dots the library shifts out of their last page
    int lowest = header.height - 1;
    for (int i = 0; i < header.count; ++i) {
        const int code = header.first + i;
        const auto columns = static_cast<std::size_t>(widths[static_cast<std::size_t>(i)]);
        const std::size_t bytes = columns * static_cast<std::size_t>(Pages(header.height));
        if (at + bytes > values.size()) {
            return Fail("the table ends inside character " + std::to_string(code) +
                        "; the font's header says " + std::to_string(header.count) +
                        " characters from code " + std::to_string(header.first));
        }
        // A proportional font's marks are on its width's line, a fixed font's on its bytes'.
        const int line = proportional ? values[kHeaderBytes + static_cast<std::size_t>(i)].line
                         : bytes > 0  ? values[at].line
                                      : 0;
        const std::string_view says = scanner.CommentOn(line);
        bool unshown = false;
        Pattern pattern =
            FromPages(values, at, static_cast<int>(columns), header, cellWidth, unshown);
        at += bytes;
        if (says.find(kNoCharacter) != std::string_view::npos) {
            continue;
        }
        shiftedOut += unshown ? 1 : 0;
        int width = header.spacing == Ssd1306AsciiSpacing::NoGap ? cellWidth - 1
                                                                 : static_cast<int>(columns);
        if (const std::size_t mark = says.find(kAdvance); mark != std::string_view::npos) {
            const std::optional<int> advance = NumberAt(says.substr(mark + kAdvance.size()));
            width = advance && *advance >= 1 && *advance <= width ? *advance - 1 : width;
        }
        lowest = std::max(lowest, LowestRow(pattern));
        read[code] = {std::move(pattern), {}, width};
    }
    if (at != values.size()) {
        return Fail(At(values, at) + "values past the last character; the font's header says " +
                    std::to_string(header.count) + " characters from code " +
                    std::to_string(header.first));
    }
    if (read.empty()) {
        return Fail("the table holds no character");
    }
    const CellSize cell{cellWidth, lowest + 1};
    CharacterSet set(cell);
    for (auto& [code, character] : read) {
        character.pattern = Resized(character.pattern, cell);
        set.Put(code, std::move(character));
    }
    std::string note;
    if (cell.height > header.height) {
        note = "the font's characters reach below its height of " + std::to_string(header.height) +
               " rows, as the library draws them: read as " + ToString(cell);
    }
    if (shiftedOut > 0) {
        note = (shiftedOut == 1 ? std::string("1 character has")
                                : std::to_string(shiftedOut) + " characters have") +
               " dots in the low bits of a last page, which the library shifts out and never "
               "draws: left out";
    }
    return {std::move(set), {}, note};
}

}  // namespace zrl

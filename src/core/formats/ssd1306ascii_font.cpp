// SSD1306Ascii's fonts written (ssd1306ascii_font.h), and their entry in the table of
// formats.
#include "core/formats/ssd1306ascii_font.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "core/formats/format.h"
#include "core/formats/table_reader.h"
#include "core/formats/table_writer.h"
#include "core/text/code_text.h"

namespace zrl {

namespace {

constexpr std::string_view kName = "ssd1306ascii";

constexpr int kMostCharacters = 255;  // the count is a byte

int ColumnsOf(const SetCharacter* character, const CharacterSet& set, Ssd1306AsciiSpacing spacing) {
    if (spacing != Ssd1306AsciiSpacing::Proportional) {
        return set.Cell().width;
    }
    return character != nullptr ? InkedWidth(*character) : 0;
}

std::vector<std::uint8_t> PageBytes(const Pattern& pattern, int columns, int shift) {
    const CellSize size = pattern.Size();
    const int pages = PagesOf(size.height);
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
    const int count = PagesOf(set.Cell().height);
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
    const CodeRange codes = CodesOf(set);
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
    const CodeRange codes = CodesOf(set);
    const int count = codes.last - codes.first + 1;
    const bool proportional = spacing == Ssd1306AsciiSpacing::Proportional;
    // The width byte, the widest a character may be, is the cell's: it reads back as the cell.
    const int widest = cell.width;
    long long size = kSsd1306AsciiHeader + (proportional ? count : 0);
    for (int code = codes.first; code <= codes.last; ++code) {
        size +=
            static_cast<long long>(ColumnsOf(set.Find(code), set, spacing)) * PagesOf(cell.height);
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
    const int shift = ShiftOf(cell.height, spacing);
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

Certainty Detect(std::string_view text) {
    if (CommentNames(text, kName)) {
        return Certainty::Named;
    }
    // The fonts are declared through the GLCD libraries' macro.
    return text.find('{') != std::string_view::npos &&
                   text.find("GLCDFONTDECL") != std::string_view::npos
               ? Certainty::Likely
               : Certainty::None;
}

ParsedSet Read(const Format& format, std::string_view text, const ReadOptions& options) {
    if (!options.told) {
        return ReadTable(text, {format, options.size, 0});
    }
    const ValueScanner scanner(text);
    const TableBytes bytes = BytesOfTable(scanner);
    if (!bytes.error.empty()) {
        return Fail(bytes.error);
    }
    ParsedSet read = ReadSsd1306Ascii(scanner, bytes.array.values);
    if (read.set) {
        read.set = Placed(*read.set, ReadTableHeader(text));
    }
    return read;
}

// Dense over 8-bit codes, as MD_MAX72XX's fonts are.
std::string WhyNot(const CharacterSet& set, const TableFormat& format) {
    if (format.sparse) {
        return "SSD1306Ascii's fonts run from their first code to their last: they are never "
               "sparse";
    }
    const std::optional<CharacterSet> subset = format.whole ? std::nullopt : TableSubset(set);
    if (std::string why = WhyNotSsd1306Ascii(subset ? *subset : set); !why.empty()) {
        return why;
    }
    return WhyNotDense(set, format);
}

std::string Write(const CharacterSet& set, const TableFormat& format) {
    const std::string name =
        format.name.empty() ? std::string(format.format->arrayName) : format.name;
    const std::string_view comment = SyntaxOf(format.language).comment;
    std::string out =
        std::string(comment) + CommentStart(set, kName, CodesOf(set)) + DescribeSsd1306Ascii(set);
    out += kCrLf;
    out += Declaration(format.language, name);
    out += kCrLf;
    out += Ssd1306AsciiLines(set, comment);
    return out + Closing(format.language);
}

// A blank character is a width byte in a proportional font, its pages in a fixed one.
Gaps GapsIn(const CharacterSet& set, const TableFormat&) {
    const CodeRange codes = CodesOf(set);
    const long long blanks = static_cast<long long>(codes.last) - codes.first + 1 - set.Size();
    const bool proportional = SpacingOf(set) == Ssd1306AsciiSpacing::Proportional;
    return {blanks, blanks * (proportional ? 1 : FixedBytes(set.Cell(), ByteLayout::Pages))};
}

}  // namespace

extern const Format kSsd1306AsciiFormat{
    .name = kName,
    .summary = "SSD1306Ascii's font: its header, widths if proportional, then pages",
    .extensions = "h hpp c ino py txt",
    .output = Output::Source,
    .options = kTakesLanguage | kTakesName | kReadsAsTold,
    .limits = {.lastCode = kLastCode, .widths = true, .dense = true},
    .detect = Detect,
    .read = Read,
    .whyNot = WhyNot,
    .write = Write,
    .gaps = GapsIn,
};

}  // namespace zrl

// SSD1306Ascii's fonts read back (ssd1306ascii_font.h).
#include <algorithm>
#include <map>
#include <optional>

#include "core/formats/table_text.h"
#include "ssd1306ascii_font.h"

namespace zrl {

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
            widths[i] = static_cast<int>(values[kSsd1306AsciiHeader + i].number);
        }
    }
    return widths;
}

// A character's dots from its pages, in a cell as tall as the pages drawn.
Pattern FromPagesOf(const std::vector<ScannedValue>& values, std::size_t at, int columns,
                    const Header& header, int cellWidth, bool& unshown) {
    const int pages = PagesOf(header.height);
    const int shift = ShiftOf(header.height, header.spacing);
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
               ", is not one of 1 to 255 rows";
    }
    if (header.spacing != Ssd1306AsciiSpacing::Proportional &&
        (header.width < 1 || header.width > CellSize::kLargest)) {
        return At(values, 2) + "the font's width, " + std::to_string(header.width) +
               ", is not one of 1 to 255 columns";
    }
    if (header.count == 0) {
        return At(values, 5) + "the font's count of characters is 0";
    }
    if (header.spacing == Ssd1306AsciiSpacing::Proportional &&
        values.size() < static_cast<std::size_t>(kSsd1306AsciiHeader + header.count)) {
        return "the table ends inside the widths of its " + std::to_string(header.count) +
               " characters";
    }
    return std::nullopt;
}

}  // namespace

ParsedSet ReadSsd1306Ascii(const ValueScanner& scanner, const std::vector<ScannedValue>& values) {
    if (values.size() < kSsd1306AsciiHeader) {
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
        return Fail(At(values, kSsd1306AsciiHeader + static_cast<std::size_t>(wide)) +
                    "character " + std::to_string(header.first + wide) + " is " +
                    std::to_string(widths[static_cast<std::size_t>(wide)]) +
                    " columns wide; cells are at most 32");
    }
    const int cellWidth = std::clamp(std::max(header.width, widths[static_cast<std::size_t>(wide)]),
                                     1, CellSize::kLargest);
    std::size_t at = kSsd1306AsciiHeader + (proportional ? widths.size() : 0);
    std::map<int, SetCharacter> read;
    int shiftedOut = 0;  // characters with dots the library shifts out of their last page
    int lowest = header.height - 1;
    for (int i = 0; i < header.count; ++i) {
        const int code = header.first + i;
        const auto columns = static_cast<std::size_t>(widths[static_cast<std::size_t>(i)]);
        const std::size_t bytes = columns * static_cast<std::size_t>(PagesOf(header.height));
        if (at + bytes > values.size()) {
            return Fail("the table ends inside character " + std::to_string(code) +
                        "; the font's header says " + std::to_string(header.count) +
                        " characters from code " + std::to_string(header.first));
        }
        // A proportional font's marks are on its width's line, a fixed font's on its bytes'.
        const int line = proportional
                             ? values[kSsd1306AsciiHeader + static_cast<std::size_t>(i)].line
                         : bytes > 0 ? values[at].line
                                     : 0;
        const std::string_view says = scanner.CommentOn(line);
        bool unshown = false;
        Pattern pattern =
            FromPagesOf(values, at, static_cast<int>(columns), header, cellWidth, unshown);
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

#include "table_guess.h"

#include <algorithm>
#include <vector>

#include "core/formats/format_table.h"
#include "core/formats/table_reader.h"
#include "core/text/code_map.h"

namespace zrl {

namespace {

// The cells fonts commonly have, the likelier first.
constexpr CellSize kCommonCells[] = {{5, 7},  {5, 8},   {6, 8},   {8, 8},   {8, 16},  {8, 14},
                                     {8, 12}, {7, 14},  {6, 12},  {6, 10},  {6, 13},  {9, 16},
                                     {4, 6},  {12, 16}, {16, 16}, {12, 24}, {16, 32}, {32, 32}};

constexpr ByteLayout kGuessed[] = {ByteLayout::Glcd, ByteLayout::Pages, ByteLayout::RowsMsb,
                                   ByteLayout::RowsLsb};

bool IsCodePage(long long characters) {
    return characters == 256 || characters == 128 || characters == 96 || characters == 95;
}

struct Ink {
    int width = 0;
    int height = 0;
    int heaviestColumn = -1;  // from the ink's left, -1 for none
    int heaviestRow = -1;     // from the ink's top
};

Ink InkOf(const Pattern& pattern) {
    const CellSize cell = pattern.Size();
    int top = cell.height, bottom = -1, left = cell.width, right = -1;
    for (int row = 0; row < cell.height; ++row) {
        for (int column = 0; column < cell.width; ++column) {
            if (pattern.Lit(row, column)) {
                top = std::min(top, row);
                bottom = std::max(bottom, row);
                left = std::min(left, column);
                right = std::max(right, column);
            }
        }
    }
    if (bottom < 0) {
        return {};
    }
    Ink ink{right - left + 1, bottom - top + 1};
    std::vector<int> columns(static_cast<std::size_t>(ink.width));
    std::vector<int> rows(static_cast<std::size_t>(ink.height));
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const int lit = pattern.Lit(row, column) ? 1 : 0;
            columns[static_cast<std::size_t>(column - left)] += lit;
            rows[static_cast<std::size_t>(row - top)] += lit;
        }
    }
    ink.heaviestColumn =
        static_cast<int>(std::max_element(columns.begin(), columns.end()) - columns.begin());
    ink.heaviestRow = static_cast<int>(std::max_element(rows.begin(), rows.end()) - rows.begin());
    return ink;
}

// How much a reading's letters look like letters: a '-' wider than tall, an 'I' taller than
// wide, an 'L' and an 'F' with their stems on the left, the 'L' heaviest at the bottom and
// the 'F' at the top. A transposed or mirrored reading fails some of them.
int Shapeliness(const CharacterSet& set) {
    const auto ink = [&set](int code) {
        const SetCharacter* found = set.Find(code);
        return found != nullptr ? InkOf(found->pattern) : Ink{};
    };
    const Ink dash = ink('-'), stem = ink('I'), l = ink('L'), f = ink('F');
    int score = 0;
    score += dash.width > dash.height ? 1 : 0;
    score += stem.height > stem.width ? 1 : 0;
    for (const Ink& letter : {l, f}) {
        score += letter.heaviestColumn >= 0 && letter.heaviestColumn < letter.width / 2 ? 1 : 0;
    }
    score += l.heaviestRow >= 0 && l.heaviestRow >= l.height / 2 ? 1 : 0;
    score += f.heaviestRow >= 0 && f.heaviestRow < f.height / 2 ? 1 : 0;
    return score;
}

std::string Option(std::string_view name, const std::string& value) {
    return "--" + std::string(name) + " " + value;
}

}  // namespace

std::string GuessedReading(std::string_view text, std::optional<int> firstCode) {
    const ValueScanner scanner(text);
    const TableBytes bytes = BytesOfTable(scanner);
    if (!bytes.error.empty() || bytes.array.values.empty()) {
        return {};
    }
    const auto count = static_cast<long long>(bytes.array.values.size());
    for (const CellSize cell : kCommonCells) {
        struct Reading {
            ByteLayout layout;
            int shapeliness;
        };
        std::vector<Reading> readings;
        long long characters = 0;
        int first = 0;
        for (const ByteLayout layout : kGuessed) {
            const int each = FixedBytes(cell, layout);
            if (count % each != 0 || !IsCodePage(count / each)) {
                continue;
            }
            characters = count / each;
            first = firstCode.value_or(characters >= 128 ? 0 : 32);
            const ParsedSet read = ReadTable(text, {layout, cell, first});
            if (read.set) {
                readings.push_back({layout, Shapeliness(*read.set)});
            }
        }
        if (readings.empty()) {
            continue;
        }
        std::stable_sort(readings.begin(), readings.end(), [](const Reading& a, const Reading& b) {
            return a.shapeliness > b.shapeliness;
        });
        std::string said = "; it reads as " + Counted(characters, ToString(cell) + " character") +
                           " from code " + std::to_string(first) + ": " +
                           Option("size", ToString(cell)) + " " +
                           Option("first", std::to_string(first)) + " " +
                           Option("from", std::string(InfoOf(readings.front().layout).name));
        std::vector<std::string_view> others;
        for (std::size_t i = 1; i < readings.size(); ++i) {
            others.push_back(InfoOf(readings[i].layout).name);
        }
        if (!others.empty()) {
            said += " (" + JoinedWithOr(others) + (others.size() == 1 ? " reads" : " read") +
                    " it too)";
        }
        return said;
    }
    return {};
}

std::string CodePageNote(const CharacterSet& set) {
    return "read as codes 0 to " + std::to_string(set.Characters().rbegin()->first) +
           ", a whole code page, as the table names no first code; --first says otherwise";
}

std::string WithNote(const std::string& note, const std::string& more) {
    return note.empty() ? more : more.empty() ? note : note + "; " + more;
}

bool IsCodePageFrom(const CharacterSet& set, int first) {
    if (set.IsEmpty() || set.Characters().begin()->first < first) {
        return false;
    }
    const long long slots = static_cast<long long>(set.Characters().rbegin()->first) - first + 1;
    return slots == 256 || slots == 128;
}

}  // namespace zrl

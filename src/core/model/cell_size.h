#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrl {

// The size of a character cell in dots, each side from 1 to 255, 5x7 unless said otherwise.
// Cells are counted row by row from the top left: index = row * width + column.
struct CellSize {
    static constexpr int kLargest = 255;

    int width = 5;
    int height = 7;

    constexpr int Cells() const { return width * height; }
    constexpr int Index(int row, int column) const { return row * width + column; }
    constexpr int RowOf(int index) const { return index / width; }
    constexpr int ColumnOf(int index) const { return index % width; }
    constexpr bool IsSquare() const { return width == height; }

    static constexpr bool IsValid(int width, int height) {
        return width >= 1 && width <= kLargest && height >= 1 && height <= kLargest;
    }

    constexpr bool operator==(const CellSize&) const = default;
};

inline constexpr CellSize kDefaultSize{};

// "8x16".
std::string ToString(CellSize size);
// "a 5x7", "an 8x16", "an 11x11": the size with the article it is read with.
std::string WithArticle(CellSize size);
// "8x16" or "8X16", each side 1 to 255; anything else is none.
std::optional<CellSize> ParseCellSize(std::string_view text);

}  // namespace zrl

#include "drawing.h"

#include <algorithm>
#include <cstdlib>

namespace zrl {

std::vector<int> LineCells(CellSize size, int from, int to) {
    int row = size.RowOf(from), column = size.ColumnOf(from);
    const int lastRow = size.RowOf(to), lastColumn = size.ColumnOf(to);
    const int across = std::abs(lastColumn - column), down = -std::abs(lastRow - row);
    const int stepColumn = column < lastColumn ? 1 : -1, stepRow = row < lastRow ? 1 : -1;
    int error = across + down;
    std::vector<int> cells;
    cells.reserve(static_cast<std::size_t>(std::max(across, -down) + 1));
    while (true) {
        cells.push_back(size.Index(row, column));
        if (row == lastRow && column == lastColumn) {
            return cells;
        }
        const int twice = 2 * error;
        if (twice >= down) {
            error += down;
            column += stepColumn;
        }
        if (twice <= across) {
            error += across;
            row += stepRow;
        }
    }
}

std::vector<int> RectangleCells(CellSize size, int corner, int opposite, bool filled) {
    const int top = std::min(size.RowOf(corner), size.RowOf(opposite));
    const int bottom = std::max(size.RowOf(corner), size.RowOf(opposite));
    const int left = std::min(size.ColumnOf(corner), size.ColumnOf(opposite));
    const int right = std::max(size.ColumnOf(corner), size.ColumnOf(opposite));
    std::vector<int> cells;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const bool edge = row == top || row == bottom || column == left || column == right;
            if (filled || edge) {
                cells.push_back(size.Index(row, column));
            }
        }
    }
    return cells;
}

std::vector<int> RegionCells(const CharacterGrid& grid, int start) {
    const CellSize size = grid.Size();
    const bool lit = grid.IsLit(start);
    std::vector<bool> seen(static_cast<std::size_t>(size.Cells()));
    std::vector<int> cells;
    std::vector<int> next{start};
    seen[static_cast<std::size_t>(start)] = true;
    while (!next.empty()) {
        const int cell = next.back();
        next.pop_back();
        cells.push_back(cell);
        const int row = size.RowOf(cell), column = size.ColumnOf(cell);
        const int neighbours[][2] = {
            {row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
        for (const auto& [r, c] : neighbours) {
            if (r < 0 || c < 0 || r >= size.height || c >= size.width) {
                continue;
            }
            const auto index = static_cast<std::size_t>(size.Index(r, c));
            if (!seen[index] && grid.IsLit(static_cast<int>(index)) == lit) {
                seen[index] = true;
                next.push_back(static_cast<int>(index));
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

CharacterGrid Painted(const CharacterGrid& grid, const std::vector<int>& cells, bool lit) {
    CharacterGrid painted = grid;
    for (const int cell : cells) {
        if (painted.IsLit(cell) != lit) {
            painted.Toggle(cell);
        }
    }
    return painted;
}

bool Area::Contains(CellSize size, int cell) const {
    const int row = size.RowOf(cell), column = size.ColumnOf(cell);
    return row >= top && row < top + height && column >= left && column < left + width;
}

Area AreaSpanning(CellSize size, int corner, int opposite) {
    const int top = std::min(size.RowOf(corner), size.RowOf(opposite));
    const int left = std::min(size.ColumnOf(corner), size.ColumnOf(opposite));
    return {top, left, std::abs(size.ColumnOf(corner) - size.ColumnOf(opposite)) + 1,
            std::abs(size.RowOf(corner) - size.RowOf(opposite)) + 1};
}

Pattern DotsIn(const CharacterGrid& grid, const Area& area) {
    const CellSize size{area.width, area.height};
    Pattern dots(size);
    for (int row = 0; row < area.height; ++row) {
        for (int column = 0; column < area.width; ++column) {
            dots[static_cast<std::size_t>(size.Index(row, column))] =
                grid.IsLit(area.top + row, area.left + column);
        }
    }
    return dots;
}

CharacterGrid Placed(const CharacterGrid& grid, const Pattern& dots, int row, int column) {
    const CellSize size = grid.Size();
    std::vector<int> lit, unlit;
    for (int r = 0; r < dots.Size().height && row + r < size.height; ++r) {
        for (int c = 0; c < dots.Size().width && column + c < size.width; ++c) {
            (dots.Lit(r, c) ? lit : unlit).push_back(size.Index(row + r, column + c));
        }
    }
    return Painted(Painted(grid, unlit, false), lit, true);
}

CharacterGrid Cleared(const CharacterGrid& grid, const Area& area) {
    return Placed(grid, Pattern(CellSize{area.width, area.height}), area.top, area.left);
}

CharacterGrid WithShape(const CharacterGrid& grid, Shape shape, int pressed, int to) {
    const CellSize size = grid.Size();
    const std::vector<int> cells =
        shape == Shape::Line ? LineCells(size, pressed, to)
                             : RectangleCells(size, pressed, to, shape == Shape::FilledRectangle);
    return Painted(grid, cells, !grid.IsLit(pressed));
}

CharacterGrid FilledRegion(const CharacterGrid& grid, int cell) {
    return Painted(grid, RegionCells(grid, cell), !grid.IsLit(cell));
}

}  // namespace zrl

#pragma once

#include <vector>

#include "core/model/character_grid.h"
#include "core/model/pattern.h"

namespace zrl {

// The shapes the field's tools draw, as the cells they cover, and a grid with cells set.

// The cells of a straight line from one cell to another, both ends included, each step one
// cell across, down or diagonally (Bresenham's), so a line has no gaps and no doubled cells.
std::vector<int> LineCells(CellSize size, int from, int to);

// The cells of the rectangle two corner cells span: its edge, or the whole of it.
std::vector<int> RectangleCells(CellSize size, int corner, int opposite, bool filled);

// The cells reached from `start` through neighbours above, below, left and right that are
// lit exactly when it is: the region a fill changes.
std::vector<int> RegionCells(const CharacterGrid& grid, int start);

// The grid with the cells lit or unlit; a cell already so keeps its colour.
CharacterGrid Painted(const CharacterGrid& grid, const std::vector<int>& cells, bool lit);

// A rectangle of cells: the selection a field's dots are copied, cut, cleared and moved by.
struct Area {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;

    bool Contains(CellSize size, int cell) const;
    bool operator==(const Area&) const = default;
};

// The area two cells span, both included.
Area AreaSpanning(CellSize size, int corner, int opposite);
// The area's dots, as a pattern of its size.
Pattern DotsIn(const CharacterGrid& grid, const Area& area);
// The grid with the dots placed from the cell at (row, column) on; those past its edge are
// left out.
CharacterGrid Placed(const CharacterGrid& grid, const Pattern& dots, int row, int column);
// The grid with the area's cells unlit.
CharacterGrid Cleared(const CharacterGrid& grid, const Area& area);

enum class Shape { Line, Rectangle, FilledRectangle };

// The grid with the shape drawn from the cell pressed to the cell now under the pointer, in
// the state a click would give the cell pressed: the opposite of its own.
CharacterGrid WithShape(const CharacterGrid& grid, Shape shape, int pressed, int to);

// The grid with the region of the cell (RegionCells) turned to the other state.
CharacterGrid FilledRegion(const CharacterGrid& grid, int cell);

}  // namespace zrl

#pragma once

#include <vector>

#include "core/model/character_grid.h"

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

enum class Shape { Line, Rectangle, FilledRectangle };

// The grid with the shape drawn from the cell pressed to the cell now under the pointer, in
// the state a click would give the cell pressed: the opposite of its own.
CharacterGrid WithShape(const CharacterGrid& grid, Shape shape, int pressed, int to);

// The grid with the region of the cell (RegionCells) turned to the other state.
CharacterGrid FilledRegion(const CharacterGrid& grid, int cell);

}  // namespace zrl

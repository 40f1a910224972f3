#pragma once

#include <vector>

#include "core/model/character_grid.h"

namespace zrl {

// What a change of a grid changed: the cells whose colour differs, each with both colours,
// so that a step of a large field's history holds one cell for a click rather than two
// whole grids. Applied to the grid after it, it gives back the grid before, and the other
// way round.
class GridChange {
public:
    // Two grids of one size.
    GridChange(const CharacterGrid& before, const CharacterGrid& after);

    CharacterGrid Undone(CharacterGrid after) const;
    CharacterGrid Redone(CharacterGrid before) const;
    // This change followed by the next one, as one.
    void Then(const GridChange& next);

    std::size_t Cells() const { return cells_.size(); }

private:
    struct Cell {
        int index;
        OLE_COLOR before;
        OLE_COLOR after;
    };
    std::vector<Cell> cells_;  // by index
};

}  // namespace zrl

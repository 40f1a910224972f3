#include "grid_change.h"

#include <algorithm>

namespace zrl {

GridChange::GridChange(const CharacterGrid& before, const CharacterGrid& after) {
    const std::vector<OLE_COLOR>& was = before.Colours();
    const std::vector<OLE_COLOR>& is = after.Colours();
    for (std::size_t i = 0; i < std::min(was.size(), is.size()); ++i) {
        if (was[i] != is[i]) {
            cells_.push_back({static_cast<int>(i), was[i], is[i]});
        }
    }
}

CharacterGrid GridChange::Undone(CharacterGrid after) const {
    for (const Cell& cell : cells_) {
        after.SetColour(cell.index, cell.before);
    }
    return after;
}

CharacterGrid GridChange::Redone(CharacterGrid before) const {
    for (const Cell& cell : cells_) {
        before.SetColour(cell.index, cell.after);
    }
    return before;
}

// A cell both change keeps this one's colour before and takes the next one's after; one
// that comes back to its first colour is no change at all.
void GridChange::Then(const GridChange& next) {
    std::vector<Cell> merged;
    merged.reserve(cells_.size() + next.cells_.size());
    auto mine = cells_.begin();
    auto theirs = next.cells_.begin();
    while (mine != cells_.end() || theirs != next.cells_.end()) {
        if (theirs == next.cells_.end() || (mine != cells_.end() && mine->index < theirs->index)) {
            merged.push_back(*mine++);
        } else if (mine == cells_.end() || theirs->index < mine->index) {
            merged.push_back(*theirs++);
        } else {
            if (mine->before != theirs->after) {
                merged.push_back({mine->index, mine->before, theirs->after});
            }
            ++mine;
            ++theirs;
        }
    }
    cells_ = std::move(merged);
}

}  // namespace zrl

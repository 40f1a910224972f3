#include "stroke.h"

namespace zrl {

bool Stroke::MoveTo(int cell, CharacterGrid& grid) {
    bool changed = false;
    if (!started_ && cell != origin_) {
        started_ = true;
        grid.Toggle(origin_);
        lit_ = grid.IsLit(origin_);
        changed = true;
    }
    // A cell that already has the stroke's state keeps its colour: painting "unlit" over
    // the light grey first cell leaves it grey, as it is unlit already.
    if (started_ && cell != kNoCell && grid.IsLit(cell) != lit_) {
        grid.Toggle(cell);
        changed = true;
    }
    return changed;
}

}  // namespace zrl

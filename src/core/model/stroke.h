#pragma once

#include "core/model/character_grid.h"

namespace zrl {

inline constexpr int kNoCell = -1;

// A drag across the field. The cell pressed first toggles as the pointer leaves it; every
// cell the pointer enters after that takes the same state, lit or unlit. A press that
// never leaves its cell is not a stroke at all, but a plain click.
class Stroke {
public:
    explicit Stroke(int origin) : origin_(origin) {}

    // The pointer is now over `cell`, or over no cell (kNoCell). Paints `grid` and says
    // whether anything changed.
    bool MoveTo(int cell, CharacterGrid& grid);

    bool Started() const { return started_; }

private:
    int origin_;
    bool started_ = false;
    bool lit_ = false;
};

}  // namespace zrl

#pragma once

#include "core/model/character_grid.h"

namespace zrl {

// Moves of the whole pattern. Each one only rearranges the cell colours, wrapping at
// the edges, so no dot and no colour is ever lost and each is undone by its opposite.
enum class Transform {
    ShiftLeft,
    ShiftRight,
    ShiftUp,
    ShiftDown,
    MirrorLeftRight,
    FlipTopBottom,
};

inline constexpr Transform kAllTransforms[] = {
    Transform::ShiftLeft, Transform::ShiftRight,      Transform::ShiftUp,
    Transform::ShiftDown, Transform::MirrorLeftRight, Transform::FlipTopBottom,
};

// The cell whose colour lands on cell `index` of a cell of this size (5x7 if not said).
int SourceCell(CellSize size, Transform transform, int index);
int SourceCell(Transform transform, int index);

CharacterGrid Transformed(const CharacterGrid& grid, Transform transform);

// The transform that puts every colour back where it was.
Transform Opposite(Transform transform);

}  // namespace zrl

#pragma once

#include "core/model/drawing.h"

namespace zrl {

// A drag drawing a shape from the cell pressed. Wherever the pointer is, the shape is drawn
// afresh on the grid as it was at the press, so that the pieces of one drag make one step.
class ShapeDrag {
public:
    ShapeDrag(Shape shape, int pressed, CharacterGrid before)
        : shape_(shape), pressed_(pressed), before_(std::move(before)) {}

    Shape Kind() const { return shape_; }
    // The grid with the shape drawn from the cell pressed to this one.
    CharacterGrid To(int cell) const;

private:
    Shape shape_;
    int pressed_;
    CharacterGrid before_;
};

}  // namespace zrl

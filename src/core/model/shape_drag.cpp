#include "shape_drag.h"

namespace zrl {

CharacterGrid ShapeDrag::To(int cell) const {
    return WithShape(before_, shape_, pressed_, cell);
}

}  // namespace zrl

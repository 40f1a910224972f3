#include "transforms.h"

namespace zrl {

int SourceCell(Transform transform, int index) {
    const int row = RowOf(index);
    const int column = ColumnOf(index);
    switch (transform) {
        case Transform::ShiftLeft:
            return CellIndex(row, (column + 1) % kColumns);
        case Transform::ShiftRight:
            return CellIndex(row, (column + kColumns - 1) % kColumns);
        case Transform::ShiftUp:
            return CellIndex((row + 1) % kRows, column);
        case Transform::ShiftDown:
            return CellIndex((row + kRows - 1) % kRows, column);
        case Transform::MirrorLeftRight:
            return CellIndex(row, kColumns - 1 - column);
        case Transform::FlipTopBottom:
            return CellIndex(kRows - 1 - row, column);
    }
    return index;
}

CharacterGrid Transformed(const CharacterGrid& grid, Transform transform) {
    CharacterGrid result;
    for (int i = 0; i < kCellCount; ++i) {
        result.SetColour(i, grid.Colour(SourceCell(transform, i)));
    }
    return result;
}

Transform Opposite(Transform transform) {
    switch (transform) {
        case Transform::ShiftLeft:
            return Transform::ShiftRight;
        case Transform::ShiftRight:
            return Transform::ShiftLeft;
        case Transform::ShiftUp:
            return Transform::ShiftDown;
        case Transform::ShiftDown:
            return Transform::ShiftUp;
        case Transform::MirrorLeftRight:
        case Transform::FlipTopBottom:
            return transform;
    }
    return transform;
}

}  // namespace zrl

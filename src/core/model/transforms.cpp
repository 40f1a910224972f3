#include "transforms.h"

namespace zrl {

int SourceCell(CellSize size, Transform transform, int index) {
    const int row = size.RowOf(index);
    const int column = size.ColumnOf(index);
    const int columns = size.width;
    const int rows = size.height;
    switch (transform) {
        case Transform::ShiftLeft:
            return size.Index(row, (column + 1) % columns);
        case Transform::ShiftRight:
            return size.Index(row, (column + columns - 1) % columns);
        case Transform::ShiftUp:
            return size.Index((row + 1) % rows, column);
        case Transform::ShiftDown:
            return size.Index((row + rows - 1) % rows, column);
        case Transform::MirrorLeftRight:
            return size.Index(row, columns - 1 - column);
        case Transform::FlipTopBottom:
            return size.Index(rows - 1 - row, column);
    }
    return index;
}

int SourceCell(Transform transform, int index) {
    return SourceCell(kDefaultSize, transform, index);
}

CharacterGrid Transformed(const CharacterGrid& grid, Transform transform) {
    const CellSize size = grid.Size();
    CharacterGrid result(size);
    for (int i = 0; i < size.Cells(); ++i) {
        result.SetColour(i, grid.Colour(SourceCell(size, transform, i)));
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

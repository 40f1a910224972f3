#include "field_selection.h"

#include <QKeyEvent>
#include <algorithm>

namespace zrl {

std::optional<int> ArrowStep(CellSize size, int cell, int key) {
    int row = size.RowOf(cell);
    int column = size.ColumnOf(cell);
    switch (key) {
        case Qt::Key_Left:
            column = std::max(0, column - 1);
            break;
        case Qt::Key_Right:
            column = std::min(size.width - 1, column + 1);
            break;
        case Qt::Key_Up:
            row = std::max(0, row - 1);
            break;
        case Qt::Key_Down:
            row = std::min(size.height - 1, row + 1);
            break;
        default:
            return std::nullopt;
    }
    return size.Index(row, column);
}

void FieldSelection::Follow(CellSize size) {
    if (size != size_) {
        area_.reset();
        move_.reset();
        dragging_ = false;
        size_ = size;
    }
}

void FieldSelection::CursorMoved(CellSize size, int from, int to, bool extending) {
    if (!extending) {
        area_.reset();
        return;
    }
    if (!area_) {
        anchor_ = from;
    }
    area_ = AreaSpanning(size, anchor_, to);
}

bool FieldSelection::TakesKey(const QKeyEvent* event) const {
    if (event->matches(QKeySequence::Paste)) {
        return copied_.has_value();
    }
    return area_ && (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Copy) ||
                     event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Delete));
}

// With nothing copied here, Ctrl+V is left to the field's own paste of text.
std::optional<FieldSelection::Edit> FieldSelection::Key(const QKeyEvent* event,
                                                        const CharacterGrid& grid, int cursor) {
    const CellSize size = grid.Size();
    if (event->matches(QKeySequence::Paste) && copied_) {
        return Edit{Placed(grid, *copied_, size.RowOf(cursor), size.ColumnOf(cursor)),
                    QStringLiteral("Paste")};
    }
    if (!area_) {
        return std::nullopt;
    }
    if (event->key() == Qt::Key_Escape) {
        area_.reset();
        return std::nullopt;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        copied_ = DotsIn(grid, *area_);
    }
    if (event->matches(QKeySequence::Cut)) {
        return Edit{Cleared(grid, *area_), QStringLiteral("Cut")};
    }
    if (event->matches(QKeySequence::Delete)) {
        return Edit{Cleared(grid, *area_), QStringLiteral("Clear Area")};
    }
    return std::nullopt;
}

bool FieldSelection::Press(const CharacterGrid& grid, int cell, bool selects) {
    if (!selects) {
        area_.reset();
        return false;
    }
    dragging_ = true;
    if (area_ && area_->Contains(grid.Size(), cell)) {
        move_ = Move{cell, *area_, DotsIn(grid, *area_), grid};
        return true;
    }
    anchor_ = cell;
    area_ = AreaSpanning(grid.Size(), cell, cell);
    return true;
}

// Moved dots stay whole inside the field: the area stops at its edges.
std::optional<FieldSelection::Edit> FieldSelection::DragTo(CellSize size, int cell) {
    if (!move_) {
        area_ = AreaSpanning(size, anchor_, cell);
        return std::nullopt;
    }
    const Area& from = move_->area;
    const int row = std::clamp(from.top + size.RowOf(cell) - size.RowOf(move_->pressed), 0,
                               size.height - from.height);
    const int column = std::clamp(from.left + size.ColumnOf(cell) - size.ColumnOf(move_->pressed),
                                  0, size.width - from.width);
    area_ = Area{row, column, from.width, from.height};
    return Edit{Placed(Cleared(move_->before, from), move_->dots, row, column),
                QStringLiteral("Move")};
}

}  // namespace zrl

#pragma once

#include <Qt>
#include <array>
#include <iterator>
#include <optional>
#include <vector>

#include "core/model/drawing.h"
#include "core/model/transforms.h"

class QAction;
class QString;
class QMenu;
class QUndoGroup;
class QWidget;

namespace zrl {

// The field's commands as actions of the editor window: undo and redo, paste and the C
// copies, the shifts, mirror and flip, Clear and Negative, and the character set. Their shortcuts
// work wherever the focus is in the window, and the cells' context menu shows the same actions, so
// the menu, the keys and what a screen reader reads always agree.
class FieldActions {
public:
    FieldActions(QWidget* window, QUndoGroup* histories);

    QAction* Of(Transform transform) const;

    // Undo and redo follow the active history: disabled with nothing to undo or redo, and
    // named after the step they would take back or do again.
    QAction* undo;
    QAction* redo;
    QAction* paste;
    QAction* copyCColumns;
    QAction* copyCRows;
    std::array<QAction*, std::size(kAllTransforms)> transforms;
    QAction* clear;
    QAction* negative;
    // The drawing tools of fields of 8x8 and up: a fill of the region at a cell, and what a
    // drag draws (strokes, lines, rectangles or filled ones; Shift, Ctrl and Ctrl+Shift
    // draw those three whatever is chosen), or an area chosen to copy, cut, clear and move.
    QAction* fill;
    QMenu* drawMenu;
    std::vector<QAction*> drags;

    // Tools on or off with the field's size; the shape a drag with these keys held draws,
    // none for strokes.
    void EnableTools(bool enabled);
    std::optional<Shape> DragShape(Qt::KeyboardModifiers modifiers) const;
    // Whether a drag with these keys held chooses an area of the field (on the canvas).
    bool DragSelects(Qt::KeyboardModifiers modifiers) const;
    // The field's size: the common ones (the size in each action's data) and any other.
    QMenu* sizeMenu;
    std::vector<QAction*> sizes;
    QAction* otherSize;
    // The character set beside the editor, and its files.
    QAction* characterSet;
    QAction* openSet;
    QAction* saveSet;
    QAction* saveSetAs;

    // The cells' context menu.
    QMenu* menu;

private:
    void AddDrawing(QWidget* window);

    QAction* toolsEnd_ = nullptr;
};

// "Line", "Rectangle", "Filled Rectangle": the step a drag drawing the shape is.
QString ShapeText(Shape shape);

}  // namespace zrl

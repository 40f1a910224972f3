#include "cell_input.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "cell_field.h"
#include "field_canvas.h"
#include "main_window.h"
#include "platform/colour_button.h"
#include "platform/runtime_error.h"
#include "platform/text_box.h"
#include "selection_frame.h"

namespace zrl {

CellInput::CellInput(FrmMain& editor, QObject* parent)
    : QObject(parent), editor_(editor), frame_(new SelectionFrame(&editor)) {}

void CellInput::LetGoSelection() {
    selection_.LetGo();
    frame_->Surround({});
}

bool CellInput::ToolsOn() const {
    return editor_.Actions().fill->isEnabled();
}

void CellInput::ShowSelection() {
    const std::optional<Area>& area = selection_.Chosen();
    const CellSize size = editor_.Grid().Size();
    if (!area || editor_.Cmd.size() != static_cast<std::size_t>(size.Cells())) {
        frame_->Surround({});
        return;
    }
    const int last = size.Index(area->top + area->height - 1, area->left + area->width - 1);
    frame_->Surround(
        Cell(size.Index(area->top, area->left))->geometry().united(Cell(last)->geometry()));
}

void CellInput::Attach(FieldCanvas* canvas) {
    connect(canvas, &FieldCanvas::Clicked, this, [this](int index) {
        RunHandler(&editor_, [this, index] { editor_.ToggleCell(index); });
    });
    canvas->SetSelecting(
        [this](Qt::KeyboardModifiers keys) { return editor_.Actions().DragSelects(keys); });
    canvas->SetShapes(
        [this](Qt::KeyboardModifiers keys) { return editor_.Actions().DragShape(keys); });
    connect(canvas, &FieldCanvas::Drawn, this,
            [this](const CharacterGrid& after, int stroke, const QString& text) {
                RunHandler(&editor_, [&] { editor_.Edit(after, text, stroke); });
            });
    connect(canvas, &FieldCanvas::PasteAsked, this,
            [this] { RunHandler(&editor_, [this] { editor_.PasteIntoField(); }); });
    connect(canvas, &FieldCanvas::MenuAsked, this,
            [this, canvas](int index, std::optional<QPoint> globalPosition) {
                const QRect cell = canvas->CellRect(index);
                editor_.Actions().menu->popup(
                    globalPosition.value_or(canvas->viewport()->mapToGlobal(cell.center())));
            });
}

ColourButton* CellInput::Cell(int index) const {
    return editor_.Cmd[static_cast<std::size_t>(index)];
}

int CellInput::CellOf(const QObject* widget) const {
    const int index = editor_.Field().IndexOf(widget);
    return index >= 0 ? index : kNoCell;
}

// Neighbouring cells overlap by a pixel; the later one is on top, as it is painted last.
int CellInput::CellAt(QPoint globalPosition) const {
    const QPoint at = editor_.mapFromGlobal(globalPosition);
    for (int i = static_cast<int>(editor_.Cmd.size()) - 1; i >= 0; --i) {
        if (Cell(i)->geometry().contains(at)) {
            return i;
        }
    }
    return kNoCell;
}

bool CellInput::eventFilter(QObject* watched, QEvent* event) {
    const int cell = CellOf(watched);
    if (cell != kNoCell) {
        switch (event->type()) {
            case QEvent::FocusIn:
                editor_.field_->MakeTabStop(cell);
                break;
            case QEvent::KeyPress:
                return HandleKey(cell, static_cast<QKeyEvent*>(event));
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::MouseButtonRelease:
                return HandleMouse(cell, static_cast<QMouseEvent*>(event));
            case QEvent::ContextMenu: {
                const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
                ShowFieldMenu(cell, menuEvent->reason() == QContextMenuEvent::Mouse
                                        ? std::optional(menuEvent->globalPos())
                                        : std::nullopt);
                return true;
            }
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// Arrows walk the field in two dimensions and stop at its edges. Space toggles the cell
// and keeps the focus on it, so a pattern can be drawn from the keyboard alone. The Menu
// key and Shift+F10 open the context menu at the cell.
bool CellInput::HandleKey(int index, const QKeyEvent* event) {
    if (HandleSelectionKey(index, event)) {
        return true;
    }
    const CellSize size = editor_.Grid().Size();
    if (const std::optional<int> to = ArrowStep(size, index, event->key())) {
        selection_.Follow(size);
        selection_.CursorMoved(size, index, *to,
                               ToolsOn() && (event->modifiers() & Qt::ShiftModifier) != 0);
        ShowSelection();
        Cell(*to)->setFocus(Qt::TabFocusReason);
        return true;
    }
    switch (event->key()) {
        case Qt::Key_Space:
            RunHandler(&editor_, [this, index] { editor_.ToggleCell(index); });
            return true;
        case Qt::Key_F10:
            if (event->modifiers() != Qt::ShiftModifier) {
                return false;
            }
            [[fallthrough]];
        case Qt::Key_Menu:
            ShowFieldMenu(index, std::nullopt);
            return true;
        case Qt::Key_V:
            // Ctrl+V on a cell pastes into the field; in the listing it pastes text.
            if (event->matches(QKeySequence::Paste)) {
                RunHandler(&editor_, [this] { editor_.PasteIntoField(); });
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool CellInput::HandleSelectionKey(int index, const QKeyEvent* event) {
    selection_.Follow(editor_.Grid().Size());
    if (!ToolsOn() || !selection_.TakesKey(event)) {
        return false;
    }
    if (const std::optional<FieldSelection::Edit> edit =
            selection_.Key(event, editor_.Grid(), index)) {
        RunHandler(&editor_, [&] { editor_.Edit(edit->after, edit->text, ++strokeCount_); });
    }
    ShowSelection();
    return true;
}

// A press that stays on its cell is left to the button, so its release is the plain
// click it always was. Once the pointer leaves the cell the press becomes a stroke: the
// stroke paints as the pointer goes, and its release is no click. A press soon after a
// click arrives as a double-click; the button takes it as a press, and so does a stroke.
bool CellInput::HandleMouse(int index, const QMouseEvent* event) {
    if (HandleShape(index, event) || HandleSelection(index, event)) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (event->button() == Qt::LeftButton) {
            stroke_.emplace(index);
            ++strokeCount_;
        }
        return false;
    }
    if (!stroke_) {
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        CharacterGrid after = editor_.Grid();
        if (stroke_->MoveTo(CellAt(event->globalPosition().toPoint()), after)) {
            RunHandler(&editor_,
                       [&] { editor_.Edit(after, QStringLiteral("Drawing"), strokeCount_); });
        }
        if (stroke_->Started()) {
            Cell(index)->setDown(false);
        }
        return stroke_->Started();
    }
    if (event->button() != Qt::LeftButton) {
        return false;
    }
    const bool drawn = stroke_->Started();
    stroke_.reset();
    if (drawn) {
        editor_.TxtOutput->SetFocus();
    }
    return drawn;
}

// A press with a shape's keys held, or with a shape chosen for drags, draws the shape from
// the cell pressed to the cell under the pointer, afresh from the field as it was at the
// press: one step however far it goes. The button never sees the press, so no click.
bool CellInput::HandleShape(int index, const QMouseEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && event->button() == Qt::LeftButton) {
        const std::optional<Shape> shape = editor_.Actions().DragShape(event->modifiers());
        if (!shape) {
            return false;
        }
        shape_.emplace(*shape, index, editor_.Grid());
        ++strokeCount_;
    } else if (!shape_ ||
               (event->type() == QEvent::MouseButtonRelease && event->button() != Qt::LeftButton)) {
        return false;
    }
    const int cell = press ? index : CellAt(event->globalPosition().toPoint());
    if (cell != kNoCell) {
        const CharacterGrid after = shape_->To(cell);
        RunHandler(&editor_, [&] { editor_.Edit(after, ShapeText(shape_->Kind()), strokeCount_); });
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        shape_.reset();
    }
    return true;
}

// Where drags select, a press chooses an area or takes hold of the chosen one; the button
// never sees it, so no click.
bool CellInput::HandleSelection(int index, const QMouseEvent* event) {
    selection_.Follow(editor_.Grid().Size());
    if (!ToolsOn()) {
        return false;
    }
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && event->button() == Qt::LeftButton) {
        ++strokeCount_;
        const bool taken = selection_.Press(editor_.Grid(), index,
                                            editor_.Actions().DragSelects(event->modifiers()));
        ShowSelection();
        return taken;
    }
    if (!selection_.Dragging()) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        selection_.Release();
        return true;
    }
    const int cell = CellAt(event->globalPosition().toPoint());
    if (cell != kNoCell) {
        if (const std::optional<FieldSelection::Edit> moved =
                selection_.DragTo(editor_.Grid().Size(), cell)) {
            RunHandler(&editor_, [&] { editor_.Edit(moved->after, moved->text, strokeCount_); });
        }
        ShowSelection();
    }
    return true;
}

// By mouse the menu opens at the pointer; by keyboard, over the cell.
void CellInput::ShowFieldMenu(int index, std::optional<QPoint> globalPosition) {
    stroke_.reset();
    shape_.reset();
    // The menu's Fill works on the cell it opened at.
    if (editor_.Actions().fill->isEnabled()) {
        Cell(index)->setFocus(Qt::OtherFocusReason);
    }
    const QWidget* cell = Cell(index);
    editor_.Actions().menu->popup(
        globalPosition.value_or(cell->mapToGlobal(cell->rect().center())));
}

}  // namespace zrl

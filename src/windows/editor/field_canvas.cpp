#include "field_canvas.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "field_actions.h"
#include "field_canvas_accessible.h"
#include "platform/ole_color.h"

namespace zrl {

namespace {

constexpr int kGridFromZoom = 4;

}  // namespace

FieldCanvas::FieldCanvas(QWidget* parent) : QAbstractScrollArea(parent) {
    static const bool installed = (QAccessible::installFactory(FieldCanvasAccessible), true);
    (void)installed;
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Field"));
}

void FieldCanvas::Show(const CharacterGrid& grid) {
    const bool resized = grid.Size() != grid_.Size() || image_.isNull();
    const CharacterGrid before = std::exchange(grid_, grid);
    const CellSize size = grid.Size();
    if (resized) {
        image_ = QImage(size.width, size.height, QImage::Format_RGB32);
        cursor_ = std::min(cursor_, size.Cells() - 1);
        selection_.Follow(size);
    }
    const QPalette& colours = palette();
    for (int i = 0; i < size.Cells(); ++i) {
        if (resized || before.Colour(i) != grid.Colour(i)) {
            image_.setPixelColor(size.ColumnOf(i), size.RowOf(i),
                                 ToQColor(grid.IsLit(i) ? LitColour : UnlitColour, colours));
        }
    }
    if (resized) {
        Fit();
    }
    viewport()->update();
}

void FieldCanvas::SetRoom(QSize room) {
    room_ = room;
    Fit();
}

int FieldCanvas::FittingZoom() const {
    const CellSize size = grid_.Size();
    return std::clamp(std::min(room_.width() / size.width, room_.height() / size.height), 1,
                      kLargestZoom);
}

void FieldCanvas::Fit() {
    SetZoom(FittingZoom());
}

// Zooming keeps the cursor's cell in view.
void FieldCanvas::SetZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, kLargestZoom);
    UpdateScrollBars();
    ShowCursor();
    viewport()->update();
}

// A field that fits the view without scroll bars has none, whatever showed them before.
void FieldCanvas::UpdateScrollBars() {
    const QSize field(grid_.Size().width * zoom_, grid_.Size().height * zoom_);
    const QSize largest = maximumViewportSize();
    const bool fits = field.width() <= largest.width() && field.height() <= largest.height();
    const QSize view = fits ? largest : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, field.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, field.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(zoom_);
    verticalScrollBar()->setSingleStep(zoom_);
}

void FieldCanvas::SetCursor(int index) {
    if (index < 0 || index >= grid_.Size().Cells()) {
        return;
    }
    const QRect before = CellRect(cursor_);
    cursor_ = index;
    ShowCursor();
    viewport()->update(before.adjusted(-2, -2, 2, 2));
    viewport()->update(CellRect(cursor_).adjusted(-2, -2, 2, 2));
    emit CursorMoved(cursor_);
}

void FieldCanvas::ShowCursor() {
    const QRect cell = CellRect(cursor_);
    const QRect view = viewport()->rect();
    if (cell.left() < view.left()) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cell.left());
    } else if (cell.right() > view.right()) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cell.right() -
                                        view.right());
    }
    if (cell.top() < view.top()) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.top());
    } else if (cell.bottom() > view.bottom()) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.bottom() - view.bottom());
    }
}

// A field smaller than the view stands at its top left, as the field of buttons does.
QRect FieldCanvas::CellRect(int index) const {
    const CellSize size = grid_.Size();
    return {size.ColumnOf(index) * zoom_ - horizontalScrollBar()->value(),
            size.RowOf(index) * zoom_ - verticalScrollBar()->value(), zoom_, zoom_};
}

int FieldCanvas::CellAt(QPoint point) const {
    const CellSize size = grid_.Size();
    const int x = point.x() + horizontalScrollBar()->value();
    const int y = point.y() + verticalScrollBar()->value();
    if (x < 0 || y < 0 || x >= size.width * zoom_ || y >= size.height * zoom_) {
        return kNoCell;
    }
    return size.Index(y / zoom_, x / zoom_);
}

int FieldCanvas::NearestCell(QPoint point) const {
    const CellSize size = grid_.Size();
    const int x = point.x() + horizontalScrollBar()->value();
    const int y = point.y() + verticalScrollBar()->value();
    return size.Index(std::clamp(y / zoom_, 0, size.height - 1),
                      std::clamp(x / zoom_, 0, size.width - 1));
}

void FieldCanvas::SetShapes(
    std::function<std::optional<zrl::Shape>(Qt::KeyboardModifiers)> shapeFor) {
    shapeFor_ = std::move(shapeFor);
}

void FieldCanvas::SetSelecting(std::function<bool(Qt::KeyboardModifiers)> selects) {
    selects_ = std::move(selects);
}

// The shape to the cell the pointer is nearest; outside the field, to its nearest edge.
void FieldCanvas::DrawShapeTo(QPoint point) {
    emit Drawn(shape_->To(NearestCell(point)), strokes_, ShapeText(shape_->Kind()));
}

void FieldCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().window());
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const CellSize size = grid_.Size();
    // Only the dots the exposed area shows, each drawn as a square of the zoom's side.
    const QRect exposed = event->rect().translated(offset);
    const QRect dots = QRect(exposed.left() / zoom_, exposed.top() / zoom_,
                             exposed.width() / zoom_ + 2, exposed.height() / zoom_ + 2)
                           .intersected(QRect(0, 0, size.width, size.height));
    if (dots.isEmpty()) {
        return;
    }
    painter.drawImage(QRect(dots.topLeft() * zoom_ - offset, dots.size() * zoom_), image_, dots);
    if (zoom_ >= kGridFromZoom) {
        PaintGrid(painter, dots);
    }
    if (const std::optional<Area>& chosen = selection_.Chosen()) {
        const QRect area(QPoint(chosen->left, chosen->top) * zoom_ - offset,
                         QSize(chosen->width, chosen->height) * zoom_);
        painter.setPen(QPen(palette().highlight().color(), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(CellRect(cursor_).adjusted(1, 1, -1, -1));
    }
}

void FieldCanvas::PaintGrid(QPainter& painter, QRect dots) const {
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.setPen(palette().mid().color());
    const int left = dots.left() * zoom_ - offset.x();
    const int right = (dots.right() + 1) * zoom_ - offset.x();
    const int top = dots.top() * zoom_ - offset.y();
    const int bottom = (dots.bottom() + 1) * zoom_ - offset.y();
    for (int column = dots.left(); column <= dots.right() + 1; ++column) {
        const int x = column * zoom_ - offset.x();
        painter.drawLine(x, top, x, bottom);
    }
    for (int row = dots.top(); row <= dots.bottom() + 1; ++row) {
        const int y = row * zoom_ - offset.y();
        painter.drawLine(left, y, right, y);
    }
}

void FieldCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

bool FieldCanvas::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        contextMenuEvent(static_cast<QContextMenuEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// A press that stays on its cell is a plain click on release; once the pointer leaves the
// cell the press is a stroke, painting as the pointer goes.
void FieldCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = CellAt(event->position().toPoint());
    if (pressed_ == kNoCell) {
        return;
    }
    ++strokes_;
    const bool selects = selects_ && selects_(event->modifiers());
    const bool taken = selection_.Press(grid_, pressed_, selects);
    viewport()->update();
    if (taken) {
        return;
    }
    SetCursor(pressed_);
    if (const std::optional<zrl::Shape> shape =
            shapeFor_ ? shapeFor_(event->modifiers()) : std::nullopt) {
        shape_.emplace(*shape, pressed_, grid_);
        DrawShapeTo(event->position().toPoint());
        return;
    }
    stroke_.emplace(pressed_);
}

void FieldCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (selection_.Dragging()) {
        const std::optional<FieldSelection::Edit> moved =
            selection_.DragTo(grid_.Size(), NearestCell(event->position().toPoint()));
        if (moved) {
            emit Drawn(moved->after, strokes_, moved->text);
        }
        viewport()->update();
        return;
    }
    if (shape_) {
        DrawShapeTo(event->position().toPoint());
        return;
    }
    if (!stroke_) {
        return;
    }
    CharacterGrid after = grid_;
    if (stroke_->MoveTo(CellAt(event->position().toPoint()), after)) {
        emit Drawn(after, strokes_, QStringLiteral("Drawing"));
    }
}

void FieldCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && selection_.Dragging()) {
        selection_.Release();
        return;
    }
    if (event->button() == Qt::LeftButton && shape_) {
        DrawShapeTo(event->position().toPoint());
        shape_.reset();
        return;
    }
    if (event->button() != Qt::LeftButton || !stroke_) {
        return;
    }
    const bool drawn = stroke_->Started();
    stroke_.reset();
    if (!drawn && CellAt(event->position().toPoint()) == pressed_) {
        emit Clicked(pressed_);
    }
}

void FieldCanvas::wheelEvent(QWheelEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) {
        SetZoom(steps > 0 ? zoom_ + std::max(1, zoom_ / 4) * steps
                          : zoom_ - std::max(1, zoom_ / 5) * -steps);
    }
}

void FieldCanvas::keyPressEvent(QKeyEvent* event) {
    if (HandleZoomKey(event) || HandleSelectionKey(event) || HandleCursorKey(event)) {
        return;
    }
    if (event->key() == Qt::Key_Space) {
        emit Clicked(cursor_);
    } else if (event->key() == Qt::Key_Menu ||
               (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        emit MenuAsked(cursor_, std::nullopt);
    } else if (event->matches(QKeySequence::Paste)) {
        emit PasteAsked();
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool FieldCanvas::HandleZoomKey(const QKeyEvent* event) {
    if (event->matches(QKeySequence::ZoomIn) ||
        (event->modifiers() & Qt::ControlModifier && event->key() == Qt::Key_Equal)) {
        SetZoom(zoom_ + std::max(1, zoom_ / 4));
    } else if (event->matches(QKeySequence::ZoomOut)) {
        SetZoom(zoom_ - std::max(1, zoom_ / 5));
    } else if (event->modifiers() & Qt::ControlModifier && event->key() == Qt::Key_0) {
        Fit();
    } else {
        return false;
    }
    return true;
}

bool FieldCanvas::HandleSelectionKey(const QKeyEvent* event) {
    if (!selection_.TakesKey(event)) {
        return false;
    }
    if (const std::optional<FieldSelection::Edit> edit = selection_.Key(event, grid_, cursor_)) {
        emit Drawn(edit->after, ++strokes_, edit->text);
    }
    viewport()->update();
    return true;
}

bool FieldCanvas::HandleCursorKey(const QKeyEvent* event) {
    const CellSize size = grid_.Size();
    const int row = size.RowOf(cursor_);
    std::optional<int> to = ArrowStep(size, cursor_, event->key());
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        to = size.Index(row, event->key() == Qt::Key_Home ? 0 : size.width - 1);
    }
    if (!to) {
        return false;
    }
    const int from = cursor_;
    SetCursor(*to);
    selection_.CursorMoved(size, from, cursor_, (event->modifiers() & Qt::ShiftModifier) != 0);
    viewport()->update();
    return true;
}

void FieldCanvas::contextMenuEvent(QContextMenuEvent* event) {
    stroke_.reset();
    shape_.reset();
    selection_.Release();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const int cell = CellAt(viewport()->mapFromGlobal(event->globalPos()));
        SetCursor(cell != kNoCell ? cell : cursor_);
        emit MenuAsked(cursor_, event->globalPos());
    } else {
        emit MenuAsked(cursor_, std::nullopt);
    }
}

}  // namespace zrl

#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>
#include <optional>

#include "core/model/character_grid.h"
#include "core/model/drawing.h"
#include "core/model/shape_drag.h"
#include "core/model/stroke.h"
#include "field_selection.h"

namespace zrl {

// The field for cells past 32 dots on a side: one widget that paints the dots, at a zoom of
// whole pixels a dot, with scroll bars when zoomed past its size and grid lines from 4
// pixels a dot. A plain click toggles a cell and a drag paints as the field of buttons
// does; the arrows move a keyboard cursor and Space toggles its cell; Ctrl+wheel,
// Ctrl+Plus, Ctrl+Minus and Ctrl+0 (fit) zoom. To a screen reader it is one table of rows
// and columns (field_canvas_accessible.h). An area chosen with Shift+arrows, or by a drag
// where drags select, is copied with Ctrl+C, cut with Ctrl+X, cleared with Delete and
// moved by dragging it; Ctrl+V puts what was copied at the cursor.
class FieldCanvas : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kLargestZoom = 48;

    explicit FieldCanvas(QWidget* parent);

    // Shows the grid; a new size keeps the zoom where it still fits the room, else fits.
    void Show(const CharacterGrid& grid);
    const CharacterGrid& Grid() const { return grid_; }

    // The room the canvas may take in its window: it is no larger than the field at its
    // zoom, and no larger than this.
    void SetRoom(QSize room);
    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    // The largest zoom at which the whole field fits the room.
    int FittingZoom() const;

    int Cursor() const { return cursor_; }
    void SetCursor(int index);
    // A cell's rectangle in the viewport, and the cell at a point of it (kNoCell: none).
    QRect CellRect(int index) const;
    int CellAt(QPoint point) const;
    // What a drag with these keys held draws: a shape, or none for a stroke.
    void SetShapes(std::function<std::optional<zrl::Shape>(Qt::KeyboardModifiers)> shapeFor);
    // Whether a drag with these keys held chooses an area rather than drawing.
    void SetSelecting(std::function<bool(Qt::KeyboardModifiers)> selects);
    // The area chosen by a drag or Shift+arrows; none when there is none.
    const std::optional<Area>& Selection() const { return selection_.Chosen(); }

signals:
    void Clicked(int index);
    // A step of a drag: strokes and shapes, each drag one step however many it takes.
    void Drawn(const CharacterGrid& after, int stroke, const QString& text);
    void MenuAsked(int index, std::optional<QPoint> globalPosition);
    void PasteAsked();
    void CursorMoved(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void Fit();
    void UpdateScrollBars();
    void ShowCursor();
    bool HandleZoomKey(const QKeyEvent* event);
    bool HandleCursorKey(const QKeyEvent* event);
    void PaintGrid(QPainter& painter, QRect dots) const;
    int NearestCell(QPoint point) const;
    void DrawShapeTo(QPoint point);
    bool HandleSelectionKey(const QKeyEvent* event);

    CharacterGrid grid_;
    QImage image_;  // a pixel a dot
    QSize room_{480, 480};
    int zoom_ = 8;
    int cursor_ = 0;
    std::optional<Stroke> stroke_;
    std::function<std::optional<zrl::Shape>(Qt::KeyboardModifiers)> shapeFor_;
    std::optional<ShapeDrag> shape_;
    std::function<bool(Qt::KeyboardModifiers)> selects_;
    FieldSelection selection_;
    int pressed_ = kNoCell;
    int strokes_ = 0;
};

}  // namespace zrl

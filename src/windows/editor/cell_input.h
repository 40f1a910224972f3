#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

#include "core/model/drawing.h"
#include "core/model/shape_drag.h"
#include "core/model/stroke.h"
#include "field_selection.h"

class QKeyEvent;
class QMouseEvent;

namespace zrl {

class ColourButton;
class FieldCanvas;
class FrmMain;
class SelectionFrame;

// What the editor's cells do beyond a plain click: the arrows walk the field, Space
// toggles the cell, Ctrl+V pastes into the field, the Menu key, Shift+F10 and a right-click
// open the field's context menu, and a press dragged across the cells draws a stroke. From
// 8x8 up the drawing tools and a chosen area (field_selection.h) work on the cells too. The
// same reach the editor from the canvas that stands for the cells of a large field.
class CellInput : public QObject {
    Q_OBJECT

public:
    CellInput(FrmMain& editor, QObject* parent);

    // The field changed size: no area stays chosen.
    void LetGoSelection();

    // The canvas's clicks, strokes, menu and paste edit the field as the cells' do.
    void Attach(FieldCanvas* canvas);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColourButton* Cell(int index) const;
    int CellOf(const QObject* widget) const;
    int CellAt(QPoint globalPosition) const;
    bool HandleKey(int index, const QKeyEvent* event);
    bool HandleMouse(int index, const QMouseEvent* event);
    void ShowFieldMenu(int index, std::optional<QPoint> globalPosition);

    FrmMain& editor_;
    bool HandleShape(int index, const QMouseEvent* event);
    bool HandleSelection(int index, const QMouseEvent* event);
    bool HandleSelectionKey(int index, const QKeyEvent* event);
    bool ToolsOn() const;
    void ShowSelection();

    std::optional<Stroke> stroke_;
    std::optional<ShapeDrag> shape_;
    FieldSelection selection_;
    SelectionFrame* frame_;
    int strokeCount_ = 0;
};

}  // namespace zrl

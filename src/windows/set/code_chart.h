#pragma once

#include <QTableView>

namespace zrl {

class CodeChartModel;

// The chart of a set's characters: each slot the character's dots over its code and ASCII
// character. The current character is the view's current, selected slot; the arrow keys
// move between characters, Home and End go to the first and the last.
class CodeChart : public QTableView {
    Q_OBJECT

public:
    CodeChart(CodeChartModel* model, QWidget* parent);

    void MakeCurrent(int code);
    // Wide enough for a whole row of 16 without scrolling, each picture at its natural
    // size; at the least, the 16 columns with their pictures drawn smaller.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void CurrentChanged(int code);  // -1: none

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Only a click or a key makes a character current, never the focus alone.
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitSlots();
    int NaturalSlotWidth() const;
    // Everything across the chart but its 16 columns: the row header, the scroll bar, the frame.
    int Surround() const;
    QModelIndex Edge(bool first) const;

    CodeChartModel* model_;
};

}  // namespace zrl

#pragma once

#include <QWidget>

namespace zrl {

// A dashed frame around the cells of a chosen area of the field of buttons, drawn over
// them; clicks go through it to the cells.
class SelectionFrame : public QWidget {
    Q_OBJECT

public:
    explicit SelectionFrame(QWidget* parent);

    // Around this rectangle of the parent, or hidden for none.
    void Surround(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zrl

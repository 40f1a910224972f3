#pragma once

#include <QWidget>

#include "ole_color.h"

namespace zrl {

// A horizontal or vertical line between two points given in twips; a thicker line grows
// down and to the right of them.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(QWidget* parent, int x1, int y1, int x2, int y2);

    void SetBorderColor(OLE_COLOR colour);
    void SetBorderWidth(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateGeometry();

    QPoint from_;
    QPoint to_;
    OLE_COLOR colour_ = 0x80000008;
    int width_ = 1;
};

}  // namespace zrl

#include "line_shape.h"

#include <QPainter>

#include "twips.h"

namespace zrl {

LineShape::LineShape(QWidget* parent, int x1, int y1, int x2, int y2)
    : QWidget(parent),
      from_(TwipsToPixels(x1), TwipsToPixels(y1)),
      to_(TwipsToPixels(x2), TwipsToPixels(y2)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    UpdateGeometry();
}

void LineShape::SetBorderColor(OLE_COLOR colour) {
    colour_ = colour;
    update();
}

void LineShape::SetBorderWidth(int pixels) {
    width_ = qMax(1, pixels);
    UpdateGeometry();
}

void LineShape::UpdateGeometry() {
    setGeometry(QRect(from_, to_).normalized().adjusted(0, 0, width_ - 1, width_ - 1));
    update();
}

// The program's lines are all horizontal or vertical, so the line is its own rectangle.
void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(colour_, palette()));
}

}  // namespace zrl

#include "selection_frame.h"

#include <QPainter>

namespace zrl {

namespace {

constexpr int kBorder = 2;

}  // namespace

SelectionFrame::SelectionFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void SelectionFrame::Surround(const QRect& area) {
    if (area.isNull()) {
        hide();
        return;
    }
    setGeometry(area.adjusted(-kBorder, -kBorder, kBorder, kBorder));
    raise();
    show();
    update();
}

void SelectionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().highlight().color(), kBorder, Qt::DashLine));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace zrl

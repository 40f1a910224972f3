#include "picture.h"

#include <QPainter>

namespace zrl {

Picture::Picture(QWidget* parent, QSize size, Draw draw) : QWidget(parent), draw_(std::move(draw)) {
    resize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QPixmap& Picture::Pixmap() {
    const qreal scale = devicePixelRatioF();
    if ((pixmap_.isNull() || pixmap_.devicePixelRatio() != scale) && draw_) {
        pixmap_ = draw_(scale);
    }
    return pixmap_;
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.drawPixmap(0, 0, Pixmap());
}

}  // namespace zrl

#include "colour_button.h"

#include <QAccessible>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace zrl {

ColourButton::ColourButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void ColourButton::SetBackColor(OLE_COLOR colour) {
    if (colour != backColor_) {
        backColor_ = colour;
        update();
    }
}

void ColourButton::SetOn(bool on) {
    toggle_ = true;
    if (on != on_) {
        on_ = on;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

QColor ColourButton::FaceColour() const {
    return ToQColor(backColor_, palette());
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, FaceColour());

    // A one-pixel bevel, raised or sunken: the face inside it stays the pure colour.
    const bool sunken = isDown() || isChecked();
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Shadow);
    painter.setPen(sunken ? dark : light);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(sunken ? light : dark);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = face.adjusted(2, 2, -2, -2);
        option.backgroundColor = FaceColour();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace zrl

#include "notice.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>

namespace zrl {

Notice::Notice(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint), owner_(owner) {
    setObjectName(QStringLiteral("Notice"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    setTextFormat(Qt::PlainText);
}

void Notice::Show(const QString& text, QPoint globalTopLeft) {
    setText(text);
    adjustSize();
    move(globalTopLeft);
    show();
    qApp->installEventFilter(this);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Notice::ShowAbove(const QString& text, QPoint globalBottomLeft) {
    setText(text);
    adjustSize();
    Show(text, globalBottomLeft - QPoint(0, height()));
}

bool Notice::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        // A key that a shortcut takes is announced by ShortcutOverride only.
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            if (watched == owner_->window()) {
                hide();
            }
            break;
        default:
            break;
    }
    return false;
}

void Notice::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
}

}  // namespace zrl

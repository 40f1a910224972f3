#include "form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include "runtime_error.h"
#include "twips.h"
#include "window_frame.h"

namespace zrl {

Form::Form(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void Form::DeliverLoad() {
    // Before the first paint, so that styles cache one set of pixmaps for all windows
    // alike, not a new set for every window opened.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!control->isWindow()) {
            ShareInheritedPalette(control);
        }
    }
    loading_ = true;
    RunHandler(this, [this] { Load(); });
    loading_ = false;
}

void Form::SetVisible(bool visible) {
    if (loading_ && !visible) {
        hiddenDuringLoad_ = true;
    }
    if (visible && !shown_) {
        shown_ = true;
        if (centreWhenShown_ && !(windowFlags() & Qt::FramelessWindowHint)) {
            if (const auto frame = RequestFrameExtents()) {
                CentreWithFrame(*frame);
            }
        }
    }
    setVisible(visible);
    if (visible) {
        raise();
        activateWindow();
    }
}

void Form::Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    for (QTimer* timer : findChildren<QTimer*>()) {
        timer->stop();
    }
    if (keyPreview_) {
        qApp->removeEventFilter(this);
    }
    RunHandler(this, [this] { Unloading(); });
    hide();
    emit Unloaded();
    deleteLater();
}

void Form::SetBackColor(OLE_COLOR colour) {
    SetWidgetColours(this, {QPalette::Window}, colour);
}

void Form::SetClientSizeTwips(int width, int height) {
    zrl::SetClientSizeTwips(this, width, height);
}

void Form::SetKeyPreview(bool on) {
    if (on != keyPreview_) {
        keyPreview_ = on;
        on ? qApp->installEventFilter(this) : qApp->removeEventFilter(this);
    }
}

void Form::CentreOnScreen() {
    centreWhenShown_ = true;
    CentreWithFrame(QMargins());
}

void Form::CentreWithFrame(const QMargins& frame) {
    const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (target != nullptr) {
        // The client area's place, as for the About window: a move() would place the frame
        // before the window exists, but the client area after.
        setGeometry(
            QRect(CentredClientPosition(target->availableGeometry(), size(), frame), size()));
    }
}

void Form::MoveClientToScreenTwips(int left, int top) {
    const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
    const QPoint origin = target ? target->geometry().topLeft() : QPoint();
    setGeometry(QRect(origin + QPoint(TwipsToPixels(left), TwipsToPixels(top)), size()));
}

void Form::SetDefaultButton(QAbstractButton* button) {
    defaultButton_ = button;
}

void Form::SetCancelButton(QAbstractButton* button) {
    cancelButton_ = button;
}

// Enter and Esc that no control took reach the window, as in a dialog.
bool Form::PressDefaultOrCancel(int key) {
    QAbstractButton* button = nullptr;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        button = defaultButton_;
    } else if (key == Qt::Key_Escape) {
        button = cancelButton_;
    }
    if (button == nullptr || !button->isVisible() || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

void Form::OnClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { RunHandler(this, handler); });
}

void Form::OnTriggered(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this,
            [this, handler = std::move(handler)] { RunHandler(this, handler); });
}

void Form::OnTimer(QTimer* timer, std::function<void()> handler) {
    connect(timer, &QTimer::timeout, this,
            [this, handler = std::move(handler)] { RunHandler(this, handler); });
}

void Form::closeEvent(QCloseEvent* event) {
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Unload();
}

bool Form::PreviewKey(QWidget* receiver, QKeyEvent* event) {
    const bool propagated =
        event == lastPreviewed_ && lastReceiver_ && receiver == lastReceiver_->parentWidget();
    lastPreviewed_ = event;
    lastReceiver_ = receiver;
    if (propagated || event->text().isEmpty()) {
        return false;
    }
    const QChar key = event->text().front();
    RunHandler(this, [this, key] { KeyPress(key); });
    return unloaded_;  // a window that unloaded itself takes the key with it
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (!keyPreview_ && PreviewKey(this, event)) {
        return;
    }
    if (!IsUnloaded() && PressDefaultOrCancel(event->key())) {
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == this || isAncestorOf(widget)) {
            return PreviewKey(widget, static_cast<QKeyEvent*>(event));
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zrl

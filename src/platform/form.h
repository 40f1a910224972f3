#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "ole_color.h"

class QAbstractButton;
class QAction;
class QKeyEvent;
class QTimer;

namespace zrl {

// A top-level window with the classic lifecycle: Load when created, Visible to show or
// hide with state kept, Unload to destroy it with its controls and timers. The close box
// is an Unload. Every handler runs through RunHandler, so a failure ends that handler
// only.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    void DeliverLoad();
    void SetVisible(bool visible);
    void Unload();
    bool IsUnloaded() const { return unloaded_; }
    bool WasHiddenDuringLoad() const { return hiddenDuringLoad_; }

    void SetBackColor(OLE_COLOR colour);
    void SetClientSizeTwips(int width, int height);
    void SetKeyPreview(bool on);
    // Centred on the screen's available area, and when first shown under a window manager
    // centred again with the frame it will have, before it appears.
    void CentreOnScreen();
    void MoveClientToScreenTwips(int left, int top);
    // Enter presses the default button, Esc the cancel button, wherever the focus is.
    void SetDefaultButton(QAbstractButton* button);
    void SetCancelButton(QAbstractButton* button);

signals:
    void Unloaded();

protected:
    virtual void Load() {}
    // A key that yields a character: the window sees it before the focused control.
    virtual void KeyPress(QChar /*key*/) {}
    // Runs on every unload, whether asked for in code or by the close box.
    virtual void Unloading() {}
    // Asked before the close box unloads the window: false keeps it open.
    virtual bool QueryUnload() { return true; }

    void OnClick(QAbstractButton* button, std::function<void()> handler);
    void OnTriggered(QAction* action, std::function<void()> handler);
    void OnTimer(QTimer* timer, std::function<void()> handler);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool PreviewKey(QWidget* receiver, QKeyEvent* event);
    void CentreWithFrame(const QMargins& frame);
    bool PressDefaultOrCancel(int key);

    bool loading_ = false;
    bool hiddenDuringLoad_ = false;
    bool unloaded_ = false;
    bool keyPreview_ = false;
    bool centreWhenShown_ = false;
    bool shown_ = false;
    // A key a child ignores travels on to its parents as the same event; these tell that
    // journey apart from a new key press.
    const QKeyEvent* lastPreviewed_ = nullptr;
    QPointer<QWidget> lastReceiver_;
    QPointer<QAbstractButton> defaultButton_;
    QPointer<QAbstractButton> cancelButton_;
};

}  // namespace zrl

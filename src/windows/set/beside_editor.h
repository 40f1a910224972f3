#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace zrl {

// The set window kept beside the editor: placed when it is made, again whenever the editor
// grows or shrinks with its field while the set window is shown, and when the set window's
// chart wants more room; both moved, or the set window made narrower, where the screen
// asks for it. Where even its narrowest does not fit beside the editor, the editor is asked
// to leave it room (its cells draw closer); only where that is not enough either does the
// set window stand over the editor, and say so.
class BesideEditor : public QObject {
    Q_OBJECT

public:
    // `say` tells the person when the screen is too narrow for both; `leave` asks the
    // editor to leave that much of the screen's width beside it.
    BesideEditor(QWidget& set, QWidget& editor, std::function<void(const QString&)> say,
                 std::function<void(int)> leave);

    void Place();
    // Places the set window again where it wants a larger size than it has.
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& set_;
    QPointer<QWidget> editor_;
    std::function<void(const QString&)> say_;
    std::function<void(int)> leave_;
    int left_ = 0;  // the width the editor was asked to leave
};

}  // namespace zrl

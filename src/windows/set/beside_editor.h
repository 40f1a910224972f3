#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace zrl {

// The set window kept beside the editor: placed when it is made, again whenever the editor
// grows or shrinks with its field while the set window is shown, and when the set window's
// chart wants more room; both moved, or the set window made narrower, where the screen
// asks for it.
class BesideEditor : public QObject {
    Q_OBJECT

public:
    // `say` tells the person when the screen is too narrow for both.
    BesideEditor(QWidget& set, QWidget& editor, std::function<void(const QString&)> say);

    void Place();
    // Places the set window again where it wants a larger size than it has.
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& set_;
    QPointer<QWidget> editor_;
    std::function<void(const QString&)> say_;
};

}  // namespace zrl

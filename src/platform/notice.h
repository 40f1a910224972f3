#pragma once

#include <QLabel>

namespace zrl {

// One line of text that pops up beside a control, with no box to dismiss: the next key,
// click or move of its window takes it away. Screen readers hear it as an alert.
class Notice : public QLabel {
    Q_OBJECT

public:
    explicit Notice(QWidget* owner);

    void Show(const QString& text, QPoint globalTopLeft);
    // Shown with its bottom left there, above what lies under it.
    void ShowAbove(const QString& text, QPoint globalBottomLeft);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* owner_;
};

}  // namespace zrl

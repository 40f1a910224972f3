#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace zrl {

// A picture box or image sized to its picture. The picture is drawn the first time it is
// painted, not when the control is created, so a window can appear before its artwork
// has been rendered.
class Picture : public QWidget {
    Q_OBJECT

public:
    // Draws the picture at the given device pixel ratio.
    using Draw = std::function<QPixmap(qreal scale)>;

    Picture(QWidget* parent, QSize size, Draw draw);

    const QPixmap& Pixmap();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Draw draw_;
    QPixmap pixmap_;
};

}  // namespace zrl

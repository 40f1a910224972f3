#pragma once

#include <QAccessibleWidget>

namespace zrl {

// A window as assistive technology sees it: a dialog when it is one, otherwise a window
// (a "frame" to AT-SPI), named by its caption.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* window);

    QAccessible::Role role() const override;
};

}  // namespace zrl

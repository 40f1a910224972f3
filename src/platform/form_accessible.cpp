#include "form_accessible.h"

#include <QWidget>

namespace zrl {

FormAccessible::FormAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

QAccessible::Role FormAccessible::role() const {
    return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
}

}  // namespace zrl

#include "colour_button_accessible.h"

#include "colour_button.h"

namespace zrl {

ColourButtonAccessible::ColourButtonAccessible(ColourButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

ColourButton* ColourButtonAccessible::button() const {
    return static_cast<ColourButton*>(widget());
}

QAccessible::State ColourButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    if (button()->IsToggle()) {
        state.checkable = true;
        state.checked = button()->IsOn();
    }
    return state;
}

QStringList ColourButtonAccessible::actionNames() const {
    QStringList names;
    if (button()->isEnabled()) {
        names << pressAction();
        if (button()->IsToggle()) {
            names << toggleAction();
        }
    }
    return names + QAccessibleWidget::actionNames();
}

void ColourButtonAccessible::doAction(const QString& actionName) {
    if (!button()->isEnabled()) {
        return;
    }
    if (actionName == pressAction() || actionName == toggleAction()) {
        button()->click();
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

}  // namespace zrl

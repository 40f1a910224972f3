#pragma once

#include <QAccessibleWidget>

namespace zrl {

class ColourButton;

// A colour button that stands for an on/off state reads as a toggle button: checkable,
// checked exactly when on, and pressed or toggled by its action as by a click.
class ColourButtonAccessible : public QAccessibleWidget {
public:
    explicit ColourButtonAccessible(ColourButton* button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    ColourButton* button() const;
};

}  // namespace zrl

#include "editor_controls.h"

#include <QPushButton>
#include <QRadioButton>

#include "platform/label.h"
#include "platform/ole_color.h"
#include "platform/twips.h"
#include "windows/startup/contact.h"

namespace zrl {

QRadioButton* MakeOption(QWidget* parent, const QString& text, int left, int width) {
    auto* option = new QRadioButton(text, parent);
    PlaceTwips(option, left, 0, width, 255);
    // Buttons paint their background in the Button role, not Window.
    SetWidgetColours(option, {QPalette::Button, QPalette::Window}, kNavy);
    SetWidgetColours(option, {QPalette::WindowText}, kInfoBackground);
    option->setBackgroundRole(QPalette::Window);
    return option;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, int left, int top, int width) {
    auto* button = new QPushButton(text, parent);
    PlaceTwips(button, left, top, width, 375);
    button->setAutoDefault(false);
    return button;
}

Label* MakeCredit(QWidget* parent, const QString& text, int top, int width) {
    auto* label = new Label(parent);
    PlaceTwips(label, 480, top, width, 255);
    label->SetColours(kNavy, kHighlightText);
    label->SetCaption(text);
    return label;
}

}  // namespace zrl

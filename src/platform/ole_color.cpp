#include "ole_color.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>

namespace zrl {

QPalette::ColorRole SystemColourRole(unsigned index) {
    using R = QPalette::ColorRole;
    static constexpr std::array<R, 25> roles = {
        R::Button,           // 0 scroll bar
        R::Dark,             // 1 desktop
        R::Highlight,        // 2 active caption
        R::Mid,              // 3 inactive caption
        R::Button,           // 4 menu
        R::Base,             // 5 window background
        R::Shadow,           // 6 window frame
        R::ButtonText,       // 7 menu text
        R::Text,             // 8 window text
        R::HighlightedText,  // 9 caption text
        R::Button,           // 10 active border
        R::Button,           // 11 inactive border
        R::Dark,             // 12 application workspace
        R::Highlight,        // 13 highlight
        R::HighlightedText,  // 14 highlight text
        R::Button,           // 15 button face
        R::Dark,             // 16 button shadow
        R::PlaceholderText,  // 17 grey text
        R::ButtonText,       // 18 button text
        R::PlaceholderText,  // 19 inactive caption text
        R::Light,            // 20 button highlight
        R::Shadow,           // 21 3D dark shadow
        R::Midlight,         // 22 3D light
        R::ToolTipText,      // 23 info text
        R::ToolTipBase,      // 24 info background
    };
    return index < roles.size() ? roles[index] : R::Window;
}

QColor ToQColor(OLE_COLOR colour, const QPalette& palette) {
    if (colour & kSystemColourFlag) {
        return palette.color(QPalette::Active, SystemColourRole(colour & ~kSystemColourFlag));
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QColor ToQColor(OLE_COLOR colour) {
    return ToQColor(colour, QGuiApplication::palette());
}

void SetWidgetColours(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                      OLE_COLOR colour) {
    QPalette colours = widget->palette();
    for (QPalette::ColorRole role : roles) {
        colours.setColor(role, ToQColor(colour));
    }
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

}  // namespace zrl

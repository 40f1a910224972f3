#include "ole_color.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <deque>

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

namespace {

// Sets every role of every group, so that Qt takes the palette as it is instead of
// resolving it into a fresh copy for each widget.
void Complete(QPalette& palette) {
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
}

// Widgets given the same colours over the same palette get one shared palette object.
// Styles key the pixmaps they cache by the palette, so a window opened a thousand times
// then reuses one set of pixmaps instead of filling the cache with copies.
const QPalette& SharedPalette(const QPalette& base,
                              std::initializer_list<QPalette::ColorRole> roles, QColor colour) {
    struct Entry {
        QPalette base;
        unsigned roles;
        QRgb colour;
        QPalette shared;
    };
    static std::deque<Entry> palettes;  // stable places: callers hold what it returns
    unsigned roleBits = 0;
    for (QPalette::ColorRole role : roles) {
        roleBits |= 1u << role;
    }
    for (const Entry& entry : palettes) {
        if (entry.roles == roleBits && entry.colour == colour.rgb() && entry.base == base) {
            return entry.shared;
        }
    }
    QPalette shared = base;
    for (QPalette::ColorRole role : roles) {
        shared.setColor(role, colour);
    }
    Complete(shared);
    palettes.push_back({base, roleBits, colour.rgb(), shared});
    return palettes.back().shared;
}

}  // namespace

void ShareInheritedPalette(QWidget* widget) {
    if (!widget->testAttribute(Qt::WA_SetPalette)) {
        widget->setPalette(SharedPalette(widget->palette(), {}, QColor()));
    }
}

void SetPaletteColours(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                       OLE_COLOR colour) {
    widget->setPalette(SharedPalette(widget->palette(), roles, ToQColor(colour)));
}

void SetWidgetColours(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                      OLE_COLOR colour) {
    SetPaletteColours(widget, roles, colour);
    widget->setAutoFillBackground(true);
}

}  // namespace zrl

#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>
#include <initializer_list>

class QWidget;

namespace zrl {

// 0x00BBGGRR, or 0x80000000 + n for system colour n. The same alias as the grid's, so the
// two layers agree on the type without the platform depending on the grid.
using OLE_COLOR = std::uint32_t;

inline constexpr OLE_COLOR kSystemColourFlag = 0x80000000;

// The palette role that stands for system colour n (5 window, 14 highlight text,
// 15 button face, 24 info background, ...).
QPalette::ColorRole SystemColourRole(unsigned index);

// Resolves against the application palette.
QColor ToQColor(OLE_COLOR colour);
QColor ToQColor(OLE_COLOR colour, const QPalette& palette);

// Sets the colours of the given palette roles of a widget. Widgets given the same colours
// share one palette, so whatever a style caches for one serves them all.
void SetPaletteColours(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                       OLE_COLOR colour);
// A widget that only inherits its palette gets a copy of its own from Qt, new with every
// window; this gives it the shared one instead.
void ShareInheritedPalette(QWidget* widget);
// The same, and the widget fills its background.
void SetWidgetColours(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                      OLE_COLOR colour);

}  // namespace zrl

#pragma once

#include <QString>
#include <functional>

class QApplication;

namespace zrl {

// Reads one environment variable; empty when it is not set.
using Environment = std::function<const char*(const char* name)>;

// The window-system platform to ask Qt for, or none to leave the choice to Qt (and to the
// user, whose QT_QPA_PLATFORM always wins). Where a Wayland session also offers X11
// (XWayland), X11 is chosen: there the program may place its windows, on Wayland not.
const char* PreferredPlatform(const Environment& environment);

// Asks Qt for the preferred platform; call before the application object is made.
void ChoosePlatform();

// Why there is no display to open ("" where there is one): on a Unix desktop, no display
// named, or an X server named that does not answer, where Qt would abort with a long plugin
// message; the caller says so in one line instead.
QString WhyNoDisplay();

// Program name and version, and the classic 8-point dialog font as the default, so that
// layouts measured in twips fit their text at 96 dpi. Arial maps to a metric-compatible
// font where Arial itself is missing.
void SetUpApplication(QApplication& app);

}  // namespace zrl

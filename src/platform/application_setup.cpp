#include "application_setup.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <cstdlib>
#include <string_view>

#include "colour_button.h"
#include "colour_button_accessible.h"
#include "form_accessible.h"

namespace zrl {

namespace {

bool IsSet(const Environment& environment, const char* name) {
    const char* value = environment(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

const char* PreferredPlatform(const Environment& environment) {
    const auto set = [&](const char* name) { return IsSet(environment, name); };
    const char* session = environment("XDG_SESSION_TYPE");
    const bool wayland =
        set("WAYLAND_DISPLAY") || (session != nullptr && std::string_view(session) == "wayland");
    if (set("QT_QPA_PLATFORM") || !wayland || !set("DISPLAY")) {
        return nullptr;
    }
    return "xcb";
}

void ChoosePlatform() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (const char* platform = PreferredPlatform(std::getenv)) {
        qputenv("QT_QPA_PLATFORM", platform);
    }
#endif
}

bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char* name) { return IsSet(std::getenv, name); };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

namespace {

// Windows and colour buttons as a screen reader should hear them: a frame or a dialog
// named by its caption, a toggle button that is checked when on.
QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zrl::Form")) {
        return new FormAccessible(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("zrl::ColourButton")) {
        return new ColourButtonAccessible(static_cast<ColourButton*>(object));
    }
    return nullptr;
}

QFont DialogFont() {
#if defined(Q_OS_WIN)
    return QFont(QStringLiteral("MS Shell Dlg 2"), 8);
#else
    // A list, not a database query: asking whether a family exists would load the whole
    // font configuration before the first window could appear.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    return font;
#endif
}

}  // namespace

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("zerlin"));
    QApplication::setApplicationVersion(QStringLiteral(ZRL_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("zerlin.example"));
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    app.setFont(DialogFont());
    static const bool installed = (QAccessible::installFactory(AccessibleFactory), true);
    (void)installed;
}

}  // namespace zrl

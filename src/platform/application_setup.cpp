#include "application_setup.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <cstdlib>
#include <string_view>

#include "colour_button.h"
#include "colour_button_accessible.h"
#include "form_accessible.h"

#ifdef ZRL_HAVE_XCB
#include <xcb/xcb.h>
#endif

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

QString WhyNoDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char* name) { return IsSet(std::getenv, name); };
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM")) {
        return QStringLiteral("no display found (DISPLAY is not set)");
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    // With DISPLAY set and no platform chosen, X11 is chosen, in a Wayland session too.
    const bool x11 = platform == nullptr || *platform == '\0' ? set("DISPLAY")
                                                              : std::string_view(platform) == "xcb";
#ifdef ZRL_HAVE_XCB
    // The X server must answer, or Qt ends the program with its own message.
    if (x11) {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const bool broken = xcb_connection_has_error(connection) != 0;
        xcb_disconnect(connection);
        if (broken) {
            return QStringLiteral("no X server answers at DISPLAY %1")
                .arg(QString::fromLocal8Bit(std::getenv("DISPLAY")));
        }
    }
#else
    Q_UNUSED(x11);
#endif
    return {};
#else
    return {};
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

// On Windows the program carries its fonts in a folder beside it, so that every text has
// the width it has on Linux, on Windows and under Wine alike: Windows' own dialog font is
// wider there than the layouts allow, and Wine has other faces again.
void LoadBundledFonts() {
#if defined(Q_OS_WIN)
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(folder.filePath(file));
    }
#endif
}

QFont DialogFont() {
#if defined(Q_OS_WIN)
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        return QFont(QStringLiteral("MS Shell Dlg 2"), 8);
    }
#endif
    // A list, not a database query: asking whether a family exists would load the whole
    // font configuration before the first window could appear.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("zerlin"));
    QApplication::setApplicationVersion(QStringLiteral(ZRL_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("zerlin.example"));
    LoadBundledFonts();
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    app.setFont(DialogFont());
    static const bool installed = (QAccessible::installFactory(AccessibleFactory), true);
    (void)installed;
}

}  // namespace zrl

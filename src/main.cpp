#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long plugin message when it finds no display; say it in one line.
bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "zerlin: no display found (DISPLAY is not set); run it on a desktop, "
            "or run 'make screenshots' to render the windows to docs/ under Xvfb.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}

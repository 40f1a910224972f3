// Test entry point for suites that need a QApplication. Runs on Qt's offscreen platform
// unless told otherwise, and fails the running test on any Qt warning, so a broken
// connection or a bad stylesheet cannot pass unnoticed.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "platform/application_setup.h"

namespace {

void FailOnWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return;
    }
    // The offscreen platform has no window manager and says so for raise() and size
    // hints; that is the test platform talking, not the program.
    if (QGuiApplication::platformName() == QLatin1String("offscreen") &&
        message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    // Wine has no per-window DPI scaling of window frames, and the windows platform says so.
    if (message.startsWith(QLatin1String("EnableNonClientDpiScaling() failed"))) {
        return;
    }
    ADD_FAILURE() << "Qt printed: " << message.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#if defined(Q_OS_WIN)
    // There the offscreen platform reads fonts from a folder: the ones the program carries,
    // copied beside the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        const auto fonts = std::filesystem::absolute(argv[0]).parent_path() / "fonts";
        qputenv("QT_QPA_FONTDIR", QByteArray::fromStdString(fonts.string()));
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zrl::SetUpApplication(app);
    qInstallMessageHandler(FailOnWarning);
    return RUN_ALL_TESTS();
}

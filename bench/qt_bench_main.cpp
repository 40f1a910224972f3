// Entry point of the window benchmarks: a QApplication set up as the program's, on Qt's
// offscreen platform unless told otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/application_setup.h"

namespace {

// The offscreen platform's notices about raise() and size hints would bury the figures.
void QuietPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support"))) {
        qt_message_output(type, context, text);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QuietPlatformNotices);
    QApplication app(argc, argv);
    zrl::SetUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

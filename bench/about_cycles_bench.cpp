// Resident memory over many openings and closings of the About window: after the first
// 20 cycles the program should stop growing. Runs each cycle as a user does (Help, then
// Esc) and lets every window paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "platform/application_setup.h"
#include "platform/clipboard.h"
#include "windows/about_window.h"
#include "windows/forms.h"
#include "windows/main_window.h"
#include "windows/splash_window.h"

namespace {

class NullClipboard : public zrl::Clipboard {
public:
    void Clear() override {}
    void SetText(const QString&) override {}
    std::optional<QString> Text() override { return QString(); }
};

double ResidentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

void Cycle(zrl::Forms& forms, zrl::FrmMain* editor) {
    QTest::mouseClick(editor->CmdHelp, Qt::LeftButton);
    zrl::frmAbout* about = forms.about.IfExists();
    about->grab();  // paints it, as the screen would
    QTest::keyClick(about, Qt::Key_Escape);
    // What the event loop would do between two openings.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_AboutCycles(benchmark::State& state) {
    for (auto _ : state) {
        NullClipboard clipboard;
        zrl::Forms forms(clipboard);
        zrl::FrmMain* editor = forms.main.Start();
        forms.splash.Unload();
        for (int cycle = 0; cycle < 20; ++cycle) {
            Cycle(forms, editor);
        }
        const double after20 = ResidentMegabytes();
        for (int cycle = 20; cycle < 1000; ++cycle) {
            Cycle(forms, editor);
        }
        const double after1000 = ResidentMegabytes();
        state.counters["rss_mb_after_20"] = after20;
        state.counters["rss_mb_after_1000"] = after1000;
        state.counters["growth_mb"] = after1000 - after20;
        if (after1000 - after20 > 3.0) {
            state.SkipWithError("resident memory grew by more than 3 MB over 980 cycles");
        }
    }
}
BENCHMARK(BM_AboutCycles)->Iterations(1)->Unit(benchmark::kMillisecond);

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

// Resident memory over many openings and closings of the About window: after the first
// 20 cycles the program should stop growing. Runs each cycle as a user does (Help, then
// Esc) and lets every window paint.
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "qt_bench_support.h"
#include "windows/startup/about_window.h"

namespace {

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
        zrl::bench::Editor program;
        zrl::Forms& forms = program.forms;
        zrl::FrmMain* editor = program.window;
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

}  // namespace

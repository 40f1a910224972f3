// Time from a simulated click on a cell, or a key for undo, redo or a shift, to the new
// listing being in the output box, on Qt's offscreen platform; and the heap a step of the
// field's history takes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>

#include "platform/application_setup.h"
#include "platform/clipboard.h"
#include "platform/colour_button.h"
#include "platform/text_box.h"
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

// The editor, shown with the splash gone.
struct Editor {
    NullClipboard clipboard;
    zrl::Forms forms{clipboard};
    zrl::FrmMain* window = forms.main.Start();
    Editor() { forms.splash.Unload(); }
};

const auto kMin = [](const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
};

void BM_CellClickToListing(benchmark::State& state) {
    Editor program;
    zrl::FrmMain* editor = program.window;
    const bool byColumn = state.range(0) == 1;
    if (byColumn) {
        QTest::mouseClick(editor->OptCol, Qt::LeftButton);
    }
    std::size_t cell = 0;
    for (auto _ : state) {
        QTest::mouseClick(editor->Cmd[cell], Qt::LeftButton);
        benchmark::DoNotOptimize(editor->TxtOutput->Text());
        cell = (cell + 7) % 35;
    }
}
BENCHMARK(BM_CellClickToListing)
    ->ArgName("by_column")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", kMin);

// Fills the history with clicks, as a user would have.
void ClickSteps(zrl::FrmMain* editor, int steps) {
    for (int i = 0; i < steps; ++i) {
        QTest::mouseClick(editor->Cmd[static_cast<std::size_t>(i * 7 % 35)], Qt::LeftButton);
    }
}

// Ctrl+Z or Ctrl+Y in the listing, each undoing or redoing one step; the history is
// refilled, off the clock, whenever it runs out.
void BM_HistoryKeyToListing(benchmark::State& state) {
    Editor program;
    zrl::FrmMain* editor = program.window;
    QUndoStack* history = editor->History();
    ClickSteps(editor, 1000);
    const bool redo = state.range(0) == 1;
    if (redo) {
        history->setIndex(0);
    }
    const int key = redo ? Qt::Key_Y : Qt::Key_Z;
    for (auto _ : state) {
        if (redo ? !history->canRedo() : !history->canUndo()) {
            state.PauseTiming();
            history->setIndex(redo ? 0 : history->count());
            state.ResumeTiming();
        }
        QTest::keyClick(editor->TxtOutput, key, Qt::ControlModifier);
        benchmark::DoNotOptimize(editor->TxtOutput->Text());
    }
}
BENCHMARK(BM_HistoryKeyToListing)
    ->ArgName("redo")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", kMin);

// Alt+Left with the focus in the listing: a shift, one step, and the new listing.
void BM_ShiftKeyToListing(benchmark::State& state) {
    Editor program;
    zrl::FrmMain* editor = program.window;
    ClickSteps(editor, 3);
    editor->TxtOutput->setFocus();
    for (auto _ : state) {
        QTest::keyClick(editor->TxtOutput, Qt::Key_Left, Qt::AltModifier);
        benchmark::DoNotOptimize(editor->TxtOutput->Text());
    }
}
BENCHMARK(BM_ShiftKeyToListing)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", kMin);

// The heap one step of history holds: what clearing a thousand steps gives back, as the
// allocator counts it.
void BM_HistoryBytesPerStep(benchmark::State& state) {
    for (auto _ : state) {
        Editor program;
        ClickSteps(program.window, 1000);
        const double steps = program.window->History()->count();
        const auto kept = mallinfo2().uordblks;
        program.window->History()->clear();
        const auto cleared = mallinfo2().uordblks;
        state.counters["bytes_per_step"] = static_cast<double>(kept - cleared) / steps;
        state.counters["steps_kept"] = steps;
    }
}
BENCHMARK(BM_HistoryBytesPerStep)->Iterations(1)->Unit(benchmark::kMillisecond);

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

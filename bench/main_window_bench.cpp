// Time from a simulated click on a cell to the new listing being in the output box, on
// Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

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
};

void BM_CellClickToListing(benchmark::State& state) {
    NullClipboard clipboard;
    zrl::Forms forms(clipboard);
    zrl::FrmMain* editor = forms.main.Start();
    forms.splash.Unload();
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
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    });

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zrl::SetUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// A font of every script, open in the set window: GNU Unifont's 57,086 glyphs of 8x16 and
// 16x16 (Debian's xfonts-unifont). Targets: it opens in under 300 ms and saves in under
// 300 ms, Go to shows a code in under 16 ms, a click in the field reaches the listing in
// under 50 us with U+0416 current, and the program holds under 150 MB more with it open.
// The Export dialog writes a sparse table of Unifont's Latin and Cyrillic afresh, as the
// Characters field changes, in under 50 ms. Fit Widths takes under 100 ms.
#include <malloc.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "platform/colour_button.h"
#include "platform/text_box.h"
#include "qt_bench_support.h"
#include "windows/dialogs/export_dialog.h"
#include "windows/set/character_set_window.h"

namespace {

using zrl::bench::Editor;
using zrl::bench::Repeated;

const QString kUnifont = QStringLiteral("/usr/share/fonts/X11/misc/unifont.pcf.gz");

bool HaveUnifont(benchmark::State& state) {
    if (!QFile::exists(kUnifont)) {
        state.SkipWithError("xfonts-unifont is not installed");
        return false;
    }
    return true;
}

void BM_OpenUnifont(benchmark::State& state) {
    if (!HaveUnifont(state)) {
        return;
    }
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    const auto before = mallinfo2().uordblks;
    for (auto _ : state) {
        set->OpenFile(kUnifont);
    }
    state.counters["MB_held"] = static_cast<double>(mallinfo2().uordblks - before) / 1e6;
}
BENCHMARK(BM_OpenUnifont)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveUnifont(benchmark::State& state) {
    if (!HaveUnifont(state)) {
        return;
    }
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->OpenFile(kUnifont);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unifont.bdf"));
    for (auto _ : state) {
        set->SaveTo(path);
    }
}
BENCHMARK(BM_SaveUnifont)->Unit(benchmark::kMillisecond)->Iterations(5);

// Go to, by turns to a Cyrillic and a CJK code, each shown in its block and made current.
void BM_GoToUnifont(benchmark::State& state) {
    if (!HaveUnifont(state)) {
        return;
    }
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->OpenFile(kUnifont);
    bool cjk = false;
    for (auto _ : state) {
        cjk = !cjk;
        set->GoTo->setText(cjk ? QStringLiteral("U+4E2D") : QStringLiteral("U+0416"));
        QTest::keyClick(set->GoTo, Qt::Key_Return);
    }
}
BENCHMARK(BM_GoToUnifont)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ClickWithUnifont(benchmark::State& state) {
    if (!HaveUnifont(state)) {
        return;
    }
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->OpenFile(kUnifont);
    set->MakeCurrent(0x416);
    std::size_t cell = 0;
    for (auto _ : state) {
        QTest::mouseClick(program.window->Cmd[cell], Qt::LeftButton);
        benchmark::DoNotOptimize(program.window->TxtOutput->Text());
        cell = (cell + 37) % program.window->Cmd.size();
    }
}
BENCHMARK(BM_ClickWithUnifont)->Apply([](benchmark::internal::Benchmark* b) { Repeated(b); });

// Each change of the map chooses, narrows and writes the table again.
void BM_ChooseFromUnifont(benchmark::State& state) {
    if (!HaveUnifont(state)) {
        return;
    }
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->OpenFile(kUnifont);
    zrl::ExportDialog dialog(set->Set(), program.clipboard, nullptr);
    dialog.Sparse->setChecked(true);
    const QString maps[] = {QStringLiteral("32-126,$410-$44F"),
                            QStringLiteral("32-126,$410-$44F>$C0")};
    int turn = 0;
    for (auto _ : state) {
        dialog.Characters->setText(maps[turn++ % 2]);
    }
}
BENCHMARK(BM_ChooseFromUnifont)->Unit(benchmark::kMillisecond)->Iterations(10);

// Fit Widths on the whole of Unifont, its glyphs as they were read each time.
void BM_FitWidthsUnifont(benchmark::State& state) {
    if (!HaveUnifont(state)) {
        return;
    }
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    for (auto _ : state) {
        state.PauseTiming();
        set->OpenFile(kUnifont);
        state.ResumeTiming();
        set->FitWidths();
    }
}
BENCHMARK(BM_FitWidthsUnifont)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

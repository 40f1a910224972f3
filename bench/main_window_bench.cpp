// Time from a simulated click on a cell, or a key for undo, redo or a shift, to the new
// listing being in the output box, on Qt's offscreen platform; and the heap a step of the
// field's history takes.
#include <malloc.h>

#include <QRadioButton>
#include <QTest>
#include <QUndoStack>

#include "platform/colour_button.h"
#include "platform/font_file.h"
#include "platform/text_box.h"
#include "qt_bench_support.h"
#include "windows/set/character_set_window.h"

namespace {

using zrl::bench::Editor;
using zrl::bench::Repeated;

// Clicks cells across the field, one a benchmark iteration.
void ClickToListing(benchmark::State& state, zrl::FrmMain* editor) {
    std::size_t cell = 0;
    for (auto _ : state) {
        QTest::mouseClick(editor->Cmd[cell], Qt::LeftButton);
        benchmark::DoNotOptimize(editor->TxtOutput->Text());
        cell = (cell + 7) % 35;
    }
}

void BM_CellClickToListing(benchmark::State& state) {
    Editor program;
    if (state.range(0) == 1) {
        QTest::mouseClick(program.window->OptCol, Qt::LeftButton);
    }
    ClickToListing(state, program.window);
}
BENCHMARK(BM_CellClickToListing)->Apply([](benchmark::internal::Benchmark* b) {
    Repeated(b)->ArgName("by_column")->Arg(0)->Arg(1);
});

// The same with a full 256-character set open and "A" current: the character and its
// chart slot follow every click.
void BM_CellClickToListingWithSet(benchmark::State& state) {
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->NewSet(zrl::FrmCharSet::Kind::FullTable);
    set->SetVisible(true);
    set->MakeCurrent(65);
    ClickToListing(state, program.window);
}
BENCHMARK(BM_CellClickToListingWithSet)->Apply([](benchmark::internal::Benchmark* b) {
    Repeated(b);
});

// A click in a 32x32 field (target: under 50 us to the listing).
void BM_CellClickToListing32x32(benchmark::State& state) {
    Editor program;
    program.window->ChangeFieldSize({32, 32});
    std::size_t cell = 0;
    for (auto _ : state) {
        QTest::mouseClick(program.window->Cmd[cell], Qt::LeftButton);
        benchmark::DoNotOptimize(program.window->TxtOutput->Text());
        cell = (cell + 37) % 1024;
    }
}
BENCHMARK(BM_CellClickToListing32x32)->Apply([](benchmark::internal::Benchmark* b) {
    Repeated(b);
});

// A change of the field's size, one step, between 5x7 and 32x32 by turns (target: under
// 5 ms); the buttons of the larger field are made once, before the clock starts.
void BM_FieldSizeChange(benchmark::State& state) {
    Editor program;
    program.window->ChangeFieldSize({32, 32});
    program.window->ChangeFieldSize(zrl::kDefaultSize);
    bool large = false;
    for (auto _ : state) {
        large = !large;
        program.window->ChangeFieldSize(large ? zrl::CellSize{32, 32} : zrl::kDefaultSize);
        benchmark::DoNotOptimize(program.window->TxtOutput->Text());
    }
}
BENCHMARK(BM_FieldSizeChange)->Apply([](benchmark::internal::Benchmark* b) { Repeated(b); });

// X11's fonts as Debian ships them: gzip, PCF through FreeType; 5x7 has 1,848 glyphs, and
// 12x24 is the largest (target: under 10 ms).
void BM_OpenX11Pcf(benchmark::State& state, const char* name) {
    const QString path = QStringLiteral("/usr/share/fonts/X11/misc/%1.pcf.gz").arg(name);
    if (!QFile::exists(path)) {
        state.SkipWithError("xfonts-base is not installed");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(zrl::LoadFontFile(path));
    }
}
BENCHMARK_CAPTURE(BM_OpenX11Pcf, 5x7, "5x7")->Apply([](benchmark::internal::Benchmark* b) {
    Repeated(b);
});
BENCHMARK_CAPTURE(BM_OpenX11Pcf, 12x24, "12x24")->Apply([](benchmark::internal::Benchmark* b) {
    Repeated(b);
});

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
BENCHMARK(BM_HistoryKeyToListing)->Apply([](benchmark::internal::Benchmark* b) {
    Repeated(b)->ArgName("redo")->Arg(0)->Arg(1);
});

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
BENCHMARK(BM_ShiftKeyToListing)->Apply([](benchmark::internal::Benchmark* b) { Repeated(b); });

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

}  // namespace

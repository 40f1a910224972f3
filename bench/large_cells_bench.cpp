// Characters as large as a cell gets. Targets: a click on a 255x255 canvas is painted within
// a display frame (16 ms), and the model's part of it (the step's grids and the pattern the
// set keeps) stays under 50 us; a set of 95 characters of 96x96 opens in under 100 ms, and
// showing one of them in the field takes under 16 ms.
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "core/formats/bdf_font.h"
#include "core/model/character_set.h"
#include "qt_bench_support.h"
#include "windows/dialogs/preview_strip.h"
#include "windows/editor/cell_field.h"
#include "windows/editor/field_canvas.h"
#include "windows/set/character_set_window.h"

namespace {

using zrl::bench::Editor;
using zrl::bench::Repeated;

constexpr zrl::CellSize kLarge{255, 255};
constexpr zrl::CellSize kDigits{96, 96};

void BM_CanvasClickPainted255(benchmark::State& state) {
    Editor program;
    program.window->ChangeFieldSize(kLarge);
    zrl::FieldCanvas* canvas = program.window->Field().Canvas();
    int cell = 0;
    for (auto _ : state) {
        QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, canvas->CellRect(cell).center());
        canvas->viewport()->repaint();
        cell = (cell + 4099) % kLarge.Cells();
    }
}
BENCHMARK(BM_CanvasClickPainted255)->Apply([](benchmark::internal::Benchmark* b) { Repeated(b); });

// What a click costs the model: the step's grid after it, and the pattern a set keeps.
void BM_ClickModel255(benchmark::State& state) {
    const zrl::CharacterGrid grid(kLarge);
    int cell = 0;
    for (auto _ : state) {
        zrl::CharacterGrid after = grid;
        after.Toggle(cell);
        benchmark::DoNotOptimize(zrl::PatternOf(after));
        cell = (cell + 4099) % kLarge.Cells();
    }
}
BENCHMARK(BM_ClickModel255)->Apply([](benchmark::internal::Benchmark* b) { Repeated(b); });

// 95 characters of 96x96, each with a third of its dots lit, as a BDF file.
QString WriteDigitsFont(const QTemporaryDir& folder) {
    std::mt19937 random(96);
    zrl::CharacterSet set(kDigits);
    for (int code = 32; code < 127; ++code) {
        zrl::Pattern pattern(kDigits);
        for (std::size_t i = 0; i < static_cast<std::size_t>(kDigits.Cells()); ++i) {
            pattern[i] = random() % 3 == 0;
        }
        set.SetPattern(code, pattern);
    }
    const QString path = folder.filePath(QStringLiteral("digits.bdf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::fromStdString(zrl::WriteBdf(set)));
    return path;
}

void BM_OpenLargeSet(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString path = WriteDigitsFont(folder);
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    for (auto _ : state) {
        set->OpenFile(path);
    }
}
BENCHMARK(BM_OpenLargeSet)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ShowLargeCharacter(benchmark::State& state) {
    const QTemporaryDir folder;
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->OpenFile(WriteDigitsFont(folder));
    int code = 32;
    for (auto _ : state) {
        set->MakeCurrent(code);
        program.window->Field().Canvas()->viewport()->repaint();
        code = code == 126 ? 32 : code + 1;
    }
}
BENCHMARK(BM_ShowLargeCharacter)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

namespace {

// A key typed into a preview box that holds 10,000 characters, the most it takes, to the
// strip painted (target: under 16 ms): a letter and a backspace by turns.
void BM_PreviewKeystrokeAt10000(benchmark::State& state) {
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->NewSet(zrl::FrmCharSet::Kind::PrintableAscii);
    set->show();
    set->PreviewText->setText(QString(9999, u'W'));
    bool letter = true;
    for (auto _ : state) {
        QTest::keyClick(set->PreviewText, letter ? Qt::Key_A : Qt::Key_Backspace);
        set->Preview->repaint();
        letter = !letter;
    }
}
BENCHMARK(BM_PreviewKeystrokeAt10000)->Unit(benchmark::kMillisecond)->Iterations(10);

// 10,000 characters pasted into an empty preview box, to the strip painted (target: the
// window answers within 100 ms).
void BM_PreviewPaste10000(benchmark::State& state) {
    Editor program;
    zrl::FrmCharSet* set = program.forms.charSet.Get();
    set->NewSet(zrl::FrmCharSet::Kind::PrintableAscii);
    set->show();
    const QString text(10000, u'W');
    for (auto _ : state) {
        state.PauseTiming();
        set->PreviewText->clear();
        state.ResumeTiming();
        set->PreviewText->insert(text);
        set->Preview->repaint();
    }
}
BENCHMARK(BM_PreviewPaste10000)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

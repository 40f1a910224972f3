// Outline fonts rasterised into a set: DejaVu Sans (Debian's fonts-dejavu-core) at 16 px.
// Targets: its 95 printable ASCII characters in under 20 ms, every glyph it has (about
// 6,000) in under 500 ms, and the Import Font dialog follows a change of size (the set
// made again and the sample drawn) in under 50 ms.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QSpinBox>

#include "platform/outline_font.h"
#include "windows/dialogs/import_font_dialog.h"

namespace {

const QString kDejaVuSans = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

std::optional<zrl::OutlineFont> DejaVu(benchmark::State& state) {
    QFile file(kDejaVuSans);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("fonts-dejavu-core is not installed");
        return std::nullopt;
    }
    return zrl::OutlineFont(file.readAll());
}

// In a 32x32 cell: a few of DejaVu's glyphs (U+FDFD, the widest) need more at 16 px.
void Rasterise(benchmark::State& state, const std::vector<int>& codes,
               const zrl::OutlineFont& font) {
    zrl::OutlineOptions options;
    options.size.pixels = 16;
    options.cell = zrl::CellSize{32, 32};
    for (auto _ : state) {
        benchmark::DoNotOptimize(font.Rasterise(codes, options));
    }
    state.counters["glyphs"] = static_cast<double>(codes.size());
}

void BM_RasteriseDejaVuPrintableAt16px(benchmark::State& state) {
    if (const auto font = DejaVu(state)) {
        std::vector<int> codes;
        for (int code = 32; code <= 126; ++code) {
            codes.push_back(code);
        }
        Rasterise(state, codes, *font);
    }
}
BENCHMARK(BM_RasteriseDejaVuPrintableAt16px)->Unit(benchmark::kMillisecond);

void BM_RasteriseDejaVuWholeAt16px(benchmark::State& state) {
    if (const auto font = DejaVu(state)) {
        Rasterise(state, font->Codes(), *font);
    }
}
BENCHMARK(BM_RasteriseDejaVuWholeAt16px)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ImportFontDialogFollowsASize(benchmark::State& state) {
    zrl::ImportFontDialog dialog(nullptr);
    if (!dialog.UseFile(kDejaVuSans)) {
        state.SkipWithError("fonts-dejavu-core is not installed");
        return;
    }
    int pixels = 12;
    for (auto _ : state) {
        pixels = pixels == 12 ? 16 : 12;
        dialog.Pixels->setValue(pixels);
    }
}
BENCHMARK(BM_ImportFontDialogFollowsASize)->Unit(benchmark::kMillisecond);

}  // namespace

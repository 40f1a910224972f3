#pragma once

// What the window benchmarks share: the editor with the splash gone, a clipboard that
// takes anything, and the settings of a benchmark repeated for a stable figure.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "platform/clipboard.h"
#include "windows/editor/main_window.h"
#include "windows/startup/forms.h"
#include "windows/startup/splash_window.h"

namespace zrl::bench {

class NullClipboard : public Clipboard {
public:
    void Clear() override {}
    void SetText(const QString&) override {}
    std::optional<QString> Text() override { return QString(); }
};

struct Editor {
    NullClipboard clipboard;
    Forms forms{clipboard};
    FrmMain* window = forms.main.Start();
    Editor() { forms.splash.Unload(); }
};

// Nine runs in microseconds, reported as mean, median, spread and the fastest.
inline benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* b) {
    return b->Unit(benchmark::kMicrosecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min", [](const std::vector<double>& v) {
            return *std::min_element(v.begin(), v.end());
        });
}

}  // namespace zrl::bench

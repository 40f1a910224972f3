// Time from process start to its first window being mapped on the X display, for Zerlin
// (the splash) and for a bare Qt program that shows one empty window. Needs an X server:
// run it under xvfb-run (make bench does).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string g_folder;  // where the measured programs live

struct XConnection {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;

    XConnection() {
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection) == 0) {
            root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
            const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(connection);
        }
    }
    ~XConnection() { xcb_disconnect(connection); }
    bool Ok() const { return xcb_connection_has_error(connection) == 0; }

    // Blocks until a top-level window is mapped.
    void WaitForMap() const {
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped) {
                return;
            }
        }
    }
};

void MeasureStartToFirstWindow(benchmark::State& state, const char* program,
                               const char* option = nullptr) {
    // One connection for the whole run: Xvfb resets when its last client leaves.
    static const XConnection x;
    if (!x.Ok()) {
        state.SkipWithError("no X display; run under xvfb-run");
        return;
    }
    const std::string path = g_folder + "/" + program;
    std::vector<double> samples;
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>(option), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError(("cannot start " + path).c_str());
            return;
        }
        x.WaitForMap();
        const auto shown = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double>(shown - start).count());
        state.SetIterationTime(samples.back());
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2] * 1000;
}

void BM_StartToSplash(benchmark::State& state) {
    MeasureStartToFirstWindow(state, "zerlin");
}
void BM_StartToBareWindow(benchmark::State& state) {
    MeasureStartToFirstWindow(state, "bench/bare_window");
}
void BM_StartToBareWindowWithText(benchmark::State& state) {
    MeasureStartToFirstWindow(state, "bench/bare_window", "--text");
}

// One run of many starts, with the median reported alongside the mean: a start-up
// time has a long tail on a shared machine.
#define STARTUP_BENCHMARK(name) \
    BENCHMARK(name)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21)

STARTUP_BENCHMARK(BM_StartToBareWindow);
STARTUP_BENCHMARK(BM_StartToBareWindowWithText);
STARTUP_BENCHMARK(BM_StartToSplash);

}  // namespace

int main(int argc, char** argv) {
    const std::string self = argv[0];
    const auto slash = self.rfind('/');
    // This program lives in <build>/bench; the measured ones in <build> and <build>/bench.
    g_folder = slash == std::string::npos ? ".." : self.substr(0, slash) + "/..";
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (getenv("XDG_RUNTIME_DIR") == nullptr) {
        char runtime[] = "/tmp/zerlin-bench-XXXXXX";  // keeps Qt from warning in every child
        if (mkdtemp(runtime) != nullptr) {
            setenv("XDG_RUNTIME_DIR", runtime, 1);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

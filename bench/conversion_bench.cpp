// The command line's conversion of GNU Unifont (57,086 glyphs, Debian's xfonts-unifont)
// from PCF to BDF, beside pcf2bdf converting the same file to the same text, each run as a
// process of its own. Targets: within pcf2bdf's time (x_pcf2bdf at most 1.0) and under
// 40 MB at most resident (max_rss_MB).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

const std::string kUnifont = "/usr/share/fonts/X11/misc/unifont.pcf.gz";
const std::string kOutput = "/tmp/zerlin-conversion-bench.bdf";
std::string g_zerlin;        // the program measured, beside this one's folder
double g_pcf2bdfMedian = 0;  // seconds, once measured

struct Run {
    double seconds = 0;
    double maxRssMb = 0;
    bool ok = false;
};

Run Spawn(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const bool started =
        posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    Run run;
    int status = 0;
    rusage usage{};
    if (started && wait4(child, &status, 0, &usage) == child) {
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.maxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return run;
}

// Runs the conversion once a timed iteration, and reports the median time and the largest
// resident size.
double Measure(benchmark::State& state, const std::vector<std::string>& arguments) {
    if (access(kUnifont.c_str(), R_OK) != 0) {
        state.SkipWithError("xfonts-unifont is not installed");
        return 0;
    }
    std::vector<double> samples;
    double rss = 0;
    for (auto _ : state) {
        const Run run = Spawn(arguments);
        if (!run.ok) {
            state.SkipWithError(("cannot run " + arguments[0]).c_str());
            return 0;
        }
        state.SetIterationTime(run.seconds);
        samples.push_back(run.seconds);
        rss = std::max(rss, run.maxRssMb);
    }
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    state.counters["median_ms"] = median * 1000;
    state.counters["max_rss_MB"] = rss;
    return median;
}

void BM_Pcf2bdfUnifont(benchmark::State& state) {
    g_pcf2bdfMedian = Measure(state, {"pcf2bdf", "-o", kOutput, kUnifont});
}

void BM_ZerlinUnifontToBdf(benchmark::State& state) {
    const double median = Measure(state, {g_zerlin, "--export", "bdf", kUnifont, kOutput});
    if (median > 0 && g_pcf2bdfMedian > 0) {
        state.counters["x_pcf2bdf"] = median / g_pcf2bdfMedian;
    }
}

BENCHMARK(BM_Pcf2bdfUnifont)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_ZerlinUnifontToBdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace

int main(int argc, char** argv) {
    const std::string self = argv[0];
    const auto slash = self.rfind('/');
    // This program lives in <build>/bench, the program in <build>.
    g_zerlin = (slash == std::string::npos ? std::string("..") : self.substr(0, slash) + "/..") +
               "/zerlin";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    unlink(kOutput.c_str());
    return 0;
}

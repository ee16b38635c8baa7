// Process start to window shown: the program's window (StartupProbe main,
// and with the German catalogues installed, de) against a bare Qt program
// with the same widgets that links nothing of the program's
// (StartupReference), each in a fresh process, spawned in turn so that both
// see the same machine. Offscreen unless QT_QPA_PLATFORM says
// otherwise (scripts/bench-startup.sh runs it under Xvfb as well).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::string folder;

// Seconds from the spawn to the program's word that its window is shown;
// its exit is not timed. Negative when it showed none.
double Start(const std::string &program, const char *mode)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    setenv("TETHRIX_PROBE_FD", std::to_string(fds[1]).c_str(), 1);
    pid_t pid;
    char *args[] = {const_cast<char *>(program.c_str()), const_cast<char *>(mode), nullptr};
    const auto start = std::chrono::steady_clock::now();
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, args, environ) != 0)
        return -1;
    close(fds[1]);
    char shown = 0;
    const bool ok = read(fds[0], &shown, 1) == 1;
    const auto end = std::chrono::steady_clock::now();
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return ok ? std::chrono::duration<double>(end - start).count() : -1;
}

// The window in mode against the bare Qt program, in turn.
void AgainstBareQt(benchmark::State &state, const char *mode)
{
    std::vector<double> ratios, window, bare;
    for (auto _ : state) {
        for (int i = 0; i < 41; ++i) {
            const double w = Start(folder + "startup_probe", mode);
            const double b = Start(folder + "startup_reference", "");
            if (w < 0 || b < 0) {
                state.SkipWithError("a window did not show");
                return;
            }
            window.push_back(w * 1e3);
            bare.push_back(b * 1e3);
            ratios.push_back(w / b);
        }
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["ratio_median"] = median(ratios);
    state.counters["window_ms"] = median(window);
    state.counters["bare_qt_ms"] = median(bare);
}
void BM_MainWindowAgainstBareQt(benchmark::State &state) { AgainstBareQt(state, "main"); }
// With a translation loaded: the window's catalogue and the core's read at start.
void BM_GermanWindowAgainstBareQt(benchmark::State &state) { AgainstBareQt(state, "de"); }
BENCHMARK(BM_MainWindowAgainstBareQt)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GermanWindowAgainstBareQt)->Iterations(1)->Unit(benchmark::kMillisecond);

[[maybe_unused]] void RunProbe(benchmark::State &state, const char *mode)
{
    const std::string probe = folder + "startup_probe";
    for (auto _ : state) {
        const double seconds = Start(probe, mode);
        if (seconds < 0) {
            state.SkipWithError("the probe did not start or showed no window");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_StartMainWindow(benchmark::State &state) { RunProbe(state, "main"); }
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char **argv)
{
    const std::string self = argv[0];
    folder = self.substr(0, self.find_last_of('/') + 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("XDG_CONFIG_HOME", "/tmp/tethrix-startup-bench", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

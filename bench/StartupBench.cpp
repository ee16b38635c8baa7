// Process start to window shown: the program's window against an empty Qt
// window, each in a fresh process (StartupProbe).
#include <benchmark/benchmark.h>

#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::string probe;

// Times from the spawn to the probe's word that its window is shown; the
// probe's exit is not timed.
void RunProbe(benchmark::State &state, const char *mode)
{
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        setenv("TETHRIX_PROBE_FD", std::to_string(fds[1]).c_str(), 1);
        pid_t pid;
        char *args[] = {const_cast<char *>(probe.c_str()), const_cast<char *>(mode), nullptr};
        const auto start = std::chrono::steady_clock::now();
        if (posix_spawn(&pid, probe.c_str(), nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        close(fds[1]);
        char shown = 0;
        const bool ok = read(fds[0], &shown, 1) == 1;
        const auto end = std::chrono::steady_clock::now();
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!ok) {
            state.SkipWithError("the probe showed no window");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void BM_StartMainWindow(benchmark::State &state) { RunProbe(state, "main"); }
void BM_StartEmptyWindow(benchmark::State &state) { RunProbe(state, "empty"); }
void BM_StartLabelWindow(benchmark::State &state) { RunProbe(state, "label"); }
BENCHMARK(BM_StartLabelWindow)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_StartEmptyWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char **argv)
{
    const std::string self = argv[0];
    probe = self.substr(0, self.find_last_of('/') + 1) + "startup_probe";
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("XDG_CONFIG_HOME", "/tmp/tethrix-startup-bench", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

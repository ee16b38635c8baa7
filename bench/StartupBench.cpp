// Process start to window shown: the program's window against an empty Qt
// window, each in a fresh process (StartupProbe).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::string probe;

void RunProbe(benchmark::State &state, const char *mode)
{
    for (auto _ : state) {
        pid_t pid;
        char *args[] = {const_cast<char *>(probe.c_str()), const_cast<char *>(mode), nullptr};
        if (posix_spawn(&pid, probe.c_str(), nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
}

void BM_StartMainWindow(benchmark::State &state) { RunProbe(state, "main"); }
void BM_StartEmptyWindow(benchmark::State &state) { RunProbe(state, "empty"); }
void BM_StartLabelWindow(benchmark::State &state) { RunProbe(state, "label"); }
BENCHMARK(BM_StartLabelWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartEmptyWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

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

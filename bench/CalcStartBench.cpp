// tethrix-calc lt=5 as a script runs it, process start to exit, against the
// same calculation built without settings or report (the code a build
// without Qt has), spawned in turn so that both see the same machine. The
// stored settings are a plain file, as the window writes it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::string folder;

struct Run {
    double seconds;
    long maxRssKb;
};

Run Spawn(const std::string &program)
{
    char lt[] = "lt=5";
    char *args[] = {const_cast<char *>(program.c_str()), lt, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, args, environ) != 0)
        return {0, 0};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

void BM_CalcAgainstBare(benchmark::State &state)
{
    std::vector<double> time, memory, calcMs, bareMs;
    for (auto _ : state) {
        for (int i = 0; i < 101; ++i) {
            const Run calc = Spawn(folder + "tethrix-calc");
            const Run bare = Spawn(folder + "tethrix-calc-bare");
            time.push_back(calc.seconds / bare.seconds);
            memory.push_back(double(calc.maxRssKb) / double(bare.maxRssKb));
            calcMs.push_back(calc.seconds * 1e3);
            bareMs.push_back(bare.seconds * 1e3);
        }
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["time_ratio"] = median(time);
    state.counters["memory_ratio"] = median(memory);
    state.counters["calc_ms"] = median(calcMs);
    state.counters["bare_ms"] = median(bareMs);
}
BENCHMARK(BM_CalcAgainstBare)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    const std::string self = argv[0];
    folder = self.substr(0, self.find_last_of('/') + 1);
    char home[] = "/tmp/tethrix-calc-bench-XXXXXX";
    const std::string config = mkdtemp(home);
    mkdir((config + "/Brelm").c_str(), 0755);
    if (FILE *f = std::fopen((config + "/Brelm/Tethrix.conf").c_str(), "w")) {
        std::fputs("[General]\nAltitude=100\nArmLngth=18\nHndlAngl=0\nHumidity=50\nTemp=75\nWndSpeed=0\n\n"
                   "[Mru]\nMRU1=/home/flier/Stunt2.TQD\nMRU2=\nMRU3=\nMRU4=\nMRU5=\n",
                   f);
        std::fclose(f);
    }
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

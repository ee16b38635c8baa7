// One Recalculate of the built-in case, with the integrand evaluations it
// takes (both line integrals).
#include "Calcs.h"
#include "DataFile.h"
#include "Sweep.h"

#include <benchmark/benchmark.h>

static void BM_Recalculate(benchmark::State &state)
{
    const FlightCase fc = DefaultFlightCase();
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    for (auto _ : state) {
        engine.Recalculate(fc.LapTime);
        benchmark::DoNotOptimize(groundSpeed);
    }
    // Solve runs the moment integral, then the bow integral; gQuanc keeps
    // the count of the last one, so count the first separately.
    gLacft.integrandMode = MomentWeighting;
    gQuanc.Integrate(IntegrandCallback);
    const int moment = gQuanc.evalCount;
    gLacft.integrandMode = BowWeighting;
    gQuanc.Integrate(IntegrandCallback);
    state.counters["moment_evals"] = moment;
    state.counters["bow_evals"] = gQuanc.evalCount;
}
BENCHMARK(BM_Recalculate);

// tethrix-calc --sweep: the cases and their CSV text.
static void BM_SweepCsv(benchmark::State &state)
{
    const FlightCase fc = DefaultFlightCase();
    const InputKey &lapTime = *FindInputKey("lt");
    const long rows = state.range(0);
    std::string buffer;
    for (auto _ : state) {
        SweepEach(fc, lapTime, 3.0, 3.0 + 0.0001 * (rows - 1), 0.0001, [&](const SweepRow &row) {
            AppendSweepCsvRow(buffer, row);
            if (buffer.size() > 1 << 16)
                buffer.clear();
        });
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SweepCsv)->Arg(10000)->Unit(benchmark::kMillisecond);

// The data-file reader on its worst case: a file of lines without "=".
// Time per byte stays the same from 64 KiB to 1 MiB: the reader is linear.
static void BM_ReadDataFile(benchmark::State &state)
{
    const std::string content(static_cast<size_t>(state.range(0)), '\n');
    for (auto _ : state) {
        const auto entries = ParseDataFile(content);
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadDataFile)->RangeMultiplier(4)->Range(64 << 10, 1 << 20)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

// One Recalculate of the built-in case, with the integrand evaluations it
// takes (both line integrals).
#include "Calcs.h"
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
    for (auto _ : state) {
        const std::string csv = SweepCsv(lapTime, Sweep(fc, lapTime, 3.0, 3.0 + 0.0001 * (rows - 1), 0.0001));
        benchmark::DoNotOptimize(csv.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SweepCsv)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

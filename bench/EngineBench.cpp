// One Recalculate of the built-in case, with the integrand evaluations it
// takes (both line integrals).
#include "Calcs.h"

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

BENCHMARK_MAIN();

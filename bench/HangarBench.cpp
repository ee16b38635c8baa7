// The window's hangar: a store of 200 airplanes and 10,000 flights opened
// and listed (each airplane with when it last flew), as the hangar dialog
// does; the database checked and every record read and checked by the core.
#include "storage/HangarStore.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>

namespace {

// 200 airplanes with notes, 50 flights each with the flier's fields filled.
void Fill(const QString &path)
{
    HangarStore store(path);
    const QString e = store.edit([](Hangar &h) {
        FlightCase fc = DefaultFlightCase();
        for (int a = 0; a < 200; ++a) {
            const std::string id = "airplane-" + std::to_string(1000 + a);
            fc.AcName = "Stunter " + std::to_string(a);
            fc.Weight = 38.0f + static_cast<float>(a % 9);
            if (Result<> r = h.AddAirplane(id, fc, "Fox .35, 10x6, " + std::string(a % 40, 'n'),
                                           "2026-01-01T10:00:00Z");
                !r.ok())
                return r;
            float ground = 0;
            CalcEngine engine(fc, ground);
            const Flight base = FlightOfCase(fc, SolveCase(engine, fc, ground));
            for (int f = 0; f < 50; ++f) {
                Flight flight = base;
                flight.id = id + "-" + std::to_string(f);
                flight.airplaneId = id;
                char when[32];
                std::snprintf(when, sizeof when, "2026-%02d-%02dT%02d:%02d:00Z", 1 + f % 12, 1 + (a + f) % 28,
                              8 + f % 10, f % 60);
                flight.flown = flight.changed = when;
                flight.lapTime = 5.0 + 0.01 * f;
                flight.engine = "Fox .35";
                flight.prop = "10x6";
                flight.fuel = "10% nitro";
                flight.setting = "2 3/4 turns";
                flight.notes = "smooth, a little light in the overheads";
                if (Result<> r = h.LogFlight(flight); !r.ok())
                    return r;
            }
        }
        return Result<>();
    });
    if (!e.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(e));
}

void OpenAndList(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/hangar.sqlite";
    Fill(path);
    for (auto _ : state) {
        HangarStore store(path);
        std::vector<std::string> last = store.hangar().LastFlownOfAll();
        benchmark::DoNotOptimize(last);
        if (store.access() != HangarStore::Access::Writable || store.hangar().Flights().size() != 10000)
            state.SkipWithError("the store was not read whole");
    }
}
BENCHMARK(OpenAndList)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();

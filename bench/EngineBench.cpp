// The engine's speed: one Recalculate against the arithmetic floor of its
// own work, a sweep against bare Recalculates, and the data-file reader.
#include "physics/CalcEngine.h"
#include "case/DataFile.h"
#include "case/Sweep.h"
#include "tools/CalcCli.h"

#include <fstream>
#include <sstream>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

// Typical cases near the defaults, different from call to call as in use:
// the airplane always, the flying conditions too unless they are held (as
// they are while a flier edits the airplane in the window or in a sweep).
std::vector<FlightCase> TypicalCases(int n, bool holdConditions)
{
    std::vector<FlightCase> cases;
    for (int i = 0; i < n; ++i) {
        FlightCase fc = DefaultFlightCase();
        fc.LapTime = 4.4f + 0.02f * static_cast<float>(i % 50);
        fc.LineLength = 52.0f + static_cast<float>(i % 17);
        fc.Weight = 38.0f + static_cast<float>(i % 9);
        fc.NumLines = 1 + i % 3;
        if (!holdConditions) {
            fc.Temperature = 40.0f + static_cast<float>(i % 13) * 5;
            fc.PressureAltitude = static_cast<float>(i % 11) * 500;
            fc.Humidity = static_cast<float>(i % 7) * 15;
        }
        cases.push_back(fc);
    }
    return cases;
}

// The floor: the arithmetic Recalculate cannot do without. 66 integrand
// points, each a logarithm, a 16-point table interpolation and a few
// multiplies, and 12 exponentials and powers for the air, on varying data
// with every result consumed.
struct Floor {
    double xs[16], ys[16];
    std::vector<double> data;
    size_t k = 0;
    Floor()
    {
        for (int i = 0; i < 16; ++i) {
            xs[i] = i * 0.75;
            ys[i] = std::cos(i * 0.3) + 2;
        }
        for (int i = 0; i < 4096; ++i)
            data.push_back(1.5 + std::fmod(i * 0.618034, 1.0) * 5000);
    }
    double operator()()
    {
        double acc = 0;
        for (int i = 0; i < 66; ++i) {
            const double x = data[k++ & 4095];
            const double l = std::log(x);
            unsigned lo = 0, hi = 15;
            while (hi - lo > 1) {
                const unsigned mid = (lo + hi) / 2;
                (l > xs[mid] ? lo : hi) = mid;
            }
            const double t = (l - xs[lo]) / (xs[lo + 1] - xs[lo]);
            const double y = ys[lo] + t * (ys[lo + 1] - ys[lo]);
            acc += y * x * 0.25 * l;
        }
        for (int i = 0; i < 6; ++i) {
            const double x = data[k++ & 4095] * 1e-4;
            acc += std::exp(x) + std::pow(x, 1.5);
        }
        return acc;
    }
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

// Recalculate and the floor, interleaved in batches in one process so that
// both see the same machine; the ratio of each pair is one sample.
// Argument 0: everything varies; 1: the flying conditions are held.
static void BM_RecalculateAgainstFloor(benchmark::State &state)
{
    const std::vector<FlightCase> cases = TypicalCases(64, state.range(0) == 1);
    FlightCase fc = cases[0];
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    Floor floor;
    constexpr int Batch = 2000, Pairs = 41;
    std::vector<double> ratios, recalc, bare;
    double sink = 0;
    for (auto _ : state) {
        for (int p = 0; p < Pairs; ++p) {
            auto t0 = std::chrono::steady_clock::now();
            for (int i = 0; i < Batch; ++i) {
                fc = cases[static_cast<size_t>(i) & 63];
                benchmark::DoNotOptimize(engine.Recalculate(fc.LapTime));
                sink += groundSpeed + engine.LeadoutPosition() + engine.LineProjection();
            }
            auto t1 = std::chrono::steady_clock::now();
            for (int i = 0; i < Batch; ++i)
                sink += floor();
            auto t2 = std::chrono::steady_clock::now();
            recalc.push_back(Seconds(t1 - t0) / Batch);
            bare.push_back(Seconds(t2 - t1) / Batch);
            ratios.push_back(recalc.back() / bare.back());
        }
    }
    benchmark::DoNotOptimize(sink);
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::sort(ratios.begin(), ratios.end());
    state.counters["ratio_median"] = median(ratios);
    state.counters["ratio_p10"] = ratios[ratios.size() / 10];
    state.counters["ratio_p90"] = ratios[ratios.size() * 9 / 10];
    state.counters["recalc_us"] = median(recalc) * 1e6;
    state.counters["floor_us"] = median(bare) * 1e6;
}
BENCHMARK(BM_RecalculateAgainstFloor)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_Recalculate(benchmark::State &state)
{
    const FlightCase fc = DefaultFlightCase();
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.Recalculate(fc.LapTime));
        benchmark::DoNotOptimize(groundSpeed);
    }
    // The two drag integrals as Solve runs them, counted one at a time.
    const LineModel &model = engine.Model();
    Quadrature quadrature;
    quadrature.SetLimits(0, model.integrationEnd);
    quadrature.SetTolerances(0.0001, 0.0001);
    quadrature.Integrate([&](double x) { return model.LineDrag(x) * 4 * x; });
    const int moment = quadrature.Evaluations();
    quadrature.Integrate([&](double x) { return model.LineDrag(x) * 12 * (1 - x); });
    state.counters["moment_evals"] = moment;
    state.counters["bow_evals"] = quadrature.Evaluations();
}
BENCHMARK(BM_Recalculate);

// tethrix-calc --sweep: 40,001 rows streamed as CSV to /dev/null, as the
// tool writes them, against 40,001 bare Recalculates of the same cases,
// interleaved.
static void BM_SweepAgainstRecalculate(benchmark::State &state)
{
    constexpr long Rows = 40001;
    std::ofstream null("/dev/null");
    std::ostringstream err;
    const std::vector<std::string> args = {"--no-settings", "--sweep", "lt=3:7.0000:0.0001"};
    std::vector<double> ratios, sweep;
    for (auto _ : state) {
        for (int p = 0; p < 9; ++p) {
            auto t0 = std::chrono::steady_clock::now();
            if (RunCalc(args, null, err) != 0)
                state.SkipWithError("the sweep failed");
            auto t1 = std::chrono::steady_clock::now();
            FlightCase fc = DefaultFlightCase();
            float groundSpeed = 0;
            CalcEngine engine(fc, groundSpeed);
            for (long i = 0; i < Rows; ++i) {
                fc.LapTime = static_cast<float>(3.0 + static_cast<double>(i) * 0.0001);
                benchmark::DoNotOptimize(engine.Recalculate(fc.LapTime));
                benchmark::DoNotOptimize(groundSpeed);
            }
            auto t2 = std::chrono::steady_clock::now();
            sweep.push_back(Seconds(t1 - t0));
            ratios.push_back(Seconds(t1 - t0) / Seconds(t2 - t1));
        }
    }
    std::sort(ratios.begin(), ratios.end());
    std::sort(sweep.begin(), sweep.end());
    state.counters["ratio_median"] = ratios[ratios.size() / 2];
    state.counters["ratio_min"] = ratios.front();
    state.counters["ratio_max"] = ratios.back();
    state.counters["rows_per_s"] = Rows / sweep[sweep.size() / 2];
}
BENCHMARK(BM_SweepAgainstRecalculate)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same sweep's rows solved (SweepEach, no text) against bare
// Recalculates, interleaved: what a row costs the engine before it is
// written, on the core this runs on.
static void BM_SweepRowsAgainstRecalculate(benchmark::State &state)
{
    constexpr long Rows = 40001;
    const FlightCase base = DefaultFlightCase();
    const InputKey &lapTime = KeyOf(Input::LapTime);
    std::vector<double> ratios;
    double sink = 0;
    for (auto _ : state) {
        for (int p = 0; p < 9; ++p) {
            auto t0 = std::chrono::steady_clock::now();
            SweepEach(base, lapTime, 3.0, 7.0, 0.0001, [&](const SweepRow &row) { sink += row.figures[0]; });
            auto t1 = std::chrono::steady_clock::now();
            FlightCase fc = base;
            float groundSpeed = 0;
            CalcEngine engine(fc, groundSpeed);
            for (long i = 0; i < Rows; ++i) {
                fc.LapTime = static_cast<float>(3.0 + static_cast<double>(i) * 0.0001);
                benchmark::DoNotOptimize(engine.Recalculate(fc.LapTime));
                sink += groundSpeed;
            }
            auto t2 = std::chrono::steady_clock::now();
            ratios.push_back(Seconds(t1 - t0) / Seconds(t2 - t1));
        }
    }
    benchmark::DoNotOptimize(sink);
    std::sort(ratios.begin(), ratios.end());
    state.counters["ratio_median"] = ratios[ratios.size() / 2];
    state.counters["ratio_min"] = ratios.front();
    state.counters["ratio_max"] = ratios.back();
}
BENCHMARK(BM_SweepRowsAgainstRecalculate)->Iterations(1)->Unit(benchmark::kMillisecond);

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

// The engine's explicit fault checks find exactly what the processor's
// status flags find, on every seeded random case and at every point where a
// calculation reports its faults (the cross-check build stops on the first
// difference). The air's density search raises nothing over the whole band
// of densities the single solve of ordinary air relies on.
#include "tests/engine/RandomCases.h"

#include <gtest/gtest.h>

#include "numbers/Faults.h"

#include <cfenv>

TEST(FaultCrossCheck, explicit_checks_find_what_the_status_flags_find)
{
    using namespace randomcases;
    Random r(Seed + 1);
    int failed = 0;
    for (int i = 0; i < 400000; ++i) {
        FlightCase fc = MakeCase(r);
        float groundSpeed = 0;
        CalcEngine engine(fc, groundSpeed);
        failed += engine.Recalculate(fc.LapTime) != nullptr;
    }
    int edges = 0;
    EdgeCases([&](const FlightCase &fc) {
        float groundSpeed = 0;
        CalcEngine engine(fc, groundSpeed);
        const char *error = engine.Recalculate(fc.LapTime);
        edges += error && std::string(error).rfind("Floating point", 0) == 0;
    });
    EXPECT_GT(failed, 1000);  // the failing kinds were all there
    EXPECT_GT(edges, 3000);
}

TEST(FaultCrossCheck, stops_on_a_fault_that_no_check_saw)
{
    EXPECT_DEATH(
        {
            faults::Reset();
            volatile double big = 1e308;
            volatile double product = big * 10;  // overflows behind the checks' back
            (void)product;
            static_cast<void>(faults::Check());
        },
        "fault cross-check");
}

TEST(FaultCrossCheck, the_density_search_of_ordinary_air_raises_nothing)
{
    // From well below the thinnest (80 km, 400 K) to well above the densest
    // (5 km below the sea, 150 K) air of the single solve.
    StandardAtmosphere air;
    for (double logRho = std::log(1e-7); logRho < std::log(20.0); logRho += 1e-4) {
        std::feclearexcept(FE_ALL_EXCEPT);
        const double h = air.AltitudeForDensity(std::exp(logRho));
        ASSERT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0) << std::exp(logRho);
        ASSERT_TRUE(h > -100 && h < 200) << h;
    }
}

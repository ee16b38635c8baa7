// The calculation driver end to end: the four reference cases, arithmetic
// faults, repeatability and the no-allocation promise.
#include "physics/CalcEngine.h"
#include "numbers/EngineError.h"
#include "case/Figures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

// Counts every allocation in this test program.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
static std::atomic<long> allocations{0};
void *operator new(std::size_t size)
{
    ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// The form std::stable_sort's buffer takes: it too is freed by the delete below.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    ++allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

::testing::AssertionResult Figures(double actual, double expected, int n = 5)
{
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - (n - 1));
    if (std::fabs(actual - expected) <= 0.5 * unit * (1 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected << " to " << n << " figures";
}

struct EndToEnd {
    const char *name;
    void (*change)(FlightCase &);
    double airspeed, radiusFeet, groundSpeed, tension, leadout, projection, reynolds, dragArea,
        pressure, radius, densityAltitude, lineWeight, wingLoading;
};

void PrintTo(const EndToEnd &c, std::ostream *os) { *os << c.name; }

class ReferenceCase : public ::testing::TestWithParam<EndToEnd> {};

TEST_P(ReferenceCase, reproduces_every_figure_to_five_significant_digits)
{
    const EndToEnd &c = GetParam();
    FlightCase fc = DefaultFlightCase();
    c.change(fc);
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    ASSERT_EQ(engine.Recalculate(fc.LapTime), nullptr);

    EXPECT_TRUE(Figures(engine.Model().airspeed * MphPerMetrePerSecond, c.airspeed));
    EXPECT_TRUE(Figures(engine.Model().radiusFeet, c.radiusFeet));
    EXPECT_TRUE(Figures(groundSpeed, c.groundSpeed));
    EXPECT_TRUE(Figures(engine.LineTension(), c.tension));
    EXPECT_TRUE(Figures(engine.LeadoutPosition(), c.leadout));
    EXPECT_TRUE(Figures(engine.LineProjection(), c.projection));
    EXPECT_TRUE(Figures(engine.LineReynolds(), c.reynolds));
    EXPECT_TRUE(Figures(engine.LineDragArea(), c.dragArea));
    EXPECT_TRUE(Figures(engine.AirPressure(), c.pressure));
    EXPECT_TRUE(Figures(engine.FlightRadius(), c.radius));
    EXPECT_TRUE(Figures(engine.DensityAltitude(), c.densityAltitude));
    EXPECT_TRUE(Figures(engine.LineWeight(), c.lineWeight));
    EXPECT_TRUE(Figures(WingLoading(fc).value, c.wingLoading, 6));
}

INSTANTIATE_TEST_SUITE_P(Table, ReferenceCase, ::testing::Values(
    EndToEnd{"A_defaults", [](FlightCase &) {},
             52.471, 60.083, 53.018, 8.0422, 0.83875, 9.8570, 580.85, 5.6302, 29.813, 62.208, 1346.4, 1.1977, 11.8125},
    EndToEnd{"B_wind_angle_one_line_hot_high_humid",
             [](FlightCase &f) {
                 f.WindSpeed = 5; f.HandleAngle = 10; f.NumLines = 1; f.LineDiameter = 0.018f;
                 f.Temperature = 90; f.PressureAltitude = 3000; f.Humidity = 80;
             },
             52.451, 60.060, 52.785, 6.5795, 0.49160, 5.0290, 603.18, 3.5840, 26.819, 62.185, 6146.9, 0.86235, 11.8125},
    EndToEnd{"C_no_arm", [](FlightCase &f) { f.ArmLength = 0; },
             51.161, 58.583, 53.018, 7.8412, 0.80779, 9.1894, 566.34, 5.5612, 29.813, 60.708, 1346.4, 1.1977, 11.8125},
    EndToEnd{"D_three_lines_fast",
             [](FlightCase &f) {
                 f.NumLines = 3; f.LapTime = 4.2f; f.LineLength = 60; f.WingLength = 24;
                 f.Weight = 48; f.WingArea = 600; f.HandleLength = 6;
             },
             63.169, 62.000, 63.680, 12.909, 1.0700, 13.628, 699.28, 8.4516, 29.813, 64.000, 1346.4, 1.8585, 11.52}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Recalculate, default_details_and_repeatability)
{
    FlightCase fc = DefaultFlightCase();
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    ASSERT_EQ(engine.Recalculate(fc.LapTime), nullptr);
    EXPECT_NEAR(engine.LineWeight(), 1.197712, 5e-7);
    EXPECT_NEAR(engine.FlightRadius() - engine.Model().radiusFeet, 2.125, 1e-12);
    EXPECT_NEAR(LapSpeed(fc).value, 54.36, 0.005);
    const float first = groundSpeed;
    const double tension = engine.LineTension(), projection = engine.LineProjection();
    ASSERT_EQ(engine.Recalculate(fc.LapTime), nullptr);
    EXPECT_EQ(groundSpeed, first);
    EXPECT_EQ(engine.LineTension(), tension);
    EXPECT_EQ(engine.LineProjection(), projection);
}

TEST(Recalculate, without_inboard_wing_the_ground_speed_is_the_line_speed)
{
    FlightCase fc = DefaultFlightCase();
    fc.WingLength = 0;
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    ASSERT_EQ(engine.Recalculate(fc.LapTime), nullptr);
    EXPECT_FLOAT_EQ(groundSpeed, static_cast<float>(engine.Results().lineSpeed * MphPerMetrePerSecond));
    EXPECT_DOUBLE_EQ(engine.FlightRadius(), engine.Results().radius / 0.3048);
}

TEST(Recalculate, allocates_nothing)
{
    FlightCase fc = DefaultFlightCase();
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    ASSERT_EQ(engine.Recalculate(fc.LapTime), nullptr);
    const long before = allocations.load();
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(engine.Recalculate(fc.LapTime + 0.1f * i), nullptr);
    EXPECT_EQ(allocations.load(), before);
}

TEST(Recalculate, engines_on_two_threads_give_what_each_gives_alone)
{
    // Each engine holds its own models: two calculating at once, on cases
    // that differ in every model, leave each other's figures alone.
    const auto solve = [](float lapTime, float temperature, int count) {
        FlightCase fc = DefaultFlightCase();
        fc.Temperature = temperature;
        float groundSpeed = 0;
        CalcEngine engine(fc, groundSpeed);
        std::vector<double> figures;
        for (int i = 0; i < count; ++i) {
            fc.LapTime = lapTime + 0.001f * static_cast<float>(i % 7);
            fc.NumLines = 1 + i % 3;
            EXPECT_EQ(engine.Recalculate(fc.LapTime), nullptr);
            figures.push_back(engine.LeadoutPosition() + engine.LineTension() + engine.DensityAltitude() +
                              engine.LineProjection() + groundSpeed);
        }
        return figures;
    };
    const std::vector<double> a = solve(4.9f, 75, 2000), b = solve(6.1f, -10, 2000);
    std::vector<double> a2, b2;
    std::thread first([&] { a2 = solve(4.9f, 75, 2000); });
    std::thread second([&] { b2 = solve(6.1f, -10, 2000); });
    first.join();
    second.join();
    EXPECT_EQ(a2, a);
    EXPECT_EQ(b2, b);
}

// Each case: what to change, the message expected out of Recalculate.
struct Fault { const char *name; void (*change)(FlightCase &); const char *message; };
void PrintTo(const Fault &f, std::ostream *os) { *os << f.name; }
class RecalculateFault : public ::testing::TestWithParam<Fault> {};

TEST_P(RecalculateFault, is_reported_and_leaves_the_ground_speed_alone)
{
    FlightCase fc = DefaultFlightCase();
    GetParam().change(fc);
    float groundSpeed = 123;
    CalcEngine engine(fc, groundSpeed);
    const char *error = engine.Recalculate(fc.LapTime);
    ASSERT_NE(error, nullptr);
    EXPECT_NE(std::string(error).find(GetParam().message), std::string::npos) << error;
    EXPECT_EQ(groundSpeed, 123);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RecalculateFault, ::testing::Values(
    Fault{"lap_time_zero", [](FlightCase &f) { f.LapTime = 0; }, "Floating point division by zero"},
    Fault{"absolute_zero", [](FlightCase &f) { f.Temperature = -459.67f; }, "absolute zero"},
    Fault{"below_absolute_zero", [](FlightCase &f) { f.Temperature = -500; }, "absolute zero"},
    Fault{"boiling_and_saturated", [](FlightCase &f) { f.Temperature = 215; f.Humidity = 100; }, "too hot and humid"},
    Fault{"vapour_in_thin_air", [](FlightCase &f) { f.PressureAltitude = 1e6f; }, "too thin at this pressure altitude"},
    Fault{"radius_behind_the_flier",
          [](FlightCase &f) { f.LineLength = 0; f.HandleLength = 1; f.ArmLength = 96; f.HandleAngle = 179; },
          "flight radius"},
    Fault{"altitude_beyond_the_air", [](FlightCase &f) { f.PressureAltitude = 3e38f; }, "pressure altitude"}),
    [](const auto &info) { return std::string(info.param.name); });

// A trim figure too large for the window's labels fails the case; the first
// figure beside them (Line Drag) and those after it show as none instead.
TEST(Recalculate, only_the_trim_figures_must_fit_single_precision)
{
    EXPECT_FALSE(FittedFigure(FirstBesideFigure - 1, 1e39).ok());
    EXPECT_TRUE(FittedFigure(FirstBesideFigure, 1e39).ok());
    EXPECT_TRUE(std::isnan(FittedFigure(FirstBesideFigure, 1e39).value));
    EXPECT_EQ(FittedFigure(FirstBesideFigure, -2.5).value, -2.5);
}

TEST(Recalculate, a_negative_lap_time_is_clamped_not_a_fault)
{
    FlightCase fc = DefaultFlightCase();
    fc.LapTime = -4.9f;
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    EXPECT_EQ(engine.Recalculate(fc.LapTime), nullptr);
    EXPECT_EQ(engine.Model().airspeed, 1);
}

// A line-length sweep at the same speed scales the lap time with the flight
// path: twice the path, twice the time (and a path of no length keeps it).
TEST(Sweep, the_lap_time_at_the_same_speed_grows_with_the_flight_path)
{
    FlightCase fc = DefaultFlightCase();
    const double path = fc.HandleLength / 12.0 + fc.LineLength + fc.WingLength / 12.0 + fc.ArmLength / 12.0;
    const float longer = static_cast<float>(2 * path - (path - fc.LineLength));
    EXPECT_NEAR(LapTimeAtSameSpeed(fc, longer), 2 * fc.LapTime, 1e-5);
    EXPECT_NEAR(LapTimeAtSameSpeed(fc, fc.LineLength / 2), fc.LapTime * (path - fc.LineLength / 2) / path, 1e-5);
    EXPECT_EQ(LapTimeAtSameSpeed(fc, static_cast<float>(-path)), fc.LapTime);
}

TEST(WindowArithmetic, divisions_by_zero_fault_like_the_floating_point_unit)
{
    FlightCase fc = DefaultFlightCase();
    fc.WingArea = 0;
    EXPECT_STREQ(WingLoading(fc).error, "Floating point division by zero");
    fc.Weight = 0;
    EXPECT_STREQ(WingLoading(fc).error, "Invalid floating point operation");
    fc = DefaultFlightCase();
    const float lapSpeed = LapSpeed(fc).value;
    EXPECT_NEAR(WhatIfLineLength(lapSpeed, fc, 5).value, 59.27, 0.005);
    EXPECT_NEAR(WhatIfLineLength(lapSpeed, fc, 4.9f).value, 58.0014, 0.00005);
    EXPECT_NEAR(WhatIfLapTime(lapSpeed, fc, 58).value, 4.9, 0.0005);
    EXPECT_STREQ(WhatIfLapTime(0, fc, 58).error, "Floating point division by zero");
    fc.LapTime = 0;
    EXPECT_STREQ(LapSpeed(fc).error, "Floating point division by zero");
}

}  // namespace

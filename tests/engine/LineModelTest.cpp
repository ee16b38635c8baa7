// The line model: conversion from imperial units and clamping of its setters, the worked
// cases, and the degenerate geometries it must refuse.
#include "physics/CalcEngine.h"
#include "numbers/EngineError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace UnitFactors;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Relative agreement to n significant figures.
::testing::AssertionResult Figures(double actual, double expected, int n)
{
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - (n - 1));
    if (std::fabs(actual - expected) <= 0.5 * unit * (1 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected << " to " << n << " figures";
}

TEST(LineModel, setters_convert_imperial_units_and_clamp)
{
    LineModel m;
    m.SetLineCount(0);
    EXPECT_EQ(m.lineCount, 1u);
    m.SetLineCount(7);
    EXPECT_EQ(m.lineCount, 3u);
    m.SetLineDiameter(15);
    EXPECT_NEAR(m.lineDiameter, 0.000381, 1e-12);
    m.SetLineDiameter(0.3);
    EXPECT_EQ(m.lineDiameter, 0.0001);
    m.SetWeight(42);
    EXPECT_NEAR(m.weight, 1.19068, 5e-6);
    m.SetWeight(2000);
    EXPECT_EQ(m.weight, 30);
    m.SetWingArea(512);
    EXPECT_NEAR(m.wingArea, 0.330322, 5e-7);
    m.SetWingArea(0);
    EXPECT_EQ(m.wingArea, 0.003);
    m.SetSpeeds(60, 80);
    EXPECT_NEAR(m.windSpeed, 0.9 * m.airspeed, 1e-12);
    m.SetSpeeds(0.5, 0);  // mph
    EXPECT_EQ(m.airspeed, 1);
}

TEST(LineModel, values_that_are_not_numbers_take_the_lower_bound)
{
    LineModel m;
    m.SetLineDiameter(NaN);
    m.SetWeight(NaN);
    m.SetWingArea(NaN);
    m.SetSpeeds(NaN, 0);
    m.SetGeometry(NaN, NaN, NaN, 0);
    EXPECT_EQ(m.lineDiameter, 0.0001);
    EXPECT_EQ(m.weight, 0.05);
    EXPECT_EQ(m.wingArea, 0.003);
    EXPECT_EQ(m.airspeed, 1);
    EXPECT_EQ(m.lineLength, 0.03625);
    EXPECT_EQ(m.armLength, 0);
}

TEST(LineModel, construction_defaults)
{
    LineModel m;
    EXPECT_EQ(m.lineDiameter, 0.0001);
    EXPECT_EQ(m.weight, 0.05);
    EXPECT_NEAR(m.lineLength, 4.8768, 1e-12);
    EXPECT_NEAR(m.armLength, 0.21336, 1e-12);
    EXPECT_NEAR(m.handleAngle, Pi / 4, 1e-15);
    EXPECT_NEAR(m.airspeed * 2.236936292054402, 50, 1e-12);
    EXPECT_EQ(m.wingArea, 0);
}

TEST(LineModel, straight_arm_and_out_of_range_angle_put_the_hand_on_the_radius)
{
    LineModel m;
    m.SetGeometry(50, 1.5, 2, 200);  // 200° is out of range and treated as 0
    EXPECT_EQ(m.handleAngle, 0);
    EXPECT_EQ(m.armSinAngle, 0);
    EXPECT_NEAR(m.armOffset, 1.5 / 50, 1e-15);
    EXPECT_NEAR(m.radius, 51.5 * MetresPerFoot, 1e-12);
    m.SetGeometry(50, 0, 2, 30);
    EXPECT_EQ(m.armSinAngle, 0);
    EXPECT_NEAR(m.radius, 50 * MetresPerFoot, 1e-12);
}

// The air of 100 ft, 75 °F and 50 % humidity.
HumidAtmosphere DefaultAir()
{
    HumidAtmosphere air;
    EXPECT_EQ(air.SetPressureAltitude(100 * MetresPerFoot * 0.001), nullptr);
    EXPECT_EQ(air.SetTemperature(75 / FahrenheitPerKelvin + KelvinAtZeroFahrenheit), nullptr);
    EXPECT_EQ(air.SetHumidity(50), nullptr);
    return air;
}

LineModel WorkedCase(double mph, double windMph, double handleAngle)
{
    LineModel m;
    m.SetLineCount(2);
    m.SetLineDiameter(15);
    m.SetGeometry(58.583333, 1.5, 2.125, handleAngle);
    m.SetWeight(42);
    m.SetSpeeds(mph, windMph);
    return m;
}

TEST(LineModel, worked_case_without_wind)
{
    const HumidAtmosphere air = DefaultAir();
    Quadrature quadrature;
    LineModel m = WorkedCase(52.4714, 0, 0);
    EXPECT_TRUE(Figures(m.lineLength, 17.8562, 6));
    EXPECT_TRUE(Figures(m.radius, 18.3134, 6));
    EXPECT_TRUE(Figures(m.integrationEnd, 0.963727, 6));
    EXPECT_TRUE(Figures(m.airspeed, 23.4568, 6));
    LineResults r;
    EXPECT_EQ(m.Solve(air, quadrature, r), nullptr);
    EXPECT_TRUE(Figures(r.tension, 35.8, 3));
    EXPECT_TRUE(Figures(r.lineSpeed, 22.9, 3));
    EXPECT_TRUE(Figures(r.reynolds, 581, 3));
    EXPECT_TRUE(Figures(r.momentIntegral, 1.07, 3));
    EXPECT_TRUE(Figures(r.dragArea, 0.00363, 3));
    EXPECT_TRUE(Figures(r.lineAngle, 1.88, 3));
    EXPECT_TRUE(Figures(r.leadoutOffset, 0.0213, 3));
    EXPECT_TRUE(Figures(r.bowIntegral, 1.37, 3));
    EXPECT_TRUE(Figures(r.lineProjection, 0.250, 3));
}

TEST(LineModel, worked_case_with_wind_and_handle_angle)
{
    const HumidAtmosphere air = DefaultAir();
    Quadrature quadrature;
    LineModel m = WorkedCase(52.2916, 10, 30);
    EXPECT_TRUE(Figures(m.radius, 18.2507, 6));
    LineResults r;
    EXPECT_EQ(m.Solve(air, quadrature, r), nullptr);
    EXPECT_TRUE(Figures(r.tension, 23.3, 3));
    EXPECT_TRUE(Figures(r.dragArea, 0.00416, 3));
    EXPECT_TRUE(Figures(r.lineAngle, 2.14, 3));
    EXPECT_TRUE(Figures(r.leadoutOffset, 0.0242, 3));
    EXPECT_TRUE(Figures(r.lineProjection, 0.238, 3));
}

TEST(LineModel, arm_longer_than_the_line_limits_the_arcsine)
{
    LineModel m;
    m.SetGeometry(0.1 / MetresPerFoot, 2 / MetresPerFoot, 0, 90);  // A·sin θ / L = 20
    EXPECT_NEAR(m.armSinAngle, Pi / 2, 1e-12);
    EXPECT_FALSE(std::isnan(m.radius));
    EXPECT_FALSE(std::isnan(m.armOffset));
}

TEST(LineModel, degenerate_cases_are_reported_not_solved)
{
    const HumidAtmosphere air = DefaultAir();
    Quadrature quadrature;
    LineResults r;

    LineModel wind;
    wind.SetGeometry(65, 1.6, 2, 0);
    wind.SetSpeeds(45, 45);  // mph, each way: the lines would hang slack
    EXPECT_STREQ(wind.Solve(air, quadrature, r), "The wind speed equals the airspeed.");

    LineModel behind;
    behind.SetGeometry(1, 3.3, 0, 179);  // feet: the hand is past the centre, R < 0
    behind.SetSpeeds(45, 0);
    EXPECT_LE(behind.radius, 0);
    EXPECT_NE(behind.Solve(air, quadrature, r), nullptr);
}

// Line drag and power. A short line on a long arm at high speed keeps every
// element above Re 10000, where Cd is 1.2: the integrals then have closed
// forms, and the power goes with the speed cubed.
TEST(LineDragAndPower, match_the_closed_form_of_a_constant_drag_coefficient_and_scale_with_speed)
{
    const HumidAtmosphere air = DefaultAir();
    Quadrature quadrature;
    LineResults at[2];
    for (int i = 0; i < 2; ++i) {
        LineModel m;
        m.SetLineCount(3);
        m.SetLineDiameter(150);           // thousandths: 3.81 mm
        m.SetGeometry(10, 26, 0, 0);      // feet: the line ends at the airplane
        m.SetSpeeds(150.0 * (i + 1), 0);  // mph
        EXPECT_EQ(m.Solve(air, quadrature, at[i]), nullptr);
        const LineResults &r = at[i];
        const double A = r.armLength, R = r.radius, omega = r.airspeed / R;
        ASSERT_EQ(LineDragCoefficient(r.reynolds * A / R), 1.2);  // the slowest element
        const double k = 0.5 * air.MoistDensity() * 1.2 * 3 * r.lineDiameter;
        EXPECT_NEAR(r.lineDrag, k * omega * omega * (R * R * R - A * A * A) / 3, 1e-9 * r.lineDrag);
        EXPECT_NEAR(r.linePower, k * omega * omega * omega * (R * R * R * R - A * A * A * A) / 4, 1e-9 * r.linePower);
    }
    EXPECT_NEAR(at[1].lineDrag / at[0].lineDrag, 4, 1e-9);
    EXPECT_NEAR(at[1].linePower / at[0].linePower, 8, 1e-9);
}

// By hand: the lines cut into 20000 strips, each strip's speed across the
// line from the turning circle's geometry, drag from the drag curve, and
// power as the work the strips do against the air (force times speed).
TEST(LineDragAndPower, agree_with_a_strip_by_strip_calculation)
{
    const HumidAtmosphere air = DefaultAir();
    Quadrature quadrature;
    for (const double wind : {0.0, 10.0}) {
        LineModel m = WorkedCase(52.4, wind, wind > 0 ? 30 : 0);
        LineResults r;
        EXPECT_EQ(m.Solve(air, quadrature, r), nullptr);
        // The hand at the arm's end, the line from it at φ to the radius.
        const double A = r.armLength, L = r.lineLength, theta = r.handleAngle;
        const double hx = A * std::cos(theta), hy = A * std::sin(theta);
        const double phi = std::asin(A * std::sin(theta) / L);
        const double ux = std::cos(phi), uy = -std::sin(phi);  // towards the airplane
        const double V = r.airspeed, w = r.windSpeed;
        const double omega = (V - w) / r.radius;
        const int strips = 20000;
        const double wetted = L - r.wingLength, dl = wetted / strips;
        double drag = 0, power = 0;
        for (int i = 0; i < strips; ++i) {
            const double l = (i + 0.5) * dl;
            const double along = (hx + l * ux) * ux + (hy + l * uy) * uy;  // the strip's distance along u from the foot
            const double across = omega * along + w;                         // its speed across the line
            const double cd = LineDragCoefficient(r.reynolds * std::fabs(across) / V);
            const double force = 0.5 * air.MoistDensity() * across * std::fabs(across) * cd * r.lineDiameter * dl * 2;
            drag += force;
            power += force * omega * along;
        }
        EXPECT_NEAR(r.lineDrag, drag, 2e-4 * drag) << wind;
        EXPECT_NEAR(r.linePower, power, 2e-4 * power) << wind;
    }
}

}  // namespace

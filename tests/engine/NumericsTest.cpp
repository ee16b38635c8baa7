// Quadrature, interpolation table, drag curve and constants against
// closed forms and published values.
#include "physics/CalcEngine.h"
#include "physics/Atmosphere.h"
#include "physics/InterpolationTable.h"
#include "physics/Quadrature.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

namespace {

double Square(double x) { return x * x; }
double Root(double x) { return std::sqrt(x); }
double Nonic(double x) { return std::pow(x, 9) - 3 * std::pow(x, 4) + 2; }
int calls = 0;
double Counted(double x) { ++calls; return x; }

TEST(Quadrature, integrates_polynomials_exactly_with_the_published_evaluation_count)
{
    Quadrature q;
    q.SetLimits(0, 1);
    q.SetTolerances(0.0001, 0.0001);
    EXPECT_NEAR(q.Integrate(Square), 1.0 / 3.0, 1e-15);
    EXPECT_EQ(q.Evaluations(), 33);
    EXPECT_EQ(q.ErrorEstimate(), 0);
    EXPECT_EQ(q.Flag(), 0);

    q.SetLimits(-1, 2);  // ∫ x⁹ − 3x⁴ + 2 = (2¹⁰ − 1)/10 − 3(2⁵ + 1)/5 + 6
    EXPECT_NEAR(q.Integrate(Nonic), 1023.0 / 10 - 99.0 / 5 + 6, 1e-11);
}

TEST(Quadrature, square_root_reversed_and_equal_limits)
{
    Quadrature q;
    q.SetLimits(0, 1);
    q.SetTolerances(0.0001, 0.0001);
    EXPECT_NEAR(q.Integrate(Root), 0.66634, 5e-6);
    EXPECT_EQ(q.Evaluations(), 33);
    EXPECT_EQ(q.Flag(), 0);

    q.SetLimits(1, 0);
    EXPECT_NEAR(q.Integrate(Square), -1.0 / 3.0, 1e-15);

    calls = 0;
    q.SetLimits(0.5, 0.5);
    EXPECT_EQ(q.Integrate(Counted), 0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(q.Flag(), 0);
}

TEST(Quadrature, setters_replace_bad_tolerances_and_reset_only_the_diagnostics)
{
    Quadrature q;
    q.SetLimits(0, 1);
    q.SetTolerances(0.0001, 0.0001);
    // An integrand the levels cannot resolve: the diagnostics say so, and
    // each setter clears them.
    const auto step = [](double x) { return x < 1 / 3.0 ? 0.0 : 1e6; };
    q.Integrate(step);
    const double result = q.Value();
    ASSERT_GT(q.Flag(), 0);
    ASSERT_GT(q.ErrorEstimate(), 0);
    q.SetTolerances(0, -1);
    EXPECT_EQ(q.AbsTolerance(), 0.1);
    EXPECT_EQ(q.RelTolerance(), 0.1);
    EXPECT_EQ(q.ErrorEstimate(), 0);
    EXPECT_EQ(q.Flag(), 0);
    q.SetTolerances(0.0001, 0.0001);
    q.Integrate(step);
    ASSERT_GT(q.Flag(), 0);
    q.SetLimits(2, 3);
    EXPECT_EQ(q.Flag(), 0);
    EXPECT_EQ(q.Value(), result);
}

struct LinCase { unsigned mode; double x, y; };
void PrintTo(const LinCase &c, std::ostream *os) { *os << "mode " << c.mode << " x " << c.x; }
class LinTable : public ::testing::TestWithParam<LinCase> {};

TEST_P(LinTable, evaluates_inside_and_outside_by_mode)
{
    const double xs[] = {0, 4, 8}, ys[] = {10, 20, 40};
    const InterpolationTable table(3, xs, ys, GetParam().mode);
    EXPECT_DOUBLE_EQ(table.Evaluate(GetParam().x), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(AllModes, LinTable, ::testing::Values(
    LinCase{4, 2, 15}, LinCase{4, 4, 20}, LinCase{4, 6, 30}, LinCase{4, -4, 0}, LinCase{4, 12, 60},
    LinCase{2, -4, 10}, LinCase{2, 12, 40}, LinCase{3, -4, 0}, LinCase{3, 12, 0}, LinCase{3, 6, 30},
    LinCase{1, 0, 10}, LinCase{1, 4, 10}, LinCase{1, 4.5, 20}, LinCase{1, 8, 20}, LinCase{1, 9, 40},
    LinCase{1, -1, 10}, LinCase{0, 12, 60}, LinCase{7, -4, 0}));

TEST(InterpolationTable, segment_search_puts_interior_abscissae_at_the_end_of_the_left_segment)
{
    const double xs[] = {0, 4, 8}, ys[] = {10, 20, 40};
    const InterpolationTable table(3, xs, ys, 4);
    double t;
    EXPECT_EQ(table.FindSegment(4, t), 0u);
    EXPECT_EQ(t, 1);
    EXPECT_EQ(table.FindSegment(0, t), 0u);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(table.FindSegment(-2, t), 0u);
    EXPECT_LT(t, 0);
    EXPECT_EQ(table.FindSegment(100, t), 1u);
    EXPECT_GT(t, 1);

    const double x2[] = {1, 3}, y2[] = {0, 1};
    EXPECT_DOUBLE_EQ(InterpolationTable(2, x2, y2, 4).Evaluate(10), 4.5);
}

TEST(InterpolationTable, rejects_tables_it_cannot_interpolate)
{
    const double one[] = {1}, flat[] = {1, 1}, down[] = {2, 1};
    // Only the program's own tables are built: a bad one is a fault of the
    // program, which stops at once with the reason.
    EXPECT_DEATH(InterpolationTable(1, one, one, 4), "at least two points");
    EXPECT_DEATH(InterpolationTable(2, flat, flat, 4), "strictly increasing");
    EXPECT_DEATH(InterpolationTable(2, down, down, 4), "strictly increasing");
}

TEST(DragCurve, matches_the_tabulated_coefficients)
{
    const struct { double re, cd; } table[] = {
        {0, 5.000345}, {0.5, 5.000345}, {1, 5.000345}, {10, 2.924152}, {100, 1.710015},
        {1000, 1.0}, {1500, 0.935343}, {2000, 0.922423}, {3000, 0.948266}, {4000, 1.0},
        {6000, 1.133892}, {8000, 1.187094}, {10000, 1.2}, {1e6, 1.2}};
    for (const auto &row : table)
        EXPECT_NEAR(LineDragCoefficient(row.re), row.cd, 5e-7) << "Re " << row.re;
    EXPECT_NEAR(LineDragCoefficient(2000), 0.922423, 5e-7);
}

TEST(DragCurve, reynolds_zero_is_held_without_a_floating_point_fault)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_NEAR(LineDragCoefficient(0), 5.000345, 5e-7);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
}

TEST(DragCurve, is_continuous_at_every_breakpoint)
{
    for (double re : {1.0, 1000.0, 4000.0, 10000.0})
        EXPECT_NEAR(LineDragCoefficient(re * (1 + 1e-9)), LineDragCoefficient(re), 1e-8) << re;
}

TEST(UnitFactors, derived_entries_have_their_published_values)
{
    using namespace UnitFactors;
    EXPECT_EQ(InchesPerMetre, 39.37007874015748);
    EXPECT_EQ(KelvinAtZeroFahrenheit, 255.37222222222223);
    EXPECT_EQ(NewtonsPerPound, 4.4482216152605);
    EXPECT_EQ(SquareMetresPerSquareFoot, 0.09290304);
    EXPECT_EQ(AirGasConstant, UniversalGasConstant / AirMolarMass);
    EXPECT_EQ(MolarMassRatio, 0.6219821574070237);
    EXPECT_EQ(VapourGasConstant, 461.51335472991354);
    EXPECT_NEAR(LatentHeatOverRv, 5412.298, 5e-4);
    EXPECT_NEAR(LatentSlopeOverRv, 5.16752, 5e-6);
    EXPECT_EQ(MphPerMetrePerSecond, 2.236936292054402);
}

}  // namespace

// The elementary functions the engine computes with in every build: exp and
// log against their published tables and quadruple precision; the
// trigonometric functions' small-angle series against quadruple precision.
// (Their slow path, in two doubles, is WideMathTest's.)
#include "numbers/PortableMath.h"
#include "tests/engine/numbers/Random.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#if __has_include(<quadmath.h>)
#include <quadmath.h>
#endif

namespace {

#include "tests/engine/numbers/ArmMathTables.inc"

using randomcases::Random;

uint64_t Bits(double x)
{
    uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

TEST(PortableMath, exp_and_log_tables_worked_out_are_the_published_ones)
{
    // A last bit of T would turn up in exp's results once in billions.
    uint64_t exp[256];
    tmath::BuildExpTable(exp);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(exp[i], ExpTable[i]) << i;
    for (const LogEntry &entry : LogTable)
        ASSERT_EQ(Bits(tmath::LogOfInverse(entry.invc)), Bits(entry.logc)) << entry.invc;
}

TEST(PortableMath, exp_and_log_of_the_ends_of_their_ranges)
{
    EXPECT_EQ(tmath::exp(0.0), 1.0);
    EXPECT_EQ(tmath::exp(-0.0), 1.0);
    EXPECT_EQ(tmath::exp(HUGE_VAL), HUGE_VAL);
    EXPECT_EQ(Bits(tmath::exp(-HUGE_VAL)), Bits(0.0));
    EXPECT_EQ(tmath::exp(710.0), HUGE_VAL);
    EXPECT_EQ(tmath::exp(1e300), HUGE_VAL);
    EXPECT_EQ(Bits(tmath::exp(-1e300)), Bits(0.0));
    EXPECT_EQ(tmath::exp(-745.0), 0x1p-1074);  // the least subnormal
    EXPECT_EQ(Bits(tmath::exp(-745.2)), Bits(0.0));
    EXPECT_TRUE(std::isnan(tmath::exp(NAN)));
    EXPECT_EQ(tmath::log(1.0), 0.0);
    EXPECT_EQ(tmath::log(0.0), -HUGE_VAL);
    EXPECT_EQ(tmath::log(-0.0), -HUGE_VAL);
    EXPECT_EQ(tmath::log(HUGE_VAL), HUGE_VAL);
    // A NaN of one sign, whoever computes it.
    for (double x : {-1.0, -0x1p-1074, -HUGE_VAL, static_cast<double>(NAN)}) {
        EXPECT_TRUE(std::isnan(tmath::log(x))) << x;
        EXPECT_FALSE(std::signbit(tmath::log(x))) << x;
    }
}

#if __has_include(<quadmath.h>)
// How far r lies from the exact value q, in units of r's last place.
double UlpError(double r, __float128 q)
{
    const double nearest = static_cast<double>(q);
    if (std::isinf(nearest))
        return r == nearest ? 0 : HUGE_VAL;
    const int e = std::max(std::ilogb(nearest == 0 ? DBL_MIN : nearest), -1022);
    const __float128 error = (static_cast<__float128>(r) - q) / static_cast<__float128>(std::ldexp(1.0, e - 52));
    return std::fabs(static_cast<double>(error));
}

// Over the whole range and the engine's (the air's exponentials, the
// logarithms of Reynolds numbers and ratios near 1), subnormal results
// included: within the algorithm's bound of just over half an ulp, so
// correctly rounded in all but a few cases in a hundred.
TEST(PortableMath, exp_and_log_are_within_0_52_ulp_of_quadruple_precision)
{
    Random r(13);
    double worstExp = 0, worstLog = 0;
    int expRounded = 0, logRounded = 0;
    const int n = 1000000;
    for (int i = 0; i < n; ++i) {
        const double u = r.unit();
        const int e = r.below(2100) - 1080;
        double x = i % 3 == 0 ? -760 + 1480 * u : i % 3 == 1 ? 0.9 + 0.2 * u : std::ldexp(1 + u, e);
        const double xe = i % 2 ? x : std::fmod(x, 60.0), xl = std::fabs(x);
        const double ex = tmath::exp(xe), lx = tmath::log(xl);
        const double errorExp = UlpError(ex, expq(xe)), errorLog = UlpError(lx, logq(xl));
        worstExp = std::max(worstExp, errorExp);
        worstLog = std::max(worstLog, errorLog);
        expRounded += errorExp <= 0.5;
        logRounded += errorLog <= 0.5;
        ASSERT_LE(errorExp, 0.52) << std::hexfloat << xe;
        ASSERT_LE(errorLog, 0.52) << std::hexfloat << xl;
    }
    EXPECT_GT(expRounded, n - n / 100);
    EXPECT_GT(logRounded, n - n / 100);
    std::printf("worst: exp %.4f ulp, log %.4f ulp\n", worstExp, worstLog);
}

// The trigonometric functions from the series where the rounding is
// certain, else at quadruple precision; either way the quadruple result
// rounded once. The series must never decide a case wrongly, and should
// decide nearly all of the engine's small angles.
TEST(PortableMath, small_angle_series_round_as_quadruple_precision_does)
{
    struct Function {
        double (*rounded)(double, double (*)(double));
        __float128 (*quad)(__float128);
    };
    static const Function functions[] = {{tmath::RoundedSin, sinq}, {tmath::RoundedCos, cosq},
                                         {tmath::RoundedTan, tanq},  {tmath::RoundedAtan, atanq},
                                         {tmath::RoundedAsin, asinq}};
    static int slowCalls;
    static __float128 (*quad)(__float128);
    const auto slow = [](double x) {
        ++slowCalls;
        return static_cast<double>(quad(x));
    };
    Random r(19);
    for (const Function &f : functions) {
        quad = f.quad;
        slowCalls = 0;
        int beyond = 0;
        const int n = 400000;
        for (int i = 0; i < n; ++i) {
            // Mostly the series' range, down to tiny angles; some beyond it.
            const double x = (r.below(2) ? 1 : -1) * (i % 8 ? std::ldexp(1 + r.unit(), -3 - r.below(40))
                                                           : r.unit());
            beyond += std::fabs(x) > 0.125;
            ASSERT_EQ(Bits(f.rounded(x, slow)), Bits(static_cast<double>(f.quad(x)))) << x;
        }
        EXPECT_LT(slowCalls - beyond, (n - beyond) / 25);
    }
}
#endif

}  // namespace

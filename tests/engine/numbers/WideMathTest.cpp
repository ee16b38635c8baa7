// The slow path of the trigonometric functions, carried in two doubles: the
// quadruple-precision value rounded once, over the whole range each function
// is asked for and where it is hardest (near multiples of π/2, arcsine near
// ±1, arctangent of the very large), every bit the same.
#include "numbers/PortableMath.h"
#include "tests/engine/numbers/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>
#if __has_include(<quadmath.h>)
#include <quadmath.h>
#endif

namespace {

using randomcases::Random;

uint64_t Bits(double x)
{
    uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

#if __has_include(<quadmath.h>)
TEST(WideMath, functions_in_two_doubles_round_as_quadruple_precision_does)
{
    struct Function {
        double (*wide)(double);
        tmath::WideFunction which;
        __float128 (*quad)(__float128);
        double range;
    };
    const Function functions[] = {{tmath::WideSin, tmath::WideFunction::Sin, sinq, 40},
                                  {tmath::WideCos, tmath::WideFunction::Cos, cosq, 40},
                                  {tmath::WideTan, tmath::WideFunction::Tan, tanq, 40},
                                  {tmath::WideAtan, tmath::WideFunction::Atan, atanq, 1e6},
                                  {tmath::WideAsin, tmath::WideFunction::Asin, asinq, 1}};
    const double quarterTurn = 0x1.921fb54442d18p+0;
    Random r(23);
    for (const Function &f : functions)
        for (int i = 0; i < 100000; ++i) {
            double x = 0;
            switch (i % 4) {
            case 0: x = f.range * r.unit(); break;
            case 1: x = std::ldexp(1 + r.unit(), -r.below(60)); break;   // small
            case 2: x = f.range == 1 ? 1 - std::ldexp(r.unit(), -r.below(52))  // arcsine near 1
                                     : std::nextafter(quarterTurn * (1 + r.below(20)), 0) +
                                           std::ldexp(r.unit() - 0.5, -30 - r.below(20));
                    break;
            default: x = std::ldexp(1 + r.unit(), r.below(1000)); break;   // arctangent's huge
            }
            if (f.range != 1e6 && i % 4 == 3)  // several turns, or up to the largest double
                x = std::ldexp(1 + r.unit(), i % 8 == 3 ? r.below(20) + 4 : r.below(994) + 30);
            if (f.range == 1 && std::fabs(x) > 1)
                x = r.unit();
            x *= r.below(2) ? 1 : -1;
            ASSERT_EQ(Bits(f.wide(x)), Bits(static_cast<double>(f.quad(x)))) << std::hexfloat << x;
            // The two doubles within 2^-100 of the function: what keeps a
            // wrong rounding out of all but the hardest cases.
            const tmath::DoubleDouble w = tmath::WideValue(f.which, x);
            const __float128 q = f.quad(x), error = (static_cast<__float128>(w.hi) + w.lo - q) / q;
            ASSERT_LT(static_cast<double>(error < 0 ? -error : error), 0x1p-100) << std::hexfloat << x;
        }
    // The doubles nearest a multiple of π/2 among 2^18 multiples near 2^28:
    // the reduction must keep its precision where it cancels most.
    std::vector<std::pair<double, double>> nearest;  // |x − k·π/2|, x
    const __float128 halfPi = acosq(-1) / 2;
    for (int64_t k = (int64_t{1} << 28); k < (int64_t{1} << 28) + (1 << 18); ++k) {
        const __float128 multiple = k * halfPi;
        const double x = static_cast<double>(multiple);
        const __float128 off = x - multiple;
        nearest.push_back({std::fabs(static_cast<double>(off)), x});
    }
    std::partial_sort(nearest.begin(), nearest.begin() + 20, nearest.end());
    for (int i = 0; i < 20; ++i)
        for (const Function &f : functions) {
            if (f.which == tmath::WideFunction::Atan || f.which == tmath::WideFunction::Asin)
                continue;
            const double x = nearest[static_cast<size_t>(i)].second;
            ASSERT_EQ(Bits(f.wide(x)), Bits(static_cast<double>(f.quad(x)))) << std::hexfloat << x;
            const tmath::DoubleDouble w = tmath::WideValue(f.which, x);
            const __float128 q = f.quad(x), error = (static_cast<__float128>(w.hi) + w.lo - q) / q;
            ASSERT_LT(static_cast<double>(error < 0 ? -error : error), 0x1p-100) << std::hexfloat << x;
        }
    for (const Function &f : functions)
        // The last: the double nearest a multiple of π/2, some 2^-61 from it.
        for (double x : {0.0, -0.0, 1.0, -1.0, 0x1p-1000, 0.7853981633974483, 1.5707963267948966, 3.141592653589793,
                         0x1p30, -0x1.fffffffffffffp1023, 0x1.6ac5b262ca1ffp+849, -0x1.6ac5b262ca1ffp+849})
            EXPECT_EQ(Bits(f.wide(x)), Bits(static_cast<double>(f.quad(x)))) << std::hexfloat << x;
    EXPECT_TRUE(std::isnan(tmath::WideAsin(1.0000000000000002)));
    EXPECT_TRUE(std::isnan(tmath::WideSin(HUGE_VAL)) && std::isnan(tmath::WideTan(-HUGE_VAL)));
    EXPECT_EQ(tmath::WideAtan(HUGE_VAL), 0x1.921fb54442d18p+0);
}
#endif

}  // namespace

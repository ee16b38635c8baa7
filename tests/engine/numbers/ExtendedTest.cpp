// The software extended precision the WebAssembly build computes the
// lap-time terms in gives, on this machine, exactly what the x87's long
// double gives.
#include "numbers/Extended.h"
#include "tests/engine/numbers/Random.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

using randomcases::Random;

#if LDBL_MANT_DIG == 64
// The x87 value's sign, significand and exponent, or a class for the rest.
std::string Bits(long double v)
{
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : "inf";
    if (v == 0)
        return std::signbit(v) ? "-0" : "0";
    unsigned char b[16] = {};
    std::memcpy(b, &v, 10);
    uint64_t m;
    std::memcpy(&m, b, 8);
    uint16_t se;
    std::memcpy(&se, b + 8, 2);
    return (se & 0x8000 ? "-" : "+") + std::to_string(m) + "e" + std::to_string((se & 0x7fff) - 16383);
}

std::string Bits(const SoftExtended &v)
{
    if (v.IsNan())
        return "nan";
    if (v.IsZero())
        return v.IsNegative() ? "-0" : "0";
    if (v.Significand() == 0)
        return v.IsNegative() ? "-inf" : "inf";
    return (v.IsNegative() ? "-" : "+") + std::to_string(v.Significand()) + "e" + std::to_string(v.Exponent());
}

// Operands of every kind the lap-time terms meet and worse: any float, any
// double from tiny to huge, results of earlier operations, near ties.
long double Operand(Random &r, const std::vector<long double> &earlier)
{
    switch (r.below(5)) {
    case 0: return r.extreme();
    case 1: return std::ldexp(1.0 + r.unit(), r.below(400) - 200) * (r.below(2) ? 1 : -1);
    case 2: return earlier.empty() ? 1.0L : earlier[static_cast<size_t>(r.below(static_cast<int>(earlier.size())))];
    case 3: return static_cast<long double>(r.between(0, 100)) + std::ldexp(1.0L, -r.below(70));
    default: return r.between(-10, 10);
    }
}

SoftExtended Soft(long double v)
{
    if (v == 0 || std::isinf(v) || std::isnan(v))
        return SoftExtended(static_cast<double>(v));
    int e;
    const long double m = std::frexp(std::fabs(v), &e);
    return SoftExtended::FromParts(v < 0, static_cast<uint64_t>(std::ldexp(m, 64)), e - 1);
}

TEST(SoftExtended, computes_what_the_x87_computes_bit_for_bit)
{
    const struct {
        const char *literal;
        long double value;
    } constants[] = {{"3.14", 3.14L},  {"5280.0", 5280.0L}, {"12.0", 12.0L}, {"3.0", 3.0L},
                     {"3.96", 3.96L},  {"1.4667", 1.4667L}, {"6.28", 6.28L}};
    for (const auto &c : constants)
        EXPECT_EQ(Bits(ExtendedConstant(c.literal)), Bits(c.value)) << c.literal;

    Random r(7);
    std::vector<long double> earlier;
    for (int i = 0; i < 1000000; ++i) {
        const long double a = Operand(r, earlier), b = Operand(r, earlier);
        long double x;
        SoftExtended s;
        switch (i % 4) {
        case 0: x = a + b, s = Soft(a) + Soft(b); break;
        case 1: x = a - b, s = Soft(a) - Soft(b); break;
        case 2: x = a * b, s = Soft(a) * Soft(b); break;
        default: x = a / b, s = Soft(a) / Soft(b); break;
        }
        ASSERT_EQ(Bits(s), Bits(x)) << Bits(a) << " op" << i % 4 << " " << Bits(b);
        const double d = static_cast<double>(x), sd = s.ToDouble();
        ASSERT_TRUE(std::memcmp(&d, &sd, sizeof d) == 0 || (std::isnan(d) && std::isnan(sd))) << Bits(x);
        if (std::isfinite(x) && earlier.size() < 1000)
            earlier.push_back(x);
        if (i % 997 == 0)
            earlier.clear();
    }
    // Conversions to double into the subnormal range and to overflow.
    for (int e = -1080; e <= -1015; ++e)
        for (long double m : {1.0L, 1.5L, 1.0L + std::ldexp(1.0L, -53), 1.75L + std::ldexp(1.0L, -60)}) {
            const long double x = std::ldexp(m, e);
            const double d = static_cast<double>(x), sd = Soft(x).ToDouble();
            ASSERT_EQ(std::memcmp(&d, &sd, sizeof d), 0) << e;
        }
    EXPECT_EQ(Soft(std::ldexp(1.0L, 1024)).ToDouble(), HUGE_VAL);
}
#endif

}  // namespace

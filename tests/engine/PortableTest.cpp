// What the WebAssembly build computes with instead of the x87 and of
// floating-point <charconv> gives, on this machine, exactly what they give:
// the software extended precision against the x87's long double, the
// portable number texts against std::to_chars and std::from_chars.
#include "Extended.h"
#include "NumberText.h"
#include "PortableMath.h"
#include "RandomCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#if __has_include(<quadmath.h>)
#include <quadmath.h>
#endif
#include <cstring>
#include <vector>

namespace {

#include "data/GlibcMathTables.inc"

using randomcases::Random;

uint64_t Bits(double x)
{
    uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

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

TEST(PortableNumberText, gives_the_characters_and_values_of_charconv)
{
    Random r(11);
    char mine[64], theirs[64];
    for (int i = 0; i < 60000; ++i) {
        uint64_t bits = r.next();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (i % 3 == 0)
            d = r.between(-1e6, 1e6);
        if (i % 5 == 0)
            d = static_cast<double>(r.extreme());
        if (std::isnan(d))
            continue;
        const float f = static_cast<float>(r.extreme());
        ASSERT_EQ(std::string(mine, PortableShortestText(mine, d)),
                  std::string(theirs, std::to_chars(theirs, theirs + 64, d).ptr));
        ASSERT_EQ(std::string(mine, PortableShortestText(mine, f)),
                  std::string(theirs, std::to_chars(theirs, theirs + 64, f).ptr));
        if (i % 10 == 0 && std::fabs(d) < 1e30) {
            ASSERT_EQ(PortableScientificText(d, 30), ScientificText(d, 30));
            ASSERT_EQ(PortableFixedText(d, 6), FixedText(d, 6));
        }
        // Texts of the numbers' grammar, exact and out of range.
        std::string text = std::to_string(r.below(100000)) + "." + std::to_string(r.below(1000000));
        if (r.below(2))
            text += "e" + std::to_string(r.below(700) - 350);
        if (r.below(2))
            text = "-" + text;
        for (const std::string &t : {text, std::string(mine, PortableShortestText(mine, d))}) {
            double pd = -7, sd = -7;
            float pf = -7, sf = -7;
            const char *pe, *se;
            const ParseResult a = PortableParseText(t.data(), t.data() + t.size(), pd, pe);
            const ParseResult b = ParseText(t.data(), t.data() + t.size(), sd, se);
            ASSERT_EQ(a, b) << t;
            ASSERT_EQ(pe, se) << t;
            ASSERT_EQ(std::memcmp(&pd, &sd, sizeof pd), 0) << t;
            ASSERT_EQ(PortableParseText(t.data(), t.data() + t.size(), pf, pe),
                      ParseText(t.data(), t.data() + t.size(), sf, se)) << t;
            ASSERT_EQ(std::memcmp(&pf, &sf, sizeof pf), 0) << t;
        }
    }
}

// Where a text or a rounding is hardest: texts exactly between two doubles
// or floats (ties go to the even one), a digit off either way, 800 digits
// and more, the ends of the ranges; and printf's roundings of halves.
TEST(PortableNumberText, rounds_ties_long_texts_and_the_ends_of_the_range_as_charconv)
{
    const auto parsesAlike = [](const std::string &t) {
        double pd = -7, sd = -7;
        float pf = -7, sf = -7;
        const char *pe, *se;
        ASSERT_EQ(PortableParseText(t.data(), t.data() + t.size(), pd, pe),
                  ParseText(t.data(), t.data() + t.size(), sd, se)) << t;
        ASSERT_EQ(pe, se) << t;
        ASSERT_EQ(std::memcmp(&pd, &sd, sizeof pd), 0) << t;
        ASSERT_EQ(PortableParseText(t.data(), t.data() + t.size(), pf, pe),
                  ParseText(t.data(), t.data() + t.size(), sf, se)) << t;
        ASSERT_EQ(std::memcmp(&pf, &sf, sizeof pf), 0) << t;
    };
    Random r(29);
    char buf[1200];
    for (int i = 0; i < 3000; ++i) {
        uint64_t bits = r.next() & 0x7FEFFFFFFFFFFFFFull;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (i % 3 == 0)
            d = std::ldexp(1 + r.unit(), r.below(80) - 40);
        float f = static_cast<float>(d);
        if (!(f < FLT_MAX))
            f = 1 + static_cast<float>(r.unit());
        // The midpoints, exactly: in long double (64 bits) and in double.
        const long double mid = (static_cast<long double>(d) + std::nextafter(d, HUGE_VAL)) / 2;
        const double fmid = (static_cast<double>(f) + std::nextafter(f, HUGE_VALF)) / 2.0;
        for (const std::string &exact : {std::string(buf, std::to_chars(buf, buf + sizeof buf, mid,
                                                                        std::chars_format::scientific, 800).ptr),
                                         std::string(buf, std::to_chars(buf, buf + sizeof buf, fmid,
                                                                        std::chars_format::scientific, 150).ptr)}) {
            const size_t e = exact.find('e'), last = exact.find_last_not_of('0', e - 1);
            const std::string tie = exact.substr(0, last + 1) + exact.substr(e);
            parsesAlike(tie);
            parsesAlike(tie.substr(0, last) + static_cast<char>(tie[last] - 1) + exact.substr(e));  // below
            parsesAlike(tie.substr(0, last + 1) + "0001" + exact.substr(e));                      // above
            parsesAlike(exact.substr(0, e) + std::string(400, '0') + "1" + exact.substr(e));      // past the cut
        }
    }
    for (const char *t : {"0", "-0", "0e999999999999", "1e-400", "2.4703282292062327e-324", "2.4703282292062328e-324",
                          "4.9406564584124654e-324", "1.7976931348623157e308", "1.7976931348623158e308",
                          "1.797693134862315807e308", "1e309", "3.4028235e38", "3.40282357e38", "7e-46", "1e-45",
                          "00000.000001234500000e+3", "9007199254740993", "123456789012345678901234567890"})
        parsesAlike(t);
    for (double v : {0.5, 1.5, 2.5, 0.125, 0.375, -0.625, 1e22, 0.0005, 0.00049999999999999999, -0.0, 5e-324,
                     1.7976931348623157e308, 999.9995, 0.9999999})
        for (int precision = 0; precision <= 3; ++precision) {
            EXPECT_EQ(PortableFixedText(v, precision), FixedText(v, precision)) << v << " " << precision;
            EXPECT_EQ(PortableScientificText(v, precision), ScientificText(v, precision)) << v << " " << precision;
        }
}

}  // namespace

namespace {

#ifdef TETHRIX_NATIVE_MATH
// The WebAssembly build's exp and log: glibc's algorithm with the
// processor's FMA everywhere, and as the WebAssembly build has it (the
// emulated FMA where its single rounding matters, a·b + c elsewhere),
// against glibc itself over the whole range and the engine's.
TEST(PortableMath, exp_and_log_are_glibcs_bit_for_bit)
{
    // Their tables, worked out, are the published ones: a last bit of T
    // would turn up in exp's results once in billions.
    uint64_t exp[256];
    tmath::BuildGlibcExpTable(exp);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(exp[i], ExpTable[i]) << i;
    for (const LogEntry &entry : LogTable)
        ASSERT_EQ(Bits(tmath::LogOfInverse(entry.invc)), Bits(entry.logc)) << entry.invc;
    Random r(13);
    const tmath::MultiplyAdd hardware = [](double a, double b, double c) { return std::fma(a, b, c); };
    for (int i = 0; i < 3000000; ++i) {
        const double u = r.unit();
        const int e = r.below(2100) - 1080;
        const double x = i % 3 == 0 ? -760 + 1480 * u : i % 3 == 1 ? 0.9 + 0.2 * u : std::ldexp(1 + u, e);
        const double xe = i % 2 ? x : std::fmod(x, 60.0), xl = std::fabs(x);
        const double ex = std::exp(xe), lx = std::log(xl);
        ASSERT_EQ(Bits(tmath::GlibcExp(xe, hardware, hardware)), Bits(ex)) << xe;
        ASSERT_EQ(Bits(tmath::GlibcLog(xl, hardware, hardware, hardware)), Bits(lx)) << x;
        ASSERT_EQ(Bits(tmath::GlibcExp(xe, &tmath::QuickFma, &tmath::PlainMultiplyAdd)), Bits(ex)) << xe;
        ASSERT_EQ(Bits(tmath::GlibcLog(xl, &tmath::ProductLessOne, &tmath::QuickFma, &tmath::PlainMultiplyAdd)),
                  Bits(lx))
            << x;
    }
}

TEST(PortableMath, the_emulated_fused_multiply_add_rounds_once)
{
    Random r(17);
    for (int i = 0; i < 2000000; ++i) {
        const double a = std::ldexp(1 + r.unit(), r.below(200) - 100) * (r.below(2) ? 1 : -1);
        const double b = std::ldexp(1 + r.unit(), r.below(200) - 100) * (r.below(2) ? 1 : -1);
        // c near −a·b half of the time: the cancellation that needs care.
        const double c = r.below(2) ? -a * b * (1 + std::ldexp(r.unit() - 0.5, -r.below(60)))
                                    : std::ldexp(1 + r.unit(), r.below(260) - 130);
        ASSERT_EQ(Bits(tmath::ExactFma(a, b, c)), Bits(std::fma(a, b, c))) << a << " " << b << " " << c;
        ASSERT_EQ(Bits(tmath::QuickFma(a, b, c)), Bits(std::fma(a, b, c))) << a << " " << b << " " << c;
    }
}
#endif


#if __has_include(<quadmath.h>)
// The WebAssembly build's trigonometric functions: from the series where the
// rounding is certain, else at quadruple precision; either way the quadruple
// result rounded once. The series must never decide a case wrongly, and
// should decide nearly all of the engine's small angles.
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

// The slow path itself, carried in two doubles: the quadruple-precision
// value rounded once, over the whole range each function is asked for and
// where it is hardest (near multiples of π/2, arcsine near ±1, arctangent of
// the very large), every bit the same.
TEST(PortableMath, functions_in_two_doubles_round_as_quadruple_precision_does)
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

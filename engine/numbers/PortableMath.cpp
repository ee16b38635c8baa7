#include "PortableMath.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

#include "LogInverses.inc"

// The exp table and the log table's log c, made at first use.
struct Tables {
    uint64_t exp[256];
    double logc[128];
    Tables()
    {
        tmath::BuildGlibcExpTable(exp);
        for (int i = 0; i < 128; ++i)
            logc[i] = tmath::LogOfInverse(LogInverses[i]);
    }
};
const Tables &Built()
{
    static const Tables tables;
    return tables;
}

uint64_t Bits(double x)
{
    uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

double FromBits(uint64_t u)
{
    double x;
    std::memcpy(&x, &u, sizeof x);
    return x;
}

uint32_t Top12(double x) { return static_cast<uint32_t>(Bits(x) >> 52); }

// exp(x) = 2^(k/N) · exp(r), N = 128, r in [−ln2/2N, ln2/2N].
constexpr double InvLn2N = 0x1.71547652b82fep0 * 128, Shift = 0x1.8p52;
constexpr double NegLn2hiN = -0x1.62e42fefa0000p-8, NegLn2loN = -0x1.cf79abc9e3b3ap-47;
constexpr double ExpC2 = 0x1.ffffffffffdbdp-2, ExpC3 = 0x1.555555555543cp-3, ExpC4 = 0x1.55555cf172b91p-5,
                 ExpC5 = 0x1.1111167a4d017p-7;

// Results that under- or overflow: 2^k is scaled back into range first.
double ExpSpecialCase(double tmp, uint64_t sbits, uint64_t ki, tmath::MultiplyAdd fma)
{
    if ((ki & 0x80000000) == 0) {
        sbits -= 1009ull << 52;
        const double scale = FromBits(sbits);
        return 0x1p1009 * fma(scale, tmp, scale);
    }
    sbits += 1022ull << 52;
    const double scale = FromBits(sbits);
    double y = scale + scale * tmp;
    if (y < 1.0) {
        // Rounded once to the subnormal precision, not twice.
        double lo = fma(scale, tmp, scale - y);
        const double hi = 1.0 + y;
        lo = 1.0 - hi + y + lo;
        y = (hi + lo) - 1.0;
        if (y == 0.0)
            y = 0.0;
    }
    return 0x1p-1022 * y;
}

constexpr double Ln2hi = 0x1.62e42fefa3800p-1, Ln2lo = 0x1.ef35793c76730p-45;
constexpr double LogB[11] = {-0x1p-1,
                             0x1.5555555555577p-2,
                             -0x1.ffffffffffdcbp-3,
                             0x1.999999995dd0cp-3,
                             -0x1.55555556745a7p-3,
                             0x1.24924a344de3p-3,
                             -0x1.fffffa4423d65p-4,
                             0x1.c7184282ad6cap-4,
                             -0x1.999eb43b068ffp-4,
                             0x1.78182f7afd085p-4,
                             -0x1.5521375d145cdp-4};
constexpr double LogA[5] = {-0x1.0000000000001p-1, 0x1.555555551305bp-2, -0x1.fffffffeb459p-3,
                            0x1.999b324f10111p-3, -0x1.55575e506c89fp-3};

// Exactly a·b = p + e (Dekker: both halves of each factor hold 26 bits).
void TwoProduct(double a, double b, double &p, double &e)
{
    constexpr double Split = 134217729.0;  // 2^27 + 1
    const double ta = Split * a, tb = Split * b;
    const double ah = ta - (ta - a), al = a - ah;
    const double bh = tb - (tb - b), bl = b - bh;
    p = a * b;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// Exactly a + b = s + e.
void TwoSum(double a, double b, double &s, double &e)
{
    s = a + b;
    const double bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}

// Numbers below 2^32 with 160 bits after the point, in 32-bit limbs, least
// first (limb 5 is the whole part): 2^(k/128) worked out well past the
// 106 bits its two-double form in the exp table holds.
using Fixed = std::array<uint32_t, 6>;

Fixed operator*(const Fixed &a, const Fixed &b)  // truncated
{
    uint32_t p[12] = {};
    for (int i = 0; i < 6; ++i) {
        uint64_t carry = 0;
        for (int j = 0; j < 6; ++j) {
            carry += uint64_t{a[i]} * b[j] + p[i + j];
            p[i + j] = static_cast<uint32_t>(carry);
            carry >>= 32;
        }
        p[i + 6] = static_cast<uint32_t>(carry);
    }
    return {p[5], p[6], p[7], p[8], p[9], p[10]};
}

Fixed operator+(Fixed a, const Fixed &b)
{
    uint64_t carry = 0;
    for (int i = 0; i < 6; ++i) {
        carry += uint64_t{a[i]} + b[i];
        a[i] = static_cast<uint32_t>(carry);
        carry >>= 32;
    }
    return a;
}

Fixed operator/(Fixed a, uint32_t n)  // truncated
{
    uint64_t rest = 0;
    for (int i = 5; i >= 0; --i) {
        rest = rest << 32 | a[i];
        a[i] = static_cast<uint32_t>(rest / n);
        rest %= n;
    }
    return a;
}

}  // namespace

namespace tmath {

double GlibcExp(double x, MultiplyAdd fused, MultiplyAdd other)
{
    uint32_t abstop = Top12(x) & 0x7ff;
    if (abstop - Top12(0x1p-54) >= Top12(512.0) - Top12(0x1p-54)) {
        if (abstop - Top12(0x1p-54) >= 0x80000000)
            return 1.0 + x;  // tiny x
        if (abstop >= Top12(1024.0)) {
            if (Bits(x) == Bits(-INFINITY))
                return 0.0;
            if (abstop >= Top12(INFINITY))
                return 1.0 + x;
            return Bits(x) >> 63 ? 0.0 : HUGE_VAL;
        }
        abstop = 0;  // large |x|: the special case below
    }
    double kd = other(InvLn2N, x, Shift);
    const uint64_t ki = Bits(kd);
    kd -= Shift;
    const double r = other(kd, NegLn2loN, other(kd, NegLn2hiN, x));
    const uint64_t idx = 2 * (ki % 128);
    const uint64_t top = ki << (52 - 7);
    const uint64_t *table = Built().exp;
    const double tail = FromBits(table[idx]);
    const uint64_t sbits = table[idx + 1] + top;
    const double r2 = r * r;
    const double tmp = other(r2 * r2, other(r, ExpC5, ExpC4), fused(r2, other(r, ExpC3, ExpC2), tail + r));
    if (abstop == 0)
        return ExpSpecialCase(tmp, sbits, ki, fused);
    const double scale = FromBits(sbits);
    return fused(scale, tmp, scale);
}

double GlibcLog(double x, MultiplyAdd reduce, MultiplyAdd fused, MultiplyAdd other)
{
    const MultiplyAdd fma = other;
    uint64_t ix = Bits(x);
    const uint32_t top = static_cast<uint32_t>(ix >> 48);
    constexpr uint64_t Lo = 0x3fee000000000000ull;  // 1 − 2^-4
    constexpr uint64_t Hi = 0x3ff1090000000000ull;  // 1 + 0x1.09p-4
    if (ix - Lo < Hi - Lo) {
        // Close to 1.
        if (ix == Bits(1.0))
            return 0;
        const double r = x - 1.0, r2 = r * r, r3 = r * r2;
        const double poly =
            fma(r3,
                fma(r3, fma(r3, LogB[10], fma(r2, LogB[9], fma(r, LogB[8], LogB[7]))),
                    fma(r2, LogB[6], fma(r, LogB[5], LogB[4]))),
                fma(r2, LogB[3], fused(r, LogB[2], LogB[1])));
        double w = r * 0x1p27;
        const double rhi = r + w - w, rlo = r - rhi;
        w = rhi * rhi * LogB[0];  // exact
        const double hi = r + w;
        double lo = r - hi + w;
        lo = fma(LogB[0] * rlo, rhi + r, lo);
        double y = fused(r3, poly, lo);
        y += hi;
        return y;
    }
    if (top - 0x0010 >= 0x7ff0 - 0x0010) {
        if (ix * 2 == 0)
            return -HUGE_VAL;
        if (ix == Bits(INFINITY))
            return x;
        if ((top & 0x8000) || (top & 0x7ff0) == 0x7ff0)
            return std::nan("");
        ix = Bits(x * 0x1p52);  // subnormal: normalize
        ix -= 52ull << 52;
    }
    const uint64_t tmp = ix - 0x3fe6000000000000ull;
    const int i = static_cast<int>((tmp >> (52 - 7)) % 128);
    const int k = static_cast<int>(static_cast<int64_t>(tmp) >> 52);
    const uint64_t iz = ix - (tmp & 0xfffull << 52);
    const double invc = LogInverses[i], logc = Built().logc[i], z = FromBits(iz);
    const double r = reduce(z, invc, -1.0);
    const double kd = static_cast<double>(k);
    const double w = fma(kd, Ln2hi, logc);
    const double hi = w + r;
    const double lo = fma(kd, Ln2lo, w - hi + r);
    const double r2 = r * r;
    return fma(r * r2, fma(r2, fma(r, LogA[4], LogA[3]), fma(r, LogA[2], LogA[1])), fma(r2, LogA[0], lo)) + hi;
}

void BuildGlibcExpTable(uint64_t (&table)[256])
{
    // e^(ln 2/128) from its series, ln 2 to 160 bits; then its powers.
    const Fixed step = Fixed{0x40F34326, 0x03F2F6AF, 0xC9E3B398, 0xD1CF79AB, 0xB17217F7, 0} / 128;
    Fixed power{0, 0, 0, 0, 0, 1}, sum = power, term = power;
    for (uint32_t n = 1; term != Fixed{}; ++n) {
        term = term * step / n;
        sum = sum + term;
    }
    for (uint64_t k = 0; k < 128; ++k, power = power * sum) {
        // power = 1 + f, 1 ≤ power < 2: H is f's first 52 bits, rounded by
        // the next; what lies below (less 2^-52 when rounded up), exact in
        // two doubles, over H is T.
        const uint64_t top = uint64_t{power[4]} << 20 | power[3] >> 12;
        const bool up = power[3] >> 11 & 1;
        const uint64_t hBits = (uint64_t{1023} << 52 | top) + up;
        const double h = FromBits(hBits);
        const double high = std::ldexp(power[3] & 0xFFF, -64) + std::ldexp(power[2], -96) - (up ? 0x1p-52 : 0);
        double rest, restLow, qh, qhLow;
        TwoSum(high, std::ldexp(power[1], -128) + std::ldexp(power[0], -160), rest, restLow);
        const double q = rest / h;
        TwoProduct(q, h, qh, qhLow);
        const double tail = q + (((rest - qh) - qhLow) + restLow) / h;
        table[2 * k] = Bits(tail);
        table[2 * k + 1] = hBits - (k << 45);
    }
}

double ExactFma(double a, double b, double c)
{
    // Factors within 2^±400 and a sum within 2^±800: Dekker's splitting
    // cannot overflow, nothing is subnormal, and no scaling is needed. The
    // engine's exponentials and logarithms stay there.
    const uint32_t ta = Top12(a) & 0x7ff, tb = Top12(b) & 0x7ff, tc = Top12(c) & 0x7ff;
    if (ta - 623 < 800 && tb - 623 < 800 && (c == 0 || tc - 223 < 1600) && ta + tb - 1646 < 800) {
        double ph, pl, sh, sl, v, w;
        TwoProduct(a, b, ph, pl);
        TwoSum(c, ph, sh, sl);
        TwoSum(sl, pl, v, w);
        if (w != 0 && (Bits(v) & 1) == 0)
            v = FromBits(Bits(v) + ((w > 0) == (v > 0) ? 1 : -1));
        return sh + v;
    }
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || a == 0 || b == 0)
        return a * b + c;  // exact or not a number either way
    // Scale the factors near 1 so that splitting cannot overflow; the
    // scaling is undone exactly unless the result leaves the normal range.
    int ea, eb;
    const double ma = std::frexp(a, &ea), mb = std::frexp(b, &eb);
    const int e = ea + eb;
    const double cs = std::ldexp(c, -e);
    if (e > 900 || e < -900 || (c != 0 && !std::isnormal(cs)))
        return std::fma(a, b, c);  // outside the range of the engine's uses
    double ph, pl, sh, sl, v, w;
    TwoProduct(ma, mb, ph, pl);
    TwoSum(cs, ph, sh, sl);
    // v = (sl + pl) rounded to odd: the sum then rounds once, correctly.
    TwoSum(sl, pl, v, w);
    if (w != 0 && (Bits(v) & 1) == 0)
        v = FromBits(Bits(v) + ((w > 0) == (v > 0) ? 1 : -1));
    const double result = sh + v;
    return std::ldexp(result, e);
}

double QuickFma(double a, double b, double c)
{
    const double p = a * b;
    double s, e;
    TwoSum(c, p, s, e);  // s + e = c + p exactly
    // a·b = p + pe with |pe| at most half an ulp of p; the result rounds
    // s + e + pe, which is s itself when that stays clear of half an ulp of
    // s (the smaller half below a power of two).
    const uint32_t ts = Top12(s) & 0x7ff, tp = Top12(p) & 0x7ff;
    if (ts > 200 && ts < 2000 && tp > 100 && tp < 2000) {
        const double halfUlpS = FromBits(static_cast<uint64_t>(ts - ((Bits(s) << 12) == 0 ? 54 : 53)) << 52);
        const double halfUlpP = FromBits(static_cast<uint64_t>(tp - 53) << 52);
        if (std::fabs(e) + halfUlpP < halfUlpS)
            return s;
    }
    return ExactFma(a, b, c);
}

double ProductLessOne(double a, double b, double)
{
    double p, e;
    TwoProduct(a, b, p, e);
    return (p - 1) + e;  // p − 1 is exact: p lies within a factor 2 of 1
}

#ifndef TETHRIX_NATIVE_MATH
double exp(double x) { return GlibcExp(x, &QuickFma, &PlainMultiplyAdd); }
double log(double x) { return GlibcLog(x, &ProductLessOne, &QuickFma, &PlainMultiplyAdd); }
#endif

}  // namespace tmath

namespace {

// Taylor series of the small-argument functions past their first term,
// coefficients of t = x² (t¹, t², …), each rounded to nearest.
const double AtanSeries[] = {-0x1.5555555555555p-2, 0x1.999999999999ap-3, -0x1.2492492492492p-3, 0x1.c71c71c71c71cp-4, -0x1.745d1745d1746p-4, 0x1.3b13b13b13b14p-4, -0x1.1111111111111p-4, 0x1.e1e1e1e1e1e1ep-5, -0x1.af286bca1af28p-5, 0x1.8618618618618p-5, -0x1.642c8590b2164p-5, 0x1.47ae147ae147bp-5};
const double AsinSeries[] = {0x1.5555555555555p-3, 0x1.3333333333333p-4, 0x1.6db6db6db6db7p-5, 0x1.f1c71c71c71c7p-6, 0x1.6e8ba2e8ba2e9p-6, 0x1.1c4ec4ec4ec4fp-6, 0x1.c99999999999ap-7, 0x1.7a87878787878p-7, 0x1.3fde50d79435ep-7, 0x1.12ef3cf3cf3cfp-7, 0x1.df3bd37a6f4dfp-8, 0x1.a6863d70a3d71p-8};
const double TanSeries[] = {0x1.5555555555555p-2, 0x1.1111111111111p-3, 0x1.ba1ba1ba1ba1cp-5, 0x1.664f4882c10fap-6, 0x1.226e355e6c23dp-7, 0x1.d6d3d0e157de0p-9, 0x1.7da36452b75e3p-10, 0x1.3558248036744p-11, 0x1.f57d7734d1664p-13, 0x1.967e18afcafadp-14, 0x1.497d8eea25259p-15, 0x1.0b132d39a6050p-16};
const double SinSeries[] = {-0x1.5555555555555p-3, 0x1.1111111111111p-7, -0x1.a01a01a01a01ap-13, 0x1.71de3a556c734p-19, -0x1.ae64567f544e4p-26, 0x1.6124613a86d09p-33, -0x1.ae7f3e733b81fp-41, 0x1.952c77030ad4ap-49, -0x1.2f49b46814157p-57, 0x1.71b8ef6dcf572p-66, -0x1.761b41316381ap-75, 0x1.3f3ccdd165fa9p-84};
const double CosSeries[] = {-0x1.0000000000000p-1, 0x1.5555555555555p-5, -0x1.6c16c16c16c17p-10, 0x1.a01a01a01a01ap-16, -0x1.27e4fb7789f5cp-22, 0x1.1eed8eff8d898p-29, -0x1.93974a8c07c9dp-37, 0x1.ae7f3e733b81fp-45, -0x1.6827863b97d97p-53, 0x1.e542ba4020225p-62, -0x1.0ce396db7f853p-70, 0x1.f2cf01972f578p-80};

// t·P(t), P's coefficients c[0..11] of t⁰…t¹¹, by Horner.
double TailOf(const double (&c)[12], double t)
{
    double p = c[11];
    for (int i = 10; i >= 0; --i)
        p = p * t + c[i];
    return p * t;
}

// lead + tail rounded once when that rounding is certain: the exact
// remainder of the sum, widened by the tail's error bound, must stay clear of
// half the gap to either neighbour. False leaves the case to the slow path.
bool CertainSum(double lead, double tail, double &out)
{
    const double hi = lead + tail;
    const double lo = (lead - hi) + tail;  // exact, |lead| > |tail|
    const double bound = std::fabs(tail) * 0x1p-49;  // twelve roundings; the series' cut is far below
    const double gap = std::fmin(std::nextafter(hi, HUGE_VAL) - hi, hi - std::nextafter(hi, -HUGE_VAL));
    if (std::fabs(lo) + bound < gap / 2) {
        out = hi;
        return true;
    }
    return false;
}

// Arguments the series serve: small, but not so small that x³ underflows.
bool SeriesArgument(double x) { return std::fabs(x) <= 0.125 && std::fabs(x) >= 0x1p-300; }

double OddSeries(double x, const double (&c)[12], double (*slow)(double))
{
    double out;
    if (x == 0)
        return x;  // ±0, as the functions give
    if (SeriesArgument(x) && CertainSum(x, x * TailOf(c, x * x), out))
        return out;
    return slow(x);
}

}  // namespace

namespace tmath {

double RoundedSin(double x, double (*slow)(double)) { return OddSeries(x, SinSeries, slow); }
double RoundedTan(double x, double (*slow)(double)) { return OddSeries(x, TanSeries, slow); }
double RoundedAtan(double x, double (*slow)(double)) { return OddSeries(x, AtanSeries, slow); }
double RoundedAsin(double x, double (*slow)(double)) { return OddSeries(x, AsinSeries, slow); }
double RoundedCos(double x, double (*slow)(double))
{
    double out;
    if (x == 0)
        return 1;
    if (SeriesArgument(x) && CertainSum(1, TailOf(CosSeries, x * x), out))
        return out;
    return slow(x);
}

#ifndef TETHRIX_NATIVE_MATH
double sin(double x) { return RoundedSin(x, &WideSin); }
double cos(double x) { return RoundedCos(x, &WideCos); }
double tan(double x) { return RoundedTan(x, &WideTan); }
double atan(double x) { return RoundedAtan(x, &WideAtan); }
double asin(double x) { return RoundedAsin(x, &WideAsin); }
#endif

}  // namespace tmath

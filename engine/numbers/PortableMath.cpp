#include "numbers/PortableMath.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

#include "numbers/LogInverses.inc"

// The exp table and the log table's log c and c (= 1/(1/c), in two
// doubles), made at first use.
struct Tables {
    uint64_t exp[256];
    double logc[128], chi[128], clo[128];
    Tables();
};
// Inlined: exp and log, run hundreds of times a calculation, then test
// only the guard of the tables' first use.
__attribute__((always_inline)) inline const Tables &Built()
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
double ExpSpecialCase(double tmp, uint64_t sbits, uint64_t ki)
{
    if ((ki & 0x80000000) == 0) {
        sbits -= 1009ull << 52;
        const double scale = FromBits(sbits);
        return 0x1p1009 * (scale + scale * tmp);
    }
    sbits += 1022ull << 52;
    const double scale = FromBits(sbits);
    double y = scale + scale * tmp;
    if (y < 1.0) {
        // Rounded once to the subnormal precision, not twice.
        double lo = scale - y + scale * tmp;
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

Tables::Tables()
{
    tmath::BuildExpTable(exp);
    for (int i = 0; i < 128; ++i) {
        const double invc = LogInverses[i];
        logc[i] = tmath::LogOfInverse(invc);
        // chi = 1/invc rounded; clo the rest, from 1 − chi·invc exactly.
        double p, e;
        chi[i] = 1 / invc;
        TwoProduct(chi[i], invc, p, e);
        clo[i] = ((1 - p) - e) / invc;
    }
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

double exp(double x)
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
            return Bits(x) >> 63 ? 0.0 : x * 0x1p1023;  // ∞, raising the overflow
        }
        abstop = 0;  // large |x|: the special case below
    }
    double kd = InvLn2N * x + Shift;
    const uint64_t ki = Bits(kd);
    kd -= Shift;
    const double r = x + kd * NegLn2hiN + kd * NegLn2loN;
    const uint64_t idx = 2 * (ki % 128);
    const uint64_t top = ki << (52 - 7);
    const uint64_t *table = Built().exp;
    const double tail = FromBits(table[idx]);
    const uint64_t sbits = table[idx + 1] + top;
    const double r2 = r * r;
    const double tmp = tail + r + r2 * (ExpC2 + r * ExpC3) + r2 * r2 * (ExpC4 + r * ExpC5);
    if (abstop == 0)
        return ExpSpecialCase(tmp, sbits, ki);
    const double scale = FromBits(sbits);
    return scale + scale * tmp;
}

double log(double x)
{
    uint64_t ix = Bits(x);
    const uint32_t top = static_cast<uint32_t>(ix >> 48);
    constexpr uint64_t Lo = 0x3fee000000000000ull;  // 1 − 2^-4
    constexpr uint64_t Hi = 0x3ff1090000000000ull;  // 1 + 0x1.09p-4
    if (ix - Lo < Hi - Lo) {
        // Close to 1.
        if (ix == Bits(1.0))
            return 0;
        const double r = x - 1.0, r2 = r * r, r3 = r * r2;
        double y = r3 * (LogB[1] + r * LogB[2] + r2 * LogB[3] +
                         r3 * (LogB[4] + r * LogB[5] + r2 * LogB[6] +
                               r3 * (LogB[7] + r * LogB[8] + r2 * LogB[9] + r3 * LogB[10])));
        double w = r * 0x1p27;
        const double rhi = r + w - w, rlo = r - rhi;
        w = rhi * rhi * LogB[0];  // exact
        const double hi = r + w;
        double lo = r - hi + w;
        lo += LogB[0] * rlo * (rhi + r);
        y += lo;
        y += hi;
        return y;
    }
    if (top - 0x0010 >= 0x7ff0 - 0x0010) {
        // The faults the hardware's status flags would show are raised
        // here too, and a NaN is made positive: its sign bit is no
        // processor's to choose.
        if (ix * 2 == 0)
            return -1.0 / std::fabs(x);  // −∞, a division by zero
        if (ix == Bits(INFINITY))
            return x;
        if ((top & 0x8000) || (top & 0x7ff0) == 0x7ff0)
            return std::fabs((x - x) / (x - x));  // NaN, an invalid operation
        ix = Bits(x * 0x1p52);  // subnormal: normalize
        ix -= 52ull << 52;
    }
    const uint64_t tmp = ix - 0x3fe6000000000000ull;
    const int i = static_cast<int>((tmp >> (52 - 7)) % 128);
    const int k = static_cast<int>(static_cast<int64_t>(tmp) >> 52);
    const uint64_t iz = ix - (tmp & 0xfffull << 52);
    const Tables &t = Built();
    const double invc = LogInverses[i], logc = t.logc[i], z = FromBits(iz);
    // r = z/c − 1 = (z − c)·invc, z − chi exact (chi within a factor 2 of z).
    const double r = (z - t.chi[i] - t.clo[i]) * invc;
    const double kd = static_cast<double>(k);
    const double w = kd * Ln2hi + logc;
    const double hi = w + r;
    const double lo = w - hi + r + kd * Ln2lo;
    const double r2 = r * r;
    return lo + r2 * LogA[0] + r * r2 * (LogA[1] + r * LogA[2] + r2 * (LogA[3] + r * LogA[4])) + hi;
}

void BuildExpTable(uint64_t (&table)[256])
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

}  // namespace tmath

namespace {

// Taylor series of the small-argument functions past their first term,
// coefficients of t = x² (t¹, t², …), each rounded to nearest.
const double AtanSeries[] = {-0x1.5555555555555p-2, 0x1.999999999999ap-3, -0x1.2492492492492p-3, 0x1.c71c71c71c71cp-4, -0x1.745d1745d1746p-4, 0x1.3b13b13b13b14p-4, -0x1.1111111111111p-4, 0x1.e1e1e1e1e1e1ep-5, -0x1.af286bca1af28p-5, 0x1.8618618618618p-5, -0x1.642c8590b2164p-5, 0x1.47ae147ae147bp-5};
const double AsinSeries[] = {0x1.5555555555555p-3, 0x1.3333333333333p-4, 0x1.6db6db6db6db7p-5, 0x1.f1c71c71c71c7p-6, 0x1.6e8ba2e8ba2e9p-6, 0x1.1c4ec4ec4ec4fp-6, 0x1.c99999999999ap-7, 0x1.7a87878787878p-7, 0x1.3fde50d79435ep-7, 0x1.12ef3cf3cf3cfp-7, 0x1.df3bd37a6f4dfp-8, 0x1.a6863d70a3d71p-8};
const double TanSeries[] = {0x1.5555555555555p-2, 0x1.1111111111111p-3, 0x1.ba1ba1ba1ba1cp-5, 0x1.664f4882c10fap-6, 0x1.226e355e6c23dp-7, 0x1.d6d3d0e157de0p-9, 0x1.7da36452b75e3p-10, 0x1.3558248036744p-11, 0x1.f57d7734d1664p-13, 0x1.967e18afcafadp-14, 0x1.497d8eea25259p-15, 0x1.0b132d39a6050p-16};
const double SinSeries[] = {-0x1.5555555555555p-3, 0x1.1111111111111p-7, -0x1.a01a01a01a01ap-13, 0x1.71de3a556c734p-19, -0x1.ae64567f544e4p-26, 0x1.6124613a86d09p-33, -0x1.ae7f3e733b81fp-41, 0x1.952c77030ad4ap-49, -0x1.2f49b46814157p-57, 0x1.71b8ef6dcf572p-66, -0x1.761b41316381ap-75, 0x1.3f3ccdd165fa9p-84};
const double CosSeries[] = {-0x1.0000000000000p-1, 0x1.5555555555555p-5, -0x1.6c16c16c16c17p-10, 0x1.a01a01a01a01ap-16, -0x1.27e4fb7789f5cp-22, 0x1.1eed8eff8d898p-29, -0x1.93974a8c07c9dp-37, 0x1.ae7f3e733b81fp-45, -0x1.6827863b97d97p-53, 0x1.e542ba4020225p-62, -0x1.0ce396db7f853p-70, 0x1.f2cf01972f578p-80};

// t·P(t), P's coefficients c[0..11] of t⁰…t¹¹: its even and odd
// coefficients by Horner in t², side by side, for half the latency.
double TailOf(const double (&c)[12], double t)
{
    const double t2 = t * t;
    double even = c[10], odd = c[11];
    for (int i = 8; i >= 0; i -= 2) {
        even = even * t2 + c[i];
        odd = odd * t2 + c[i + 1];
    }
    return (even + odd * t) * t;
}

// lead + tail rounded once when that rounding is certain: the exact
// remainder of the sum, widened by the tail's error bound, must stay clear of
// half the gap to either neighbour. False leaves the case to the slow path.
bool CertainSum(double lead, double tail, double &out)
{
    const double hi = lead + tail;
    const double lo = (lead - hi) + tail;  // exact, |lead| > |tail|
    const double bound = std::fabs(tail) * 0x1p-49;  // twelve roundings; the series' cut is far below
    // The nearer neighbour's distance: an ulp of hi, half of one below a
    // power of two (hi is normal, above 2^-970, so the ulp is too).
    const uint64_t exponent = Bits(hi) & 0x7ff0000000000000ull;
    double gap = FromBits(exponent - (52ull << 52));
    if ((Bits(hi) & 0x000fffffffffffffull) == 0)
        gap /= 2;
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

double sin(double x) { return RoundedSin(x, &WideSin); }
double cos(double x) { return RoundedCos(x, &WideCos); }
double tan(double x) { return RoundedTan(x, &WideTan); }
double atan(double x) { return RoundedAtan(x, &WideAtan); }
double asin(double x) { return RoundedAsin(x, &WideAsin); }

}  // namespace tmath

// Sine, cosine, tangent, arctangent and arcsine carried in two doubles (an
// unevaluated sum, some 104 bits) and rounded once to double: the slow path
// of the correctly rounded functions of PortableMath. Every step is an exact transformation (Knuth's two-sum,
// Dekker's product) or a double-double operation with a relative error
// near 2^-104, so the result rounds wrong only where the function lies
// within about 2^-100 of a midpoint between two doubles.
// Here too, the log table's log c from its 1/c.
#include "numbers/PortableMath.h"

#include <cmath>
#include <cstdint>

namespace {

struct Wide {
    double hi, lo;
};

Wide TwoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}
// As TwoSum, for |a| ≥ |b| (or a zero).
Wide FastTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}
// a·b exactly, by Dekker's splitting (|a|, |b| below 2^996).
Wide TwoProduct(double a, double b)
{
    const auto split = [](double v) {
        const double t = 134217729.0 * v;  // 2^27 + 1
        const double hi = t - (t - v);
        return Wide{hi, v - hi};
    };
    const double p = a * b;
    const Wide x = split(a), y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Wide operator+(Wide a, Wide b)
{
    Wide s = TwoSum(a.hi, b.hi);
    const Wide t = TwoSum(a.lo, b.lo);
    s = FastTwoSum(s.hi, s.lo + t.hi);
    return FastTwoSum(s.hi, s.lo + t.lo);
}
Wide operator-(Wide a) { return {-a.hi, -a.lo}; }
Wide operator-(Wide a, Wide b) { return a + -b; }
Wide operator*(Wide a, Wide b)
{
    const Wide p = TwoProduct(a.hi, b.hi);
    return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}
Wide operator/(Wide a, Wide b)
{
    const double q1 = a.hi / b.hi;
    Wide r = a - b * Wide{q1, 0};
    const double q2 = r.hi / b.hi;
    r = r - b * Wide{q2, 0};
    return FastTwoSum(q1, q2) + Wide{r.hi / b.hi, 0};
}
Wide Sqrt(Wide a)
{
    const double h = std::sqrt(a.hi);
    if (h == 0)
        return {h, 0};
    const Wide e = a - TwoProduct(h, h);
    return FastTwoSum(h, e.hi / (2 * h));
}

// π/2 in five parts, and arctan(k/8) for k = 1 … 8 in two.
constexpr double HalfPi[5] = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110,
                              0x1.4cf98e804177dp-164, 0x1.31d89cd9128a5p-218};
constexpr Wide HalfPiWide{HalfPi[0], HalfPi[1]};
constexpr Wide AtanEighths[8] = {
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59}, {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56}, {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58}, {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56}, {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55}};

// Below this, x less k·π/2 in five parts of π/2 keeps every bit that
// matters; the engine's angles stay within a turn or two.
constexpr double ReducibleLimit = 0x1p30;

// The bits of 2/π in 32-bit words from 2^-32 on: enough for the largest
// double's multiple, whose words before these add only multiples of 4.
constexpr uint32_t TwoOverPi[40] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D};

// x = k·π/2 + r, |r| ≤ π/4 (a little more where x·2/π rounds), k's last two
// bits returned.
int Reduce(double x, Wide &r)
{
    const double k = std::nearbyint(x / HalfPi[0]);
    r = Wide{x, 0} - TwoProduct(k, HalfPi[0]);
    r = r - TwoProduct(k, HalfPi[1]);
    r = r - TwoProduct(k, HalfPi[2]);
    r = r - (TwoProduct(k, HalfPi[3]) + Wide{k * HalfPi[4], 0});
    return static_cast<int>(std::fmod(k, 4.0) + 4) & 3;
}

// The same for 2^30 ≤ x < ∞, with x·2/π worked out in integers (Payne and
// Hanek): x = m·2^e times eight words of 2/π leaves at least 222 bits after
// the point, and no double comes nearer a multiple of π/2 than about 2^-61
// of it, so 128 bits from the first that counts are always there.
int ReduceLarge(double x, Wide &r)
{
    int exponent = 0;
    const auto m = static_cast<uint64_t>(std::ldexp(std::frexp(x, &exponent), 53));
    const int e = exponent - 53;                          // x = m·2^e, e ≥ -22
    const int first = e < 2 ? 0 : (e - 2) / 32;           // words before it add multiples of 4
    // p = m times words first … first+7, as ten 32-bit limbs, least first.
    uint32_t p[10] = {};
    for (int half = 0; half < 2; ++half) {
        const uint64_t factor = half ? m >> 32 : m & 0xFFFFFFFF;
        uint64_t carry = 0;
        for (int i = 0; i < 8; ++i) {
            const int at = i + half;
            carry += factor * TwoOverPi[first + 7 - i] + p[at];
            p[at] = static_cast<uint32_t>(carry);
            carry >>= 32;
        }
        for (int at = 8 + half; carry; ++at) {
            carry += p[at];
            p[at] = static_cast<uint32_t>(carry);
            carry >>= 32;
        }
    }
    const int point = 32 * (first + 8) - e;               // p's bits after the point
    const auto bit = [&p](int i) { return (p[i / 32] >> (i % 32)) & 1; };
    int quadrant = static_cast<int>(bit(point) + 2 * bit(point + 1));
    // Past a half, the next multiple is nearer: take 1 − the fraction.
    const bool upper = bit(point - 1);
    if (upper) {
        ++quadrant;
        uint64_t borrow = 0;
        for (uint32_t &limb : p) {
            const uint64_t d = 0 - static_cast<uint64_t>(limb) - borrow;
            limb = static_cast<uint32_t>(d);
            borrow = d >> 63;
        }
    }
    int top = point - 1;
    while (top >= 0 && !bit(top))
        --top;
    if (top < 128) {  // no double lies this near a multiple of π/2
        r = {0, 0};
        return quadrant & 3;
    }
    // The 128 bits from the first set one down, as two 64-bit parts.
    const auto bits64 = [&](int high) {
        uint64_t v = 0;
        for (int i = high; i > high - 64; --i)
            v = v << 1 | bit(i);
        return v;
    };
    const uint64_t a = bits64(top), b = bits64(top - 64);
    const Wide fraction = FastTwoSum(static_cast<double>(a & ~uint64_t{0x7FF}),
                                     static_cast<double>(a & 0x7FF) + std::ldexp(static_cast<double>(b), -64));
    const int scale = top - 63 - point;
    r = Wide{std::ldexp(fraction.hi, scale), std::ldexp(fraction.lo, scale)} * HalfPiWide;
    if (upper)
        r = -r;
    return quadrant & 3;
}

// (−1)^(n/2)/n! for n = 0 … 29 in two doubles: n! is exact in them, then
// one division each. Worked out at first use.
struct TaylorCoefficients {
    Wide c[30];
    TaylorCoefficients()
    {
        Wide factorial{1, 0};
        for (int n = 0; n < 30; ++n) {
            if (n > 1)
                factorial = factorial * Wide{static_cast<double>(n), 0};
            c[n] = Wide{n / 2 % 2 ? -1.0 : 1.0, 0} / factorial;
        }
    }
};
const Wide *Taylor()
{
    static const TaylorCoefficients coefficients;
    return coefficients.c;
}

// Σ c[n]·r2^((n − first)/2) for n = first, first + 2, … 29, by Horner: the
// terms from r^17 on, below 2^-53 of the sum for |r| below 0.8, in doubles,
// the rest in two.
Wide SeriesIn(Wide r2, int first)
{
    const Wide *c = Taylor();
    const int top = 29 - (29 - first) % 2;  // the last n of first's parity
    double small = c[top].hi;
    int n = top - 2;
    for (; n >= 17; n -= 2)
        small = small * r2.hi + c[n].hi;
    Wide p{small, 0};
    for (; n >= first; n -= 2)
        p = p * r2 + c[n];
    return p;
}

// Taylor series of sin r and cos r, |r| below 0.8: the last term taken,
// r^29/29!, is below 2^-110.
Wide SinOf(Wide r)
{
    const Wide r2 = r * r;
    return r + r * r2 * SeriesIn(r2, 3);
}
Wide CosOf(Wide r)
{
    const Wide r2 = r * r;
    return Wide{1, 0} + r2 * SeriesIn(r2, 2);
}

// arctan y for 0 ≤ y ≤ 1: arctan(k/8) + arctan t, t = (y − k/8)/(1 + y·k/8)
// with k the nearest eighth, so |t| ≤ 1/16 and its series to t^27 suffices.
Wide AtanOfUnit(Wide y)
{
    const int k = static_cast<int>(std::nearbyint(y.hi * 8));
    Wide t = y;
    if (k > 0) {
        const Wide c{k / 8.0, 0};
        t = (y - c) / (Wide{1, 0} + y * c);
    }
    const Wide t2 = t * t;
    Wide power = t, sum = t;
    for (int n = 3; n <= 27; n += 2) {
        power = -(power * t2);
        sum = sum + power / Wide{static_cast<double>(n), 0};
    }
    return k > 0 ? AtanEighths[k - 1] + sum : sum;
}

// arctan y for y ≥ 0: beyond 1, π/2 − arctan(1/y).
Wide AtanOfPositive(Wide y)
{
    if (y.hi <= 1)
        return AtanOfUnit(y);
    const Wide inverse = y.hi < 0x1p500 ? Wide{1, 0} / y : Wide{1 / y.hi, 0};
    return HalfPiWide - AtanOfUnit(inverse);
}

}  // namespace

namespace tmath {

DoubleDouble WideValue(WideFunction f, double x)
{
    const auto value = [](Wide w) { return DoubleDouble{w.hi, w.lo}; };
    if (x == 0)  // ±0, and cos 0 = 1
        return f == WideFunction::Cos ? DoubleDouble{1, 0} : DoubleDouble{x, 0};
    if (f == WideFunction::Atan || f == WideFunction::Asin) {
        const double a = std::fabs(x);
        Wide r;
        if (std::isnan(x))
            return {x, 0};
        if (f == WideFunction::Atan) {
            r = AtanOfPositive(Wide{a, 0});
        } else if (!(a <= 1)) {
            return {(x - x) / (x - x), 0};  // NaN, as the library gives, with its invalid operation
        } else {
            // arcsin a = arctan(a/√(1 − a²)), 1 − a² = (1 − a)(1 + a) exactly.
            const Wide root = Sqrt(TwoSum(1, -a) * TwoSum(1, a));
            r = root.hi == 0 ? HalfPiWide : AtanOfPositive(Wide{a, 0} / root);
        }
        return value(x < 0 ? -r : r);
    }
    if (std::isnan(x - x))  // ±∞ and NaN: NaN
        return {x - x, 0};
    Wide r;
    int quadrant = 0;
    if (std::fabs(x) < ReducibleLimit) {
        quadrant = Reduce(x, r);
    } else {
        quadrant = ReduceLarge(std::fabs(x), r);
        if (x < 0) {  // −x = −k·π/2 − r
            r = -r;
            quadrant = -quadrant & 3;
        }
    }
    if (f == WideFunction::Tan) {
        const Wide s = SinOf(r), c = CosOf(r);
        return value(quadrant & 1 ? -(c / s) : s / c);
    }
    // sin x = sin r, cos r, −sin r, −cos r by quadrant; cos x a quadrant on.
    const int q = (quadrant + (f == WideFunction::Cos)) & 3;
    const Wide w = q & 1 ? CosOf(r) : SinOf(r);
    return value(q & 2 ? -w : w);
}

double WideSin(double x) { return WideValue(WideFunction::Sin, x).hi; }
double WideCos(double x) { return WideValue(WideFunction::Cos, x).hi; }
double WideTan(double x) { return WideValue(WideFunction::Tan, x).hi; }
double WideAtan(double x) { return WideValue(WideFunction::Atan, x).hi; }
double WideAsin(double x) { return WideValue(WideFunction::Asin, x).hi; }

double LogOfInverse(double x)
{
    // log(1/x) = 2·artanh s = 2(s + s³/3 + s⁵/5 + …), s = (1 − x)/(1 + x),
    // |s| ≤ 1/3: the terms from s¹⁷ on, below 2^-29 of the sum, summed in
    // doubles; the rest in two. Some 80 bits before the one rounding.
    const Wide s = Wide{1 - x, 0} / TwoSum(1, x), s2 = s * s;
    double rest = 0;  // Σ s^(2j)/(17 + 2j)
    for (int n = 69; n >= 17; n -= 2)
        rest = rest * s2.hi + 1.0 / n;
    Wide power = s, sum = s;
    for (int n = 3; n <= 15; n += 2) {
        power = power * s2;
        sum = sum + power / Wide{static_cast<double>(n), 0};
    }
    sum = sum + power * s2 * Wide{rest, 0};
    return (sum + sum).hi;
}

}  // namespace tmath

#include "numbers/Extended.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

using U128 = unsigned __int128;

int HighestBit(U128 x)
{
    const uint64_t high = static_cast<uint64_t>(x >> 64);
    return high != 0 ? 127 - __builtin_clzll(high) : 63 - __builtin_clzll(static_cast<uint64_t>(x));
}

// x (non-zero) times 2^power, with sticky telling that more non-zero bits
// followed x: rounded to a 64-bit significand, to nearest, ties to even.
// x must carry at least two bits below the 64 kept whenever sticky is set.
SoftExtended Round(bool negative, U128 x, int power, bool sticky)
{
    const int h = HighestBit(x);
    uint64_t significand;
    int exponent = power + h;
    if (h > 63) {
        const int shift = h - 63;
        const U128 rest = x & ((U128(1) << shift) - 1);
        const U128 half = U128(1) << (shift - 1);
        significand = static_cast<uint64_t>(x >> shift);
        const bool up = rest > half || (rest == half && (sticky || (significand & 1)));
        if (up && ++significand == 0) {
            significand = uint64_t(1) << 63;
            ++exponent;
        }
    } else {
        significand = static_cast<uint64_t>(x << (63 - h));
    }
    return SoftExtended::FromParts(negative, significand, exponent);
}

}  // namespace

SoftExtended::SoftExtended(double v)
{
    negative = std::signbit(v);
    if (v == 0) {
        kind = Zero;
    } else if (std::isnan(v)) {
        kind = NotANumber;
    } else if (std::isinf(v)) {
        kind = Infinite;
    } else {
        int e;
        const double m = std::frexp(std::fabs(v), &e);  // [0.5, 1), exact
        kind = Finite;
        significand = static_cast<uint64_t>(std::ldexp(m, 64));
        exponent = e - 1;
    }
}

SoftExtended SoftExtended::FromParts(bool negative, uint64_t significand, int exponent)
{
    SoftExtended r;
    r.negative = negative;
    // Far beyond anything the lap-time terms reach: the x87's limits.
    if (exponent > 16383) {
        r.kind = Infinite;
    } else if (exponent < -16445) {
        r.kind = Zero;
    } else {
        r.kind = Finite;
        r.significand = significand;
        r.exponent = exponent;
    }
    return r;
}

SoftExtended operator+(SoftExtended a, SoftExtended b)
{
    using K = SoftExtended;
    if (a.kind == K::NotANumber || b.kind == K::NotANumber)
        return a.kind == K::NotANumber ? a : b;
    if (a.kind == K::Infinite || b.kind == K::Infinite) {
        if (a.kind == K::Infinite && b.kind == K::Infinite && a.negative != b.negative) {
            SoftExtended nan;
            nan.kind = K::NotANumber;
            return nan;
        }
        return a.kind == K::Infinite ? a : b;
    }
    if (a.kind == K::Zero && b.kind == K::Zero) {
        SoftExtended z;
        z.negative = a.negative && b.negative;  // +0 unless both are −0
        return z;
    }
    if (a.kind == K::Zero)
        return b;
    if (b.kind == K::Zero)
        return a;
    // a has the larger magnitude; its leading bit goes to bit 125 so that
    // 62 bits below the significand hold what the alignment shifts out.
    if (b.exponent > a.exponent || (b.exponent == a.exponent && b.significand > a.significand))
        std::swap(a, b);
    const U128 big = U128(a.significand) << 62;
    U128 small = U128(b.significand) << 62;
    const int distance = a.exponent - b.exponent;
    bool sticky = false;
    if (distance >= 127) {
        sticky = small != 0;
        small = 0;
    } else if (distance > 0) {
        sticky = (small & ((U128(1) << distance) - 1)) != 0;
        small >>= distance;
    }
    U128 sum;
    if (a.negative == b.negative) {
        sum = big + small;
    } else {
        sum = big - small;
        if (sticky)
            sum -= 1;  // the bits shifted out were taken away too
    }
    if (sum == 0 && !sticky) {
        SoftExtended z;  // x − x is +0 when rounding to nearest
        return z;
    }
    return Round(a.negative, sum, a.exponent - 125, sticky);
}

SoftExtended operator-(SoftExtended a, SoftExtended b) { return a + b.negated(); }

SoftExtended operator*(SoftExtended a, SoftExtended b)
{
    using K = SoftExtended;
    const bool negative = a.negative != b.negative;
    if (a.kind == K::NotANumber || b.kind == K::NotANumber ||
        (a.kind == K::Infinite && b.kind == K::Zero) || (a.kind == K::Zero && b.kind == K::Infinite)) {
        SoftExtended nan;
        nan.kind = K::NotANumber;
        return nan;
    }
    if (a.kind == K::Infinite || b.kind == K::Infinite || a.kind == K::Zero || b.kind == K::Zero) {
        SoftExtended r;
        r.kind = a.kind == K::Infinite || b.kind == K::Infinite ? K::Infinite : K::Zero;
        r.negative = negative;
        return r;
    }
    const U128 product = U128(a.significand) * b.significand;
    return Round(negative, product, a.exponent + b.exponent - 126, false);
}

SoftExtended operator/(SoftExtended a, SoftExtended b)
{
    using K = SoftExtended;
    const bool negative = a.negative != b.negative;
    if (a.kind == K::NotANumber || b.kind == K::NotANumber || (a.kind == K::Zero && b.kind == K::Zero) ||
        (a.kind == K::Infinite && b.kind == K::Infinite)) {
        SoftExtended nan;
        nan.kind = K::NotANumber;
        return nan;
    }
    if (a.kind == K::Infinite || b.kind == K::Zero || a.kind == K::Zero || b.kind == K::Infinite) {
        SoftExtended r;
        r.kind = a.kind == K::Infinite || b.kind == K::Zero ? K::Infinite : K::Zero;
        r.negative = negative;
        return r;
    }
    // (a << 64) / b lies in (2^63, 2^65); one more quotient bit and the
    // remainder decide the rounding when it has only 64 bits.
    const U128 dividend = U128(a.significand) << 64;
    U128 q = dividend / b.significand;
    U128 r = dividend % b.significand;
    int power = a.exponent - b.exponent - 64;
    if (q < (U128(1) << 64)) {
        r <<= 1;
        q <<= 1;
        if (r >= b.significand) {
            q |= 1;
            r -= b.significand;
        }
        --power;
    }
    return Round(negative, q, power, r != 0);
}

bool operator==(SoftExtended a, SoftExtended b)
{
    using K = SoftExtended;
    if (a.kind == K::NotANumber || b.kind == K::NotANumber)
        return false;
    if (a.kind == K::Zero || b.kind == K::Zero)
        return a.kind == b.kind;
    return a.kind == b.kind && a.negative == b.negative && a.significand == b.significand && a.exponent == b.exponent;
}

double SoftExtended::ToDouble() const
{
    switch (kind) {
    case Zero: return negative ? -0.0 : 0.0;
    case Infinite: return negative ? -HUGE_VAL : HUGE_VAL;
    case NotANumber: return std::nan("");
    case Finite: break;
    }
    // Keep 53 bits, fewer where the double is subnormal (below 2^-1022).
    const int kept = exponent >= -1022 ? 53 : 53 - (-1022 - exponent);
    const int drop = 64 - kept;
    double magnitude;
    if (drop > 64) {
        magnitude = 0;
    } else {
        const U128 x = significand;
        const U128 rest = x & ((U128(1) << drop) - 1);
        const U128 half = U128(1) << (drop - 1);
        uint64_t top = static_cast<uint64_t>(x >> drop);
        if (rest > half || (rest == half && (top & 1)))
            ++top;
        magnitude = std::ldexp(static_cast<double>(top), exponent - 63 + drop);  // exact, or ∞
    }
    return negative ? -magnitude : magnitude;
}

SoftExtended ExtendedConstant(const char *literal)
{
    // The long double literals of the lap-time terms as the x87 holds them
    // (significand, exponent of its leading bit); the tests compare each
    // with the x87's own.
    static const struct {
        const char *literal;
        uint64_t significand;
        int exponent;
    } Constants[] = {
        {"3.14", 0xc8f5c28f5c28f5c3ull, 1},   {"5280.0", 0xa500000000000000ull, 12},
        {"12.0", 0xc000000000000000ull, 3},   {"3.0", 0xc000000000000000ull, 1},
        {"3.96", 0xfd70a3d70a3d70a4ull, 1},   {"1.4667", 0xbbbcd35a858793deull, 0},
        {"6.28", 0xc8f5c28f5c28f5c3ull, 2},
    };
    for (const auto &c : Constants)
        if (std::strcmp(c.literal, literal) == 0)
            return SoftExtended::FromParts(false, c.significand, c.exponent);
    std::abort();  // a constant without its x87 value
}

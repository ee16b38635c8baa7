// Extended: the 80-bit extended precision the lap-time terms are computed
// in (a 64-bit significand, round to nearest even at every operation).
// On x86 that is the x87's long double itself. Elsewhere (WebAssembly's
// long double is 128-bit) SoftExtended does the same arithmetic in
// software, bit for bit, so that every platform gives the same figures.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

class SoftExtended {
public:
    constexpr SoftExtended() = default;
    SoftExtended(double v);  // exact
    SoftExtended(float v) : SoftExtended(static_cast<double>(v)) {}
    SoftExtended(int v) : SoftExtended(static_cast<double>(v)) {}
    // The value with this sign, significand (leading bit explicit) and
    // binary exponent: (-1)^negative × significand × 2^(exponent − 63).
    static SoftExtended FromParts(bool negative, uint64_t significand, int exponent);

    friend SoftExtended operator+(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a, SoftExtended b);
    friend SoftExtended operator*(SoftExtended a, SoftExtended b);
    friend SoftExtended operator/(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a) { return a.negated(); }
    friend bool operator==(SoftExtended a, SoftExtended b);

    double ToDouble() const;  // rounded to nearest even, overflowing to ±∞
    bool IsZero() const { return kind == Zero; }
    bool IsNan() const { return kind == NotANumber; }
    bool IsNegative() const { return negative; }
    uint64_t Significand() const { return significand; }
    int Exponent() const { return exponent; }

private:
    enum Kind : uint8_t { Zero, Finite, Infinite, NotANumber };
    SoftExtended negated() const
    {
        SoftExtended r = *this;
        r.negative = !r.negative;
        return r;
    }
    Kind kind = Zero;
    bool negative = false;
    uint64_t significand = 0;  // bit 63 set when Finite
    int exponent = 0;          // of bit 63
};

// A long double literal of the lap-time terms (3.14, 5280.0, 12.0, 3.0,
// 3.96, 1.4667, 6.28) as the x87 rounds it.
SoftExtended ExtendedConstant(const char *literal);

#if LDBL_MANT_DIG == 64
using Extended = long double;
inline double ToDouble(long double v) { return static_cast<double>(v); }
inline bool IsZero(long double v) { return v == 0; }
inline bool IsNan(long double v) { return std::isnan(v); }
// The constants written as long double literals: the compiler rounds them
// to the x87 format.
#define TETHRIX_EXTENDED(literal) literal##L
#else
using Extended = SoftExtended;
inline double ToDouble(const SoftExtended &v) { return v.ToDouble(); }
inline bool IsZero(const SoftExtended &v) { return v.IsZero(); }
inline bool IsNan(const SoftExtended &v) { return v.IsNan(); }
#define TETHRIX_EXTENDED(literal) ExtendedConstant(#literal)
#endif

// PortableMath: the elementary functions the engine calls (exp, log, sin,
// cos, tan, atan, asin), computed here from the basic operations of IEEE
// double arithmetic alone, in the desktop build and the page alike. Each
// basic operation is rounded once, to nearest, on every processor, so both
// builds give the same bits by construction: no C library's choice of
// variant (glibc picks one by the processor's FMA) and no fused
// multiply-add (the numbers library is compiled with -ffp-contract=off).
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace tmath {

// exp and log by the algorithm of Arm's optimized routines (as glibc and
// musl have them: a 128-entry table, a short polynomial) in its form for
// processors without FMA, every multiply-add rounded twice: within 0.52 ulp
// of the exact value.
double exp(double x);
double log(double x);

// Correctly rounded sine, cosine, tangent, arctangent and arcsine: from
// their series for |x| ≤ 1/8 when the sum's rounding is certain, from `slow`
// (the function at higher precision, rounded once) otherwise.
double RoundedSin(double x, double (*slow)(double));
double RoundedCos(double x, double (*slow)(double));
double RoundedTan(double x, double (*slow)(double));
double RoundedAtan(double x, double (*slow)(double));
double RoundedAsin(double x, double (*slow)(double));

// The functions carried in two doubles (about 104 bits) and rounded once:
// correctly rounded but where the function lies within some 2^-100 of a
// midpoint, for every finite argument.
enum class WideFunction { Sin, Cos, Tan, Atan, Asin };
struct DoubleDouble {
    double hi, lo;  // hi = (hi + lo) rounded
};
DoubleDouble WideValue(WideFunction f, double x);
double WideSin(double x);
double WideCos(double x);
double WideTan(double x);
double WideAtan(double x);
double WideAsin(double x);

// The exp table, worked out: for k = 0 … 127, 2^(k/128) = H·(1 + T) with
// H rounded to double and T the rest rounded once, as T's bits and H's less
// k << 45. Bit for bit the published table.
void BuildExpTable(uint64_t (&table)[256]);
// log(1/x) rounded once, for x in [1/2, 2]: the log table's log c from its
// 1/c.
double LogOfInverse(double x);

// Correctly rounded (but within some 2^-100 of a midpoint): the series
// above where they serve, else the functions in two doubles.
double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double asin(double x);

}  // namespace tmath

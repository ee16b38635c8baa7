// PortableMath: the elementary functions the engine calls, the same on
// every platform. Natively they are the C library's, glibc's on x86-64: the
// figures the program has always given. Where the C library is another
// (the WebAssembly build's musl), exp and log are computed here by glibc's
// own algorithm (Arm's optimized routines) with the fused multiply-adds
// glibc's x86-64 build has, emulated exactly: bit for bit the same. The
// trigonometric functions come from the C library there.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__i386__))
#define TETHRIX_NATIVE_MATH 1
#endif

namespace tmath {

// glibc's exp and log, computed here. fused is the multiply-add where its
// single rounding decides a result's last bit in more than a few cases in
// a million; other is used where, over millions of arguments, it never
// does (the tests measure both): the processor's FMA natively, and in the
// WebAssembly build the exact emulation for fused, a·b + c for other.
using MultiplyAdd = double (*)(double, double, double);
double GlibcExp(double x, MultiplyAdd fused, MultiplyAdd other);
// log's reduction z·(1/c) − 1 takes reduce, which may rely on z·(1/c)
// being within 2^-7 of 1.
double GlibcLog(double x, MultiplyAdd reduce, MultiplyAdd fused, MultiplyAdd other);
inline double PlainMultiplyAdd(double a, double b, double c) { return a * b + c; }
// a·b + c rounded once, from double arithmetic alone (Boldo and Melquiond:
// the product exactly by Dekker's splitting, the sum rounded to odd).
double ExactFma(double a, double b, double c);
// The same, cheaper when a·b is small beside c: a·b + c is added in two
// roundings and the exact sum's distance from a rounding boundary tells
// whether the product's own rounding could have mattered; only then is the
// product made exact.
double QuickFma(double a, double b, double c);
// a·b − 1 rounded once, for a·b within 2^-7 of 1: the product made exact,
// less 1 exactly, then one rounding. c must be −1.
double ProductLessOne(double a, double b, double c);

#ifdef TETHRIX_NATIVE_MATH
inline double exp(double x) { return std::exp(x); }
inline double log(double x) { return std::log(x); }
#else
double exp(double x);
double log(double x);
#endif
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

// glibc's exp table, worked out: for k = 0 … 127, 2^(k/128) = H·(1 + T)
// with H rounded to double and T the rest rounded once, as T's bits and
// H's less k << 45. Bit for bit the published table.
void BuildGlibcExpTable(uint64_t (&table)[256]);
// log(1/x) rounded once, for x in [1/2, 2]: the log table's log c from its
// 1/c.
double LogOfInverse(double x);

#ifdef TETHRIX_NATIVE_MATH
inline double sin(double x) { return std::sin(x); }
inline double cos(double x) { return std::cos(x); }
inline double tan(double x) { return std::tan(x); }
inline double atan(double x) { return std::atan(x); }
inline double asin(double x) { return std::asin(x); }
#else
// Elsewhere (WebAssembly), correctly rounded: the native library's results
// are in all but a few cases in a thousand, where a double-precision
// library's own last bit would differ in a few in a hundred.
double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double asin(double x);
#endif

}  // namespace tmath

// PortableMath: the elementary functions the engine calls, the same on
// every platform. Natively they are the C library's, glibc's on x86-64: the
// figures the program has always given. Where the C library is another
// (the WebAssembly build's musl), exp and log are computed here by glibc's
// own algorithm (Arm's optimized routines) with the fused multiply-adds
// glibc's x86-64 build has, emulated exactly: bit for bit the same. The
// trigonometric functions come from the C library there.
#pragma once

#include <cmath>

#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__i386__))
#define TETHRIX_NATIVE_MATH 1
#endif

namespace tmath {

// glibc's exp and log, computed here; fma is the fused multiply-add used.
double GlibcExp(double x, double (*fma)(double, double, double));
double GlibcLog(double x, double (*fma)(double, double, double));
// a·b + c rounded once, from double arithmetic alone (Boldo and Melquiond:
// the product exactly by Dekker's splitting, the sum rounded to odd).
double ExactFma(double a, double b, double c);

#ifdef TETHRIX_NATIVE_MATH
inline double exp(double x) { return std::exp(x); }
inline double log(double x) { return std::log(x); }
#else
double exp(double x);
double log(double x);
#endif
inline double sin(double x) { return std::sin(x); }
inline double cos(double x) { return std::cos(x); }
inline double tan(double x) { return std::tan(x); }
inline double atan(double x) { return std::atan(x); }
inline double asin(double x) { return std::asin(x); }

}  // namespace tmath

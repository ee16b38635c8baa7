// Faults: the arithmetic faults of a calculation, found by checking the
// operands and the result of each operation where one can arise, instead of
// reading the floating-point unit's status flags. WebAssembly has no status
// flags, and reading and clearing them costs more than the checks, so every
// platform works this way and reports the same message for the same inputs.
//
// The rules are IEEE 754's: an infinity made from finite operands is an
// overflow (a division by zero when it is a finite non-zero number over 0,
// or the logarithm of 0); a NaN made from operands that are not NaN is an
// invalid operation. Operations on values that are already infinite or NaN
// add only what they create themselves, as the hardware does. Flags
// accumulate from Reset() to Check(), which returns the message of the
// worst one: division by zero, then overflow, then invalid operation.
//
// Only operations whose operands can reach such values carry a check; the
// comment at each unchecked place says why none is needed. Built with
// TETHRIX_CROSSCHECK_FAULTS, Check() also compares what it found with the
// x87/SSE status flags and stops the program on any difference: the tests
// run the random cases through such a build.
#pragma once

#include "numbers/PortableMath.h"

#include <cmath>

namespace faults {

constexpr unsigned DivideByZero = 1, Overflow = 2, Invalid = 4;

// Raised since the last Reset(), on this thread: like a floating-point
// unit's status flags, each thread has its own, so that engines calculate
// side by side on threads of their own.
extern thread_local unsigned raised;

void Reset();
// The message of the worst flag raised (clearing them all), or none.
[[nodiscard]] const char *Check();

// What an operation that made r from a and b raised (r not finite).
unsigned Made(double r, double a, double b);
unsigned MadeByDivision(double q, double a, double b);

inline double Add(double a, double b)
{
    const double r = a + b;
    if (!std::isfinite(r))
        raised |= Made(r, a, b);
    return r;
}
inline double Sub(double a, double b)
{
    const double r = a - b;
    if (!std::isfinite(r))
        raised |= Made(r, a, b);
    return r;
}
inline double Mul(double a, double b)
{
    const double r = a * b;
    if (!std::isfinite(r))
        raised |= Made(r, a, b);
    return r;
}
inline double Div(double a, double b)
{
    const double q = a / b;
    if (!std::isfinite(q))
        raised |= MadeByDivision(q, a, b);
    return q;
}
// log(0) is a division by zero, the logarithm of a negative number invalid.
inline double Log(double x)
{
    const double r = tmath::log(x);
    if (!std::isfinite(r) && !std::isnan(x) && x != INFINITY)
        raised |= x == 0 ? DivideByZero : Invalid;
    return r;
}
inline double Exp(double x)
{
    const double r = tmath::exp(x);
    if (r == INFINITY && std::isfinite(x))
        raised |= Overflow;
    return r;
}

}  // namespace faults

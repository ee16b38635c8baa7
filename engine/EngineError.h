// The one error type of the engine. It carries the message the user sees;
// the engine never shows anything itself.
#pragma once

#include "Extended.h"

#include <stdexcept>
#include <string>

class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Arithmetic faults carry the wording the floating-point unit's own
// exceptions have on the program's original platform.
namespace FpuMessage {
inline constexpr const char *DivideByZero = "Floating point division by zero";
inline constexpr const char *Invalid = "Invalid floating point operation";
inline constexpr const char *Overflow = "Floating point overflow";
}  // namespace FpuMessage

// Throws what the floating-point unit would report for dividend / 0: an
// invalid operation for 0/0 (or NaN/0), a division by zero otherwise.
void CheckDivisor(Extended dividend, Extended divisor);

// a / b, reporting a zero divisor as the floating-point unit would.
double CheckedDivide(double a, double b);

// Rounds to single precision; a value beyond the single-precision range is
// an overflow and a value that is not a number an invalid operation.
float ToSingle(double value);

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

// A message as every face shows it: ending in a full stop, one added if
// missing. The one place that rule lives.
std::string WithFullStop(const std::string &message);

// Arithmetic faults carry the wording fliers know from a floating-point
// unit's own exceptions.
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

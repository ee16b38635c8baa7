// The engine's errors. A function that can fail returns its error, the
// message the user sees, in its result instead of throwing: nothing in the
// engine throws, so that the page is built without C++ exceptions. The
// engine never shows anything itself.
#pragma once

#include "numbers/Extended.h"

#include <string>
#include <utility>

// A value, or the error that took its place: the message, without a full
// stop, of an arithmetic fault or of inputs that have no physical meaning.
template <class T>
struct [[nodiscard]] Checked {
    T value{};
    const char *error = nullptr;
    bool ok() const { return error == nullptr; }
};

template <class T>
Checked<T> Failed(const char *error)
{
    return Checked<T>{T{}, error};
}

// What the core gives its faces from anything that can fail: the value, or
// the message the flier sees in its place (empty on success). Each face
// shows a message once, at its own edge. Checked, above, is the
// arithmetic's own: its messages are constants, so that the calculation
// allocates nothing; the core turns a Checked into a Result as it leaves.
// Done is the value of an operation that gives back only whether it worked.
struct Done {};
template <class T = Done>
struct [[nodiscard]] Result {
    Result() = default;
    Result(T value) : value(std::move(value)) {}  // a value is a success
    Result(T value, std::string error) : value(std::move(value)), error(std::move(error)) {}
    T value{};
    std::string error;
    bool ok() const { return error.empty(); }
};

// A failure: no value, and why.
template <class T = Done>
Result<T> Refused(std::string error)
{
    return Result<T>{T{}, std::move(error)};
}
// Done, or the error when there is one: for operations that report a
// message or nothing.
inline Result<> DoneOr(std::string error) { return Result<>{Done{}, std::move(error)}; }

// A message as every face shows it: ending in a full stop, one added if
// missing. The one place that rule lives.
std::string WithFullStop(const std::string &message);

// A fault of the program, not of the flier: a key no table has, a table
// that is no table. Says so on the standard error and stops.
[[noreturn]] void ProgramFault(const std::string &message);

// Arithmetic faults carry the wording fliers know from a floating-point
// unit's own exceptions.
namespace FpuMessage {
inline constexpr const char *DivideByZero = "Floating point division by zero";
inline constexpr const char *Invalid = "Invalid floating point operation";
inline constexpr const char *Overflow = "Floating point overflow";
}  // namespace FpuMessage

// What the floating-point unit would report for dividend / 0: an invalid
// operation for 0/0 (or NaN/0), a division by zero otherwise; none for a
// divisor that is not 0.
[[nodiscard]] const char *CheckDivisor(Extended dividend, Extended divisor);

// a / b, reporting a zero divisor as the floating-point unit would.
Checked<double> CheckedDivide(double a, double b);

// Rounds to single precision; a value beyond the single-precision range is
// an overflow and a value that is not a number an invalid operation.
Checked<float> ToSingle(double value);
// Whether ToSingle takes value.
inline bool FitsSingle(double value) { return ToSingle(value).ok(); }

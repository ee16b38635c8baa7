#include "numbers/EngineError.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

const char *CheckDivisor(Extended dividend, Extended divisor)
{
    if (!IsZero(divisor))
        return nullptr;
    return IsZero(dividend) || IsNan(dividend) ? FpuMessage::Invalid : FpuMessage::DivideByZero;
}

Checked<double> CheckedDivide(double a, double b)
{
    if (const char *error = CheckDivisor(a, b))
        return Failed<double>(error);
    const double q = a / b;
    if (std::isinf(q) && std::isfinite(a))
        return Failed<double>(FpuMessage::Overflow);
    return {q};
}

Checked<float> ToSingle(double value)
{
    if (std::isnan(value))
        return Failed<float>(FpuMessage::Invalid);
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        // Values that round down to FLT_MAX still fit.
        const double limit = static_cast<double>(std::numeric_limits<float>::max());
        const double halfUlp = std::ldexp(1.0, 127 - 24);
        if (std::isinf(value) || std::fabs(value) >= limit + halfUlp)
            return Failed<float>(FpuMessage::Overflow);
        return {value < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max()};
    }
    return {static_cast<float>(value)};
}

std::string WithFullStop(const std::string &message)
{
    return message.empty() || message.back() == '.' ? message : message + ".";
}

void ProgramFault(const std::string &message)
{
    const std::string line = "tethrix: " + message + "\n";
    std::fputs(line.c_str(), stderr);
    std::abort();
}

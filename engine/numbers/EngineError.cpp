#include "EngineError.h"

#include <cmath>
#include <limits>

void CheckDivisor(Extended dividend, Extended divisor)
{
    if (!IsZero(divisor))
        return;
    if (IsZero(dividend) || IsNan(dividend))
        throw EngineError(FpuMessage::Invalid);
    throw EngineError(FpuMessage::DivideByZero);
}

double CheckedDivide(double a, double b)
{
    CheckDivisor(a, b);
    const double q = a / b;
    if (std::isinf(q) && std::isfinite(a))
        throw EngineError(FpuMessage::Overflow);
    return q;
}

float ToSingle(double value)
{
    if (std::isnan(value))
        throw EngineError(FpuMessage::Invalid);
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        // Values that round down to FLT_MAX still fit.
        const double limit = static_cast<double>(std::numeric_limits<float>::max());
        const double halfUlp = std::ldexp(1.0, 127 - 24);
        if (std::isinf(value) || std::fabs(value) >= limit + halfUlp)
            throw EngineError(FpuMessage::Overflow);
        return value < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    }
    return static_cast<float>(value);
}

std::string WithFullStop(const std::string &message)
{
    return message.empty() || message.back() == '.' ? message : message + ".";
}

#include "numbers/Faults.h"

#include "numbers/EngineError.h"

#ifdef TETHRIX_CROSSCHECK_FAULTS
#include <cfenv>
#include <cstdio>
#include <cstdlib>
#endif

namespace faults {

thread_local unsigned raised = 0;

#ifdef TETHRIX_CROSSCHECK_FAULTS
namespace {
unsigned HardwareFlags()
{
    const int f = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    return (f & FE_DIVBYZERO ? DivideByZero : 0) | (f & FE_OVERFLOW ? Overflow : 0) | (f & FE_INVALID ? Invalid : 0);
}
}  // namespace
#endif

void Reset()
{
    raised = 0;
#ifdef TETHRIX_CROSSCHECK_FAULTS
    std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

const char *Check()
{
#ifdef TETHRIX_CROSSCHECK_FAULTS
    if (HardwareFlags() != raised) {
        std::fprintf(stderr, "fault cross-check: the checks found %u, the hardware %u\n", raised, HardwareFlags());
        std::abort();
    }
#endif
    const unsigned flags = raised;
    raised = 0;
    // A division by zero or an overflow is where an infinity starts; any
    // invalid operation after it is only a consequence.
    if (flags & DivideByZero)
        return FpuMessage::DivideByZero;
    if (flags & Overflow)
        return FpuMessage::Overflow;
    return flags != 0 ? FpuMessage::Invalid : nullptr;
}

unsigned Made(double r, double a, double b)
{
    if (std::isnan(r))
        return std::isnan(a) || std::isnan(b) ? 0 : Invalid;  // ∞ − ∞, 0 × ∞
    return std::isfinite(a) && std::isfinite(b) ? Overflow : 0;
}

unsigned MadeByDivision(double q, double a, double b)
{
    if (std::isnan(q))
        return std::isnan(a) || std::isnan(b) ? 0 : Invalid;  // 0/0, ∞/∞
    if (b == 0)
        return std::isfinite(a) ? DivideByZero : 0;
    return std::isfinite(a) && std::isfinite(b) ? Overflow : 0;
}

}  // namespace faults

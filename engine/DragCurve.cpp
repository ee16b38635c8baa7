#include "DragCurve.h"

#include <cmath>

namespace {

// Breakpoints and the coefficients SetupDragCurve derives from them.
constexpr double CurveSlope = -0.233;  // d ln Cd / d ln Re below Re 1000
constexpr double CdHigh = 1.2;
double L1, L2, L3, L4, LC, k0, rRatio, A0, A1, A2;
double heldCd, highCd;  // e^k0 and e^LC, the two flat ends
bool made = false;

}  // namespace

void SetupDragCurve()
{
    if (made)
        return;
    L1 = std::log(1000.0);
    L2 = std::log(2000.0);
    L3 = std::log(4000.0);
    L4 = std::log(10000.0);
    LC = std::log(CdHigh);
    k0 = -CurveSlope * L1;
    rRatio = L1 / L2;
    A1 = CurveSlope / (1 - rRatio);
    A2 = -A1 * 0.5 / L2;
    A0 = (A2 * L1 + A1) * (-L1);
    heldCd = std::exp(k0);
    highCd = std::exp(LC);
    made = true;
}

double LineDragCoefficient(double re)
{
    // Re ≤ 1 is tested before the logarithm, so Re = 0 (the hand end of the
    // lines with no arm) takes the held value without a log(0) fault.
    if (re <= 1)
        return heldCd;
    const double x = std::log(re);
    double y;
    if (x <= L1) {
        y = CurveSlope * x + k0;
    } else if (x <= L3) {
        y = x * (x * A2 + A1) + A0;
    } else if (x <= L4) {
        const double ylo = (L3 * A2 + A1) * L3 + A0;  // the parabola at Re 4000
        const double t = 1 - (x - L3) / (L4 - L3);
        y = LC - t * t * (LC - ylo);
    } else {
        return highCd;
    }
    return std::exp(y);
}

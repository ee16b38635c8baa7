// DragCurve: the drag coefficient of a control line against its Reynolds
// number: (1000/Re)^0.233 up to Re 1000, a parabola in log-log space with
// its minimum at 2000, a blend to 1.2 between 4000 and 10000, and 1.2 above.
// Held at its Re = 1 value below. The line model reads it at every point of
// its drag integrals, so the evaluation is inline.
#pragma once

#include "numbers/PortableMath.h"

#include <cmath>

namespace dragcurve {
constexpr double Slope = -0.233;  // d ln Cd / d ln Re below Re 1000
constexpr double CdHigh = 1.2;
// ln 1000, ln 2000, ln 4000, ln 10000, ln 1.2; k0 = 0.233 ln 1000; the
// parabola y = A2 x² + A1 x + A0 in x = ln Re; the two flat ends e^k0, e^LC.
// They depend on nothing: made once when the program loads, then only read.
struct Coefficients {
    double L1, L2, L3, L4, LC, k0, rRatio, A0, A1, A2, heldCd, highCd;
};
extern const Coefficients c;
}  // namespace dragcurve

// Cd at Reynolds number re (0 or more).
inline double LineDragCoefficient(double re)
{
    using dragcurve::c;
    // Re ≤ 1 is tested before the logarithm, so Re = 0 (the hand end of the
    // lines with no arm) takes the held value without a log(0) fault.
    if (re <= 1)
        return c.heldCd;
    const double x = tmath::log(re);
    double y;
    if (x <= c.L1) {
        y = dragcurve::Slope * x + c.k0;
    } else if (x <= c.L3) {
        y = x * (x * c.A2 + c.A1) + c.A0;
    } else if (x <= c.L4) {
        const double ylo = (c.L3 * c.A2 + c.A1) * c.L3 + c.A0;  // the parabola at Re 4000
        const double t = 1 - (x - c.L3) / (c.L4 - c.L3);
        y = c.LC - t * t * (c.LC - ylo);
    } else {
        return c.highCd;
    }
    return tmath::exp(y);
}

#include "DragCurve.h"

namespace dragcurve {
Coefficients c;
}  // namespace dragcurve

void SetupDragCurve()
{
    static bool made = false;
    if (made)
        return;
    using namespace dragcurve;
    c.L1 = std::log(1000.0);
    c.L2 = std::log(2000.0);
    c.L3 = std::log(4000.0);
    c.L4 = std::log(10000.0);
    c.LC = std::log(CdHigh);
    c.k0 = -Slope * c.L1;
    c.rRatio = c.L1 / c.L2;
    c.A1 = Slope / (1 - c.rRatio);
    c.A2 = -c.A1 * 0.5 / c.L2;
    c.A0 = (c.A2 * c.L1 + c.A1) * (-c.L1);
    c.heldCd = std::exp(c.k0);
    c.highCd = std::exp(c.LC);
    made = true;
}

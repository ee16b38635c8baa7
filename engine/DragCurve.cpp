#include "DragCurve.h"
#include "PortableMath.h"

namespace dragcurve {
Coefficients c;
}  // namespace dragcurve

void SetupDragCurve()
{
    static bool made = false;
    if (made)
        return;
    using namespace dragcurve;
    c.L1 = tmath::log(1000.0);
    c.L2 = tmath::log(2000.0);
    c.L3 = tmath::log(4000.0);
    c.L4 = tmath::log(10000.0);
    c.LC = tmath::log(CdHigh);
    c.k0 = -Slope * c.L1;
    c.rRatio = c.L1 / c.L2;
    c.A1 = Slope / (1 - c.rRatio);
    c.A2 = -c.A1 * 0.5 / c.L2;
    c.A0 = (c.A2 * c.L1 + c.A1) * (-c.L1);
    c.heldCd = tmath::exp(c.k0);
    c.highCd = tmath::exp(c.LC);
    made = true;
}

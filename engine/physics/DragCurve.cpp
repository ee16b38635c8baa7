#include "physics/DragCurve.h"
#include "numbers/PortableMath.h"

namespace dragcurve {
namespace {

Coefficients Make()
{
    Coefficients k;
    k.L1 = tmath::log(1000.0);
    k.L2 = tmath::log(2000.0);
    k.L3 = tmath::log(4000.0);
    k.L4 = tmath::log(10000.0);
    k.LC = tmath::log(CdHigh);
    k.k0 = -Slope * k.L1;
    k.rRatio = k.L1 / k.L2;
    k.A1 = Slope / (1 - k.rRatio);
    k.A2 = -k.A1 * 0.5 / k.L2;
    k.A0 = (k.A2 * k.L1 + k.A1) * (-k.L1);
    k.heldCd = tmath::exp(k.k0);
    k.highCd = tmath::exp(k.LC);
    return k;
}

}  // namespace

const Coefficients c = Make();
}  // namespace dragcurve

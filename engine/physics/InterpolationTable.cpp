#include "physics/InterpolationTable.h"

#include "numbers/EngineError.h"

InterpolationTable::InterpolationTable(unsigned n, const double *srcX, const double *srcY, unsigned m)
    : mode(m == 0 || m > LinearExtrapolate ? LinearExtrapolate : m), count(n)
{
    if (n < 2 || srcX == nullptr || srcY == nullptr)
        ProgramFault("An interpolation table needs at least two points.");
    xs.assign(srcX, srcX + n);
    ys.assign(srcY, srcY + n);
    dx.resize(n - 1);
    dy.resize(n - 1);
    for (unsigned i = 0; i + 1 < n; ++i) {
        dx[i] = xs[i + 1] - xs[i];
        dy[i] = ys[i + 1] - ys[i];
        if (!(dx[i] > 0))
            ProgramFault("Interpolation table abscissae must be strictly increasing.");
    }
}

unsigned InterpolationTable::FindSegment(double x, double &t) const
{
    unsigned lo = 0, hi = count - 1;
    while (hi - lo > 1) {
        const unsigned mid = lo + (hi - lo) / 2;
        if (x > xs[mid])
            lo = mid;
        else
            hi = mid;
    }
    t = (x - xs[lo]) / dx[lo];
    return lo;
}

unsigned InterpolationTable::FindSegmentNear(unsigned hint, double x, double &t) const
{
    // The bisection ends at the largest i ≤ n−2 with x > xs[i], or at 0 when
    // there is none (x below the table, or not a number): walk there.
    unsigned i = hint < count - 1 ? hint : count - 2;
    if (x > xs[i]) {
        while (i + 2 < count && x > xs[i + 1])
            ++i;
    } else {
        while (i > 0 && !(x > xs[i]))
            --i;
    }
    t = (x - xs[i]) / dx[i];
    return i;
}

double InterpolationTable::Evaluate(double x) const
{
    double t;
    const unsigned i = FindSegment(x, t);
    if (mode != LinearExtrapolate) {
        if (t > 1)
            return mode == LinearZero ? 0.0 : ys[count - 1];
        if (t < 0)
            return mode == LinearZero ? 0.0 : ys[0];
    }
    if (mode == StepHold)
        return ys[i];
    return dy[i] * t + ys[i];
}

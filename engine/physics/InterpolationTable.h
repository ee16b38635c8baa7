// InterpolationTable: a table of (x, y) points with piecewise-linear lookup.
#pragma once

#include <vector>

class InterpolationTable {
public:
    enum Mode : unsigned {
        StepHold = 1,           // left point's y inside, end values outside
        LinearHold = 2,         // interpolate inside, end values outside
        LinearZero = 3,         // interpolate inside, 0 outside
        LinearExtrapolate = 4,  // interpolate inside, extend end segments outside
    };

    // Copies n points; xs must be strictly increasing and n at least 2
    // (std::invalid_argument otherwise). A mode of 0 or above 4 becomes
    // LinearExtrapolate.
    InterpolationTable(unsigned n, const double *xs, const double *ys, unsigned mode);

    // Segment i (0 ≤ i ≤ n−2) that brackets x, and the fraction t along it:
    // 0 at xs[i], 1 at xs[i+1], outside [0, 1] beyond the table. An x equal
    // to an interior abscissa xs[k] falls in segment k−1 with t = 1.
    unsigned FindSegment(double x, double &t) const;
    // The same segment and fraction, searched from segment hint outwards:
    // cheaper when x lies near the last one asked for.
    unsigned FindSegmentNear(unsigned hint, double x, double &t) const;
    double Evaluate(double x) const;
    // dy of segment i, so that a caller holding (i, t) from FindSegment can
    // interpolate as Evaluate does without a second search.
    double Slope(unsigned i) const { return dy[i]; }

private:
    // Differences are computed once so that no lookup subtracts table entries.
    std::vector<double> xs, dx, ys, dy;
    unsigned mode;
    unsigned count;
};

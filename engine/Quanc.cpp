#include "Quanc.h"

#include <algorithm>
#include <cmath>

namespace {

// Weights of the 9-point closed Newton-Cotes rule over 8 panels, to be
// multiplied by the panel width.
const double W0 = 3956.0 / 14175.0;
const double W1 = 23552.0 / 14175.0;
const double W2 = -3712.0 / 14175.0;
const double W3 = 41984.0 / 14175.0;
const double W4 = -18160.0 / 14175.0;

// Work storage, 1-based as in the published method; x0/f0 are point 0.
double xs[17], fs[17];
double qRight[32];
double xSave[9][31], fSave[9][31];

}  // namespace

void CQuanc::SetLimits(double a, double b)
{
    lower = a;
    upper = b;
    errorEstimate = 0;
    flag = 0;
}

void CQuanc::SetTolerances(double abs, double rel)
{
    absTol = abs > 0 ? abs : 0.1;
    relTol = rel > 0 ? rel : 0.1;
    errorEstimate = 0;
    flag = 0;
}

double CQuanc::Integrate(Integrand f)
{
    levelLimit = LevMax;
    evalLimit = NoMax - 8 * (LevMax - LevOut + (1 << (LevOut + 1)));
    running = true;
    evalCount = 0;
    flag = 0;
    result = 0;
    errorEstimate = 0;
    correction = 0;
    area = 0;
    if (lower == upper)
        return 0;

    level = 0;
    nim = 1;
    qPrev = 0;
    x0 = lower;
    xs[16] = upper;
    f0 = f(x0);
    unitStep = (upper - lower) * 0.0625;
    xs[8] = (x0 + xs[16]) * 0.5;
    xs[4] = (x0 + xs[8]) * 0.5;
    xs[12] = (xs[8] + xs[16]) * 0.5;
    xs[2] = (x0 + xs[4]) * 0.5;
    xs[6] = (xs[4] + xs[8]) * 0.5;
    xs[10] = (xs[8] + xs[12]) * 0.5;
    xs[14] = (xs[12] + xs[16]) * 0.5;
    for (int j = 2; j <= 16; j += 2)
        fs[j] = f(xs[j]);
    evalCount = 9;

    while (running) {
        xs[1] = (x0 + xs[2]) * 0.5;
        fs[1] = f(xs[1]);
        for (int j = 3; j <= 15; j += 2) {
            xs[j] = (xs[j - 1] + xs[j + 1]) * 0.5;
            fs[j] = f(xs[j]);
        }
        evalCount += 8;
        step = (xs[16] - x0) * 0.0625;
        qLeft = (W0 * (f0 + fs[8]) + W1 * (fs[1] + fs[7]) + W2 * (fs[2] + fs[6]) +
                 W3 * (fs[3] + fs[5]) + W4 * fs[4]) * step;
        qRight[level + 1] = (W0 * (fs[8] + fs[16]) + W1 * (fs[9] + fs[15]) +
                             W2 * (fs[10] + fs[14]) + W3 * (fs[11] + fs[13]) + W4 * fs[12]) * step;
        qNow = qLeft + qRight[level + 1];
        qDiff = qNow - qPrev;
        area += qDiff;
        intervalError = std::fabs(qDiff) / 1023.0;
        intervalTolerance = std::max(absTol, relTol * std::fabs(area)) * (step / unitStep);

        bool subdivide;
        if (level < LevMin) {
            subdivide = true;
        } else if (level >= levelLimit) {
            flag += 1;
            subdivide = false;
        } else if (evalCount > evalLimit) {
            // Budget exceeded: finish the rest of the range coarsely.
            evalLimit = 2 * evalLimit;
            levelLimit = LevOut;
            flag += (upper - x0) / (upper - lower);
            subdivide = false;
        } else {
            subdivide = intervalError > intervalTolerance;
        }

        if (subdivide) {
            nim = 2 * nim;
            level += 1;
            for (int i = 1; i <= 8; ++i) {
                fSave[i][level] = fs[i + 8];
                xSave[i][level] = xs[i + 8];
            }
            qPrev = qLeft;
            for (int i = 1; i <= 8; ++i) {
                const int j = -i;
                fs[2 * j + 18] = fs[j + 9];
                xs[2 * j + 18] = xs[j + 9];
            }
            continue;
        }

        result += qNow;
        errorEstimate += intervalError;
        correction += qDiff / 1023.0;
        while (nim % 2 != 0) {
            nim = nim / 2;
            level -= 1;
        }
        nim += 1;
        running = level > 0;
        if (running) {
            qPrev = qRight[level];
            x0 = xs[16];
            f0 = fs[16];
            for (int i = 1; i <= 8; ++i) {
                fs[2 * i] = fSave[i][level];
                xs[2 * i] = xSave[i][level];
            }
        }
    }

    result += correction;
    if (errorEstimate != 0) {
        while (std::fabs(result) + errorEstimate == std::fabs(result))
            errorEstimate = 2 * errorEstimate;
    }
    return result;
}

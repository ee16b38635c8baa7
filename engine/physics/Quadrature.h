// Quadrature: QUANC8 adaptive quadrature (Forsythe, Malcolm and Moler).
//
// Integrates f over [lower, upper] with 8-panel Newton-Cotes rules on
// intervals halved until each meets its share of max(absTol, relTol·|∫|),
// then adds a Richardson correction. Exact for polynomials up to degree 9.
// Each instance holds its own work storage: instances integrate side by
// side (one per engine), but an integrand must not integrate with its own.
#pragma once

#include <algorithm>
#include <cmath>
#include <utility>

namespace quadrature {
// Weights of the 9-point closed Newton-Cotes rule over 8 panels, to be
// multiplied by the panel width.
constexpr double W0 = 3956.0 / 14175.0;
constexpr double W1 = 23552.0 / 14175.0;
constexpr double W2 = -3712.0 / 14175.0;
constexpr double W3 = 41984.0 / 14175.0;
constexpr double W4 = -18160.0 / 14175.0;
}  // namespace quadrature

class Quadrature {
public:
    using Integrand = double (*)(double);

    Quadrature() = default;
    virtual ~Quadrature() = default;

    void SetLimits(double lower, double upper);
    // A tolerance that is not above 0 becomes 0.1.
    void SetTolerances(double absTol, double relTol);
    // Never fails: trouble is reported only through Flag and ErrorEstimate.
    double Integrate(Integrand f) { return Integrate<Integrand>(std::move(f)); }
    // The same for any callable, which the compiler can inline.
    template <class F>
    double Integrate(F &&f);

    static constexpr int LevMin = 1;    // level 0 is always subdivided
    static constexpr int LevMax = 30;   // level limit at the start
    static constexpr int LevOut = 6;    // level limit once the budget is exceeded
    static constexpr int NoMax = 5000;  // nominal budget of evaluations

    // What the last Integrate found, and how sure it is of it.
    double Value() const { return result; }
    double ErrorEstimate() const { return errorEstimate; }
    // 0: every interval met its tolerance; +1 per interval accepted at the
    // level limit; + the fraction of the range left at each budget cut.
    double Flag() const { return flag; }
    int Evaluations() const { return evalCount; }
    double AbsTolerance() const { return absTol; }
    double RelTolerance() const { return relTol; }

private:
    // The state of the method as published, between and within calls.
    double lower = 0;
    double upper = 1;
    double absTol = 0.01;
    double relTol = 0.01;
    double errorEstimate = 0;
    double flag = 0;
    double result = 0;
    double area = 0;
    double x0 = 0;
    double f0 = 0;
    double qPrev = 0;
    double correction = 0;
    double unitStep = 1;
    double step = 1;
    double qNow = 0;
    double qDiff = 0;
    double qLeft = 0;
    double intervalError = 0;
    double intervalTolerance = 0;
    int evalCount = 0;
    int evalLimit = 0;
    int level = 0;
    int nim = 0;
    int levelLimit = 0;
    bool running = true;
    // Work storage, 1-based as in the published method; x0/f0 are point 0.
    double xs[17]{}, fs[17]{};
    double qRight[32]{};
    double xSave[9][31]{}, fSave[9][31]{};
};

template <class F>
double Quadrature::Integrate(F &&f)
{
    using namespace quadrature;
    // The run works on locals, which the compiler can keep in registers
    // while the integrand writes memory, and leaves them in the fields.
    double lower = this->lower, upper = this->upper, absTol = this->absTol, relTol = this->relTol;
    double errorEstimate = this->errorEstimate, flag = this->flag, result = this->result, area = this->area;
    double x0 = this->x0, f0 = this->f0, qPrev = this->qPrev, correction = this->correction;
    double unitStep = this->unitStep, step = this->step, qNow = this->qNow, qDiff = this->qDiff;
    double qLeft = this->qLeft, intervalError = this->intervalError, intervalTolerance = this->intervalTolerance;
    int evalCount = this->evalCount, evalLimit = this->evalLimit, level = this->level, nim = this->nim;
    int levelLimit = this->levelLimit;
    bool running = this->running;
    const auto leave = [&](double value) {
        this->errorEstimate = errorEstimate, this->flag = flag, this->result = result, this->area = area;
        this->x0 = x0, this->f0 = f0, this->qPrev = qPrev, this->correction = correction;
        this->unitStep = unitStep, this->step = step, this->qNow = qNow, this->qDiff = qDiff;
        this->qLeft = qLeft, this->intervalError = intervalError, this->intervalTolerance = intervalTolerance;
        this->evalCount = evalCount, this->evalLimit = evalLimit, this->level = level, this->nim = nim;
        this->levelLimit = levelLimit, this->running = running;
        return value;
    };

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
        return leave(0);

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
    return leave(result);
}

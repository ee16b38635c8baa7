// Quanc: QUANC8 adaptive quadrature (Forsythe, Malcolm and Moler).
//
// Integrates f over [lower, upper] with 8-panel Newton-Cotes rules on
// intervals halved until each meets its share of max(absTol, relTol·|∫|),
// then adds a Richardson correction. Exact for polynomials up to degree 9.
// The work arrays are shared by all instances: one integration at a time,
// and the integrand must not integrate.
#pragma once

class CQuanc {
public:
    using Integrand = double (*)(double);

    CQuanc() = default;
    virtual ~CQuanc() = default;

    void SetLimits(double lower, double upper);
    // A tolerance that is not above 0 becomes 0.1.
    void SetTolerances(double absTol, double relTol);
    // Never fails: trouble is reported only through flag and errorEstimate.
    double Integrate(Integrand f);

    static constexpr int LevMin = 1;    // level 0 is always subdivided
    static constexpr int LevMax = 30;   // level limit at the start
    static constexpr int LevOut = 6;    // level limit once the budget is exceeded
    static constexpr int NoMax = 5000;  // nominal budget of evaluations

    double lower = 0;
    double upper = 1;
    double absTol = 0.01;
    double relTol = 0.01;
    double errorEstimate = 0;
    // 0: every interval met its tolerance; +1 per interval accepted at the
    // level limit; + the fraction of the range left at each budget cut.
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
};

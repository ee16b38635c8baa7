#include "physics/LineModel.h"

#include "physics/DragCurve.h"
#include "numbers/EngineError.h"
#include "numbers/Faults.h"
#include "case/LineCountField.h"
#include "numbers/PortableMath.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace UnitFactors;

namespace {

// A value that is not ≥ lo (NaN included) becomes lo; then above hi, hi.
double Clamp(double v, double lo, double hi)
{
    if (!(v >= lo))
        v = lo;
    if (v > hi)
        v = hi;
    return v;
}

}  // namespace

LineModel::LineModel()
{
    SetLineDiameter(0.3);
    SetWeight(0.35);
    SetGeometry(16, 0.7, 0.3, 45);  // before SetSpeeds, which divides by R/L
    SetSpeeds(50, 0);
}

void LineModel::SetLineCount(unsigned n)
{
    lineCount = static_cast<unsigned>(LineCountField::Clamp(n > 3 ? 3 : static_cast<int>(n)));
}

void LineModel::SetLineDiameter(double d)
{
    lineDiameter = Clamp(LineDiameterMetres(d), LineDiameterRange.low, LineDiameterRange.high);
}

void LineModel::SetWeight(double m)
{
    weight = Clamp(WeightKilograms(m), WeightRange.low, WeightRange.high);
}

void LineModel::SetGeometry(double line, double arm, double wing, double handleAngleDeg)
{
    line *= MetresPerFoot;
    arm *= MetresPerFoot;
    wing *= MetresPerFoot;
    double theta = handleAngleDeg * RadPerDeg;
    lineLength = Clamp(line, LineLengthRange.low, LineLengthRange.high);
    armLength = Clamp(arm, ArmLengthRange.low, ArmLengthRange.high);
    wingLength = Clamp(wing, WingLengthRange.low, WingLengthRange.high);
    if (theta < -Pi || theta > Pi)
        theta = 0;
    handleAngle = theta;
    const double k = armLength / lineLength;
    // With an arm longer than the line the sine can exceed 1: the line then
    // meets the radius at a right angle, the nearest the geometry allows.
    const double s = Clamp(tmath::sin(theta) * k, -1, 1);
    armSinAngle = tmath::asin(s);
    armOffset = tmath::cos(theta + armSinAngle) * k;
    radiusRatio = tmath::cos(theta) * k + tmath::cos(armSinAngle);
    radius = radiusRatio * lineLength;
    radiusFeet = radius / MetresPerFoot;
    integrationEnd = (lineLength - wingLength) / lineLength;
    speedSlope = faults::Div(1 - windRatio, radiusRatio);  // R/L can cancel to 0
}

void LineModel::SetWingArea(double s)
{
    wingArea = Clamp(WingAreaSquareMetres(s), WingAreaRange.low, WingAreaRange.high);
}

void LineModel::SetSpeeds(double v, double w)
{
    v = v / MphPerMetrePerSecond;
    w = w / MphPerMetrePerSecond;
    v = Clamp(v, AirspeedRange.low, AirspeedRange.high);
    if (std::fabs(w) > v)
        w = (0.9 * v / w) * w;
    airspeed = v;
    windSpeed = w;
    upwindSpeed = v - w;
    windRatio = w / v;
    speedSlope = faults::Div(1 - windRatio, radiusRatio);
}

double LineModel::LineDrag(double x) const
{
    // s is at most about 1E35 (R/L is 0 or above 6E-33), so |s|·s cannot
    // overflow; the Reynolds number of air near its limits can.
    const double s = (x + armOffset) * speedSlope + windRatio;
    const double c = LineDragCoefficient(faults::Mul(std::fabs(s), reynolds));
    return c * (std::fabs(s) * s);
}

namespace {

// The drag values of the moment integral, in the order it asked for them.
// The bow integral runs over the same interval to the same tolerances and
// mostly asks for the same points in the same order: a point equal to the
// bit takes the value already made.
struct DragSample {
    double x, q;
};
constexpr int MaxSamples = 256;

bool SameBits(double a, double b)
{
    uint64_t ua, ub;
    std::memcpy(&ua, &a, sizeof a);
    std::memcpy(&ub, &b, sizeof b);
    return ua == ub;
}

}  // namespace

const char *LineModel::Solve(const HumidAtmosphere &air, Quadrature &quadrature, LineResults &out)
{
    using faults::Div;
    using faults::Mul;
    // Both are possible with legal inputs and would only yield meaningless
    // infinities: the tension and sweep divide by R and by V − w.
    if (!(radius > 0))
        return "The flight radius is zero or negative: the arm length is too long for the line length at this "
               "handle angle.";
    if (upwindSpeed == 0)
        return "The wind speed equals the airspeed.";

    const double rhoDry = air.Density();
    const double nu = air.KinematicViscosity();
    const double rhoMoist = air.MoistDensity();
    const double n = lineCount;
    const double d = lineDiameter;
    const double L = lineLength;
    const double R = radius;
    const double V = airspeed;
    const double w = windSpeed;
    const double m = weight;

    out.weight = m;
    out.wingArea = wingArea;
    out.wingLength = wingLength;
    out.armLength = armLength;
    out.lineLength = L;
    out.radius = R;
    out.handleAngle = handleAngle;
    out.lineDiameter = d;
    out.upwindSpeed = upwindSpeed;
    out.windSpeed = w;
    out.airspeed = V;
    out.lineCount = static_cast<int>(lineCount);

    // The air is finite and positive here (a fault there ended the
    // calculation before the solve); its densities can still be extreme.
    out.tension = Div(m * (V - w) * (V - w), R);           // centripetal force, N
    out.downwindTension = Div(m * (V + w) * (V + w), R);
    out.lineSpeed = Div(std::sqrt(V * V - w * w) * L, R);  // speed of the line end
    reynolds = Div(d * V * rhoDry, Mul(nu, rhoMoist));
    out.reynolds = reynolds;

    quadrature.SetLimits(0, integrationEnd);
    quadrature.SetTolerances(0.0001, 0.0001);
    DragSample samples[MaxSamples];  // on the stack: nothing is allocated
    int count = 0;
    out.momentIntegral = quadrature.Integrate([&](double x) {
        const double q = LineDrag(x);
        if (count < MaxSamples)
            samples[count++] = {x, q};
        return q * 4 * x;
    });
    // The integrals are at most about 1E71: these products stay finite.
    out.dragArea = n * d * out.momentIntegral * 0.25 * L;
    const double r = V / (V - w);
    out.dragRatio = Div(Mul(Mul(rhoMoist, R), out.dragArea), 2 * m * r * r);
    out.lineAngle = (tmath::atan(out.dragRatio) + armSinAngle) * DegPerRad;
    out.leadoutOffset = tmath::tan(out.lineAngle / DegPerRad) * wingLength;

    int next = 0;
    out.bowIntegral = quadrature.Integrate([&](double x) {
        const double q = next < count && SameBits(samples[next].x, x) ? samples[next].q : LineDrag(x);
        ++next;
        return q * 12 * (1 - x);
    });
    out.bowRatio = Div(Mul(Mul(rhoMoist, R), n * d * out.bowIntegral * L * (1 / 12.0)), 2 * m * r * r);
    out.lineProjection = Mul(out.bowRatio, L);

    // The drag of the line set and the power it absorbs, from the same two
    // integrals. A line element L·dx at x moves across the air at s·V, so it
    // carries ½ρ(sV)²·Cd·d·L·dx, across the line: ½ρV²·d·L·q(x)·dx.
    //   Drag:  D = n·½ρV²·d·L·∫q dx, and since x + (1 − x) = 1,
    //          ∫q dx = ∫q·4x dx / 4 + ∫q·12(1 − x) dx / 12.
    //   Power: the element's moment about the circle's centre has the arm
    //          (x + a)·L, a = (A/L)·cos(θ + φ) being where the perpendicular
    //          from the centre meets the line; the line turns at
    //          Ω = (V − w)/R, the rate in s = (x + a)·(V − w)/V·L/R + w/V.
    //          P = Ω·n·½ρV²·d·L²·(∫q·x dx + a·∫q dx).
    // For a constant Cd, no wind, handle angle 0 and the line to the
    // airplane, this is D = ½ρ·Cd·n·d·Ω²·(R³ − A³)/3 and
    // P = ½ρ·Cd·n·d·Ω³·(R⁴ − A⁴)/4: the power grows with the speed cubed.
    const double alongLine = out.momentIntegral * 0.25;   // ∫q·x dx
    const double wholeLine = alongLine + out.bowIntegral * (1 / 12.0);  // ∫q dx
    // Shown beside the trim figures, never in place of them: what cannot be
    // a number here raises no fault (the figure says it cannot be shown).
    const double pressure = 0.5 * rhoMoist * V * V;
    out.lineDrag = pressure * (n * d * L * wholeLine);
    out.linePower = pressure * (n * d * L * L * (alongLine + armOffset * wholeLine)) * ((V - w) / R);
    return nullptr;
}

// LineModel: the airplane flying a circle on its control lines.
//
// LineModel holds the airplane and line set in SI units; every setter converts
// from the current unit system and clamps silently into a fixed range.
// Solve() finds the tension, the line Reynolds number, the line drag
// integrated along the lines (QUANC8 over the drag-coefficient curve), the
// sweep angle of the lines at the airplane, the leadout position behind the
// CG and the line projection (bow).
//
// Geometry: the flier's shoulder is the centre of the circle; A is the arm,
// θ the handle angle between arm and radius, L the line (hand to line end),
// φ = asin((A/L)·sin θ) the angle at the line end, R = A·cos θ + L·cos φ.
#pragma once

#include "physics/Atmosphere.h"
#include "physics/Quadrature.h"

// What the model takes, in its own units: a setter replaces a value outside
// by the nearer end, without a word (the flier's notes say so).
struct ModelRange {
    double low, high;
};
constexpr ModelRange LineDiameterRange{0.0001, 0.004};  // m
constexpr ModelRange WeightRange{0.05, 30};             // kg
constexpr ModelRange WingAreaRange{0.003, 2};           // m²
constexpr ModelRange AirspeedRange{1, 150};             // m/s
constexpr ModelRange LineLengthRange{0.03625, 60};      // m, handle and leadouts included
constexpr ModelRange ArmLengthRange{0, 8};              // m
constexpr ModelRange WingLengthRange{0, 60};            // m
// The flier's values in the model's units, as the setters convert them.
inline double LineDiameterMetres(double thousandthsOfInch) { return thousandthsOfInch * (1 / 12000.0) * UnitFactors::MetresPerFoot; }
inline double WeightKilograms(double ounces) { return ounces * UnitFactors::KgPerPound * 0.0625; }
inline double WingAreaSquareMetres(double squareInches) { return squareInches * (1 / 144.0) * UnitFactors::SquareMetresPerSquareFoot; }

struct LineResults {
    double weight = 0;          // kg
    double wingArea = 0;        // m²
    double wingLength = 0;      // m
    double armLength = 0;       // m
    double lineLength = 0;      // m, L
    double radius = 0;          // m, R
    double handleAngle = 0;     // rad
    double lineDiameter = 0;    // m
    double upwindSpeed = 0;     // m/s, V − w
    double windSpeed = 0;       // m/s
    double airspeed = 0;        // m/s
    double lineSpeed = 0;       // m/s, √(V² − w²)·L/R
    double reynolds = 0;
    double tension = 0;         // N, upwind: m(V − w)²/R
    double downwindTension = 0; // N: m(V + w)²/R
    double momentIntegral = 0;
    double bowIntegral = 0;
    double dragArea = 0;        // m²
    double dragRatio = 0;       // tangent of the drag sweep angle
    double bowRatio = 0;        // bow per unit line length
    double leadoutOffset = 0;   // m
    double lineProjection = 0;  // m
    double lineAngle = 0;       // degrees
    double lineDrag = 0;        // N, the drag of the whole line set
    double linePower = 0;       // W, the power the lines absorb
    int lineCount = 0;
};

class LineModel {
public:
    LineModel();
    virtual ~LineModel() = default;

    void SetLineCount(unsigned n);
    void SetLineDiameter(double d);
    void SetWeight(double m);
    void SetGeometry(double lineLength, double armLength, double wingLength, double handleAngleDeg);
    void SetWingArea(double s);
    void SetSpeeds(double airspeed, double wind);
    // Solves in this air with this integrator, which it uses for the two
    // drag integrals. Returns the error when the case has no physical
    // meaning (a wind equal to the airspeed or a flight radius of zero or
    // below), or none.
    [[nodiscard]] const char *Solve(const HumidAtmosphere &air, Quadrature &quadrature, LineResults &out);
    // Drag per unit length at x (fraction of L from the hand) before the
    // weighting for the bow or the moment: Cd·|s|·s, s the line's speed
    // across itself as a fraction of V.
    double LineDrag(double x) const;

    unsigned lineCount = 2;
    double airspeed = 0;         // m/s, V, 1 to 150
    double windSpeed = 0;        // m/s, w
    double upwindSpeed = 0;      // m/s
    double lineDiameter = 0;     // m, 0.0001 to 0.004
    double weight = 0;           // kg, 0.05 to 30
    double lineLength = 0;       // m, 0.03625 to 60
    double armLength = 0;        // m, 0 to 8
    double radius = 0;           // m
    double wingLength = 0;       // m, 0 to 60
    double integrationEnd = 0;   // (L − wingLength)/L
    double wingArea = 0;         // m², 0.003 to 2
    double handleAngle = 0;      // rad, −π to π
    double armSinAngle = 0;      // rad, φ
    double radiusRatio = 0;      // R/L
    double windRatio = 0;        // w/V
    double speedSlope = 0;       // (1 − w/V)/(R/L)
    double armOffset = 0;        // (A/L)·cos(θ + φ)
    double reynolds = 0;
    double radiusFeet = 0;       // ft
};

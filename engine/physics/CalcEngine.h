// CalcEngine: the flight case and the calculation driver.
//
// Recalculate() converts the flier's inputs (inches, feet, ounces, seconds,
// mph, °F) into the line model's and the air model's units, solves, and
// leaves the accessors ready to report in display units.
#pragma once

#include "physics/DragCurve.h"
#include "numbers/EngineError.h"
#include "physics/LineModel.h"

#include <string>

// The seventeen inputs exactly as entered, in the units of the entry fields.
// Stored as parsed, without range checks: the line model clamps.
struct FlightCase {
    std::string AcName;  // at most 70 characters typed
    int NumLines = 0;
    float LineDiameter = 0;      // inches
    float LineLength = 0;        // feet, eye to eye
    float WingLength = 0;        // inches, inboard wing
    float HandleLength = 0;      // inches, handle/leadout
    float Weight = 0;            // ounces
    float LapTime = 0;           // seconds
    float WingArea = 0;          // square inches
    float ArmLength = 0;         // inches
    float HandleAngle = 0;       // degrees
    float WindSpeed = 0;         // mph
    float Temperature = 0;       // °F
    float PressureAltitude = 0;  // feet
    float Humidity = 0;          // percent
    float PullMultiple = 0;  // the pull test's load over the airplane's weight
    float PullLoad = 0;      // pounds: a fixed pull-test load in place of the multiple; 0 or less: none
};

// Built-in defaults of the nine main inputs and of the flying conditions.
void ApplyMainDefaults(FlightCase &fc);
void ApplyAdvancedDefaults(FlightCase &fc);
FlightCase DefaultFlightCase();

// The engine object: it reads the inputs from a flight case and stores the
// ground speed where it is told, and holds its own line model, air model and
// integrator, so that engines calculate side by side, one per thread.
class CalcEngine {
public:
    CalcEngine(const FlightCase &flightCase, float &groundSpeed);
    CalcEngine(const CalcEngine &) = delete;
    CalcEngine &operator=(const CalcEngine &) = delete;

    // Solves the current case with the given lap time (s). Returns the
    // error of an arithmetic fault (lap time 0 gives "Floating point
    // division by zero" before any model is solved) or of inputs that have
    // no physical meaning, or none; no NaN or infinity is ever left behind
    // silently. Allocates nothing.
    [[nodiscard]] const char *Recalculate(float lapTime);

    double LineTension() const;      // pounds
    double LeadoutPosition() const;  // inches behind the CG
    double LineProjection() const;   // inches
    double LineReynolds() const;
    double LineDragArea() const;     // square inches
    double AirPressure() const;      // inches of mercury
    double FlightRadius() const;     // feet, to the inboard wing tip's far side
    double DensityAltitude() const;  // feet
    double LineWeight() const;       // ounces, the whole line set
    // Degrees: the angle the leadouts are swept back, as fliers measure it
    // from the inboard wing tip, atan(leadout position / inboard wing length).
    double LeadoutRake() const;
    double LineDrag() const;   // pounds, the whole line set
    double LinePower() const;  // watts absorbed by the lines
    // Pounds: the load a pull test puts on the lines and handle: the flight
    // case's fixed load when it has one, else its multiple of the weight.
    double PullTest() const;
    // Pounds: the tension on the downwind side of the circle, m(V + w)²/R,
    // where the upwind LineTension is m(V − w)²/R; the same without wind.
    double DownwindTension() const;

    // The models as the last calculation left them.
    const LineModel &Model() const { return lacft; }
    const LineResults &Results() const { return results; }
    const HumidAtmosphere &Air() const { return air; }

private:
    const FlightCase &fc;
    float &groundSpeed;
    LineModel lacft;
    LineResults results;
    HumidAtmosphere air;
    Quadrature quadrature;
};

using UnitFactors::MphPerMetrePerSecond;

// Ounces per square foot, from the flight case alone.
Checked<double> WingLoading(const FlightCase &fc);
// Speed (mph) of one lap of the full circle, hand to wing tip plus the arm,
// with the 3.14 circle of a lap-time stopwatch, in single precision.
Checked<float> LapSpeed(const FlightCase &fc);
// What-If: the line length (ft) that gives lap time t (s) at lapSpeed, and
// the lap time (s) that line length l (ft) gives; 1.4667 ft/s per mph and
// 6.28 for the circumference, as the lap-time charts fliers use.
Checked<float> WhatIfLineLength(float lapSpeed, const FlightCase &fc, float lapTime);
Checked<float> WhatIfLapTime(float lapSpeed, const FlightCase &fc, float lineLength);
// The lap time that keeps fc's speed on lines lineLength long: fc's lap time
// scaled with the length of the flight path (fc's own when that length is
// not a positive number).
float LapTimeAtSameSpeed(const FlightCase &fc, float lineLength);

#include "physics/CalcEngine.h"

#include <cfloat>
#include <cmath>

#include "numbers/EngineError.h"
#include "case/Figures.h"
#include "numbers/Extended.h"
#include "numbers/Faults.h"
#include "numbers/PortableMath.h"

#include <cmath>

using namespace UnitFactors;

namespace {

// The lap-time terms are computed in extended precision (Extended.h).
// Circumference of a lap as fliers time it: 2 × 3.14, not 2π.
const Extended LapCircle = 2 * TETHRIX_EXTENDED(3.14);
const Extended SecondsPerHour = 3600;
const Extended MilesPerFoot = 1 / TETHRIX_EXTENDED(5280.0);
const Extended FeetPerInchL = 1 / TETHRIX_EXTENDED(12.0);
const Extended OneThird = 1 / TETHRIX_EXTENDED(3.0);
const Extended AllowancePerFoot = TETHRIX_EXTENDED(3.96);

const char *CheckFinite(double value)
{
    if (std::isnan(value))
        return FpuMessage::Invalid;
    return std::isinf(value) ? FpuMessage::Overflow : nullptr;
}

}  // namespace

// From the table of inputs, which holds each input's built-in value.
void ApplyMainDefaults(FlightCase &fc)
{
    fc.AcName = DefaultAirplaneName;
    for (int i = 1; i < FirstConditionKey; ++i) {
        const InputKey &key = InputKeys[i];
        if (key.field != nullptr)
            fc.*(key.field) = static_cast<float>(key.defaultValue);
        else
            fc.NumLines = static_cast<int>(key.defaultValue);
    }
}

void ApplyAdvancedDefaults(FlightCase &fc)
{
    for (int i = FirstConditionKey; i < InputKeyCount; ++i)
        fc.*(InputKeys[i].field) = static_cast<float>(InputKeys[i].defaultValue);
}

FlightCase DefaultFlightCase()
{
    FlightCase fc;
    ApplyMainDefaults(fc);
    ApplyAdvancedDefaults(fc);
    return fc;
}

CalcEngine::CalcEngine(const FlightCase &flightCase, float &groundSpeedOut)
    : fc(flightCase), groundSpeed(groundSpeedOut)
{
}

const char *CalcEngine::Recalculate(float lapTime)
{
    // Arithmetic faults are found where they arise and reported at the
    // same three points as ever: after the air, after the solve, at the end.
    faults::Reset();
    const Extended lap = lapTime;

    lacft.SetLineCount(static_cast<unsigned>(fc.NumLines));
    lacft.SetLineDiameter(double(fc.LineDiameter) * 1000.0);  // thousandths of an inch
    lacft.SetGeometry(fc.LineLength + fc.HandleLength * (1 / 12.0), fc.ArmLength * (1 / 12.0),
                      fc.WingLength * (1 / 12.0), fc.HandleAngle);
    lacft.SetWeight(fc.Weight);
    lacft.SetWingArea(fc.WingArea);

    // Airspeed from the lap time on the line-end radius, less a small
    // allowance proportional to the line length (its 1.6° and 32′ terms come
    // to 0.00063 ft per foot of line).
    static const double c1 = tmath::cos(0.027925268031909273);  // cos 1.6°
    const Extended p = 1 - c1 * OneThird;
    static const double c2 = tmath::cos(0.00930842267730309);   // cos 32′
    const double radiusAllowance = ToDouble((p - c2 * 2 * OneThird) * AllowancePerFoot * fc.LineLength);  // ft
    if (const char *error = CheckDivisor(radiusAllowance, lap))
        return error;  // a zero lap time faults here, before any solve
    const double allowanceSpeed = ToDouble(radiusAllowance * LapCircle / lap * SecondsPerHour * MilesPerFoot);
    const Extended radiusSpeed = lacft.radiusFeet * LapCircle / lap * SecondsPerHour * MilesPerFoot;
    const double airspeed = ToDouble(radiusSpeed - allowanceSpeed);  // mph
    lacft.SetSpeeds(airspeed, fc.WindSpeed);

    if (const char *error = air.SetConditions(double(fc.PressureAltitude) * MetresPerFoot * 0.001,  // km
                                              fc.Temperature / FahrenheitPerKelvin + KelvinAtZeroFahrenheit,
                                              fc.Humidity))
        return error;
    air.ToImperial();
    if (const char *error = faults::Check())
        return error;

    if (const char *error = lacft.Solve(air, quadrature, results))
        return error;
    if (const char *error = faults::Check())
        return error;

    // The airplane flies outside the line end by the inboard wing length.
    const double wingSpeed = ToDouble(fc.WingLength * FeetPerInchL * LapCircle / lap * SecondsPerHour * MilesPerFoot);
    const double total = results.lineSpeed * MphPerMetrePerSecond + wingSpeed;
    const Checked<float> stored = ToSingle(total);
    if (!stored.ok())
        return stored.error;

    // Every figure the window will show must be a number.
    for (double v : {LineTension(), LeadoutPosition(), LineProjection(), LineReynolds(),
                     LineDragArea(), AirPressure(), FlightRadius(), DensityAltitude(), LineWeight()})
        if (const char *error = CheckFinite(v))
            return error;
    if (const char *error = faults::Check())
        return error;
    groundSpeed = stored.value;
    return nullptr;
}

double CalcEngine::LineTension() const { return results.tension / NewtonsPerPound; }

double CalcEngine::LeadoutPosition() const { return results.leadoutOffset * InchesPerMetre; }

double CalcEngine::LineProjection() const { return results.lineProjection * InchesPerMetre; }

double CalcEngine::LineReynolds() const { return results.reynolds; }

double CalcEngine::LineDragArea() const
{
    return InchesPerMetre * InchesPerMetre * results.dragArea;
}

double CalcEngine::AirPressure() const { return air.Pressure() / PaPerInchHg; }

double CalcEngine::FlightRadius() const
{
    return results.radius / MetresPerFoot + fc.WingLength * (1 / 12.0);
}

double CalcEngine::DensityAltitude() const { return air.DensityAltitudeFeet(); }

double CalcEngine::LineWeight() const
{
    // The whole line set of steel lines: the weight goes with the number of
    // lines and the square of the diameter. Calibrated on two lines of
    // 0.381 mm (.015 in), which weigh 54.2 oz per metre of diameter per foot.
    constexpr double CalibrationDiameter = 0.000381;  // m
    const double d = results.lineDiameter;
    return 54.2 * d * fc.LineLength * (results.lineCount / 2.0) * (d / CalibrationDiameter);
}

double CalcEngine::LeadoutRake() const
{
    const double offset = LeadoutPosition();
    // No inboard wing: the leadouts leave the fuselage square, or straight
    // back when they are offset at all.
    if (fc.WingLength == 0)
        return offset == 0 ? 0 : std::copysign(90.0, offset);
    return tmath::atan(offset / fc.WingLength) * DegPerRad;
}

double CalcEngine::LineDrag() const { return results.lineDrag / NewtonsPerPound; }

double CalcEngine::LinePower() const { return results.linePower; }

double CalcEngine::PullTest() const
{
    return fc.PullLoad > 0 ? double(fc.PullLoad) : double(fc.Weight) * (1 / 16.0) * fc.PullMultiple;
}

double CalcEngine::DownwindTension() const { return results.downwindTension / NewtonsPerPound; }

Checked<double> WingLoading(const FlightCase &fc)
{
    return CheckedDivide(fc.Weight, fc.WingArea * (1 / 144.0));
}

Checked<float> LapSpeed(const FlightCase &fc)
{
    const Checked<float> r = ToSingle(ToDouble(fc.HandleLength * FeetPerInchL + fc.LineLength +
                                               fc.WingLength * FeetPerInchL + fc.ArmLength * FeetPerInchL));
    if (!r.ok())
        return r;
    const Extended circle = r.value * LapCircle;
    if (const char *error = CheckDivisor(circle, fc.LapTime))
        return Failed<float>(error);
    return ToSingle(ToDouble(circle / fc.LapTime * SecondsPerHour * MilesPerFoot));
}

namespace {
const Extended FeetPerSecondPerMph = TETHRIX_EXTENDED(1.4667);
const Extended WhatIfCircle = TETHRIX_EXTENDED(6.28);
}  // namespace

Checked<float> WhatIfLineLength(float lapSpeed, const FlightCase &fc, float lapTime)
{
    const Extended radius = (FeetPerSecondPerMph * lapSpeed) * (1 / WhatIfCircle * lapTime);
    return ToSingle(
        ToDouble(radius - FeetPerInchL * fc.HandleLength - FeetPerInchL * fc.WingLength - FeetPerInchL * fc.ArmLength));
}

Checked<float> WhatIfLapTime(float lapSpeed, const FlightCase &fc, float lineLength)
{
    const Checked<float> r = ToSingle(ToDouble(FeetPerInchL * fc.HandleLength + FeetPerInchL * fc.WingLength +
                                               FeetPerInchL * fc.ArmLength + lineLength));
    if (!r.ok())
        return r;
    const Extended circumference = WhatIfCircle * r.value;
    const Extended speed = lapSpeed * FeetPerSecondPerMph;  // ft/s
    if (const char *error = CheckDivisor(circumference, speed))
        return Failed<float>(error);
    return ToSingle(ToDouble(circumference / speed));
}

float LapTimeAtSameSpeed(const FlightCase &fc, float lineLength)
{
    // The flight path's radius as the lap speed takes it.
    const auto radius = [&fc](float line) {
        return double(fc.HandleLength) / 12 + double(line) + double(fc.WingLength) / 12 + double(fc.ArmLength) / 12;
    };
    const double from = radius(fc.LineLength), to = radius(lineLength);
    const double lap = double(fc.LapTime) * (to / from);
    return from > 0 && to > 0 && std::isfinite(lap) && lap <= FLT_MAX ? static_cast<float>(lap) : fc.LapTime;
}


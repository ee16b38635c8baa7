#include "case/Figures.h"

#include "numbers/Convert.h"
#include "numbers/EngineError.h"
#include "lang/Format.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace {
Checked<double> GroundSpeedValue(const CalcEngine &, const FlightCase &, float gs) { return {gs}; }
Checked<double> WingLoadingValue(const CalcEngine &, const FlightCase &fc, float) { return WingLoading(fc); }
#define ENGINE_FIGURE(name) \
    [](const CalcEngine &e, const FlightCase &, float) { return Checked<double>{e.name()}; }
}  // namespace

const FigureInfo Figures[FigureCount] = {
    {"LeadOutPosLabel", "Leadout Position Behind CG", " inches", Measure::SmallLength, "LeadoutPosition", ENGINE_FIGURE(LeadoutPosition), false},
    {"TensionLabel", "Line Tension", " pounds", Measure::Force, "LineTension", ENGINE_FIGURE(LineTension), false},
    {"WngLoadLabel", "Wing Loading", " oz/sq ft.", Measure::WingLoading, "WingLoading", WingLoadingValue, false},
    {"GndSpeedLabel", "Ground Speed", " mph", Measure::Speed, "GroundSpeed", GroundSpeedValue, false},
    {"RadiusLabel", "Flight Radius", " feet", Measure::Length, "FlightRadius", ENGINE_FIGURE(FlightRadius), false},
    {"LineProjctLabel", "Line Projection", " inches", Measure::SmallLength, "LineProjection", ENGINE_FIGURE(LineProjection), true},
    {"LineWeightLabel", "Line Weight", " ounces", Measure::Mass, "LineWeight", ENGINE_FIGURE(LineWeight), false},
    {"LineRnLabel", "Line RN at WT", "", Measure::None, "LineReynolds", ENGINE_FIGURE(LineReynolds), false},
    {"LineDrgAreaLabel", "Line Drag Area", " sq/in", Measure::DragArea, "LineDragArea", ENGINE_FIGURE(LineDragArea), false},
    {"DensAltLbl", "Density Altitude", " feet", Measure::Length, "DensityAltitude", ENGINE_FIGURE(DensityAltitude), false},
    {"AirPressureLbl", "Atmospheric Pressure", " in/Hg", Measure::Pressure, "AirPressure", ENGINE_FIGURE(AirPressure), false},
    {"LeadoutRakeLbl", "Leadout Rake", " degrees", Measure::None, "LeadoutRake", ENGINE_FIGURE(LeadoutRake), true},
    {"LineDragLbl", "Line Drag", " pounds", Measure::Force, "LineDrag", ENGINE_FIGURE(LineDrag), true},
    {"LinePowerLbl", "Line Power", " watts", Measure::None, "LinePower", ENGINE_FIGURE(LinePower), false},
    {"PullTestLbl", "Pull Test", " pounds", Measure::Force, "PullTest", ENGINE_FIGURE(PullTest), false},
    {"DownwindTensionLbl", "Downwind Tension", " pounds", Measure::Force, "DownwindTension", ENGINE_FIGURE(DownwindTension), false, true},
};
#undef ENGINE_FIGURE

const int RewriteOrder[FigureCount] = {3, 1, 0, 5, 7, 8, 10, 4, 2, 9, 6, 11, 12, 13, 15, 14};

bool FigureShown(const FigureInfo &figure, const FlightCase &fc) { return !figure.windOnly || fc.WindSpeed != 0; }

HighestTension HighestTensionOf(const double *figures, const FlightCase &fc)
{
    const double upwind = figures[FigureIndex(FigureId::LineTension)];
    const int downwind = FigureIndex(FigureId::DownwindTension);
    if (FigureShown(Figures[downwind], fc) && figures[downwind] > upwind)
        return {figures[downwind], true};
    return {upwind, false};
}

Checked<double> ShownValue(int index, const CalcEngine &engine, const FlightCase &fc, float groundSpeed)
{
    const Checked<double> figure = Figures[index].value(engine, fc, groundSpeed);
    return figure.ok() ? FittedFigure(index, figure.value) : figure;
}

Checked<double> FittedFigure(int index, double value)
{
    if (index < FirstBesideFigure) {
        if (const Checked<float> shown = ToSingle(value); !shown.ok())  // what the label would show must fit
            return Failed<double>(shown.error);
        return {value};
    }
    return {std::isfinite(value) && std::fabs(value) <= FLT_MAX ? value : NAN};
}

int FigureIndex(const std::string &jsonKey)
{
    for (int i = 0; i < FigureCount; ++i)
        if (jsonKey == Figures[i].jsonKey)
            return i;
    ProgramFault(lang::Format("No figure '%1'", {jsonKey}));
}

Result<CaseFigures> SolveCase(CalcEngine &engine, const FlightCase &fc, const float &groundSpeed)
{
    if (const char *error = engine.Recalculate(fc.LapTime))
        return Refused<CaseFigures>(error);
    // In the window's order of rewriting, so that a case with two faults
    // reports the one the window reports.
    Result<CaseFigures> out;  // built in place: a sweep solves a case a row
    for (int i : RewriteOrder) {
        const Checked<double> value = ShownValue(i, engine, fc, groundSpeed);
        if (!value.ok())
            return Refused<CaseFigures>(value.error);
        out.value.values[i] = value.value;
    }
    const Checked<float> lapSpeed = LapSpeed(fc);
    if (!lapSpeed.ok())
        return Refused<CaseFigures>(lapSpeed.error);
    out.value.lapSpeed = lapSpeed.value;
    return out;
}

std::string FigureUnitName(const FigureInfo &figure, DisplayUnits units)
{
    std::string u = ShownUnit(figure.measure, units, figure.unit);
    if (!u.empty() && u.front() == ' ')
        u.erase(0, 1);
    while (!u.empty() && u.back() == '.')
        u.pop_back();
    return u;
}

std::string FigureValueText(const FigureInfo &figure, double value, char sep, DisplayUnits units)
{
    const Checked<float> shown = ToSingle(value);
    if (!shown.ok())
        return " is too large to show";
    return " = " + FormatShown(figure.measure, units, shown.value, 4, sep) +
           ShownUnit(figure.measure, units, figure.unit);
}

namespace {

// "Line Tension = 12.5 pounds", or the caption and why no value shows.
std::string CaptionAndValue(const FigureInfo &figure, double value, char sep, DisplayUnits units)
{
    const Checked<float> shown = ToSingle(value);
    if (!shown.ok())
        return lang::Format("%1 is too large to show", {figure.caption});
    return lang::Format("%1 = %2", {figure.caption, FormatShown(figure.measure, units, shown.value, 4, sep) +
                                                        ShownUnit(figure.measure, units, figure.unit)});
}

}  // namespace

std::string FigureText(const FigureInfo &figure, double value, char sep, DisplayUnits units, double highestTension,
                       bool downwind)
{
    std::string text = CaptionAndValue(figure, value, sep, units);
    if (!FitsSingle(value))
        return text;
    // Mechanical horsepower: 550 foot-pounds-force per second, 745.69987158227022 W.
    if (&figure == &Figures[FigureIndex(FigureId::LinePower)])
        text = lang::Format("%1 (%2 hp)", {text, FormatNumber(static_cast<float>(value / 745.69987158227022), 4, sep)});
    if (&figure != &Figures[FigureIndex(FigureId::PullTest)])
        return text;
    // Rule books give test loads in kilograms.
    if (units == DisplayUnits::Metric)
        text = lang::Format("%1 (%2 kg)", {text, FormatShown(Measure::Load, units, value, 4, sep)});
    // The margin a pull test leaves over the highest pull in flight.
    const double margin = value / highestTension;
    if (std::isfinite(margin) && margin >= 0 && margin <= FLT_MAX)
        text = lang::Format(downwind ? "%1, %2 x Downwind Tension" : "%1, %2 x Line Tension",
                            {text, FormatNumber(static_cast<float>(margin), 3, sep)});
    return text;
}

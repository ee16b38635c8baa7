#include "Figures.h"

#include "CaseEditor.h"

#include "Convert.h"
#include "EngineError.h"

#include <cctype>
#include <cmath>

namespace {
double GroundSpeedValue(const CalcEngine &, const FlightCase &, float gs) { return gs; }
double WingLoadingValue(const CalcEngine &, const FlightCase &fc, float) { return WingLoading(fc); }
#define ENGINE_FIGURE(name) \
    [](const CalcEngine &e, const FlightCase &, float) { return e.name(); }
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
};
#undef ENGINE_FIGURE

const int RewriteOrder[FigureCount] = {3, 1, 0, 5, 7, 8, 10, 4, 2, 9, 6, 11};

int FigureIndex(const std::string &jsonKey)
{
    for (int i = 0; i < FigureCount; ++i)
        if (jsonKey == Figures[i].jsonKey)
            return i;
    throw EngineError("No figure '" + jsonKey + "'");
}

CaseFigures SolveCase(CalcEngine &engine, const FlightCase &fc, const float &groundSpeed)
{
    CaseFigures out;
    engine.Recalculate(fc.LapTime);
    // In the window's order of rewriting, so that a case with two faults
    // reports the one the window reports.
    for (int i : RewriteOrder) {
        out.values[i] = Figures[i].value(engine, fc, groundSpeed);
        ToSingle(out.values[i]);  // what the label would show must fit
    }
    out.lapSpeed = LapSpeed(fc);
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
    return " = " + FormatShown(figure.measure, units, ToSingle(value), 4, sep) +
           ShownUnit(figure.measure, units, figure.unit);
}

std::string FigureText(const FigureInfo &figure, double value, char sep, DisplayUnits units)
{
    return figure.caption + FigureValueText(figure, value, sep, units);
}

const InputKey InputKeys[InputKeyCount] = {
    {"an", "Airplane name", "", Measure::None, nullptr, 0, "Airplane Name", "AcName", "", "", 0},
    {"nl", "Number of lines (1 to 3)", "", Measure::None, nullptr, 0, "Number of Lines", "NumLines", "", "", 2},
    {"ls", "Line diameter", "inches", Measure::SmallLength, &FlightCase::LineDia, 4, "Line Diameter", "LineDia", "inch", " inch", 0.015},
    {"ll", "Line length, eye to eye", "feet", Measure::Length, &FlightCase::LineLength, 4, "Line Length (Eye to Eye)", "LineLength", "feet", " feet", 58},
    {"wl", "Inboard wing length", "inches", Measure::SmallLength, &FlightCase::WingLength, 4, "Inboard Wing Length", "WingLength", "inches", " inches", 25.5},
    {"hl", "Handle/leadout length", "inches", Measure::SmallLength, &FlightCase::HndlLngth, 4, "Handle/Leadout Length", "HndlLngth", "inches", " inches", 7},
    {"wt", "Airplane weight", "ounces", Measure::Mass, &FlightCase::Weight, 4, "Airplane Weight", "Weight", "ounces", " ounces", 42},
    {"lt", "Lap time", "seconds", Measure::None, &FlightCase::LapTime, 4, "Lap Time", "LapTime", "seconds", " seconds", 4.9},
    {"wa", "Wing area", "square inches", Measure::WingArea, &FlightCase::WingArea, 6, "Wing Area", "WingArea", "sq/inches", " sq/in", 512},
    {"ArmLngth", "Arm length", "inches", Measure::SmallLength, &FlightCase::ArmLngth, 4, "Arm Length", "ArmLngth", "inches", " inches", 18},
    {"HndlAngl", "Handle angle", "degrees", Measure::None, &FlightCase::HndlAngl, 4, "Handle Angle", "HndlAngl", "deg.", " deg", 0},
    {"WndSpeed", "Wind speed", "mph", Measure::Speed, &FlightCase::WindSpeed, 4, "Wind Speed", "WindSpeed", "mi/ph", " mph", 0},
    {"Temp", "Temperature", "degrees F", Measure::Temperature, &FlightCase::Temprature, 4, "Temprature", "Temprature", "deg. F", " deg F", 75},
    {"Altitude", "Pressure altitude", "feet", Measure::Length, &FlightCase::Preasure, 4, "Preasure Altitude", "Preasure", "feet", " feet", 100},
    {"Humidity", "Relative humidity", "percent", Measure::None, &FlightCase::Humidity, 4, "Relative Humidity", "Humidity", "percent", " Percent", 50},
};

const InputKey *FindInputKey(const std::string &key)
{
    for (const InputKey &k : InputKeys) {
        const std::string name = k.key;
        if (name.size() == key.size() &&
            std::equal(name.begin(), name.end(), key.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return &k;
    }
    return nullptr;
}

bool SetInput(FlightCase &fc, const std::string &key, const std::string &value, DisplayUnits units)
{
    const InputKey *k = FindInputKey(key);
    if (k == nullptr)
        return false;
    if (k->field != nullptr) {
        fc.*(k->field) = ParseShown(k->measure, units, value);
    } else if (std::string(k->key) == "an") {
        fc.AcName = value;
    } else {
        // Read as the window's field reads it, but a text that is no whole
        // number is an error here, not a 1: a script must hear of it.
        int n = 0;
        if (!LineCountField::ReadWholeNumber(value, n))
            throw EngineError("'" + value + "' is not a valid whole number");
        fc.NumLines = LineCountField::Clamp(n);  // as the field takes it when left
    }
    return true;
}

double GetNumericInput(const FlightCase &fc, const InputKey &key)
{
    return key.field != nullptr ? fc.*(key.field) : fc.NumLines;
}

void SetNumericInput(FlightCase &fc, const InputKey &key, double value)
{
    if (key.field != nullptr)
        fc.*(key.field) = ToSingle(value);
    else
        fc.NumLines = static_cast<int>(std::lround(value));
}

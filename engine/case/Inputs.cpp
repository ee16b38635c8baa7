// The table of inputs and the reading of a KEY=VALUE input: apart from the
// figures, so that what lists or reads inputs (the report's rows, the stored
// conditions) needs nothing of the calculation.
#include "case/Figures.h"

#include "numbers/Convert.h"
#include "numbers/EngineError.h"
#include "case/LineCountField.h"
#include "lang/Format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

const InputKey InputKeys[InputKeyCount] = {
    {"an", "Airplane name", "", Measure::None, nullptr, 0, "Airplane Name", "AcName", "", "", 0},
    {"nl", "Number of lines (1 to 3)", "", Measure::None, nullptr, 0, "Number of Lines", "NumLines", "", "", 2},
    {"ls", "Line diameter", "inches", Measure::SmallLength, &FlightCase::LineDiameter, 4, "Line Diameter", "LineDia", "inch", " inch", 0.015},
    {"ll", "Line length, eye to eye", "feet", Measure::Length, &FlightCase::LineLength, 4, "Line Length (Eye to Eye)", "LineLength", "feet", " feet", 58},
    {"wl", "Inboard wing length", "inches", Measure::SmallLength, &FlightCase::WingLength, 4, "Inboard Wing Length", "WingLength", "inches", " inches", 25.5},
    {"hl", "Handle/leadout length", "inches", Measure::SmallLength, &FlightCase::HandleLength, 4, "Handle/Leadout Length", "HndlLngth", "inches", " inches", 7},
    {"wt", "Airplane weight", "ounces", Measure::Mass, &FlightCase::Weight, 4, "Airplane Weight", "Weight", "ounces", " ounces", 42},
    {"lt", "Lap time", "seconds", Measure::None, &FlightCase::LapTime, 4, "Lap Time", "LapTime", "seconds", " seconds", 4.9},
    {"wa", "Wing area", "square inches", Measure::WingArea, &FlightCase::WingArea, 6, "Wing Area", "WingArea", "sq/inches", " sq/in", 512},
    {"ArmLngth", "Arm length", "inches", Measure::SmallLength, &FlightCase::ArmLength, 4, "Arm Length", "ArmLngth", "inches", " inches", 18},
    {"HndlAngl", "Handle angle", "degrees", Measure::None, &FlightCase::HandleAngle, 4, "Handle Angle", "HndlAngl", "deg.", " deg", 0},
    {"WndSpeed", "Wind speed", "mph", Measure::Speed, &FlightCase::WindSpeed, 4, "Wind Speed", "WindSpeed", "mi/ph", " mph", 0},
    {"Temp", "Temperature", "degrees F", Measure::Temperature, &FlightCase::Temperature, 4, "Temprature", "Temprature", "deg. F", " deg F", 75},
    {"Altitude", "Pressure altitude", "feet", Measure::Length, &FlightCase::PressureAltitude, 4, "Preasure Altitude", "Preasure", "feet", " feet", 100},
    {"Humidity", "Relative humidity", "percent", Measure::None, &FlightCase::Humidity, 4, "Relative Humidity", "Humidity", "percent", " Percent", 50},
    {"PullMultiple", "Pull test load", "times the weight", Measure::None, &FlightCase::PullMultiple, 4, "Pull Test", "PullMultiple", "x weight", " x weight", 10},
    {"PullLoad", "Fixed pull test load, in place of the multiple (0: none)", "pounds", Measure::Load, &FlightCase::PullLoad, 4, "Fixed Pull Test", "PullLoad", "pounds", " pounds", 0},
};

bool NamesKey(const std::string &typed, const char *name)
{
    return typed.size() == std::strlen(name) && std::equal(typed.begin(), typed.end(), name, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}


const InputKey *FindInputKey(const std::string &key)
{
    for (const InputKey &k : InputKeys)
        if (NamesKey(key, k.key))
            return &k;
    return nullptr;
}

const InputKey &InputKeyNamed(const std::string &key)
{
    if (const InputKey *k = FindInputKey(key))
        return *k;
    ProgramFault(lang::Format("Unknown input '%1'", {key}));
}

Result<> SetInput(FlightCase &fc, const std::string &key, const std::string &value, DisplayUnits units)
{
    const InputKey *k = FindInputKey(key);
    if (k == nullptr)
        return Refused(lang::Format("Unknown input '%1'", {key}));
    if (k->field != nullptr) {
        const Result<float> v = ParseShown(k->measure, units, value);
        if (!v.ok())
            return Refused(v.error);
        fc.*(k->field) = v.value;
    } else if (IsInput(*k, Input::AirplaneName)) {
        fc.AcName = value;
    } else {
        // Read as the window's field reads it, but a text that is no whole
        // number is an error here, not a 1: a script must hear of it.
        int n = 0;
        if (!LineCountField::ReadWholeNumber(value, n))
            return Refused(lang::Format("'%1' is not a valid whole number", {value}));
        fc.NumLines = LineCountField::Clamp(n);  // as the field takes it when left
    }
    return Done{};
}

std::string InputValueText(const InputKey &key, double imperial, DisplayUnits units, int digits, char sep)
{
    const std::string number = FormatShown(key.measure, units, imperial, digits, sep);
    return *key.unit ? number + ShownUnit(key.measure, units, (std::string(" ") + key.unit).c_str()) : number;
}

double GetNumericInput(const FlightCase &fc, const InputKey &key)
{
    return key.field != nullptr ? fc.*(key.field) : fc.NumLines;
}

const char *SetNumericInput(FlightCase &fc, const InputKey &key, double value)
{
    if (key.field == nullptr) {
        fc.NumLines = static_cast<int>(std::lround(value));
        return nullptr;
    }
    const Checked<float> v = ToSingle(value);
    if (v.ok())
        fc.*(key.field) = v.value;
    return v.error;
}

// Figures: the computed figures as the flier reads them, with their
// captions and units, and the input keys shared by data files, stored
// settings and the command line.
#pragma once

#include "physics/CalcEngine.h"
#include "case/Units.h"

#include <cmath>
#include <string>

struct FigureInfo {
    const char *labelName;  // the result label's object name in the window
    const char *caption;
    const char *unit;       // appended after the number in imperial; may be empty
    Measure measure;        // what sets the unit in metric
    const char *jsonKey;
    Checked<double> (*value)(const CalcEngine &, const FlightCase &, float groundSpeed);
    bool gapBefore;  // a gap above it sets its group apart: the line figures, the rake
    bool windOnly = false;  // shown only in a wind (see FigureShown)
};

// The eleven classic figures, then the leadout rake, then the figures that
// stand beside them: the line drag and power, the pull test, the tension
// downwind.
constexpr int FigureCount = 16;
// The figures from this index on never fail a calculation: one that cannot
// be shown in single precision is NaN and says so.
constexpr int FirstBesideFigure = 12;
// The classic window and page show the first eleven figures (up to the
// atmospheric pressure) and the first six conditions (up to the humidity);
// what the tables list after them was added and has room of its own there.
constexpr int ClassicFigureCount = 11;
constexpr int ClassicConditionCount = 6;
// Top-to-bottom order of the window's result panel.
extern const FigureInfo Figures[FigureCount];
// The order in which the window rewrites its result labels (indices into
// Figures); the wing loading, the one figure that can fault, comes ninth,
// the pull test last, after the tensions it is measured against.
extern const int RewriteOrder[FigureCount];

// Whether a figure is shown for a case: the downwind tension only in a
// wind, where it differs from the Line Tension.
bool FigureShown(const FigureInfo &figure, const FlightCase &fc);
// The higher of the tensions in flight shown for fc (pounds), from a solved
// case's figures (in the order of Figures): what a pull test must exceed.
struct HighestTension {
    double pounds;
    bool downwind;  // the downwind tension, not the Line Tension
};
HighestTension HighestTensionOf(const double *figures, const FlightCase &fc);

// The figures by name, in the order of Figures, for the code that means
// one of them; the JSON keys are for files, the command line and the page.
enum class FigureId {
    LeadoutPosition,
    LineTension,
    WingLoading,
    GroundSpeed,
    FlightRadius,
    LineProjection,
    LineWeight,
    LineReynolds,
    LineDragArea,
    DensityAltitude,
    AirPressure,
    LeadoutRake,
    LineDrag,
    LinePower,
    PullTest,
    DownwindTension,
};
constexpr int FigureIndex(FigureId figure) { return static_cast<int>(figure); }
// The index in Figures of the figure with this JSON key; a name no figure
// has is a fault of the program.
int FigureIndex(const std::string &jsonKey);

// Every figure of a solved case, in the order of Figures, and the lap speed.
struct CaseFigures {
    double values[FigureCount]{};
    float lapSpeed = 0;  // mph
};

// Figure index's value as it is shown: a trim figure (before
// FirstBesideFigure) that does not fit single precision is the window's
// error; a figure beside them is NaN instead.
Checked<double> FittedFigure(int index, double value);
// The same, of the figure's value in the solved engine.
Checked<double> ShownValue(int index, const CalcEngine &engine, const FlightCase &fc, float groundSpeed);

// Recalculates fc and reads every figure, with the checks the window
// applies before it shows one (ShownValue); or the window's error, so that
// a case has one verdict however it is shown.
Result<CaseFigures> SolveCase(CalcEngine &engine, const FlightCase &fc, const float &groundSpeed);

// "Caption = 12.34 unit": the text of a result line, value imperial. The
// line power adds its horsepower, the pull test its kilograms in metric and
// its margin over highestTension (pounds; left out when NaN), naming the
// downwind tension when that is the higher (downwind). A value that is no
// number or does not fit single precision is too large to show.
std::string FigureText(const FigureInfo &figure, double value, char decimalSeparator = '.',
                       DisplayUnits units = DisplayUnits::Imperial, double highestTension = NAN,
                       bool downwind = false);
// The figure's unit as a title names it: "pounds", "N", "oz/sq ft"; empty
// for the Reynolds number.
std::string FigureUnitName(const FigureInfo &figure, DisplayUnits units);
// " = 12.34 unit": what follows the caption.
std::string FigureValueText(const FigureInfo &figure, double value, char decimalSeparator = '.',
                            DisplayUnits units = DisplayUnits::Imperial);

// The seventeen inputs, one table for every list of them: the window's fields
// and the conditions dialog's rows, the report's rows, the data file and the
// stored conditions, tethrix-calc's keys and --help, and the page's fields.
// key is the data-file key (an, nl, ls, ll, wl, hl, wt, lt, wa) or the
// stored-setting name of a flying condition; matched regardless of case.
struct InputKey {
    const char *key;
    const char *meaning;       // for --help
    const char *unit;          // in imperial, for --help
    Measure measure;           // what sets the unit in metric
    float FlightCase::*field;  // null for the name and the line count
    int digits;                // significant digits the window shows
    const char *caption;       // beside the field: "Line Diameter", "Temprature"
    const char *fieldName;     // the field's objectName and the page's element id
    const char *fieldUnit;     // the unit beside the field in imperial: "inch", "mi/ph"
    const char *reportUnit;    // after the number on the printed page, in imperial: " deg F"
    double defaultValue;       // the built-in value, imperial (the line count's too)
};
constexpr const char *DefaultAirplaneName = "Ringcruiser";
constexpr int InputKeyCount = 17;
// InputKeys from this index on are the flying conditions, in the order the
// dialog, the report and the stored settings list them: the six of the air
// and the field, then the pull test's multiple and its fixed load.
constexpr int FirstConditionKey = 9;
constexpr int FirstPullTestKey = 15;
constexpr int ConditionKeyCount = InputKeyCount - FirstConditionKey;
extern const InputKey InputKeys[InputKeyCount];

// The inputs by name, in the order of InputKeys, for the code that means
// one of them; the keys' texts are for files, settings and the command line.
enum class Input {
    AirplaneName,
    LineCount,
    LineDiameter,
    LineLength,
    WingLength,
    HandleLength,
    Weight,
    LapTime,
    WingArea,
    ArmLength,
    HandleAngle,
    WindSpeed,
    Temperature,
    PressureAltitude,
    Humidity,
    PullMultiple,
    PullLoad,
};
inline const InputKey &KeyOf(Input input) { return InputKeys[static_cast<int>(input)]; }
inline bool IsInput(const InputKey &key, Input input) { return &key == &KeyOf(input); }

const InputKey *FindInputKey(const std::string &key);
// The same, for a key that must be one: any other is a fault of the
// program, "Unknown input 'key'".
const InputKey &InputKeyNamed(const std::string &key);
// Whether typed names the key name, regardless of case ("altitude" names
// "Altitude").
bool NamesKey(const std::string &typed, const char *name);
// Stores value (text, "." separator) into the field key names, as the
// flight case stores it, the value given in the units shown; or fails
// without its full stop ("Unknown input 'key'", or the value's).
Result<> SetInput(FlightCase &fc, const std::string &key, const std::string &value,
                  DisplayUnits units = DisplayUnits::Imperial);
// "42 ounces": an imperial value of key in the units shown, with its unit
// (none for the line count and the name).
std::string InputValueText(const InputKey &key, double imperial, DisplayUnits units, int digits,
                           char decimalSeparator = '.');
// The current value of a numeric key (the line count included) as a number.
double GetNumericInput(const FlightCase &fc, const InputKey &key);
// The error when value does not fit the input, or none.
[[nodiscard]] const char *SetNumericInput(FlightCase &fc, const InputKey &key, double value);

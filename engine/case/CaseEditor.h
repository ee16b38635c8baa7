// CaseEditor: the flier's case as it is edited, with every rule between a
// typed text and a shown figure. The window, the page and tethrix-calc are
// faces over it: they show its texts and figures and hand it what the flier
// types; none of them decides anything of its own.
//
// It keeps the fifteen inputs as stored (the FlightCase, always imperial)
// and as each field shows them (texts, in the units shown), whether the
// figures shown belong to the inputs (the heading), the figures of the last
// calculation, the What-If row and the units shown.
#pragma once

#include "physics/CalcEngine.h"
#include "case/Comparison.h"
#include "case/LineCountField.h"
#include "case/Figures.h"
#include "case/InputNotes.h"
#include "case/ReportLines.h"
#include "case/Sweep.h"

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>


// The ranges the trim charts sweep around the calculated case: from
// lowFactor to highFactor times its value, at points evenly spaced values.
struct ChartRange {
    const char *key;
    double lowFactor, highFactor;
    int points;
};
constexpr int ChartRangeCount = 2;
extern const ChartRange ChartRanges[ChartRangeCount];  // the lap time, the line length
const ChartRange &ChartRangeFor(const std::string &key);
// The values of range around at, first and last included.
std::vector<double> ChartValues(double at, const ChartRange &range);

// The trim charts' curves, in the order drawn and listed, each with its own
// scale: the figures' JSON keys and the curves' names.
struct ChartCurve {
    const char *figure;
    const char *name;
};
constexpr int ChartCurveCount = 4;
extern const ChartCurve ChartCurves[ChartCurveCount];
// A curve's scale spans at least what a flier calls a real change: a degree
// of rake, a quarter of any other figure's largest value. The range lo … hi
// widened about its middle to that span, when it is finite.
void WidenToRealChange(const std::string &figure, double &lo, double &hi);

// The heading's words for fliers who cannot tell red from green.
constexpr const char *StaleCue = "Figures are out of date: press Enter";
constexpr const char *CurrentCue = "The figures belong to the inputs shown.";

struct ShownFigure {
    const FigureInfo *info = nullptr;
    std::optional<double> value;  // imperial, full precision; none before the first calculation
    std::string text;             // "Line Tension = 8.042 pounds", or the caption alone
    bool shown = true;            // for the case it belongs to (FigureShown); its text is empty if not
};

enum class WhatIfField { LapTime, LineLength };

// Errors: what the flier typed or opened that cannot be taken fails the
// operation's Result, with the message to show (ending in a full stop). A
// key that the table of inputs or of figures does not have is a fault of
// the face that asked, not of the flier: the program stops (ProgramFault).
class CaseEditor {
public:
    // The built-in conditions and airplane, shown but not yet calculated.
    explicit CaseEditor(char decimalSeparator = '.');

    // ---- The fields ----
    // The text the field of key shows (a data-file key or a condition name).
    const std::string &Text(const std::string &key) const;
    const std::string &Text(const InputKey &key) const;
    // The flier changed a field's text (typed, pasted, deleted, undone): it
    // is stored as the field stores it, and the figures shown no longer
    // belong to the inputs. An empty text keeps the stored value. The line
    // count follows its field's rules: a text that is not a whole number
    // becomes "1" at once, and leaving the field pulls it into 1 … 3
    // (leaving = true); read Text back to show it.
    Result<> SetText(const std::string &key, const std::string &text, bool leaving = false);
    // The spin field's arrows and Up/Down keys: the count one up or down,
    // within 1 … 3 (a text that is no whole number counts as 1).
    Result<> StepLineCount(int delta);
    // A stored value set by the program (the conditions dialog, the stored
    // settings): shown in its field as the units show it; the figures are
    // left behind.
    void SetStored(const InputKey &key, float value);
    // A condition kept in the stored settings, imperial whatever is shown:
    // the text typed in imperial, the shortest exact text otherwise. A kept
    // text is read back with SetStoredText, in imperial.
    std::string StoredText(const InputKey &key) const;
    Result<> SetStoredText(const InputKey &key, const std::string &text);
    // The unit shown after key's field, given its imperial text ("inches").
    std::string UnitText(const InputKey &key, const char *imperialText) const;
    // The Pressure Altitude text, in the units shown, of a field at the
    // elevation typed (feet or m) whose altimeter setting is the one typed
    // (inHg or hPa), or why there is none.
    Result<std::string> PressureAltitudeText(const std::string &elevation, const std::string &altimeter) const;
    // A sentence when the altimeter setting typed (inHg or hPa, as
    // PressureAltitudeText reads it) is outside what any real altimeter
    // shows, which a setting in the other unit is; empty otherwise.
    std::string AltimeterNote(const std::string &altimeter) const;
    // The six flying conditions in force, on one line in the units shown:
    // "Arm Length 18 inches, Handle Angle 0 deg., …".
    // changedOnly: those that differ from the built-in ones, the pull
    // test's included; empty when none does.
    std::string ConditionsSummary(bool changedOnly = false) const;

    // ---- Units ----
    // Every text and figure is shown again in these units; no stored value,
    // no figure and not the heading changes. The What-If line length goes
    // over as the length it stands for.
    void SetUnits(DisplayUnits units);
    DisplayUnits Units() const { return units; }
    char DecimalSeparator() const { return separator; }

    // ---- Figures ----
    // Whether the figures shown belong to the inputs shown: calculated since
    // the last edit, and no field showing a text that is not the value the
    // calculation used (an unreadable or empty text keeps the value before).
    bool Current() const { return current && !AnyUnread(); }
    // The heading's words: CurrentCue, StaleCue, or, when only unreadable
    // texts keep the figures from belonging to the inputs, which field shows
    // what and the value used ("Airplane Weight shows 'x': the figures use
    // 42 ounces.").
    std::string HeadingCue() const;
    // Enter: recalculates and rewrites the figures in the window's order;
    // a fault stops the rewrite where it arose and leaves the heading and the
    // lap speed alone.
    Result<> Recalculate();
    const std::array<ShownFigure, FigureCount> &Figures() const { return figures; }
    const ShownFigure &Figure(const std::string &jsonKey) const;
    double TensionShown() const;  // pounds; NaN before the first calculation
    float LapSpeed() const { return lapSpeed; }  // mph, of the last calculation
    std::string LapSpeedText() const;            // "Lap Speed = 54.36 mph"
    // The case the figures shown belong to.
    const FlightCase &Calculated() const { return calculated; }
    // The notes on the inputs the figures shown belong to, in the units
    // shown: inputs with no physical meaning or that the model replaces, and
    // first in each field's note a text the field shows that is not the
    // value used.
    std::vector<InputNote> Notes() const;
    // Beside the last error a field, Enter or a file gave: the input it
    // concerns and what would fix it (no key when none can be named).
    const InputNote &Advice() const { return advice; }

    // ---- What-If ----
    const std::string &WhatIfText(WhatIfField field) const { return whatIfTexts[Index(field)]; }
    void SetWhatIfText(WhatIfField field, const std::string &text);
    // Enter in a What-If field: the other field gets the converted value at
    // the last lap speed.
    Result<> WhatIf(WhatIfField field);

    // ---- Files and the report ----
    // A data file's bytes, read as File > Open reads them, then calculated.
    // The error ("Cannot Open File name" and why, or the calculation's), or
    // empty.
    Result<> Open(const std::string &fileName, const std::string &bytes);
    // tethrix-calc's reading: a data file's entries as Open reads them, not
    // calculated; and a KEY=VALUE input as a script gives it, in the units
    // shown: a line count that is no whole number is an error there, not a
    // 1.
    void ReadFile(const std::string &bytes);
    Result<> SetInput(const std::string &key, const std::string &value);
    // The data file's bytes; then, once they are written, SavedAs names the
    // airplane after the file: the folder and the last "." with up to three
    // characters after it go. Renaming changes no figure.
    std::string FileBytes() const;
    void SavedAs(const std::string &path);
    // The printed page: figures left behind by an edit are brought up to
    // date first, or why they cannot be.
    Result<ReportLines> Report(const std::tm &localTime);

    // ---- Two setups side by side ----
    // Pins the inputs as they stand as A, calculated on their own; a data
    // file's bytes read over them (the flying conditions in force) as A.
    // Fails with the error of A's calculation (A is then not kept).
    Result<> KeepAsA();
    Result<> KeepAsA(const FlightCase &a);
    Result<> OpenA(const std::string &fileName, const std::string &bytes);
    void ClearA() { pinned.reset(); }
    bool HasA() const { return pinned.has_value(); }
    // "A: Ringcruiser": what the figures are compared with; empty without A.
    std::string AText() const;
    // What differs between A and the case the figures shown belong to
    // (InputDifferences, in the units shown); empty without A.
    std::vector<std::string> Differences() const;
    // AText, then each difference on a line of its own, or that there is
    // none; empty without A.
    std::string ComparisonSummary() const;
    // Beside figure i: A's value and the change to the figure shown
    // ("A 8.042, +0.4937"), in the units shown; empty without A.
    std::string ComparisonText(int figure) const;

    // ---- Defaults ----
    // The built-in airplane, calculated.
    Result<> Defaults();
    // The built-in flying conditions, shown; the figures are left behind.
    void ConditionDefaults();

    // ---- Charts ----
    // The rows the chart of key draws around the calculated case, as shown.
    std::vector<SweepRow> ChartRows(const std::string &key, SweepHold hold = SweepHold::LapTime) const;
    // The calculated value of key as shown: the chart's marker.
    double ShownCalculated(const std::string &key) const;

    // The inputs as stored. Changing them here shows nothing: use SetText or
    // SetStored; tests set up cases through it.
    const FlightCase &Case() const { return fc; }
    FlightCase &Case() { return fc; }

private:
    static size_t Index(WhatIfField f) { return f == WhatIfField::LapTime ? 0 : 1; }
    bool AnyUnread() const;
    // "Airplane Weight shows 'x': the figures use 42 ounces." for a field
    // whose text is not its value; empty for one that shows its value.
    std::string UnreadText(const InputKey &key) const;
    // The line count as the spin field reports it: its text's whole number,
    // not limited, or the least count for a text that is none.
    int ReportedLineCount() const;
    std::string &TextOf(const InputKey &key);
    std::string PointText(const InputKey &key) const;  // the field's text with a point for its separator
    void ShowStored(const InputKey &key);  // the field's text from the stored value
    void ShowAllStored();
    void ShowFigures();                    // every figure's text in the units shown
    std::array<double, FigureCount> ShownValues() const;  // imperial, NaN where none
    // The figure's text, its value set, the figures being those of case of.
    std::string ShownFigureText(const ShownFigure &f, const FlightCase &of) const;
    // Enter's calculation and rewrite of the figures; the error, or none.
    const char *RewriteFigures();
    void CopyToWhatIf(const InputKey &key, const std::string &text);
    void ShowWhatIfLength(float feet);

    char separator;
    FlightCase fc;
    float groundSpeed = 0;
    float lapSpeed = 0;
    CalcEngine engine{fc, groundSpeed};
    FlightCase calculated;
    std::array<std::string, InputKeyCount> texts;
    // Fields whose text is not the value stored: unreadable, or empty.
    std::array<bool, InputKeyCount> unread{};
    std::array<ShownFigure, FigureCount> figures;
    std::array<std::string, 2> whatIfTexts{"5", "58"};
    // The What-If line length the program last wrote, in feet: a switch of
    // units shows that length again, not its rounding.
    float whatIfLength = 58;
    std::string whatIfLengthText = "58";
    bool current = false;
    bool calculatedOnce = false;
    double calculatedAirspeedMph = 0;  // the airspeed the model flew for the figures shown
    InputNote advice;
    DisplayUnits units = DisplayUnits::Imperial;
    std::optional<PinnedCase> pinned;  // A, with its figures
};

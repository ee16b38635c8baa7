#include "case/CaseEditor.h"

#include "numbers/Convert.h"
#include "case/DataFile.h"
#include "numbers/EngineError.h"
#include "lang/Format.h"

#include <algorithm>
#include <climits>
#include <cmath>


// ---- Chart ranges ----

const ChartRange ChartRanges[ChartRangeCount] = {
    {"lt", 0.8, 1.2, 41},    // 80 … 120 % of the lap time, in 1 % steps
    {"ll", 0.85, 1.15, 31},  // 85 … 115 % of the line length, in 1 % steps
};

const ChartRange &ChartRangeFor(const std::string &key)
{
    for (const ChartRange &r : ChartRanges)
        if (key == r.key)
            return r;
    ProgramFault(lang::Format("No chart sweeps '%1'", {key}));
}

std::vector<double> ChartValues(double at, const ChartRange &range)
{
    std::vector<double> values;
    values.reserve(static_cast<size_t>(range.points));
    for (int i = 0; i < range.points; ++i)
        values.push_back(at * (range.lowFactor + (range.highFactor - range.lowFactor) * i / (range.points - 1)));
    return values;
}

const ChartCurve ChartCurves[ChartCurveCount] = {
    {"LineTension", "Line Tension"},
    {"LeadoutPosition", "Leadout Position"},
    {"LineProjection", "Line Projection"},
    {"LeadoutRake", "Leadout Rake"},
};

void WidenToRealChange(const std::string &figure, double &lo, double &hi)
{
    const double least = figure == "LeadoutRake" ? 1.0 : 0.25 * std::max(std::fabs(lo), std::fabs(hi));
    if (std::isfinite(least) && hi - lo < least) {
        const double middle = (lo + hi) / 2;
        lo = middle - least / 2;
        hi = middle + least / 2;
    }
}

// ---- The case ----

namespace {

size_t IndexOf(const InputKey &key) { return static_cast<size_t>(&key - InputKeys); }


// The file's name without its folder and without the last "." and up to
// three characters after it (UTF-8 characters, not bytes).
std::string NameFromPath(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return name;
    size_t end = dot + 1;
    for (int chars = 0; chars < 3 && end < name.size(); ++chars)
        do
            ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80);
    return name.erase(dot, end - dot);
}

}  // namespace

CaseEditor::CaseEditor(char decimalSeparator) : separator(decimalSeparator)
{
    ApplyAdvancedDefaults(fc);
    ApplyMainDefaults(fc);
    ShowAllStored();
    for (int i = 0; i < FigureCount; ++i) {
        const bool shown = FigureShown(::Figures[i], fc);
        figures[static_cast<size_t>(i)] = {&::Figures[i], std::nullopt, shown ? ::Figures[i].caption : "", shown};
    }
}

const std::string &CaseEditor::Text(const std::string &key) const { return Text(InputKeyNamed(key)); }

const std::string &CaseEditor::Text(const InputKey &key) const { return texts[IndexOf(key)]; }

std::string &CaseEditor::TextOf(const InputKey &key) { return texts[IndexOf(key)]; }

Result<> CaseEditor::SetText(const std::string &keyName, const std::string &text, bool leaving)
{
    const InputKey &key = InputKeyNamed(keyName);
    std::string &shown = TextOf(key);
    if (shown != text)
        current = false;  // any change of a text leaves the figures behind
    shown = text;
    if (IsInput(key, Input::AirplaneName)) {
        shown = CutName(text);
        if (!shown.empty())
            fc.AcName = shown;
        return Done{};
    }
    if (IsInput(key, Input::LineCount)) {
        int n = LineCountField::Min;
        if (!LineCountField::ReadWholeNumber(text, n)) {
            n = LineCountField::Min;
            shown = std::to_string(n);
        }
        if (leaving && LineCountField::Clamp(n) != n) {
            n = LineCountField::Clamp(n);
            shown = std::to_string(n);
            current = false;
        }
        fc.NumLines = n;
        return Done{};
    }
    bool &unreadable = unread[IndexOf(key)];
    unreadable = true;
    if (text.empty())
        return Done{};
    const Result<float> value = ParseShown(key.measure, units, text, separator);
    if (!value.ok()) {
        advice = AdviceOnText(key, units, separator, text);
        return Refused(WithFullStop(value.error));
    }
    unreadable = false;
    fc.*(key.field) = value.value;
    CopyToWhatIf(key, text);
    return Done{};
}

int CaseEditor::ReportedLineCount() const
{
    int n = LineCountField::Min;
    return LineCountField::ReadWholeNumber(Text(KeyOf(Input::LineCount)), n) ? n : LineCountField::Min;
}

Result<> CaseEditor::StepLineCount(int delta)
{
    const int n = ReportedLineCount();
    // Stepped as the field steps (the limits pulled in after the step), in
    // a width where the step cannot overflow.
    const long long stepped = std::clamp<long long>(static_cast<long long>(n) + delta, INT_MIN, INT_MAX);
    return SetText(KeyOf(Input::LineCount).key, std::to_string(LineCountField::Clamp(static_cast<int>(stepped))));
}

void CaseEditor::CopyToWhatIf(const InputKey &key, const std::string &text)
{
    // The What-If fields start from the lap time and line length typed.
    if (IsInput(key, Input::LapTime)) {
        whatIfTexts[Index(WhatIfField::LapTime)] = text;
    } else if (IsInput(key, Input::LineLength)) {
        whatIfTexts[Index(WhatIfField::LineLength)] = whatIfLengthText = text;
        whatIfLength = fc.LineLength;
    }
}

void CaseEditor::SetStored(const InputKey &key, float value)
{
    fc.*(key.field) = value;
    ShowStored(key);
    current = false;
}

std::string CaseEditor::StoredText(const InputKey &key) const
{
    // Kept with a point whatever the separator shown; a text the field
    // could not read is not what is stored.
    if (units != DisplayUnits::Imperial || unread[IndexOf(key)])
        return FullPrecision(fc.*(key.field));
    return PointText(key);
}

std::string CaseEditor::PointText(const InputKey &key) const
{
    std::string text = Text(key);
    std::replace(text.begin(), text.end(), separator, '.');
    return text;
}

Result<> CaseEditor::SetStoredText(const InputKey &key, const std::string &text)
{
    const std::optional<float> value = ParseNumber(text, '.');
    if (!value)
        return Refused(WithFullStop(InvalidNumberMessage(text)));
    fc.*(key.field) = *value;
    ShowStored(key);
    if (units == DisplayUnits::Imperial && separator == '.')
        TextOf(key) = text;  // as it was typed
    current = false;
    return Done{};
}

std::string CaseEditor::UnitText(const InputKey &key, const char *imperialText) const
{
    return ShownUnit(key.measure, units, imperialText);
}

Result<std::string> CaseEditor::PressureAltitudeText(const std::string &elevation, const std::string &altimeter) const
{
    const Result<float> elevationFeet = ParseShown(Measure::Length, units, elevation, separator);
    if (!elevationFeet.ok())
        return Refused<std::string>(WithFullStop(elevationFeet.error));
    const Result<float> altimeterInHg = ParseShown(Measure::Pressure, units, altimeter, separator);
    if (!altimeterInHg.ok())
        return Refused<std::string>(WithFullStop(altimeterInHg.error));
    const Checked<double> feet = PressureAltitudeFeet(elevationFeet.value, altimeterInHg.value);
    const char *error = feet.ok() ? ToSingle(feet.value).error : feet.error;  // the field's value must fit
    if (error)
        return Refused<std::string>(WithFullStop(error));
    return FormatShown(Measure::Length, units, feet.value, 6, separator);
}

std::string CaseEditor::AltimeterNote(const std::string &altimeter) const
{
    const std::optional<float> value = ParseNumber(altimeter, separator);
    return value ? AltimeterSettingNote(*value, units, separator) : std::string();
}

std::string CaseEditor::ConditionsSummary(bool changedOnly) const
{
    std::string line;
    for (int i = FirstConditionKey; i < InputKeyCount; ++i) {
        const InputKey &key = InputKeys[i];
        if (changedOnly ? fc.*(key.field) == static_cast<float>(key.defaultValue) : i >= FirstPullTestKey)
            continue;  // the pull test is the lines', not the air's or the field's
        line += std::string(line.empty() ? "" : ", ") + key.caption + " " +
                FormatShown(key.measure, units, fc.*(key.field), key.digits, separator) + " " +
                UnitText(key, key.fieldUnit);
    }
    return line;
}

void CaseEditor::ShowStored(const InputKey &key)
{
    unread[IndexOf(key)] = false;
    if (IsInput(key, Input::AirplaneName))
        TextOf(key) = fc.AcName;
    else if (IsInput(key, Input::LineCount))
        TextOf(key) = std::to_string(LineCountField::Clamp(fc.NumLines));
    else
        TextOf(key) = FormatShown(key.measure, units, fc.*(key.field), key.digits, separator);
}

void CaseEditor::ShowAllStored()
{
    for (const InputKey &key : InputKeys) {
        ShowStored(key);
        if (key.field != nullptr)
            CopyToWhatIf(key, Text(key));
    }
}

void CaseEditor::SetUnits(DisplayUnits shown)
{
    if (shown == units)
        return;
    // The What-If line length goes over as the length it stands for; a text
    // that is no length is replaced by the line length's.
    std::optional<float> length;
    const std::string &lengthText = whatIfTexts[Index(WhatIfField::LineLength)];
    if (lengthText == whatIfLengthText)
        length = whatIfLength;
    else if (const Result<float> typed = ParseShown(Measure::Length, units, lengthText, separator); typed.ok())
        length = typed.value;
    const std::string lapText = whatIfTexts[Index(WhatIfField::LapTime)];
    units = shown;
    ShowAllStored();
    whatIfTexts[Index(WhatIfField::LapTime)] = lapText;
    if (length)
        ShowWhatIfLength(*length);
    ShowFigures();
}

void CaseEditor::ShowFigures()
{
    for (ShownFigure &f : figures)
        f.text = !f.shown ? std::string() : f.value ? ShownFigureText(f, calculated) : f.info->caption;
}

std::array<double, FigureCount> CaseEditor::ShownValues() const
{
    std::array<double, FigureCount> values;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = figures[i].value.value_or(NAN);
    return values;
}

std::string CaseEditor::ShownFigureText(const ShownFigure &f, const FlightCase &of) const
{
    const HighestTension highest = HighestTensionOf(ShownValues().data(), of);
    return FigureText(*f.info, *f.value, separator, units, highest.pounds, highest.downwind);
}

Result<> CaseEditor::Recalculate()
{
    if (const char *error = RewriteFigures()) {
        advice = AdviceFor(fc, units, separator);
        // The field to mend shows a text it could not read: that text is
        // what to put right, not the value left from before it.
        if (advice.key && unread[IndexOf(*advice.key)])
            advice.text = UnreadText(*advice.key) + " " + AdviceOnText(*advice.key, units, separator, Text(*advice.key)).text;
        return Refused(WithFullStop(error));
    }
    advice = InputNote();
    current = true;
    calculated = fc;
    calculatedOnce = true;
    calculatedAirspeedMph = engine.Results().airspeed * MphPerMetrePerSecond;
    return Done{};
}

const char *CaseEditor::RewriteFigures()
{
    if (const char *error = engine.Recalculate(fc.LapTime))
        return error;
    // Label by label in the window's order: a fault stops the rewrite where
    // it arose, and the heading keeps its colour.
    for (int i : RewriteOrder) {
        ShownFigure &f = figures[static_cast<size_t>(i)];
        const Checked<double> value = ShownValue(i, engine, fc, groundSpeed);
        if (!value.ok())
            return value.error;
        f.value = value.value;
        f.shown = FigureShown(*f.info, fc);
        f.text = f.shown ? ShownFigureText(f, fc) : std::string();
    }
    const Checked<float> speed = ::LapSpeed(fc);
    if (speed.ok())
        lapSpeed = speed.value;
    return speed.error;
}

std::vector<InputNote> CaseEditor::Notes() const
{
    std::vector<InputNote> notes;
    if (calculatedOnce)
        notes = NotesOn(calculated, calculatedAirspeedMph, units, separator, ShownValues().data());
    // A field's unreadable text comes first in its note, the fields in the
    // table's order.
    auto at = notes.begin();
    for (const InputKey &key : InputKeys) {
        const std::string unreadText = UnreadText(key);
        while (at != notes.end() && at->key < &key)
            ++at;
        if (unreadText.empty())
            continue;
        if (at != notes.end() && at->key == &key)
            at->text = unreadText + " " + at->text;
        else
            at = notes.insert(at, InputNote{&key, unreadText});
    }
    return notes;
}

bool CaseEditor::AnyUnread() const
{
    return std::find(unread.begin(), unread.end(), true) != unread.end();
}

std::string CaseEditor::UnreadText(const InputKey &key) const
{
    if (!unread[IndexOf(key)])
        return std::string();
    const std::string &shown = Text(key);
    const std::string value = InputValueText(key, fc.*(key.field), units, key.digits, separator);
    if (shown.empty())
        return lang::Format(current ? "%1 is empty: the figures use %2." : "%1 is empty: a calculation uses %2.",
                            {key.caption, value});
    return lang::Format(current ? "%1 shows '%2': the figures use %3." : "%1 shows '%2': a calculation uses %3.",
                        {key.caption, shown, value});
}

std::string CaseEditor::HeadingCue() const
{
    if (Current())
        return CurrentCue;
    if (!current)
        return StaleCue;
    std::string cue;
    for (const InputKey &key : InputKeys)
        if (const std::string text = UnreadText(key); !text.empty())
            cue += (cue.empty() ? "" : " ") + text;
    return cue;
}

double CaseEditor::TensionShown() const { return figures[FigureIndex(FigureId::LineTension)].value.value_or(NAN); }

const ShownFigure &CaseEditor::Figure(const std::string &jsonKey) const
{
    return figures[static_cast<size_t>(FigureIndex(jsonKey))];
}

std::string CaseEditor::LapSpeedText() const
{
    return lang::Format("Lap Speed = %1", {FormatShown(Measure::Speed, units, lapSpeed, 4, separator) +
                                           ShownUnit(Measure::Speed, units, " mph")});
}

void CaseEditor::SetWhatIfText(WhatIfField field, const std::string &text) { whatIfTexts[Index(field)] = text; }

void CaseEditor::ShowWhatIfLength(float feet)
{
    whatIfLength = feet;
    whatIfTexts[Index(WhatIfField::LineLength)] = whatIfLengthText =
        FormatShown(Measure::Length, units, feet, 4, separator);
}

Result<> CaseEditor::WhatIf(WhatIfField field)
{
    const std::string &text = whatIfTexts[Index(field)];
    if (text.empty())
        return Done{};
    // The lap time in seconds, whatever the units shown.
    const Result<float> value = ParseShown(field == WhatIfField::LapTime ? Measure::None : Measure::Length, units, text,
                                           separator);
    if (!value.ok())
        return Refused(WithFullStop(value.error));
    const Checked<float> other = field == WhatIfField::LapTime ? WhatIfLineLength(lapSpeed, fc, value.value)
                                                               : WhatIfLapTime(lapSpeed, fc, value.value);
    if (!other.ok())
        return Refused(WithFullStop(other.error));
    if (field == WhatIfField::LapTime)
        ShowWhatIfLength(other.value);
    else
        whatIfTexts[Index(WhatIfField::LapTime)] = FormatNumber(other.value, 4, separator);
    return Done{};
}

Result<> CaseEditor::Open(const std::string &fileName, const std::string &bytes)
{
    if (bytes.size() > MaxDataFileBytes)
        return Refused(OpenFailure(fileName, DataFileTooLarge));
    ReadFile(bytes);
    return Recalculate();
}

void CaseEditor::ReadFile(const std::string &bytes)
{
    // In imperial the fields' own texts; in metric, where a field shows
    // another text, the stored values' imperial texts.
    FlightCaseTarget target(fc, [this](const InputKey &key) {
        return units == DisplayUnits::Imperial ? PointText(key) : FormatNumber(fc.*(key.field), key.digits);
    });
    ApplyDataFileEntries(ParseDataFile(bytes), target);
    // Only the fields the file changed show anew (and the What-If copies of
    // the lap time and line length); every other keeps its text, read or not.
    for (const InputKey *key : target.ChangedKeys()) {
        ShowStored(*key);
        if (key->field != nullptr)
            CopyToWhatIf(*key, Text(*key));
    }
    current = false;
}

Result<> CaseEditor::SetInput(const std::string &key, const std::string &value)
{
    if (const Result<> set = ::SetInput(fc, key, value, units); !set.ok())
        return Refused(WithFullStop(set.error));
    ShowAllStored();
    current = false;
    return Done{};
}

Result<> CaseEditor::KeepAsA() { return KeepAsA(fc); }

Result<> CaseEditor::KeepAsA(const FlightCase &pin)
{
    Result<PinnedCase> a = PinCase(pin);
    if (!a.ok())
        return Refused(std::move(a.error));
    pinned = std::move(a.value);
    return Done{};
}

Result<> CaseEditor::OpenA(const std::string &fileName, const std::string &bytes)
{
    if (bytes.size() > MaxDataFileBytes)
        return Refused(OpenFailure(fileName, DataFileTooLarge));
    Result<PinnedCase> a = PinCase(CaseFromFile(fc, bytes));
    if (!a.ok())
        return Refused(std::move(a.error));
    pinned = std::move(a.value);
    return Done{};
}

std::string CaseEditor::AText() const { return pinned ? lang::Format("A: %1", {pinned->fc.AcName}) : std::string(); }

std::vector<std::string> CaseEditor::Differences() const
{
    if (!pinned)
        return {};
    return InputDifferences(pinned->fc, calculatedOnce ? calculated : fc, units, separator);
}

std::string CaseEditor::ComparisonSummary() const
{
    if (!pinned)
        return std::string();
    std::string text = AText();
    const std::vector<std::string> lines = Differences();
    if (lines.empty())
        return text + "\nThe same inputs and flying conditions as A.";
    for (const std::string &line : lines)
        text += "\n" + line;
    return text;
}

std::string CaseEditor::ComparisonText(int figure) const
{
    if (!pinned)
        return std::string();
    const size_t i = static_cast<size_t>(figure);
    if (!figures[i].shown)
        return std::string();
    return ::ComparisonText(::Figures[i], pinned->figures.values[i], figures[i].value, separator, units);
}

std::string CaseEditor::FileBytes() const { return DataFileText(fc); }

void CaseEditor::SavedAs(const std::string &path)
{
    const std::string name = CutName(NameFromPath(path));
    fc.AcName = name;
    texts[IndexOf(KeyOf(Input::AirplaneName))] = name;
}

Result<ReportLines> CaseEditor::Report(const std::tm &localTime)
{
    // The page shows inputs and the figures that belong to them.
    if (!current)
        if (Result<> calculated = Recalculate(); !calculated.ok())
            return Refused<ReportLines>(std::move(calculated.error));
    ReportLines lines;
    lines.units = units;
    lines.airplaneName = fc.AcName;
    lines.numLines = ReportedLineCount();  // the line model limits it for the figures
    for (int i = 1; i < InputKeyCount; ++i) {
        const InputKey &key = InputKeys[i];
        if (i < FirstConditionKey)
            lines.inputCaptions.push_back(key.caption);
        if (i >= 2 && i < FirstConditionKey)
            lines.inputTexts.push_back(Text(key));  // as the fields show them
        else if (i >= FirstConditionKey)
            lines.conditionTexts.push_back(FormatShown(key.measure, units, fc.*(key.field), 4, separator));
    }
    for (int i = 0; i < FigureCount; ++i) {
        const ShownFigure &f = figures[static_cast<size_t>(i)];
        lines.resultTexts.push_back(!f.shown ? std::string()
                                    : pinned ? lang::Format("%1   (%2)", {f.text, ComparisonText(i)})
                                             : f.text);
    }
    lines.comparedWith = AText();
    lines.differences = Differences();
    lines.firstLineFigure = FigureIndex(FigureId::LineProjection);
    lines.printed = PrintedLine(localTime);
    return lines;
}

Result<> CaseEditor::Defaults()
{
    ApplyMainDefaults(fc);
    ShowAllStored();
    current = false;
    return Recalculate();
}

void CaseEditor::ConditionDefaults()
{
    ApplyAdvancedDefaults(fc);
    for (int i = FirstConditionKey; i < InputKeyCount; ++i)
        ShowStored(InputKeys[i]);  // the airplane's fields keep their texts
    current = false;
}

std::vector<SweepRow> CaseEditor::ChartRows(const std::string &key, SweepHold hold) const
{
    const InputKey &k = InputKeyNamed(key);
    std::vector<SweepRow> rows = ::Sweep(calculated, k, ChartValues(calculated.*(k.field), ChartRangeFor(key)), hold);
    for (SweepRow &row : rows)
        row = ShownRow(row, k, units);
    return rows;
}

double CaseEditor::ShownCalculated(const std::string &key) const
{
    const InputKey &k = InputKeyNamed(key);
    return ToShown(k.measure, units, calculated.*(k.field));
}

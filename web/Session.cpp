#include "Session.h"

#include "Convert.h"
#include "DataFile.h"
#include "EngineError.h"

#include <algorithm>
#include <cstdint>

namespace {

// A field's place in the session: its key's in the engine's table of inputs.
int IndexOf(const std::string &key)
{
    for (int i = 0; i < InputKeyCount; ++i)
        if (key == InputKeys[i].key)
            return i;
    throw EngineError("Unknown input '" + key + "'");
}

// The window's error box ends every message with a full stop.
std::string Message(const std::string &text)
{
    return text.empty() || text.back() == '.' ? text : text + ".";
}

// The spin field's whole number: a text that is not one reads as 1.
bool WholeNumber(const std::string &text, int &n)
{
    if (text.empty() || text.size() > 11)
        return false;
    size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
    if (i == text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = v * 10 + (text[i] - '0');
    }
    if (text[0] == '-')
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    n = static_cast<int>(v);
    return true;
}

}  // namespace

WebSession::WebSession()
{
    ApplyAdvancedDefaults(fc);
    Defaults();
}

std::vector<std::string> WebSession::Keys()
{
    std::vector<std::string> keys;
    for (const InputKey &k : InputKeys)
        keys.push_back(k.key);
    return keys;
}

std::string WebSession::Text(const std::string &key) const { return texts[static_cast<size_t>(IndexOf(key))]; }

std::string WebSession::CopiedTo(const std::string &key)
{
    return key == "lt" ? "WfLapTime" : key == "ll" ? "WfLineLength" : std::string();
}

std::string WebSession::SetText(const std::string &key, const std::string &text, bool leaving)
{
    const int i = IndexOf(key);
    std::string &shown = texts[static_cast<size_t>(i)];
    if (shown != text)
        current = false;  // any change of a text leaves the figures behind
    shown = text;
    if (key == "an") {
        if (!text.empty())
            fc.AcName = text.substr(0, 4 * MaxNameLength);
        return std::string();
    }
    if (key == "nl") {
        int n = 1;
        if (!WholeNumber(text, n)) {
            n = 1;
            shown = "1";
        }
        if (leaving && (n < 1 || n > 3)) {
            n = n < 1 ? 1 : 3;
            shown = std::to_string(n);
            current = false;
        }
        fc.NumLines = n;
        return std::string();
    }
    if (text.empty())
        return std::string();
    try {
        const InputKey *k = FindInputKey(key);
        fc.*(k->field) = ParseShown(k->measure, units, text, '.');
    } catch (const EngineError &e) {
        return Message(e.what());
    }
    return std::string();
}

std::string WebSession::LapSpeedText() const
{
    return "Lap Speed = " + FormatShown(Measure::Speed, units, lapSpeed, 4, '.') + ShownUnit(Measure::Speed, units, " mph");
}

void WebSession::SetUnits(DisplayUnits shown)
{
    units = shown;
    ShowAll();
    // The figures shown stay those of the last calculation, in new units.
    for (size_t i = 0; i < figures.size(); ++i) {
        const FigureInfo &f = Figures[i];
        figures[i].text = FigureText(f, values[i], '.', units);
        figures[i].value = ToShown(f.measure, units, values[i]);
    }
}

std::string WebSession::UnitText(const std::string &key, const std::string &imperialText) const
{
    return ShownUnit(InputKeys[IndexOf(key)].measure, units, imperialText.c_str());
}

std::string WebSession::FigureUnit(const std::string &jsonKey) const
{
    for (const FigureInfo &f : Figures)
        if (jsonKey == f.jsonKey)
            return FigureUnitName(f, units);
    return ShownUnit(Measure::Speed, units, "mph");
}

std::string WebSession::StoredText(const std::string &key) const
{
    const int i = IndexOf(key);
    return units == DisplayUnits::Imperial ? texts[static_cast<size_t>(i)] : FullPrecision(fc.*(InputKeys[i].field));
}

std::string WebSession::SetStoredText(const std::string &key, const std::string &text)
{
    const int i = IndexOf(key);
    try {
        fc.*(InputKeys[i].field) = ParseNumber(text, '.');
    } catch (const EngineError &e) {
        return Message(e.what());
    }
    texts[static_cast<size_t>(i)] =
        units == DisplayUnits::Imperial ? text : FormatShown(InputKeys[i].measure, units, fc.*(InputKeys[i].field), 4);
    current = false;
    return std::string();
}

std::string WebSession::Recalculate()
{
    try {
        engine.Recalculate(fc.LapTime);
        Show();
    } catch (const EngineError &e) {
        return Message(e.what());
    }
    return std::string();
}

void WebSession::Show()
{
    // The window's order of rewriting, so that a case that faults at the wing
    // loading shows nothing new: the page shows all figures or none.
    std::vector<SessionFigure> next(FigureCount);
    std::array<double, FigureCount> nextValues{};
    for (int i : RewriteOrder) {
        const FigureInfo &f = Figures[i];
        const double v = nextValues[static_cast<size_t>(i)] = f.value(engine, fc, groundSpeed);
        next[static_cast<size_t>(i)] = {f.labelName, f.jsonKey, FigureText(f, v, '.', units), ToShown(f.measure, units, v)};
    }
    values = nextValues;
    lapSpeed = ::LapSpeed(fc);
    figures = next;
    calculated = fc;
    current = true;
}

std::string WebSession::WhatIf(bool fromLapTime, const std::string &text, std::string &error) const
{
    error.clear();
    if (text.empty())
        return std::string();
    try {
        // The line length in the units shown, the lap time in seconds.
        const Measure typed = fromLapTime ? Measure::None : Measure::Length;
        const float v = ParseShown(typed, units, text, '.');
        const float r = fromLapTime ? WhatIfLineLength(lapSpeed, fc, v) : WhatIfLapTime(lapSpeed, fc, v);
        return FormatShown(fromLapTime ? Measure::Length : Measure::None, units, r, 4, '.');
    } catch (const EngineError &e) {
        error = Message(e.what());
        return std::string();
    }
}

std::string WebSession::Open(const std::string &fileName, const std::string &bytes)
{
    if (bytes.size() > MaxDataFileBytes)
        return "Cannot Open File " + fileName + "\nit is larger than 1 MiB, far too large for a Tethrix data file.";
    FlightCaseTarget target(fc);
    ApplyDataFileEntries(ParseDataFile(bytes), target);
    ShowAll();
    current = false;
    return Recalculate();
}

std::string WebSession::Save(const std::string &fileName)
{
    const std::string bytes = DataFileText(fc);
    // The airplane takes the file's name: the folder and the last "." with
    // the three characters after it go.
    std::string name = fileName.substr(fileName.find_last_of("/\\") == std::string::npos
                                           ? 0
                                           : fileName.find_last_of("/\\") + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot, 4);
    if (!name.empty()) {
        fc.AcName = name;
        texts[0] = name;
    }
    return bytes;
}

ReportLines WebSession::Report(const std::tm &now, std::string &error)
{
    error.clear();
    if (!current)
        error = Recalculate();
    ReportLines lines;
    if (!error.empty())
        return lines;
    lines = ReportLinesFor(fc, engine, groundSpeed, '.', now, units);
    // The page prints the fields as typed and the labels as shown.
    for (size_t i = 0; i < 7; ++i)
        lines.inputTexts[i] = texts[2 + i];
    lines.resultTexts.clear();
    for (const SessionFigure &f : figures)
        lines.resultTexts.push_back(f.text);
    return lines;
}

void WebSession::Defaults()
{
    ApplyMainDefaults(fc);
    ShowAll();
    current = false;
    Recalculate();
}

void WebSession::ConditionDefaults()
{
    ApplyAdvancedDefaults(fc);
    ShowAll();
    current = false;
}

void WebSession::ShowAll()
{
    texts[0] = fc.AcName;
    texts[1] = std::to_string(std::clamp(fc.NumLines, 1, 3));
    for (int i = 2; i < InputKeyCount; ++i)
        texts[static_cast<size_t>(i)] = FormatShown(InputKeys[i].measure, units, fc.*(InputKeys[i].field), InputKeys[i].digits, '.');
}

std::vector<SweepRow> WebSession::SweepAround(const std::string &key, double lowFactor, double highFactor,
                                              int count) const
{
    const InputKey *k = FindInputKey(key);
    if (k == nullptr || k->field == nullptr || count < 2)
        return {};
    const double at = calculated.*(k->field);
    std::vector<double> xs;
    for (int i = 0; i < count; ++i)
        xs.push_back(at * (lowFactor + (highFactor - lowFactor) * i / (count - 1)));
    std::vector<SweepRow> rows = ::Sweep(calculated, *k, xs);
    for (SweepRow &row : rows)
        row = ShownRow(row, *k, units);
    return rows;
}

double WebSession::ShownCalculated(const std::string &key) const
{
    const InputKey *k = FindInputKey(key);
    return k == nullptr || k->field == nullptr ? 0 : ToShown(k->measure, units, calculated.*(k->field));
}


// The flier's case as JavaScript sees it (embind): the core's texts, rules
// and figures as strings, numbers, plain objects and arrays, bytes as
// Uint8Array. Nothing is decided here.
#include "CaseEditor.h"
#include "DataFile.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <ctime>

using emscripten::val;

namespace {

val Bytes(const std::string &bytes)
{
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data()))
        .call<val>("slice");
}

// The table of inputs the page builds its fields from.
val Inputs()
{
    val list = val::array();
    for (int i = 0; i < InputKeyCount; ++i) {
        const InputKey &k = InputKeys[i];
        val o = val::object();
        o.set("key", std::string(k.key));
        o.set("caption", std::string(k.caption));
        o.set("id", std::string(k.fieldName));
        o.set("unit", std::string(k.fieldUnit));
        o.set("condition", i >= FirstConditionKey);
        o.set("number", k.field != nullptr);
        list.call<void>("push", o);
    }
    return list;
}

// The figures' lines, once: {name, key, gap} in the order shown.
val FigureLinesOf(CaseEditor &e)
{
    val list = val::array();
    for (const ShownFigure &f : e.Figures()) {
        val o = val::object();
        o.set("name", std::string(f.info->labelName));
        o.set("key", std::string(f.info->jsonKey));
        o.set("gap", f.info->gapBefore);
        list.call<void>("push", o);
    }
    return list;
}

// What the figures' lines say now, in a few crossings instead of an object
// a figure (Enter's handler builds fifteen lines from it): {texts, values},
// texts being each line's figure then its comparison with A, every one of
// them ended by a newline (no figure's text holds one); values the figures
// in the units shown, NaN where there is none.
val FiguresOf(CaseEditor &e)
{
    std::string texts;
    std::vector<double> values;
    for (const ShownFigure &f : e.Figures()) {
        texts += f.text + '\n' + e.ComparisonText(static_cast<int>(&f - e.Figures().data())) + '\n';
        values.push_back(f.value ? ToShown(f.info->measure, e.Units(), *f.value) : NAN);
    }
    val o = val::object();
    o.set("texts", texts);
    o.set("values", val(emscripten::typed_memory_view(values.size(), values.data())).call<val>("slice"));
    return o;
}

WhatIfField Field(bool lapTime) { return lapTime ? WhatIfField::LapTime : WhatIfField::LineLength; }
std::string WhatIfTextOf(CaseEditor &e, bool lapTime) { return e.WhatIfText(Field(lapTime)); }
void SetWhatIfTextOf(CaseEditor &e, bool lapTime, const std::string &text) { e.SetWhatIfText(Field(lapTime), text); }
std::string WhatIfOf(CaseEditor &e, bool lapTime) { return e.WhatIf(Field(lapTime)); }

val SaveOf(CaseEditor &e) { return Bytes(e.FileBytes()); }

val ReportOf(CaseEditor &e)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string error;
    const ReportLines lines = e.Report(local, error);
    val o = val::object();
    o.set("error", error);
    o.set("title", lines.airplaneName);
    o.set("document", ReportDocumentTitle(lines.airplaneName));
    val rows = val::array();
    if (error.empty())
        for (const ReportRow &r : ReportRows(lines)) {
            val row = val::object();
            row.set("k", r.k);
            row.set("text", r.text);
            row.set("bold", r.bold);
            row.set("centred", r.centred);
            rows.call<void>("push", row);
        }
    o.set("rows", rows);
    return o;
}

// The curves the charts draw: [{key, name}], and a scale's range widened
// to a real change: [lo, hi].
val ChartCurvesList()
{
    val list = val::array();
    for (const ChartCurve &c : ChartCurves) {
        val o = val::object();
        o.set("key", std::string(c.figure));
        o.set("name", std::string(c.name));
        list.call<void>("push", o);
    }
    return list;
}
val RealChange(const std::string &figure, double lo, double hi)
{
    WidenToRealChange(figure, lo, hi);
    val range = val::array();
    range.call<void>("push", lo);
    range.call<void>("push", hi);
    return range;
}

// A chart's rows as one Float64Array, a row after another: the input, 1 or
// 0 for a solved row, then the curves' figures in ChartCurves' order; and the
// error of the first row that failed. One crossing into JavaScript, not one per value.
val ChartTableOf(CaseEditor &e, const std::string &key, bool holdSpeed)
{
    std::vector<double> table;
    std::string error;
    int curveFigures[ChartCurveCount];
    for (int c = 0; c < ChartCurveCount; ++c)
        curveFigures[c] = FigureIndex(ChartCurves[c].figure);
    for (const SweepRow &r : e.ChartRows(key, holdSpeed ? SweepHold::Speed : SweepHold::LapTime)) {
        table.push_back(r.input);
        table.push_back(r.ok ? 1 : 0);
        for (int c = 0; c < ChartCurveCount; ++c)
            table.push_back(r.ok ? r.figures[curveFigures[c]] : 0);
        if (!r.ok && error.empty())
            error = r.error;
    }
    val o = val::object();
    o.set("values", val(emscripten::typed_memory_view(table.size(), table.data())).call<val>("slice"));
    o.set("error", error);
    return o;
}

std::string TextOf(CaseEditor &e, const std::string &key) { return e.Text(key); }
std::string SetTextOf(CaseEditor &e, const std::string &key, const std::string &text, bool leaving)
{
    return e.SetText(key, text, leaving);
}
std::string StepLinesOf(CaseEditor &e, int delta) { return e.StepLineCount(delta); }
bool AcceptsLineChar(int c) { return LineCountField::AcceptsChar(static_cast<char32_t>(c), '.'); }
std::string HeadingCueOf(CaseEditor &e) { return e.Current() ? CurrentCue : StaleCue; }
// In the units shown, as the figures.
double ShownLapSpeed(CaseEditor &e) { return ToShown(Measure::Speed, e.Units(), e.LapSpeed()); }
bool IsMetric(CaseEditor &e) { return e.Units() == DisplayUnits::Metric; }
void SetMetric(CaseEditor &e, bool metric) { e.SetUnits(metric ? DisplayUnits::Metric : DisplayUnits::Imperial); }
std::string UnitTextOf(CaseEditor &e, const std::string &key, const std::string &imperial)
{
    return e.UnitText(*FindInputKey(key), imperial.c_str());
}
std::string FigureUnitOf(CaseEditor &e, const std::string &jsonKey) { return FigureUnitName(e.Figure(jsonKey).info[0], e.Units()); }
std::string StoredTextOf(CaseEditor &e, const std::string &key) { return e.StoredText(*FindInputKey(key)); }
std::string SetStoredTextOf(CaseEditor &e, const std::string &key, const std::string &text)
{
    return e.SetStoredText(*FindInputKey(key), text);
}
int MaxFileBytes() { return static_cast<int>(MaxDataFileBytes); }

// {id, text}: the field's element id (empty for none) and what is said.
val NoteObject(const InputNote &note)
{
    val o = val::object();
    o.set("id", std::string(note.key ? note.key->fieldName : ""));
    o.set("text", note.text);
    return o;
}
val NotesOf(CaseEditor &e)
{
    val list = val::array();
    for (const InputNote &note : e.Notes())
        list.call<void>("push", NoteObject(note));
    return list;
}
val AdviceOf(CaseEditor &e) { return NoteObject(e.Advice()); }
std::string ConditionsSummaryOf(CaseEditor &e) { return e.ConditionsSummary(); }
// {error, text}: the Preasure Altitude text from a field's elevation and altimeter setting.
val PressureAltitudeOf(CaseEditor &e, const std::string &elevation, const std::string &altimeter)
{
    std::string text;
    val o = val::object();
    o.set("error", e.PressureAltitudeText(elevation, altimeter, text));
    o.set("text", text);
    return o;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tethrix)
{
    emscripten::function("inputs", &Inputs);
    emscripten::function("acceptsLineChar", &AcceptsLineChar);
    emscripten::function("maxFileBytes", &MaxFileBytes);
    emscripten::function("chartCurves", &ChartCurvesList);
    emscripten::function("realChange", &RealChange);
    emscripten::class_<CaseEditor>("CaseEditor")
        .constructor<>()
        .function("text", &TextOf)
        .function("setText", &SetTextOf)
        .function("stepLines", &StepLinesOf)
        .function("current", &CaseEditor::Current)
        .function("headingCue", &HeadingCueOf)
        .function("recalculate", &CaseEditor::Recalculate)
        .function("figureLines", &FigureLinesOf)
        .function("figures", &FiguresOf)
        .function("lapSpeed", &ShownLapSpeed)
        .function("lapSpeedText", &CaseEditor::LapSpeedText)
        .function("whatIfText", &WhatIfTextOf)
        .function("setWhatIfText", &SetWhatIfTextOf)
        .function("whatIf", &WhatIfOf)
        .function("open", &CaseEditor::Open)
        .function("save", &SaveOf)
        .function("savedAs", &CaseEditor::SavedAs)
        .function("report", &ReportOf)
        .function("defaults", &CaseEditor::Defaults)
        .function("conditionDefaults", &CaseEditor::ConditionDefaults)
        .function("chartTable", &ChartTableOf)
        .function("shownCalculated", &CaseEditor::ShownCalculated)
        .function("metric", &IsMetric)
        .function("setMetric", &SetMetric)
        .function("unitText", &UnitTextOf)
        .function("figureUnit", &FigureUnitOf)
        .function("storedText", &StoredTextOf)
        .function("setStoredText", &SetStoredTextOf)
        .function("notes", &NotesOf)
        .function("advice", &AdviceOf)
        .function("conditionsSummary", &ConditionsSummaryOf)
        .function("pressureAltitude", &PressureAltitudeOf)
        .function("keepAsA", emscripten::select_overload<std::string()>(&CaseEditor::KeepAsA))
        .function("openA", &CaseEditor::OpenA)
        .function("clearA", &CaseEditor::ClearA)
        .function("aText", &CaseEditor::AText);
}

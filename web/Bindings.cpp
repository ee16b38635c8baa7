// The flier's case as the page calls it: plain C functions, each answering
// with a list of texts and a list of numbers that bindings.js reads back and
// shapes into the strings, objects and arrays the page uses. The order of
// each answer is written once, as its layout in bindings.js (REPLIES), and
// web/tests/replies.test.mjs holds every answer to it: an answer changed
// here changes its layout there. Texts come in as (pointer, length) in an
// arena bindings.js fills; bytes stay bytes. Nothing is decided here.
#include "case/CaseEditor.h"
#include "case/DataFile.h"
#include "web/Reply.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdint>
#include <ctime>

using reply::Start, reply::Text, reply::Number, reply::Failure;

namespace {

std::string In(const char *text, uint32_t length) { return std::string(text, length); }
WhatIfField Field(int lapTime) { return lapTime ? WhatIfField::LapTime : WhatIfField::LineLength; }

const InputKey &Key(const char *key, uint32_t length) { return InputKeyNamed(In(key, length)); }

// {id, text}: the field's element id (empty for none) and what is said.
void Note(const InputNote &note)
{
    Text(note.key ? note.key->fieldName : "");
    Text(note.text);
}

}  // namespace

#define EXPORT extern "C" EMSCRIPTEN_KEEPALIVE

// The table of inputs the page builds its fields from: key, caption, id and
// unit texts, condition and number flags, an input after another.
EXPORT void tx_inputs()
{
    Start();
    for (int i = 0; i < InputKeyCount; ++i) {
        const InputKey &k = InputKeys[i];
        Text(k.key);
        Text(k.caption);
        Text(k.fieldName);
        Text(k.fieldUnit);
        Number(i >= FirstConditionKey);
        Number(k.field != nullptr);
    }
}
EXPORT int tx_acceptsLineChar(int c) { return LineCountField::AcceptsChar(static_cast<char32_t>(c), '.'); }
EXPORT int tx_maxFileBytes() { return static_cast<int>(MaxDataFileBytes); }
// The curves the charts draw: key and name texts.
EXPORT void tx_chartCurves()
{
    Start();
    for (const ChartCurve &c : ChartCurves) {
        Text(c.figure);
        Text(c.name);
    }
}
// A scale's range widened to a real change: lo, hi.
EXPORT void tx_realChange(const char *figure, uint32_t length, double lo, double hi)
{
    Start();
    WidenToRealChange(In(figure, length), lo, hi);
    Number(lo);
    Number(hi);
}

// separator: the decimal separator of the flier's locale, '.' or ','.
EXPORT CaseEditor *tx_new(int separator) { return new CaseEditor(separator == ',' ? ',' : '.'); }

EXPORT void tx_text(CaseEditor *e, const char *key, uint32_t length)
{
    Start();
    Text(e->Text(In(key, length)));
}
EXPORT void tx_setText(CaseEditor *e, const char *key, uint32_t keyLength, const char *text, uint32_t length,
                       int leaving)
{
    Start();
    Failure(e->SetText(In(key, keyLength), In(text, length), leaving != 0));
}
EXPORT void tx_stepLines(CaseEditor *e, int delta)
{
    Start();
    Failure(e->StepLineCount(delta));
}
EXPORT int tx_current(CaseEditor *e) { return e->Current(); }
EXPORT int tx_separator(CaseEditor *e) { return e->DecimalSeparator(); }
EXPORT void tx_headingCue(CaseEditor *e)
{
    Start();
    Text(e->HeadingCue());
}
EXPORT void tx_recalculate(CaseEditor *e)
{
    Start();
    Failure(e->Recalculate());
}

// The figures' lines, once: name and key texts, the gap before each.
EXPORT void tx_figureLines(CaseEditor *e)
{
    Start();
    for (const ShownFigure &f : e->Figures()) {
        Text(f.info->labelName);
        Text(f.info->jsonKey);
        Number(f.info->gapBefore);
    }
}
// Everything the figures' panel shows, in one answer (Enter's handler asks
// once). Texts: what the figures' lines say, as one text from which the
// handler builds fifteen lines (each line's figure then its comparison with
// A, every one ended by a newline: no figure's text holds one); the lap
// speed's text; A's name and what differs from A; the heading's cue; then
// the notes as {id, text}.
// Numbers: the figures in the units shown (NaN where there is none), the lap
// speed as the figures, whether the figures belong to the inputs.
EXPORT void tx_shown(CaseEditor *e)
{
    Start();
    std::string texts;
    const auto &figures = e->Figures();
    for (size_t i = 0; i < figures.size(); ++i) {
        const ShownFigure &f = figures[i];
        texts += f.text + '\n' + e->ComparisonText(static_cast<int>(i)) + '\n';
        Number(f.value ? ToShown(f.info->measure, e->Units(), *f.value) : NAN);
    }
    Text(std::move(texts));
    Text(e->LapSpeedText());
    Text(e->ComparisonSummary());
    Text(e->HeadingCue());
    for (const InputNote &note : e->Notes())
        Note(note);
    Number(ToShown(Measure::Speed, e->Units(), e->LapSpeed()));
    Number(e->Current());
}
EXPORT void tx_whatIfText(CaseEditor *e, int lapTime)
{
    Start();
    Text(e->WhatIfText(Field(lapTime)));
}
EXPORT void tx_setWhatIfText(CaseEditor *e, int lapTime, const char *text, uint32_t length)
{
    e->SetWhatIfText(Field(lapTime), In(text, length));
}
EXPORT void tx_whatIf(CaseEditor *e, int lapTime)
{
    Start();
    Failure(e->WhatIf(Field(lapTime)));
}

EXPORT void tx_open(CaseEditor *e, const char *name, uint32_t nameLength, const char *bytes, uint32_t length)
{
    Start();
    Failure(e->Open(In(name, nameLength), In(bytes, length)));
}
EXPORT void tx_save(CaseEditor *e)
{
    Start();
    Text(e->FileBytes());
}
EXPORT void tx_savedAs(CaseEditor *e, const char *path, uint32_t length) { e->SavedAs(In(path, length)); }

// The report: error, title and document texts, then each row's text with
// its line k, bold and centred.
EXPORT void tx_report(CaseEditor *e)
{
    Start();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const Result<ReportLines> page = e->Report(local);
    const ReportLines &lines = page.value;
    const bool rows = page.ok();
    Text(page.error);
    Text(lines.airplaneName);
    Text(ReportDocumentTitle(lines.airplaneName));
    if (rows)
        for (const ReportRow &r : ReportRows(lines)) {
            Text(r.text);
            Number(r.k);
            Number(r.bold);
            Number(r.centred);
        }
}
EXPORT void tx_defaults(CaseEditor *e)
{
    Start();
    Failure(e->Defaults());
}
EXPORT void tx_conditionDefaults(CaseEditor *e) { e->ConditionDefaults(); }

// A chart's rows, a row after another: the input, 1 or 0 for a solved row,
// then the curves' figures in ChartCurves' order; and the error of the first
// row that failed.
EXPORT void tx_chartTable(CaseEditor *e, const char *key, uint32_t length, int holdSpeed)
{
    Start();
    std::string error;
    int curveFigures[ChartCurveCount];
    for (int c = 0; c < ChartCurveCount; ++c)
        curveFigures[c] = FigureIndex(ChartCurves[c].figure);
    for (const SweepRow &r : e->ChartRows(In(key, length), holdSpeed ? SweepHold::Speed : SweepHold::LapTime)) {
        Number(r.input);
        Number(r.ok ? 1 : 0);
        for (int c = 0; c < ChartCurveCount; ++c)
            Number(r.ok ? r.figures[curveFigures[c]] : 0);
        if (!r.ok && error.empty())
            error = r.error;
    }
    Text(std::move(error));
}
EXPORT double tx_shownCalculated(CaseEditor *e, const char *key, uint32_t length)
{
    return e->ShownCalculated(In(key, length));
}
EXPORT int tx_metric(CaseEditor *e) { return e->Units() == DisplayUnits::Metric; }
EXPORT void tx_setMetric(CaseEditor *e, int metric)
{
    e->SetUnits(metric ? DisplayUnits::Metric : DisplayUnits::Imperial);
}
EXPORT void tx_unitText(CaseEditor *e, const char *key, uint32_t keyLength, const char *imperial, uint32_t length)
{
    Start();
    Text(e->UnitText(Key(key, keyLength), In(imperial, length).c_str()));
}
EXPORT void tx_figureUnit(CaseEditor *e, const char *jsonKey, uint32_t length)
{
    Start();
    Text(FigureUnitName(e->Figure(In(jsonKey, length)).info[0], e->Units()));
}
EXPORT void tx_storedText(CaseEditor *e, const char *key, uint32_t length)
{
    Start();
    Text(e->StoredText(Key(key, length)));
}
EXPORT void tx_setStoredText(CaseEditor *e, const char *key, uint32_t keyLength, const char *text, uint32_t length)
{
    Start();
    Failure(e->SetStoredText(Key(key, keyLength), In(text, length)));
}
EXPORT void tx_advice(CaseEditor *e)
{
    Start();
    Note(e->Advice());
}
EXPORT void tx_conditionsSummary(CaseEditor *e)
{
    Start();
    Text(e->ConditionsSummary());
}
// The Preasure Altitude text from a field's elevation and altimeter
// setting: error, then text.
EXPORT void tx_pressureAltitude(CaseEditor *e, const char *elevation, uint32_t elevationLength,
                                const char *altimeter, uint32_t length)
{
    Start();
    const Result<std::string> altitude = e->PressureAltitudeText(In(elevation, elevationLength), In(altimeter, length));
    Text(altitude.error);
    Text(altitude.value);
}
EXPORT void tx_altimeterNote(CaseEditor *e, const char *altimeter, uint32_t length)
{
    Start();
    Text(e->AltimeterNote(In(altimeter, length)));
}
// Why the conditions in force must not be kept for the next visit (they
// fail for the built-in airplane every visit starts with), and the advice.
EXPORT void tx_conditionsRefusal(CaseEditor *e)
{
    Start();
    const ConditionsRefusal refusal = RefuseConditions(e->Case(), e->Case(), e->Units(), e->DecimalSeparator());
    Text(refusal.error);
    Note(refusal.advice);
}
EXPORT void tx_keepAsA(CaseEditor *e)
{
    Start();
    Failure(e->KeepAsA());
}
EXPORT void tx_openA(CaseEditor *e, const char *name, uint32_t nameLength, const char *bytes, uint32_t length)
{
    Start();
    Failure(e->OpenA(In(name, nameLength), In(bytes, length)));
}
EXPORT void tx_clearA(CaseEditor *e) { e->ClearA(); }

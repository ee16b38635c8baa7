// The session as JavaScript sees it (embind): strings, numbers, plain
// objects and arrays, bytes as Uint8Array.
#include "Session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <ctime>

using emscripten::val;

namespace {

val Bytes(const std::string &bytes)
{
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data()))
        .call<val>("slice");
}

val Keys()
{
    val keys = val::array();
    for (const std::string &k : WebSession::Keys())
        keys.call<void>("push", k);
    return keys;
}

val FiguresOf(WebSession &s)
{
    val list = val::array();
    for (const SessionFigure &f : s.Shown()) {
        val o = val::object();
        o.set("name", f.name);
        o.set("key", f.jsonKey);
        o.set("text", f.text);
        o.set("value", f.value);
        list.call<void>("push", o);
    }
    return list;
}

val WhatIfOf(WebSession &s, bool fromLapTime, const std::string &text)
{
    std::string error;
    val o = val::object();
    o.set("text", s.WhatIf(fromLapTime, text, error));
    o.set("error", error);
    return o;
}

val SaveOf(WebSession &s, const std::string &fileName) { return Bytes(s.Save(fileName)); }

val ReportOf(WebSession &s)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string error;
    const ReportLines lines = s.Report(local, error);
    val o = val::object();
    o.set("error", error);
    o.set("title", lines.airplaneName);
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

val SweepOf(WebSession &s, const std::string &key, double lowFactor, double highFactor, int count)
{
    val rows = val::array();
    for (const SweepRow &r : s.SweepAround(key, lowFactor, highFactor, count)) {
        val row = val::object();
        row.set("input", r.input);
        row.set("ok", r.ok);
        row.set("error", r.error);
        val figures = val::object();
        for (int i = 0; i < FigureCount && r.ok; ++i)
            figures.set(Figures[i].jsonKey, r.figures[i]);
        row.set("figures", figures);
        rows.call<void>("push", row);
    }
    return rows;
}

// In the units shown, as the figures.
double ShownLapSpeed(WebSession &s) { return ToShown(Measure::Speed, s.Units(), s.LapSpeed()); }
bool IsMetric(WebSession &s) { return s.Units() == DisplayUnits::Metric; }
void SetMetric(WebSession &s, bool metric) { s.SetUnits(metric ? DisplayUnits::Metric : DisplayUnits::Imperial); }

}  // namespace

EMSCRIPTEN_BINDINGS(tethrix)
{
    emscripten::class_<WebSession>("Session")
        .constructor<>()
        .class_function("keys", &Keys)
        .class_function("copiedTo", &WebSession::CopiedTo)
        .function("text", &WebSession::Text)
        .function("setText", &WebSession::SetText)
        .function("current", &WebSession::Current)
        .function("recalculate", &WebSession::Recalculate)
        .function("figures", &FiguresOf)
        .function("lapSpeed", &ShownLapSpeed)
        .function("lapSpeedText", &WebSession::LapSpeedText)
        .function("whatIf", &WhatIfOf)
        .function("open", &WebSession::Open)
        .function("save", &SaveOf)
        .function("report", &ReportOf)
        .function("defaults", &WebSession::Defaults)
        .function("conditionDefaults", &WebSession::ConditionDefaults)
        .function("sweepAround", &SweepOf)
        .function("shownCalculated", &WebSession::ShownCalculated)
        .function("metric", &IsMetric)
        .function("setMetric", &SetMetric)
        .function("unitText", &WebSession::UnitText)
        .function("figureUnit", &WebSession::FigureUnit)
        .function("storedText", &WebSession::StoredText)
        .function("setStoredText", &WebSession::SetStoredText);
}

// tethrix-calc's standard output of a calculation, a sweep and a
// comparison, as scripts read it: numbers at full precision with a point,
// keys and headers in English, whatever the locale.
#include "tools/CalcOutput.h"
#include "tools/CalcLanguage.h"
#include "tools/CalcArguments.h"
#include "tools/CalcCli.h"

#include "numbers/Convert.h"
#include "tools/SweepThreads.h"
#include "case/Sweep.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ostream>

void AppendFiguresJson(std::string &text, const CaseFigures &figures, const FlightCase &fc, DisplayUnits units)
{
    for (int i = 0; i < FigureCount; ++i) {
        if (!FigureShown(Figures[i], fc))
            continue;
        AppendJsonString(text, Figures[i].jsonKey);
        text += ": ";
        if (std::isnan(figures.values[i]))
            text += "null";
        else
            AppendFullPrecision(text, ToShown(Figures[i].measure, units, figures.values[i]));
        text += ", ";
    }
    text += "\"LapSpeed\": ";
    AppendFullPrecision(text, ToShown(Measure::Speed, units, figures.lapSpeed));
}

std::string ComparisonOutput(const PinnedCase &a, const PinnedCase &b, CompareFormat format, DisplayUnits units)
{
    const CaseFigures &fa = a.figures, &fb = b.figures;
    const auto change = [&](int i) {
        const Measure m = i < FigureCount ? Figures[i].measure : Measure::Speed;
        const double va = i < FigureCount ? fa.values[i] : fa.lapSpeed, vb = i < FigureCount ? fb.values[i] : fb.lapSpeed;
        return ToShown(m, units, vb) - ToShown(m, units, va);
    };
    std::string text;
    const std::vector<std::string> differences = InputDifferences(a.fc, b.fc, units);
    if (format == CompareFormat::Json) {
        text = "{\"A\": {\"Name\": ";
        AppendJsonString(text, a.fc.AcName);
        text += ", ";
        AppendFiguresJson(text, fa, a.fc, units);
        text += "}, \"B\": {\"Name\": ";
        AppendJsonString(text, b.fc.AcName);
        text += ", ";
        AppendFiguresJson(text, fb, b.fc, units);
        text += "}, \"Change\": {";
        for (int i = 0; i <= FigureCount; ++i) {
            if (i < FigureCount && !FigureShown(Figures[i], b.fc))
                continue;
            AppendJsonString(text, i < FigureCount ? Figures[i].jsonKey : "LapSpeed");
            text += ": ";
            if (std::isnan(change(i)))
                text += "null";
            else
                AppendFullPrecision(text, change(i));
            text += i < FigureCount ? ", " : "";
        }
        text += "}, \"Differences\": [";
        for (const std::string &d : differences) {
            AppendJsonString(text, d);
            text += &d == &differences.back() ? "" : ", ";
        }
        text += "], \"units\": ";
        AppendJsonString(text, units == DisplayUnits::Metric ? "metric" : "imperial");
        return text + "}\n";
    }
    if (format == CompareFormat::Csv) {
        text = "Figure,Unit,A,B,Change\nAirplane,,";
        AppendCsvField(text, a.fc.AcName);
        text += ',';
        AppendCsvField(text, b.fc.AcName);
        text += ",\n";
        for (int i = 0; i <= FigureCount; ++i) {
            const bool lap = i == FigureCount;
            if (!lap && !FigureShown(Figures[i], b.fc))
                continue;
            text += lap ? "Lap Speed" : Figures[i].caption;
            text += ',' + (lap ? ShownUnit(Measure::Speed, units, "mph") : FigureUnitName(Figures[i], units)) + ',';
            for (const double v : {lap ? ToShown(Measure::Speed, units, fa.lapSpeed) : ToShown(Figures[i].measure, units, fa.values[i]),
                                   lap ? ToShown(Measure::Speed, units, fb.lapSpeed) : ToShown(Figures[i].measure, units, fb.values[i]),
                                   change(i)}) {
                if (!std::isnan(v))
                    AppendFullPrecision(text, v);
                text += ',';
            }
            text.back() = '\n';
        }
        return text;
    }
    text = "A: " + a.fc.AcName + "\nB: " + b.fc.AcName + "\n";
    for (const std::string &d : differences)
        text += "Input " + d + "\n";
    for (int i = 0; i < FigureCount; ++i) {
        if (!FigureShown(Figures[i], b.fc))
            continue;
        text += std::string(Figures[i].caption) + ": A" + FigureValueText(Figures[i], fa.values[i], '.', units) +
                ", B" + FigureValueText(Figures[i], fb.values[i], '.', units);
        const std::string beside = ComparisonText(Figures[i], fa.values[i], fb.values[i], '.', units);
        if (const size_t comma = beside.find(", "); comma != std::string::npos)
            text += (beside.compare(comma, std::string::npos, ", no change") == 0 ? ", " : ", change ") +
                    beside.substr(comma + 2);
        text += "\n";
    }
    const auto lap = [&](float mph) { return FormatShown(Measure::Speed, units, mph, 4) + ShownUnit(Measure::Speed, units, " mph"); };
    return text + "Lap Speed: A = " + lap(fa.lapSpeed) + ", B = " + lap(fb.lapSpeed) + "\n";
}

void AppendConditions(std::string &text, const FlightCase &fc, DisplayUnits units)
{
    text += "\"Conditions\": {";
    for (int i = FirstConditionKey; i < InputKeyCount; ++i) {
        const InputKey &key = InputKeys[i];
        if (text.back() != '{')
            text += ", ";
        AppendJsonString(text, key.key);
        text += ": ";
        if (units == DisplayUnits::Imperial)
            AppendFullPrecision(text, fc.*(key.field));
        else
            AppendFullPrecision(text, ToShown(key.measure, units, fc.*(key.field)));
    }
    text += "}";
}

// Writes text to out and checks that it got there.
bool Emit(std::ostream &out, const std::string &text)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

std::string WriteProblem()
{
    const int error = errno;
    return std::string("cannot write the output") + (error != 0 ? std::string(": ") + std::strerror(error) : "");
}

// A sweep this long is solved on every usable core, one engine each.
constexpr long ThreadedRows = 2048;

int RunSweep(const SweepRange &range, const FlightCase &fc, bool json, std::ostream &out, std::ostream &err)
{
    // Rows go out as they are computed, through one reused buffer.
    const bool windy = SweepIsWindy(fc, *range.key);
    std::string buffer = json ? "[\n" : SweepCsvHeader(*range.key, range.hold, range.units, windy);
    bool first = true;
    bool failed = false;
    SweepRow shown;
    errno = 0;
    const auto write = [&](const SweepRow &solved) {
        if (failed)
            return;
        // Imperial rows go out as solved, without a copy.
        const SweepRow &row = range.units == DisplayUnits::Imperial
                                  ? solved
                                  : (shown = ShownRow(solved, *range.key, range.units));
        if (json) {
            if (!first)
                buffer += ",\n";
            AppendSweepJsonRow(buffer, *range.key, row, range.hold, windy);
        } else {
            AppendSweepCsvRow(buffer, row, range.hold, windy);
        }
        first = false;
        if (buffer.size() >= 1 << 16) {
            failed = !Emit(out, buffer);
            buffer.clear();
        }
    };
    const long rows = SweepCount(range.from, range.to, range.step);
    const int threads = UsableCores();
    if (rows >= ThreadedRows && threads > 1) {
        SweepOnThreads(
            rows, threads,
            [&](long first, long count, std::vector<SweepRow> &block) {
                block.clear();
                SweepEach(
                    fc, *range.key, range.from, range.step, first, count,
                    [&](const SweepRow &row) { block.push_back(row); }, range.hold, range.units);
            },
            write);
    } else {
        SweepEach(fc, *range.key, range.from, range.to, range.step, write, range.hold, range.units);
    }
    if (json)
        buffer += "\n]\n";
    if (failed || !Emit(out, buffer) || !out.flush()) {
        err << "tethrix-calc: " << Say(WriteProblem()) << "\n";
        return ExitFailure;
    }
    return ExitSuccess;
}

std::string CaseOutput(const CaseFigures &figures, const FlightCase &fc, DisplayUnits units, bool json,
                       const std::vector<InputNote> &notes)
{
    std::string text;
    if (json) {
        text = "{";
        AppendFiguresJson(text, figures, fc, units);
        text += ", ";
        AppendConditions(text, fc, units);
        text += ", \"units\": ";
        AppendJsonString(text, units == DisplayUnits::Metric ? "metric" : "imperial");
        text += ", \"Warnings\": [";
        for (const InputNote &note : notes) {
            if (&note != &notes.front())
                text += ", ";
            AppendJsonString(text, std::string(note.key->key) + ": " + note.text);
        }
        text += "]}\n";
    } else {
        const HighestTension highest = HighestTensionOf(figures.values, fc);
        for (int i = 0; i < FigureCount; ++i)
            if (FigureShown(Figures[i], fc))
                text += FigureText(Figures[i], figures.values[i], '.', units, highest.pounds, highest.downwind) + "\n";
        text += "Lap Speed = " + FormatShown(Measure::Speed, units, figures.lapSpeed, 4) +
                ShownUnit(Measure::Speed, units, " mph") + "\n";
    }
    return text;
}

#include "case/Sweep.h"

#include "numbers/Convert.h"
#include "numbers/EngineError.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

void AppendCsvField(std::string &out, const std::string &text)
{
    // A spreadsheet would take such a text for a formula and run it.
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
    const std::string field = formula ? "'" + text : text;
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

namespace {

bool IsLineCount(const InputKey &key) { return key.field == nullptr; }

// Solves one value into row; row.ok tells whether it has figures.
// What a sweep at the same speed holds: the base case and its ground speed.
struct HeldSpeed {
    const FlightCase *base = nullptr;
    double groundSpeed = 0;  // mph; 0 when the base case has none
    int figure = 0;          // the ground speed's index in Figures
};

void SolveRow(FlightCase &fc, CalcEngine &engine, const float &groundSpeed, const InputKey &key, double value,
              const HeldSpeed &held, SweepRow &row)
{
    row.input = value;
    row.error.clear();
    row.lapTime = fc.LapTime;
    row.ok = false;
    if (const char *error = SetNumericInput(fc, key, value)) {
        row.error = error;
        return;
    }
    row.input = GetNumericInput(fc, key);  // as the field stores it
    if (held.base != nullptr)
        row.lapTime = fc.LapTime = LapTimeAtSameSpeed(*held.base, fc.LineLength);
    Result<CaseFigures> figures = SolveCase(engine, fc, groundSpeed);
    if (figures.ok() && held.groundSpeed > 0) {
        // The engine's ground speed goes as the inverse of the lap time:
        // one correction brings it to the base case's.
        const double lap = double(fc.LapTime) * figures.value.values[held.figure] / held.groundSpeed;
        if (std::isfinite(lap) && lap > 0 && lap <= std::numeric_limits<float>::max() &&
            static_cast<float>(lap) != fc.LapTime) {
            row.lapTime = fc.LapTime = static_cast<float>(lap);
            figures = SolveCase(engine, fc, groundSpeed);
        }
    }
    if (!figures.ok()) {
        row.error = figures.error;
        return;
    }
    for (int f = 0; f < FigureCount; ++f)
        row.figures[f] = figures.value.values[f];
    row.lapSpeed = figures.value.lapSpeed;
    row.ok = true;
}

template <class Next>
void Run(const FlightCase &base, const InputKey &key, long count, Next next,
         const std::function<void(const SweepRow &)> &sink, SweepHold hold)
{
    FlightCase fc = base;
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    HeldSpeed held;
    if (hold == SweepHold::Speed && CheckSweepHold(key, hold).ok()) {
        held.base = &base;
        held.figure = FigureIndex(FigureId::GroundSpeed);
        // When the base case has no ground speed, the flight path's length
        // alone sets the lap time.
        const Result<CaseFigures> figures = SolveCase(engine, fc, groundSpeed);
        held.groundSpeed = figures.ok() ? figures.value.values[held.figure] : 0;
    }
    SweepRow row;
    for (long i = 0; i < count; ++i) {
        SolveRow(fc, engine, groundSpeed, key, next(i), held, row);
        sink(row);
    }
}

}  // namespace

long SweepCount(double from, double to, double step)
{
    if (!(std::isfinite(from) && std::isfinite(to) && std::isfinite(step)) || step == 0)
        return 0;
    const double spans = (to - from) / step;
    if (!std::isfinite(spans) || spans < -1e-9)
        return 0;
    // A value within a millionth of a step of "to" still counts.
    const double n = std::floor(spans + 1e-6) + 1;
    return n > MaxSweepRows ? 0 : static_cast<long>(n);
}

Result<> CheckSweepLimits(const InputKey &key, double from, double to, double step)
{
    if (!(std::isfinite(from) && std::isfinite(to) && std::isfinite(step)))
        return Refused("FROM, TO and STEP must be finite numbers");
    if (IsLineCount(key)) {
        for (double v : {from, to})
            if (!(v >= 1 && v <= 3 && v == std::floor(v)))
                return Refused("the number of lines runs over whole numbers from 1 to 3");
        if (step != std::floor(step))
            return Refused("the number of lines steps by whole numbers");
        return Done{};
    }
    const double largest = std::numeric_limits<float>::max();
    if (std::fabs(from) > largest || std::fabs(to) > largest)
        return Refused("FROM and TO must fit the input (at most 3.4E38 in size)");
    return Done{};
}

Result<> CheckSweepHold(const InputKey &key, SweepHold hold)
{
    if (hold == SweepHold::Speed && !IsInput(key, Input::LineLength))
        return Refused("only a sweep of the line length (ll) can hold the speed");
    return Done{};
}

void SweepEach(const FlightCase &base, const InputKey &key, double from, double to, double step,
               const std::function<void(const SweepRow &)> &sink, SweepHold hold, DisplayUnits units)
{
    SweepEach(base, key, from, step, 0, SweepCount(from, to, step), sink, hold, units);
}

void SweepEach(const FlightCase &base, const InputKey &key, double from, double step, long first, long count,
               const std::function<void(const SweepRow &)> &sink, SweepHold hold, DisplayUnits units)
{
    Run(
        base, key, count,
        [&](long i) { return FromShown(key.measure, units, from + static_cast<double>(first + i) * step); }, sink,
        hold);
}

void SweepEach(const FlightCase &base, const InputKey &key, const std::vector<double> &values,
               const std::function<void(const SweepRow &)> &sink, SweepHold hold)
{
    Run(
        base, key, static_cast<long>(values.size()), [&](long i) { return values[static_cast<size_t>(i)]; }, sink,
        hold);
}

std::vector<SweepRow> Sweep(const FlightCase &base, const InputKey &key, const std::vector<double> &values,
                            SweepHold hold)
{
    std::vector<SweepRow> rows;
    rows.reserve(values.size());
    SweepEach(base, key, values, [&](const SweepRow &row) { rows.push_back(row); }, hold);
    return rows;
}

SweepRow ShownRow(const SweepRow &row, const InputKey &key, DisplayUnits units)
{
    SweepRow shown = row;
    shown.input = ToShown(key.measure, units, row.input);
    for (int f = 0; f < FigureCount; ++f)
        shown.figures[f] = ToShown(Figures[f].measure, units, row.figures[f]);
    shown.lapSpeed = ToShown(Measure::Speed, units, row.lapSpeed);
    return shown;
}

bool SweepIsWindy(const FlightCase &base, const InputKey &key)
{
    return base.WindSpeed != 0 || IsInput(key, Input::WindSpeed);
}

namespace {
bool Listed(int figure, bool windy) { return windy || !Figures[figure].windOnly; }

// ",Leadout Position Behind CG (inches),…,Leadout Rake (degrees),Lap Speed
// (mph),Line Drag (pounds),…,Error\n": the figures beside the trim figures
// follow the lap speed, so that every earlier column keeps its place.
std::string FiguresCsvHeader(DisplayUnits units, bool windy)
{
    std::string header;
    const auto add = [&](const FigureInfo &f) {
        header += std::string(",") + f.caption;
        if (*f.unit)
            header += " (" + FigureUnitName(f, units) + ")";
    };
    for (int f = 0; f < FirstBesideFigure; ++f)
        add(Figures[f]);
    header += ",Lap Speed (" + ShownUnit(Measure::Speed, units, "mph") + ")";
    for (int f = FirstBesideFigure; f < FigureCount; ++f)
        if (Listed(f, windy))
            add(Figures[f]);
    return header + ",Error\n";
}

// One CSV row, each number written by number(out, value): the input, the
// lap time when the speed is held, the figures and the lap speed in the
// header's order, the error. A figure too large to show stays empty.
template <class Number>
void AppendCsvRow(std::string &out, const SweepRow &row, SweepHold hold, bool windy, Number number)
{
    number(out, static_cast<float>(row.input));
    if (hold == SweepHold::Speed) {
        out += ',';
        number(out, row.lapTime);
    }
    const auto figures = [&](int from, int to) {
        for (int f = from; f < to; ++f) {
            if (!Listed(f, windy))
                continue;
            out += ',';
            if (row.ok && !std::isnan(row.figures[f]))
                number(out, row.figures[f]);
        }
    };
    figures(0, FirstBesideFigure);
    out += ',';
    // The table keeps the lap speed's single-precision text, unless a metric
    // speed lies beyond single precision: then its own, never "inf".
    if (row.ok && std::fabs(row.lapSpeed) <= std::numeric_limits<float>::max())
        number(out, static_cast<float>(row.lapSpeed));
    else if (row.ok)
        number(out, row.lapSpeed);
    figures(FirstBesideFigure, FigureCount);
    out += ',';
    AppendCsvField(out, row.error);
    out += '\n';
}
}  // namespace

std::string SweepCsvHeader(const InputKey &key, SweepHold hold, DisplayUnits units, bool windy)
{
    std::string header = std::string(key.key);
    if (*key.unit)
        header += " (" + ShownUnit(key.measure, units, key.unit) + ")";
    if (hold == SweepHold::Speed)
        header += ",lt (seconds) at the same speed";
    return header + FiguresCsvHeader(units, windy);
}

void AppendSweepCsvRow(std::string &out, const SweepRow &row, SweepHold hold, bool windy)
{
    AppendCsvRow(out, row, hold, windy, [](std::string &o, auto v) { AppendFullPrecision(o, v); });
}

std::string SweepCsv(const InputKey &key, const std::vector<SweepRow> &rows)
{
    std::string csv = SweepCsvHeader(key, SweepHold::LapTime, DisplayUnits::Imperial);
    for (const SweepRow &row : rows)
        AppendSweepCsvRow(csv, row);
    return csv;
}

std::string ReadableSweepCsv(const std::string &inputTitle, const InputKey &key, const std::vector<SweepRow> &rows,
                             SweepHold hold, DisplayUnits units, bool windy)
{
    std::string csv;
    AppendCsvField(csv, inputTitle);
    if (hold == SweepHold::Speed)
        csv += ",Lap Time (seconds) at the same speed";
    csv += FiguresCsvHeader(units, windy);
    const auto sixDigits = [](std::string &out, double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", v);
        out += text;
    };
    for (const SweepRow &row : rows)
        AppendCsvRow(csv, ShownRow(row, key, units), hold, windy, sixDigits);
    return csv;
}

void AppendSweepJsonRow(std::string &out, const InputKey &key, const SweepRow &row, SweepHold hold, bool windy)
{
    out += "{\"";
    out += key.key;
    out += "\": ";
    AppendFullPrecision(out, static_cast<float>(row.input));
    if (hold == SweepHold::Speed) {
        out += ", \"lt\": ";
        AppendFullPrecision(out, row.lapTime);
    }
    for (int f = 0; f < FigureCount; ++f) {
        if (!Listed(f, windy))
            continue;
        out += ", \"";
        out += Figures[f].jsonKey;
        out += "\": ";
        if (row.ok && !std::isnan(row.figures[f]))
            AppendFullPrecision(out, row.figures[f]);
        else
            out += "null";
    }
    out += ", \"LapSpeed\": ";
    if (row.ok)
        AppendFullPrecision(out, row.lapSpeed);
    else
        out += "null";
    out += ", \"Error\": ";
    if (row.ok)
        out += "null";
    else
        AppendJsonString(out, row.error);
    out += '}';
}

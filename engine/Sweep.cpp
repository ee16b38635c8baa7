#include "Sweep.h"

#include "Convert.h"
#include "EngineError.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// Saves the engine's solved state and puts it back when it goes out of scope.
class EngineStateKeeper {
public:
    EngineStateKeeper() : lacft(gLacft), results(gLineResults), atmo(gAtmo) {}
    ~EngineStateKeeper()
    {
        gLacft = lacft;
        gLineResults = results;
        gAtmo = atmo;
    }
    EngineStateKeeper(const EngineStateKeeper &) = delete;
    EngineStateKeeper &operator=(const EngineStateKeeper &) = delete;

private:
    CLacft lacft;
    LineResults results;
    CAtmo atmo;
};

std::string UnitText(const char *unit)
{
    std::string u = unit;
    while (!u.empty() && (u.front() == ' '))
        u.erase(u.begin());
    while (!u.empty() && u.back() == '.')
        u.pop_back();
    return u;
}

void AppendCsvField(std::string &out, const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

bool IsLineCount(const InputKey &key) { return key.field == nullptr; }

// Solves one value into row; row.ok tells whether it has figures.
void SolveRow(FlightCase &fc, CalcEngine &engine, const float &groundSpeed, const InputKey &key, double value,
              SweepRow &row)
{
    row.input = value;
    row.error.clear();
    try {
        SetNumericInput(fc, key, value);
        row.input = GetNumericInput(fc, key);  // as the field stores it
        const CaseFigures figures = SolveCase(engine, fc, groundSpeed);
        for (int f = 0; f < FigureCount; ++f)
            row.figures[f] = figures.values[f];
        row.lapSpeed = figures.lapSpeed;
        row.ok = true;
    } catch (const EngineError &e) {
        row.ok = false;
        row.error = e.what();
    }
}

template <class Next>
void Run(const FlightCase &base, const InputKey &key, long count, Next next,
         const std::function<void(const SweepRow &)> &sink)
{
    EngineStateKeeper keep;
    FlightCase fc = base;
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    SweepRow row;
    for (long i = 0; i < count; ++i) {
        SolveRow(fc, engine, groundSpeed, key, next(i), row);
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

std::string SweepLimitsProblem(const InputKey &key, double from, double to, double step)
{
    if (!(std::isfinite(from) && std::isfinite(to) && std::isfinite(step)))
        return "FROM, TO and STEP must be finite numbers";
    if (IsLineCount(key)) {
        for (double v : {from, to})
            if (!(v >= 1 && v <= 3 && v == std::floor(v)))
                return "the number of lines runs over whole numbers from 1 to 3";
        if (step != std::floor(step))
            return "the number of lines steps by whole numbers";
        return std::string();
    }
    const double largest = std::numeric_limits<float>::max();
    if (std::fabs(from) > largest || std::fabs(to) > largest)
        return std::string("FROM and TO must fit the input (at most 3.4E38 in size)");
    return std::string();
}

void SweepEach(const FlightCase &base, const InputKey &key, double from, double to, double step,
               const std::function<void(const SweepRow &)> &sink)
{
    Run(base, key, SweepCount(from, to, step), [&](long i) { return from + static_cast<double>(i) * step; }, sink);
}

void SweepEach(const FlightCase &base, const InputKey &key, const std::vector<double> &values,
               const std::function<void(const SweepRow &)> &sink)
{
    Run(base, key, static_cast<long>(values.size()), [&](long i) { return values[static_cast<size_t>(i)]; }, sink);
}

std::vector<SweepRow> Sweep(const FlightCase &base, const InputKey &key, const std::vector<double> &values)
{
    std::vector<SweepRow> rows;
    rows.reserve(values.size());
    SweepEach(base, key, values, [&](const SweepRow &row) { rows.push_back(row); });
    return rows;
}

namespace {
// ",Leadout Position Behind CG (inches),…,Lap Speed (mph),Error\n"
std::string FiguresCsvHeader()
{
    std::string header;
    for (const FigureInfo &f : Figures) {
        header += std::string(",") + f.caption;
        if (*f.unit)
            header += " (" + UnitText(f.unit) + ")";
    }
    return header + ",Lap Speed (mph),Error\n";
}
}  // namespace

std::string SweepCsvHeader(const InputKey &key)
{
    std::string header = std::string(key.key);
    if (*key.unit)
        header += std::string(" (") + key.unit + ")";
    return header + FiguresCsvHeader();
}

void AppendSweepCsvRow(std::string &out, const SweepRow &row)
{
    AppendFullPrecision(out, static_cast<float>(row.input));
    for (int f = 0; f < FigureCount; ++f) {
        out += ',';
        if (row.ok)
            AppendFullPrecision(out, row.figures[f]);
    }
    out += ',';
    if (row.ok)
        AppendFullPrecision(out, row.lapSpeed);
    out += ',';
    AppendCsvField(out, row.error);
    out += '\n';
}

std::string SweepCsv(const InputKey &key, const std::vector<SweepRow> &rows)
{
    std::string csv = SweepCsvHeader(key);
    for (const SweepRow &row : rows)
        AppendSweepCsvRow(csv, row);
    return csv;
}

std::string ReadableSweepCsv(const std::string &inputTitle, const std::vector<SweepRow> &rows)
{
    std::string csv = inputTitle + FiguresCsvHeader();
    const auto append = [&csv](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", v);
        csv += text;
    };
    for (const SweepRow &row : rows) {
        append(static_cast<float>(row.input));
        for (int f = 0; f < FigureCount; ++f) {
            csv += ',';
            if (row.ok)
                append(row.figures[f]);
        }
        csv += ',';
        if (row.ok)
            append(row.lapSpeed);
        csv += ',';
        AppendCsvField(csv, row.error);
        csv += '\n';
    }
    return csv;
}

void AppendSweepJsonRow(std::string &out, const InputKey &key, const SweepRow &row)
{
    out += "{\"";
    out += key.key;
    out += "\": ";
    AppendFullPrecision(out, static_cast<float>(row.input));
    for (int f = 0; f < FigureCount; ++f) {
        out += ", \"";
        out += Figures[f].jsonKey;
        out += "\": ";
        if (row.ok)
            AppendFullPrecision(out, row.figures[f]);
        else
            out += "null";
    }
    out += ", \"LapSpeed\": ";
    if (row.ok)
        AppendFullPrecision(out, static_cast<double>(row.lapSpeed));
    else
        out += "null";
    out += ", \"Error\": ";
    if (row.ok)
        out += "null";
    else
        AppendJsonString(out, row.error);
    out += '}';
}

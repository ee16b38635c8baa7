#include "Sweep.h"

#include "Convert.h"
#include "EngineError.h"

#include <charconv>
#include <cmath>

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

std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

long SweepCount(double from, double to, double step)
{
    if (!(std::isfinite(from) && std::isfinite(to) && std::isfinite(step)) || step == 0)
        return 0;
    const double spans = (to - from) / step;
    if (spans < -1e-9)
        return 0;
    // A value within a millionth of a step of "to" still counts.
    const double n = std::floor(spans + 1e-6) + 1;
    return n > MaxSweepRows ? 0 : static_cast<long>(n);
}

std::vector<SweepRow> Sweep(const FlightCase &base, const InputKey &key, double from, double to, double step)
{
    const long n = SweepCount(from, to, step);
    std::vector<double> values;
    values.reserve(static_cast<size_t>(n));
    for (long i = 0; i < n; ++i)
        values.push_back(from + static_cast<double>(i) * step);
    return Sweep(base, key, values);
}

std::vector<SweepRow> Sweep(const FlightCase &base, const InputKey &key, const std::vector<double> &values)
{
    EngineStateKeeper keep;
    std::vector<SweepRow> rows(values.size());
    FlightCase fc = base;
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    for (size_t i = 0; i < values.size(); ++i) {
        SweepRow &row = rows[i];
        row.input = values[i];
        try {
            SetNumericInput(fc, key, values[i]);
            row.input = GetNumericInput(fc, key);  // as the field stores it
            engine.Recalculate(fc.LapTime);
            for (int f = 0; f < FigureCount; ++f)
                row.figures[f] = Figures[f].value(engine, fc, groundSpeed);
            row.lapSpeed = LapSpeed(fc);
            row.ok = true;
        } catch (const EngineError &e) {
            row.error = e.what();
        }
    }
    return rows;
}

std::string SweepCsvHeader(const InputKey &key)
{
    std::string header = std::string(key.key);
    if (*key.unit)
        header += std::string(" (") + key.unit + ")";
    for (const FigureInfo &f : Figures) {
        header += std::string(",") + f.caption;
        if (*f.unit)
            header += " (" + UnitText(f.unit) + ")";
    }
    return header + ",Lap Speed (mph),Error\n";
}

std::string SweepCsvRow(const SweepRow &row)
{
    std::string line = FullPrecision(static_cast<float>(row.input));
    for (int f = 0; f < FigureCount; ++f)
        line += "," + (row.ok ? FullPrecision(row.figures[f]) : std::string());
    line += "," + (row.ok ? FullPrecision(row.lapSpeed) : std::string());
    line += "," + CsvField(row.error);
    return line + "\n";
}

std::string SweepCsv(const InputKey &key, const std::vector<SweepRow> &rows)
{
    std::string csv = SweepCsvHeader(key);
    for (const SweepRow &row : rows)
        csv += SweepCsvRow(row);
    return csv;
}

// Sweep: the figures of a flight case as one input runs over a range, for
// the trim charts and for tethrix-calc --sweep.
#pragma once

#include "Figures.h"

#include <string>
#include <vector>

struct SweepRow {
    double input = 0;               // the swept input, in its field's unit
    bool ok = false;
    std::string error;              // the engine's message when !ok
    double figures[FigureCount]{};  // in the order of Figures
    float lapSpeed = 0;             // mph
};

constexpr long MaxSweepRows = 100000;

// The number of values from, from + step, … not beyond to; 0 when the step is
// 0, not a number or of the wrong sign, or when there would be more than
// MaxSweepRows values.
long SweepCount(double from, double to, double step);

// One row per value of key, every other input as in base. A row whose
// calculation fails holds the error instead of figures. The engine's state
// is left as it was before the sweep, so that nothing a window shows from it
// changes.
std::vector<SweepRow> Sweep(const FlightCase &base, const InputKey &key, double from, double to, double step);
// The same for an explicit list of values.
std::vector<SweepRow> Sweep(const FlightCase &base, const InputKey &key, const std::vector<double> &values);

// The CSV text: a header row with units, then one row per value, numbers at
// full precision with "." whatever the locale, the error (if any) last.
std::string SweepCsv(const InputKey &key, const std::vector<SweepRow> &rows);
std::string SweepCsvHeader(const InputKey &key);
std::string SweepCsvRow(const SweepRow &row);

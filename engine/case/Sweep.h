// Sweep: the figures of a flight case as one input runs over a range, for
// the trim charts and for tethrix-calc --sweep.
#pragma once

#include "case/Figures.h"

#include <functional>
#include <string>
#include <vector>

struct SweepRow {
    double input = 0;               // the swept input, in its field's unit
    bool ok = false;
    std::string error;              // the engine's message when !ok
    double figures[FigureCount]{};  // in the order of Figures
    double lapSpeed = 0;            // mph, solved in single precision
    float lapTime = 0;              // s, the lap time the row was solved with
};

// What a line-length sweep holds: the lap time (the speed then rises with the
// length), or the speed (the lap time grows with the flight path).
enum class SweepHold { LapTime, Speed };
// Whether key can be swept holding this, or why not: only the line length
// is swept at the same speed.
Result<> CheckSweepHold(const InputKey &key, SweepHold hold);

constexpr long MaxSweepRows = 100000;

// The number of values from, from + step, … not beyond to; 0 when the step is
// 0, not a number or of the wrong sign, or when there would be more than
// MaxSweepRows values.
long SweepCount(double from, double to, double step);

// Whether these limits can be swept for key, or why not: limits that are
// not finite or do not fit the field, and for the line count anything but
// whole numbers from 1 to 3.
Result<> CheckSweepLimits(const InputKey &key, double from, double to, double step);

// Calls sink once per value of key (from, to and step in the units shown),
// in order, every other input as in base,
// with a row that is reused from call to call. A row whose case has no
// verdict but an error holds the message instead of figures, with the same
// checks as the window. The sweep solves with an engine of its own: no
// other engine's figures change, and sweeps on other threads run beside it.
void SweepEach(const FlightCase &base, const InputKey &key, double from, double to, double step,
               const std::function<void(const SweepRow &)> &sink, SweepHold hold = SweepHold::LapTime,
               DisplayUnits units = DisplayUnits::Imperial);
// Rows first … first + count − 1 of the same sweep, as the whole sweep
// solves them: blocks of one sweep can be solved apart, each by its own
// engine.
void SweepEach(const FlightCase &base, const InputKey &key, double from, double step, long first, long count,
               const std::function<void(const SweepRow &)> &sink, SweepHold hold = SweepHold::LapTime,
               DisplayUnits units = DisplayUnits::Imperial);
void SweepEach(const FlightCase &base, const InputKey &key, const std::vector<double> &values,
               const std::function<void(const SweepRow &)> &sink, SweepHold hold = SweepHold::LapTime);
// The same, collected.
std::vector<SweepRow> Sweep(const FlightCase &base, const InputKey &key, const std::vector<double> &values,
                            SweepHold hold = SweepHold::LapTime);

// A row as it is shown: the input, the figures and the lap speed in the
// units shown (the lap time stays in seconds).
SweepRow ShownRow(const SweepRow &row, const InputKey &key, DisplayUnits units);

// Whether a sweep of key from base has figures that only a wind shows (the
// downwind tension): every row and the header then carry them.
bool SweepIsWindy(const FlightCase &base, const InputKey &key);

// The CSV table: a header row with units (the rows given already shown in
// them), then one row per value, numbers at
// full precision with "." whatever the locale, the error (if any) last.
// Holding the speed, a column of the lap time follows the input's.
// A windy sweep (SweepIsWindy) has the figures a wind shows too.
std::string SweepCsvHeader(const InputKey &key, SweepHold hold = SweepHold::LapTime,
                           DisplayUnits units = DisplayUnits::Imperial, bool windy = false);
void AppendSweepCsvRow(std::string &out, const SweepRow &row, SweepHold hold = SweepHold::LapTime, bool windy = false);
std::string SweepCsv(const InputKey &key, const std::vector<SweepRow> &rows);
// The same table for people: the input's column titled in words with its
// unit (inputTitle), numbers to six significant digits.
// Rows as the sweep made them; converted here.
std::string ReadableSweepCsv(const std::string &inputTitle, const InputKey &key, const std::vector<SweepRow> &rows,
                             SweepHold hold = SweepHold::LapTime, DisplayUnits units = DisplayUnits::Imperial,
                             bool windy = false);
// One row as a JSON object: the key's value, every figure, the lap speed and
// "Error" (null when the row has figures).
// Holding the speed, "lt" follows the key's value.
void AppendSweepJsonRow(std::string &out, const InputKey &key, const SweepRow &row,
                        SweepHold hold = SweepHold::LapTime, bool windy = false);

// text as one CSV field: quoted, its quotes doubled, when it holds a comma,
// a quote or a line end; a text a spreadsheet would run as a formula (one
// beginning with =, +, -, @, a tab or a carriage return) begins with a '.
// Every text in every table goes through it; numbers never do.
void AppendCsvField(std::string &out, const std::string &text);

// HangarLog: an airplane's trim log as a table, the same columns and texts
// in the window's table, the page's table, the CSV export and tethrix-calc;
// and what an import brought, in the same words in the window and the page.
#pragma once

#include "hangar/Hangar.h"
#include "case/Units.h"

#include <string>
#include <vector>

struct LogColumn {
    std::string title;  // "Line Tension (pounds)"
    bool numeric;       // sorted by value, not by text
};
// When, the airplane as flown (its nine inputs), the lap time measured, the
// eight conditions, the sixteen figures, then the flier's seven fields.
std::vector<LogColumn> LogColumns(DisplayUnits units);
// Indices of LogColumns the charts and short tables use.
constexpr int LogFlownColumn = 0;
constexpr int LogLapTimeColumn = 1 + AirplaneInputCount;
constexpr int LogFirstConditionColumn = LogLapTimeColumn + 1;
constexpr int LogFirstFigureColumn = LogFirstConditionColumn + ConditionKeyCount;
constexpr int LogFirstFlierColumn = LogFirstFigureColumn + FigureCount;
constexpr int LogColumnCount = LogFirstFlierColumn + 7;

struct LogCell {
    std::string text;  // empty for a number not known
    double value;      // the number shown (NaN when none); for a text, NaN
};
// A flight's row, numbers in the units shown (the figures to four
// significant digits, as the window shows them). The time is shown as kept,
// in UTC; a face may show it in the flier's own time zone.
std::vector<LogCell> LogRow(const Flight &flight, DisplayUnits units, char decimalSeparator = '.');

// The flights of airplaneId, newest first, as CSV with LogColumns' titles
// (every text through AppendCsvField, "." as the separator).
std::string LogCsv(const Hangar &hangar, const std::string &airplaneId, DisplayUnits units);

// "From hangar.json: Added 2 airplanes (Nobler, Shark) and 3 flights;
// updated 1 flight.", the first five names and how many more; or "Nothing
// changed: the hangar already holds everything in hangar.json."
std::string ImportSummaryText(const ImportSummary &summary, const std::string &fileName);

// An airplane's name as the name of a file exported from it, before its
// extension: folder separators and control characters as '-', blanks at
// either end dropped, and never a hidden file ("airplane" before a leading
// dot or an empty name).
std::string FileNameOf(const std::string &airplaneName);

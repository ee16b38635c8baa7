#include "ReportLines.h"

#include "Convert.h"
#include "Figures.h"

#include <cstdio>

std::string PrintedLine(const std::tm &t)
{
    static const char *const Days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buf[64];
    std::snprintf(buf, sizeof buf, "Printed %s %s %02d %02d:%02d:%02d %4d", Days[(t.tm_wday % 7 + 7) % 7],
                  Months[(t.tm_mon % 12 + 12) % 12], t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900);
    return buf;
}

ReportLines ReportLinesFor(const FlightCase &fc, const CalcEngine &engine, float groundSpeed, char sep,
                           const std::tm &localTime, DisplayUnits units)
{
    ReportLines r;
    r.units = units;
    r.airplaneName = fc.AcName;
    r.numLines = fc.NumLines < 1 ? 1 : fc.NumLines > 3 ? 3 : fc.NumLines;  // as the spin field shows it
    for (int i = 1; i < FirstConditionKey; ++i)
        r.inputCaptions.push_back(InputKeys[i].caption);
    // Line diameter … wing area, then the conditions, as the fields show them.
    for (int i = 2; i < InputKeyCount; ++i) {
        const InputKey &k = InputKeys[i];
        const std::string text = FormatShown(k.measure, units, fc.*(k.field), k.digits, sep);
        (i < FirstConditionKey ? r.inputTexts : r.conditionTexts).push_back(text);
    }
    for (const FigureInfo &f : Figures)
        r.resultTexts.push_back(FigureText(f, f.value(engine, fc, groundSpeed), sep, units));
    r.printed = PrintedLine(localTime);
    return r;
}


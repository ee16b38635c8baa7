// Units: the flier's choice of imperial or metric units for what is shown
// and typed. The engine, data files and stored settings stay imperial; a
// number is converted only where it meets the flier: when it is shown, and
// when a typed metric value becomes the imperial single-precision value the
// engine reads.
#pragma once

#include "numbers/EngineError.h"

#include <optional>
#include <string>

enum class DisplayUnits { Imperial, Metric };

// What an input or a figure measures, as far as the choice of its metric
// unit goes. None: the same unit in both systems (seconds, degrees, percent,
// the Reynolds number).
enum class Measure {
    None,
    SmallLength,   // inches -> mm
    Length,        // feet -> m
    Mass,          // ounces -> g
    WingArea,      // square inches -> dm²
    DragArea,      // square inches -> cm²
    Speed,         // mph -> km/h
    Temperature,   // °F -> °C
    Force,         // pounds(-force) -> N
    WingLoading,   // oz/sq ft -> g/dm²
    Pressure,      // inches of mercury -> hPa
    Load,          // pounds (a test load, as rule books give it in kg) -> kg
};

// "imperial" / "metric": the settings' and the command line's words are
// "Imperial"/"Metric" and "imperial"/"metric"; matched regardless of case.
const char *DisplayUnitsName(DisplayUnits units);  // "Imperial" or "Metric"
bool ParseDisplayUnits(const std::string &text, DisplayUnits &units);

// The metric unit's name ("mm", "dm²", "°C"; UTF-8), empty for None.
const char *MetricUnit(Measure m);

// The unit to show after a number: imperialText as this context writes it
// in imperial (" inches", "sq/inches"), or the metric unit with the same
// leading space.
std::string ShownUnit(Measure m, DisplayUnits units, const char *imperialText);

// An imperial value in the units shown, and back: exact factors, computed in
// double precision; identity for imperial and for None.
double ToShown(Measure m, DisplayUnits units, double imperial);
double FromShown(Measure m, DisplayUnits units, double shown);

// A typed text in the units shown, as the imperial single-precision value
// the engine reads. In imperial exactly ParseNumber; in metric the text is
// read in double precision, converted, then rounded once to single. Fails
// with the invalid-number message when the text is no number or the value
// does not fit single precision.
Result<float> ParseShown(Measure m, DisplayUnits units, const std::string &text, char decimalSeparator = '.');

// A stored imperial value as text in the units shown, with digits
// significant digits: in imperial exactly FormatNumber(value, digits).
std::string FormatShown(Measure m, DisplayUnits units, double imperial, int digits, char decimalSeparator = '.');

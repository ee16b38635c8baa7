// Comparison: two setups side by side. A case pinned as "A" keeps its own
// figures, calculated once; every figure of the case edited is then read
// beside A's value and the change from it.
#pragma once

#include "case/Figures.h"

#include <optional>
#include <string>
#include <vector>

struct PinnedCase {
    FlightCase fc;
    CaseFigures figures;
};

// A with its figures, from one calculation of its own; or why A cannot be
// calculated, with its full stop.
Result<PinnedCase> PinCase(const FlightCase &fc);

// The case a data file's bytes give when read over base, as File > Open
// reads them into the fields: the file's entries over base's values, the
// flying conditions base's.
FlightCase CaseFromFile(const FlightCase &base, const std::string &bytes);

// Every input and flying condition in which a and b differ, in the table's
// order and the units shown, each with its unit: "Line Diameter: A 0.018
// inches, B 0.015 inches". The airplane's name is left out (A's is named
// beside the figures); empty when they are the same case.
std::vector<std::string> InputDifferences(const FlightCase &a, const FlightCase &b,
                                          DisplayUnits units = DisplayUnits::Imperial, char decimalSeparator = '.');

// "A 8.042, +0.4937" in the figure's units shown: A's value, then the
// change from it to current ("no change" when they are equal); A's value
// alone when there is no current value, or when either is too large to show.
std::string ComparisonText(const FigureInfo &figure, double a, std::optional<double> current,
                           char decimalSeparator = '.', DisplayUnits units = DisplayUnits::Imperial);

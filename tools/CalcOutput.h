// tethrix-calc's standard output: the figures, the conditions and the
// comparison of two cases, as text, JSON or CSV.
#pragma once

#include "Comparison.h"

#include <string>

// Every figure fc shows and the lap speed as JSON members, in the units
// shown; a figure too large to show is null.
void AppendFiguresJson(std::string &text, const CaseFigures &figures, const FlightCase &fc, DisplayUnits units);

// "Conditions": the flying conditions as a JSON member, in the units shown.
void AppendConditions(std::string &text, const FlightCase &fc, DisplayUnits units);

// --compare's output: A's and B's figures, the change from A to B in the
// units shown (none when a figure is too large to show), and the inputs
// that differ.
enum class CompareFormat { Text, Json, Csv };
std::string ComparisonOutput(const PinnedCase &a, const PinnedCase &b, CompareFormat format, DisplayUnits units);

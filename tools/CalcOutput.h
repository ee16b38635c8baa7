// tethrix-calc's standard output: the figures, the conditions, a sweep's
// table and the comparison of two cases, as text, JSON or CSV, and the
// checked writes that put them there.
#pragma once

#include "case/Comparison.h"
#include "case/InputNotes.h"

#include <iosfwd>
#include <string>
#include <vector>

struct SweepRange;

// Writes text to out and checks that it got there.
bool Emit(std::ostream &out, const std::string &text);
// "cannot write the output", with the reason errno holds.
std::string WriteProblem();

// One calculated case: each figure fc shows as a line of text and the lap
// speed, or, with json, one object with the figures, the conditions, the
// units and the notes on its inputs as "Warnings".
std::string CaseOutput(const CaseFigures &figures, const FlightCase &fc, DisplayUnits units, bool json,
                       const std::vector<InputNote> &notes);

// --sweep: the table (CSV, or a JSON array with json) written to out as its
// rows are solved; a write that fails is told on err. Returns the exit
// status.
int RunSweep(const SweepRange &range, const FlightCase &fc, bool json, std::ostream &out, std::ostream &err);

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

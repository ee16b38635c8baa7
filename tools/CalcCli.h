// tethrix-calc: the calculator without the window, for fliers and scripts.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "case/Units.h"

struct FlightCase;
struct HangarModule;
struct ReportLines;
struct ReportRow;

// Draws the printed report as PDF bytes, its rows as given (in the flier's
// language); returns an error message, empty on success. Supplied by the
// program, which has the fonts.
using ReportRenderer =
    std::function<std::string(const ReportLines &lines, const std::vector<ReportRow> &rows, std::string &pdf)>;

// Puts the stored flying conditions (the window's) into fc and returns the
// problems met, one line each; they are warnings, not errors.
using ConditionsReader = std::function<std::vector<std::string>(FlightCase &fc)>;

// Loads the window's hangar store (the hangar module); nullptr with the
// reason in problem when it cannot be loaded.
using HangarLoader = std::function<const HangarModule *(std::string &problem)>;

// What the program supplies; tests and fuzzers run without them.
struct CalcServices {
    ReportRenderer renderReport;
    ConditionsReader readConditions;  // none: the built-in defaults
    HangarLoader loadHangar;          // none: hangar files only
    std::string language;             // TETHRIX_LANG's value; empty: not set
};

enum CalcExit : int {
    ExitSuccess = 0,
    ExitFailure = 1,  // the inputs cannot be calculated, or a file cannot be read or written
    ExitUsage = 2,    // unknown keys or options, values that are not numbers, conflicting options
};

// Runs the command line (without the program name) and returns the exit
// status. Nothing reaches out unless the whole answer can be given; every
// write to out is checked. Never throws.
int RunCalc(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
            const CalcServices &services = {});

// tethrix-calc's command line: its arguments read and checked, and --help.
#pragma once

#include "case/Sweep.h"
#include "case/Units.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct InputKey;

// A usage error: the message for standard error, exit status 2.
struct UsageError {
    std::string message;
};

// Elevation= and Altimeter=: the pressure altitude from the field's.
bool IsFieldKey(const std::string &key);

// The command line of a calculation, a sweep or a comparison, as given.
struct CalcArgs {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> inputs;  // key, value
    bool json = false;
    bool help = false;
    bool version = false;
    bool noSettings = false;
    bool compare = false;
    bool csv = false;
    std::optional<std::string> report;
    std::optional<std::string> sweep;
    std::optional<SweepHold> hold;
    std::optional<DisplayUnits> units;
};

// Reads args (without the program name) and checks that the options go
// together; throws UsageError.
CalcArgs ParseCalcArgs(const std::vector<std::string> &args);

// The range of a sweep argument, checked.
struct SweepRange {
    const InputKey *key;
    double from, to, step;  // in the units shown
    SweepHold hold;
    DisplayUnits units;
};

// Reads --sweep's KEY=FROM:TO:STEP in the units given; throws UsageError.
SweepRange ParseSweep(const std::string &argument, SweepHold hold, DisplayUnits units);

// The calculator's part of --help, the hangar's included.
void AppendCalcHelp(std::string &out);

// tethrix-calc's hangar commands: the airplanes and trim log of a hangar
// file, or of the window's own hangar, listed, calculated, added to and
// printed.
#pragma once

#include "tools/CalcCli.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Whether the command line is a hangar command: --hangar, --airplane, --add
// or --log before any "--", and no --help or --version.
bool IsHangarCommand(const std::vector<std::string> &args);

// Calculates as tethrix-calc calculates a data file, with dataFile's bytes
// standing in for the file and args the rest of the command line; returns
// the exit status.
using AirplaneCalculation = std::function<int(const std::vector<std::string> &args, const std::string &dataFile)>;

// Runs a hangar command; the exit status as RunCalc gives it. Throws
// nothing but what the standard library may (std::bad_alloc).
int RunHangar(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
              const CalcServices &services, const AirplaneCalculation &calculate);

// The hangar commands' part of --help.
void AppendHangarHelp(std::string &out);

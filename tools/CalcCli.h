// tethrix-calc: the calculator without the window, for fliers and scripts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs the command line (without the program name). Exit status: 0 on
// success, 1 for an engine error, 2 for a usage error.
int RunCalc(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

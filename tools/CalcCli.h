// tethrix-calc: the calculator without the window, for fliers and scripts.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

struct FlightCase;
class CalcEngine;

// Writes the printed report of a solved case as a PDF; returns an error
// message, empty on success. Supplied by the program, which has the fonts.
using ReportWriter = std::function<std::string(const std::string &pdfPath, const FlightCase &fc,
                                               const CalcEngine &engine, float groundSpeed)>;

// Runs the command line (without the program name). Exit status: 0 on
// success, 1 for an engine error or a file that cannot be read or written,
// 2 for a usage error.
int RunCalc(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
            const ReportWriter &writeReport = nullptr);

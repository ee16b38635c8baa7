#include "CalcCli.h"

#include "Convert.h"
#include "DataFile.h"
#include "EngineError.h"
#include "Figures.h"
#include "Sweep.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>

namespace {

constexpr int ExitEngineError = 1;
constexpr int ExitUsage = 2;

void PrintHelp(std::ostream &out)
{
    const FlightCase defaults = DefaultFlightCase();
    out << "Usage: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--json] [--report FILE.pdf]\n"
           "       tethrix-calc --sweep KEY=FROM:TO:STEP [FILE.TQD] [KEY=VALUE ...]\n"
           "Computes the trim figures of a control-line airplane. A data file is\n"
           "applied first, as the window's File > Open does, then the KEY=VALUE inputs.\n\n"
           "Keys (any letter case; numbers with '.' as decimal point):\n";
    for (const InputKey &k : InputKeys) {
        std::string line = "  " + std::string(k.key);
        line.resize(12, ' ');
        line += k.meaning;
        if (*k.unit)
            line += std::string(", ") + k.unit;
        line += " (default ";
        line += k.field ? FormatNumber(defaults.*(k.field), k.digits)
                        : (std::string(k.key) == "an" ? defaults.AcName : std::to_string(defaults.NumLines));
        out << line << ")\n";
    }
    out << "\nOptions:\n"
           "  --json      print one JSON object with every figure at full precision\n"
           "  --report F  also write the printed report as the PDF file F\n"
           "  --sweep KEY=FROM:TO:STEP\n"
           "              print a CSV table: KEY from FROM to TO by STEP (at most 100000\n"
           "              rows) with all eleven figures and the lap speed at full precision;\n"
           "              a row that cannot be calculated carries the message instead\n"
           "  --help      show this text\n"
           "  --version   show the version\n\n"
           "Exit status: 0 success, 1 the inputs cannot be calculated, 2 usage error.\n";
}

std::string JsonString(const std::string &s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

int RunSweep(const std::string &argument, const FlightCase &fc, std::ostream &out, std::ostream &err)
{
    const size_t eq = argument.find('=');
    const InputKey *key = eq == std::string::npos ? nullptr : FindInputKey(argument.substr(0, eq));
    if (key == nullptr || std::string(key->key) == "an") {
        err << "tethrix-calc: --sweep needs a numeric key, as in lt=4:6:0.1 (try --help)\n";
        return ExitUsage;
    }
    const std::string range = argument.substr(eq + 1);
    const size_t c1 = range.find(':');
    const size_t c2 = c1 == std::string::npos ? c1 : range.find(':', c1 + 1);
    if (c2 == std::string::npos) {
        err << "tethrix-calc: the sweep range must read FROM:TO:STEP\n";
        return ExitUsage;
    }
    double from, to, step;
    try {
        from = ParseWideNumber(range.substr(0, c1));
        to = ParseWideNumber(range.substr(c1 + 1, c2 - c1 - 1));
        step = ParseWideNumber(range.substr(c2 + 1));
    } catch (const EngineError &e) {
        err << "tethrix-calc: " << e.what() << "\n";
        return ExitUsage;
    }
    if (SweepCount(from, to, step) == 0) {
        err << "tethrix-calc: the sweep range is empty or has more than " << MaxSweepRows
            << " rows (STEP must be non-zero and lead from FROM to TO)\n";
        return ExitUsage;
    }
    out << SweepCsv(*key, Sweep(fc, *key, from, to, step));
    return 0;
}

}  // namespace

int RunCalc(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
            const ReportWriter &writeReport)
{
    FlightCase fc = DefaultFlightCase();
    bool json = false;
    bool anyKey = false;
    std::string reportPath;
    std::string sweepArgument;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--report") {
            if (i + 1 >= args.size() || !writeReport) {
                err << "tethrix-calc: --report needs a PDF file name\n";
                return ExitUsage;
            }
            reportPath = args[++i];
            continue;
        }
        if (arg == "--sweep") {
            if (i + 1 >= args.size()) {
                err << "tethrix-calc: --sweep needs KEY=FROM:TO:STEP\n";
                return ExitUsage;
            }
            sweepArgument = args[++i];
            continue;
        }
        if (arg.find('=') == std::string::npos && arg.rfind("-", 0) != 0) {
            // A data file, before any KEY=VALUE.
            if (anyKey) {
                err << "tethrix-calc: the data file must come before the KEY=VALUE inputs\n";
                return ExitUsage;
            }
            std::ifstream file(arg, std::ios::binary);
            if (!file) {
                err << "tethrix-calc: Cannot Open File " << arg << "\n";
                return ExitEngineError;
            }
            const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            FlightCaseTarget target(fc);
            ApplyDataFileEntries(ParseDataFile(content), target);
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            PrintHelp(out);
            return 0;
        }
        if (arg == "--version") {
            out << "tethrix-calc " << TETHRIX_VERSION << "\n";
            return 0;
        }
        if (arg == "--json") {
            json = true;
            continue;
        }
        const size_t eq = arg.find('=');
        if (eq == std::string::npos || arg.rfind("--", 0) == 0) {
            err << "tethrix-calc: unknown argument '" << arg << "' (try --help)\n";
            return ExitUsage;
        }
        const std::string key = arg.substr(0, eq);
        anyKey = true;
        try {
            if (!SetInput(fc, key, arg.substr(eq + 1))) {
                err << "tethrix-calc: unknown key '" << key << "' (try --help)\n";
                return ExitUsage;
            }
        } catch (const EngineError &e) {
            err << "tethrix-calc: " << key << ": " << e.what() << "\n";
            return ExitUsage;
        }
    }

    if (!sweepArgument.empty())
        return RunSweep(sweepArgument, fc, out, err);

    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    try {
        engine.Recalculate(fc.LapTime);
        double values[FigureCount];
        for (int i = 0; i < FigureCount; ++i)
            values[i] = Figures[i].value(engine, fc, groundSpeed);
        const float lapSpeed = LapSpeed(fc);
        if (json) {
            out << "{";
            for (int i = 0; i < FigureCount; ++i)
                out << JsonString(Figures[i].jsonKey) << ": " << FullPrecision(values[i]) << ", ";
            out << "\"LapSpeed\": " << FullPrecision(static_cast<double>(lapSpeed)) << "}\n";
        } else {
            for (int i = 0; i < FigureCount; ++i)
                out << FigureText(Figures[i], values[i]) << "\n";
            out << "Lap Speed = " << FormatNumber(lapSpeed, 4) << " mph\n";
        }
    } catch (const EngineError &e) {
        err << "tethrix-calc: " << e.what() << "\n";
        return ExitEngineError;
    }
    if (!reportPath.empty()) {
        const std::string problem = writeReport(reportPath, fc, engine, groundSpeed);
        if (!problem.empty()) {
            err << "tethrix-calc: " << problem << "\n";
            return ExitEngineError;
        }
    }
    return 0;
}

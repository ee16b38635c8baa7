#include "tools/CalcArguments.h"
#include "tools/CalcHangar.h"
#include "tools/CalcLanguage.h"

#include "physics/CalcEngine.h"
#include "numbers/Convert.h"
#include "case/Figures.h"
#include "lang/Format.h"
#include "storage/SafeFile.h"

#include <algorithm>

bool IsFieldKey(const std::string &key) { return NamesKey(key, "Elevation") || NamesKey(key, "Altimeter"); }

void AppendCalcHelp(std::string &out)
{
    const FlightCase defaults = DefaultFlightCase();
    out += Say("Usage: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]\n"
               "                   [--report FILE.pdf]\n"
               "       tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]\n"
               "                    [FILE.TQD] [KEY=VALUE ...]\n"
               "       tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]\n"
               "Computes the trim figures of a control-line airplane. The flying conditions\n"
               "are the ones the window keeps (Advanced > Data Entry), unless --no-settings;\n"
               "a data file is applied next, as the window's File > Open does, then the\n"
               "KEY=VALUE inputs. tethrix-calc never changes the stored settings.\n"
               "A file whose name contains '=' can be given after '--'.\n\n"
               "Keys (any letter case; numbers with '.' as decimal point; metric units\n"
               "in brackets, for --units=metric):\n");
    for (const InputKey &k : InputKeys) {
        std::string line = "  " + std::string(k.key);
        line.resize(std::max<size_t>(line.size() + 2, 12), ' ');
        line += Say(k.meaning);
        if (*k.unit)
            line += ", " + Say(k.unit);
        if (k.measure != Measure::None)
            line += std::string(" [") + MetricUnit(k.measure) + "]";
        line += Say(" (default ");
        line += k.field ? FormatNumber(defaults.*(k.field), k.digits)
                        : (IsInput(k, Input::AirplaneName) ? defaults.AcName : std::to_string(defaults.NumLines));
        out += line + ")\n";
    }
    out += Say("  Elevation   field elevation, feet [m], with\n"
               "  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,\n"
               "              in place of Altitude\n");
    std::string options = Say("A number of lines outside 1 to 3 is taken as the nearer of them, as the\n"
                              "window's field does.\n\n"
                              "Options:\n"
                              "  --json      print one JSON object with every figure at full precision;\n"
                              "              with --sweep, a JSON array of one object per row\n"
                              "  --report F  also write the printed report as the PDF file F\n"
                              "  --units=imperial|metric\n"
                              "              the units of the KEY=VALUE inputs, the sweep range and every\n"
                              "              figure printed (default imperial, whatever the window shows);\n"
                              "              data files and stored conditions are imperial either way, and\n"
                              "              --json keeps its keys and adds \"units\"\n"
                              "  --no-settings\n"
                              "              use the built-in flying conditions, not the stored ones\n"
                              "  --sweep KEY=FROM:TO:STEP\n"
                              "              print a CSV table: KEY from FROM to TO by STEP (at most 100000\n"
                              "              rows) with every figure and the lap speed at full precision;\n"
                              "              a row that cannot be calculated carries the message instead\n"
                              "  --hold=laptime|speed\n"
                              "              what a sweep of the line length (ll) holds: the lap time (the\n"
                              "              default; the speed rises with the length) or the speed (the lap\n"
                              "              time grows with the flight path; a column \"lt (seconds) at the\n"
                              "              same speed\" follows ll, and \"lt\" in --json)\n"
                              "  --compare A.TQD B.TQD\n"
                              "              print both cases and the change from A to B, figure by figure;\n"
                              "              the KEY=VALUE inputs apply to both; with --json one object\n"
                              "              with \"A\", \"B\" and \"Change\", with --csv a table, and\n"
                              "              --report prints B compared with A\n"
                              "  --csv       with --compare: Figure,Unit,A,B,Change rows\n"
                              "  --          every argument after this is a data file\n"
                              "  --help      show this text\n"
                              "  --version   show the version\n\n");
    // --lang at the end of the options, before their blank line, so that
    // the translations of the block above still match it.
    if (options.size() > 1 && options.compare(options.size() - 2, 2, "\n\n") == 0)
        options.pop_back();
    out += options;
    out += lang::Format(Say("  --lang CODE the language of --help and of the messages on standard error,\n"
                            "              one of %1\n"
                            "              (TETHRIX_LANG=CODE does the same); standard output is the same\n"
                            "              in every language\n")
                            .c_str(),
                        {CalcLanguageList()});
    out += "\n";
    AppendHangarHelp(out);
    out += Say("Exit status:\n"
               "  0  success\n"
               "  1  the inputs cannot be calculated, or a file cannot be read or written;\n"
               "     the message on standard error says why, and nothing is printed on\n"
               "     standard output\n"
               "  2  a usage error: an unknown key or option, a value that is not a\n"
               "     number, a missing or repeated option, or options that cannot be\n"
               "     combined (--sweep with --report or --compare, --hold without --sweep,\n"
               "     --compare without two files)\n");
}

CalcArgs ParseCalcArgs(const std::vector<std::string> &args)
{
    CalcArgs o;
    bool onlyFiles = false;
    auto takeValue = [&](size_t &i, const char *what) -> const std::string & {
        if (i + 1 >= args.size() || args[i + 1].empty())
            throw UsageError{std::string(args[i]) + Say(" needs ") + Say(what)};
        return args[++i];
    };
    auto addFile = [&](const std::string &arg) {
        if (!o.inputs.empty())
            throw UsageError{Say("the data file must come before the KEY=VALUE inputs")};
        o.files.push_back(arg);
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (onlyFiles) {
            addFile(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--report") {
            if (o.report)
                throw UsageError{Say("--report may be given once")};
            o.report = takeValue(i, "a PDF file name");
        } else if (arg == "--sweep") {
            if (o.sweep)
                throw UsageError{Say("--sweep may be given once")};
            o.sweep = takeValue(i, "KEY=FROM:TO:STEP");
        } else if (arg.rfind("--hold=", 0) == 0 || arg == "--hold") {
            if (o.hold)
                throw UsageError{Say("--hold may be given once")};
            const std::string what = arg == "--hold" ? takeValue(i, "speed or laptime") : arg.substr(7);
            if (what == "speed")
                o.hold = SweepHold::Speed;
            else if (what == "laptime")
                o.hold = SweepHold::LapTime;
            else
                throw UsageError{Say("--hold takes speed or laptime, not '") + what + Say("'")};
        } else if (arg.rfind("--units=", 0) == 0 || arg == "--units") {
            if (o.units)
                throw UsageError{Say("--units may be given once")};
            const std::string what = arg == "--units" ? takeValue(i, "imperial or metric") : arg.substr(8);
            DisplayUnits units;
            if (!ParseDisplayUnits(what, units))
                throw UsageError{Say("--units takes imperial or metric, not '") + what + Say("'")};
            o.units = units;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--no-settings") {
            o.noSettings = true;
        } else if (arg == "--compare") {
            o.compare = true;
        } else if (arg == "--csv") {
            o.csv = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{Say("unknown option '") + arg + Say("' (try --help)")};
        } else if (const size_t eq = arg.find('='); eq != std::string::npos) {
            const std::string key = arg.substr(0, eq);
            if (FindInputKey(key) != nullptr || IsFieldKey(key))
                o.inputs.emplace_back(key, arg.substr(eq + 1));
            else if (IsRegularFile(arg))
                addFile(arg);
            else
                throw UsageError{Say("unknown key '") + key + Say("' (try --help)")};
        } else {
            addFile(arg);
        }
    }
    if (o.sweep && o.report)
        throw UsageError{Say("--sweep and --report cannot be combined: a report shows one case")};
    if (o.hold && !o.sweep)
        throw UsageError{Say("--hold goes with --sweep")};
    if (o.compare && o.files.size() != 2)
        throw UsageError{Say("--compare needs two data files, A and B")};
    if (o.compare && o.sweep)
        throw UsageError{Say("--compare and --sweep cannot be combined")};
    if (o.csv && !o.compare)
        throw UsageError{Say("--csv goes with --compare")};
    if (o.csv && o.json)
        throw UsageError{Say("--csv and --json cannot be combined")};
    return o;
}

SweepRange ParseSweep(const std::string &argument, SweepHold hold, DisplayUnits units)
{
    const size_t eq = argument.find('=');
    const InputKey *key = eq == std::string::npos ? nullptr : FindInputKey(argument.substr(0, eq));
    if (key == nullptr || IsInput(*key, Input::AirplaneName))
        throw UsageError{Say("--sweep needs a numeric key, as in lt=4:6:0.1 (try --help)")};
    const std::string range = argument.substr(eq + 1);
    const size_t c1 = range.find(':');
    const size_t c2 = c1 == std::string::npos ? c1 : range.find(':', c1 + 1);
    if (c2 == std::string::npos || range.find(':', c2 + 1) != std::string::npos)
        throw UsageError{Say("the sweep range must read FROM:TO:STEP")};
    if (const Result<> held = CheckSweepHold(*key, hold); !held.ok())
        throw UsageError{Say("--hold=speed: ") + Say(held.error)};
    SweepRange s{key, 0, 0, 0, hold, units};
    for (auto [value, text] : {std::pair{&s.from, range.substr(0, c1)},
                               {&s.to, range.substr(c1 + 1, c2 - c1 - 1)},
                               {&s.step, range.substr(c2 + 1)}}) {
        const std::optional<double> v = ParseWideNumber(text);
        if (!v)
            throw UsageError{Say(InvalidNumberMessage(text))};
        *value = *v;
    }
    const auto imperial = [&](double v) { return FromShown(key->measure, units, v); };
    if (const Result<> limits = CheckSweepLimits(*key, imperial(s.from), imperial(s.to), s.step); !limits.ok())
        throw UsageError{Say("the sweep of ") + std::string(key->key) + Say(" cannot run: ") + Say(limits.error)};
    if (SweepCount(s.from, s.to, s.step) == 0)
        throw UsageError{Say("the sweep range is empty or has more than ") + std::to_string(MaxSweepRows) +
                         Say(" rows (STEP must be non-zero and lead from FROM to TO)")};
    return s;
}

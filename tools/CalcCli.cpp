#include "CalcCli.h"
#include "CalcHangar.h"
#include "CalcOutput.h"

#include "CaseEditor.h"
#include "Convert.h"
#include "DataFile.h"
#include "EngineError.h"
#include "Figures.h"
#include "SweepThreads.h"
#include "SafeFile.h"
#include "Sweep.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <optional>
#include <ostream>

namespace {

// Elevation= and Altimeter=: the pressure altitude from the field's.
bool IsFieldKey(const std::string &key) { return NamesKey(key, "Elevation") || NamesKey(key, "Altimeter"); }


// A usage error: the message for standard error, exit status 2.
struct UsageError {
    std::string message;
};

void PrintHelp(std::string &out)
{
    const FlightCase defaults = DefaultFlightCase();
    out += "Usage: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]\n"
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
           "in brackets, for --units=metric):\n";
    for (const InputKey &k : InputKeys) {
        std::string line = "  " + std::string(k.key);
        line.resize(std::max<size_t>(line.size() + 2, 12), ' ');
        line += k.meaning;
        if (*k.unit)
            line += std::string(", ") + k.unit;
        if (k.measure != Measure::None)
            line += std::string(" [") + MetricUnit(k.measure) + "]";
        line += " (default ";
        line += k.field ? FormatNumber(defaults.*(k.field), k.digits)
                        : (std::string(k.key) == "an" ? defaults.AcName : std::to_string(defaults.NumLines));
        out += line + ")\n";
    }
    out += "  Elevation   field elevation, feet [m], with\n"
           "  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,\n"
           "              in place of Altitude\n";
    out += "A number of lines outside 1 to 3 is taken as the nearer of them, as the\n"
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
           "  --version   show the version\n\n";
    AppendHangarHelp(out);
    out += "Exit status:\n"
           "  0  success\n"
           "  1  the inputs cannot be calculated, or a file cannot be read or written;\n"
           "     the message on standard error says why, and nothing is printed on\n"
           "     standard output\n"
           "  2  a usage error: an unknown key or option, a value that is not a\n"
           "     number, a missing or repeated option, or options that cannot be\n"
           "     combined (--sweep with --report or --compare, --hold without --sweep,\n"
           "     --compare without two files)\n";
}

struct Options {
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

Options ParseArguments(const std::vector<std::string> &args)
{
    Options o;
    bool onlyFiles = false;
    auto takeValue = [&](size_t &i, const char *what) -> const std::string & {
        if (i + 1 >= args.size() || args[i + 1].empty())
            throw UsageError{std::string(args[i]) + " needs " + what};
        return args[++i];
    };
    auto addFile = [&](const std::string &arg) {
        if (!o.inputs.empty())
            throw UsageError{"the data file must come before the KEY=VALUE inputs"};
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
                throw UsageError{"--report may be given once"};
            o.report = takeValue(i, "a PDF file name");
        } else if (arg == "--sweep") {
            if (o.sweep)
                throw UsageError{"--sweep may be given once"};
            o.sweep = takeValue(i, "KEY=FROM:TO:STEP");
        } else if (arg.rfind("--hold=", 0) == 0 || arg == "--hold") {
            if (o.hold)
                throw UsageError{"--hold may be given once"};
            const std::string what = arg == "--hold" ? takeValue(i, "speed or laptime") : arg.substr(7);
            if (what == "speed")
                o.hold = SweepHold::Speed;
            else if (what == "laptime")
                o.hold = SweepHold::LapTime;
            else
                throw UsageError{"--hold takes speed or laptime, not '" + what + "'"};
        } else if (arg.rfind("--units=", 0) == 0 || arg == "--units") {
            if (o.units)
                throw UsageError{"--units may be given once"};
            const std::string what = arg == "--units" ? takeValue(i, "imperial or metric") : arg.substr(8);
            DisplayUnits units;
            if (!ParseDisplayUnits(what, units))
                throw UsageError{"--units takes imperial or metric, not '" + what + "'"};
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
            throw UsageError{"unknown option '" + arg + "' (try --help)"};
        } else if (const size_t eq = arg.find('='); eq != std::string::npos) {
            const std::string key = arg.substr(0, eq);
            if (FindInputKey(key) != nullptr || IsFieldKey(key))
                o.inputs.emplace_back(key, arg.substr(eq + 1));
            else if (IsRegularFile(arg))
                addFile(arg);
            else
                throw UsageError{"unknown key '" + key + "' (try --help)"};
        } else {
            addFile(arg);
        }
    }
    if (o.sweep && o.report)
        throw UsageError{"--sweep and --report cannot be combined: a report shows one case"};
    if (o.hold && !o.sweep)
        throw UsageError{"--hold goes with --sweep"};
    if (o.compare && o.files.size() != 2)
        throw UsageError{"--compare needs two data files, A and B"};
    if (o.compare && o.sweep)
        throw UsageError{"--compare and --sweep cannot be combined"};
    if (o.csv && !o.compare)
        throw UsageError{"--csv goes with --compare"};
    if (o.csv && o.json)
        throw UsageError{"--csv and --json cannot be combined"};
    return o;
}

// The range of a sweep argument, checked.
struct SweepRange {
    const InputKey *key;
    double from, to, step;  // in the units shown
    SweepHold hold;
    DisplayUnits units;
};

SweepRange ParseSweep(const std::string &argument, SweepHold hold, DisplayUnits units)
{
    const size_t eq = argument.find('=');
    const InputKey *key = eq == std::string::npos ? nullptr : FindInputKey(argument.substr(0, eq));
    if (key == nullptr || std::string(key->key) == "an")
        throw UsageError{"--sweep needs a numeric key, as in lt=4:6:0.1 (try --help)"};
    const std::string range = argument.substr(eq + 1);
    const size_t c1 = range.find(':');
    const size_t c2 = c1 == std::string::npos ? c1 : range.find(':', c1 + 1);
    if (c2 == std::string::npos || range.find(':', c2 + 1) != std::string::npos)
        throw UsageError{"the sweep range must read FROM:TO:STEP"};
    if (const std::string problem = SweepHoldProblem(*key, hold); !problem.empty())
        throw UsageError{"--hold=speed: " + problem};
    SweepRange s{key, 0, 0, 0, hold, units};
    for (auto [value, text] : {std::pair{&s.from, range.substr(0, c1)}, {&s.to, range.substr(c1 + 1, c2 - c1 - 1)},
                               {&s.step, range.substr(c2 + 1)}}) {
        const std::optional<double> v = ParseWideNumber(text);
        if (!v)
            throw UsageError{InvalidNumberMessage(text)};
        *value = *v;
    }
    const auto imperial = [&](double v) { return FromShown(key->measure, units, v); };
    if (const std::string problem = SweepLimitsProblem(*key, imperial(s.from), imperial(s.to), s.step);
        !problem.empty())
        throw UsageError{"the sweep of " + std::string(key->key) + " cannot run: " + problem};
    if (SweepCount(s.from, s.to, s.step) == 0)
        throw UsageError{"the sweep range is empty or has more than " + std::to_string(MaxSweepRows) +
                         " rows (STEP must be non-zero and lead from FROM to TO)"};
    return s;
}

// Writes text to out and checks that it got there.
bool Emit(std::ostream &out, const std::string &text)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

std::string WriteProblem()
{
    const int error = errno;
    return std::string("cannot write the output") + (error != 0 ? std::string(": ") + std::strerror(error) : "");
}

// A sweep this long is solved on every usable core, one engine each.
constexpr long ThreadedRows = 2048;

int RunSweep(const SweepRange &range, const FlightCase &fc, bool json, std::ostream &out, std::ostream &err)
{
    // Rows go out as they are computed, through one reused buffer.
    const bool windy = SweepIsWindy(fc, *range.key);
    std::string buffer = json ? "[\n" : SweepCsvHeader(*range.key, range.hold, range.units, windy);
    bool first = true;
    bool failed = false;
    SweepRow shown;
    errno = 0;
    const auto write = [&](const SweepRow &solved) {
        if (failed)
            return;
        // Imperial rows go out as solved, without a copy.
        const SweepRow &row = range.units == DisplayUnits::Imperial ? solved : (shown = ShownRow(solved, *range.key, range.units));
        if (json) {
            if (!first)
                buffer += ",\n";
            AppendSweepJsonRow(buffer, *range.key, row, range.hold, windy);
        } else {
            AppendSweepCsvRow(buffer, row, range.hold, windy);
        }
        first = false;
        if (buffer.size() >= 1 << 16) {
            failed = !Emit(out, buffer);
            buffer.clear();
        }
    };
    const long rows = SweepCount(range.from, range.to, range.step);
    const int threads = UsableCores();
    if (rows >= ThreadedRows && threads > 1) {
        SweepOnThreads(
            rows, threads,
            [&](long first, long count, std::vector<SweepRow> &block) {
                block.clear();
                SweepEach(
                    fc, *range.key, range.from, range.step, first, count,
                    [&](const SweepRow &row) { block.push_back(row); }, range.hold, range.units);
            },
            write);
    } else {
        SweepEach(fc, *range.key, range.from, range.to, range.step, write, range.hold, range.units);
    }
    if (json)
        buffer += "\n]\n";
    if (failed || !Emit(out, buffer) || !out.flush()) {
        err << "tethrix-calc: " << WriteProblem() << "\n";
        return ExitFailure;
    }
    return ExitSuccess;
}

// Reads the data files into e, then the KEY=VALUE inputs over them, as a
// case is read whatever is done with it. Returns false, the message
// written to err, when a file cannot be read; throws UsageError.
bool ReadCase(CaseEditor &e, const std::vector<std::string> &files, const Options &o, DisplayUnits units,
              std::ostream &err, const std::string *airplane = nullptr)
{
    if (airplane != nullptr)
        e.ReadFile(*airplane);
    for (const std::string &path : files) {
        std::string content;
        if (const std::string problem = ReadSmallFile(path, MaxDataFileBytes, content); !problem.empty()) {
            err << "tethrix-calc: Cannot Open File " << path << ": " << problem << "\n";
            return false;
        }
        e.ReadFile(content);
    }
    // The field's elevation and altimeter setting give the pressure
    // altitude, in place of Altitude=.
    std::optional<std::string> elevation, altimeter;
    bool altitude = false;
    for (const auto &[key, value] : o.inputs) {
        if (NamesKey(key, "Elevation"))
            elevation = value;
        else if (NamesKey(key, "Altimeter"))
            altimeter = value;
        altitude = altitude || NamesKey(key, "Altitude");
    }
    if ((elevation || altimeter) && altitude)
        throw UsageError{"Altitude= cannot be given with Elevation= and Altimeter="};
    if (elevation.has_value() != altimeter.has_value())
        throw UsageError{"Elevation= and Altimeter= go together"};
    for (const auto &[key, value] : o.inputs)
        if (IsFieldKey(key))
            continue;
        else if (const std::string problem = e.SetInput(key, value); !problem.empty()) {
            const InputKey *input = FindInputKey(key);
            throw UsageError{key + ": " + problem +
                             (input ? " " + AdviceOnText(*input, units, '.', value).text : std::string())};
        }
    if (elevation) {
        std::string text;
        if (const std::string problem = e.PressureAltitudeText(*elevation, *altimeter, text); !problem.empty())
            throw UsageError{"Elevation, Altimeter: " + problem};
        if (const std::string note = e.AltimeterNote(*altimeter); !note.empty())
            err << "tethrix-calc: warning: Altimeter: " << note << "\n";
        e.SetInput("Altitude", text);
    }
    return true;
}

// airplane: a hangar's airplane as its data file, read in place of one.
int Run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, const CalcServices &services,
        const std::string *airplane = nullptr)
{
    if (airplane == nullptr && IsHangarCommand(args))
        return RunHangar(args, out, err, services, [&](const std::vector<std::string> &rest, const std::string &file) {
            return Run(rest, out, err, services, &file);
        });
    const ReportRenderer &render = services.renderReport;
    Options o;
    std::optional<SweepRange> sweep;
    CaseEditor edited;  // the inputs read as every face reads them
    CaseEditor other;   // --compare: A (edited is B)
    DisplayUnits units = DisplayUnits::Imperial;
    try {
        o = ParseArguments(args);
        if (airplane != nullptr && (!o.files.empty() || o.compare))
            throw UsageError{"--airplane is read in place of a data file: give no data file with it"};
        units = o.units.value_or(DisplayUnits::Imperial);
        edited.SetUnits(units);
        other.SetUnits(units);
        if (o.help || o.version) {
            std::string text;
            if (o.help)
                PrintHelp(text);
            else
                text = std::string("tethrix-calc ") + TETHRIX_VERSION + "\n";
            errno = 0;
            if (!Emit(out, text) || !out.flush()) {
                err << "tethrix-calc: " << WriteProblem() << "\n";
                return ExitFailure;
            }
            return ExitSuccess;
        }
        if (o.report && !render)
            throw UsageError{"--report is not available in this build"};
        if (o.sweep)
            sweep = ParseSweep(*o.sweep, o.hold.value_or(SweepHold::LapTime), units);
        if (!o.noSettings && services.readConditions) {
            for (const std::string &problem : services.readConditions(edited.Case()))
                err << "tethrix-calc: warning: " << problem << "\n";
            // Conditions kept by the window change the figures: say which.
            if (const std::string changed = edited.ConditionsSummary(true); !changed.empty())
                err << "tethrix-calc: stored flying conditions: " << changed << " (--no-settings uses the built-in ones)\n";
        }
        if (o.compare) {
            // A and B alike: the same flying conditions, each file, the same inputs.
            for (int i = FirstConditionKey; i < InputKeyCount; ++i)
                other.SetStored(InputKeys[i], edited.Case().*(InputKeys[i].field));
            if (!ReadCase(other, {o.files[0]}, o, units, err) || !ReadCase(edited, {o.files[1]}, o, units, err))
                return ExitFailure;
        } else if (!ReadCase(edited, o.files, o, units, err, airplane)) {
            return ExitFailure;
        }
    } catch (const UsageError &e) {
        err << "tethrix-calc: " << e.message << "\n";
        return ExitUsage;
    }

    const FlightCase &fc = edited.Case();
    if (sweep)
        return RunSweep(*sweep, fc, o.json, out, err);

    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    std::string text;
    std::vector<InputNote> notes;
    if (o.compare) {
        // B's figures beside A's; B's report prints the comparison.
        const PinnedCase a = PinCase(other.Case()), b = PinCase(fc);
        for (const auto &[name, side] : {std::pair{"A", &a}, {"B", &b}})
            if (!side->figures) {
                err << "tethrix-calc: " << name << ": " << side->error << "\n";
                return ExitFailure;
            }
        text = ComparisonOutput(a, b, o.json ? CompareFormat::Json : o.csv ? CompareFormat::Csv : CompareFormat::Text,
                                units);
        edited.KeepAsA(other.Case());
    } else {
        const Checked<CaseFigures> solved = SolveCase(engine, fc, groundSpeed);
        if (!solved.ok()) {
            err << "tethrix-calc: " << solved.error << "\n";
            // The input behind it, by its key, and what would fix it.
            if (const InputNote advice = AdviceFor(fc, units); advice.key)
                err << "tethrix-calc: " << advice.key->key << ": " << advice.text << "\n";
            return ExitFailure;
        }
        const CaseFigures &figures = solved.value;
        notes = NotesOn(fc, engine.Results().airspeed * MphPerMetrePerSecond, units, '.', figures.values);
        if (o.json) {
            text = "{";
            AppendFiguresJson(text, figures, fc, units);
            text += ", ";
            AppendConditions(text, fc, units);
            text += ", \"units\": ";
            AppendJsonString(text, units == DisplayUnits::Metric ? "metric" : "imperial");
            text += ", \"Warnings\": [";
            for (const InputNote &note : notes) {
                if (&note != &notes.front())
                    text += ", ";
                AppendJsonString(text, std::string(note.key->key) + ": " + note.text);
            }
            text += "]}\n";
        } else {
            const HighestTension highest = HighestTensionOf(figures.values, fc);
            for (int i = 0; i < FigureCount; ++i)
                if (FigureShown(Figures[i], fc))
                    text += FigureText(Figures[i], figures.values[i], '.', units, highest.pounds, highest.downwind) + "\n";
            text += "Lap Speed = " + FormatShown(Measure::Speed, units, figures.lapSpeed, 4) +
                    ShownUnit(Measure::Speed, units, " mph") + "\n";
        }
    }
    for (const InputNote &note : notes)
        err << "tethrix-calc: warning: " << note.key->key << ": " << note.text << "\n";
    // The report before the figures, so that a report that cannot be
    // written leaves standard output empty.
    if (o.report) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        std::string problem, pdf;
        const ReportLines lines = edited.Report(local, problem);
        if (problem.empty())
            problem = render(lines, pdf);
        if (problem.empty())
            problem = WriteFileSafely(*o.report, pdf);
        if (!problem.empty()) {
            err << "tethrix-calc: Cannot write the report " << *o.report << ": " << problem << "\n";
            return ExitFailure;
        }
    }
    errno = 0;
    if (!Emit(out, text) || !out.flush()) {
        err << "tethrix-calc: " << WriteProblem() << "\n";
        return ExitFailure;
    }
    return ExitSuccess;
}

}  // namespace

int RunCalc(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
            const CalcServices &services)
{
    try {
        return Run(args, out, err, services);
    } catch (const std::exception &e) {
        err << "tethrix-calc: " << e.what() << "\n";
    } catch (...) {
        err << "tethrix-calc: unexpected error\n";
    }
    return ExitFailure;
}

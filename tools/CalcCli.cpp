// tethrix-calc's run: the command line (CalcArguments) read into a case as
// every face reads one, calculated, and its outputs (CalcOutput) written
// only when the whole answer can be given.
#include "tools/CalcCli.h"
#include "tools/CalcArguments.h"
#include "tools/CalcHangar.h"
#include "tools/CalcLanguage.h"
#include "tools/CalcOutput.h"

#include "case/CaseEditor.h"
#include "case/DataFile.h"
#include "numbers/EngineError.h"
#include "case/ReportLines.h"
#include "storage/SafeFile.h"

#include <cerrno>
#include <ctime>
#include <optional>
#include <ostream>

namespace {

// Reads the data files into e, then the KEY=VALUE inputs over them, as a
// case is read whatever is done with it. Returns false, the message
// written to err, when a file cannot be read; throws UsageError.
bool ReadCase(CaseEditor &e, const std::vector<std::string> &files, const CalcArgs &o, DisplayUnits units,
              std::ostream &err, const std::string *airplane = nullptr)
{
    if (airplane != nullptr)
        e.ReadFile(*airplane);
    for (const std::string &path : files) {
        std::string content;
        if (const std::string problem = ReadSmallFile(path, MaxDataFileBytes, content); !problem.empty()) {
            err << Say("tethrix-calc: Cannot Open File ") << path << ": " << Say(problem) << "\n";
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
        throw UsageError{Say("Altitude= cannot be given with Elevation= and Altimeter=")};
    if (elevation.has_value() != altimeter.has_value())
        throw UsageError{Say("Elevation= and Altimeter= go together")};
    for (const auto &[key, value] : o.inputs)
        if (IsFieldKey(key))
            continue;
        else if (const Result<> set = e.SetInput(key, value); !set.ok()) {
            const InputKey *input = FindInputKey(key);
            throw UsageError{key + ": " + Say(set.error) +
                             (input ? " " + Say(AdviceOnText(*input, units, '.', value).text) : std::string())};
        }
    if (elevation) {
        const Result<std::string> altitude = e.PressureAltitudeText(*elevation, *altimeter);
        if (!altitude.ok())
            throw UsageError{Say("Elevation, Altimeter: ") + Say(altitude.error)};
        if (const std::string note = e.AltimeterNote(*altimeter); !note.empty())
            err << Say("tethrix-calc: warning: Altimeter: ") << Say(note) << "\n";
        if (const Result<> set = e.SetInput("Altitude", altitude.value); !set.ok())
            throw UsageError{Say("Elevation, Altimeter: ") + Say(set.error)};
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
    CalcArgs o;
    std::optional<SweepRange> sweep;
    CaseEditor edited;  // the inputs read as every face reads them
    CaseEditor other;   // --compare: A (edited is B)
    DisplayUnits units = DisplayUnits::Imperial;
    try {
        o = ParseCalcArgs(args);
        if (airplane != nullptr && (!o.files.empty() || o.compare))
            throw UsageError{Say("--airplane is read in place of a data file: give no data file with it")};
        units = o.units.value_or(DisplayUnits::Imperial);
        edited.SetUnits(units);
        other.SetUnits(units);
        if (o.help || o.version) {
            std::string text;
            if (o.help)
                AppendCalcHelp(text);
            else
                text = std::string("tethrix-calc ") + TETHRIX_VERSION + "\n";
            errno = 0;
            if (!Emit(out, text) || !out.flush()) {
                err << "tethrix-calc: " << Say(WriteProblem()) << "\n";
                return ExitFailure;
            }
            return ExitSuccess;
        }
        if (o.report && !render)
            throw UsageError{Say("--report is not available in this build")};
        if (o.sweep)
            sweep = ParseSweep(*o.sweep, o.hold.value_or(SweepHold::LapTime), units);
        if (!o.noSettings && services.readConditions) {
            for (const std::string &problem : services.readConditions(edited.Case()))
                err << Say("tethrix-calc: warning: ") << Say(problem) << "\n";
            // Conditions kept by the window change the figures: say which.
            if (const std::string changed = edited.ConditionsSummary(true); !changed.empty())
                err << Say("tethrix-calc: stored flying conditions: ") << Say(changed)
                    << Say(" (--no-settings uses the built-in ones)\n");
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
        const Result<PinnedCase> a = PinCase(other.Case()), b = PinCase(fc);
        for (const auto &[name, side] : {std::pair{"A", &a}, {"B", &b}})
            if (!side->ok()) {
                err << "tethrix-calc: " << name << ": " << Say(side->error) << "\n";
                return ExitFailure;
            }
        text = ComparisonOutput(a.value, b.value,
                                o.json  ? CompareFormat::Json
                                : o.csv ? CompareFormat::Csv
                                        : CompareFormat::Text,
                                units);
        (void)edited.KeepAsA(other.Case());  // A was calculated above: it is kept
    } else {
        const Result<CaseFigures> solved = SolveCase(engine, fc, groundSpeed);
        if (!solved.ok()) {
            err << "tethrix-calc: " << Say(solved.error) << "\n";
            // The input behind it, by its key, and what would fix it.
            if (const InputNote advice = AdviceFor(fc, units); advice.key)
                err << "tethrix-calc: " << advice.key->key << ": " << Say(advice.text) << "\n";
            return ExitFailure;
        }
        const CaseFigures &figures = solved.value;
        notes = NotesOn(fc, engine.Results().airspeed * MphPerMetrePerSecond, units, '.', figures.values);
        text = CaseOutput(figures, fc, units, o.json, notes);
    }
    for (const InputNote &note : notes)
        err << Say("tethrix-calc: warning: ") << note.key->key << ": " << Say(note.text) << "\n";
    // The report before the figures, so that a report that cannot be
    // written leaves standard output empty.
    if (o.report) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const Result<ReportLines> report = edited.Report(local);
        std::string problem = report.error, pdf;
        if (problem.empty())
            problem = render(report.value, SaidReportRows(report.value), pdf);
        if (problem.empty())
            problem = WriteFileSafely(*o.report, pdf);
        if (!problem.empty()) {
            err << Say("tethrix-calc: Cannot write the report ") << *o.report << ": " << Say(problem) << "\n";
            return ExitFailure;
        }
    }
    errno = 0;
    if (!Emit(out, text) || !out.flush()) {
        err << "tethrix-calc: " << Say(WriteProblem()) << "\n";
        return ExitFailure;
    }
    return ExitSuccess;
}

}  // namespace

int RunCalc(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
            const CalcServices &services)
{
    try {
        std::vector<std::string> rest = args;
        std::string language, warning;
        try {
            language = TakeCalcLanguage(rest, services.language, warning);
        } catch (const UsageError &e) {
            err << "tethrix-calc: " << e.message << "\n";
            return ExitUsage;
        }
        const CalcSpeech speech(language);
        if (!warning.empty())
            err << "tethrix-calc: warning: " << warning << "\n";
        return Run(rest, out, err, services);
    } catch (const std::exception &e) {
        err << "tethrix-calc: " << Say(e.what()) << "\n";
    } catch (...) {
        err << "tethrix-calc: unexpected error\n";
    }
    return ExitFailure;
}

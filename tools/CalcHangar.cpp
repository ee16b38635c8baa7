#include "tools/CalcHangar.h"
#include "tools/CalcHangarOutput.h"
#include "tools/CalcLanguage.h"

#include "numbers/Convert.h"
#include "case/DataFile.h"
#include "hangar/HangarChange.h"
#include "hangar/HangarFile.h"
#include "hangar/HangarLog.h"
#include "storage/HangarModule.h"
#include "storage/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <optional>
#include <ostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Usage {
    std::string message;
};

enum class Command { List, Airplane, Add, Log };

struct HangarArgs {
    std::optional<std::string> file;  // none: the window's hangar
    Command command = Command::List;
    std::optional<std::string> name;  // --airplane NAME, --log NAME
    std::vector<std::string> rest;    // the rest of the command line, in order
};

// Picks the hangar's own options out of the command line and leaves the
// rest, in order, to the command.
HangarArgs ParseHangarArgs(const std::vector<std::string> &args)
{
    HangarArgs h;
    bool hangar = false, command = false, onlyFiles = false;
    const auto setCommand = [&](Command c) {
        if (command)
            throw Usage{Say("--airplane, --add and --log cannot be combined: give one of them")};
        command = true;
        h.command = c;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool next = i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-';
        if (onlyFiles) {
            h.rest.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
            h.rest.push_back(arg);
        } else if (arg == "--hangar") {
            if (hangar)
                throw Usage{Say("--hangar may be given once")};
            hangar = true;
            if (next)
                h.file = args[++i];
        } else if (arg == "--airplane") {
            setCommand(Command::Airplane);
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw Usage{Say("--airplane needs the name or id of an airplane")};
            h.name = args[++i];
        } else if (arg == "--add") {
            setCommand(Command::Add);
        } else if (arg == "--log") {
            setCommand(Command::Log);
            if (next)
                h.name = args[++i];
        } else {
            h.rest.push_back(arg);
        }
    }
    if (!hangar)
        throw Usage{Say("--airplane, --add and --log go with --hangar [FILE] (try --help)")};
    return h;
}

// ---- Where the hangar is: a file, or the window's store ----

class Source {
public:
    Source(const HangarArgs &h, const CalcServices &services) : file(h.file), services(services)
    {
        where = file ? *file : Say("the window's hangar");
    }
    const std::string &Where() const { return where; }

    // The content; the reason it cannot be read, or empty. missingIsEmpty:
    // a file not there yet is an empty hangar (--add creates it).
    std::string Read(Hangar &hangar, bool missingIsEmpty = false)
    {
        if (!file) {
            if (std::string problem = Load(); !problem.empty())
                return problem;
            std::string path;
            std::string problem = module->read(hangar, path);
            Named(path);
            return problem.empty() ? std::string() : Say("Cannot read ") + Where(problem) + ": " + Say(problem);
        }
        std::string bytes;
        std::string problem = FileBytes(bytes);
        if (missingIsEmpty && problem.empty() && !exists) {
            hangar = Hangar();
            return {};
        }
        if (problem.empty() && !exists)
            problem = std::strerror(ENOENT);
        if (problem.empty()) {
            readBytes = bytes;
            Result<Hangar> read = ReadHangarFile(bytes);
            problem = read.error;
            hangar = std::move(read.value);
        }
        return problem.empty() ? std::string() : Say("Cannot read the hangar ") + *file + ": " + Say(problem);
    }

    // Runs edit on the newest content and keeps what it changed: the file
    // written whole through the safe-write path, the window's store in one
    // transaction. The reason it failed (nothing kept), or empty.
    std::string Edit(const std::function<Result<>(Hangar &)> &edit)
    {
        if (!file) {
            if (std::string problem = Load(); !problem.empty())
                return problem;
            HangarChange applied;
            std::string path;
            std::string problem = module->edit(edit, applied, path);
            Named(path);
            return problem.empty() ? std::string() : Say("Cannot change ") + Where(problem) + ": " + Say(problem);
        }
        Hangar hangar;
        if (std::string problem = Read(hangar, true); !problem.empty())
            return problem;
        const Result<HangarEdit> edited = EditHangar(hangar, edit);
        if (!edited.ok())
            return Say(edited.error);
        const Result<std::string> text = HangarFileText(edited.value.hangar);
        std::string problem = text.error;
        // Another program's change since it was read is not written over.
        std::string now;
        if (problem.empty() && (!FileBytes(now).empty() || (exists ? now != readBytes : !readBytes.empty())))
            problem = "it changed while this command ran: nothing was written, try again";
        if (problem.empty())
            problem = WriteFileSafely(*file, text.value);
        return problem.empty() ? std::string() : Say("Cannot write the hangar ") + *file + ": " + Say(problem);
    }

private:
    // The file's bytes, or the reason they cannot be read; exists tells
    // whether it is there at all.
    std::string FileBytes(std::string &bytes)
    {
        struct stat st {};
        exists = !(::stat(file->c_str(), &st) != 0 && errno == ENOENT);
        bytes.clear();
        // One byte more than a hangar file holds, so that the reader says
        // what is too large in its own words.
        return exists ? ReadSmallFile(*file, MaxHangarFileBytes + 1, bytes) : std::string();
    }

    std::string Load()
    {
        if (module != nullptr)
            return {};
        std::string problem;
        module = services.loadHangar(problem);
        if (module == nullptr)
            return Say("Cannot open the window's hangar: ") +
                   Say(problem.empty() ? std::string("it did not load") : problem);
        return {};
    }
    // Where, for a message: the path once, not again when the store's own
    // reason names it.
    std::string Where(const std::string &problem) const
    {
        return path.empty() || problem.find(path) == std::string::npos ? where : Say("the window's hangar");
    }
    void Named(const std::string &path)
    {
        if (!path.empty())
            where = Say("the window's hangar ") + (this->path = path);
    }

    std::optional<std::string> file;
    const CalcServices &services;
    const HangarModule *module = nullptr;
    std::string where, path;  // path: the window's database
    std::string readBytes;    // the file as read; empty when it was not there
    bool exists = false;
};

// ---- Ids and times: the hangar's caller makes them ----

// 32 hex digits from the system's random source.
std::string NewId(std::string &problem)
{
    unsigned char bytes[16];
    const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    ssize_t got = -1;
    if (fd >= 0) {
        got = ::read(fd, bytes, sizeof bytes);
        ::close(fd);
    }
    if (got != static_cast<ssize_t>(sizeof bytes)) {
        problem = Say("cannot make an airplane's id from /dev/urandom: ") + std::strerror(errno ? errno : EIO);
        return {};
    }
    static const char hex[] = "0123456789abcdef";
    std::string id;
    for (unsigned char b : bytes) {
        id += hex[b >> 4];
        id += hex[b & 15];
    }
    return id;
}

std::string NowUtc()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// ---- Finding an airplane by its name or id ----

std::string Quoted(const std::string &text) { return "'" + text + "'"; }

// The names held, for a message: at most a few.
std::string NamesHeld(const Hangar &hangar, const std::string &where)
{
    const std::vector<Airplane> &all = hangar.Airplanes();
    if (all.empty())
        return where + Say(" holds no airplanes");
    std::vector<std::string> names;
    for (const Airplane &a : all)
        names.push_back(a.Name());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    constexpr std::size_t Shown = 12;
    std::string text = where + Say(" holds ");
    for (std::size_t i = 0; i < names.size() && i < Shown; ++i)
        text += (i ? ", " : "") + Quoted(names[i]);
    if (names.size() > Shown)
        text += Say(" and ") + std::to_string(names.size() - Shown) + Say(" other names (--hangar alone lists them)");
    return text;
}

// The airplane NAME names (its name or its id): one, or the reason.
std::string FindOne(const Hangar &hangar, const std::string &name, const std::string &where, const Airplane *&found)
{
    std::vector<const Airplane *> matches = hangar.AirplanesNamed(name);
    if (const Airplane *byId = hangar.FindAirplane(name);
        byId != nullptr && std::find(matches.begin(), matches.end(), byId) == matches.end())
        matches.push_back(byId);
    if (matches.size() == 1) {
        found = matches.front();
        return {};
    }
    if (matches.empty())
        return Say("no airplane is named ") + Quoted(name) + Say(" or has that id: ") + NamesHeld(hangar, where);
    const std::vector<std::string> lastFlown = hangar.LastFlownOfAll();
    std::string text = std::to_string(matches.size()) + Say(" airplanes match ") + Quoted(name) + ":";
    for (const Airplane *a : matches) {
        const std::string &last = lastFlown[static_cast<std::size_t>(a - hangar.Airplanes().data())];
        text += (a == matches.front() ? " " : "; ") + Quoted(a->Name()) + Say(" id ") + a->id +
                (last.empty() ? Say(", never flown") : Say(", last flown ") + last);
    }
    return text + Say(". Give its id in place of the name");
}

// ---- Output ----

bool Emit(std::ostream &out, std::ostream &err, const std::string &text, const char *done = "")
{
    errno = 0;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out && out.flush())
        return true;
    const int error = errno;
    err << "tethrix-calc: " << Say(done) << Say("cannot write the output")
        << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
    return false;
}

// ---- The commands ----

int List(Source &source, const HangarArgs &h, std::ostream &out, std::ostream &err)
{
    bool json = false;
    for (const std::string &arg : h.rest)
        if (arg == "--json" && !json)
            json = true;
        else
            throw Usage{Quoted(arg) + Say(" does not go with --hangar's list of airplanes (try --help)")};
    Hangar hangar;
    if (const std::string problem = source.Read(hangar); !problem.empty()) {
        err << "tethrix-calc: " << problem << "\n";
        return ExitFailure;
    }
    return Emit(out, err, AirplaneList(hangar, json)) ? ExitSuccess : ExitFailure;
}

int Calculate(Source &source, const HangarArgs &h, std::ostream &err, const AirplaneCalculation &calculate)
{
    Hangar hangar;
    const Airplane *airplane = nullptr;
    std::string problem = source.Read(hangar);
    if (problem.empty())
        problem = FindOne(hangar, *h.name, source.Where(), airplane);
    if (!problem.empty()) {
        err << "tethrix-calc: " << problem << "\n";
        return ExitFailure;
    }
    return calculate(h.rest, DataFileOfInputs(airplane->inputs));
}

int Add(Source &source, const HangarArgs &h, std::ostream &out, std::ostream &err)
{
    std::vector<std::string> files;
    bool json = false, onlyFiles = false;
    for (const std::string &arg : h.rest) {
        if (onlyFiles) {
            files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--json" && !json) {
            json = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw Usage{Quoted(arg) + Say(" does not go with --add (try --help)")};
        } else if (const std::size_t eq = arg.find('=');
                   eq != std::string::npos && FindInputKey(arg.substr(0, eq)) != nullptr && !IsRegularFile(arg)) {
            throw Usage{Say("--add takes data files, not KEY=VALUE inputs such as ") + Quoted(arg)};
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty())
        throw Usage{Say("--add needs one or more data files")};

    // Every file read before anything is kept: all of them or none.
    struct Added {
        std::string id;
        FlightCase fc;
    };
    std::vector<Added> added;
    for (const std::string &path : files) {
        std::string bytes;
        Result<FlightCase> fc;
        std::string problem = ReadSmallFile(path, MaxDataFileBytes, bytes);
        if (problem.empty()) {
            fc = CaseOfDataFile(bytes, '.');
            problem = fc.error;
        }
        if (!problem.empty()) {
            err << Say("tethrix-calc: Cannot Open File ") << path << ": " << Say(problem) << "\n"
                << Say("tethrix-calc: nothing was added\n");
            return ExitFailure;
        }
        std::string idProblem;
        added.push_back({NewId(idProblem), fc.value});
        if (!idProblem.empty()) {
            err << "tethrix-calc: " << idProblem << "\n";
            return ExitFailure;
        }
    }
    const std::string now = NowUtc();
    std::optional<std::size_t> failed;  // the file whose airplane the hangar refused
    const std::string problem = source.Edit([&](Hangar &hangar) {
        for (std::size_t i = 0; i < added.size(); ++i)
            if (Result<> kept = hangar.AddAirplane(added[i].id, added[i].fc, "", now); !kept.ok()) {
                failed = i;
                return kept;
            }
        return Result<>();
    });
    if (!problem.empty()) {
        err << "tethrix-calc: " << (failed ? files[*failed] + ": " : std::string()) << Say(problem)
            << Say("\ntethrix-calc: nothing was added\n");
        return ExitFailure;
    }
    std::string text = json ? "[" : "";
    for (const Added &a : added) {
        if (json) {
            text += &a == &added.front() ? "\n{\"name\": " : ",\n{\"name\": ";
            AppendJsonString(text, a.fc.AcName);
            text += ", \"id\": ";
            AppendJsonString(text, a.id);
            text += "}";
        } else {
            text += "Added " + Quoted(a.fc.AcName) + ", id " + a.id + "\n";
        }
    }
    if (json)
        text += "\n]\n";
    return Emit(out, err, text, "the airplanes were added, but ") ? ExitSuccess : ExitFailure;
}

int Log(Source &source, const HangarArgs &h, std::ostream &out, std::ostream &err)
{
    bool json = false, csv = false;
    std::optional<DisplayUnits> units;
    for (std::size_t i = 0; i < h.rest.size(); ++i) {
        const std::string &arg = h.rest[i];
        if (arg == "--json" && !json) {
            json = true;
        } else if (arg == "--csv" && !csv) {
            csv = true;
        } else if ((arg == "--units" || arg.rfind("--units=", 0) == 0) && !units) {
            if (arg == "--units" && i + 1 >= h.rest.size())
                throw Usage{Say("--units needs imperial or metric")};
            const std::string what = arg == "--units" ? h.rest[++i] : arg.substr(8);
            DisplayUnits u;
            if (!ParseDisplayUnits(what, u))
                throw Usage{Say("--units takes imperial or metric, not ") + Quoted(what)};
            units = u;
        } else {
            throw Usage{Quoted(arg) + Say(" does not go with --log (try --help)")};
        }
    }
    if (json && csv)
        throw Usage{Say("--csv and --json cannot be combined")};
    if (csv && !h.name)
        throw Usage{Say("--log --csv prints one airplane's log: give its name or id after --log")};
    if (json && units)
        throw Usage{Say("--log --json gives the flights' records, which are imperial: --units does not go with it")};

    Hangar hangar;
    if (const std::string problem = source.Read(hangar); !problem.empty()) {
        err << "tethrix-calc: " << problem << "\n";
        return ExitFailure;
    }
    std::vector<const Flight *> flights;
    std::string airplaneId;
    if (h.name) {
        const Airplane *airplane = nullptr;
        std::string problem = FindOne(hangar, *h.name, source.Where(), airplane);
        if (airplane != nullptr) {
            airplaneId = airplane->id;
        } else if (hangar.FindAirplane(*h.name) == nullptr && !hangar.FlightsOf(*h.name).empty()) {
            airplaneId = *h.name;  // a deleted airplane's id: its log was kept
        } else {
            err << "tethrix-calc: " << problem << "\n";
            return ExitFailure;
        }
        flights = hangar.FlightsOf(airplaneId);
    } else {
        flights = AllFlights(hangar);
    }
    const DisplayUnits shown = units.value_or(DisplayUnits::Imperial);
    const std::string text = csv ? LogCsv(hangar, airplaneId, shown) : json ? LogJson(flights) : LogText(flights, shown);
    return Emit(out, err, text) ? ExitSuccess : ExitFailure;
}

}  // namespace

bool IsHangarCommand(const std::vector<std::string> &args)
{
    bool hangar = false;
    for (const std::string &arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h" || arg == "--version")
            return false;
        hangar = hangar || arg == "--hangar" || arg == "--airplane" || arg == "--add" || arg == "--log";
    }
    return hangar;
}

int RunHangar(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
              const CalcServices &services, const AirplaneCalculation &calculate)
{
    try {
        const HangarArgs h = ParseHangarArgs(args);
        if (!h.file && !services.loadHangar)
            throw Usage{Say("the window's hangar is not available in this build: give a hangar file after --hangar")};
        Source source(h, services);
        switch (h.command) {
        case Command::List:
            return List(source, h, out, err);
        case Command::Airplane:
            return Calculate(source, h, err, calculate);
        case Command::Add:
            return Add(source, h, out, err);
        case Command::Log:
            return Log(source, h, out, err);
        }
    } catch (const Usage &u) {
        err << "tethrix-calc: " << u.message << "\n";
        return ExitUsage;
    }
    return ExitFailure;
}

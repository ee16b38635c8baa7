// tethrix-calc's hangar commands: a hangar file or the window's hangar
// listed, calculated, added to and its log printed; every failure leaves
// the hangar as it was and standard output empty.
#include "tools/CalcCli.h"
#include "hangar/HangarFile.h"
#include "hangar/HangarLog.h"
#include "storage/SafeFile.h"

#include "tests/FullDisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Ran {
    int status;
    std::string out, err;
};

Ran Calc(const std::vector<std::string> &args, const CalcServices &services = {})
{
    std::ostringstream out, err;
    const int status = RunCalc(args, out, err, services);
    return {status, out.str(), err.str()};
}

std::string Get(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder of this process's own, removed at its end: the tests of this
// file run in parallel processes.
const std::string &Folder()
{
    static const struct Temporary {
        std::string path;
        Temporary()
        {
            std::string name = ::testing::TempDir() + "calc-hangar-XXXXXX";
            path = mkdtemp(&name[0]) != nullptr ? name + "/" : ::testing::TempDir();
        }
        ~Temporary()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } folder;
    return folder.path;
}

std::string Put(const std::string &name, const std::string &content)
{
    const std::string path = Folder() + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

FlightCase Named(const std::string &name, float weight)
{
    FlightCase fc = DefaultFlightCase();
    fc.AcName = name;
    fc.Weight = weight;
    return fc;
}

Flight Flown(const std::string &id, const std::string &airplane, const FlightCase &fc, const std::string &when,
             double lapTime)
{
    float ground = 0;
    CalcEngine engine(fc, ground);
    Flight f = FlightOfCase(fc, SolveCase(engine, fc, ground));
    f.id = id;
    f.airplaneId = airplane;
    f.flown = f.changed = when;
    f.lapTime = lapTime;
    f.notes = "gusty\nwent wide";
    return f;
}

// Stunt (s1) with two flights, two airplanes named Twin, and the log of an
// airplane deleted with its flights kept.
Hangar Sample()
{
    Hangar h;
    const char *t = "2026-12-01T10:00:00Z";
    EXPECT_EQ(h.AddAirplane("s1", Named("Stunt", 48), "Fox .35", t).error, "");
    EXPECT_EQ(h.AddAirplane("t1", Named("Twin", 40), "", t).error, "");
    EXPECT_EQ(h.AddAirplane("t2", Named("Twin", 44), "", t).error, "");
    EXPECT_EQ(h.LogFlight(Flown("f1", "s1", Named("Stunt", 48), "2026-12-02T09:00:00Z", 5.1)).error, "");
    EXPECT_EQ(h.LogFlight(Flown("f2", "s1", Named("Stunt", 47), "2026-12-05T16:30:00Z", NAN)).error, "");
    EXPECT_EQ(h.AddAirplane("g1", Named("Gone", 30), "", t).error, "");
    EXPECT_EQ(h.LogFlight(Flown("f3", "g1", Named("Gone", 30), "2026-12-03T12:00:00Z", 4.8)).error, "");
    EXPECT_EQ(h.DeleteAirplane("g1", false).error, "");
    return h;
}

std::string SampleFile(const std::string &name = "hangar.json") { return Put(name, HangarFileText(Sample()).value); }

TEST(CalcHangar, lists_the_airplanes_by_name_with_their_flights)
{
    const std::string file = SampleFile();
    const Ran text = Calc({"--hangar", file});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "Name   Id  Last flown (UTC)      Flights\n"
                        "Stunt  s1  2026-12-05T16:30:00Z  2\n"
                        "Twin   t1  never                 0\n"
                        "Twin   t2  never                 0\n");
    EXPECT_EQ(Calc({"--json", "--hangar", file}).out,
              "[\n{\"name\": \"Stunt\", \"id\": \"s1\", \"lastFlown\": \"2026-12-05T16:30:00Z\", \"flights\": 2},\n"
              "{\"name\": \"Twin\", \"id\": \"t1\", \"lastFlown\": null, \"flights\": 0},\n"
              "{\"name\": \"Twin\", \"id\": \"t2\", \"lastFlown\": null, \"flights\": 0}\n]\n");
    const std::string empty = Put("empty.json", HangarFileText(Hangar()).value);
    EXPECT_EQ(Calc({"--hangar", empty, "--json"}).out, "[]\n");
}

// An airplane calculates exactly as its data file does, with every option.
TEST(CalcHangar, an_airplane_calculates_as_its_data_file_with_every_option)
{
    const std::string file = SampleFile();
    const std::string stunt = Put("stunt.TQD", DataFileOfInputs(Sample().FindAirplane("s1")->inputs));
    const std::string twin = Put("twin.TQD", DataFileOfInputs(Sample().FindAirplane("t2")->inputs));
    const ConditionsReader hot = [](FlightCase &fc) {
        fc.Temperature = 95;
        return std::vector<std::string>{"a stored warning"};
    };
    const ReportRenderer render = [&](const ReportLines &, const std::vector<ReportRow> &, std::string &pdf) {
        pdf = "%PDF";
        return std::string();
    };
    const struct {
        std::string name, dataFile;
        std::vector<std::string> options;
    } cases[] = {
        {"Stunt", stunt, {}},
        {"s1", stunt, {"--json"}},
        {"t2", twin, {"lt=5.3", "WndSpeed=8", "--json"}},
        {"Stunt", stunt, {"--units=metric", "ll=20"}},
        {"Stunt", stunt, {"--sweep", "lt=4:5:0.5", "--hold=laptime"}},
        {"Stunt", stunt, {"--no-settings", "--json"}},
        {"Stunt", stunt, {"--report", Folder() + "hangar-report.pdf"}},
        {"Stunt", stunt, {"lt=0"}},     // cannot be calculated: 1
        {"Stunt", stunt, {"lt=abc"}},   // usage: 2
    };
    for (const auto &c : cases) {
        std::vector<std::string> direct = {c.dataFile}, hangar = {"--hangar", file, "--airplane", c.name};
        direct.insert(direct.end(), c.options.begin(), c.options.end());
        hangar.insert(hangar.end(), c.options.begin(), c.options.end());
        const Ran a = Calc(direct, {render, hot, nullptr, {}}), b = Calc(hangar, {render, hot, nullptr, {}});
        EXPECT_EQ(b.status, a.status) << c.name << " " << b.err;
        EXPECT_EQ(b.out, a.out) << c.name;
        EXPECT_EQ(b.err, a.err) << c.name;
    }
    EXPECT_EQ(Get(Folder() + "hangar-report.pdf"), "%PDF");
}

// Every failure: the status, the reason, nothing on standard output and
// the hangar file as it was.
TEST(CalcHangar, failures_name_the_reason_and_change_nothing)
{
    const std::string file = SampleFile(), before = Get(file);
    const std::string damaged = Put("damaged.json", before.substr(0, before.size() / 2));
    const std::string newer = Put("newer.json", "{\"format\":\"tethrix-hangar\",\"version\":7}");
    const std::string data = Put("plain.TQD", "an=Plain\r\nwt=40\r\n");
    const std::string huge = Put("huge.json", std::string(MaxHangarFileBytes + 1, ' '));
    const std::string folder = Folder();
    const struct {
        std::vector<std::string> args;
        int status;
        std::string reason;
    } cases[] = {
        {{"--hangar", "/no/such/hangar.json"}, 1, "Cannot read the hangar /no/such/hangar.json: No such file"},
        {{"--hangar", "/no/such/hangar.json", "--log"}, 1, "No such file"},
        {{"--hangar", folder, "--airplane", "Stunt"}, 1, "it is a folder, not a file"},
        {{"--hangar", damaged}, 1, "Cannot read the hangar " + damaged + ": "},
        {{"--hangar", damaged, "--add", data}, 1, "Cannot read the hangar " + damaged + ": "},
        {{"--hangar", huge, "--add", data}, 1, "Cannot read the hangar " + huge + ": This is not a hangar file Tethrix can read: it is larger than 16 MiB\n"},
        {{"--hangar", newer, "--add", data}, 1, "version 7"},
        {{"--hangar", file, "--airplane", "Twin"}, 1,
         "tethrix-calc: 2 airplanes match 'Twin': 'Twin' id t1, never flown; 'Twin' id t2, never flown. Give its id "
         "in place of the name\n"},
        {{"--hangar", file, "--airplane", "Zap"}, 1,
         "tethrix-calc: no airplane is named 'Zap' or has that id: " + file + " holds 'Stunt', 'Twin'\n"},
        {{"--hangar", file, "--log", "Twin", "--csv"}, 1, "2 airplanes match 'Twin'"},
        {{"--hangar", file, "--log", "Zap"}, 1, "no airplane is named 'Zap'"},
        {{"--airplane", "Stunt"}, 2, "go with --hangar [FILE]"},
        {{"--hangar", file, "--hangar", file}, 2, "once"},
        {{"--hangar", file, "--airplane"}, 2, "needs the name or id"},
        {{"--hangar", file, "--add"}, 2, "one or more data files"},
        {{"--hangar", file, "--add", "lt=5"}, 2, "not KEY=VALUE inputs"},
        {{"--hangar", file, "--add", data, "--csv"}, 2, "does not go with --add"},
        {{"--hangar", file, "--add", data, "--log"}, 2, "cannot be combined"},
        {{"--hangar", file, "--airplane", "s1", data}, 2, "in place of a data file"},
        {{"--hangar", file, "--airplane", "s1", "--compare", data, data}, 2, "in place of a data file"},
        {{"--hangar", file, "lt=5"}, 2, "does not go with --hangar's list"},
        {{"--hangar", file, "--log", "--csv"}, 2, "give its name or id"},
        {{"--hangar", file, "--log", "s1", "--csv", "--json"}, 2, "cannot be combined"},
        {{"--hangar", file, "--log", "s1", "--json", "--units=metric"}, 2, "imperial"},
        {{"--hangar", file, "--log", "s1", "--units=furlongs"}, 2, "--units takes"},
        {{"--hangar", file, "--log", "--frobnicate"}, 2, "does not go with --log"},
        {{"--hangar"}, 2, "not available in this build"},
        {{"--hangar", "--add", data}, 2, "not available in this build"},
    };
    for (const auto &c : cases) {
        const Ran r = Calc(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << ": " << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.args.back();
        EXPECT_EQ(Get(file), before);
    }
    EXPECT_EQ(Get(damaged), before.substr(0, before.size() / 2));
    // Output that cannot be written is a failure.
    class Full : public std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
        std::streamsize xsputn(const char *, std::streamsize) override { return 0; }
    } full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(RunCalc({"--hangar", file, "--log"}, out, err), 1);
    EXPECT_NE(err.str().find("cannot write the output"), std::string::npos);
}

// --add reads every data file first: one that cannot be read, or holds no
// key of one, adds nothing.
TEST(CalcHangar, add_keeps_every_file_or_none_and_creates_the_hangar)
{
    const std::string a = Put("add-a.TQD", "an=Ringo\r\nnl=3\r\nwt=52.5\r\nlt=5.200000\r\n");
    const std::string b = Put("add-b.TQD", "an=Nobler\r\nll=62\r\n");
    const std::string notData = Put("notes.txt", "just some notes\n");
    const std::string file = Folder() + "added.json";
    std::remove(file.c_str());
    for (const std::string &bad : {std::string("/no/such.TQD"), notData, Folder()}) {
        const Ran r = Calc({"--hangar", file, "--add", a, bad});
        EXPECT_EQ(r.status, 1) << bad;
        EXPECT_NE(r.err.find("Cannot Open File " + bad + ": "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("nothing was added"), std::string::npos) << r.err;
        EXPECT_FALSE(IsRegularFile(file)) << bad;
    }
    const Ran r = Calc({"--hangar", file, "--add", a, b});
    ASSERT_EQ(r.status, 0) << r.err;
    const Result<Hangar> read = ReadHangarFile(Get(file));
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.value.Airplanes().size(), 2u);
    EXPECT_EQ(HangarFileText(read.value).value, Get(file));  // canonical
    static const std::regex id("[0-9a-f]{32}"), when("2[0-9]{3}-[01][0-9]-[0-3][0-9]T[0-2][0-9]:[0-5][0-9]:[0-6][0-9]Z");
    for (const Airplane &p : read.value.Airplanes()) {
        EXPECT_TRUE(std::regex_match(p.id, id)) << p.id;
        EXPECT_TRUE(std::regex_match(p.created, when)) << p.created;
        EXPECT_NE(r.out.find("Added '" + p.Name() + "', id " + p.id + "\n"), std::string::npos) << r.out;
        // Read as tethrix-calc reads the data file: the same figures.
        const std::string source = p.Name() == "Ringo" ? a : b;
        EXPECT_EQ(Calc({"--hangar", file, "--airplane", p.id, "--json"}).out, Calc({source, "--json"}).out);
    }
    EXPECT_EQ(read.value.AirplanesNamed("Ringo").front()->inputs.text[7], "5.200000");
    // A second --add keeps what was there.
    const Ran json = Calc({"--hangar", file, "--add", "--json", "--", b});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.rfind("[\n{\"name\": \"Nobler\", \"id\": \"", 0), 0u) << json.out;
    EXPECT_EQ(ReadHangarFile(Get(file)).value.Airplanes().size(), 3u);
}

// A hangar file that cannot be written stays as it was: write-protected
// (tried as an ordinary user, since root may write it), a folder, a link
// into a missing folder, a full disk.
TEST(CalcHangar, add_to_a_file_that_cannot_be_written_changes_nothing)
{
    const std::string data = Put("w.TQD", "an=W\r\n");
    const std::string dir = Folder() + "unwritable/";
    chmod(Folder().c_str(), 0755);  // an ordinary user reaches the hangar
    mkdir(dir.c_str(), 0777);
    chmod(dir.c_str(), 0777);
    const std::string locked = dir + "locked.json", before = HangarFileText(Sample()).value;
    std::ofstream(locked, std::ios::binary) << before;
    chmod(locked.c_str(), 0444);
    symlink("missing/hangar.json", (dir + "broken").c_str());
    symlink("through.json", (dir + "dangling").c_str());
    std::remove((dir + "through.json").c_str());
    const auto inChild = [&](const std::string &file, bool asNobody, bool fullDisk) {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            if (asNobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(9);
            std::ostringstream out, err;
            int status;
            if (fullDisk) {
                FullDisk full;
                status = RunCalc({"--hangar", file, "--add", data}, out, err);
            } else {
                status = RunCalc({"--hangar", file, "--add", data}, out, err);
            }
            const bool named = err.str().find("Cannot write the hangar " + file + ": ") != std::string::npos &&
                               out.str().empty();
            _exit(named ? status : 8);
        }
        int status = -1;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(inChild(locked, true, false), 1);
    EXPECT_EQ(inChild(locked, false, true), 1);  // the full disk as root too
    EXPECT_EQ(Get(locked), before);
    EXPECT_EQ(Calc({"--hangar", dir, "--add", data}).status, 1);
    EXPECT_EQ(inChild(dir + "broken", false, false), 1);
    struct stat st {};
    EXPECT_EQ(lstat((dir + "broken").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    // A link to a file not there yet is followed, as the shell follows it.
    EXPECT_EQ(Calc({"--hangar", dir + "dangling", "--add", data}).status, 0);
    EXPECT_TRUE(ReadHangarFile(Get(dir + "through.json")).ok());
    EXPECT_EQ(Calc({"--hangar", dir + "dangling"}).status, 0);
}

TEST(CalcHangar, the_log_prints_newest_first_as_text_csv_or_records)
{
    const Hangar sample = Sample();
    const std::string file = SampleFile();
    const Ran text = Calc({"--hangar", file, "--log"});
    ASSERT_EQ(text.status, 0) << text.err;
    std::istringstream lines(text.out);
    std::string header, first, second, third;
    std::getline(lines, header) && std::getline(lines, first) && std::getline(lines, second) &&
        std::getline(lines, third);
    EXPECT_EQ(header.rfind("Flown (UTC)           Airplane  Lap Time Measured (seconds)  Temprature (degrees F)", 0), 0u)
        << header;
    EXPECT_EQ(first.rfind("2026-12-05T16:30:00Z  Stunt     -    ", 0), 0u) << first;
    EXPECT_EQ(second.rfind("2026-12-03T12:00:00Z  Gone      4.8  ", 0), 0u) << second;  // its airplane deleted
    EXPECT_EQ(third.rfind("2026-12-02T09:00:00Z  Stunt     5.1  ", 0), 0u) << third;
    EXPECT_NE(third.find("gusty went wide"), std::string::npos) << third;  // one line per flight

    for (const DisplayUnits units : {DisplayUnits::Imperial, DisplayUnits::Metric}) {
        const std::string shown = units == DisplayUnits::Metric ? "--units=metric" : "--units=imperial";
        EXPECT_EQ(Calc({"--hangar", file, "--log", "Stunt", "--csv", shown}).out, LogCsv(sample, "s1", units));
    }
    // A deleted airplane's log, by its id; every record as the file holds it.
    EXPECT_EQ(Calc({"--hangar", file, "--log", "g1", "--csv"}).out, LogCsv(sample, "g1", DisplayUnits::Imperial));
    EXPECT_EQ(Calc({"--hangar", file, "--log", "s1", "--json"}).out,
              "[\n" + FlightRecordText(*sample.FindFlight("f2")) + ",\n" + FlightRecordText(*sample.FindFlight("f1")) +
                  "\n]\n");
    EXPECT_EQ(Calc({"--hangar", file, "--log", "t1", "--json"}).out, "[]\n");
    EXPECT_EQ(Calc({"--hangar", file, "--log", "t1"}).out, "No flights logged.\n");
}

// The window's hangar is read through the hangar module (see
// window_hangar_test.sh); a module that does not load is said.
TEST(CalcHangar, a_hangar_module_that_does_not_load_is_a_failure)
{
    CalcServices services;
    services.loadHangar = [](std::string &problem) -> const HangarModule * {
        problem = "libtethrix_hangar.so: cannot open shared object file";
        return nullptr;
    };
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--hangar"}, {"--hangar", "--log"}, {"--hangar", "--add", Put("own.TQD", "an=Own\r\n")}}) {
        const Ran r = Calc(args, services);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind("tethrix-calc: Cannot open the window's hangar: libtethrix_hangar.so: cannot open "
                              "shared object file\n", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace

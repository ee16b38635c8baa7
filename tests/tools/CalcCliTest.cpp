// tethrix-calc as scripts use it: output, keys, exit status.
#include "tools/CalcCli.h"
#include "numbers/Convert.h"
#include "case/Sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun Calc(std::vector<std::string> args, const ReportRenderer &render = nullptr,
            const ConditionsReader &stored = nullptr)
{
    std::ostringstream out, err;
    const int status = RunCalc(args, out, err, CalcServices{render, stored, nullptr, {}});
    return {status, out.str(), err.str()};
}

// Standard output on a full disk: every write fails.
class FullStream : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char *, std::streamsize) override { return 0; }
};

std::string TempFile(const std::string &name, const std::string &content)
{
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TEST(TethrixCalc, default_output_reads_like_the_window)
{
    const CliRun r = Calc({});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Leadout Position Behind CG = 0.8388 inches\n"
              "Line Tension = 8.042 pounds\n"
              "Wing Loading = 11.81 oz/sq ft.\n"
              "Ground Speed = 53.02 mph\n"
              "Flight Radius = 62.21 feet\n"
              "Line Projection = 9.857 inches\n"
              "Line Weight = 1.198 ounces\n"
              "Line RN at WT = 580.9\n"
              "Line Drag Area = 5.63 sq/in\n"
              "Density Altitude = 1346 feet\n"
              "Atmospheric Pressure = 29.81 in/Hg\n"
              "Leadout Rake = 1.884 degrees\n"
              "Line Drag = 0.3773 pounds\n"
              "Line Power = 27.89 watts (0.03741 hp)\n"
              "Pull Test = 26.25 pounds, 3.26 x Line Tension\n"
              "Lap Speed = 54.36 mph\n");
}

TEST(TethrixCalc, keys_ignore_case_and_change_the_case)
{
    const CliRun r = Calc({"NL=3", "lt=4.2", "LL=60", "wl=24", "wt=48", "wa=600", "hl=6", "an=Stunt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Line Tension = 12.91 pounds"), std::string::npos) << r.out;
    const CliRun b = Calc({"wndspeed=5", "HndlAngl=10", "nl=1", "ls=0.018", "temp=90", "altitude=3000", "HUMIDITY=80"});
    EXPECT_NE(b.out.find("Density Altitude = 6147 feet"), std::string::npos) << b.out;
}

TEST(TethrixCalc, json_holds_every_figure_at_full_precision)
{
    const CliRun r = Calc({"--json"});
    EXPECT_EQ(r.status, 0);
    for (const char *key : {"LeadoutPosition", "LineTension", "WingLoading", "GroundSpeed", "FlightRadius",
                            "LineProjection", "LineWeight", "LineReynolds", "LineDragArea", "DensityAltitude",
                            "AirPressure", "LapSpeed"})
        EXPECT_NE(r.out.find("\"" + std::string(key) + "\": "), std::string::npos) << key;
    EXPECT_NE(r.out.find("\"WingLoading\": 11.8125,"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.front(), '{');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
}

TEST(TethrixCalc, exit_status_tells_usage_errors_from_engine_errors)
{
    const CliRun unknown = Calc({"speed=3"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("speed"), std::string::npos);
    EXPECT_EQ(Calc({"lt=abc"}).status, 2);
    EXPECT_EQ(Calc({"lt=1E39"}).status, 2);
    EXPECT_EQ(Calc({"nl=two"}).status, 2);
    EXPECT_EQ(Calc({"--frobnicate"}).status, 2);

    const CliRun zero = Calc({"lt=0"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.err, "tethrix-calc: Floating point division by zero\n"
                        "tethrix-calc: lt: Lap Time must be more than 0 seconds.\n");
    EXPECT_TRUE(zero.out.empty());

    const CliRun version = Calc({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tethrix-calc 1.", 0), 0u) << version.out;

    const CliRun help = Calc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Temp"), std::string::npos);
    EXPECT_NE(help.out.find("default 75"), std::string::npos);
}

TEST(TethrixCalc, a_data_file_applies_first_then_the_keys)
{
    const std::string path = ::testing::TempDir() + "calc_test.TQD";
    {
        std::ofstream f(path, std::ios::binary);
        f << "an=Stunt\r\nnl=3\r\nls=0.015000\r\nll=60.000000\r\nwl=24.000000\r\nhl=6.000000\r\n"
             "wt=40.000000\r\nlt=4.200000\r\nwa=600.000000\r\n";
    }
    const CliRun r = Calc({path, "wt=48", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"WingLoading\": 11.52"), std::string::npos) << r.out;  // case D
    EXPECT_NE(r.out.find("\"LineTension\": 12.909"), std::string::npos) << r.out;

    EXPECT_EQ(Calc({"lt=5", path}).status, 2);
}

TEST(TethrixCalc, files_that_cannot_be_data_files_are_refused_with_the_reason)
{
    const std::string folder = ::testing::TempDir();
    const std::string big = TempFile("calc_big.TQD", std::string((1 << 20) + 1, '\n'));
    const struct {
        std::string path, reason;
    } refused[] = {
        {"/no/such/file.TQD", "No such file or directory"},
        {folder, "it is a folder, not a file"},
        {"/dev/zero", "it is a device, not a regular file"},
        {big, "larger than 1 MiB"},
    };
    for (const auto &r : refused) {
        const CliRun run = Calc({r.path});
        EXPECT_EQ(run.status, 1) << r.path;
        EXPECT_EQ(run.err.rfind("tethrix-calc: Cannot Open File " + r.path + ": ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(r.reason), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    // A name with "=" in it is a file when it names one, or after "--".
    const std::string odd = TempFile("wt=50.TQD", "lt=5.5\n");
    EXPECT_EQ(Calc({odd, "--json"}).out, Calc({"lt=5.5", "--json"}).out);
    EXPECT_EQ(Calc({"--json", "--", odd}).out, Calc({"lt=5.5", "--json"}).out);
}

// Inputs with no physical meaning, or that the model replaces, are still
// calculated (status 0) with a warning naming the key and its sensible
// range; a failed calculation names the key to change and how.
TEST(TethrixCalc, warnings_and_advice_name_the_key_and_what_is_sensible)
{
    const struct {
        std::vector<std::string> args;
        int status;
        const char *line;  // on standard error
    } cases[] = {
        {{"ls=0"}, 0, "warning: ls: Line Diameter is 0 inches, outside the 0.003937 to 0.1575 inches the line "
                      "model takes. It is calculated as 0.003937 inches. A sensible Line Diameter is 0.008 to "
                      "0.04 inches.\n"},
        {{"wt=-5"}, 0, "warning: wt: Airplane Weight is -5 ounces, which has no physical meaning."},
        {{"ll=-5"}, 0, "warning: ll: Line Length (Eye to Eye) is -5 feet, which has no physical meaning."},
        {{"hl=-1"}, 0, "warning: hl: Handle/Leadout Length is negative"},
        {{"WndSpeed=60"}, 0, "warning: WndSpeed: Wind Speed is at or above the airspeed, 52.47 mph."},
        {{"WndSpeed=-60"}, 0, "warning: WndSpeed: Wind Speed is at or above the airspeed, 52.47 mph."},
        {{"Humidity=-3"}, 0, "it is calculated as 0 percent."},
        // The ends of the ranges are within them.
        {{"Humidity=100", "HndlAngl=90", "wl=0"}, 0, ""},
        {{"Humidity=0", "HndlAngl=-90"}, 0, ""},
        {{"HndlAngl=-100"}, 0, "warning: HndlAngl: Handle Angle is beyond -90 to 90 degrees. A sensible"},
        {{"HndlAngl=200"}, 0, "it is calculated as 0 degrees."},
        {{"lt=1e30"}, 0, "it is calculated at 2.237 mph."},
        {{"--units=metric", "wt=0"}, 0, "It is calculated as 50 g. A sensible Airplane Weight is 28.3495 to 5669.9 g."},
        {{"wa=0"}, 1, "tethrix-calc: wa: Wing Area must be more than 0 square inches.\n"},
        {{"Temp=-500"}, 1, "tethrix-calc: Temp: A sensible Temprature is -40 to 120 degrees F.\n"},
        {{"nl=2"}, 0, ""},
        // Inputs the line model limits, each named where it is; long lines
        // blame the lines, not the lap time.
        {{"ll=400"}, 0, "warning: ll: Line Length (Eye to Eye) is 400 feet, outside the 0.1189 to 196.9 feet the line "
                        "model takes for lines, handle and leadouts. It is calculated as 196.3 feet."},
        {{"ll=1e10"}, 0, "It is calculated as 196.3 feet. The airspeed on these lines is outside the 2.237 to 335.5 mph"},
        {{"hl=3000", "ll=10"}, 0, "warning: hl: Handle/Leadout Length is 3000 inches, outside the 1.427 to 2362 inches"},
        {{"ArmLngth=400"}, 0, "warning: ArmLngth: Arm Length is 400 inches, outside the 0 to 315 inches the line model "
                              "takes. It is calculated as 315 inches."},
        {{"wl=-3"}, 0, "no physical meaning. It is calculated as 0 inches."},
        {{"wl=3000"}, 0, "It is calculated as 2362 inches."},
        {{"Temp=130"}, 0, "warning: Temp: Temprature is 130 degrees F, beyond what fliers meet."},
        {{"Elevation=0", "Altimeter=1013"}, 0, "warning: Altimeter: An altimeter setting of 1013 in/Hg is outside the 28 "
                                               "to 31.5 in/Hg of any real altimeter. It reads like hPa; this field takes in/Hg."},
        {{"--units=metric", "Elevation=0", "Altimeter=29.92"}, 0, "It reads like in/Hg; this field takes hPa."},
        {{"Elevation=0", "Altimeter=1013"}, 0, "warning: Altitude: Preasure Altitude is -1.388E5 feet, beyond"},
        // A pull test that does not exceed the highest pull, downwind in a wind.
        {{"PullMultiple=3"}, 0, "warning: PullMultiple: The Pull Test, 7.875 pounds, is at or below the Line Tension, "
                                "8.042 pounds: it does not prove the lines and handle for this flight."},
        {{"WndSpeed=10", "PullMultiple=3", "wt=64", "lt=5"}, 0, "The Pull Test, 12 pounds, is at or below the Downwind "
                                                                 "Tension, 16.79 pounds"},
        {{"PullLoad=8"}, 0, "warning: PullLoad: The Pull Test, 8 pounds, is at or below the Line Tension, 8.042 pounds"},
        // KEY=VALUE takes a point whatever the locale, and says so.
        {{"lt=5,2"}, 2, "tethrix-calc: lt: '5,2' is not a valid floating point value. Lap Time takes a number, such as "
                        "4.9. Numbers here take a decimal point ('.').\n"},
    };
    for (const auto &c : cases) {
        const CliRun run = Calc(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back();
        EXPECT_NE(run.err.find(c.line), std::string::npos) << run.err;
        if (c.args.front().rfind("ll=", 0) == 0) {
            EXPECT_EQ(run.err.find("warning: lt:"), std::string::npos) << run.err;  // the lines, not the lap time
        }
        if (!*c.line) {
            EXPECT_EQ(run.err, "");
        }
        std::vector<std::string> json = c.args;
        json.push_back("--json");
        const CliRun structured = Calc(json);
        if (c.status == 0) {
            EXPECT_NE(structured.out.find(*c.line ? "\"Warnings\": [\"" : "\"Warnings\": []}"), std::string::npos)
                << structured.out;
        }
    }
}

// Elevation= and Altimeter= give the pressure altitude in place of
// Altitude=, in feet and inHg or in metres and hPa; "Conditions" says what
// was used.
TEST(TethrixCalc, the_field_elevation_and_altimeter_give_the_pressure_altitude)
{
    EXPECT_NE(Calc({"--json", "Elevation=1165", "Altimeter=30.10"}).out.find("\"Altitude\": 1000.09,"),
              std::string::npos);
    EXPECT_EQ(Calc({"--json", "--units=metric", "Elevation=914.4", "Altimeter=1013.25"}).out,
              Calc({"--json", "--units=metric", "Altitude=914.4"}).out);
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"Elevation=100", "Altimeter=30", "Altitude=5"}, {"Elevation=100"}, {"altimeter=30"},
             {"Elevation=100", "Altimeter=0"}, {"Elevation=high", "Altimeter=30"}})
        EXPECT_EQ(Calc(args).status, 2) << args[0];
}

TEST(TethrixCalc, every_output_mode_gives_one_verdict_and_nothing_on_stdout_for_an_error)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"wa=1e-38"}, {"wa=1e-38", "--json"}, {"Altitude=-1e38", "--json"}, {"Altitude=-1e38"}}) {
        const CliRun r = Calc(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err.rfind("tethrix-calc: Floating point overflow\ntethrix-calc: ", 0), 0u) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    const CliRun sweep = Calc({"--sweep", "wa=1e-38:1e-38:1"});
    ASSERT_EQ(sweep.status, 0);
    EXPECT_NE(sweep.out.find(",,,,,,,,,,,,,Floating point overflow\n"), std::string::npos) << sweep.out;

    // The line count is taken as the window's field takes it.
    EXPECT_EQ(Calc({"nl=7", "--json"}).out, Calc({"nl=3", "--json"}).out);
    EXPECT_EQ(Calc({"nl=-2", "--json"}).out, Calc({"nl=1", "--json"}).out);
}

TEST(TethrixCalc, a_write_error_on_standard_output_is_exit_status_1)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {}, {"--json"}, {"--help"}, {"--sweep", "lt=4:6:0.0005"}, {"--sweep", "lt=4:6:1", "--json"}}) {
        FullStream full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(RunCalc(args, out, err), 1) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(err.str().rfind("tethrix-calc: cannot write the output", 0), 0u) << err.str();
    }
    // A full disk names itself, however long the sweep (long ones are
    // solved on other threads while this one writes).
    for (const char *range : {"lt=4:6:0.1", "lt=3:7:0.0005"}) {
        std::ofstream out("/dev/full");
        std::ostringstream err;
        EXPECT_EQ(RunCalc({"--no-settings", "--sweep", range}, out, err), 1) << range;
        EXPECT_NE(err.str().find("No space left on device"), std::string::npos) << range << ": " << err.str();
    }
}

TEST(TethrixCalc, options_that_cannot_be_combined_are_usage_errors)
{
    const ReportRenderer render = [](const ReportLines &, const std::vector<ReportRow> &, std::string &pdf) {
        pdf = "%PDF";
        return std::string();
    };
    const std::vector<std::vector<std::string>> wrong = {
        {"--report"}, {"--report", ""}, {"--report", "a.pdf", "--report", "b.pdf"},
        {"--sweep", "lt=4:5:1", "--report", "a.pdf"}, {"--sweep", "lt=4:5:1", "--sweep", "ll=50:60:1"},
        {"--sweep", "nl=-1e18:1:1"}, {"--sweep", "nl=1:2.5:1"}, {"--sweep", "nl=1:3:0.5"}, {"--sweep", "nl=1:4:1"},
        {"--sweep", "ll=1e300:1e301:1e299"},
        {"--sweep", "lt=inf:5:1"}, {"--sweep", "lt=4:5:1:2"}, {"-x"}, {"--hold=speed"},
        {"--sweep", "lt=4:5:1", "--hold=speed"}, {"--sweep", "ll=50:60:5", "--hold=fast"},
        {"--sweep", "ll=50:60:5", "--hold=speed", "--hold=laptime"}};
    for (const auto &args : wrong) {
        const CliRun r = Calc(args, render);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.out.empty());
    }
    const CliRun json = Calc({"--sweep", "lt=0:1:1", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.rfind("[\n{\"lt\": 0, \"LeadoutPosition\": null,", 0), 0u) << json.out;
    EXPECT_NE(json.out.find("\"Error\": \"Floating point division by zero\"},\n{\"lt\": 1, "), std::string::npos);
    EXPECT_EQ(json.out.substr(json.out.size() - 4), "}\n]\n");

    const std::string help = Calc({"--help"}).out;
    for (const char *status : {"  0  success", "  1  the inputs cannot", "  2  a usage error", "1 to 3"})
        EXPECT_NE(help.find(status), std::string::npos) << status;
}

TEST(TethrixCalc, sweep_rows_equal_single_calculations)
{
    const CliRun sweep = Calc({"--sweep", "lt=4.5:5.1:0.3", "ll=60"});
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    std::istringstream lines(sweep.out);
    std::string header, row;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("lt (seconds),Leadout Position Behind CG (inches),Line Tension (pounds),", 0), 0u);
    EXPECT_NE(header.find(",Error"), std::string::npos);
    int rows = 0;
    for (const char *lap : {"4.5", "4.8", "5.1"}) {
        ASSERT_TRUE(std::getline(lines, row));
        const CliRun single = Calc({"ll=60", std::string("lt=") + lap, "--json"});
        // The row's tension is the single calculation's, digit for digit.
        const size_t t = single.out.find("\"LineTension\": ") + 15;
        const std::string tension = single.out.substr(t, single.out.find(',', t) - t);
        EXPECT_NE(row.find("," + tension + ","), std::string::npos) << row << " vs " << tension;
        EXPECT_EQ(row.back(), ',');  // no error
        ++rows;
    }
    EXPECT_EQ(rows, 3);
    EXPECT_FALSE(std::getline(lines, row));
}

// Holding the speed, each row's lap time is the one that keeps the ground
// speed of the case itself, which is its own row; holding the lap time is the
// table as it always was.
TEST(TethrixCalc, a_line_length_sweep_holds_the_speed_or_the_lap_time)
{
    // The last step, from short lines to long ones, is one the lap time of
    // the row before would fly far too fast.
    const std::vector<SweepRow> held =
        Sweep(DefaultFlightCase(), KeyOf(Input::LineLength), {45, 58, 71, 10, 190}, SweepHold::Speed);
    const std::vector<SweepRow> plain = Sweep(DefaultFlightCase(), KeyOf(Input::LineLength), {45, 58, 71});
    ASSERT_TRUE(held[0].ok && held[1].ok && held[2].ok);
    const double speed = held[1].figures[3];  // ground speed
    EXPECT_EQ(held[1].lapTime, 4.9f);
    for (int i = 0; i < FigureCount; ++i)
        EXPECT_EQ(held[1].figures[i], plain[1].figures[i]);
    EXPECT_LT(held[0].lapTime, 4.9f);
    EXPECT_GT(held[2].lapTime, 4.9f);
    for (const SweepRow &row : held)
        EXPECT_NEAR(row.figures[3], speed, speed * 1e-6);
    EXPECT_GT(plain[2].figures[3], speed * 1.1);  // the lap time held, the speed rises
    // At the same speed longer lines pull less, not more.
    EXPECT_LT(held[2].figures[1], held[0].figures[1]);
    EXPECT_GT(plain[2].figures[1], plain[0].figures[1]);

    const CliRun speedCsv = Calc({"--no-settings", "--sweep", "ll=45:71:13", "--hold=speed"});
    ASSERT_EQ(speedCsv.status, 0) << speedCsv.err;
    EXPECT_EQ(speedCsv.out.rfind("ll (feet),lt (seconds) at the same speed,Leadout Position", 0), 0u);
    EXPECT_NE(speedCsv.out.find("\n58,4.9,"), std::string::npos);
    const CliRun speedJson = Calc({"--no-settings", "--sweep", "ll=58:58:1", "--hold", "speed", "--json"});
    EXPECT_EQ(speedJson.out.rfind("[\n{\"ll\": 58, \"lt\": 4.9, ", 0), 0u) << speedJson.out;
    EXPECT_EQ(Calc({"--no-settings", "--sweep", "ll=45:71:13", "--hold=laptime"}).out,
              Calc({"--no-settings", "--sweep", "ll=45:71:13"}).out);
}

TEST(TethrixCalc, a_long_sweep_written_by_a_second_thread_holds_every_row_in_order)
{
    const InputKey &lap = KeyOf(Input::LapTime);
    for (const bool json : {false, true}) {
        std::vector<std::string> args = {"--sweep", "lt=-0.1:0.4999:0.0001"};  // 6000 rows, failing ones first
        if (json)
            args.push_back("--json");
        const CliRun r = Calc(args);
        ASSERT_EQ(r.status, 0) << r.err;
        std::string expected = json ? "[\n" : SweepCsvHeader(lap);
        bool first = true;
        SweepEach(DefaultFlightCase(), lap, -0.1, 0.4999, 0.0001, [&](const SweepRow &row) {
            if (json) {
                if (!first)
                    expected += ",\n";
                AppendSweepJsonRow(expected, lap, row);
            } else {
                AppendSweepCsvRow(expected, row);
            }
            first = false;
        });
        if (json)
            expected += "\n]\n";
        EXPECT_EQ(r.out, expected);
    }
}

TEST(TethrixCalc, sweep_reports_failed_rows_and_bad_ranges)
{
    const CliRun r = Calc({"--sweep", "LT=-1:1:1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n0,,,,,,,,,,,,,,,,,Floating point division by zero\n"), std::string::npos) << r.out;
    EXPECT_EQ(Calc({"--sweep", "lt=4:5:0"}).status, 2);
    EXPECT_EQ(Calc({"--sweep", "lt=5:4:0.1"}).status, 2);
    EXPECT_EQ(Calc({"--sweep", "lt=0:1:0.000001"}).status, 2);  // a million rows
    EXPECT_EQ(Calc({"--sweep", "an=1:2:1"}).status, 2);
    EXPECT_EQ(Calc({"--sweep", "lt=4:5"}).status, 2);
    EXPECT_EQ(Calc({"--sweep", "lt=4:x:1"}).status, 2);
    EXPECT_EQ(Calc({"--sweep", "nl=1:3:1"}).status, 0);
    // A sweep of the wind from calm has the downwind tension in every row.
    EXPECT_NE(Calc({"--sweep", "WndSpeed=0:10:10"}).out.find(",Downwind Tension (pounds),Error\n0,"), std::string::npos);
    // A metric lap speed beyond single precision is written, not "inf".
    const CliRun huge = Calc({"--units=metric", "--sweep", "ll=0:1e38:1e34"});
    ASSERT_EQ(huge.status, 0) << huge.err;
    EXPECT_EQ(huge.out.find("inf"), std::string::npos);
}

}  // namespace

namespace {
// Every "key": number of a JSON text, nested members included.
std::map<std::string, double> JsonNumbers(const std::string &json)
{
    std::map<std::string, double> numbers;
    static const std::regex member("\"(\\w+)\": (-?[0-9][0-9.eE+-]*)");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), member); it != std::sregex_iterator(); ++it)
        numbers[(*it)[1]] = std::stod((*it)[2]);
    return numbers;
}
}  // namespace

// Metric is the imperial answer times the units' definitions, keys unchanged.
TEST(TethrixCalc, metric_json_is_the_imperial_json_times_the_factors)
{
    // A data file is imperial whatever the units shown: the same case both ways.
    // In a wind of 10 mph, typed in each run's units.
    std::vector<std::string> args = {TempFile("metric.TQD", "ll=60\r\nwt=56\r\nlt=5.2\r\n"), "WndSpeed=10", "--json"};
    const CliRun imperial = Calc(args);
    args[1] = "WndSpeed=16.09344";
    args.push_back("--units=metric");
    const CliRun metric = Calc(args);
    ASSERT_EQ(metric.status, 0) << metric.err;
    EXPECT_NE(imperial.out.find("\"units\": \"imperial\""), std::string::npos);
    EXPECT_NE(metric.out.find("\"units\": \"metric\""), std::string::npos);
    const auto in = JsonNumbers(imperial.out), out = JsonNumbers(metric.out);
    const double inch = 25.4, foot = 0.3048, ounce = 28.349523125, mph = 1.609344;
    const std::map<std::string, std::function<double(double)>> factor = {
        {"LeadoutPosition", [&](double v) { return v * inch; }},
        {"LineTension", [](double v) { return v * 4.4482216152605; }},
        {"WingLoading", [&](double v) { return v * ounce / (144 * 0.0254 * 0.0254 * 100); }},
        {"GroundSpeed", [&](double v) { return v * mph; }},
        {"FlightRadius", [&](double v) { return v * foot; }},
        {"LineProjection", [&](double v) { return v * inch; }},
        {"LineWeight", [&](double v) { return v * ounce; }},
        {"LineReynolds", [](double v) { return v; }},
        {"LineDragArea", [](double v) { return v * 2.54 * 2.54; }},
        {"DensityAltitude", [&](double v) { return v * foot; }},
        {"AirPressure", [](double v) { return v * 33.8638866667; }},
        {"LeadoutRake", [](double v) { return v; }},
        {"LineDrag", [](double v) { return v * 4.4482216152605; }},
        {"LinePower", [](double v) { return v; }},
        {"PullTest", [](double v) { return v * 4.4482216152605; }},
        {"LapSpeed", [&](double v) { return v * mph; }},
        {"ArmLngth", [&](double v) { return v * inch; }},
        {"HndlAngl", [](double v) { return v; }},
        {"WndSpeed", [&](double v) { return v * mph; }},
        {"Temp", [](double v) { return (v - 32) * 5 / 9; }},
        {"Altitude", [&](double v) { return v * foot; }},
        {"Humidity", [](double v) { return v; }},
        {"PullMultiple", [](double v) { return v; }},
        {"PullLoad", [](double v) { return v * 0.45359237; }},
        {"DownwindTension", [](double v) { return v * 4.4482216152605; }},
    };
    ASSERT_EQ(in.size(), factor.size());
    ASSERT_EQ(out.size(), factor.size());
    for (const auto &[key, convert] : factor)
        EXPECT_NEAR(out.at(key), convert(in.at(key)), std::fabs(out.at(key)) * 1e-14 + 1e-13) << key;

    // Inputs in metric read as their imperial values: the same figures.
    std::vector<std::string> typed = {"ll=18.288", "wt=1587.573295", "lt=5.2", "WndSpeed=16.09344", "--json", "--units", "metric"};
    EXPECT_EQ(Calc(typed).out, metric.out);
    // Text output names the metric units.
    const CliRun text = Calc({"--units=METRIC", "ll=18.288"});
    for (const char *line : {"Line Tension = ", " N\n", "Flight Radius = ", " m\n", " hPa\n", " km/h\n", "Leadout Rake = "})
        EXPECT_NE(text.out.find(line), std::string::npos) << line;
    EXPECT_EQ(Calc({"--units=furlongs"}).status, 2);
    EXPECT_EQ(Calc({"--units=metric", "--units=metric"}).status, 2);
    EXPECT_EQ(Calc({"--units"}).status, 2);
}

// A sweep's key runs in the units shown; rows equal single metric cases.
TEST(TethrixCalc, a_metric_sweep_takes_and_gives_metric_values)
{
    const CliRun csv = Calc({"--sweep", "ll=18:19:0.5", "--units=metric"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("ll (m),Leadout Position Behind CG (mm),Line Tension (N),Wing Loading (g/dm²),", 0), 0u);
    EXPECT_NE(csv.out.find(",Leadout Rake (degrees),Lap Speed (km/h),Line Drag (N),Line Power (watts),Pull Test (N),Error\n"), std::string::npos);
    const CliRun json = Calc({"--sweep", "ll=18.5:18.5:1", "--units=metric", "--json"});
    const auto row = JsonNumbers(json.out), single = JsonNumbers(Calc({"ll=18.5", "--units=metric", "--json"}).out);
    EXPECT_EQ(row.at("ll"), 18.5);
    for (const char *key : {"LineTension", "LeadoutPosition", "LeadoutRake", "LapSpeed", "AirPressure"})
        EXPECT_EQ(row.at(key), single.at(key)) << key;
    EXPECT_EQ(Calc({"--sweep", "ll=2e38:2e38:1", "--units=metric"}).status, 2);  // beyond the field in feet
}

TEST(TethrixCalc, compare_prints_both_cases_and_the_change_in_every_form)
{
    const std::string a = TempFile("a.TQD", "an=Fifteen\r\nls=0.015\r\n"), b = TempFile("b.TQD", "an=Eighteen\r\nls=0.018\r\n");
    const CliRun text = Calc({"--compare", a, b});
    ASSERT_EQ(text.status, 0) << text.err;
    // Every input that differs, with A's value and unit: the name is A's and B's own.
    EXPECT_NE(text.out.find("A: Fifteen\nB: Eighteen\nInput Line Diameter: A 0.015 inches, B 0.018 inches\nLeadout"),
              std::string::npos) << text.out;
    EXPECT_NE(Calc({"--compare", a, b, "--json", "--units=metric"}).out.find(
                  "\"Differences\": [\"Line Diameter: A 0.381 mm, B 0.4572 mm\"]"), std::string::npos);
    // The stored flying conditions are A's as well as B's.
    const ConditionsReader hot = [](FlightCase &fc) {
        fc.Temperature = 95;
        return std::vector<std::string>();
    };
    EXPECT_NE(Calc({"--compare", a, a, "--json"}, nullptr, hot).out.find("\"Differences\": []"), std::string::npos);
    EXPECT_NE(text.out.find("Line Tension: A = 8.042 pounds, B = 8.042 pounds, no change\n"), std::string::npos);
    EXPECT_NE(text.out.find("Line Drag: A = 0.3773 pounds, B = 0.4339 pounds, change +0.05663\n"), std::string::npos);

    // JSON: each side as a single calculation gives it, the change their difference.
    const CliRun json = Calc({"--compare", a, b, "lt=5", "--json"});
    const auto single = JsonNumbers(Calc({b, "lt=5", "--json"}).out), first = JsonNumbers(Calc({a, "lt=5", "--json"}).out);
    const std::string changePart = json.out.substr(json.out.find("\"Change\""));
    const auto change = JsonNumbers(changePart);
    for (const char *key : {"LineDrag", "LinePower", "LeadoutPosition", "LapSpeed"}) {
        EXPECT_NE(json.out.find("\"" + std::string(key) + "\": " + FullPrecision(single.at(key))), std::string::npos) << key;
        EXPECT_EQ(change.at(key), single.at(key) - first.at(key)) << key;
    }

    const CliRun csv = Calc({"--compare", a, a, "--csv"});
    EXPECT_EQ(csv.out.rfind("Figure,Unit,A,B,Change\nAirplane,,Fifteen,Fifteen,\nLeadout Position Behind CG,inches,", 0), 0u);
    EXPECT_NE(csv.out.find("\nLine Power,watts,27.89488204798702,27.89488204798702,0\n"), std::string::npos);
    // A name a spreadsheet would run is kept a text; a negative change stays a number.
    const CliRun formula = Calc({"--compare", b, TempFile("f.TQD", "an=@SUM(A1)\r\n"), "--csv"});
    EXPECT_NE(formula.out.find("\nAirplane,,Eighteen,'@SUM(A1),\n"), std::string::npos) << formula.out;
    EXPECT_NE(formula.out.find(",-0.0566"), std::string::npos) << formula.out;

    for (const std::vector<std::string> &bad : {std::vector<std::string>{"--compare", a}, {"--compare", a, b, a},
                                                {"--compare", a, b, "--sweep", "lt=4:5:1"},
                                                {"--csv"}, {"--compare", a, b, "--csv", "--json"}})
        EXPECT_EQ(Calc(bad).status, 2);
    const CliRun fails = Calc({"--compare", TempFile("z.TQD", "lt=0\r\n"), b});
    EXPECT_EQ(fails.status, 1);
    EXPECT_EQ(fails.err, "tethrix-calc: A: Floating point division by zero.\n");
    EXPECT_EQ(fails.out, "");
}


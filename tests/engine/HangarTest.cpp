// The hangar: its checks, its exchange file and the merge of an import.
#include "hangar/Hangar.h"
#include "hangar/HangarChange.h"
#include "hangar/HangarFile.h"
#include "hangar/HangarLog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <algorithm>
#include <functional>
#include <map>

namespace {

const char *const T0 = "2026-12-09T04:30:00Z";
const char *const T1 = "2026-12-10T15:02:00Z";

FlightCase Named(const std::string &name)
{
    FlightCase fc = DefaultFlightCase();
    fc.AcName = name;
    return fc;
}

Flight FlightOf(const std::string &id, const std::string &airplane, const std::string &flown)
{
    CaseFigures figures;
    for (int i = 0; i < FigureCount; ++i)
        figures.values[i] = 1.0 / (i + 3) * std::pow(10.0, i - 6);  // digits to the last bit
    figures.values[FigureCount - 1] = NAN;
    Flight f = FlightOfCase(Named("Ringcruiser"), Result<CaseFigures>{figures});
    f.id = id;
    f.airplaneId = airplane;
    f.flown = f.changed = flown;
    f.lapTime = 5.1;
    f.conditions[3] = 97.3f;
    f.engine = "Fox .35";
    f.notes = "gusty\nwent wide in the wind";
    return f;
}

// Two airplanes named in several scripts, and a log.
Hangar Sample()
{
    Hangar h;
    EXPECT_EQ(h.AddAirplane("b2", Named("Стрела ✈️ 🛩"), "ST .60\t12x6", T0).error, "");
    EXPECT_EQ(h.AddAirplane("a1", Named("שחף עברית 日本語"), "", T0).error, "");
    FlightCase odd = Named("Odd \"quoted\\\" one");
    odd.Weight = 41.123456f;
    odd.LineDiameter = 0.0000012f;
    EXPECT_EQ(h.AddAirplane("c3", odd, "", T0).error, "");
    EXPECT_EQ(h.LogFlight(FlightOf("f2", "a1", T1)).error, "");
    EXPECT_EQ(h.LogFlight(FlightOf("f1", "a1", T0)).error, "");
    Flight unmeasured = FlightOf("f3", "b2", T1);
    unmeasured.lapTime = NAN;
    unmeasured.figures.fill(NAN);
    unmeasured.conditions[0] = -0.0f;
    EXPECT_EQ(h.LogFlight(unmeasured).error, "");
    return h;
}

// What an import reports, and its summary.
std::string ImportInto(Hangar &into, const Hangar &from, ImportSummary &summary)
{
    Result<ImportSummary> imported = into.Import(from);
    summary = imported.value;
    return imported.error;
}

std::string TextOf(const Hangar &h)
{
    const Result<std::string> t = HangarFileText(h);
    EXPECT_TRUE(t.ok()) << t.error;
    return t.value;
}

TEST(HangarModel, refuses_what_a_flier_cannot_keep)
{
    struct Row {
        const char *what;
        std::string name, notes, time;
        const char *message;
    } rows[] = {
        {"empty name", "", "", T0, "An airplane needs a name"},
        {"blank name", "   ", "", T0, "An airplane needs a name"},
        {"71 characters", std::string(71, 'x'), "", T0, "longer than 70"},
        {"70 emoji fit", [] { std::string s; for (int i = 0; i < 70; ++i) s += "🛩"; return s; }(), "", T0, ""},
        {"line break in a name", "A\nB", "", T0, "cannot hold line breaks"},
        {"invalid UTF-8", "\xC3(", "", T0, "not valid UTF-8"},
        {"notes too long", "A", std::string(4001, 'n'), T0, "longer than 4000"},
        {"not a UTC time", "A", "", "2026-12-09 04:30", "is not a UTC time"},
        {"no 30 February", "A", "", "2026-02-30T04:30:00Z", "is not a UTC time"},
        {"29 February of a leap year", "A", "", "2028-02-29T23:59:59Z", ""},
    };
    for (const Row &row : rows) {
        Hangar h;
        const std::string e = h.AddAirplane("id", Named(row.name), row.notes, row.time).error;
        if (*row.message == '\0')
            EXPECT_EQ(e, "") << row.what;
        else
            EXPECT_NE(e.find(row.message), std::string::npos) << row.what << ": " << e;
        EXPECT_EQ(h.Airplanes().size(), e.empty() ? 1u : 0u) << row.what;
    }
}

TEST(HangarModel, refuses_bad_flights_and_changes_nothing)
{
    struct Row {
        const char *what;
        void (*spoil)(Flight &);
        const char *message;
    } rows[] = {
        {"unknown airplane", [](Flight &f) { f.airplaneId = "zz"; }, "not in the hangar"},
        {"lap time 0", [](Flight &f) { f.lapTime = 0; }, "lap time"},
        {"infinite lap time", [](Flight &f) { f.lapTime = INFINITY; }, "lap time"},
        {"condition not a number", [](Flight &f) { f.conditions[2] = NAN; }, "Wind Speed"},
        {"infinite figure", [](Flight &f) { f.figures[1] = -INFINITY; }, "Line Tension"},
        {"long prop", [](Flight &f) { f.prop = std::string(201, 'p'); }, "prop is longer than 200"},
        {"tab in the fuel", [](Flight &f) { f.fuel = "10%\tnitro"; }, "fuel cannot hold"},
        {"bad number input", [](Flight &f) { f.inputs.text[4] = "25,5"; }, "Inboard Wing Length"},
        {"line count not whole", [](Flight &f) { f.inputs.text[1] = "2.0"; }, "whole number"},
        {"input beyond single precision", [](Flight &f) { f.inputs.text[6] = "1e39"; }, "out of range"},
        {"bad id", [](Flight &f) { f.id = "f 1"; }, "is not an id"},
        {"id taken", [](Flight &f) { f.id = "f1"; }, "already a flight"},
    };
    for (const Row &row : rows) {
        Hangar h = Sample();
        const std::string before = TextOf(h);
        Flight f = FlightOf("new", "a1", T1);
        row.spoil(f);
        const std::string e = h.LogFlight(f).error;
        EXPECT_NE(e.find(row.message), std::string::npos) << row.what << ": " << e;
        EXPECT_EQ(TextOf(h), before) << row.what;
    }
}

TEST(HangarModel, keeps_renames_duplicates_and_deletes)
{
    Hangar h = Sample();
    EXPECT_EQ(h.FlightsOf("a1").size(), 2u);
    EXPECT_EQ(h.FlightsOf("a1")[0]->id, "f2");  // newest first
    EXPECT_EQ(h.LastFlown("a1"), T1);
    EXPECT_EQ(h.LastFlown("c3"), "");
    EXPECT_EQ(h.LastFlownOfAll(), (std::vector<std::string>{T1, T1, ""}));

    // An airplane opens as its data file would: four digits in the fields.
    const FlightCase opened = CaseOfInputs(h.FindAirplane("c3")->inputs, DefaultFlightCase());
    EXPECT_EQ(opened.Weight, 41.12f);
    EXPECT_EQ(opened.AcName, "Odd \"quoted\\\" one");

    EXPECT_EQ(h.Rename("a1", "Gull", T1).error, "");
    EXPECT_EQ(h.FindAirplane("a1")->Name(), "Gull");
    EXPECT_EQ(h.FindAirplane("a1")->changed, T1);
    EXPECT_NE(h.Rename("a1", "", T1).error, "");
    EXPECT_EQ(h.FindAirplane("a1")->Name(), "Gull");
    EXPECT_EQ(h.Duplicate("a1", "a9", "Gull 2", T1).error, "");
    EXPECT_EQ(h.FindAirplane("a9")->inputs.text[2], h.FindAirplane("a1")->inputs.text[2]);
    EXPECT_TRUE(h.FlightsOf("a9").empty());
    EXPECT_NE(h.Duplicate("a1", "b2", "Taken", T1).error, "");

    Flight corrected = *h.FindFlight("f1");
    corrected.lapTime = 5.3;
    corrected.airplaneId = "b2";  // a correction keeps the flight's airplane
    EXPECT_EQ(h.CorrectFlight(corrected, T1).error, "");
    EXPECT_EQ(h.FindFlight("f1")->airplaneId, "a1");
    EXPECT_EQ(h.FindFlight("f1")->changed, T1);

    EXPECT_EQ(h.DeleteAirplane("a1", false).error, "");
    EXPECT_EQ(h.FlightsOf("a1").size(), 2u);  // the log stays
    const auto byAirplane = h.FlightsByAirplane();  // a deleted airplane's flights among them
    EXPECT_EQ(byAirplane.size(), 2u);
    for (const auto &[id, flights] : byAirplane)
        EXPECT_EQ(flights, h.FlightsOf(id)) << id;
    EXPECT_EQ(h.DeleteAirplane("b2", true).error, "");
    EXPECT_EQ(h.FindFlight("f3"), nullptr);
    EXPECT_EQ(h.DeleteFlight("f1").error, "");
    EXPECT_NE(h.DeleteFlight("f1").error, "");
    EXPECT_EQ(h.Flights().size(), 1u);
}

TEST(HangarFile, reads_back_every_value_and_writes_the_same_bytes)
{
    const Hangar h = Sample();
    const std::string text = TextOf(h);
    EXPECT_EQ(text.rfind("{\"format\":\"tethrix-hangar\",\"version\":1,\n\"airplanes\":[\n{\"id\":\"a1\"", 0), 0u);
    const Result<Hangar> back = ReadHangarFile(text);
    ASSERT_TRUE(back.ok()) << back.error;
    ASSERT_EQ(back.value.Airplanes(), h.Airplanes());
    ASSERT_EQ(back.value.Flights().size(), h.Flights().size());
    for (std::size_t i = 0; i < h.Flights().size(); ++i) {
        const Flight &a = h.Flights()[i], &b = back.value.Flights()[i];
        EXPECT_TRUE(a == b) << a.id;
        for (int k = 0; k < FigureCount; ++k)  // bit for bit
            EXPECT_TRUE(std::isnan(a.figures[k]) ? std::isnan(b.figures[k])
                                                 : std::memcmp(&a.figures[k], &b.figures[k], 8) == 0);
    }
    EXPECT_TRUE(std::signbit(back.value.FindFlight("f3")->conditions[0]));
    EXPECT_EQ(TextOf(back.value), text);
    // Escapes a script may write read as the characters they stand for.
    std::string escaped = text;
    escaped.replace(escaped.find("ST .60"), 2, "\\u0053\\u0054");
    escaped.replace(escaped.find("🛩"), 4, "\\ud83d\\udee9");
    EXPECT_EQ(TextOf(ReadHangarFile(escaped).value), text);
}

TEST(HangarFile, refuses_damaged_and_hostile_files_whole)
{
    const std::string good = TextOf(Sample());
    const auto replaced = [&](const std::string &from, const std::string &to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    // Airplanes as short as they come, each valid: the count is what is wrong.
    const auto airplanes = [](int count) {
        std::string s = "{\"format\":\"tethrix-hangar\",\"version\":1,\"airplanes\":[";
        for (int i = 0; i < count; ++i)
            s += std::string(i ? "," : "") + "{\"id\":\"a" + std::to_string(i) +
                 "\",\"inputs\":{\"an\":\"A\",\"nl\":\"2\",\"ls\":\"1\",\"ll\":\"1\",\"wl\":\"1\",\"hl\":\"1\","
                 "\"wt\":\"1\",\"lt\":\"1\",\"wa\":\"1\"},\"notes\":\"\",\"created\":\"2026-12-09T04:30:00Z\","
                 "\"changed\":\"2026-12-09T04:30:00Z\"}";
        return s + "],\"flights\":[]}";
    };
    EXPECT_TRUE(ReadHangarFile(airplanes(10000)).ok());
    std::string deep(100000, '[');
    struct Row {
        const char *what;
        std::string text;
        const char *reason;
    } rows[] = {
        {"truncated", good.substr(0, good.size() / 2), "ends too soon"},
        {"empty", "", "ends too soon"},
        {"number for a text", replaced("\"notes\":\"\"", "\"notes\":5"), "expected a text for the notes"},
        {"text for a number", replaced("\"lapTime\":5.1", "\"lapTime\":\"5.1\""), "expected a number"},
        {"bad input number", replaced("\"wt\":\"42.000000\"", "\"wt\":\"4x\""), "Airplane Weight"},
        {"10,001 airplanes", airplanes(10001), "more than 10,000 airplanes"},
        {"100,000 airplanes", airplanes(100000), "larger than 16 MiB"},
        {"20 MiB", good + std::string(20 << 20, ' '), "larger than 16 MiB"},
        {"deep nesting", replaced("\"airplanes\":[", "\"airplanes\":[" + deep), "expected '{'"},
        {"invalid UTF-8", replaced("Стрела", "\xD0\x21"), "not valid UTF-8"},
        {"duplicate key", replaced("\"notes\":\"\",", "\"notes\":\"\",\"notes\":\"\","), "'notes' of airplane 1 appears twice"},
        {"duplicate id", replaced("\"id\":\"b2\"", "\"id\":\"a1\""), "same id"},
        {"unknown key", replaced("\"notes\":\"\",", "\"colour\":\"red\",\"notes\":\"\","), "not one this version knows"},
        {"missing key", replaced("\"tipWeight\":\"\",", ""), "has no 'tipWeight'"},
        {"newer version", replaced("\"version\":1", "\"version\":2"), "version 2, from a newer Tethrix"},
        {"another format", replaced("tethrix-hangar", "tethrix-hanger"), "format"},
        {"lone surrogate", replaced("ST .60", "\\ud83d"), "lone surrogate"},
        {"raw control character", replaced("ST .60", "S\x01"), "control character"},
        {"trailing data", good + "{}", "follows the end"},
        {"float out of range", replaced("\"Temp\":97.3", "\"Temp\":1e39"), "out of range"},
    };
    for (const Row &row : rows) {
        Hangar kept = Sample();
        const std::string before = TextOf(kept);
        const Result<Hangar> read = ReadHangarFile(row.text);
        EXPECT_NE(read.error.find(row.reason), std::string::npos) << row.what << ": " << read.error;
        EXPECT_TRUE(read.value.Airplanes().empty() && read.value.Flights().empty()) << row.what;
        ImportSummary summary;
        EXPECT_EQ(ImportInto(kept, read.value, summary), "");
        EXPECT_FALSE(summary.Changed()) << row.what;
        EXPECT_EQ(TextOf(kept), before) << row.what;
    }
}

TEST(HangarImport, adds_and_updates_by_id_and_never_deletes)
{
    Hangar phone = Sample();
    Hangar desktop;
    EXPECT_EQ(desktop.AddAirplane("d1", Named("Desk only"), "", T0).error, "");
    ImportSummary s;
    ASSERT_EQ(ImportInto(desktop, ReadHangarFile(TextOf(phone)).value, s), "");
    EXPECT_EQ(s.addedAirplanes.size(), 3u);
    EXPECT_EQ(s.addedFlights, 3u);
    const std::string once = TextOf(desktop);
    ASSERT_EQ(ImportInto(desktop, ReadHangarFile(TextOf(phone)).value, s), "");
    EXPECT_FALSE(s.Changed());
    EXPECT_EQ(TextOf(desktop), once);

    // A newer copy updates; an older one does not; what the copy lacks stays.
    EXPECT_EQ(phone.Rename("a1", "Gull", T1).error, "");
    EXPECT_EQ(phone.DeleteAirplane("b2", true).error, "");
    EXPECT_EQ(desktop.Rename("c3", "Renamed here", T1).error, "");
    ASSERT_EQ(ImportInto(desktop, ReadHangarFile(TextOf(phone)).value, s), "");
    EXPECT_EQ(s.updatedAirplanes, std::vector<std::string>{"Gull"});
    EXPECT_TRUE(s.addedAirplanes.empty());
    EXPECT_EQ(desktop.FindAirplane("c3")->Name(), "Renamed here");
    EXPECT_NE(desktop.FindAirplane("b2"), nullptr);
    EXPECT_NE(desktop.FindFlight("f3"), nullptr);
    EXPECT_NE(desktop.FindAirplane("d1"), nullptr);

    // One airplane with its log travels alone.
    Hangar one;
    ASSERT_EQ(ImportInto(one, ReadHangarFile(TextOf(desktop.Extract("a1"))).value, s), "");
    EXPECT_EQ(s.addedAirplanes, std::vector<std::string>{"Gull"});
    EXPECT_EQ(s.addedFlights, 2u);
}

// A store keeps one record text per id and writes only what an edit changed:
// what it holds after each edit reads back as the edited hangar.
TEST(HangarChange, a_store_of_records_follows_every_edit)
{
    std::map<std::string, std::string> airplanes, flights;
    const auto apply = [&](const HangarChange &c) {
        for (const Airplane &a : c.putAirplanes)
            airplanes[a.id] = AirplaneRecordText(a);
        for (const std::string &id : c.removedAirplanes)
            airplanes.erase(id);
        for (const Flight &f : c.putFlights)
            flights[f.id] = FlightRecordText(f);
        for (const std::string &id : c.removedFlights)
            flights.erase(id);
    };
    const auto stored = [&](std::vector<std::string> &problems) {
        std::vector<std::string> a, f;
        for (const auto &r : airplanes)
            a.push_back(r.second);
        for (const auto &r : flights)
            f.push_back(r.second);
        return HangarOfRecords(a, f, problems);
    };
    Hangar h;
    apply(Difference(h, Sample()));
    h = Sample();
    struct Row {
        const char *what;
        std::function<Result<>(Hangar &)> edit;
        std::size_t put, removed;  // records written and removed
    } rows[] = {
        {"rename", [](Hangar &x) { return x.Rename("a1", "Gull", T1); }, 1, 0},
        {"correct", [](Hangar &x) { Flight f = *x.FindFlight("f2"); f.lapTime = 4.8; return x.CorrectFlight(f, T1); }, 1, 0},
        {"delete with flights", [](Hangar &x) { return x.DeleteAirplane("a1", true); }, 0, 3},
        {"delete, log kept", [](Hangar &x) { return x.DeleteAirplane("b2", false); }, 0, 1},
        {"fails", [](Hangar &x) { return x.Rename("zz", "No such", T1); }, 0, 0},
    };
    for (const Row &row : rows) {
        const Result<HangarEdit> e = EditHangar(h, row.edit);
        const HangarChange &c = e.value.change;
        EXPECT_EQ(c.putAirplanes.size() + c.putFlights.size(), row.put) << row.what;
        EXPECT_EQ(c.removedAirplanes.size() + c.removedFlights.size(), row.removed) << row.what;
        if (!e.ok())
            continue;
        apply(c);
        h = e.value.hangar;
        std::vector<std::string> problems;
        EXPECT_EQ(TextOf(stored(problems)), TextOf(h)) << row.what;
        EXPECT_TRUE(problems.empty()) << row.what;
    }
    // A damaged record is named and left out; the rest still reads.
    flights["f3"] = "{\"id\":\"f3\"";
    airplanes["c3"] += "x";
    std::vector<std::string> problems;
    const Hangar damaged = stored(problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("An airplane cannot be read: something follows"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("A flight cannot be read"), std::string::npos) << problems[1];
    EXPECT_EQ(damaged.Airplanes().size(), h.Airplanes().size() - 1);
}

TEST(HangarLog, the_log_as_a_table_and_as_csv)
{
    Hangar h = Sample();
    Flight hostile = FlightOf("f4", "a1", "2026-12-11T09:00:00Z");
    hostile.notes = "=HYPERLINK(\"x\"),\"quoted\"";
    hostile.conditions[2] = -5;  // a wind speed no one flies in, still a number
    ASSERT_EQ(h.LogFlight(hostile).error, "");
    const std::string csv = LogCsv(h, "a1", DisplayUnits::Imperial);
    EXPECT_EQ(csv.rfind("Flown (UTC),Airplane Name,Number of Lines,Line Diameter (inches),", 0), 0u) << csv;
    const std::size_t second = csv.find('\n') + 1;
    EXPECT_EQ(csv.compare(second, 21, "2026-12-11T09:00:00Z,"), 0) << csv.substr(second, 40);  // newest first
    EXPECT_NE(csv.find(",-5,"), std::string::npos);
    EXPECT_NE(csv.find(",\"'=HYPERLINK(\"\"x\"\"),\"\"quoted\"\"\"\n"), std::string::npos) << csv;
    // The titles and a1's three flights, two of whose notes hold a line break.
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6);
    const std::vector<LogColumn> metric = LogColumns(DisplayUnits::Metric);
    ASSERT_EQ(metric.size(), std::size_t(LogColumnCount));
    EXPECT_EQ(metric[LogFirstFigureColumn + 1].title, "Line Tension (N)");
    EXPECT_EQ(metric[LogFirstConditionColumn + 3].title, "Temprature (°C)");
    const std::vector<LogCell> row = LogRow(hostile, DisplayUnits::Metric, ',');
    EXPECT_EQ(row[LogLapTimeColumn].text, "5,1");
    EXPECT_EQ(row[LogFirstConditionColumn + 3].text, "36,28");  // 97.3 deg F
    EXPECT_NEAR(row[LogFirstConditionColumn + 3].value, 36.28, 0.01);
    EXPECT_TRUE(std::isnan(row[LogFirstFigureColumn + FigureCount - 1].value));
    EXPECT_EQ(row[LogFirstFigureColumn + FigureCount - 1].text, "");
    // Exported files are named after the airplane, never a path or hidden.
    EXPECT_EQ(FileNameOf(" Shark/45\\b \xC2\x85x "), "Shark-45-b -x");
    EXPECT_EQ(FileNameOf(".hidden"), "airplane.hidden");
    EXPECT_EQ(FileNameOf("  "), "airplane");
}

}  // namespace

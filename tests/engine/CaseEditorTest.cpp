// The flier's case as it is edited: the rules every face (window, page,
// tethrix-calc) takes from the core, tested without any of them.
#include "case/CaseEditor.h"

#include "numbers/Convert.h"
#include "case/DataFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::tm Noon()
{
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 8;
    t.tm_hour = 12;
    t.tm_wday = 2;
    return t;
}

std::string FigureText(const CaseEditor &e, const char *key) { return e.Figure(key).text; }

}  // namespace

TEST(CaseEditor, starts_from_the_built_in_airplane_and_calculates_on_defaults)
{
    CaseEditor e;
    EXPECT_EQ(e.Text("an"), "Ringcruiser");
    EXPECT_EQ(e.Text("ls"), "0.015");
    EXPECT_EQ(e.Text("wa"), "512");
    EXPECT_FALSE(e.Current());
    EXPECT_EQ(FigureText(e, "LineTension"), "Line Tension");  // the caption until calculated
    EXPECT_EQ(e.Defaults().error, "");
    EXPECT_TRUE(e.Current());
    EXPECT_EQ(FigureText(e, "LeadoutRake"), "Leadout Rake = 1.884 degrees");
}

TEST(CaseEditor, a_changed_text_leaves_the_figures_behind_and_an_empty_one_keeps_the_value)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    EXPECT_EQ(e.SetText("lt", "4.9").error, "");  // the same text: nothing changed
    EXPECT_TRUE(e.Current());
    EXPECT_EQ(e.SetText("lt", "").error, "");
    EXPECT_FALSE(e.Current());
    EXPECT_FLOAT_EQ(e.Case().LapTime, 4.9f);
    EXPECT_EQ(e.SetText("lt", "5.2").error, "");
    EXPECT_FLOAT_EQ(e.Case().LapTime, 5.2f);
    EXPECT_EQ(e.SetText("lt", "5.2x").error, "'5.2x' is not a valid floating point value.");
    EXPECT_FLOAT_EQ(e.Case().LapTime, 5.2f);
    EXPECT_EQ(e.Text("lt"), "5.2x");  // the field keeps what was typed
    // A name longer than the field's 70 characters is cut; an empty one
    // keeps the airplane's name.
    EXPECT_TRUE(e.SetText("an", std::string(69, 'x') + "\u00e9z").ok());
    EXPECT_EQ(e.Text("an"), std::string(69, 'x') + "\u00e9");
    EXPECT_EQ(e.Case().AcName, e.Text("an"));
    EXPECT_TRUE(e.SetText("an", "").ok());
    EXPECT_EQ(e.Case().AcName, std::string(69, 'x') + "\u00e9");
}

TEST(CaseEditor, a_field_showing_what_it_could_not_read_keeps_the_figures_from_being_current)
{
    struct Row { char separator; const char *key, *typed, *cue; };
    const Row rows[] = {
        {'.', "wt", "x", "Airplane Weight shows 'x': the figures use 42 ounces."},
        {'.', "wt", "42 oz", "Airplane Weight shows '42 oz': the figures use 42 ounces."},
        {'.', "lt", "5,2", "Lap Time shows '5,2': the figures use 4.9 seconds."},
        {'.', "wa", "1,500", "Wing Area shows '1,500': the figures use 512 square inches."},  // no 1.5
        {',', "lt", "5.2", "Lap Time shows '5.2': the figures use 4,9 seconds."},
        {'.', "wt", "", "Airplane Weight is empty: the figures use 42 ounces."},
    };
    for (const Row &r : rows) {
        CaseEditor e(r.separator);
        EXPECT_TRUE(e.Defaults().ok());
        (void)e.SetText(r.key, r.typed);  // read or not, as the row says
        EXPECT_EQ(e.HeadingCue(), StaleCue) << r.typed;
        EXPECT_EQ(e.Recalculate().error, "") << r.typed;  // with the value read before
        EXPECT_FALSE(e.Current()) << r.typed;
        EXPECT_EQ(e.HeadingCue(), r.cue);
        ASSERT_FALSE(e.Notes().empty());
        EXPECT_EQ(e.Notes().front().text, r.cue);
        EXPECT_EQ(e.Notes().front().key, FindInputKey(r.key));
        EXPECT_TRUE(e.SetText(r.key, e.Text(r.key) == "x" ? "42" : "7").ok());  // readable again
        EXPECT_EQ(e.Recalculate().error, "");
        EXPECT_TRUE(e.Current()) << r.typed;
        EXPECT_EQ(e.HeadingCue(), CurrentCue);
    }
    // A comma reads as the decimal mark where it is one.
    CaseEditor comma(',');
    EXPECT_EQ(comma.SetText("lt", "5,2").error, "");
    EXPECT_FLOAT_EQ(comma.Case().LapTime, 5.2f);
    EXPECT_EQ(comma.SetText("Temp", "61,5").error, "");
    EXPECT_EQ(comma.StoredText(KeyOf(Input::Temperature)), "61.5");  // kept with the point
    EXPECT_EQ(comma.SetStoredText(KeyOf(Input::Temperature), "59.5").error, "");
    EXPECT_EQ(comma.Text("Temp"), "59,5");

    // After a failure, a new unreadable text is what the advice names.
    CaseEditor e;
    EXPECT_TRUE(e.SetText("lt", "0").ok());
    EXPECT_NE(e.Recalculate().error, "");
    EXPECT_EQ(e.Advice().text, "Lap Time must be more than 0 seconds.");
    EXPECT_FALSE(e.SetText("lt", "5,2").ok());
    EXPECT_NE(e.Recalculate().error, "");
    EXPECT_EQ(e.Advice().text,
              "Lap Time shows '5,2': a calculation uses 0 seconds. Lap Time takes a number, such as 4.9. "
              "Numbers here take a decimal point ('.').");
    // The other mark is named as the one not taken, in either locale.
    EXPECT_EQ(comma.SetText("wt", "42.5").error, "'42.5' is not a valid floating point value.");
    EXPECT_EQ(comma.Advice().text, "Airplane Weight takes a number, such as 42. Numbers here take a decimal comma (',').");
    EXPECT_NE(comma.SetText("wt", "x").error, "");
    EXPECT_EQ(comma.Advice().text, "Airplane Weight takes a number, such as 42.");
}

TEST(CaseEditor, the_line_count_field_reads_whole_numbers_and_clamps_on_leaving)
{
    struct Row { const char *typed; bool leaving; const char *shown; int stored; };
    const Row rows[] = {
        {"1", false, "1", 1},     {" 3 ", false, " 3 ", 3}, {"+1", false, "+1", 1},
        {"7", false, "7", 7},     {"7", true, "3", 3},      {"4", true, "3", 3},
        {"0", false, "0", 0},     {"-2", true, "1", 1},     {"2.5", false, "1", 1},
        {"x", false, "1", 1},     {"", false, "1", 1},      {"-", false, "1", 1},
        {"2147483648", false, "1", 1}, {"00000000002", false, "00000000002", 2},
    };
    for (const Row &r : rows) {
        CaseEditor e;
        EXPECT_TRUE(e.Defaults().ok());
        EXPECT_EQ(e.SetText("nl", r.typed, r.leaving).error, "") << r.typed;
        EXPECT_EQ(e.Text("nl"), r.shown) << r.typed;
        EXPECT_EQ(e.Case().NumLines, r.stored) << r.typed;
        EXPECT_FALSE(e.Current()) << r.typed;
    }
    // Typed key by key, as the field sees it: "2.5" becomes "1" at the point.
    CaseEditor e;
    for (const char *text : {"2", "2.", "15"})
        EXPECT_TRUE(e.SetText("nl", text).ok());
    EXPECT_EQ(e.Text("nl"), "15");
    EXPECT_TRUE(e.SetText("nl", e.Text("nl"), true).ok());
    EXPECT_EQ(e.Text("nl"), "3");
    // The arrows step, then pull into the limits, as the spin field does.
    EXPECT_TRUE(e.SetText("nl", "7").ok());
    EXPECT_TRUE(e.StepLineCount(-1).ok());
    EXPECT_EQ(e.Text("nl"), "3");
    EXPECT_TRUE(e.SetText("nl", "2147483647").ok());
    EXPECT_TRUE(e.StepLineCount(1).ok());
    EXPECT_EQ(e.Text("nl"), "3");

    EXPECT_TRUE(LineCountField::AcceptsChar('.', '.'));
    EXPECT_TRUE(LineCountField::AcceptsChar(',', '.'));  // below "2"
    EXPECT_TRUE(LineCountField::AcceptsChar(0xE9, '.'));
    EXPECT_FALSE(LineCountField::AcceptsChar('x', '.'));
    EXPECT_FALSE(LineCountField::AcceptsChar('\r', '.'));
    EXPECT_FALSE(LineCountField::AcceptsChar(0x263A, '.'));
    EXPECT_EQ(LineCountField::Clamp(9, 0, 0), 9);  // equal limits: none
}

TEST(CaseEditor, what_if_converts_at_the_last_lap_speed_in_the_units_shown)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    EXPECT_EQ(e.WhatIfText(WhatIfField::LapTime), "4.9");
    EXPECT_EQ(e.WhatIfText(WhatIfField::LineLength), "58");
    e.SetWhatIfText(WhatIfField::LineLength, "58");
    ASSERT_EQ(e.WhatIf(WhatIfField::LineLength).error, "");
    const std::string lapAt58 = e.WhatIfText(WhatIfField::LapTime);

    // A length typed in metres is read as metres.
    e.SetUnits(DisplayUnits::Metric);
    EXPECT_EQ(e.WhatIfText(WhatIfField::LineLength), "17.68");
    e.SetWhatIfText(WhatIfField::LineLength, "17.6784");  // 58 ft
    ASSERT_EQ(e.WhatIf(WhatIfField::LineLength).error, "");
    EXPECT_EQ(e.WhatIfText(WhatIfField::LapTime), lapAt58);
    // The lap time gives a length in metres; back in imperial the same
    // length shows in feet, not a rounding of the metres.
    e.SetWhatIfText(WhatIfField::LapTime, "5.2");
    ASSERT_EQ(e.WhatIf(WhatIfField::LapTime).error, "");
    const std::string metres = e.WhatIfText(WhatIfField::LineLength);
    e.SetUnits(DisplayUnits::Imperial);
    const float feet = ParseNumber(e.WhatIfText(WhatIfField::LineLength)).value();
    EXPECT_NEAR(feet * 0.3048, ParseNumber(metres).value(), 0.005);
    EXPECT_EQ(e.WhatIfText(WhatIfField::LapTime), "5.2");  // the lap time stays as typed

    e.SetWhatIfText(WhatIfField::LapTime, "abc");
    EXPECT_EQ(e.WhatIf(WhatIfField::LapTime).error, "'abc' is not a valid floating point value.");
    // A lap time or length typed in its main field is copied into the row;
    // an empty or invalid one is not.
    EXPECT_TRUE(e.SetText("ll", "61").ok());
    EXPECT_TRUE(e.SetText("ll", "").ok());
    EXPECT_FALSE(e.SetText("ll", "6y").ok());
    EXPECT_EQ(e.WhatIfText(WhatIfField::LineLength), "61");
}

TEST(CaseEditor, units_change_what_is_shown_never_what_is_stored)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    const FlightCase before = e.Case();
    const std::string tension = FigureText(e, "LineTension");
    e.SetUnits(DisplayUnits::Metric);
    EXPECT_EQ(e.Text("ll"), "17.68");
    EXPECT_EQ(e.UnitText(KeyOf(Input::LineLength), "feet"), "m");
    EXPECT_TRUE(e.Current());
    EXPECT_NE(FigureText(e, "LineTension"), tension);
    EXPECT_EQ(e.SetText("ll", "18").error, "");  // metres
    EXPECT_FLOAT_EQ(e.Case().LineLength, static_cast<float>(18 / 0.3048));
    e.SetUnits(DisplayUnits::Imperial);
    EXPECT_EQ(e.Case().Weight, before.Weight);
    EXPECT_EQ(FigureText(e, "LineTension"), tension);  // the last calculation's, again in pounds
    // Conditions are kept imperial whatever is shown.
    const InputKey &temp = KeyOf(Input::Temperature);
    e.SetUnits(DisplayUnits::Metric);
    EXPECT_EQ(e.SetText("Temp", "30").error, "");
    EXPECT_EQ(e.StoredText(temp), "86");
    CaseEditor other;
    other.SetUnits(DisplayUnits::Metric);
    EXPECT_EQ(other.SetStoredText(temp, "86").error, "");
    EXPECT_EQ(other.Text(temp), "30");
    EXPECT_EQ(other.SetStoredText(temp, "hot").error, "'hot' is not a valid floating point value.");
}

TEST(CaseEditor, a_fault_stops_the_rewrite_where_it_arose_and_keeps_the_heading)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    const std::string weight = FigureText(e, "LineWeight");
    EXPECT_TRUE(e.SetText("wa", "1e-38").ok());
    EXPECT_EQ(e.Recalculate().error, "Floating point overflow.");
    EXPECT_FALSE(e.Current());
    // The wing loading is ninth: the eight before it are rewritten, the
    // three after it keep their old texts.
    EXPECT_EQ(FigureText(e, "LineWeight"), weight);
    EXPECT_NE(e.Calculated().WingArea, e.Case().WingArea);
    EXPECT_TRUE(e.SetText("lt", "0").ok());
    EXPECT_TRUE(e.SetText("wa", "512").ok());
    EXPECT_EQ(e.Recalculate().error, "Floating point division by zero.");
}

TEST(CaseEditor, errors_come_back_as_the_message_of_the_first_thing_wrong)
{
    CaseEditor e;
    const struct {
        const char *elevation, *altimeter, *error;
    } fields[] = {
        {"x", "y", "'x' is not a valid floating point value."},  // the elevation is read first
        {"100", "y", "'y' is not a valid floating point value."},
        {"100", "0", "The altimeter setting must be more than 0."},
    };
    for (const auto &f : fields)
        EXPECT_EQ(e.PressureAltitudeText(f.elevation, f.altimeter).error, f.error) << f.elevation;
    const Result<std::string> feet = e.PressureAltitudeText("1165", "29.92126");
    ASSERT_TRUE(feet.ok());
    EXPECT_NEAR(ParseNumber(feet.value).value(), 1165, 0.02);  // the standard setting: the elevation itself

    // Before any calculation the lap speed is 0: no lap time for a length.
    e.SetWhatIfText(WhatIfField::LineLength, "60");
    EXPECT_EQ(e.WhatIf(WhatIfField::LineLength).error, "Floating point division by zero.");
    e.SetWhatIfText(WhatIfField::LineLength, "6y");
    EXPECT_EQ(e.WhatIf(WhatIfField::LineLength).error, "'6y' is not a valid floating point value.");
    EXPECT_EQ(e.SetInput("lines", "2").error, "Unknown input 'lines'.");
    EXPECT_EQ(e.SetInput("nl", "two").error, "'two' is not a valid whole number.");

    // A key no table has is the asking face's fault: the program stops.
    EXPECT_DEATH(e.Text("lines"), "Unknown input 'lines'");
    EXPECT_DEATH(FigureIndex("Tension"), "No figure 'Tension'");

    // The names the code uses stand for the tables' rows they say.
    EXPECT_STREQ(KeyOf(Input::AirplaneName).key, "an");
    EXPECT_STREQ(KeyOf(Input::LapTime).key, "lt");
    EXPECT_STREQ(KeyOf(Input::ArmLength).key, "ArmLngth");
    EXPECT_STREQ(KeyOf(Input::PressureAltitude).key, "Altitude");
    EXPECT_STREQ(KeyOf(Input::PullLoad).key, "PullLoad");
    EXPECT_STREQ(Figures[FigureIndex(FigureId::LineTension)].jsonKey, "LineTension");
    EXPECT_STREQ(Figures[FigureIndex(FigureId::DownwindTension)].jsonKey, "DownwindTension");
    EXPECT_EQ(&KeyOf(Input::PullLoad), &InputKeys[InputKeyCount - 1]);
}

TEST(CaseEditor, files_open_bounded_and_save_renames_the_airplane_and_its_field)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    std::string bytes = "an=Nobler\r\nnl=7\r\nll=60.123456\r\nlt=5.1\r\n";
    EXPECT_EQ(e.Open("Nobler.TQD", bytes).error, "");
    EXPECT_TRUE(e.Current());
    EXPECT_EQ(e.Text("an"), "Nobler");
    EXPECT_EQ(e.Text("nl"), "3");
    EXPECT_EQ(e.Text("ll"), "60.12");
    EXPECT_FLOAT_EQ(e.Case().LineLength, 60.12f);  // read back from the field's text
    EXPECT_EQ(e.WhatIfText(WhatIfField::LineLength), "60.12");
    // A value whose text the field already shows is not read back: the
    // file's value stays, and a Save writes it as it was.
    EXPECT_EQ(e.Open("again.TQD", "ll=60.12345\r\nlt=5.10001\r\nwt=42.5\r\n").error, "");
    EXPECT_EQ(e.Case().LineLength, 60.12345f);
    EXPECT_EQ(e.Case().LapTime, 5.10001f);
    EXPECT_EQ(e.Case().Weight, 42.5f);
    EXPECT_EQ(e.Open("again.TQD", "ll=58.00001\r\nll=58.00001\r\n").error, "");
    // The first line changes the field's text (read back as 58); the second
    // leaves it, so its own value stays.
    EXPECT_EQ(e.Case().LineLength, 58.00001f);
    EXPECT_EQ(e.Open("again.TQD", "ll=61.00001\r\n").error, "");
    EXPECT_EQ(e.Case().LineLength, 61.0f);

    // Exactly 1 MiB is a file; one byte more is not.
    bytes.resize(MaxDataFileBytes, '\n');
    EXPECT_EQ(e.Open("big.TQD", bytes).error, "");
    bytes.push_back('\n');
    EXPECT_EQ(e.Open("big.TQD", bytes).error, "Cannot Open File big.TQD\n" + std::string(DataFileTooLarge));

    EXPECT_EQ(e.FileBytes(), DataFileText(e.Case()));
    e.SavedAs("/home/flier/planes/Stunt Wagon.TQD");
    EXPECT_EQ(e.Case().AcName, "Stunt Wagon");
    EXPECT_EQ(e.Text("an"), "Stunt Wagon");
    EXPECT_TRUE(e.Current());  // renaming changes no figure
    e.SavedAs("Gösser.tqdx");  // the dot and three characters go
    EXPECT_EQ(e.Text("an"), "Gösserx");
}

TEST(CaseEditor, the_report_brings_stale_figures_up_to_date_first)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    EXPECT_TRUE(e.SetText("lt", "5.5").ok());
    const Result<ReportLines> report = e.Report(Noon());
    const ReportLines &lines = report.value;
    EXPECT_EQ(report.error, "");
    EXPECT_TRUE(e.Current());
    EXPECT_EQ(lines.inputTexts[5], "5.5");
    EXPECT_EQ(lines.resultTexts[3], FigureText(e, "GroundSpeed"));
    EXPECT_EQ(lines.inputCaptions.front(), "Number of Lines");
    EXPECT_EQ(lines.conditionTexts.size(), 8u);
    EXPECT_EQ(lines.printed, "Printed Tue Dec 08 12:00:00 2026");

    EXPECT_TRUE(e.SetText("lt", "0").ok());
    const Result<ReportLines> none = e.Report(Noon());
    EXPECT_EQ(none.error, "Floating point division by zero.");
    EXPECT_TRUE(none.value.resultTexts.empty());

    // The line count as the spin field reports it: a typed 7 not yet left
    // prints as 7, a text that is no number as 1.
    EXPECT_TRUE(e.SetText("lt", "5").ok());
    for (const auto &[typed, printed] : {std::pair{"7", 7}, {"3", 3}}) {
        EXPECT_TRUE(e.SetText("nl", typed).ok());
        EXPECT_EQ(e.Report(Noon()).value.numLines, printed) << typed;
    }
}

TEST(CaseEditor, chart_rows_run_the_whole_range_around_the_calculated_case)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    for (const ChartRange &range : ChartRanges) {
        const std::vector<SweepRow> rows = e.ChartRows(range.key);
        ASSERT_EQ(rows.size(), static_cast<size_t>(range.points)) << range.key;
        const double at = e.ShownCalculated(range.key);
        EXPECT_FLOAT_EQ(rows.front().input, at * range.lowFactor) << range.key;
        EXPECT_FLOAT_EQ(rows.back().input, at * range.highFactor) << range.key;
    }
    // Around the case calculated, not the text typed since.
    EXPECT_TRUE(e.SetText("lt", "9").ok());
    EXPECT_FLOAT_EQ(e.ChartRows("lt").back().input, 4.9f * 1.2);
    EXPECT_EQ(ChartValues(10, {"lt", 0.5, 1.5, 3}), (std::vector<double>{5, 10, 15}));
}

// The sweep's limits and its CSV: exactly the largest number of rows is a
// sweep, one more is not; a text with quotes is quoted with them doubled,
// and one a spreadsheet would run as a formula is kept a text. A negative
// number stays a number.
TEST(Sweep, the_row_limit_is_exact_and_csv_texts_stay_texts)
{
    EXPECT_EQ(SweepCount(1, MaxSweepRows, 1), MaxSweepRows);
    EXPECT_EQ(SweepCount(1, MaxSweepRows + 1, 1), 0);
    SweepRow row;
    row.input = -5;
    row.error = "say \"no\", twice";
    const std::string csv = SweepCsv(KeyOf(Input::LapTime), {row});
    EXPECT_NE(csv.find("\n-5,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",\"say \"\"no\"\", twice\"\n"), std::string::npos) << csv;
    for (const auto &[text, field] : {std::pair{"=SUM(A1)", "'=SUM(A1)"}, {"+1", "'+1"}, {"-2", "'-2"},
                                      {"@SUM(A1)", "'@SUM(A1)"}, {"\tx", "'\tx"}, {"\rx", "\"'\rx\""},
                                      {"=1,2", "\"'=1,2\""}, {"a=1", "a=1"}, {"", ""}}) {
        std::string out;
        AppendCsvField(out, text);
        EXPECT_EQ(out, field) << text;
    }
    EXPECT_EQ(ReadableSweepCsv("-Lap, Time", KeyOf(Input::LapTime), {}).rfind("\"'-Lap, Time\",", 0), 0u);
}

// Two setups side by side: A beside the case edited, figure by figure.
TEST(CaseEditor, a_case_kept_as_a_shows_the_change_two_calculations_give)
{
    CaseEditor e;
    ASSERT_EQ(e.Defaults().error, "");
    EXPECT_EQ(e.ComparisonText(0), "");
    ASSERT_EQ(e.KeepAsA().error, "");
    EXPECT_EQ(e.AText(), "A: Ringcruiser");
    for (int i = 0; i < FigureCount; ++i)  // the case against itself; without wind no downwind tension
        if (e.Figures()[static_cast<size_t>(i)].shown)
            EXPECT_EQ(e.ComparisonText(i).substr(e.ComparisonText(i).find(',')), ", no change") << i;
        else
            EXPECT_EQ(e.ComparisonText(i), "") << i;

    // .015 to .018 lines, 58 to 63 ft: the change is what the two cases give.
    for (const auto &[key, to] : {std::pair{"ls", "0.018"}, {"ll", "63"}}) {
        CaseEditor b;
        EXPECT_TRUE(b.Defaults().ok());
        EXPECT_TRUE(b.KeepAsA().ok());
        EXPECT_TRUE(b.SetText(key, to).ok());
        ASSERT_EQ(b.Recalculate().error, "");
        const int i = FigureIndex(FigureId::LineTension), j = FigureIndex(FigureId::LinePower);
        const double changed = *b.Figures()[i].value, power = *b.Figures()[j].value;
        const double before = *e.Figures()[i].value;
        EXPECT_EQ(b.ComparisonText(i), "A " + FormatNumber(float(before), 4) + ", " +
                                           (changed == before ? "no change" : "+" + FormatNumber(float(changed - before), 4)))
            << key;
        EXPECT_EQ(b.ComparisonText(j), "A 27.89, +" + FormatNumber(float(power - *e.Figures()[j].value), 4)) << key;
        // The report prints it; metric shows both in metric.
        const ReportLines lines = b.Report(Noon()).value;
        EXPECT_EQ(lines.comparedWith, "A: Ringcruiser");
        // Its rows name what differs; a figure the case does not show has none.
        const std::vector<ReportRow> rows = ReportRows(lines);
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [&](const ReportRow &r) { return r.text == b.Differences().at(0); }), 1);
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const ReportRow &r) { return r.text.empty(); }), 0);
        EXPECT_EQ(lines.resultTexts[j], b.Figures()[j].text + "   (" + b.ComparisonText(j) + ")");
        b.SetUnits(DisplayUnits::Metric);
        EXPECT_EQ(b.ComparisonText(FigureIndex(FigureId::FlightRadius)).substr(0, 8), "A 18.96,");
        b.ClearA();
        EXPECT_EQ(b.ComparisonText(i), "");
        EXPECT_TRUE(b.Report(Noon()).value.comparedWith.empty());
    }

    // A from a data file, over the conditions in force; a case that cannot
    // be calculated is not kept.
    ASSERT_EQ(e.OpenA("B.TQD", "an=Heavy\r\nwt=56\r\n").error, "");
    EXPECT_EQ(e.AText(), "A: Heavy");
    EXPECT_EQ(e.ComparisonText(FigureIndex(FigureId::PullTest)), "A 35, -8.75");
    // What differs is named, each with its unit, in full where it rounds alike.
    EXPECT_EQ(e.ComparisonSummary(), "A: Heavy\nAirplane Weight: A 56 ounces, B 42 ounces");
    EXPECT_TRUE(e.SetText("nl", "3").ok());
    EXPECT_TRUE(e.SetText("WndSpeed", "5").ok());
    EXPECT_TRUE(e.SetText("lt", "4.90001").ok());
    ASSERT_EQ(e.Recalculate().error, "");
    EXPECT_EQ(e.Differences(), (std::vector<std::string>{"Number of Lines: A 2, B 3", "Airplane Weight: A 56 ounces, B 42 ounces",
                                                         "Lap Time: A 4.9 seconds, B 4.90001 seconds",
                                                         "Wind Speed: A 0 mph, B 5 mph"}));
    CaseEditor same;
    EXPECT_TRUE(same.Defaults().ok());
    ASSERT_EQ(same.KeepAsA().error, "");
    EXPECT_EQ(same.ComparisonSummary(), "A: Ringcruiser\nThe same inputs and flying conditions as A.");
    EXPECT_EQ(e.OpenA("C.TQD", "lt=0\r\n").error, "Floating point division by zero.");
    EXPECT_EQ(e.AText(), "A: Heavy");
    EXPECT_NE(e.OpenA("D.TQD", std::string(MaxDataFileBytes + 1, 'x')).error, "");
}

TEST(CaseEditor, in_a_wind_the_pull_test_is_measured_against_the_higher_downwind_tension)
{
    CaseEditor e;
    EXPECT_TRUE(e.Defaults().ok());
    EXPECT_FALSE(e.Figure("DownwindTension").shown);  // no wind: one tension
    EXPECT_EQ(e.Figure("DownwindTension").text, "");
    EXPECT_EQ(e.Figure("PullTest").text, "Pull Test = 26.25 pounds, 3.26 x Line Tension");

    EXPECT_TRUE(e.SetText("WndSpeed", "10").ok());
    ASSERT_EQ(e.Recalculate().error, "");
    // Upwind m(V - w)²/R, downwind m(V + w)²/R: their ratio is ((V + w)/(V - w))².
    const double upwind = *e.Figure("LineTension").value, downwind = *e.Figure("DownwindTension").value;
    float groundSpeed = 0;
    CalcEngine solved(e.Case(), groundSpeed);
    ASSERT_EQ(solved.Recalculate(e.Case().LapTime), nullptr);
    const double v = solved.Results().airspeed, w = solved.Results().windSpeed;
    EXPECT_NEAR(downwind / upwind, ((v + w) / (v - w)) * ((v + w) / (v - w)), 1e-12);
    EXPECT_GT(downwind, upwind);
    EXPECT_TRUE(e.Figure("DownwindTension").shown);
    EXPECT_EQ(e.Figure("PullTest").text,
              "Pull Test = 26.25 pounds, " + FormatNumber(static_cast<float>(26.25 / downwind), 3) + " x Downwind Tension");

    // A fixed load in place of the multiple, typed in kg in metric and shown in N and kg.
    e.SetUnits(DisplayUnits::Metric);
    EXPECT_TRUE(e.SetText("PullLoad", "22").ok());
    ASSERT_EQ(e.Recalculate().error, "");
    EXPECT_NEAR(e.Case().PullLoad, 22 / 0.45359237, 1e-4);
    EXPECT_EQ(e.Figure("PullTest").text.substr(0, 29), "Pull Test = 215.7 N (22 kg), ");
}

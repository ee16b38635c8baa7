// Metric units at the edges and the leadout rake, against values worked out
// by hand from the definitions of the units.
#include "case/CaseEditor.h"
#include "numbers/Convert.h"
#include "numbers/EngineError.h"
#include "case/Figures.h"
#include "case/ReportLines.h"
#include "case/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// Every input and figure, its metric unit and one imperial value with its
// metric value as a flier's reference tables give it.
struct Expected {
    const char *name;  // input key or figure JSON key
    const char *unit;
    double imperial, metric;
};
const Expected Inputs[] = {
    {"ls", "mm", 0.015, 0.381},        {"ll", "m", 60, 18.288},         {"wl", "mm", 25.5, 647.7},
    {"hl", "mm", 7, 177.8},            {"wt", "g", 56, 1587.573295},    {"lt", "", 5.2, 5.2},
    {"wa", "dm²", 500, 32.258},        {"ArmLngth", "mm", 18, 457.2},   {"HndlAngl", "", 10, 10},
    {"WndSpeed", "km/h", 10, 16.09344}, {"Temp", "°C", 212, 100},        {"Altitude", "m", 1000, 304.8},
    {"Humidity", "", 50, 50},
};
const Expected FigureUnits[] = {
    {"LeadoutPosition", "mm", 1, 25.4},      {"LineTension", "N", 10, 44.482216152605},
    {"WingLoading", "g/dm²", 16, 48.82427636383},  // 16 oz per 144 sq in
    {"GroundSpeed", "km/h", 60, 96.56064},   {"FlightRadius", "m", 65, 19.812},
    {"LineProjection", "mm", 8, 203.2},      {"LineWeight", "g", 1, 28.349523125},
    {"LineReynolds", "", 580, 580},          {"LineDragArea", "cm²", 5, 32.258},
    {"DensityAltitude", "m", 1346, 410.2608}, {"AirPressure", "hPa", 29.92, 1013.20748906766},
    {"LeadoutRake", "", 1.5, 1.5},
};

const FigureInfo &FigureByKey(const char *key)
{
    for (const FigureInfo &f : Figures)
        if (std::strcmp(f.jsonKey, key) == 0)
            return f;
    throw std::logic_error(key);
}

void ExpectConverts(Measure m, const Expected &e)
{
    EXPECT_STREQ(MetricUnit(m), e.unit) << e.name;
    EXPECT_NEAR(ToShown(m, DisplayUnits::Metric, e.imperial), e.metric, std::fabs(e.metric) * 1e-11) << e.name;
    EXPECT_NEAR(FromShown(m, DisplayUnits::Metric, e.metric), e.imperial, std::fabs(e.imperial) * 1e-11) << e.name;
    EXPECT_EQ(ToShown(m, DisplayUnits::Imperial, e.imperial), e.imperial) << e.name;
}

TEST(Units, every_input_and_figure_converts_with_its_exact_factor)
{
    for (const Expected &e : Inputs)
        ExpectConverts(FindInputKey(e.name)->measure, e);
    for (const Expected &e : FigureUnits)
        ExpectConverts(FigureByKey(e.name).measure, e);
    EXPECT_NEAR(ToShown(Measure::Temperature, DisplayUnits::Metric, 32), 0, 1e-15);
    EXPECT_NEAR(ToShown(Measure::Temperature, DisplayUnits::Metric, -40), -40, 1e-13);
}

// A text typed in metric is the imperial single-precision value the text of
// its exact imperial conversion gives, and imperial texts read as always.
TEST(Units, metric_texts_read_as_their_imperial_conversion_in_single_precision)
{
    const char *const texts[] = {"0.381", "0.4572", "18.288", "17.5", "647.7", "1587.573295", "1000", "32.258",
                                 "15", "-12.5", "0", "300", "1013.25", ".5", "1E3", "  22 "};
    for (const InputKey &k : InputKeys) {
        if (k.field == nullptr)
            continue;
        for (const char *text : texts) {
            const double shown = ParseWideNumber(text).value();
            const float expected = ParseNumber(FullPrecision(FromShown(k.measure, DisplayUnits::Metric, shown))).value();
            EXPECT_EQ(ParseShown(k.measure, DisplayUnits::Metric, text).value, expected) << k.key << " " << text;
            EXPECT_EQ(ParseShown(k.measure, DisplayUnits::Imperial, text).value, ParseNumber(text)) << text;
        }
    }
    // The round numbers fliers type land exactly on the imperial ones.
    EXPECT_EQ(ParseShown(Measure::SmallLength, DisplayUnits::Metric, "0.381").value, 0.015f);
    EXPECT_EQ(ParseShown(Measure::Length, DisplayUnits::Metric, "18.288").value, 60.0f);
    EXPECT_EQ(ParseShown(Measure::Temperature, DisplayUnits::Metric, "15").value, 59.0f);
    EXPECT_EQ(ParseShown(Measure::WingArea, DisplayUnits::Metric, "32.258").value, 500.0f);
    EXPECT_EQ(ParseShown(Measure::SmallLength, DisplayUnits::Metric, "0,381", ',').value, 0.015f);
    for (const char *bad : {"x", "1e41", "", "1e400"})
        EXPECT_EQ(ParseShown(Measure::Mass, DisplayUnits::Metric, bad).error, InvalidNumberMessage(bad)) << bad;
    EXPECT_EQ(FormatShown(Measure::Length, DisplayUnits::Imperial, 58.123456, 4), FormatNumber(58.123456, 4));
    EXPECT_EQ(FormatShown(Measure::Temperature, DisplayUnits::Metric, 75, 4), "23.89");

    DisplayUnits u = DisplayUnits::Imperial;
    EXPECT_TRUE(ParseDisplayUnits("METRIC", u));
    EXPECT_EQ(u, DisplayUnits::Metric);
    EXPECT_FALSE(ParseDisplayUnits("si", u));
    EXPECT_EQ(ShownUnit(Measure::Force, DisplayUnits::Metric, " pounds"), " N");
    EXPECT_EQ(ShownUnit(Measure::Force, DisplayUnits::Imperial, " pounds"), " pounds");
}

TEST(LeadoutRake, is_the_angle_of_the_leadout_offset_over_the_inboard_wing)
{
    // Two 60 ft .015 lines, 56 oz, 5.2 s laps, inboard wing 25.5 in: fliers
    // set about 1.5 degrees.
    FlightCase fc = DefaultFlightCase();
    fc.LineLength = 60;
    fc.Weight = 56;
    fc.LapTime = 5.2f;
    fc.WingLength = 25.5f;
    float gs = 0;
    CalcEngine engine(fc, gs);
    const Result<CaseFigures> solved = SolveCase(engine, fc, gs);
    ASSERT_TRUE(solved.ok()) << solved.error;
    const CaseFigures &f = solved.value;
    const double rake = f.values[FigureIndex(FigureId::LeadoutRake)];
    EXPECT_NEAR(rake, 1.5, 0.05);
    EXPECT_NEAR(std::tan(rake * M_PI / 180) * 25.5, engine.LeadoutPosition(), 1e-12);

    // No inboard wing: square, or straight back once the leadouts are offset.
    fc.WingLength = 0;
    ASSERT_EQ(engine.Recalculate(fc.LapTime), nullptr);
    EXPECT_EQ(engine.LeadoutRake(), engine.LeadoutPosition() == 0 ? 0 : 90);
}

TEST(ReportLines, metric_report_shows_metric_units_everywhere)
{
    CaseEditor edited;
    edited.SetUnits(DisplayUnits::Metric);
    const Result<ReportLines> report = edited.Report(std::tm{});
    ASSERT_TRUE(report.ok());
    const ReportLines &lines = report.value;
    std::string page;
    for (const ReportRow &r : ReportRows(lines))
        page += r.text + "\n";
    for (const char *line : {"Line Diameter = 0.381 mm", "Line Length (Eye to Eye) = 17.68 m", "Wing Area = 33.0322 dm²",
                             "Airplane Weight = 1191 g", "Lap Time = 4.9 seconds", "Arm Length = 457.2 mm",
                             "Temprature = 23.89 °C", "Preasure Altitude = 30.48 m", "Relative Humidity = 50 Percent",
                             "Line Tension = 35.77 N", "Atmospheric Pressure = 1010 hPa", "Leadout Rake = 1.884 degrees"})
        EXPECT_NE(page.find(std::string(line) + "\n"), std::string::npos) << line << "\n" << page;
    for (const char *imperial : {"inch", "feet", "ounces", "pounds", "mph", "in/Hg", "deg F"})
        EXPECT_EQ(page.find(imperial), std::string::npos) << imperial;
}

}  // namespace

// The report's rows on their own, so that a page drawer needs nothing else
// of the engine.
#include "ReportLines.h"

namespace {

struct ShownText {
    const char *caption, *unit;  // the unit as imperial writes it
    Measure measure;
};
const ShownText ConditionCaptions[6] = {
    {"Arm Length", " inches", Measure::SmallLength}, {"Handle Angle", " deg", Measure::None},
    {"Wind Speed", " mph", Measure::Speed},          {"Temprature", " deg F", Measure::Temperature},
    {"Preasure Altitude", " feet", Measure::Length}, {"Relative Humidity", " Percent", Measure::None}};
// The captions of the inputs come with the lines.
const ShownText InputUnits[7] = {{nullptr, " inch", Measure::SmallLength},   {nullptr, " feet", Measure::Length},
                                 {nullptr, " inches", Measure::SmallLength}, {nullptr, " inches", Measure::SmallLength},
                                 {nullptr, " ounces", Measure::Mass},        {nullptr, " seconds", Measure::None},
                                 {nullptr, " sq/in", Measure::WingArea}};

std::string At(const std::vector<std::string> &v, size_t i) { return i < v.size() ? v[i] : std::string(); }

}  // namespace

std::vector<ReportRow> ReportRows(const ReportLines &l)
{
    std::vector<ReportRow> rows;
    rows.push_back({0, l.inputHeading, true, false, false});
    rows.push_back({2, At(l.inputCaptions, 0) + " = " + std::to_string(l.numLines), false, false, true});
    for (size_t i = 0; i < 7; ++i)
        rows.push_back({3 + int(i),
                        At(l.inputCaptions, i + 1) + " = " + At(l.inputTexts, i) +
                            ShownUnit(InputUnits[i].measure, l.units, InputUnits[i].unit),
                        false, false, false});
    for (size_t i = 0; i < 6; ++i)
        rows.push_back({11 + int(i),
                        std::string(ConditionCaptions[i].caption) + " = " + At(l.conditionTexts, i) +
                            ShownUnit(ConditionCaptions[i].measure, l.units, ConditionCaptions[i].unit),
                        false, false, false});
    // The heading's height is measured in bold, then the plain height again
    // before the first result and before the line figures.
    rows.push_back({18, l.resultHeading, true, false, true});
    for (size_t i = 0; i < 5; ++i)
        rows.push_back({20 + int(i), At(l.resultTexts, i), false, false, i == 0});
    for (size_t i = 5; i < 12; ++i)
        rows.push_back({26 + int(i) - 5, At(l.resultTexts, i), false, false, i == 5});
    rows.push_back({34, l.printed, false, true, false});
    rows.push_back({38, ReportBanner, false, true, false});
    return rows;
}

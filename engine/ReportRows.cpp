// The report's rows on their own, so that a page drawer needs nothing else
// of the engine.
#include "ReportLines.h"

namespace {

const char *const ConditionCaptions[6][2] = {
    {"Arm Length", " inches"}, {"Handle Angle", " deg"},       {"Wind Speed", " mph"},
    {"Temprature", " deg F"},  {"Preasure Altitude", " feet"}, {"Relative Humidity", " Percent"}};
const char *const InputUnits[7] = {" inch", " feet", " inches", " inches", " ounces", " seconds", " sq/in"};

std::string At(const std::vector<std::string> &v, size_t i) { return i < v.size() ? v[i] : std::string(); }

}  // namespace

std::vector<ReportRow> ReportRows(const ReportLines &l)
{
    std::vector<ReportRow> rows;
    rows.push_back({0, l.inputHeading, true, false, false});
    rows.push_back({2, At(l.inputCaptions, 0) + " = " + std::to_string(l.numLines), false, false, true});
    for (size_t i = 0; i < 7; ++i)
        rows.push_back({3 + int(i), At(l.inputCaptions, i + 1) + " = " + At(l.inputTexts, i) + InputUnits[i], false,
                        false, false});
    for (size_t i = 0; i < 6; ++i)
        rows.push_back({11 + int(i), std::string(ConditionCaptions[i][0]) + " = " + At(l.conditionTexts, i) +
                                         ConditionCaptions[i][1],
                        false, false, false});
    // The heading's height is measured in bold, then the plain height again
    // before the first result and before the line figures.
    rows.push_back({18, l.resultHeading, true, false, true});
    for (size_t i = 0; i < 5; ++i)
        rows.push_back({20 + int(i), At(l.resultTexts, i), false, false, i == 0});
    for (size_t i = 5; i < 11; ++i)
        rows.push_back({26 + int(i) - 5, At(l.resultTexts, i), false, false, i == 5});
    rows.push_back({33, l.printed, false, true, false});
    rows.push_back({37, ReportBanner, false, true, false});
    return rows;
}

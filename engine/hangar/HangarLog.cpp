#include "hangar/HangarLog.h"

#include "numbers/Convert.h"
#include "case/Figures.h"
#include "case/Sweep.h"
#include "lang/Format.h"

#include <cmath>

namespace {

const char *const FlierTitles[] = {"Engine", "Prop", "Fuel", "Needle or Timer", "Handle Spacing", "Tip Weight",
                                   "Notes"};

std::string Titled(const std::string &caption, std::string unit)
{
    while (!unit.empty() && unit.front() == ' ')
        unit.erase(0, 1);
    return unit.empty() ? caption : lang::Format("%1 (%2)", {caption, unit});
}

LogCell NumberCell(Measure m, DisplayUnits units, double imperial, int digits, char sep)
{
    const Checked<float> single = ToSingle(imperial);
    if (std::isnan(imperial) || !single.ok())
        return {"", NAN};
    const double shown = ToShown(m, units, single.value);
    return {FormatShown(m, units, single.value, digits, sep), shown};
}

}  // namespace

std::vector<LogColumn> LogColumns(DisplayUnits units)
{
    std::vector<LogColumn> columns;
    columns.reserve(LogColumnCount);
    columns.push_back({"Flown (UTC)", false});
    for (int k = 0; k < AirplaneInputCount; ++k) {
        const InputKey &key = InputKeys[k];
        columns.push_back({Titled(key.caption, ShownUnit(key.measure, units, key.unit)), key.field != nullptr || k == 1});
    }
    columns.push_back({"Lap Time Measured (seconds)", true});
    for (int i = 0; i < ConditionKeyCount; ++i) {
        const InputKey &key = InputKeys[FirstConditionKey + i];
        columns.push_back({Titled(key.caption, ShownUnit(key.measure, units, key.unit)), true});
    }
    for (const FigureInfo &figure : Figures)
        columns.push_back({Titled(figure.caption, FigureUnitName(figure, units)), true});
    for (const char *title : FlierTitles)
        columns.push_back({title, false});
    return columns;
}

std::vector<LogCell> LogRow(const Flight &f, DisplayUnits units, char sep)
{
    std::vector<LogCell> row;
    row.reserve(LogColumnCount);
    row.push_back({f.flown, NAN});
    row.push_back({f.inputs.text[0], NAN});
    for (int k = 1; k < AirplaneInputCount; ++k) {
        const InputKey &key = InputKeys[k];
        const std::optional<float> v = ParseNumber(f.inputs.text[k]);
        if (!v)
            row.push_back({f.inputs.text[k], NAN});
        else if (key.field == nullptr)
            row.push_back({FormatNumber(*v, 6, sep), *v});
        else
            row.push_back(NumberCell(key.measure, units, *v, key.digits, sep));
    }
    row.push_back(NumberCell(Measure::None, units, f.lapTime, 4, sep));
    for (int i = 0; i < ConditionKeyCount; ++i) {
        const InputKey &key = InputKeys[FirstConditionKey + i];
        row.push_back(NumberCell(key.measure, units, f.conditions[i], key.digits, sep));
    }
    for (int i = 0; i < FigureCount; ++i)
        row.push_back(NumberCell(Figures[i].measure, units, f.figures[i], 4, sep));
    for (const std::string *text : {&f.engine, &f.prop, &f.fuel, &f.setting, &f.handleSpacing, &f.tipWeight, &f.notes})
        row.push_back({*text, NAN});
    return row;
}

std::string LogCsv(const Hangar &hangar, const std::string &airplaneId, DisplayUnits units)
{
    std::string out;
    bool first = true;
    for (const LogColumn &column : LogColumns(units)) {
        if (!first)
            out += ',';
        first = false;
        AppendCsvField(out, column.title);
    }
    out += '\n';
    // A number goes as it is (a leading minus is no formula); any text,
    // even in a numeric column, through AppendCsvField.
    for (const Flight *f : hangar.FlightsOf(airplaneId)) {
        first = true;
        for (const LogCell &cell : LogRow(*f, units)) {
            if (!first)
                out += ',';
            first = false;
            if (std::isnan(cell.value))
                AppendCsvField(out, cell.text);
            else
                out += cell.text;
        }
        out += '\n';
    }
    return out;
}

namespace {

// verb is "Added %1", "Updated %1" or "updated %1".
std::string ImportPart(const char *verb, const std::vector<std::string> &airplanes, std::size_t flights)
{
    constexpr std::size_t Named = 5;
    std::string what;
    if (!airplanes.empty()) {
        std::string names;
        for (std::size_t i = 0; i < airplanes.size() && i < Named; ++i)
            names += (i ? ", " : "") + airplanes[i];
        if (airplanes.size() > Named)
            names += ", " + lang::Format("%1 more", {std::to_string(airplanes.size() - Named)});
        what = lang::Format("%1 (%2)",
                            {lang::CountOf(static_cast<long long>(airplanes.size()), lang::Airplanes), names});
    }
    if (flights) {
        const std::string counted = lang::CountOf(static_cast<long long>(flights), lang::Flights);
        what = what.empty() ? counted : lang::Format("%1 and %2", {what, counted});
    }
    return what.empty() ? what : lang::Format(verb, {what});
}

}  // namespace

std::string ImportSummaryText(const ImportSummary &s, const std::string &fileName)
{
    if (!s.Changed())
        return lang::Format("Nothing changed: the hangar already holds everything in %1.", {fileName});
    const std::string added = ImportPart("Added %1", s.addedAirplanes, s.addedFlights);
    const std::string updated = ImportPart(added.empty() ? "Updated %1" : "updated %1", s.updatedAirplanes,
                                           s.updatedFlights);
    if (added.empty() || updated.empty())
        return lang::Format("From %1: %2.", {fileName, added + updated});
    return lang::Format("From %1: %2; %3.", {fileName, added, updated});
}

std::string FileNameOf(const std::string &airplaneName)
{
    const std::size_t first = airplaneName.find_first_not_of(" \t");
    const std::size_t last = airplaneName.find_last_not_of(" \t");
    std::string name;
    if (first != std::string::npos)
        for (std::size_t i = first; i <= last; ++i) {
            const unsigned char c = static_cast<unsigned char>(airplaneName[i]);
            const bool c1 = c == 0xC2 && i < last && static_cast<unsigned char>(airplaneName[i + 1]) >= 0x80 &&
                            static_cast<unsigned char>(airplaneName[i + 1]) <= 0x9F;  // U+0080 .. U+009F
            if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F || c1) {
                name += '-';
                i += c1;
            } else {
                name += static_cast<char>(c);
            }
        }
    if (name.empty() || name[0] == '.')
        name.insert(0, "airplane");
    return name;
}

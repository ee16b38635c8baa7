#include "case/Comparison.h"

#include "numbers/Convert.h"
#include "case/DataFile.h"
#include "numbers/EngineError.h"
#include "lang/Format.h"

#include <cfloat>
#include <cmath>

Result<PinnedCase> PinCase(const FlightCase &fc)
{
    PinnedCase pinned{fc, {}};
    float groundSpeed = 0;
    CalcEngine engine(pinned.fc, groundSpeed);
    const Result<CaseFigures> figures = SolveCase(engine, pinned.fc, groundSpeed);
    if (!figures.ok())
        return Refused<PinnedCase>(WithFullStop(figures.error));
    pinned.figures = figures.value;
    return pinned;
}

FlightCase CaseFromFile(const FlightCase &base, const std::string &bytes)
{
    FlightCase fc = base;
    FlightCaseTarget target(fc);
    ApplyDataFileEntries(ParseDataFile(bytes.substr(0, MaxDataFileBytes)), target);
    return fc;
}

std::vector<std::string> InputDifferences(const FlightCase &a, const FlightCase &b, DisplayUnits units, char sep)
{
    std::vector<std::string> lines;
    for (const InputKey &key : InputKeys) {
        if (IsInput(key, Input::AirplaneName))
            continue;
        const double va = GetNumericInput(a, key), vb = GetNumericInput(b, key);
        if (va == vb || (std::isnan(va) && std::isnan(vb)))
            continue;
        // Values that round alike at the field's digits are written in full.
        int digits = key.field ? key.digits : 10;
        if (FormatShown(key.measure, units, va, digits, sep) == FormatShown(key.measure, units, vb, digits, sep))
            digits = 7;  // as many as single precision holds
        lines.push_back(lang::Format("%1: A %2, B %3", {key.caption, InputValueText(key, va, units, digits, sep),
                                                        InputValueText(key, vb, units, digits, sep)}));
    }
    return lines;
}

std::string ComparisonText(const FigureInfo &figure, double a, std::optional<double> current, char sep,
                           DisplayUnits units)
{
    const Checked<float> shownA = ToSingle(a);
    if (!shownA.ok())
        return "A too large to show";
    const std::string value = FormatShown(figure.measure, units, shownA.value, 4, sep);
    const std::string text = lang::Format("A %1", {value});
    if (!current || std::isnan(*current))
        return text;
    if (*current == a)
        return lang::Format("A %1, no change", {value});
    // The change as shown: in the figure's units, from the full values.
    const double change = ToShown(figure.measure, units, *current) - ToShown(figure.measure, units, a);
    if (!(std::fabs(change) <= FLT_MAX))
        return text;
    return lang::Format("A %1, %2",
                        {value, (change > 0 ? "+" : "") + FormatNumber(static_cast<float>(change), 4, sep)});
}

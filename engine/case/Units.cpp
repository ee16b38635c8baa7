#include "case/Units.h"

#include "numbers/Convert.h"

#include <cctype>
#include <cfloat>
#include <cmath>

namespace {

// metric = (imperial - imperialZero) × multiply ÷ divide, and back. Every
// factor is exact by definition or quoted as defined; where a factor is a
// quotient of two defined ones, both are kept, so that nothing is rounded
// twice before it is used.
struct Conversion {
    Measure measure;
    const char *metricUnit;
    double multiply;
    double divide;
    double imperialZero;
    // Provenance of the factor.
    const char *source;
};

const Conversion Conversions[] = {
    {Measure::None, "", 1, 1, 0, "the same unit in both systems"},
    {Measure::SmallLength, "mm", 25.4, 1, 0,
     "international inch: 25.4 mm exactly (international yard and pound agreement, 1959)"},
    {Measure::Length, "m", 0.3048, 1, 0, "international foot: 0.3048 m exactly (the same agreement)"},
    {Measure::Mass, "g", 28.349523125, 1, 0,
     "avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)"},
    {Measure::WingArea, "dm²", 0.064516, 1, 0, "square inch: 0.254 dm squared, 0.064516 dm² exactly"},
    {Measure::DragArea, "cm²", 6.4516, 1, 0, "square inch: 2.54 cm squared, 6.4516 cm² exactly"},
    {Measure::Speed, "km/h", 1.609344, 1, 0, "international mile: 5280 ft of 0.3048 m, 1.609344 km exactly"},
    {Measure::Temperature, "°C", 1, 1.8, 32, "°C = (°F - 32) / 1.8 exactly, as the Fahrenheit scale is defined"},
    {Measure::Force, "N", 4.4482216152605, 1, 0,
     "pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly"},
    {Measure::WingLoading, "g/dm²", 28.349523125, 9.290304, 0,
     "ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact"},
    {Measure::Load, "kg", 0.45359237, 1, 0, "international pound: 0.45359237 kg exactly (the 1959 agreement)"},
    {Measure::Pressure, "hPa", 33.8638866667, 1, 0,
     "inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)"},
};

const Conversion &For(Measure m)
{
    for (const Conversion &c : Conversions)
        if (c.measure == m)
            return c;
    return Conversions[0];
}

bool Converts(Measure m, DisplayUnits units) { return units == DisplayUnits::Metric && m != Measure::None; }

}  // namespace

const char *DisplayUnitsName(DisplayUnits units) { return units == DisplayUnits::Metric ? "Metric" : "Imperial"; }

bool ParseDisplayUnits(const std::string &text, DisplayUnits &units)
{
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower != "imperial" && lower != "metric")
        return false;
    units = lower == "metric" ? DisplayUnits::Metric : DisplayUnits::Imperial;
    return true;
}

const char *MetricUnit(Measure m) { return For(m).metricUnit; }

std::string ShownUnit(Measure m, DisplayUnits units, const char *imperialText)
{
    if (!Converts(m, units))
        return imperialText;
    return std::string(*imperialText == ' ' ? " " : "") + For(m).metricUnit;
}

double ToShown(Measure m, DisplayUnits units, double imperial)
{
    if (!Converts(m, units))
        return imperial;
    const Conversion &c = For(m);
    return (imperial - c.imperialZero) * c.multiply / c.divide;
}

double FromShown(Measure m, DisplayUnits units, double shown)
{
    if (!Converts(m, units))
        return shown;
    const Conversion &c = For(m);
    return shown * c.divide / c.multiply + c.imperialZero;
}

Result<float> ParseShown(Measure m, DisplayUnits units, const std::string &text, char sep)
{
    if (!Converts(m, units)) {
        if (const std::optional<float> value = ParseNumber(text, sep))
            return *value;
        return Refused<float>(InvalidNumberMessage(text));
    }
    const std::optional<double> shown = ParseWideNumber(text, sep);
    const double imperial = shown ? FromShown(m, units, *shown) : NAN;
    if (!std::isfinite(imperial) || std::fabs(imperial) > FLT_MAX)
        return Refused<float>(InvalidNumberMessage(text));
    return static_cast<float>(imperial);
}

std::string FormatShown(Measure m, DisplayUnits units, double imperial, int digits, char sep)
{
    return FormatNumber(ToShown(m, units, imperial), digits, sep);
}

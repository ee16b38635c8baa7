// tethrix-calc's standard output of a calculation and of a comparison, as
// scripts read it: numbers at full precision with a point, keys and
// headers in English, whatever the locale.
#include "CalcOutput.h"

#include "Convert.h"
#include "Sweep.h"

#include <cmath>

void AppendFiguresJson(std::string &text, const CaseFigures &figures, const FlightCase &fc, DisplayUnits units)
{
    for (int i = 0; i < FigureCount; ++i) {
        if (!FigureShown(Figures[i], fc))
            continue;
        AppendJsonString(text, Figures[i].jsonKey);
        text += ": ";
        if (std::isnan(figures.values[i]))
            text += "null";
        else
            AppendFullPrecision(text, ToShown(Figures[i].measure, units, figures.values[i]));
        text += ", ";
    }
    text += "\"LapSpeed\": ";
    AppendFullPrecision(text, ToShown(Measure::Speed, units, figures.lapSpeed));
}

std::string ComparisonOutput(const PinnedCase &a, const PinnedCase &b, CompareFormat format, DisplayUnits units)
{
    const CaseFigures &fa = *a.figures, &fb = *b.figures;
    const auto change = [&](int i) {
        const Measure m = i < FigureCount ? Figures[i].measure : Measure::Speed;
        const double va = i < FigureCount ? fa.values[i] : fa.lapSpeed, vb = i < FigureCount ? fb.values[i] : fb.lapSpeed;
        return ToShown(m, units, vb) - ToShown(m, units, va);
    };
    std::string text;
    const std::vector<std::string> differences = InputDifferences(a.fc, b.fc, units);
    if (format == CompareFormat::Json) {
        text = "{\"A\": {\"Name\": ";
        AppendJsonString(text, a.fc.AcName);
        text += ", ";
        AppendFiguresJson(text, fa, a.fc, units);
        text += "}, \"B\": {\"Name\": ";
        AppendJsonString(text, b.fc.AcName);
        text += ", ";
        AppendFiguresJson(text, fb, b.fc, units);
        text += "}, \"Change\": {";
        for (int i = 0; i <= FigureCount; ++i) {
            if (i < FigureCount && !FigureShown(Figures[i], b.fc))
                continue;
            AppendJsonString(text, i < FigureCount ? Figures[i].jsonKey : "LapSpeed");
            text += ": ";
            if (std::isnan(change(i)))
                text += "null";
            else
                AppendFullPrecision(text, change(i));
            text += i < FigureCount ? ", " : "";
        }
        text += "}, \"Differences\": [";
        for (const std::string &d : differences) {
            AppendJsonString(text, d);
            text += &d == &differences.back() ? "" : ", ";
        }
        text += "], \"units\": ";
        AppendJsonString(text, units == DisplayUnits::Metric ? "metric" : "imperial");
        return text + "}\n";
    }
    if (format == CompareFormat::Csv) {
        text = "Figure,Unit,A,B,Change\nAirplane,,";
        AppendCsvField(text, a.fc.AcName);
        text += ',';
        AppendCsvField(text, b.fc.AcName);
        text += ",\n";
        for (int i = 0; i <= FigureCount; ++i) {
            const bool lap = i == FigureCount;
            if (!lap && !FigureShown(Figures[i], b.fc))
                continue;
            text += lap ? "Lap Speed" : Figures[i].caption;
            text += ',' + (lap ? ShownUnit(Measure::Speed, units, "mph") : FigureUnitName(Figures[i], units)) + ',';
            for (const double v : {lap ? ToShown(Measure::Speed, units, fa.lapSpeed) : ToShown(Figures[i].measure, units, fa.values[i]),
                                   lap ? ToShown(Measure::Speed, units, fb.lapSpeed) : ToShown(Figures[i].measure, units, fb.values[i]),
                                   change(i)}) {
                if (!std::isnan(v))
                    AppendFullPrecision(text, v);
                text += ',';
            }
            text.back() = '\n';
        }
        return text;
    }
    text = "A: " + a.fc.AcName + "\nB: " + b.fc.AcName + "\n";
    for (const std::string &d : differences)
        text += "Input " + d + "\n";
    for (int i = 0; i < FigureCount; ++i) {
        if (!FigureShown(Figures[i], b.fc))
            continue;
        text += std::string(Figures[i].caption) + ": A" + FigureValueText(Figures[i], fa.values[i], '.', units) +
                ", B" + FigureValueText(Figures[i], fb.values[i], '.', units);
        const std::string beside = ComparisonText(Figures[i], fa.values[i], fb.values[i], '.', units);
        if (const size_t comma = beside.find(", "); comma != std::string::npos)
            text += (beside.compare(comma, std::string::npos, ", no change") == 0 ? ", " : ", change ") +
                    beside.substr(comma + 2);
        text += "\n";
    }
    const auto lap = [&](float mph) { return FormatShown(Measure::Speed, units, mph, 4) + ShownUnit(Measure::Speed, units, " mph"); };
    return text + "Lap Speed: A = " + lap(fa.lapSpeed) + ", B = " + lap(fb.lapSpeed) + "\n";
}

void AppendConditions(std::string &text, const FlightCase &fc, DisplayUnits units)
{
    text += "\"Conditions\": {";
    for (int i = FirstConditionKey; i < InputKeyCount; ++i) {
        const InputKey &key = InputKeys[i];
        if (text.back() != '{')
            text += ", ";
        AppendJsonString(text, key.key);
        text += ": ";
        if (units == DisplayUnits::Imperial)
            AppendFullPrecision(text, fc.*(key.field));
        else
            AppendFullPrecision(text, ToShown(key.measure, units, fc.*(key.field)));
    }
    text += "}";
}

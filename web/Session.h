// Session: the page's calculator, what the window does between a typed text
// and a shown label, in the engine's own C++ so that the page and the
// desktop agree to the bit. Plain C++: the bindings (Bindings.cpp) expose it
// to JavaScript, the tests run it natively.
//
// Like the window it keeps the fifteen inputs as typed and as stored, the
// heading's state (whether the figures shown belong to the inputs), the
// figures of the last calculation and the lap speed the What-If row uses.
#pragma once

#include "Calcs.h"
#include "Figures.h"
#include "ReportLines.h"
#include "Sweep.h"

#include <array>
#include <string>
#include <vector>

struct SessionFigure {
    std::string name;     // the window's label name, e.g. "TensionLabel"
    std::string jsonKey;  // as tethrix-calc --json has it
    std::string text;     // "Line Tension = 8.042 pounds", in the units shown
    double value = 0;     // full precision, in the units shown
};

class WebSession {
public:
    WebSession();  // the built-in airplane and conditions, calculated

    // The keys: the data-file keys an, nl, ls, ll, wl, hl, wt, lt, wa and the
    // condition names ArmLngth, HndlAngl, WndSpeed, Temp, Altitude, Humidity.
    static std::vector<std::string> Keys();
    // The text a field shows for key.
    std::string Text(const std::string &key) const;
    // Imperial or metric for every text shown and typed; the stored values,
    // the figures and the heading stay as they are.
    void SetUnits(DisplayUnits units);
    DisplayUnits Units() const { return units; }
    // The unit shown after key's field, given the page's imperial text.
    std::string UnitText(const std::string &key, const std::string &imperialText) const;
    // The unit of a figure (by its JSON key) or of the lap speed, as the
    // charts name it: "pounds", "N".
    std::string FigureUnit(const std::string &jsonKey) const;
    // A condition as it is kept on the device: the text typed in imperial,
    // the stored value's shortest exact text in metric. Kept texts are read
    // back in imperial (SetStoredText), whatever is shown.
    std::string StoredText(const std::string &key) const;
    std::string SetStoredText(const std::string &key, const std::string &text);
    // A field's text changed: stored as the window stores it. Returns the
    // error message (with its full stop) or an empty text. An empty text
    // keeps the stored value. The line count takes the spin field's rules:
    // what does not read as a whole number becomes 1 at once, and leaving
    // the field pulls it into 1 to 3 (leaving = true).
    std::string SetText(const std::string &key, const std::string &text, bool leaving = false);
    // The What-If field a stored lap time or line length is copied into:
    // "WfLapTime", "WfLineLength" or empty.
    static std::string CopiedTo(const std::string &key);

    // Whether the figures shown belong to the inputs (the green heading).
    bool Current() const { return current; }
    // Enter: recalculates. The error message, or empty.
    std::string Recalculate();
    const std::vector<SessionFigure> &Shown() const { return figures; }
    float LapSpeed() const { return lapSpeed; }
    // "Lap Speed = 54.36 mph": four significant digits like every figure.
    std::string LapSpeedText() const;

    // Enter in a What-If field: the other field's new text, or the error
    // (error set, result empty). fromLapTime: the lap time was typed.
    std::string WhatIf(bool fromLapTime, const std::string &text, std::string &error) const;

    // A data file's bytes, applied as File > Open does, then recalculated.
    // The error message ("Cannot Open File name" and the reason), or empty.
    std::string Open(const std::string &fileName, const std::string &bytes);
    // The data file's bytes; the airplane takes the file's name as File >
    // Save gives it.
    std::string Save(const std::string &fileName);

    // The printed page's lines; figures left behind by an edit are brought
    // up to date first. error is set when they cannot be.
    ReportLines Report(const std::tm &now, std::string &error);

    // The built-in airplane (recalculated), or the built-in conditions.
    void Defaults();
    void ConditionDefaults();

    // The figures around the calculated case, key from lowFactor to
    // highFactor times its value in count steps, for the charts; the rows as
    // shown (ShownRow), and the calculated value as shown (the marker's).
    std::vector<SweepRow> SweepAround(const std::string &key, double lowFactor, double highFactor, int count) const;
    double ShownCalculated(const std::string &key) const;

    const FlightCase &Case() const { return fc; }

private:
    void ShowAll();  // every field's text from the stored values
    void Show();     // the figures of the last calculation
    FlightCase fc;
    float groundSpeed = 0;
    float lapSpeed = 0;
    CalcEngine engine{fc, groundSpeed};
    FlightCase calculated;  // the case the figures belong to
    std::vector<SessionFigure> figures;
    std::array<std::string, InputKeyCount> texts;  // as the fields show them
    std::array<double, FigureCount> values{};     // imperial, of the figures shown
    bool current = false;
    DisplayUnits units = DisplayUnits::Imperial;
};

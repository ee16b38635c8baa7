#include "case/InputNotes.h"

#include "case/Comparison.h"

#include "numbers/Convert.h"
#include "lang/Format.h"
#include "physics/LineModel.h"

#include <cmath>
#include <cstring>

namespace {

// The range a flier would call sensible, imperial, for every numeric input.
struct Sensible {
    Input input;
    double low, high;
};
constexpr Sensible SensibleRanges[] = {
    {Input::LineDiameter, 0.008, 0.04}, {Input::LineLength, 10, 100},   {Input::WingLength, 0, 60},
    {Input::HandleLength, 0, 12},       {Input::Weight, 1, 200},        {Input::LapTime, 2, 10},
    {Input::WingArea, 50, 1500},        {Input::ArmLength, 0, 36},      {Input::HandleAngle, -90, 90},
    {Input::WindSpeed, 0, 25},          {Input::Temperature, -40, 120}, {Input::PressureAltitude, -1000, 15000},
    {Input::Humidity, 0, 100},          {Input::PullMultiple, 1, 40},
};

const Sensible *SensibleFor(const InputKey &key)
{
    for (const Sensible &s : SensibleRanges)
        if (IsInput(key, s.input))
            return &s;
    return nullptr;
}


// The input to blame when the lines, handle and leadouts included, are
// outside the length the line model takes: the line length, or the
// handle/leadout length when it is the larger part; none when they fit.
const InputKey *LinesBlamedOn(const FlightCase &fc)
{
    const double lineFeet = fc.LineLength, handleFeet = fc.HandleLength / 12.0;
    const double metres = (lineFeet + handleFeet) * UnitFactors::MetresPerFoot;
    if (metres >= LineLengthRange.low && metres <= LineLengthRange.high)
        return nullptr;
    return FindInputKey(std::fabs(handleFeet) > std::fabs(lineFeet) ? "hl" : "ll");
}

struct Writer {
    DisplayUnits units;
    char separator;

    // "12.34 inches" in the units shown.
    std::string Value(const InputKey &key, double imperial, int digits = 6) const
    {
        return InputValueText(key, imperial, units, digits, separator);
    }
    // "0.008 to 0.04 inches".
    std::string Range(const InputKey &key, double low, double high, int digits = 6) const
    {
        return lang::Format("%1 to %2",
                            {FormatShown(key.measure, units, low, digits, separator), Value(key, high, digits)});
    }
    std::string SensibleText(const InputKey &key) const
    {
        const Sensible *s = SensibleFor(key);
        return s ? " " + lang::Format("A sensible %1 is %2.", {key.caption, Range(key, s->low, s->high)}) : "";
    }
};

// What is wrong with key's value in fc, as "<Caption> is … ." and as the
// advice's "<Caption> must be … ." Empty when nothing is.
struct Finding {
    std::string what, must;
};

Finding Examine(const InputKey &key, const FlightCase &fc, double airspeedMph, const Writer &w)
{
    Finding f;
    if (key.field == nullptr)
        return f;
    const double v = fc.*(key.field);
    const std::string caption = key.caption;
    if (IsInput(key, Input::LapTime) || IsInput(key, Input::LineLength) || IsInput(key, Input::Weight) ||
        IsInput(key, Input::WingArea)) {
        if (!(v > 0)) {
            f.what = lang::Format("%1 is %2, which has no physical meaning.", {caption, w.Value(key, v)});
            f.must = lang::Format("%1 must be more than %2.", {caption, w.Value(key, 0)});
        }
    } else if (IsInput(key, Input::WingLength) || IsInput(key, Input::HandleLength) || IsInput(key, Input::ArmLength) ||
               IsInput(key, Input::PullMultiple)) {
        if (v < 0) {
            f.what = lang::Format("%1 is negative, which has no physical meaning.", {caption});
            f.must = lang::Format("%1 must be %2 or more.", {caption, w.Value(key, 0)});
        }
    } else if (IsInput(key, Input::Humidity)) {
        if (v < 0 || v > 100) {
            f.what = lang::Format("%1 is outside 0 to 100 percent; it is calculated as %2 percent.",
                                  {caption, v > 100 ? "100" : "0"});
            f.must = lang::Format("%1 must be 0 to 100 percent.", {caption});
        }
    } else if (IsInput(key, Input::HandleAngle)) {
        if (std::fabs(v) > 90) {
            f.what = std::fabs(v * UnitFactors::RadPerDeg) > UnitFactors::Pi
                         ? lang::Format("%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.", {caption})
                         : lang::Format("%1 is beyond -90 to 90 degrees.", {caption});
            f.must = lang::Format("%1 must be -90 to 90 degrees.", {caption});
        }
    } else if (IsInput(key, Input::Temperature) || IsInput(key, Input::PressureAltitude)) {
        const Sensible *s = SensibleFor(key);
        if (!(v >= s->low && v <= s->high))
            f.what = lang::Format("%1 is %2, beyond what fliers meet.", {caption, w.Value(key, v, 4)});
    } else if (IsInput(key, Input::WindSpeed)) {
        if (airspeedMph > 0 && std::fabs(v) >= airspeedMph) {
            f.what = lang::Format("%1 is at or above the airspeed, %2.", {caption, w.Value(key, airspeedMph, 4)});
            f.must = lang::Format("%1 must be below the airspeed, %2.", {caption, w.Value(key, airspeedMph, 4)});
        }
    }

    // The line model's own ranges, v converted as the engine hands it over.
    const ModelRange *range = nullptr;
    double modelValue = 0, perImperial = 1;
    if (IsInput(key, Input::LineDiameter)) {
        range = &LineDiameterRange;
        modelValue = LineDiameterMetres(v * 1000.0);
        perImperial = LineDiameterMetres(1000);
    } else if (IsInput(key, Input::Weight)) {
        range = &WeightRange;
        modelValue = WeightKilograms(v);
        perImperial = WeightKilograms(1);
    } else if (IsInput(key, Input::WingArea)) {
        range = &WingAreaRange;
        modelValue = WingAreaSquareMetres(v);
        perImperial = WingAreaSquareMetres(1);
    }
    bool withHandle = false;   // the range holds the handle and leadouts too
    double offset = 0;         // of the rest of that, imperial
    if (IsInput(key, Input::LineLength) && LinesBlamedOn(fc) == &key) {
        range = &LineLengthRange;
        offset = fc.HandleLength / 12.0;
        withHandle = true;
    } else if (IsInput(key, Input::HandleLength) && LinesBlamedOn(fc) == &key) {
        range = &LineLengthRange;
        offset = fc.LineLength * 12.0;
        withHandle = true;
    } else if (IsInput(key, Input::ArmLength)) {
        range = &ArmLengthRange;
    } else if (IsInput(key, Input::WingLength)) {
        range = &WingLengthRange;
    }
    if (range == &LineLengthRange || range == &ArmLengthRange || range == &WingLengthRange) {
        perImperial = UnitFactors::MetresPerFoot / (IsInput(key, Input::LineLength) ? 1 : 12);
        modelValue = (v + offset) * perImperial;
    }
    if (range && !(modelValue >= range->low && modelValue <= range->high)) {
        const double used = (modelValue > range->high ? range->high : range->low) / perImperial - offset;
        const std::string taken = w.Range(key, range->low / perImperial, range->high / perImperial, 4);
        if (f.what.empty())
            f.what = withHandle ? lang::Format("%1 is %2, outside the %3 the line model takes for lines, handle and "
                                               "leadouts.",
                                               {caption, w.Value(key, v), taken})
                                : lang::Format("%1 is %2, outside the %3 the line model takes.",
                                               {caption, w.Value(key, v), taken});
        f.what += " " + lang::Format("It is calculated as %1.", {w.Value(key, used, 4)});
    }
    // A lap time too short or too long for the model's airspeeds flies at
    // the nearer one; on lines the model shortened, the lines are to blame.
    const double slowest = AirspeedRange.low * MphPerMetrePerSecond, fastest = AirspeedRange.high * MphPerMetrePerSecond;
    const bool airspeedReplaced = airspeedMph > 0 && (airspeedMph <= slowest || airspeedMph >= fastest);
    const std::string low = FormatNumber(slowest, 4, w.separator), high = FormatNumber(fastest, 4, w.separator);
    const std::string used = FormatNumber(airspeedMph, 4, w.separator);
    if (IsInput(key, Input::LapTime) && f.what.empty() && airspeedReplaced && !LinesBlamedOn(fc))
        f.what = lang::Format("%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated "
                              "at %4 mph.",
                              {caption, low, high, used});
    else if (airspeedReplaced && range == &LineLengthRange && !f.what.empty())
        f.what += " " + lang::Format("The airspeed on these lines is outside the %1 to %2 mph the line model takes: "
                                     "it is calculated at %3 mph.",
                                     {low, high, used});
    return f;
}

// A pull test that does not exceed the highest pull in flight proves
// nothing: its load and that pull, by name; empty when it exceeds it.
std::string PullTestNote(const FlightCase &fc, const double *figures, const Writer &w)
{
    const double pull = figures[FigureIndex(FigureId::PullTest)];
    const HighestTension highest = HighestTensionOf(figures, fc);
    if (!(pull <= highest.pounds))
        return std::string();
    const auto force = [&](double pounds) {
        return FormatShown(Measure::Force, w.units, pounds, 4, w.separator) +
               ShownUnit(Measure::Force, w.units, " pounds");
    };
    return lang::Format("The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for "
                        "this flight.",
                        {force(pull), highest.downwind ? "Downwind Tension" : "Line Tension", force(highest.pounds)});
}

}  // namespace

std::vector<InputNote> NotesOn(const FlightCase &fc, double airspeedMph, DisplayUnits units, char separator,
                               const double *figures)
{
    const Writer w{units, separator};
    std::vector<InputNote> notes;
    const InputKey *pullKey = FindInputKey(fc.PullLoad > 0 ? "PullLoad" : "PullMultiple");
    for (const InputKey &key : InputKeys) {
        const Finding f = Examine(key, fc, airspeedMph, w);
        std::string text = f.what.empty() ? std::string() : f.what + w.SensibleText(key);
        if (&key == pullKey && figures)
            text += (text.empty() ? "" : " ") + PullTestNote(fc, figures, w);
        if (!text.empty())
            notes.push_back({&key, text});
    }
    return notes;
}

InputNote AdviceFor(const FlightCase &fc, DisplayUnits units, char separator)
{
    const Writer w{units, separator};
    for (const InputKey &key : InputKeys) {
        if (key.field == nullptr)
            continue;
        FlightCase trial = fc;
        trial.*(key.field) = static_cast<float>(key.defaultValue);
        float groundSpeed = 0;
        CalcEngine engine(trial, groundSpeed);
        if (!SolveCase(engine, trial, groundSpeed).ok())
            continue;
        const Finding f = Examine(key, fc, engine.Results().airspeed * MphPerMetrePerSecond, w);
        const Sensible *s = SensibleFor(key);
        std::string text = f.must;
        if (text.empty() && s)
            text = w.SensibleText(key).substr(1);
        return {&key, text};
    }
    return {};
}

ConditionsRefusal RefuseConditions(const FlightCase &edited, const FlightCase &withConditions, DisplayUnits units,
                                   char separator)
{
    FlightCase builtIn = DefaultFlightCase(), editedWith = edited;
    bool same = true;  // the conditions in force: the airplane edited has nothing to add
    for (int i = FirstConditionKey; i < InputKeyCount; ++i) {
        same = same && edited.*(InputKeys[i].field) == withConditions.*(InputKeys[i].field);
        builtIn.*(InputKeys[i].field) = editedWith.*(InputKeys[i].field) = withConditions.*(InputKeys[i].field);
    }
    const std::pair<const FlightCase *, const FlightCase *> trials[] = {{&builtIn, &builtIn}, {&editedWith, &edited}};
    for (const auto &[trial, before] : trials) {
        if (trial == &editedWith && same)
            break;
        const Result<PinnedCase> solved = PinCase(*trial);
        if (!solved.ok() && (trial == before || PinCase(*before).ok()))
            return {lang::Format("%1 These flying conditions are not saved.", {solved.error}),
                    AdviceFor(*trial, units, separator)};
    }
    return {};
}

std::string AltimeterSettingNote(float setting, DisplayUnits units, char separator)
{
    // What altimeters are set to, sea-level pressures of the deepest lows
    // and highest highs included: about 28 to 31.5 inHg, 950 to 1070 hPa.
    struct Span { double low, high; const char *unit; };
    constexpr Span Real[] = {{28, 31.5, "in/Hg"}, {950, 1070, "hPa"}};  // imperial, metric
    const Span &shown = Real[units == DisplayUnits::Metric], &other = Real[units != DisplayUnits::Metric];
    if (setting >= shown.low && setting <= shown.high)
        return std::string();
    std::string note = lang::Format("An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.",
                                    {FormatNumber(setting, 6, separator), shown.unit,
                                     FormatNumber(static_cast<float>(shown.low), 4, separator),
                                     FormatNumber(static_cast<float>(shown.high), 4, separator)});
    if (setting >= other.low && setting <= other.high)
        note += " " + lang::Format("It reads like %1; this field takes %2.", {other.unit, shown.unit});
    return note;
}

InputNote AdviceOnText(const InputKey &key, DisplayUnits units, char separator, const std::string &typed)
{
    std::string text = lang::Format("%1 takes a number, such as %2.",
                                    {key.caption, FormatShown(key.measure, units, key.defaultValue, 4, separator)});
    // The other mark is never read as a decimal one ("1,500" may be fifteen
    // hundred): say which one is.
    if (typed.find(separator == ',' ? '.' : ',') != std::string::npos)
        text += separator == ',' ? " Numbers here take a decimal comma (',')." : " Numbers here take a decimal point ('.').";
    return {&key, text};
}

#include "InputNotes.h"

#include "Comparison.h"

#include "Convert.h"
#include "LineModel.h"

#include <cmath>
#include <cstring>

namespace {

// The range a flier would call sensible, imperial, for every numeric input.
struct Sensible {
    const char *key;
    double low, high;
};
constexpr Sensible SensibleRanges[] = {
    {"ls", 0.008, 0.04}, {"ll", 10, 100},       {"wl", 0, 60},          {"hl", 0, 12},
    {"wt", 1, 200},      {"lt", 2, 10},         {"wa", 50, 1500},       {"ArmLngth", 0, 36},
    {"HndlAngl", -90, 90}, {"WndSpeed", 0, 25}, {"Temp", -40, 120},     {"Altitude", -1000, 15000},
    {"Humidity", 0, 100}, {"PullMultiple", 1, 40},
};

const Sensible *SensibleFor(const InputKey &key)
{
    for (const Sensible &s : SensibleRanges)
        if (IsInput(key, s.key))
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
        return FormatShown(key.measure, units, low, digits, separator) + " to " + Value(key, high, digits);
    }
    std::string SensibleText(const InputKey &key) const
    {
        const Sensible *s = SensibleFor(key);
        return s ? std::string(" A sensible ") + key.caption + " is " + Range(key, s->low, s->high) + "." : "";
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
    if (IsInput(key, "lt") || IsInput(key, "ll") || IsInput(key, "wt") || IsInput(key, "wa")) {
        if (!(v > 0)) {
            f.what = caption + " is " + w.Value(key, v) + ", which has no physical meaning.";
            f.must = caption + " must be more than " + w.Value(key, 0) + ".";
        }
    } else if (IsInput(key, "wl") || IsInput(key, "hl") || IsInput(key, "ArmLngth") || IsInput(key, "PullMultiple")) {
        if (v < 0) {
            f.what = caption + " is negative, which has no physical meaning.";
            f.must = caption + " must be " + w.Value(key, 0) + " or more.";
        }
    } else if (IsInput(key, "Humidity")) {
        if (v < 0 || v > 100) {
            f.what = caption + " is outside 0 to 100 percent; it is calculated as " + (v > 100 ? "100" : "0") +
                     " percent.";
            f.must = caption + " must be 0 to 100 percent.";
        }
    } else if (IsInput(key, "HndlAngl")) {
        if (std::fabs(v) > 90) {
            f.what = caption + " is beyond -90 to 90 degrees" +
                     (std::fabs(v * UnitFactors::RadPerDeg) > UnitFactors::Pi ? std::string("; it is calculated as 0 degrees.") : ".");
            f.must = caption + " must be -90 to 90 degrees.";
        }
    } else if (IsInput(key, "Temp") || IsInput(key, "Altitude")) {
        const Sensible *s = SensibleFor(key);
        if (!(v >= s->low && v <= s->high))
            f.what = caption + " is " + w.Value(key, v, 4) + ", beyond what fliers meet.";
    } else if (IsInput(key, "WndSpeed")) {
        if (airspeedMph > 0 && std::fabs(v) >= airspeedMph) {
            f.what = caption + " is at or above the airspeed, " + w.Value(key, airspeedMph, 4) + ".";
            f.must = caption + " must be below the airspeed, " + w.Value(key, airspeedMph, 4) + ".";
        }
    }

    // The line model's own ranges, v converted as the engine hands it over.
    const ModelRange *range = nullptr;
    double modelValue = 0, perImperial = 1;
    if (IsInput(key, "ls")) {
        range = &LineDiameterRange;
        modelValue = LineDiameterMetres(v * 1000.0);
        perImperial = LineDiameterMetres(1000);
    } else if (IsInput(key, "wt")) {
        range = &WeightRange;
        modelValue = WeightKilograms(v);
        perImperial = WeightKilograms(1);
    } else if (IsInput(key, "wa")) {
        range = &WingAreaRange;
        modelValue = WingAreaSquareMetres(v);
        perImperial = WingAreaSquareMetres(1);
    }
    const char *within = "";  // what else the range holds
    double offset = 0;         // of the rest of that, imperial
    if (IsInput(key, "ll") && LinesBlamedOn(fc) == &key) {
        range = &LineLengthRange;
        offset = fc.HandleLength / 12.0;
        within = " for lines, handle and leadouts";
    } else if (IsInput(key, "hl") && LinesBlamedOn(fc) == &key) {
        range = &LineLengthRange;
        offset = fc.LineLength * 12.0;
        within = " for lines, handle and leadouts";
    } else if (IsInput(key, "ArmLngth")) {
        range = &ArmLengthRange;
    } else if (IsInput(key, "wl")) {
        range = &WingLengthRange;
    }
    if (range == &LineLengthRange || range == &ArmLengthRange || range == &WingLengthRange) {
        perImperial = UnitFactors::MetresPerFoot / (IsInput(key, "ll") ? 1 : 12);
        modelValue = (v + offset) * perImperial;
    }
    if (range && !(modelValue >= range->low && modelValue <= range->high)) {
        const double used = (modelValue > range->high ? range->high : range->low) / perImperial - offset;
        if (f.what.empty())
            f.what = caption + " is " + w.Value(key, v) + ", outside the " +
                     w.Range(key, range->low / perImperial, range->high / perImperial, 4) +
                     " the line model takes" + within + ".";
        f.what += " It is calculated as " + w.Value(key, used, 4) + ".";
    }
    // A lap time too short or too long for the model's airspeeds flies at
    // the nearer one; on lines the model shortened, the lines are to blame.
    const double slowest = AirspeedRange.low * MphPerMetrePerSecond, fastest = AirspeedRange.high * MphPerMetrePerSecond;
    const bool airspeedReplaced = airspeedMph > 0 && (airspeedMph <= slowest || airspeedMph >= fastest);
    const std::string airspeedRange = "the " + FormatNumber(slowest, 4, w.separator) + " to " +
                                      FormatNumber(fastest, 4, w.separator) + " mph the line model takes";
    const std::string airspeedUsed = FormatNumber(airspeedMph, 4, w.separator) + " mph";
    if (IsInput(key, "lt") && f.what.empty() && airspeedReplaced && !LinesBlamedOn(fc))
        f.what = caption + " gives an airspeed outside " + airspeedRange + ": it is calculated at " + airspeedUsed + ".";
    else if (airspeedReplaced && range == &LineLengthRange && !f.what.empty())
        f.what += " The airspeed on these lines is outside " + airspeedRange + ": it is calculated at " +
                  airspeedUsed + ".";
    return f;
}

// A pull test that does not exceed the highest pull in flight proves
// nothing: its load and that pull, by name; empty when it exceeds it.
std::string PullTestNote(const FlightCase &fc, const double *figures, const Writer &w)
{
    const double pull = figures[FigureIndex("PullTest")];
    const HighestTension highest = HighestTensionOf(figures, fc);
    if (!(pull <= highest.pounds))
        return std::string();
    const auto force = [&](double pounds) {
        return FormatShown(Measure::Force, w.units, pounds, 4, w.separator) +
               ShownUnit(Measure::Force, w.units, " pounds");
    };
    return "The Pull Test, " + force(pull) + ", is at or below the " +
           (highest.downwind ? "Downwind Tension, " : "Line Tension, ") + force(highest.pounds) +
           ": it does not prove the lines and handle for this flight.";
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
        const PinnedCase solved = PinCase(*trial);
        if (!solved.figures && (trial == before || PinCase(*before).figures))
            return {solved.error + " These flying conditions are not saved.", AdviceFor(*trial, units, separator)};
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
    std::string note = "An altimeter setting of " + FormatNumber(setting, 6, separator) + " " + shown.unit +
                       " is outside the " + FormatNumber(static_cast<float>(shown.low), 4, separator) + " to " +
                       FormatNumber(static_cast<float>(shown.high), 4, separator) + " " + shown.unit +
                       " of any real altimeter.";
    if (setting >= other.low && setting <= other.high)
        note += std::string(" It reads like ") + other.unit + "; this field takes " + shown.unit + ".";
    return note;
}

InputNote AdviceOnText(const InputKey &key, DisplayUnits units, char separator, const std::string &typed)
{
    std::string text = std::string(key.caption) + " takes a number, such as " +
                       FormatShown(key.measure, units, key.defaultValue, 4, separator) + ".";
    // The other mark is never read as a decimal one ("1,500" may be fifteen
    // hundred): say which one is.
    if (typed.find(separator == ',' ? '.' : ',') != std::string::npos)
        text += separator == ',' ? " Numbers here take a decimal comma (',')." : " Numbers here take a decimal point ('.').";
    return {&key, text};
}

// HangarFile: the canonical writer and a bounded reader that follows the
// format's shape, so that nesting, sizes and counts never exceed what the
// format has.
#include "hangar/HangarFile.h"
#include "hangar/HangarReader.h"

#include "numbers/Convert.h"
#include "case/DataFile.h"
#include "numbers/NumberText.h"
#include "lang/Format.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr const char *FormatName = "tethrix-hangar";
const char *const FlightTextKeys[] = {"engine", "prop", "fuel", "setting", "handleSpacing", "tipWeight", "notes"};
constexpr int FlightTextCount = 7;

std::string *FlightTexts(Flight &f, int i)
{
    std::string *texts[] = {&f.engine, &f.prop, &f.fuel, &f.setting, &f.handleSpacing, &f.tipWeight, &f.notes};
    return texts[i];
}
const std::string &FlightText(const Flight &f, int i) { return *FlightTexts(const_cast<Flight &>(f), i); }

// ---- Writing ----

void PutString(std::string &out, const std::string &text) { AppendJsonString(out, text); }

void PutKey(std::string &out, const char *key, bool first = false);

void PutText(std::string &out, const char *key, const std::string &text, bool first = false)
{
    PutKey(out, key, first);
    PutString(out, text);
}

void PutKey(std::string &out, const char *key, bool first)
{
    if (!first)
        out += ',';
    out += '"';
    out += key;
    out += "\":";
}

template <class T>
void PutNumber(std::string &out, T v)
{
    if (std::isnan(v)) {
        out += "null";
        return;
    }
    char buffer[40];
    out.append(buffer, ShortestText(buffer, v));
}

void PutInputs(std::string &out, const AirplaneInputs &inputs)
{
    PutKey(out, "inputs");
    out += '{';
    for (int k = 0; k < AirplaneInputCount; ++k)
        PutText(out, InputKeys[k].key, inputs.text[k], k == 0);
    out += '}';
}

void PutAirplane(std::string &out, const Airplane &a)
{
    out += '{';
    PutText(out, "id", a.id, true);
    PutInputs(out, a.inputs);
    PutText(out, "notes", a.notes);
    PutText(out, "created", a.created);
    PutText(out, "changed", a.changed);
    out += '}';
}

void PutFlight(std::string &out, const Flight &f)
{
    out += '{';
    PutText(out, "id", f.id, true);
    PutText(out, "airplane", f.airplaneId);
    PutText(out, "flown", f.flown);
    PutText(out, "changed", f.changed);
    PutInputs(out, f.inputs);
    PutKey(out, "conditions");
    out += '{';
    for (int i = 0; i < ConditionKeyCount; ++i) {
        PutKey(out, InputKeys[FirstConditionKey + i].key, i == 0);
        PutNumber(out, f.conditions[i]);
    }
    out += '}';
    PutKey(out, "lapTime");
    PutNumber(out, f.lapTime);
    PutKey(out, "figures");
    out += '{';
    for (int i = 0; i < FigureCount; ++i) {
        PutKey(out, Figures[i].jsonKey, i == 0);
        PutNumber(out, f.figures[i]);
    }
    out += '}';
    for (int i = 0; i < FlightTextCount; ++i)
        PutText(out, FlightTextKeys[i], FlightText(f, i));
    out += '}';
}

template <class T, class Put>
void PutList(std::string &out, const char *key, const std::vector<T> &list, Put put)
{
    PutKey(out, key, true);
    out += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        put(out, list[i]);
    }
    if (!list.empty())
        out += '\n';
    out += ']';
}

// ---- Reading ----

using hangar_reading::Label;
using hangar_reading::Reader;

bool ReadInputs(Reader &r, AirplaneInputs &inputs, const std::string &what)
{
    const char *Keys[AirplaneInputCount];
    for (int k = 0; k < AirplaneInputCount; ++k)
        Keys[k] = InputKeys[k].key;
    return r.Object(Keys, AirplaneInputCount, lang::Format("the inputs of %1", {what}), [&](int k) {
        return r.String(inputs.text[k], {"'%1' of %2", Keys[k], what});
    });
}

bool ReadAirplane(Reader &r, Airplane &a, const std::string &what)
{
    static const char *const Keys[] = {"id", "inputs", "notes", "created", "changed"};
    return r.Object(Keys, 5, what, [&](int i) {
        switch (i) {
        case 0: return r.String(a.id, {"the id of %1", what});
        case 1: return ReadInputs(r, a.inputs, what);
        case 2: return r.String(a.notes, {"the notes of %1", what});
        case 3: return r.String(a.created, {"the created time of %1", what});
        default: return r.String(a.changed, {"the changed time of %1", what});
        }
    });
}

bool ReadFlight(Reader &r, Flight &f, const std::string &what)
{
    static const char *const Keys[] = {"id", "airplane", "flown", "changed", "inputs", "conditions", "lapTime",
                                       "figures", "engine", "prop", "fuel", "setting", "handleSpacing",
                                       "tipWeight", "notes"};
    const char *ConditionKeys[ConditionKeyCount];
    const char *FigureKeys[FigureCount];
    for (int i = 0; i < ConditionKeyCount; ++i)
        ConditionKeys[i] = InputKeys[FirstConditionKey + i].key;
    for (int i = 0; i < FigureCount; ++i)
        FigureKeys[i] = Figures[i].jsonKey;
    return r.Object(Keys, 15, what, [&](int i) {
        switch (i) {
        case 0: return r.String(f.id, {"the id of %1", what});
        case 1: return r.String(f.airplaneId, {"the airplane of %1", what});
        case 2: return r.String(f.flown, {"the flown time of %1", what});
        case 3: return r.String(f.changed, {"the changed time of %1", what});
        case 4: return ReadInputs(r, f.inputs, what);
        case 5:
            return r.Object(ConditionKeys, ConditionKeyCount, lang::Format("the conditions of %1", {what}), [&](int k) {
                return r.Number(f.conditions[k], false, {"'%1' of %2", ConditionKeys[k], what});
            });
        case 6: return r.Number(f.lapTime, true, {"the lap time of %1", what});
        case 7:
            return r.Object(FigureKeys, FigureCount, lang::Format("the figures of %1", {what}), [&](int k) {
                return r.Number(f.figures[k], true, {"'%1' of %2", FigureKeys[k], what});
            });
        default: return r.String(*FlightTexts(f, i - 8), {"the %1 of %2", Keys[i], what});
        }
    });
}

// The elements of an array, at most max of them, each read by element(n)
// with n counted from 1.
template <class Element>
bool List(Reader &r, const char *what, std::size_t max, const char *tooMany, Element element)
{
    if (!r.Expect('[', std::string("for the ") + what))
        return false;
    if (r.Take(']'))
        return true;
    std::size_t n = 0;
    do {
        if (++n > max)
            return r.Fail(tooMany);
        if (!element(n))
            return false;
    } while (r.Take(','));
    return r.Expect(']', std::string("at the end of the ") + what);
}

}  // namespace

Result<std::string> HangarFileText(const Hangar &hangar)
{
    std::string out = "{\"format\":\"tethrix-hangar\",\"version\":" + std::to_string(HangarFileVersion) + ",\n";
    PutList(out, "airplanes", hangar.Airplanes(), PutAirplane);
    out += ",\n";
    PutList(out, "flights", hangar.Flights(), PutFlight);
    out += "}\n";
    if (out.size() > MaxHangarFileBytes)
        return Refused<std::string>(
            "The hangar is too large for one file of at most 16 MiB: export its airplanes apart");
    return out;
}

Result<Hangar> ReadHangarFile(const std::string &content)
{
    const auto refuse = [](const std::string &why) {
        return Refused<Hangar>(lang::Format("This is not a hangar file Tethrix can read: %1", {why}));
    };
    if (content.size() > MaxHangarFileBytes)
        return refuse("it is larger than 16 MiB");
    if (!IsValidUtf8(content))
        return refuse("it is not valid UTF-8 text");
    Reader r(content);
    std::vector<Airplane> airplanes;
    std::vector<Flight> flights;
    static const char *const Keys[] = {"format", "version", "airplanes", "flights"};
    int next = 0;  // "format" and "version" must come first, in order
    const bool read = r.Object(Keys, 4, "the file", [&](int i) {
        if (i != next && next < 2)
            return r.Fail("the file does not start with \"format\" and \"version\"");
        ++next;
        std::string text;
        switch (i) {
        case 0:
            if (!r.String(text, "the format"))
                return false;
            return text == FormatName || r.Fail("its format is not \"tethrix-hangar\"");
        case 1: {
            double version = 0;
            if (!r.Number(version, false, "the version"))
                return false;
            if (version > HangarFileVersion && version == std::floor(version) && version < 1e9)
                return r.Fail(
                    lang::Format("it is a hangar file of version %1, from a newer Tethrix; this one reads "
                                 "version %2",
                                 {std::to_string(static_cast<long>(version)), std::to_string(HangarFileVersion)}));
            return version == HangarFileVersion || r.Fail("its version is not a hangar file version");
        }
        case 2:
            return List(r, "airplanes", MaxAirplanes, "it holds more than 10,000 airplanes", [&](std::size_t n) {
                const std::string what = lang::Format("airplane %1", {std::to_string(n)});
                airplanes.emplace_back();
                if (!ReadAirplane(r, airplanes.back(), what))
                    return false;
                const Result<> checked = CheckAirplane(airplanes.back());
                return checked.ok() || r.Fail(lang::Format("%1: %2", {what, checked.error}));
            });
        default:
            return List(r, "flights", MaxFlights, "it holds more than 1,000,000 flights", [&](std::size_t n) {
                const std::string what = lang::Format("flight %1", {std::to_string(n)});
                flights.emplace_back();
                if (!ReadFlight(r, flights.back(), what))
                    return false;
                const Result<> checked = CheckFlight(flights.back());
                return checked.ok() || r.Fail(lang::Format("%1: %2", {what, checked.error}));
            });
        }
    });
    if (!read)
        return refuse(r.Error());
    if (!r.AtEnd())
        return refuse("something follows the end of the hangar");
    Hangar hangar;
    if (const Result<> assigned = hangar.Assign(std::move(airplanes), std::move(flights)); !assigned.ok())
        return refuse(assigned.error);
    return hangar;
}

std::string AirplaneRecordText(const Airplane &airplane)
{
    std::string out;
    PutAirplane(out, airplane);
    return out;
}

std::string FlightRecordText(const Flight &flight)
{
    std::string out;
    PutFlight(out, flight);
    return out;
}

namespace {

template <class Record, class ReadRecord, class CheckRecord>
Result<Record> ReadOneRecord(const std::string &text, const char *what, ReadRecord read, CheckRecord check)
{
    if (text.size() > MaxHangarFileBytes || !IsValidUtf8(text))
        return Refused<Record>(lang::Format("the %1 is not valid UTF-8 text of at most 16 MiB", {what}));
    Reader r(text);
    Record record{};
    if (!read(r, record, what))
        return Refused<Record>(r.Error());
    if (!r.AtEnd())
        return Refused<Record>(lang::Format("something follows the end of the %1", {what}));
    if (Result<> checked = check(record); !checked.ok())
        return Refused<Record>(std::move(checked.error));
    return record;
}

}  // namespace

Result<Airplane> ReadAirplaneRecord(const std::string &text)
{
    return ReadOneRecord<Airplane>(text, "airplane", ReadAirplane, CheckAirplane);
}

Result<Flight> ReadFlightRecord(const std::string &text)
{
    return ReadOneRecord<Flight>(text, "flight", ReadFlight, CheckFlight);
}

// Hangar: the records, their checks and the merge of an imported hangar.
#include "hangar/Hangar.h"

#include "case/CaseEditor.h"
#include "case/DataFile.h"
#include "numbers/NumberText.h"
#include "lang/Format.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

const char *const FieldNames[] = {"engine", "prop", "fuel", "needle or timer setting", "handle spacing",
                                  "tip weight"};

bool SameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from text[i], at least one; i is left after them.
bool Digits(const std::string &text, std::size_t &i)
{
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i > start;
}

// The text of a data file's number: an optional sign, digits, optional
// decimals and an optional exponent, nothing else.
bool IsNumberText(const std::string &text, bool whole)
{
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (!Digits(text, i))
        return false;
    if (whole)
        return i == text.size();
    if (i < text.size() && text[i] == '.' && !Digits(text, ++i))
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!Digits(text, i))
            return false;
    }
    return i == text.size();
}

// Free text: valid UTF-8, no control characters but line breaks and tabs
// where lines are allowed, at most max characters.
std::string CheckText(const std::string &text, std::size_t max, const std::string &what, bool lines)
{
    if (!IsValidUtf8(text))
        return lang::Format("The %1 is not valid UTF-8 text", {what});
    for (unsigned char c : text)
        if ((c < 32 && !(lines && (c == '\n' || c == '\t'))) || c == 127)
            return lang::Format(lines ? "The %1 cannot hold control characters other than line breaks and tabs"
                                      : "The %1 cannot hold line breaks, tabs or other control characters",
                                {what});
    if (CharacterCount(text) > max)
        return lang::Format("The %1 is longer than %2 characters", {what, std::to_string(max)});
    return {};
}

template <class T>
auto FindById(std::vector<T> &list, const std::string &id)
{
    auto it = std::lower_bound(list.begin(), list.end(), id,
                               [](const T &r, const std::string &key) { return r.id < key; });
    return it != list.end() && it->id == id ? it : list.end();
}

template <class T>
const T *FindConst(const std::vector<T> &list, const std::string &id)
{
    auto it = FindById(const_cast<std::vector<T> &>(list), id);
    return it == list.end() ? nullptr : &*it;
}

template <class T>
void InsertSorted(std::vector<T> &list, T record)
{
    auto it = std::lower_bound(list.begin(), list.end(), record.id,
                               [](const T &r, const std::string &key) { return r.id < key; });
    list.insert(it, std::move(record));
}

template <class T>
bool SortAndCheckUnique(std::vector<T> &list)
{
    const auto byId = [](const T &a, const T &b) { return a.id < b.id; };
    if (!std::is_sorted(list.begin(), list.end(), byId))  // a store's and a file's come in order
        std::sort(list.begin(), list.end(), byId);
    return std::adjacent_find(list.begin(), list.end(),
                              [](const T &a, const T &b) { return a.id == b.id; }) == list.end();
}

std::string TooMany(std::size_t airplanes, std::size_t flights)
{
    if (airplanes > MaxAirplanes)
        return lang::Format("A hangar holds at most %1 airplanes", {std::to_string(MaxAirplanes)});
    if (flights > MaxFlights)
        return lang::Format("A hangar holds at most %1 flights", {std::to_string(MaxFlights)});
    return {};
}

}  // namespace

std::size_t CharacterCount(const std::string &utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8)
        n += (c & 0xC0) != 0x80;
    return n;
}

AirplaneInputs InputsOfCase(const FlightCase &fc)
{
    AirplaneInputs inputs;
    inputs.text[0] = fc.AcName;
    for (const DataFileEntry &e : ParseDataFile(DataFileText(fc)))
        for (int k = 1; k < AirplaneInputCount; ++k)
            if (e.key == InputKeys[k].key)
                inputs.text[k] = e.value;
    return inputs;
}

FlightCase CaseOfInputs(const AirplaneInputs &inputs, const FlightCase &base)
{
    FlightCase fc = base;
    std::vector<DataFileEntry> entries;
    for (int k = 0; k < AirplaneInputCount; ++k)
        if (!inputs.text[k].empty())
            entries.push_back({InputKeys[k].key, inputs.text[k]});
    FlightCaseTarget target(fc);
    ApplyDataFileEntries(entries, target);
    return fc;
}

std::string DataFileOfInputs(const AirplaneInputs &inputs)
{
    std::string bytes = "an=" + NameToFileBytes(inputs.text[0]) + "\r\n";
    for (int k = 1; k < AirplaneInputCount; ++k)
        bytes += std::string(InputKeys[k].key) + "=" + inputs.text[k] + "\r\n";
    return bytes;
}

Result<FlightCase> CaseOfDataFile(const std::string &bytes, char decimalSeparator)
{
    if (ParseDataFile(bytes).empty())
        return Refused<FlightCase>("it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)");
    CaseEditor reader(decimalSeparator);
    reader.ReadFile(bytes);
    return reader.Case();
}

bool Airplane::operator==(const Airplane &o) const
{
    return id == o.id && inputs == o.inputs && notes == o.notes && created == o.created && changed == o.changed;
}

bool Flight::operator==(const Flight &o) const
{
    for (int i = 0; i < ConditionKeyCount; ++i)
        if (!SameNumber(conditions[i], o.conditions[i]))
            return false;
    for (int i = 0; i < FigureCount; ++i)
        if (!SameNumber(figures[i], o.figures[i]))
            return false;
    return id == o.id && airplaneId == o.airplaneId && flown == o.flown && changed == o.changed &&
           inputs == o.inputs && SameNumber(lapTime, o.lapTime) && engine == o.engine && prop == o.prop &&
           fuel == o.fuel && setting == o.setting && handleSpacing == o.handleSpacing &&
           tipWeight == o.tipWeight && notes == o.notes;
}

Flight FlightOfCase(const FlightCase &fc, const Result<CaseFigures> &solved)
{
    Flight f;
    f.inputs = InputsOfCase(fc);
    for (int i = 0; i < ConditionKeyCount; ++i)
        f.conditions[i] = fc.*(InputKeys[FirstConditionKey + i].field);
    for (int i = 0; i < FigureCount; ++i)
        f.figures[i] = solved.ok() ? solved.value.values[i] : NAN;
    return f;
}

Result<> CheckName(const std::string &name)
{
    if (name.find_first_not_of(' ') == std::string::npos)
        return Refused("An airplane needs a name");
    if (std::string e = CheckText(name, MaxNameLength, "airplane name", false); !e.empty())
        return Refused(e);
    return Done{};
}

Result<> CheckInputs(const AirplaneInputs &inputs)
{
    if (Result<> checked = CheckName(inputs.Name()); !checked.ok())
        return checked;
    for (int k = 1; k < AirplaneInputCount; ++k) {
        const std::string &text = inputs.text[k];
        const char *const caption = InputKeys[k].caption;
        if (text.empty())
            return Refused(lang::Format("The %1 is missing", {caption}));
        const bool whole = InputKeys[k].field == nullptr;
        if (text.size() > MaxNumberTextLength || !IsNumberText(text, whole))
            return Refused(lang::Format(whole ? "'%1' is not a valid whole number for the %2"
                                              : "'%1' is not a valid number for the %2",
                                        {text.substr(0, MaxNumberTextLength), caption}));
        float v = 0;
        const char *end = nullptr;
        if (!whole && (ParseText(text.data(), text.data() + text.size(), v, end) != ParseResult::Ok ||
                       !std::isfinite(v)))
            return Refused(lang::Format("'%1' is out of range for the %2", {text, caption}));
        if (whole && text.size() > 10)
            return Refused(lang::Format("'%1' is out of range for the %2", {text, caption}));
    }
    return Done{};
}

Result<> CheckTime(const std::string &time, const char *what)
{
    // "2026-12-09T04:30:00Z": digits where the pattern has 'd'.
    static const char Pattern[] = "dddd-dd-ddTdd:dd:ddZ";
    bool ok = time.size() == sizeof Pattern - 1;
    for (std::size_t i = 0; ok && i < time.size(); ++i)
        ok = Pattern[i] == 'd' ? IsDigit(time[i]) : time[i] == Pattern[i];
    const auto at = [&](std::size_t i, std::size_t n) {
        int v = 0;
        for (std::size_t j = i; j < i + n; ++j)
            v = v * 10 + (time[j] - '0');
        return v;
    };
    if (ok) {
        const int year = at(0, 4), month = at(5, 2), day = at(8, 2);
        static const int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        ok = month >= 1 && month <= 12 && day >= 1 &&
             day <= Days[month - 1] + (month == 2 && leap) && at(11, 2) < 24 && at(14, 2) < 60 &&
             at(17, 2) < 60;
    }
    if (ok)
        return Done{};
    return Refused(
        lang::Format("The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z", {what, time.substr(0, 40)}));
}

Result<> CheckId(const std::string &id)
{
    bool ok = !id.empty() && id.size() <= MaxIdLength;
    for (char c : id)
        ok = ok && (IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_');
    return DoneOr(
        ok ? std::string()
           : lang::Format("'%1' is not an id: up to 64 letters, digits, - and _", {id.substr(0, MaxIdLength)}));
}

Result<> CheckAirplane(const Airplane &a)
{
    for (const Result<> &checked :
         {CheckId(a.id), CheckInputs(a.inputs), DoneOr(CheckText(a.notes, MaxNotesLength, "notes", true)),
          CheckTime(a.created, "created"), CheckTime(a.changed, "changed")})
        if (!checked.ok())
            return checked;
    return Done{};
}

Result<> CheckFlight(const Flight &f)
{
    for (const Result<> &checked : {CheckId(f.id), CheckId(f.airplaneId), CheckTime(f.flown, "flown"),
                                    CheckTime(f.changed, "changed"), CheckInputs(f.inputs)})
        if (!checked.ok())
            return checked;
    for (int i = 0; i < ConditionKeyCount; ++i)
        if (!std::isfinite(f.conditions[i]))
            return Refused(lang::Format("The %1 is not a number", {InputKeys[FirstConditionKey + i].caption}));
    if (!std::isnan(f.lapTime) && !(f.lapTime > 0 && f.lapTime <= 3600))
        return Refused("A measured lap time must be more than 0 and at most 3600 seconds");
    for (int i = 0; i < FigureCount; ++i)
        if (std::isinf(f.figures[i]))
            return Refused(lang::Format("The %1 is infinite", {Figures[i].caption}));
    const std::string *fields[] = {&f.engine, &f.prop, &f.fuel, &f.setting, &f.handleSpacing, &f.tipWeight};
    for (int i = 0; i < 6; ++i)
        if (std::string e = CheckText(*fields[i], MaxFieldLength, FieldNames[i], false); !e.empty())
            return Refused(e);
    return DoneOr(CheckText(f.notes, MaxNotesLength, "notes", true));
}

const Airplane *Hangar::FindAirplane(const std::string &id) const { return FindConst(airplanes, id); }
const Flight *Hangar::FindFlight(const std::string &id) const { return FindConst(flights, id); }

std::vector<const Airplane *> Hangar::AirplanesNamed(const std::string &name) const
{
    std::vector<const Airplane *> found;
    for (const Airplane &a : airplanes)
        if (a.Name() == name)
            found.push_back(&a);
    return found;
}

Result<> Hangar::AddAirplane(const std::string &id, const FlightCase &fc, const std::string &notes,
                             const std::string &now)
{
    if (FindAirplane(id))
        return Refused(lang::Format("There is already an airplane with the id %1", {id}));
    if (airplanes.size() >= MaxAirplanes)
        return Refused(TooMany(airplanes.size() + 1, 0));
    Airplane a{id, InputsOfCase(fc), notes, now, now};
    if (Result<> checked = CheckAirplane(a); !checked.ok())
        return checked;
    InsertSorted(airplanes, std::move(a));
    return Done{};
}

Result<> Hangar::KeepAirplane(const std::string &id, const FlightCase &fc, const std::string &notes,
                              const std::string &now)
{
    auto it = FindById(airplanes, id);
    if (it == airplanes.end())
        return Refused("The airplane is no longer in the hangar");
    Airplane a = *it;
    a.inputs = InputsOfCase(fc);
    a.notes = notes;
    a.changed = now;
    if (Result<> checked = CheckAirplane(a); !checked.ok())
        return checked;
    *it = std::move(a);
    return Done{};
}

Result<> Hangar::Rename(const std::string &id, const std::string &name, const std::string &now)
{
    auto it = FindById(airplanes, id);
    if (it == airplanes.end())
        return Refused("The airplane is no longer in the hangar");
    Airplane a = *it;
    a.inputs.text[0] = name;
    a.changed = now;
    if (Result<> checked = CheckAirplane(a); !checked.ok())
        return checked;
    *it = std::move(a);
    return Done{};
}

Result<> Hangar::Duplicate(const std::string &id, const std::string &newId, const std::string &newName,
                           const std::string &now)
{
    const Airplane *original = FindAirplane(id);
    if (!original)
        return Refused("The airplane is no longer in the hangar");
    if (FindAirplane(newId))
        return Refused(lang::Format("There is already an airplane with the id %1", {newId}));
    if (airplanes.size() >= MaxAirplanes)
        return Refused(TooMany(airplanes.size() + 1, 0));
    Airplane a = *original;
    a.id = newId;
    a.inputs.text[0] = newName;
    a.created = a.changed = now;
    if (Result<> checked = CheckAirplane(a); !checked.ok())
        return checked;
    InsertSorted(airplanes, std::move(a));
    return Done{};
}

Result<> Hangar::DeleteAirplane(const std::string &id, bool withFlights)
{
    auto it = FindById(airplanes, id);
    if (it == airplanes.end())
        return Refused("The airplane is no longer in the hangar");
    airplanes.erase(it);
    if (withFlights)
        flights.erase(std::remove_if(flights.begin(), flights.end(),
                                     [&](const Flight &f) { return f.airplaneId == id; }),
                      flights.end());
    return Done{};
}

Result<> Hangar::LogFlight(const Flight &flight)
{
    if (!FindAirplane(flight.airplaneId))
        return Refused("The airplane of this flight is not in the hangar");
    if (FindFlight(flight.id))
        return Refused(lang::Format("There is already a flight with the id %1", {flight.id}));
    if (flights.size() >= MaxFlights)
        return Refused(TooMany(0, flights.size() + 1));
    if (Result<> checked = CheckFlight(flight); !checked.ok())
        return checked;
    InsertSorted(flights, flight);
    return Done{};
}

Result<> Hangar::CorrectFlight(const Flight &flight, const std::string &now)
{
    auto it = FindById(flights, flight.id);
    if (it == flights.end())
        return Refused("The flight is no longer in the log");
    Flight f = flight;
    f.airplaneId = it->airplaneId;
    f.changed = now;
    if (Result<> checked = CheckFlight(f); !checked.ok())
        return checked;
    *it = std::move(f);
    return Done{};
}

Result<> Hangar::DeleteFlight(const std::string &id)
{
    auto it = FindById(flights, id);
    if (it == flights.end())
        return Refused("The flight is no longer in the log");
    flights.erase(it);
    return Done{};
}

namespace {

void NewestFirst(std::vector<const Flight *> &flights)
{
    std::sort(flights.begin(), flights.end(), [](const Flight *a, const Flight *b) {
        return a->flown != b->flown ? a->flown > b->flown : a->id < b->id;
    });
}

}  // namespace

std::vector<const Flight *> Hangar::FlightsOf(const std::string &airplaneId) const
{
    std::vector<const Flight *> found;
    for (const Flight &f : flights)
        if (f.airplaneId == airplaneId)
            found.push_back(&f);
    NewestFirst(found);
    return found;
}

std::map<std::string, std::vector<const Flight *>> Hangar::FlightsByAirplane() const
{
    std::map<std::string, std::vector<const Flight *>> by;
    for (const Flight &f : flights)
        by[f.airplaneId].push_back(&f);
    for (auto &[id, of] : by)
        NewestFirst(of);
    return by;
}

std::string Hangar::LastFlown(const std::string &airplaneId) const
{
    std::string last;
    for (const Flight &f : flights)
        if (f.airplaneId == airplaneId && f.flown > last)
            last = f.flown;
    return last;
}

std::vector<std::string> Hangar::LastFlownOfAll() const
{
    std::vector<std::string> last(airplanes.size());
    for (const Flight &f : flights) {
        auto it = std::lower_bound(airplanes.begin(), airplanes.end(), f.airplaneId,
                                   [](const Airplane &a, const std::string &key) { return a.id < key; });
        if (it != airplanes.end() && it->id == f.airplaneId) {
            std::string &l = last[static_cast<std::size_t>(it - airplanes.begin())];
            l = std::max(l, f.flown);
        }
    }
    return last;
}

Hangar Hangar::Extract(const std::string &airplaneId) const
{
    Hangar one;
    if (const Airplane *a = FindAirplane(airplaneId))
        one.airplanes.push_back(*a);
    for (const Flight &f : flights)
        if (f.airplaneId == airplaneId)
            one.flights.push_back(f);
    return one;
}

namespace {

// Merges from into to by id, telling added and updated of each record
// added or replaced.
template <class T, class Added, class Updated>
void MergeInto(std::vector<T> &to, const std::vector<T> &from, Added added, Updated updated)
{
    const std::size_t original = to.size();
    for (const T &record : from) {
        auto end = to.begin() + static_cast<std::ptrdiff_t>(original);
        auto it = std::lower_bound(to.begin(), end, record.id,
                                   [](const T &r, const std::string &key) { return r.id < key; });
        if (it == end || it->id != record.id) {
            to.push_back(record);
            added(record);
        } else if (record.changed > it->changed) {
            *it = record;
            updated(record);
        }
    }
    // Ids are unique, so a plain sort puts the added ones in place (and,
    // unlike a merge, takes no temporary buffer).
    std::sort(to.begin(), to.end(), [](const T &a, const T &b) { return a.id < b.id; });
}

}  // namespace

Result<ImportSummary> Hangar::Import(const Hangar &other)
{
    std::vector<Airplane> newAirplanes = airplanes;
    std::vector<Flight> newFlights = flights;
    ImportSummary s;
    MergeInto(newAirplanes, other.airplanes, [&](const Airplane &a) { s.addedAirplanes.push_back(a.Name()); },
              [&](const Airplane &a) { s.updatedAirplanes.push_back(a.Name()); });
    MergeInto(newFlights, other.flights, [&](const Flight &) { ++s.addedFlights; },
              [&](const Flight &) { ++s.updatedFlights; });
    if (std::string e = TooMany(newAirplanes.size(), newFlights.size()); !e.empty())
        return Refused<ImportSummary>(e);
    airplanes = std::move(newAirplanes);
    flights = std::move(newFlights);
    return s;
}

Result<> Hangar::Assign(std::vector<Airplane> newAirplanes, std::vector<Flight> newFlights)
{
    if (std::string e = TooMany(newAirplanes.size(), newFlights.size()); !e.empty())
        return Refused(e);
    if (!SortAndCheckUnique(newAirplanes))
        return Refused("Two airplanes have the same id");
    if (!SortAndCheckUnique(newFlights))
        return Refused("Two flights have the same id");
    airplanes = std::move(newAirplanes);
    flights = std::move(newFlights);
    return Done{};
}

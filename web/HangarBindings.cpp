// The flier's hangar and trim log as the page calls them: a module of its
// own (tethrix-hangar.wasm), which the page loads once its first figures
// are shown, so that the calculator's module stays small. The case comes
// over as the values of its nine inputs, a flight as the record the
// calculator's module made of it (FlightBindings.cpp). The page keeps
// one hangar here, in memory, and every edit runs in the core on a copy
// (EditHangar): the call answers the records it changed, the page writes
// exactly those to its storage in one transaction, and only then commits
// the copy (tx_hangarCommit), or drops it when the write failed. So what
// is shown is always what is stored. The order of each answer is its
// layout in hangarBindings.js (HANGAR_REPLIES). Nothing is decided here.
#include "numbers/EngineError.h"
#include "web/FlierFields.h"
#include "hangar/HangarChange.h"
#include "hangar/HangarFile.h"
#include "hangar/HangarLog.h"
#include "web/Reply.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

using reply::Start, reply::Text, reply::Number;

namespace {

Hangar hangar;
HangarEdit pending;  // an edit made, not yet stored
ImportSummary imported;

std::string In(const char *text, uint32_t length) { return std::string(text, length); }

// Records one a line, as the page reads them from its storage.
std::vector<std::string> Lines(const std::string &joined)
{
    std::vector<std::string> lines;
    for (size_t at = 0; at < joined.size();) {
        size_t end = joined.find('\n', at);
        if (end == std::string::npos)
            end = joined.size();
        lines.push_back(joined.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

DisplayUnits UnitsOf(int metric) { return metric ? DisplayUnits::Metric : DisplayUnits::Imperial; }

// The case's nine inputs from their values, as the calculator's module
// holds them (tx_caseInputs): what an airplane keeps of a case.
FlightCase CaseOf(const char *name, uint32_t length, double lines, const double *values)
{
    FlightCase fc;
    fc.AcName = In(name, length);
    fc.NumLines = static_cast<int>(lines);
    for (int k = 2; k < AirplaneInputCount; ++k)
        fc.*(InputKeys[k].field) = static_cast<float>(values[k - 2]);
    return fc;
}
// The case's inputs as the page hands them over: the name, then the line
// count and the seven other values.
#define CASE_ARGS                                                                                         \
    const char *name, uint32_t namen, double nl, double ls, double ll, double wl, double hl, double wt,     \
        double lt, double wa
#define CASE_VALUES                                                                                       \
    [&] {                                                                                                 \
        const double values[] = {ls, ll, wl, hl, wt, lt, wa};                                             \
        return CaseOf(name, namen, nl, values);                                                           \
    }()

// An edit as the page asks for it: which, and its texts. One function runs
// them all, so that the copy, the edit and its difference are built once.
enum class Edit { Add, Keep, Rename, Duplicate, Delete, LogFlight, Correct, DeleteFlight, Import };
struct EditCall {
    EditCall(Edit edit, std::string id = {}, std::string text = {}, std::string now = {}, std::string other = {},
             FlightCase fc = {}, int flag = 0, flier::FlierFields fields = {})
        : edit(edit), id(std::move(id)), text(std::move(text)), now(std::move(now)), other(std::move(other)),
          fc(std::move(fc)), flag(flag), fields(std::move(fields))
    {
    }
    Edit edit;
    std::string id, text, now, other;  // other: a new id, or the airplane of a flight
    FlightCase fc;                     // the case an airplane is kept from
    int flag;                          // with its flights; the fields' separator
    flier::FlierFields fields;
    const Hangar *imported = nullptr;
};

// A flight as the calculator's module recorded it (text): its airplane
// kept first, from the same case, when the hangar has it not.
Result<> LogFlight(Hangar &h, const EditCall &c)
{
    const Result<Flight> f = ReadFlightRecord(c.text);
    if (!f.ok())
        return Refused(f.error);
    if (!h.FindAirplane(f.value.airplaneId))
        if (Result<> kept = h.AddAirplane(f.value.airplaneId, c.fc, "", f.value.flown); !kept.ok())
            return kept;
    return h.LogFlight(f.value);
}

Result<> Correct(Hangar &h, const EditCall &c)
{
    const Flight *kept = h.FindFlight(c.id);
    if (!kept)
        return Refused("The flight is no longer in the log");
    Flight f = *kept;
    if (std::string error = flier::Apply(c.fields, static_cast<char>(c.flag), f); !error.empty())
        return Refused(error);
    return h.CorrectFlight(f, c.now);
}

Result<> Run(Hangar &h, const EditCall &c)
{
    switch (c.edit) {
    case Edit::Add: return h.AddAirplane(c.id, c.fc, c.text, c.now);
    case Edit::Keep: return h.KeepAirplane(c.id, c.fc, c.text, c.now);
    case Edit::Rename: return h.Rename(c.id, c.text, c.now);
    case Edit::Duplicate: return h.Duplicate(c.id, c.other, c.text, c.now);
    case Edit::Delete: return h.DeleteAirplane(c.id, c.flag != 0);
    case Edit::LogFlight: return LogFlight(h, c);
    case Edit::Correct: return Correct(h, c);
    case Edit::DeleteFlight: return h.DeleteFlight(c.id);
    case Edit::Import: {
        Result<ImportSummary> done = h.Import(*c.imported);
        imported = done.value;
        return DoneOr(std::move(done.error));
    }
    }
    return Done{};
}

// The answer of an edit: its error (with its full stop, or empty); the
// counts of airplanes put and removed, flights put and removed; then the
// texts {id, record} of each airplane put, the id of each removed, {id,
// airplane id, record} of each flight put, the id of each removed.
void Change(const EditCall &call)
{
    Start();
    const Result<HangarEdit> edited = EditHangar(hangar, [&call](Hangar &h) { return Run(h, call); });
    pending = edited.value;
    Text(edited.ok() ? std::string() : WithFullStop(edited.error));
    const HangarChange &c = pending.change;
    for (size_t count : {c.putAirplanes.size(), c.removedAirplanes.size(), c.putFlights.size(), c.removedFlights.size()})
        Number(static_cast<double>(count));
    for (const Airplane &a : c.putAirplanes) {
        Text(a.id);
        Text(AirplaneRecordText(a));
    }
    for (const std::string &id : c.removedAirplanes)
        Text(id);
    for (const Flight &f : c.putFlights) {
        Text(f.id);
        Text(f.airplaneId);
        Text(FlightRecordText(f));
    }
    for (const std::string &id : c.removedFlights)
        Text(id);
}

}  // namespace

#define EXPORT extern "C" EMSCRIPTEN_KEEPALIVE

// The store's whole content read in, a record a line: the texts are the
// records that could not be read, each with the reason. The hangar is then
// not to be written over.
EXPORT void tx_hangarLoad(const char *airplanes, uint32_t airplanesLength, const char *flights,
                          uint32_t flightsLength)
{
    std::vector<std::string> problems;
    Hangar read = HangarOfRecords(Lines(In(airplanes, airplanesLength)), Lines(In(flights, flightsLength)), problems);
    hangar = std::move(read);
    pending = {};
    Start();
    for (std::string &p : problems)
        Text(std::move(p));
}
EXPORT void tx_hangarCommit()
{
    hangar = std::move(pending.hangar);
    pending = {};
}
EXPORT void tx_hangarDrop() { pending = {}; }

// The airplanes in the order of their ids: id, name, notes, when last flown.
EXPORT void tx_hangarList()
{
    Start();
    const std::vector<std::string> flown = hangar.LastFlownOfAll();
    for (size_t i = 0; i < hangar.Airplanes().size(); ++i) {
        const Airplane &a = hangar.Airplanes()[i];
        Text(a.id);
        Text(a.Name());
        Text(a.notes);
        Text(flown[i]);
    }
}

// The airplanes no longer in the hangar whose flights were kept: the id,
// the name as last flown, and how many flights.
EXPORT void tx_hangarDeleted()
{
    Start();
    std::vector<std::string> seen;
    for (const Flight &f : hangar.Flights()) {
        if (hangar.FindAirplane(f.airplaneId) || std::find(seen.begin(), seen.end(), f.airplaneId) != seen.end())
            continue;
        seen.push_back(f.airplaneId);
        const std::vector<const Flight *> flights = hangar.FlightsOf(f.airplaneId);
        Text(f.airplaneId);
        Text(flights.front()->inputs.Name());
        Number(static_cast<double>(flights.size()));
    }
}

// What the page keeps beside the records so that its next start can show
// the list and the open airplane's log before it has read every flight:
// numbers: how many airplanes, how many deleted airplanes with flights
// kept, then each one's count of flights; texts: each airplane's id, when
// last flown and its flights' ids, then each deleted one's id, name as
// last flown and its flights' ids.
EXPORT void tx_hangarIndex()
{
    Start();
    const std::vector<std::string> flown = hangar.LastFlownOfAll();
    // The log grouped once, not searched per airplane: the index is written after every change.
    const std::map<std::string, std::vector<const Flight *>> byAirplane = hangar.FlightsByAirplane();
    static const std::vector<const Flight *> none;
    const auto flightsOf = [&](const std::string &id) -> const std::vector<const Flight *> & {
        const auto found = byAirplane.find(id);
        return found == byAirplane.end() ? none : found->second;
    };
    std::vector<std::string> deleted;
    for (const auto &[id, flights] : byAirplane)
        if (!hangar.FindAirplane(id))
            deleted.push_back(id);
    Number(static_cast<double>(hangar.Airplanes().size()));
    Number(static_cast<double>(deleted.size()));
    const auto entry = [](const std::string &id, const std::string &text, const std::vector<const Flight *> &flights) {
        Text(id);
        Text(text);
        Number(static_cast<double>(flights.size()));
        for (const Flight *f : flights)
            Text(f->id);
    };
    for (size_t i = 0; i < hangar.Airplanes().size(); ++i)
        entry(hangar.Airplanes()[i].id, flown[i], flightsOf(hangar.Airplanes()[i].id));
    for (const std::string &id : deleted)
        entry(id, flightsOf(id).front()->inputs.Name(), flightsOf(id));
}

// An airplane to open into the fields as its data file would open: the
// error (or empty), its name and its data file's bytes.
EXPORT void tx_hangarOpen(const char *id, uint32_t length)
{
    Start();
    const Airplane *a = hangar.FindAirplane(In(id, length));
    Text(a ? "" : "The airplane is no longer in the hangar.");
    Text(a ? a->Name() : "");
    Text(a ? DataFileOfInputs(a->inputs) : "");
}

EXPORT void tx_hangarAdd(CASE_ARGS, const char *id, uint32_t idn, const char *notes, uint32_t notesn,
                         const char *now, uint32_t nown)
{
    Change({Edit::Add, In(id, idn), In(notes, notesn), In(now, nown), {}, CASE_VALUES});
}
EXPORT void tx_hangarKeep(CASE_ARGS, const char *id, uint32_t idn, const char *notes, uint32_t notesn,
                          const char *now, uint32_t nown)
{
    Change({Edit::Keep, In(id, idn), In(notes, notesn), In(now, nown), {}, CASE_VALUES});
}
EXPORT void tx_hangarRename(const char *id, uint32_t idn, const char *name, uint32_t namen, const char *now,
                            uint32_t nown)
{
    Change({Edit::Rename, In(id, idn), In(name, namen), In(now, nown)});
}
EXPORT void tx_hangarDuplicate(const char *id, uint32_t idn, const char *newId, uint32_t newIdn, const char *name,
                               uint32_t namen, const char *now, uint32_t nown)
{
    Change({Edit::Duplicate, In(id, idn), In(name, namen), In(now, nown), In(newId, newIdn)});
}
EXPORT void tx_hangarDelete(const char *id, uint32_t idn, int withFlights)
{
    Change({Edit::Delete, In(id, idn), {}, {}, {}, {}, withFlights});
}

// A flight recorded by the calculator's module (tx_flightRecord), with the
// case it was flown as: its airplane is kept first, from that case, in the
// same change, when the hangar has it not.
EXPORT void tx_hangarLogFlight(CASE_ARGS, const char *record, uint32_t length)
{
    Change({Edit::LogFlight, {}, In(record, length), {}, {}, CASE_VALUES});
}
EXPORT void tx_hangarCorrect(const char *id, uint32_t idn, const char *now, uint32_t nown, int separator,
                             FLIER_ARGS)
{
    Change({Edit::Correct, In(id, idn), {}, In(now, nown), {}, {}, separator, FLIER_FIELDS});
}
EXPORT void tx_hangarDeleteFlight(const char *id, uint32_t idn) { Change({Edit::DeleteFlight, In(id, idn)}); }

// An exchange file merged in: the change, as every edit answers; then
// tx_imported tells what it brought.
EXPORT void tx_hangarImport(const char *bytes, uint32_t length)
{
    imported = {};
    const Result<Hangar> read = ReadHangarFile(In(bytes, length));
    if (!read.ok()) {
        pending = {};
        Start();
        Text(WithFullStop(read.error));
        for (int i = 0; i < 4; ++i)
            Number(0);
        return;
    }
    EditCall call{Edit::Import};
    call.imported = &read.value;
    Change(call);
}
// What the last import brought, in the window's words (the file's name
// given).
EXPORT void tx_imported(const char *name, uint32_t length)
{
    Start();
    Text(ImportSummaryText(imported, In(name, length)));
    Number(static_cast<double>(imported.addedAirplanes.size()));
}

// The exchange file of the whole hangar (no id) or of one airplane with its
// log: the error (with its full stop, or empty), then the text.
EXPORT void tx_hangarFile(const char *id, uint32_t length)
{
    const std::string airplane = In(id, length);
    const Result<std::string> file = HangarFileText(airplane.empty() ? hangar : hangar.Extract(airplane));
    Start();
    Text(file.ok() ? std::string() : WithFullStop(file.error));
    Text(file.value);
}

// An airplane's name as an exported file's, before its extension.
EXPORT void tx_fileName(const char *name, uint32_t length)
{
    Start();
    Text(FileNameOf(In(name, length)));
}

// The flier's fields of a flight to correct: the lap time in full (in the
// fields' separator, empty when none) and the seven texts.
EXPORT void tx_flightFields(const char *id, uint32_t length, int separator)
{
    Start();
    const Flight *f = hangar.FindFlight(In(id, length));
    if (!f)
        return;
    std::string lap = std::isnan(f->lapTime) ? std::string() : FullPrecision(f->lapTime);
    for (char &c : lap)
        if (c == '.')
            c = static_cast<char>(separator);
    Text(lap);
    for (const std::string *t : {&f->engine, &f->prop, &f->fuel, &f->setting, &f->handleSpacing, &f->tipWeight, &f->notes})
        Text(*t);
}

// The log's columns: titles; numbers: whether each is numeric, then the
// columns of the lap time, the line tension and the density altitude.
EXPORT void tx_logColumns(int metric)
{
    Start();
    for (const LogColumn &c : LogColumns(UnitsOf(metric))) {
        Text(c.title);
        Number(c.numeric);
    }
    Number(LogLapTimeColumn);
    Number(LogFirstFigureColumn + FigureIndex(FigureId::LineTension));
    Number(LogFirstFigureColumn + FigureIndex(FigureId::DensityAltitude));
}
// An airplane's flights, newest first: each flight's id, then its cells'
// texts; numbers: the cells' values (NaN for a text).
EXPORT void tx_logRows(const char *id, uint32_t length, int metric, int separator)
{
    Start();
    for (const Flight *f : hangar.FlightsOf(In(id, length))) {
        Text(f->id);
        for (LogCell &cell : LogRow(*f, UnitsOf(metric), static_cast<char>(separator))) {
            Text(std::move(cell.text));
            Number(cell.value);
        }
    }
}
EXPORT void tx_logCsv(const char *id, uint32_t length, int metric)
{
    Start();
    Text(LogCsv(hangar, In(id, length), UnitsOf(metric)));
}

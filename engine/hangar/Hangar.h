// Hangar: the flier's airplanes and the trim log of their flights, with the
// checks every face applies before it keeps anything. Plain data and rules:
// the faces store and show, the core decides what is valid. Nothing here
// reads a clock or makes up an id; times and ids come from the caller, so
// that every result follows from its inputs alone.
#pragma once

#include "physics/CalcEngine.h"
#include "case/Figures.h"

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

// The nine inputs of an airplane as a data file holds them: the texts of
// the keys an, nl, ls, ll, wl, hl, wt, lt and wa (InputKeys[0 .. 8]), the
// name in UTF-8 and the numbers as DataFileText writes them. Kept as text so
// that an airplane opens exactly as its data file would.
constexpr int AirplaneInputCount = FirstConditionKey;
struct AirplaneInputs {
    std::array<std::string, AirplaneInputCount> text;
    const std::string &Name() const { return text[0]; }
    bool operator==(const AirplaneInputs &o) const { return text == o.text; }
};

// The inputs of fc as a data file written now would hold them.
AirplaneInputs InputsOfCase(const FlightCase &fc);
// base with the inputs applied as opening their data file applies them
// (FlightCaseTarget): the flying conditions stay base's.
FlightCase CaseOfInputs(const AirplaneInputs &inputs, const FlightCase &base);
// The bytes of the data file that holds these inputs, in the order and form
// DataFileText writes (the name in the file's encoding, CRLF line ends): a
// face opens an airplane by opening these bytes as it opens a data file.
std::string DataFileOfInputs(const AirplaneInputs &inputs);
// The case a data file's bytes open to, as File > Open reads them, to keep
// as an airplane, or the reason it cannot be, without its full stop. A file
// that holds none of a data file's keys is refused: it would keep the
// built-in airplane under its name.
Result<FlightCase> CaseOfDataFile(const std::string &bytes, char decimalSeparator);

struct Airplane {
    std::string id;
    AirplaneInputs inputs;
    std::string notes;    // the flier's own: engine, prop, anything
    std::string created;  // times as "2026-12-09T04:30:00Z"
    std::string changed;  // the last change: what an import compares
    const std::string &Name() const { return inputs.Name(); }
    bool operator==(const Airplane &o) const;
};

// One entry of the trim log. A number not known is NaN: a lap time not
// measured, a figure the calculation could not give.
struct Flight {
    std::string id;
    std::string airplaneId;
    std::string flown;    // when
    std::string changed;  // the last correction, or when it was logged
    AirplaneInputs inputs;                          // the airplane as flown
    std::array<float, ConditionKeyCount> conditions{};  // InputKeys[FirstConditionKey ..]
    double lapTime = NAN;                           // measured, seconds
    std::array<double, FigureCount> figures{};      // in the order of Figures
    // The flier's fields, free text.
    std::string engine, prop, fuel, setting /* needle or timer */, handleSpacing, tipWeight, notes;
    bool operator==(const Flight &o) const;
};

// A flight of fc as calculated: its inputs and conditions, and the figures
// of a solved case (all NaN when the calculation failed).
Flight FlightOfCase(const FlightCase &fc, const Result<CaseFigures> &solved);

// Limits of what a hangar holds; a file with more is refused.
constexpr std::size_t MaxAirplanes = 10000;
constexpr std::size_t MaxFlights = 1000000;
constexpr std::size_t MaxIdLength = 64;
constexpr std::size_t MaxNotesLength = 4000;  // characters
constexpr std::size_t MaxFieldLength = 200;   // a flight's short fields
constexpr std::size_t MaxNumberTextLength = 50;

// The checks: each fails with the flier's message, without its full stop.
Result<> CheckName(const std::string &name);
Result<> CheckInputs(const AirplaneInputs &inputs);
Result<> CheckTime(const std::string &time, const char *what);
Result<> CheckId(const std::string &id);
Result<> CheckAirplane(const Airplane &airplane);
Result<> CheckFlight(const Flight &flight);
// Characters of UTF-8 text (code points).
std::size_t CharacterCount(const std::string &utf8);

// What an import brought: the names of the airplanes added and updated,
// and how many flights.
struct ImportSummary {
    std::vector<std::string> addedAirplanes, updatedAirplanes;
    std::size_t addedFlights = 0, updatedFlights = 0;
    bool Changed() const
    {
        return !addedAirplanes.empty() || !updatedAirplanes.empty() || addedFlights || updatedFlights;
    }
};

// The airplanes and flights, each list in the order of their ids. Every
// operation checks first and changes nothing when it fails, with the
// reason, without its full stop.
class Hangar {
public:
    const std::vector<Airplane> &Airplanes() const { return airplanes; }
    const std::vector<Flight> &Flights() const { return flights; }
    const Airplane *FindAirplane(const std::string &id) const;
    const Flight *FindFlight(const std::string &id) const;
    // The airplanes of that name, in the order of their ids (names need not
    // be unique).
    std::vector<const Airplane *> AirplanesNamed(const std::string &name) const;

    // Keeps fc's nine inputs as a new airplane.
    Result<> AddAirplane(const std::string &id, const FlightCase &fc, const std::string &notes, const std::string &now);
    // Keeps fc's inputs and these notes over an airplane's.
    Result<> KeepAirplane(const std::string &id, const FlightCase &fc, const std::string &notes,
                          const std::string &now);
    Result<> Rename(const std::string &id, const std::string &name, const std::string &now);
    // A copy under a new id and name; its flights stay with the original.
    Result<> Duplicate(const std::string &id, const std::string &newId, const std::string &newName,
                       const std::string &now);
    // Without its flights, they stay in the log under the airplane's id
    // and its name as flown.
    Result<> DeleteAirplane(const std::string &id, bool withFlights);

    // A new entry; its airplane must be in the hangar.
    Result<> LogFlight(const Flight &flight);
    // Replaces the entry of flight.id, changed set to now; which airplane
    // it belongs to stays.
    Result<> CorrectFlight(const Flight &flight, const std::string &now);
    Result<> DeleteFlight(const std::string &id);

    // The flights of an airplane, newest first (ties in the order of ids).
    std::vector<const Flight *> FlightsOf(const std::string &airplaneId) const;
    // Every airplane's flights so, by its id (a deleted airplane's too), in
    // one pass over the log.
    std::map<std::string, std::vector<const Flight *>> FlightsByAirplane() const;
    // When it last flew, or empty.
    std::string LastFlown(const std::string &airplaneId) const;
    // The same for every airplane, in the order of Airplanes(), in one pass.
    std::vector<std::string> LastFlownOfAll() const;

    // One airplane with its log, as its own hangar (empty when unknown).
    Hangar Extract(const std::string &airplaneId) const;

    // Merges other in by id: what this hangar lacks is added, a record whose
    // copy there has a later changed time is replaced by it, nothing is
    // removed. Importing the same content again changes nothing. Fails,
    // changing nothing, when the result would exceed the limits.
    Result<ImportSummary> Import(const Hangar &other);

    // Replaces the whole content with records already checked one by one
    // (the file reader's): fails, changing nothing, on an id used twice or
    // counts over the limits.
    Result<> Assign(std::vector<Airplane> airplanes, std::vector<Flight> flights);

private:
    std::vector<Airplane> airplanes;
    std::vector<Flight> flights;
};

#include "hangar/HangarChange.h"

#include "hangar/HangarFile.h"
#include "lang/Format.h"

namespace {

// Walks two lists sorted by id, as a hangar keeps them.
template <class Record>
void Compare(const std::vector<Record> &before, const std::vector<Record> &after, std::vector<Record> &put,
             std::vector<std::string> &removed)
{
    std::size_t b = 0, a = 0;
    while (b < before.size() || a < after.size()) {
        if (a == after.size() || (b < before.size() && before[b].id < after[a].id)) {
            removed.push_back(before[b++].id);
        } else if (b == before.size() || after[a].id < before[b].id) {
            put.push_back(after[a++]);
        } else {
            if (!(before[b] == after[a]))
                put.push_back(after[a]);
            ++a;
            ++b;
        }
    }
}

}  // namespace

HangarChange Difference(const Hangar &before, const Hangar &after)
{
    HangarChange change;
    Compare(before.Airplanes(), after.Airplanes(), change.putAirplanes, change.removedAirplanes);
    Compare(before.Flights(), after.Flights(), change.putFlights, change.removedFlights);
    return change;
}

Hangar HangarOfRecords(const std::vector<std::string> &airplaneRecords,
                       const std::vector<std::string> &flightRecords, std::vector<std::string> &problems)
{
    std::vector<Airplane> airplanes;
    std::vector<Flight> flights;
    airplanes.reserve(airplaneRecords.size());
    flights.reserve(flightRecords.size());
    for (const std::string &text : airplaneRecords) {
        if (Result<Airplane> a = ReadAirplaneRecord(text); !a.ok())
            problems.push_back(lang::Format("An airplane cannot be read: %1", {a.error}));
        else
            airplanes.push_back(std::move(a.value));
    }
    for (const std::string &text : flightRecords) {
        if (Result<Flight> f = ReadFlightRecord(text); !f.ok())
            problems.push_back(lang::Format("A flight cannot be read: %1", {f.error}));
        else
            flights.push_back(std::move(f.value));
    }
    Hangar hangar;
    if (const Result<> assigned = hangar.Assign(std::move(airplanes), std::move(flights)); !assigned.ok())
        problems.push_back(lang::Format("The hangar cannot be read: %1", {assigned.error}));
    return hangar;
}

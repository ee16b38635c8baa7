// HangarChange: what one edit of a hangar changed, record by record, so that
// a store writes exactly those records in one transaction. Every edit runs
// on a copy in the core (Hangar's operations) and the store keeps the
// difference: two windows or two tabs that change different records never
// overwrite each other's, since neither writes what it did not change.
#pragma once

#include "hangar/Hangar.h"

#include <string>
#include <vector>

struct HangarChange {
    std::vector<Airplane> putAirplanes;       // added or changed
    std::vector<std::string> removedAirplanes;  // ids
    std::vector<Flight> putFlights;
    std::vector<std::string> removedFlights;
    bool Empty() const
    {
        return putAirplanes.empty() && removedAirplanes.empty() && putFlights.empty() && removedFlights.empty();
    }
};

// The records after holds that before does not, or holds otherwise, and
// the ids before holds that after does not.
HangarChange Difference(const Hangar &before, const Hangar &after);

// An edit of a hangar: the edited copy and what changed.
struct HangarEdit {
    Hangar hangar;
    HangarChange change;
};
// Runs edit (a callable taking Hangar & and giving a Result<>, as Hangar's
// operations do) on a copy of hangar: the edit, or the reason it could not
// be made.
template <class Edit>
Result<HangarEdit> EditHangar(const Hangar &hangar, Edit edit)
{
    HangarEdit edited{hangar, {}};
    if (Result<> done = edit(edited.hangar); !done.ok())
        return Refused<HangarEdit>(std::move(done.error));
    edited.change = Difference(hangar, edited.hangar);
    return edited;
}

// The whole content of a store, one record text each (AirplaneRecordText,
// FlightRecordText), read into a hangar. A record that cannot be read is
// left out and named in problems: a store that gives problems must not be
// written over, since what it could not read would be lost.
Hangar HangarOfRecords(const std::vector<std::string> &airplaneRecords,
                       const std::vector<std::string> &flightRecords, std::vector<std::string> &problems);

// What tethrix-calc's hangar commands print: the list of airplanes and the
// trim log, as text tables, JSON or the log's records.
#pragma once

#include "hangar/Hangar.h"
#include "case/Units.h"

#include <string>
#include <vector>

// The airplanes by name (then id): name, id, when last flown, how many
// flights; a text table, or a JSON array.
std::string AirplaneList(const Hangar &hangar, bool json);

// Every flight of the log, newest first (ties in the order of their ids).
std::vector<const Flight *> AllFlights(const Hangar &hangar);

// Flights as a short text table, or as a JSON array of their records as
// the hangar file holds them.
std::string LogText(const std::vector<const Flight *> &flights, DisplayUnits units);
std::string LogJson(const std::vector<const Flight *> &flights);

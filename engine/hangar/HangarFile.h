// HangarFile: the hangar exchange file, one file that carries a hangar (or
// one airplane with its log) between the window, the page and scripts.
//
// The format, for those who script it
// -----------------------------------
// A JSON text in UTF-8, without a byte-order mark:
//
//   {"format":"tethrix-hangar","version":1,
//   "airplanes":[
//   {"id":"a7f3","inputs":{"an":"Ringcruiser","nl":"2","ls":"0.015000","ll":"58.000000",
//    "wl":"25.500000","hl":"7.000000","wt":"42.000000","lt":"4.900000","wa":"512.000000"},
//    "notes":"Fox .35, 10x6","created":"2026-12-09T04:30:00Z","changed":"2026-12-09T04:30:00Z"}
//   ],
//   "flights":[
//   {"id":"f01","airplane":"a7f3","flown":"2026-12-10T15:02:00Z","changed":"2026-12-10T15:02:00Z",
//    "inputs":{...as above...},
//    "conditions":{"ArmLngth":18,"HndlAngl":0,"WndSpeed":0,"Temp":75,"Altitude":100,"Humidity":50,
//                  "PullMultiple":10,"PullLoad":0},
//    "lapTime":5.1,
//    "figures":{"LeadoutPosition":1.25,"LineTension":6.5,...,"DownwindTension":null},
//    "engine":"","prop":"","fuel":"","setting":"","handleSpacing":"","tipWeight":"","notes":""}
//   ]}
//
// - "format" and "version" come first, in that order. Every other key of
//   each object must be there, exactly once, in any order; no other key is
//   taken. Blanks between tokens are free.
// - "inputs" holds the nine keys of a data file (.TQD) with their values as
//   texts, exactly as a data file holds them: "an" is the airplane's name (at
//   most 70 characters, no control characters), "nl" a whole number, the
//   others decimal numbers such as "0.015000" or "58". An airplane opens as
//   its data file would open.
// - "conditions": the flying conditions in degrees F, feet, mph, inches,
//   degrees and pounds, as in the window. "figures": the figures calculated
//   when the flight was logged, imperial, by the keys of tethrix-calc --json;
//   null for one that could not be calculated. "lapTime" is the lap time
//   measured, seconds, or null. These numbers are written as the shortest
//   text that reads back as the same single (conditions) or double (the
//   rest) precision value, so a file reads back bit for bit.
// - Times are UTC, "YYYY-MM-DDTHH:MM:SSZ". Ids are 1 to 64 letters, digits,
//   "-" and "_", unique among the airplanes and among the flights. A flight
//   may name an airplane the file does not hold (one deleted while its log
//   was kept).
// - Airplanes and flights are written in the order of their ids, one a
//   line, so that the same content always gives the same bytes.
// - Importing merges by id: a record whose "changed" time is later than the
//   one kept replaces it; nothing is ever deleted by an import.
//
// Limits: at most 16 MiB, 10,000 airplanes and 1,000,000 flights; notes
// 4000 characters, the other texts of a flight 200. A file beyond them, or
// with anything else wrong, is refused whole with the reason.
//
// Versions: this program writes and reads version 1. A file of a later
// version is refused with a message naming its version, rather than read in
// part: a later version may give known keys a new meaning, and a hangar
// imported in part and exported again would silently lose what was left
// out.
#pragma once

#include "hangar/Hangar.h"

#include <cstddef>
#include <string>

constexpr int HangarFileVersion = 1;
constexpr std::size_t MaxHangarFileBytes = std::size_t(16) << 20;

// The canonical text of the hangar: a hangar too large for one file fails,
// with why (without its full stop).
Result<std::string> HangarFileText(const Hangar &hangar);

// The hangar a file holds, or the reason it cannot be read.
Result<Hangar> ReadHangarFile(const std::string &content);

// One record alone, as a line of the file holds it: what a store keeps per
// airplane or flight, so that the window's database and the page's storage
// hold exactly what an export writes. Reading checks the record as the file
// reader does, or fails with the reason, without its full stop.
std::string AirplaneRecordText(const Airplane &airplane);
std::string FlightRecordText(const Flight &flight);
Result<Airplane> ReadAirplaneRecord(const std::string &text);
Result<Flight> ReadFlightRecord(const std::string &text);

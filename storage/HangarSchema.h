// The hangar database's schema, version by version. A new database gets
// every step in order, an older one the steps it lacks, so that the path
// from each earlier version is the one every new database takes too.
//
//   airplanes(id TEXT PRIMARY KEY, record TEXT)         AirplaneRecordText
//   flights(id TEXT PRIMARY KEY, airplane TEXT, flown TEXT, record TEXT)
//                                                       FlightRecordText
//   version 2: the index flights_by_airplane on flights(airplane, flown)
//
// PRAGMA user_version holds the version; 0 is a database not yet made.
#pragma once

constexpr int HangarSchemaVersion = 2;

// The statements that bring a database of version - 1 to version (1 up to
// HangarSchemaVersion), ended by a null pointer; user_version is set apart.
inline const char *const *HangarSchemaStep(int version)
{
    static const char *const v1[] = {
        "CREATE TABLE airplanes (id TEXT PRIMARY KEY NOT NULL, record TEXT NOT NULL)",
        "CREATE TABLE flights (id TEXT PRIMARY KEY NOT NULL, airplane TEXT NOT NULL, flown TEXT NOT NULL,"
        " record TEXT NOT NULL)",
        nullptr};
    static const char *const v2[] = {"CREATE INDEX flights_by_airplane ON flights (airplane, flown)", nullptr};
    switch (version) {
    case 1: return v1;
    case 2: return v2;
    default: return nullptr;
    }
}

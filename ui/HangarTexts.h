// The hangar dialogs' texts and readings that are the window's own: times
// in the flier's time zone, the summary of an import, the name proposed
// for an export, and a data file read for the hangar.
#pragma once

#include "lang/Format.h"
#include "hangar/Hangar.h"

#include <QString>

#include <string>

// "1 flight", "3 flights": a count with its noun (lang::Flights …), in
// the form the number takes in the window's language.
QString Count(std::size_t n, const lang::Noun &noun);

// A kept UTC time ("2026-12-09T15:02:00Z") as shown: in local time
// "2026-12-09 16:02", or in UTC "2026-12-09 15:02 UTC"; empty stays empty,
// a text that is no time is shown as it is.
QString ShownTime(const std::string &utc, bool local);

// What an import did: "Added 2 airplanes (Nobler, Shark) and 3 flights;
// updated 1 flight." or that nothing changed.
QString ImportSummaryText(const ImportSummary &summary, const QString &fileName);

// "<name>.tethrix-hangar.json", with what a file name cannot hold replaced.
QString ExportFileName(const QString &airplaneName);

// A data file's bytes read as File > Open reads them, over the built-in
// airplane, into fc: the reason it cannot be kept as an airplane, or empty.
std::string ReadFileForHangar(const std::string &bytes, char decimalSeparator, FlightCase &fc);

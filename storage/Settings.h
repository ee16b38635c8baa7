// Settings: the flying conditions and the recent files that outlive a run,
// kept per user with QSettings (organization "Brelm", application "Tethrix"):
//   ArmLngth, HndlAngl, WndSpeed, Temp, Altitude, Humidity,
//   PullMultiple, PullLoad                                   conditions as text
//   Mru/MRU1 … Mru/MRU5                                      recent files, newest first
//   Units                                                    "Imperial" or "Metric" shown
//   Language                                                 the window's ("de" …); none: the system's
// Reading checks every value on its own: one bad value is reported and
// replaced, the others keep theirs. Writing goes through the safe file
// writer, so a full disk never costs the stored file.
#pragma once

#include "storage/StoredConditions.h"
#include "case/Units.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <optional>
#include <stdexcept>

// Thrown with "Failed to set data for '<name>': <reason>".
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace TethrixSettings {

constexpr int RecentCount = 5;
constexpr int ConditionCount = StoredConditionCount;
// The condition value names, in the order they are read and written.
extern const char *const *const ConditionNames;
QString RecentName(int index);  // "Mru/MRU1" for index 0
extern const char *const UnitsName;  // "Units"
extern const char *const LanguageName;  // "Language"

// The conditions as this instance read them from the user's own file or
// last stored them there, value by value: invalid where there was none.
using ConditionsBase = std::array<QVariant, ConditionCount>;

// What the store held, checked value by value.
struct Loaded {
    bool hasConditions = false;  // false on the first run: nothing stored yet
    bool refused = false;        // the file was not read: it is kept, and Write refuses it
    std::array<std::optional<float>, ConditionCount> conditions;  // empty: missing or bad
    ConditionsBase conditionsBase;  // the user's own file's values, for WriteConditions
    QStringList recentFiles;     // always RecentCount entries; a bad one is empty
    DisplayUnits units = DisplayUnits::Imperial;  // imperial when missing or bad
    bool hasUnits = false;       // whether the store named the units
    QString language;            // a language of ours; empty when none or bad: the system's
    QStringList problems;        // one short line per bad setting
};

// Reads the conditions (numbers with "." or "," as the decimal point, so
// that a store written under one locale reads under another) and the
// recent files. defaults name the value used in place of a bad one.
Loaded Load(const std::array<float, ConditionCount> &defaults);

// The language the settings name for the window, read alone (the window's
// texts are chosen before the rest is read): empty when none, or when what
// they hold is no language of ours.
QString StoredLanguage();

// Stores the texts under their names, keeping every other stored value.
// Writes nothing when the store already holds exactly these texts. Throws
// SettingsError and leaves the stored file as it was when it cannot.
void Write(const QList<QPair<QString, QString>> &values);

// Stores the conditions' texts (in ConditionNames' order) merged with what
// another instance stored since this one read base: a condition this
// instance did not change whose stored value another instance has since
// replaced by a readable number keeps that value, which is returned in its
// place (the others are returned empty). base becomes what is stored. Throws
// as Write does, and then changes nothing.
std::array<QString, ConditionCount> WriteConditions(ConditionsBase &base, const std::array<QString, ConditionCount> &texts,
                                                    const std::array<bool, ConditionCount> &changed);

// Stores the recent files, rewritten whole, with the entries another
// instance stored since this one read base (those this list lacks) kept
// after this instance's own new ones. Returns the list stored. Throws as
// Write does.
QStringList WriteRecentFiles(const QStringList &base, const QStringList &mine);

// The recent files as WriteRecentFiles merges them: mine when no other
// entry was stored since base; else mine's entries not in base, then the
// stored ones not in base, then mine's others, in RecentCount entries.
QStringList MergeRecentFiles(const QStringList &base, const QStringList &mine, const QStringList &stored);

// The per-user settings file.
QString FileName();

}  // namespace TethrixSettings

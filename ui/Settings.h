// Settings: the flying conditions and the recent files that outlive a run,
// kept per user with QSettings (organization "Brelm", application "Tethrix").
//   ArmLngth, HndlAngl, WndSpeed, Temp, Altitude, Humidity   conditions as text
//   Mru/MRU1 … Mru/MRU5                                      recent files, newest first
// A store object is opened, used and released within one operation.
#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

// Thrown with "Invalid data type for '<name>'" or "Failed to set data for '<name>'".
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace TethrixSettings {

constexpr int RecentCount = 5;
// The six condition value names, in the order they are read and written.
extern const char *const ConditionNames[6];

// True when the store holds any of the six conditions.
bool HasConditions();
// The stored text of a condition; empty when missing. Throws SettingsError
// when the stored value is not text.
QString ReadCondition(const char *name);
// Throws SettingsError when the store refuses the write.
void WriteConditions(const QStringList &names, const QStringList &texts);

// The five entries, creating them empty on the first run.
QStringList LoadRecentFiles();
void SaveRecentFiles(const QStringList &entries);

}  // namespace TethrixSettings

// StoredConditions: the flying conditions the window keeps in its settings
// file, for tethrix-calc. The window reads them with QSettings; so does this
// reader, through the settings module (libtethrix_settings), whenever a file
// holds anything QSettings might read in its own way. A plain file (only
// sections and key=value lines of letters, digits, points, signs and
// spaces: what the program itself writes) says the same to both, and is read
// here without loading Qt at all.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The files QSettings consults for organization "Brelm", application
// "Tethrix" on Linux: the user's own file first (userFile), then the
// organization's, then the same in the system folders.
std::vector<std::string> SettingsFiles(std::string &userFile);

// The other names the settings file keeps: the units shown, the window's
// language and the recent files, "Mru/MRU1" to "Mru/MRU5".
constexpr const char *StoredUnitsName = "Units";
constexpr const char *StoredLanguageName = "Language";  // "de", "pt_BR" …; none: the system's
constexpr const char *StoredRecentPrefix = "Mru/MRU";
constexpr int StoredRecentCount = 5;
// Whether name ("Temp", "Mru/MRU2", as QSettings names them) is one of the
// settings Tethrix keeps.
bool KnownSettingName(const std::string &name);

// A stored text longer than this is no condition and no path we wrote.
constexpr std::size_t MaxStoredText = 4096;

constexpr int StoredConditionCount = 8;
// The value names, in the order they are read and written: the six of the
// air and the field, then the pull test's multiple and fixed load, which
// stores written before they were kept lack without fault.
constexpr int FirstLaterCondition = 6;
extern const char *const StoredConditionNames[StoredConditionCount];

struct StoredConditions {
    bool found = false;  // any of them is stored
    std::array<std::optional<float>, StoredConditionCount> values;  // empty: missing or bad
    std::vector<std::string> problems;  // one short line per bad value
};

// How a value stands in the store.
enum class StoredKind { Missing, NotText, Text };

// One stored condition checked as the window checks it: a number with "."
// or "," as the decimal point, at most 4096 characters; otherwise empty
// with a line in problems naming the value and the default used instead.
std::optional<float> CheckStoredCondition(const std::string &name, float defaultValue, StoredKind kind,
                                          const std::string &text, std::vector<std::string> &problems);

// The conditions the window would start with. defaults name the value used
// in place of a bad one.
StoredConditions ReadStoredConditions(const std::array<float, StoredConditionCount> &defaults);

// The settings module's entry: the same read, through QSettings.
struct SettingsModule {
    StoredConditions (*readConditions)(const std::array<float, StoredConditionCount> &defaults);
};
extern "C" const SettingsModule *TethrixSettingsModule();

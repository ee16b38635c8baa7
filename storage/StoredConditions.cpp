#include "storage/StoredConditions.h"

#include "numbers/Convert.h"
#include "numbers/EngineError.h"
#include "case/Figures.h"
#include "storage/Modules.h"
#include "storage/SafeFile.h"
#include "lang/Format.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sys/stat.h>

// The conditions' keys in the table of inputs are their stored names.
const char *const StoredConditionNames[StoredConditionCount] = {
    InputKeys[FirstConditionKey].key,     InputKeys[FirstConditionKey + 1].key, InputKeys[FirstConditionKey + 2].key,
    InputKeys[FirstConditionKey + 3].key, InputKeys[FirstConditionKey + 4].key, InputKeys[FirstConditionKey + 5].key,
    InputKeys[FirstConditionKey + 6].key, InputKeys[FirstConditionKey + 7].key};
static_assert(StoredConditionCount == ConditionKeyCount, "every flying condition is stored");

namespace {

constexpr size_t ShownTextLength = 40;

std::string Shown(const std::string &text)
{
    return text.size() <= ShownTextLength ? text : text.substr(0, ShownTextLength) + "...";
}

bool Exists(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string Env(const char *name)
{
    const char *v = std::getenv(name);
    return v != nullptr ? v : "";
}

}  // namespace

std::vector<std::string> SettingsFiles(std::string &userFile)
{
    std::string home = Env("XDG_CONFIG_HOME");
    if (home.empty() || home[0] != '/')
        home = Env("HOME") + "/.config";
    userFile = home + "/Brelm/Tethrix.conf";
    std::vector<std::string> files = {userFile, home + "/Brelm.conf"};
    std::string dirs = Env("XDG_CONFIG_DIRS");
    dirs = (dirs.empty() ? "" : dirs + ":") + "/etc/xdg";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t colon = std::min(dirs.find(':', start), dirs.size());
        const std::string dir = dirs.substr(start, colon - start);
        if (!dir.empty()) {
            files.push_back(dir + "/Brelm/Tethrix.conf");
            files.push_back(dir + "/Brelm.conf");
        }
        start = colon + 1;
    }
    return files;
}

namespace {

bool Plain(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '+' ||
           c == '-' || c == ' ' || c == '_' || c == '/';
}

std::string Trimmed(const std::string &s)
{
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return std::string();
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// The values of a plain file, named as QSettings names them ("Temp" in
// [General], "Mru/MRU1"), or false when the file holds anything that is not
// plain.
bool ReadPlainFile(const std::string &content, std::map<std::string, std::string> &values)
{
    std::string section = "General";
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        const std::string line = Trimmed(content.substr(start, end - start));
        start = end + 1;
        if (line.empty())
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return false;
            section = line.substr(1, line.size() - 2);
            for (char c : section)
                if (!Plain(c) || c == ' ')
                    return false;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            return false;
        const std::string key = Trimmed(line.substr(0, eq));
        const std::string value = Trimmed(line.substr(eq + 1));
        if (key.empty())
            return false;
        for (char c : key)
            if (!Plain(c) || c == ' ' || c == '/')
                return false;
        for (char c : value)
            if (!Plain(c))
                return false;
        if (!values.emplace(section == "General" ? key : section + "/" + key, value).second)
            return false;  // a key given twice: QSettings decides
    }
    return true;
}

StoredConditions Interpret(const std::map<std::string, std::string> &values,
                           const std::array<float, StoredConditionCount> &defaults)
{
    StoredConditions c;
    for (const char *name : StoredConditionNames)
        c.found = c.found || values.count(name) != 0;
    for (int i = 0; c.found && i < StoredConditionCount; ++i) {
        const auto it = values.find(StoredConditionNames[i]);
        c.values[i] = CheckStoredCondition(StoredConditionNames[i], defaults[i],
                                           it == values.end() ? StoredKind::Missing : StoredKind::Text,
                                           it == values.end() ? std::string() : it->second, c.problems);
    }
    return c;
}

}  // namespace

bool KnownSettingName(const std::string &name)
{
    if (name == StoredUnitsName || name == StoredLanguageName)
        return true;
    for (const char *condition : StoredConditionNames)
        if (name == condition)
            return true;
    const std::string prefix = StoredRecentPrefix;
    for (int i = 1; i <= StoredRecentCount; ++i)
        if (name == prefix + std::to_string(i))
            return true;
    return false;
}

std::optional<float> CheckStoredCondition(const std::string &name, float defaultValue, StoredKind kind,
                                          const std::string &text, std::vector<std::string> &problems)
{
    const std::string instead = lang::Format("the default %1 is used", {FormatNumber(defaultValue, 4)});
    switch (kind) {
    case StoredKind::Missing:
        for (int i = FirstLaterCondition; i < StoredConditionCount; ++i)
            if (name == StoredConditionNames[i])
                return std::nullopt;  // stored since: the default, without a word
        problems.push_back(lang::Format("The stored '%1' is missing: %2", {name, instead}));
        return std::nullopt;
    case StoredKind::NotText:
        problems.push_back(lang::Format("Invalid data type for '%1': %2", {name, instead}));
        return std::nullopt;
    case StoredKind::Text:
        break;
    }
    if (text.size() > MaxStoredText) {
        problems.push_back(lang::Format("The stored '%1' is longer than %2 characters: %3",
                                        {name, std::to_string(MaxStoredText), instead}));
        return std::nullopt;
    }
    for (char sep : {'.', ','})
        if (const std::optional<float> value = ParseNumber(text, sep))
            return value;
    problems.push_back(
        lang::Format("'%1' is not a valid floating point value for '%2': %3", {Shown(text), name, instead}));
    return std::nullopt;
}

StoredConditions ReadStoredConditions(const std::array<float, StoredConditionCount> &defaults)
{
    std::string userFile;
    const std::vector<std::string> files = SettingsFiles(userFile);
    bool others = false, user = false;
    for (const std::string &f : files) {
        if (!Exists(f))
            continue;
        (f == userFile ? user : others) = true;
    }
    if (!user && !others)
        return StoredConditions();  // nothing stored yet: the defaults
    if (user && !others) {
        std::string content;
        std::map<std::string, std::string> values;
        // A file of names Tethrix does not know is refused by the window's
        // reading, which says what it holds.
        if (ReadSmallFile(userFile, MaxDataFileBytes, content).empty() && ReadPlainFile(content, values) &&
            (values.empty() || std::any_of(values.begin(), values.end(),
                                           [](const auto &v) { return KnownSettingName(v.first); })))
            return Interpret(values, defaults);
    }
    // Anything else is read the way the window reads it.
    std::string problem;
    const SettingsModule *module = LoadModule<SettingsModule>("settings", "TethrixSettingsModule", problem);
    if (module == nullptr) {
        StoredConditions c;
        c.problems.push_back(lang::Format("The stored settings cannot be read (%1): the defaults are used", {problem}));
        return c;
    }
    return module->readConditions(defaults);
}

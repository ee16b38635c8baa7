// The settings module (libtethrix_settings): the stored conditions read by
// QSettings, for tethrix-calc when a settings file is more than plain.
#include "storage/Settings.h"
#include "storage/StoredConditions.h"

namespace {

StoredConditions ReadConditions(const std::array<float, StoredConditionCount> &defaults)
{
    const TethrixSettings::Loaded loaded = TethrixSettings::Load(defaults);
    StoredConditions c;
    c.found = loaded.hasConditions;
    c.values = loaded.conditions;
    for (const QString &p : loaded.problems)
        c.problems.push_back(p.toStdString());
    return c;
}

const SettingsModule Module = {&ReadConditions};

}  // namespace

const SettingsModule *TethrixSettingsModule() { return &Module; }

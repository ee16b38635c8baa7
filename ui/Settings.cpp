#include "Settings.h"

#include <QSettings>

namespace TethrixSettings {

const char *const ConditionNames[6] = {"ArmLngth", "HndlAngl", "WndSpeed", "Temp", "Altitude", "Humidity"};

namespace {

// The per-user store: the machine-wide one is not writable by an ordinary
// user on Linux, though QSettings still falls back to it for reading, so an
// administrator can preset the conditions there.
QSettings Store() { return QSettings(QSettings::UserScope, "Brelm", "Tethrix"); }

QString Read(QSettings &store, const QString &name)
{
    const QVariant v = store.value(name);
    if (!v.isValid())
        return QString();
    if (v.typeId() != QMetaType::QString)
        throw SettingsError(QStringLiteral("Invalid data type for '%1'").arg(name).toStdString());
    return v.toString();
}

void Write(QSettings &store, const QStringList &names, const QStringList &texts)
{
    if (!store.isWritable())
        throw SettingsError(QStringLiteral("Failed to set data for '%1'").arg(names.value(0)).toStdString());
    for (int i = 0; i < names.size(); ++i)
        store.setValue(names[i], texts.value(i));
    // The store is written as a whole: a refusal names the first value.
    store.sync();
    if (store.status() != QSettings::NoError)
        throw SettingsError(QStringLiteral("Failed to set data for '%1'").arg(names.value(0)).toStdString());
}

QStringList RecentNames()
{
    QStringList names;
    for (int i = 1; i <= RecentCount; ++i)
        names << QStringLiteral("MRU%1").arg(i);
    return names;
}

}  // namespace

bool HasConditions()
{
    QSettings store = Store();
    for (const char *name : ConditionNames)
        if (store.contains(name))
            return true;
    return false;
}

QString ReadCondition(const char *name)
{
    QSettings store = Store();
    return Read(store, name);
}

void WriteConditions(const QStringList &names, const QStringList &texts)
{
    QSettings store = Store();
    Write(store, names, texts);
}

QStringList LoadRecentFiles()
{
    QSettings store = Store();
    store.beginGroup("Mru");
    const QStringList names = RecentNames();
    if (store.childKeys().isEmpty())
        Write(store, names, QStringList(names.size(), QString()));
    QStringList entries;
    for (const QString &name : names)
        entries << Read(store, name);
    return entries;
}

void SaveRecentFiles(const QStringList &entries)
{
    QSettings store = Store();
    store.beginGroup("Mru");
    Write(store, RecentNames(), entries);
}

}  // namespace TethrixSettings

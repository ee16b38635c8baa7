// libFuzzer target: the stored settings, whatever the settings file holds,
// are read value by value into conditions, recent files and short messages.
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool pointed = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path() + "/system");
        QDir().mkpath(dir.path() + "/Brelm");
        return true;
    }();
    (void)pointed;
    // The first byte chooses the file: the user's own, the organization's
    // fallback, or the system's two; the rest is its content.
    static const char *const files[] = {"/Brelm/Tethrix.conf", "/Brelm.conf", "/system/Brelm/Tethrix.conf",
                                        "/system/Brelm.conf"};
    const std::size_t which = size > 0 ? data[0] % 4 : 0;
    for (const char *name : files)
        QFile::remove(dir.path() + name);
    {
        const QString path = dir.path() + files[which];
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        if (size > 0)
            f.write(reinterpret_cast<const char *>(data + 1), static_cast<qint64>(size - 1));
    }
    const TethrixSettings::Loaded loaded = TethrixSettings::Load({18, 0, 0, 75, 100, 50});
    if (loaded.recentFiles.size() != TethrixSettings::RecentCount)
        __builtin_trap();
    for (const QString &entry : loaded.recentFiles)
        if (static_cast<std::size_t>(entry.size()) > MaxStoredText)
            __builtin_trap();
    for (const QString &problem : loaded.problems)  // a line each, naming at most two files
        if (problem.size() > 500)
            __builtin_trap();
    for (const auto &c : loaded.conditions)
        if (c && !std::isfinite(*c))
            __builtin_trap();
    // The writer (slow: it syncs to disk) on one input in eight: a refused
    // file is kept as it was; a written one reads back.
    if (size == 0 || (data[0] >> 2) % 8 != 0)
        return 0;
    try {
        TethrixSettings::Write({{"Temp", "70"}, {"Mru/MRU1", "/planes/a.TQD"}});
    } catch (const SettingsError &) {
        return 0;
    }
    const TethrixSettings::Loaded again = TethrixSettings::Load({18, 0, 0, 75, 100, 50});
    if (again.refused || again.recentFiles.value(0) != "/planes/a.TQD" || again.conditions[3].value_or(0) != 70)
        __builtin_trap();
    return 0;
}

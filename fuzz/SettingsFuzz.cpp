// libFuzzer target: the stored settings, whatever the settings file holds,
// are read value by value into conditions, recent files and short messages.
#include "Settings.h"

#include <QDir>
#include <QFile>
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
    {
        QFile f(dir.path() + "/Brelm/Tethrix.conf");
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    const TethrixSettings::Loaded loaded = TethrixSettings::Load({18, 0, 0, 75, 100, 50});
    if (loaded.recentFiles.size() != TethrixSettings::RecentCount)
        __builtin_trap();
    for (const QString &entry : loaded.recentFiles)
        if (static_cast<std::size_t>(entry.size()) > MaxStoredText)
            __builtin_trap();
    for (const QString &problem : loaded.problems)
        if (problem.size() > 300)
            __builtin_trap();
    for (const auto &c : loaded.conditions)
        if (c && !std::isfinite(*c))
            __builtin_trap();
    return 0;
}

// libFuzzer target: the stored settings, whatever the settings file holds,
// are read value by value into conditions, recent files and short messages.
//
// Each run is kept cheap, so that a short run covers many thousand inputs:
// the files live in memory (in /dev/shm, where there is one), a run writes
// only the file it chose and removes only what an earlier run left, and the
// writer, which locks, syncs and reads back, runs on one input in 64.
#include "storage/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// The user's own file, the organization's fallback, or the system's two.
const char *const Files[] = {"/Brelm/Tethrix.conf", "/Brelm.conf", "/system/Brelm/Tethrix.conf",
                             "/system/Brelm.conf"};
constexpr unsigned UserFile = 1;  // bit 0 of the files an earlier run left

const QString &Folder()
{
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/tethrix-settings-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/tethrix-settings-fuzz-XXXXXX"));
    static const QString path = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path() + "/system");
        QDir().mkpath(dir.path() + "/Brelm");
        QDir().mkpath(dir.path() + "/system/Brelm");
        return dir.path();
    }();
    return path;
}

TethrixSettings::Loaded Load() { return TethrixSettings::Load({18, 0, 0, 75, 100, 50}); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static unsigned left = 0;  // the files earlier runs left, a bit each
    const QString &dir = Folder();
    // The first byte chooses the file; the rest is its content.
    const unsigned which = size > 0 ? data[0] % 4 : 0;
    for (unsigned f = 0; f < 4; ++f)
        if (f != which && (left & (1u << f)) != 0)
            QFile::remove(dir + Files[f]);
    left = 1u << which;
    {
        QFile f(dir + Files[which]);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        if (size > 0)
            f.write(reinterpret_cast<const char *>(data + 1), static_cast<qint64>(size - 1));
    }
    const TethrixSettings::Loaded loaded = Load();
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
    // The writer on one input in 64, chosen by a hash of the whole input:
    // a byte that chose it would soon be the same in most inputs, the
    // fuzzer keeping those for the new paths they reach. A refused file is
    // kept as it was; a written one reads back.
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a, so that a seed keeps its choice
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211u;
    if (size == 0 || hash % 64 != 0)
        return 0;
    left |= UserFile;
    try {
        TethrixSettings::Write({{"Temp", "70"}, {"Mru/MRU1", "/planes/a.TQD"}});
    } catch (const SettingsError &) {
        return 0;
    }
    const TethrixSettings::Loaded again = Load();
    if (again.refused || again.recentFiles.value(0) != "/planes/a.TQD" || again.conditions[3].value_or(0) != 70)
        __builtin_trap();
    return 0;
}

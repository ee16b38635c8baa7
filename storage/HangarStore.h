// HangarStore: the window's hangar, kept in SQLite through Qt SQL in the
// user's data folder. The core (Hangar, HangarChange) decides what is valid
// and what an edit changed; the store keeps each airplane and flight as its
// record text (AirplaneRecordText, FlightRecordText), writes one transaction
// per change, and reads again what another window committed. A database it
// cannot trust (damaged, or from a newer Tethrix) is kept as it is and never
// written.
#pragma once

#include "hangar/HangarChange.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class HangarStore {
public:
    enum class Access {
        Writable,
        ReadOnly,     // read, but not to be written: problem() says why
        Unavailable,  // nothing could be read: problem() says why
    };

    // hangar.sqlite in QStandardPaths::AppDataLocation.
    static QString DefaultPath();

    // Opens the database at path, creating it (and its folder) on the first
    // change. Never fails outright: a store that cannot be used says why.
    explicit HangarStore(const QString &path = DefaultPath());
    ~HangarStore();
    HangarStore(const HangarStore &) = delete;
    HangarStore &operator=(const HangarStore &) = delete;

    Access access() const;
    const QString &path() const;
    // Why the hangar is read-only or unavailable, a sentence for the flier;
    // empty when writable.
    QString problem() const;
    // The content as last read or written.
    const Hangar &hangar() const;
    // False when some records could not be read: hangar() holds the others
    // (and access() is not Writable).
    bool complete() const;

    // Reads again when another window or process has committed since; true
    // when the content changed.
    bool refresh();

    // Runs edit (one of Hangar's operations, returning its reason or empty)
    // on the newest content under the database's write lock, and commits
    // what it changed in one transaction. Returns the reason it failed, a
    // sentence for the flier, or empty; on failure nothing is kept.
    QString edit(const std::function<Result<>(Hangar &)> &edit, HangarChange *applied = nullptr);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

#include "storage/HangarStore.h"

#include "hangar/HangarFile.h"
#include "storage/HangarSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// No record of a hangar comes near this (notes are at most 4000
// characters); a longer one is not taken.
constexpr qsizetype MaxRecordBytes = 1 << 20;
constexpr int BusyTimeoutMs = 5000;

QString Shown(const QString &path) { return QDir::toNativeSeparators(path); }

QString Reason(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

// The core's sentence as a clause inside one of ours.
QString Clause(const std::string &sentence)
{
    QString text = QString::fromStdString(sentence);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)).toLower(); }

// The closest folder of path that exists, and whether it can be written.
QString WritableFolderProblem(const QString &folder)
{
    QString at = folder;
    while (!at.isEmpty() && !QFileInfo::exists(at)) {
        const QString parent = QFileInfo(at).path();
        if (parent == at)
            break;
        at = parent;
    }
    if (::access(QFile::encodeName(at).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("%1 (%2)").arg(SystemReason(errno), Shown(at));
    return {};
}

// The system's error behind SQLite's last failure on connection, from the
// SQLite that Qt's driver loaded (this code links none of its own), or 0.
int SystemErrorOf(void *connection)
{
    using Call = int (*)(void *);
    static const Call call = [] {
        void *library = dlopen("libsqlite3.so.0", RTLD_LAZY | RTLD_NOLOAD);
        return library != nullptr ? reinterpret_cast<Call>(dlsym(library, "sqlite3_system_errno")) : nullptr;
    }();
    return call != nullptr && connection != nullptr ? call(connection) : 0;
}

QString NewConnectionName()
{
    static std::atomic<unsigned long> count{0};
    return QStringLiteral("tethrix-hangar-%1").arg(++count);
}

}  // namespace

struct HangarStore::Private {
    QString path, connection = NewConnectionName();
    QSqlDatabase db;  // invalid until there is a file to open
    Access access = Access::Writable;
    QString problem;
    Hangar hangar;
    qlonglong dataVersion = -1;  // what PRAGMA data_version gave at the last read
    int schema = 0;
    bool complete = true;
    bool journalSet = false;  // write-ahead, asked once per connection
    bool haveFile = false;  // the file as opened, to notice one put in its place
    dev_t device = 0;
    ino_t inode = 0;

    QString Folder() const { return QFileInfo(path).path(); }

    void Close()
    {
        if (db.isValid()) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
        }
    }

    // immutable: read the file alone, when no journal beside it can be made
    // or shared (a folder that cannot be written).
    QString Connect(bool readOnly, bool immutable = false)
    {
        Close();
        journalSet = false;
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        if (!db.isValid()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            return QStringLiteral("Qt's SQLite driver is not installed (libqt6sql6-sqlite)");
        }
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        if (immutable) {
            QUrl url = QUrl::fromLocalFile(path);
            url.setQuery(QStringLiteral("immutable=1"));
            db.setDatabaseName(url.toString(QUrl::FullyEncoded));
            options += QStringLiteral(";QSQLITE_OPEN_URI");
        } else {
            db.setDatabaseName(path);
        }
        db.setConnectOptions(options);
        if (!db.open()) {
            const QString why = Reason(db.lastError());
            Close();
            return why;
        }
        // Room for a large hangar's pages, so that reading it after the
        // integrity check does not read the file again.
        Run(QStringLiteral("PRAGMA cache_size = -32768"));
        return {};
    }

    // SQLite's reason, and for a failed read or write the system's (a
    // quota, a file-size limit: SQLite says only "disk I/O error").
    QString Why(const QSqlError &error) const
    {
        QString text = Reason(error);
        const int code = error.nativeErrorCode().toInt() & 0xFF;
        if (code != 10 && code != 13 && code != 14)  // SQLITE_IOERR, SQLITE_FULL, SQLITE_CANTOPEN
            return text;
        const QVariant handle = db.isValid() ? db.driver()->handle() : QVariant();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return text;
        if (const int system = SystemErrorOf(*static_cast<void *const *>(handle.constData())); system != 0)
            text = QStringLiteral("%1: %2").arg(text, SystemReason(system));
        return text;
    }

    // Runs sql; its error, or empty. value: the first column of the first row.
    QString Run(const QString &sql, QVariant *value = nullptr)
    {
        QSqlQuery q(db);
        if (!q.exec(sql))
            return Why(q.lastError());
        if (value != nullptr)
            *value = q.next() ? q.value(0) : QVariant();
        return {};
    }

    void Rollback() { Run(QStringLiteral("ROLLBACK")); }

    void NoteFile()
    {
        struct stat st {};
        haveFile = ::stat(QFile::encodeName(path).constData(), &st) == 0;
        device = st.st_dev;
        inode = st.st_ino;
    }
    // Another file is at path than the one opened, or one where there was none.
    bool FileReplaced() const
    {
        struct stat st {};
        const bool there = ::stat(QFile::encodeName(path).constData(), &st) == 0;
        return there != haveFile || (there && (st.st_dev != device || st.st_ino != inode));
    }

    QString Read(Hangar &out, bool inTransaction);
    void Open();
    QString Migrate();
    QString Write(const HangarChange &change);
    void Refuse(Access how, const QString &why)
    {
        access = how;
        problem = why;
        if (how == Access::Unavailable) {
            hangar = Hangar();
            Close();
        }
    }
    QString NewerProblem() const
    {
        return QStringLiteral("The hangar %1 was written by a newer version of Tethrix (database version %2; "
                              "this one knows up to %3): it is shown read-only and kept as it is.")
            .arg(Shown(path))
            .arg(schema)
            .arg(HangarSchemaVersion);
    }
};

// Every record in id order, in one read transaction unless one is open; the
// reason, or empty. Records that cannot be read leave a problem: what was
// read is in out, but the store must not be written over.
QString HangarStore::Private::Read(Hangar &out, bool inTransaction)
{
    if (!inTransaction) {
        if (QString e = Run(QStringLiteral("BEGIN")); !e.isEmpty())
            return e;
    }
    const auto finish = [&](const QString &e) {
        if (!inTransaction)
            Run(QStringLiteral("COMMIT"));
        return e;
    };
    QVariant version, airplaneCount, flightCount;
    if (QString e = Run(QStringLiteral("PRAGMA data_version"), &version); !e.isEmpty())
        return finish(e);
    if (QString e = Run(QStringLiteral("SELECT count(*) FROM airplanes"), &airplaneCount); !e.isEmpty())
        return finish(e);
    if (QString e = Run(QStringLiteral("SELECT count(*) FROM flights"), &flightCount); !e.isEmpty())
        return finish(e);
    if (airplaneCount.toULongLong() > MaxAirplanes || flightCount.toULongLong() > MaxFlights)
        return finish(QStringLiteral("it holds more airplanes or flights than a hangar may"));

    std::vector<std::string> airplaneIds, airplaneRecords, flightIds, flightAirplanes, flightTimes, flightRecords;
    airplaneRecords.reserve(airplaneCount.toULongLong());
    flightRecords.reserve(flightCount.toULongLong());
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // Texts fetched as their bytes, as kept: no round trip through UTF-16.
    const auto record = [&](int column, std::vector<std::string> &into) {
        const QByteArray bytes = q.value(column).toByteArray();
        if (bytes.size() > MaxRecordBytes)
            return false;
        into.emplace_back(bytes.constData(), std::size_t(bytes.size()));
        return true;
    };
    if (!q.exec(QStringLiteral("SELECT CAST(id AS BLOB), CAST(record AS BLOB) FROM airplanes ORDER BY id")))
        return finish(Reason(q.lastError()));
    while (q.next())
        if (!record(0, airplaneIds) || !record(1, airplaneRecords))
            return finish(QStringLiteral("a record is too long"));
    if (!q.exec(QStringLiteral("SELECT CAST(id AS BLOB), CAST(airplane AS BLOB), CAST(flown AS BLOB), "
                                   "CAST(record AS BLOB) FROM flights ORDER BY id")))
        return finish(Reason(q.lastError()));
    while (q.next())
        if (!record(0, flightIds) || !record(1, flightAirplanes) || !record(2, flightTimes) ||
            !record(3, flightRecords))
            return finish(QStringLiteral("a record is too long"));
    if (q.lastError().isValid())
        return finish(Reason(q.lastError()));
    q.finish();
    dataVersion = version.toLongLong();

    std::vector<std::string> problems;
    out = HangarOfRecords(airplaneRecords, flightRecords, problems);
    complete = problems.empty();
    if (!problems.empty())
        return finish(Clause(problems.front()));
    // Each record kept under its own id, the columns saying what it holds:
    // a row edited by hand to say otherwise would be written twice.
    bool consistent = out.Airplanes().size() == airplaneIds.size() && out.Flights().size() == flightIds.size();
    for (std::size_t i = 0; consistent && i < airplaneIds.size(); ++i)
        consistent = out.Airplanes()[i].id == airplaneIds[i];
    for (std::size_t i = 0; consistent && i < flightIds.size(); ++i) {
        const Flight &f = out.Flights()[i];
        consistent = f.id == flightIds[i] && f.airplaneId == flightAirplanes[i] && f.flown == flightTimes[i];
    }
    if (!consistent)
        return finish(QStringLiteral("a record is kept under another id than its own"));
    return finish({});
}

// Reads the file at path as it is now, writing nothing.
void HangarStore::Private::Open()
{
    Close();
    hangar = Hangar();
    access = Access::Writable;
    problem.clear();
    complete = true;
    dataVersion = -1;
    schema = 0;
    NoteFile();
    if (path.isEmpty())
        return Refuse(Access::Unavailable, QStringLiteral("The hangar cannot be kept: this system names no folder "
                                                          "for the user's data."));
    const QByteArray file = QFile::encodeName(path);
    struct stat st {};
    if (::stat(file.constData(), &st) != 0) {
        if (errno != ENOENT)
            return Refuse(Access::Unavailable, QStringLiteral("The hangar %1 cannot be read (%2): Tethrix works "
                                                              "without a hangar.")
                                                   .arg(Shown(path), SystemReason(errno)));
        // Nothing kept yet: the file comes with the first change.
        if (QString why = WritableFolderProblem(Folder()); !why.isEmpty())
            Refuse(Access::ReadOnly, QStringLiteral("The hangar cannot be kept in %1 (%2): airplanes and flights "
                                                    "will not be kept.")
                                         .arg(Shown(Folder()), why));
        return;
    }
    const auto unavailable = [&](const QString &why) {
        Refuse(Access::Unavailable, QStringLiteral("The hangar %1 cannot be read (%2): it is kept as it is, and "
                                                   "Tethrix works without a hangar.")
                                        .arg(Shown(path), why));
    };
    if (!S_ISREG(st.st_mode))
        return unavailable(QStringLiteral("it is not a file"));
    QString notWritable;
    if (::access(file.constData(), W_OK) != 0)
        notWritable = SystemReason(errno);
    else if (QString why = WritableFolderProblem(Folder()); !why.isEmpty())
        notWritable = why;
    if (QString e = Connect(!notWritable.isEmpty()); !e.isEmpty())
        return unavailable(e);

    QVariant value;
    QString e = Run(QStringLiteral("PRAGMA user_version"), &value);
    if (!e.isEmpty() && !notWritable.isEmpty() && !QFileInfo::exists(path + QStringLiteral("-wal"))) {
        // A write-ahead database in a folder that cannot be written: with
        // no journal beside it, the file alone holds everything.
        if (Connect(true, true).isEmpty())
            e = Run(QStringLiteral("PRAGMA user_version"), &value);
    }
    if (!e.isEmpty())
        return unavailable(e);
    schema = value.toInt();
    if (schema > HangarSchemaVersion) {
        // Perhaps readable as it is: a later version may only have added.
        if (Read(hangar, false).isEmpty())
            return Refuse(Access::ReadOnly, NewerProblem());
        return unavailable(QStringLiteral("it was written by a newer version of Tethrix"));
    }
    if (QString e = Run(QStringLiteral("PRAGMA integrity_check"), &value); !e.isEmpty())
        return unavailable(QStringLiteral("it is damaged: ") + e);
    if (value.toString() != QLatin1String("ok"))
        return unavailable(QStringLiteral("it is damaged: ") + value.toString().simplified());
    if (schema == 0) {
        if (QString e = Run(QStringLiteral("SELECT count(*) FROM sqlite_master"), &value); !e.isEmpty())
            return unavailable(e);
        if (value.toInt() != 0)
            return unavailable(QStringLiteral("it is not a Tethrix hangar"));
    } else if (QString e = Read(hangar, false); !e.isEmpty()) {
        if (dataVersion < 0)  // not read at all
            return unavailable(e);
        complete = false;
        return Refuse(Access::ReadOnly, QStringLiteral("The hangar %1 holds what this version of Tethrix cannot "
                                                       "read (%2): it is shown read-only and kept as it is.")
                                            .arg(Shown(path), e));
    }
    if (!notWritable.isEmpty())
        Refuse(Access::ReadOnly, QStringLiteral("The hangar %1 cannot be written (%2): it is shown read-only.")
                                     .arg(Shown(path), notWritable));
}

// Brings the database to the current schema in a transaction of its own,
// an existing one after a backup copy beside it; the reason, or empty.
QString HangarStore::Private::Migrate()
{
    if (schema > 0) {
        // hangar.sqlite.before-v2, or the first of hangar.sqlite.before-v2.1, .2 ... not taken.
        const QString base = QStringLiteral("%1.before-v%2").arg(path).arg(HangarSchemaVersion);
        QString backup = base;
        for (int n = 1; QFileInfo::exists(backup) && n < 1000; ++n)
            backup = QStringLiteral("%1.%2").arg(base).arg(n);
        QSqlQuery q(db);
        q.prepare(QStringLiteral("VACUUM INTO ?"));
        q.addBindValue(backup);
        if (!q.exec()) {
            QFile::remove(backup);  // what a full disk left of it
            return QStringLiteral("The hangar %1 was not brought up to date for this version of Tethrix, so "
                                  "the change was not kept: its backup copy %2 could not be made (%3).")
                .arg(Shown(path), Shown(backup), Why(q.lastError()));
        }
    }
    const auto failed = [&](const QString &e) {
        Rollback();
        return QStringLiteral("The change was not kept: the hangar %1 could not be written (%2).")
            .arg(Shown(path), e);
    };
    if (QString e = Run(QStringLiteral("BEGIN IMMEDIATE")); !e.isEmpty())
        return failed(e);
    QVariant value;
    if (QString e = Run(QStringLiteral("PRAGMA user_version"), &value); !e.isEmpty())
        return failed(e);
    schema = value.toInt();  // perhaps brought up to date by another window meanwhile
    if (schema > HangarSchemaVersion) {
        Rollback();
        Refuse(Access::ReadOnly, NewerProblem());
        return problem;
    }
    if (schema == 0) {
        if (QString e = Run(QStringLiteral("SELECT count(*) FROM sqlite_master"), &value); !e.isEmpty())
            return failed(e);
        if (value.toInt() != 0) {
            Rollback();
            Refuse(Access::Unavailable, QStringLiteral("The hangar %1 cannot be read (it is not a Tethrix "
                                                       "hangar): it is kept as it is, and Tethrix works "
                                                       "without a hangar.")
                                            .arg(Shown(path)));
            return problem;
        }
    }
    for (int version = schema + 1; version <= HangarSchemaVersion; ++version)
        for (const char *const *sql = HangarSchemaStep(version); *sql != nullptr; ++sql)
            if (QString e = Run(QString::fromUtf8(*sql)); !e.isEmpty())
                return failed(e);
    if (QString e = Run(QStringLiteral("PRAGMA user_version = %1").arg(HangarSchemaVersion)); !e.isEmpty())
        return failed(e);
    if (QString e = Run(QStringLiteral("COMMIT")); !e.isEmpty())
        return failed(e);
    schema = HangarSchemaVersion;
    return {};
}

// The rows of change, inside the open transaction; SQLite's reason, or empty.
QString HangarStore::Private::Write(const HangarChange &change)
{
    const auto text = [](const std::string &s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
    // Each statement prepared once, run for every row of its kind.
    const auto rows = [&](const QString &sql, std::size_t count, const auto &bind) {
        if (count == 0)
            return QString();
        QSqlQuery q(db);
        if (!q.prepare(sql))
            return Why(q.lastError());
        for (std::size_t i = 0; i < count; ++i) {
            bind(q, i);
            if (!q.exec())
                return Why(q.lastError());
        }
        return QString();
    };
    QString e = rows(QStringLiteral("DELETE FROM airplanes WHERE id = ?"), change.removedAirplanes.size(),
                     [&](QSqlQuery &q, std::size_t i) { q.bindValue(0, text(change.removedAirplanes[i])); });
    if (e.isEmpty())
        e = rows(QStringLiteral("DELETE FROM flights WHERE id = ?"), change.removedFlights.size(),
                 [&](QSqlQuery &q, std::size_t i) { q.bindValue(0, text(change.removedFlights[i])); });
    if (e.isEmpty())
        e = rows(QStringLiteral("INSERT OR REPLACE INTO airplanes (id, record) VALUES (?, ?)"),
                 change.putAirplanes.size(), [&](QSqlQuery &q, std::size_t i) {
                     const Airplane &a = change.putAirplanes[i];
                     q.bindValue(0, text(a.id));
                     q.bindValue(1, text(AirplaneRecordText(a)));
                 });
    if (e.isEmpty())
        e = rows(QStringLiteral("INSERT OR REPLACE INTO flights (id, airplane, flown, record) VALUES (?, ?, ?, ?)"),
                 change.putFlights.size(), [&](QSqlQuery &q, std::size_t i) {
                     const Flight &f = change.putFlights[i];
                     q.bindValue(0, text(f.id));
                     q.bindValue(1, text(f.airplaneId));
                     q.bindValue(2, text(f.flown));
                     q.bindValue(3, text(FlightRecordText(f)));
                 });
    return e;
}

QString HangarStore::DefaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/hangar.sqlite");  // none: no hangar
}

HangarStore::HangarStore(const QString &path) : d(new Private)
{
    d->path = path;
    d->Open();
}

HangarStore::~HangarStore() { d->Close(); }

HangarStore::Access HangarStore::access() const { return d->access; }
const QString &HangarStore::path() const { return d->path; }
QString HangarStore::problem() const { return d->problem; }
const Hangar &HangarStore::hangar() const { return d->hangar; }
bool HangarStore::complete() const { return d->complete; }

bool HangarStore::refresh()
{
    const auto changed = [](const Hangar &before, const Hangar &after) { return !Difference(before, after).Empty(); };
    if (d->FileReplaced()) {
        const Hangar before = d->hangar;
        d->Open();
        return changed(before, d->hangar);
    }
    if (!d->db.isOpen() || d->dataVersion < 0)
        return false;
    QVariant version;
    if (!d->Run(QStringLiteral("PRAGMA data_version"), &version).isEmpty() || version.toLongLong() == d->dataVersion)
        return false;
    Hangar newest;
    if (QString e = d->Read(newest, false); !e.isEmpty()) {
        // What another program wrote this one cannot read: kept, not written.
        d->hangar = std::move(newest);
        d->Refuse(HangarStore::Access::ReadOnly,
                  QStringLiteral("The hangar %1 holds what this version of Tethrix cannot read (%2): it is "
                                 "shown read-only and kept as it is.")
                      .arg(Shown(d->path), e));
        return false;
    }
    const bool result = changed(d->hangar, newest);
    d->hangar = std::move(newest);
    return result;
}

QString HangarStore::edit(const std::function<Result<>(Hangar &)> &edit, HangarChange *applied)
{
    if (applied != nullptr)
        *applied = HangarChange();
    if (d->FileReplaced())
        d->Open();  // one another window made, or one put in place of the one read
    if (d->access != Access::Writable)
        return d->problem;
    const auto failed = [&](const QString &e) {
        d->Rollback();
        return QStringLiteral("The change was not kept: the hangar %1 could not be written (%2).")
            .arg(Shown(d->path), e);
    };
    if (!d->db.isOpen()) {
        if (!QDir().mkpath(d->Folder()))
            return QStringLiteral("The change was not kept: the folder %1 could not be made (%2).")
                .arg(Shown(d->Folder()), WritableFolderProblem(d->Folder()));
        if (QString e = d->Connect(false); !e.isEmpty())
            return QStringLiteral("The change was not kept: the hangar %1 could not be written (%2).")
                .arg(Shown(d->path), e);
    }
    if (!d->journalSet) {
        // Kept in the file; a database another tool switched back is
        // switched again.
        d->Run(QStringLiteral("PRAGMA journal_mode=WAL"));
        d->journalSet = true;
    }
    if (d->schema < HangarSchemaVersion) {
        const QString e = d->Migrate();
        d->NoteFile();
        if (!e.isEmpty())
            return e;
    }
    if (QString e = d->Run(QStringLiteral("BEGIN IMMEDIATE")); !e.isEmpty())
        return failed(e);
    QVariant value;
    if (QString e = d->Run(QStringLiteral("PRAGMA user_version"), &value); !e.isEmpty())
        return failed(e);
    if (value.toInt() > HangarSchemaVersion) {
        // A newer Tethrix brought it up to its own schema since.
        d->Rollback();
        d->schema = value.toInt();
        d->Refuse(Access::ReadOnly, d->NewerProblem());
        return d->problem;
    }
    if (QString e = d->Run(QStringLiteral("PRAGMA data_version"), &value); !e.isEmpty())
        return failed(e);
    if (value.toLongLong() != d->dataVersion) {
        // Another window committed since: the edit runs on what it kept.
        Hangar newest;
        if (QString e = d->Read(newest, true); !e.isEmpty()) {
            d->Rollback();
            d->Refuse(Access::ReadOnly, QStringLiteral("The hangar %1 holds what this version of Tethrix cannot "
                                                       "read (%2): it is shown read-only and kept as it is.")
                                            .arg(Shown(d->path), e));
            return d->problem;
        }
        d->hangar = std::move(newest);
    }
    Result<HangarEdit> result = EditHangar(d->hangar, [&](Hangar &h) { return edit(h); });
    if (!result.ok()) {
        d->Rollback();
        return QString::fromStdString(result.error) + QLatin1Char('.');
    }
    if (QString e = d->Write(result.value.change); !e.isEmpty())
        return failed(e);
    if (QString e = d->Run(QStringLiteral("COMMIT")); !e.isEmpty())
        return failed(e);
    d->hangar = std::move(result.value.hangar);
    if (applied != nullptr)
        *applied = std::move(result.value.change);
    return {};
}

// The window's hangar in SQLite: what is committed survives crashes, full
// disks and a second window; a database it cannot trust is never written.
#include "hangar/HangarFile.h"
#include "storage/HangarModule.h"
#include "storage/HangarSchema.h"
#include "storage/HangarStore.h"
#include "storage/Modules.h"

#include "tests/FullDisk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cmath>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char *const T0 = "2026-12-09T04:30:00Z";
const char *const T1 = "2026-12-10T15:02:00Z";

FlightCase Named(const std::string &name)
{
    FlightCase fc = DefaultFlightCase();
    fc.AcName = name;
    return fc;
}

Flight FlightOf(const std::string &id, const std::string &airplane, const std::string &flown)
{
    CaseFigures figures;
    for (int i = 0; i < FigureCount; ++i)
        figures.values[i] = 1.0 / (i + 3) * std::pow(10.0, i - 6);  // every bit counts
    figures.values[FigureCount - 1] = NAN;
    Flight f = FlightOfCase(Named("Ringcruiser"), Result<CaseFigures>{figures});
    f.id = id;
    f.airplaneId = airplane;
    f.flown = f.changed = flown;
    f.lapTime = 5.1;
    f.conditions[3] = 97.3f;
    f.engine = "Fox .35";
    f.prop = "10x6";
    f.fuel = "25% nitro";
    f.setting = "3 turns";
    f.handleSpacing = "4 in";
    f.tipWeight = "1/2 oz";
    f.notes = "gusty\nwent wide in the wind";
    return f;
}

using Edit = std::function<Result<>(Hangar &)>;
Edit Add(const std::string &id, const std::string &notes = "")
{
    return [=](Hangar &h) { return h.AddAirplane(id, Named("Plane " + id), notes, T0); };
}

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}
void Put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Statements run on the file directly, as another program would; what the
// last one gives first.
QString Sql(const QString &path, const QStringList &statements)
{
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        for (const QString &s : statements) {
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(s)) << s.toStdString();
            value = q.next() ? q.value(0).toString() : QString();
        }
    }
    QSqlDatabase::removeDatabase("raw");
    return value;
}
QString Quoted(const std::string &s) { return "'" + QString::fromStdString(s).replace("'", "''") + "'"; }

// Runs body as an ordinary user in a child, root being free to write
// anything; its exit status: 0 when all went as expected.
int AsUser(const std::function<int()> &body)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(90);
        _exit(body());
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + status;
}

class HangarStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + "/data/Tethrix";
    QString file = folder + "/hangar.sqlite";
    void SetUp() override { chmod(QFile::encodeName(dir.path()).constData(), 0777); }
    // A hangar of three airplanes (one with long notes, to fill pages) and
    // a flight.
    void Fill(const QString &path)
    {
        HangarStore store(path);
        ASSERT_EQ(store.edit(Add("a1", std::string(3000, 'n'))), "");
        ASSERT_EQ(store.edit(Add("b2")), "");
        ASSERT_EQ(store.edit(Add("c3", "Стрела ✈️")), "");
        ASSERT_EQ(store.edit([](Hangar &h) { return h.LogFlight(FlightOf("f1", "a1", T1)); }), "");
    }
};

TEST_F(HangarStoreTest, keeps_every_field_and_creates_the_file_with_the_first_change)
{
    HangarStore store(file);
    EXPECT_EQ(store.access(), HangarStore::Access::Writable);
    EXPECT_TRUE(store.hangar().Airplanes().empty());
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/data")) << "opening made the folder";

    const Edit edits[] = {
        Add("b2", "ST .60\t12x6"),
        [](Hangar &h) {
            FlightCase odd = Named("שחף \"quoted\\\" 日本語");
            odd.Weight = 41.123456f;
            odd.LineDiameter = 0.0000012f;
            return h.AddAirplane("a1", odd, "", T0);
        },
        [](Hangar &h) { return h.LogFlight(FlightOf("f2", "a1", T1)); },
        [](Hangar &h) {
            Flight f = FlightOf("f1", "b2", T0);
            f.lapTime = NAN;
            f.figures.fill(NAN);
            f.conditions[0] = -0.0f;
            return h.LogFlight(f);
        },
        [](Hangar &h) { return h.Rename("b2", "Renamed", T1); },
        [](Hangar &h) { return h.DeleteFlight("f2"); },
    };
    Hangar expected;
    for (const Edit &e : edits) {
        HangarChange applied;
        ASSERT_EQ(store.edit(e, &applied), "");
        const HangarEdit direct = EditHangar(expected, e).value;
        expected = direct.hangar;
        EXPECT_EQ(applied.putAirplanes.size(), direct.change.putAirplanes.size());
        EXPECT_EQ(applied.removedFlights, direct.change.removedFlights);
        EXPECT_EQ(HangarFileText(HangarStore(file).hangar()).value, HangarFileText(expected).value);
    }
    EXPECT_TRUE(QFileInfo::exists(file));
    // A refused edit keeps nothing and says why, as a sentence.
    EXPECT_EQ(store.edit([](Hangar &h) { return h.Rename("zz", "x", T1); }).right(1), ".");
    HangarStore again(file);
    EXPECT_EQ(again.access(), HangarStore::Access::Writable);
    EXPECT_EQ(HangarFileText(again.hangar()).value, HangarFileText(expected).value);
    EXPECT_EQ(again.hangar().Flights().size(), 1u);
    EXPECT_TRUE(std::isnan(again.hangar().Flights()[0].lapTime));
}

TEST_F(HangarStoreTest, two_windows_see_each_other_and_lose_nothing)
{
    HangarStore one(file), two(file);
    ASSERT_EQ(one.edit(Add("a1")), "");
    EXPECT_TRUE(two.refresh());  // the file another window made
    EXPECT_EQ(two.hangar().Airplanes().size(), 1u);
    EXPECT_FALSE(two.refresh());
    // Each edits what it has not seen the other change: both are kept.
    ASSERT_EQ(one.edit(Add("b2")), "");
    ASSERT_EQ(two.edit(Add("c3")), "");
    ASSERT_EQ(one.edit([](Hangar &h) { return h.Rename("a1", "One's", T1); }), "");
    ASSERT_EQ(two.edit([](Hangar &h) { return h.DeleteAirplane("b2", false); }), "");
    EXPECT_TRUE(one.refresh());
    for (const HangarStore *s : {&one, &two}) {
        ASSERT_EQ(s->hangar().Airplanes().size(), 2u);
        EXPECT_EQ(s->hangar().Airplanes()[0].Name(), "One's");
        EXPECT_EQ(s->hangar().Airplanes()[1].id, "c3");
    }

    // Two processes adding at once, each without reading the other first.
    const pid_t child = fork();
    if (child == 0) {
        HangarStore mine(file);
        for (int i = 0; i < 40; ++i)
            if (!mine.edit(Add("child" + std::to_string(i))).isEmpty())
                _exit(1);
        _exit(0);
    }
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(one.edit(Add("parent" + std::to_string(i))), "");
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    one.refresh();
    EXPECT_EQ(one.hangar().Airplanes().size(), 82u);
    EXPECT_EQ(HangarStore(file).hangar().Airplanes().size(), 82u);

    // A newer Tethrix that brought the database up to its schema meanwhile.
    Sql(file, {"PRAGMA user_version = 3"});
    EXPECT_TRUE(two.edit(Add("late")).contains("newer version of Tethrix"));
    EXPECT_EQ(two.access(), HangarStore::Access::ReadOnly);
    EXPECT_EQ(HangarStore(file).hangar().FindAirplane("late"), nullptr);
}

TEST_F(HangarStoreTest, a_killed_writer_loses_nothing_committed)
{
    int pipe_[2];
    ASSERT_EQ(pipe(pipe_), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_[0]);
        HangarStore store(file);
        // Large changes, so that the kill falls inside one.
        for (int i = 0;; ++i) {
            const std::string id = "p" + std::to_string(1000 + i);
            const QString e = store.edit([&](Hangar &h) {
                Result<> r = h.AddAirplane(id, Named(id), std::string(4000, 'x'), T0);
                for (int k = 0; r.ok() && k < 100; ++k)
                    r = h.LogFlight(FlightOf(id + "-" + std::to_string(k), id, T1));
                return r;
            });
            if (!e.isEmpty())
                _exit(1);
            const char c = 'c';
            if (write(pipe_[1], &c, 1) != 1)
                _exit(2);
        }
    }
    close(pipe_[1]);
    int committed = 0;
    char c;
    while (committed < 12 && read(pipe_[0], &c, 1) == 1)
        ++committed;
    usleep(3000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    while (read(pipe_[0], &c, 1) == 1)
        ++committed;
    close(pipe_[0]);
    ASSERT_GE(committed, 12);

    HangarStore after(file);
    ASSERT_EQ(after.access(), HangarStore::Access::Writable) << after.problem().toStdString();
    const std::size_t kept = after.hangar().Airplanes().size();
    EXPECT_TRUE(kept == std::size_t(committed) || kept == std::size_t(committed) + 1) << kept << " " << committed;
    EXPECT_EQ(after.hangar().Flights().size(), kept * 100);
    EXPECT_EQ(after.edit(Add("z")), "");  // no lock left behind
}

TEST_F(HangarStoreTest, a_full_disk_keeps_what_was_there)
{
    // Before the file exists, and with one in place.
    for (const bool existing : {false, true}) {
        SCOPED_TRACE(existing);
        QDir(folder).removeRecursively();
        if (existing)
            Fill(file);
        const QByteArray before = Bytes(file);
        HangarStore store(file);
        const std::string content = HangarFileText(store.hangar()).value;
        {
            FullDisk full;
            const QString e = store.edit(Add("new", std::string(4000, 'x')));
            EXPECT_TRUE(e.startsWith("The change was not kept: the hangar " + file + " could not be written ("))
                << e.toStdString();
            EXPECT_TRUE(e.endsWith(": file too large).")) << e.toStdString();
        }
        EXPECT_EQ(HangarFileText(store.hangar()).value, content);
        EXPECT_EQ(HangarFileText(HangarStore(file).hangar()).value, content);
        if (existing) {
            EXPECT_EQ(Bytes(file), before);
        }
        // Room again: the next change is kept.
        EXPECT_EQ(store.edit(Add("new")), "");
        EXPECT_NE(HangarStore(file).hangar().FindAirplane("new"), nullptr);
    }
}

TEST_F(HangarStoreTest, a_database_it_cannot_trust_is_kept_byte_for_byte)
{
    using Damage = std::function<void(const QString &)>;
    const auto overwrite = [](qint64 at, int count) {
        return [=](const QString &path) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            f.seek(at);
            f.write(QByteArray(count, '\xA5'));
        };
    };
    struct Case {
        const char *what;
        Damage damage;
        HangarStore::Access access;
        const char *reason;
    };
    const Case cases[] = {
        {"a text file", [](const QString &p) { Put(p, "airplanes: Ringcruiser\n"); }, HangarStore::Access::Unavailable,
         "file is not a database"},
        {"its header overwritten", overwrite(0, 16), HangarStore::Access::Unavailable, "not a database"},
        {"a page overwritten", overwrite(4096, 100), HangarStore::Access::Unavailable, "damaged"},
        {"a record the core cannot read",
         [](const QString &p) { Sql(p, {"UPDATE airplanes SET record = '{\"id\":\"b2\"' WHERE id = 'b2'"}); },
         HangarStore::Access::ReadOnly, "cannot read"},
        {"a record under another id", [](const QString &p) { Sql(p, {"UPDATE airplanes SET id = 'x' WHERE id = 'b2'"}); },
         HangarStore::Access::ReadOnly, "another id"},
        {"a newer version", [](const QString &p) { Sql(p, {"PRAGMA user_version = 3"}); }, HangarStore::Access::ReadOnly,
         "newer version of Tethrix (database version 3; this one knows up to 2)"},
        {"another program's database", [](const QString &p) { Put(p, ""); Sql(p, {"CREATE TABLE x (y)"}); },
         HangarStore::Access::Unavailable, "not a Tethrix hangar"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QDir(folder).removeRecursively();
        Fill(file);
        c.damage(file);
        const QByteArray before = Bytes(file);
        {
            HangarStore store(file);
            EXPECT_EQ(store.access(), c.access);
            EXPECT_TRUE(store.problem().contains(file)) << store.problem().toStdString();
            EXPECT_TRUE(store.problem().contains(c.reason)) << store.problem().toStdString();
            EXPECT_EQ(store.edit(Add("new")), store.problem());
            EXPECT_FALSE(store.refresh());
            if (c.access == HangarStore::Access::ReadOnly) {
                EXPECT_NE(store.hangar().FindAirplane("a1"), nullptr);
            } else {
                EXPECT_TRUE(store.hangar().Airplanes().empty());
            }
        }
        EXPECT_EQ(Bytes(file), before);
    }
}

TEST_F(HangarStoreTest, an_older_schema_is_brought_up_to_date_after_a_backup)
{
    Hangar sample;
    ASSERT_EQ(sample.AddAirplane("a1", Named("Old one"), "", T0).error, "");
    ASSERT_EQ(sample.LogFlight(FlightOf("f1", "a1", T1)).error, "");
    for (const bool backupNameTaken : {false, true}) {
        SCOPED_TRACE(backupNameTaken);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        QStringList v1;
        for (const char *const *s = HangarSchemaStep(1); *s != nullptr; ++s)
            v1 << *s;
        v1 << "PRAGMA user_version = 1"
           << "INSERT INTO airplanes VALUES ('a1', " + Quoted(AirplaneRecordText(sample.Airplanes()[0])) + ")"
           << "INSERT INTO flights VALUES ('f1', 'a1', " + Quoted(T1) + ", " +
                  Quoted(FlightRecordText(sample.Flights()[0])) + ")";
        Sql(file, v1);
        const QString backup = file + ".before-v2" + (backupNameTaken ? ".1" : "");
        if (backupNameTaken)
            Put(file + ".before-v2", "an earlier copy");
        const QByteArray old = Bytes(file);

        HangarStore store(file);
        ASSERT_EQ(store.access(), HangarStore::Access::Writable) << store.problem().toStdString();
        EXPECT_EQ(HangarFileText(store.hangar()).value, HangarFileText(sample).value);
        EXPECT_EQ(Bytes(file), old) << "opening wrote";
        EXPECT_FALSE(QFileInfo::exists(backup));

        ASSERT_EQ(store.edit(Add("b2")), "");
        ASSERT_TRUE(QFileInfo::exists(backup));
        // The version, the airplanes and the new index, before and after.
        const QString check = "SELECT (SELECT user_version FROM pragma_user_version) || ' ' || count(*) || ' ' ||"
                              " (SELECT count(*) FROM sqlite_master WHERE name = 'flights_by_airplane') FROM airplanes";
        EXPECT_EQ(Sql(backup, {check}) + ", " + Sql(file, {check}), "1 1 0, 2 2 1");
        EXPECT_EQ(HangarStore(file).hangar().Airplanes().size(), 2u);
    }
}

TEST_F(HangarStoreTest, what_cannot_be_written_is_read_only)
{
    Fill(file);
    struct Case {
        const char *what;
        mode_t fileMode, folderMode;
        bool removeFile;
    };
    const Case cases[] = {
        {"a write-protected file", 0444, 0777, false},
        {"a write-protected folder", 0644, 0555, false},
        {"a write-protected folder, no file yet", 0644, 0555, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.removeFile)
            QFile::remove(file);
        chmod(QFile::encodeName(folder).constData(), 0755);
        chmod(QFile::encodeName(dir.path() + "/data").constData(), 0755);
        chmod(QFile::encodeName(file).constData(), c.fileMode);
        chmod(QFile::encodeName(folder).constData(), c.folderMode);
        const QByteArray before = Bytes(file);
        const int status = AsUser([&] {
            HangarStore store(file);
            if (store.access() == HangarStore::Access::Writable || !store.problem().contains("(permission denied"))
                return 1;
            if (store.edit(Add("new")) != store.problem())
                return 2;
            if (!c.removeFile && store.access() == HangarStore::Access::ReadOnly && !store.hangar().FindAirplane("a1"))
                return 3;
            return 0;
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(Bytes(file), before);
        chmod(QFile::encodeName(folder).constData(), 0755);
    }
}

// tethrix-calc's way to the window's hangar, without an application object.
TEST_F(HangarStoreTest, the_module_reads_and_edits_the_windows_hangar)
{
    setenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + "/xdg").constData(), 1);
    const std::string expected = (dir.path() + "/xdg/Brelm/Tethrix/hangar.sqlite").toStdString();
    std::string error, where;
    const HangarModule *module = LoadModule<HangarModule>("hangar", "TethrixHangarModule", error);
    ASSERT_NE(module, nullptr) << error;
    Hangar read;
    EXPECT_EQ(module->read(read, where), "");
    EXPECT_EQ(where, expected);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/xdg"));
    HangarChange applied;
    EXPECT_EQ(module->edit(Add("a1"), applied, where), "");
    ASSERT_EQ(applied.putAirplanes.size(), 1u);
    EXPECT_EQ(module->edit([](Hangar &h) { return h.Rename("zz", "x", T1); }, applied, where),
              "The airplane is no longer in the hangar");
    EXPECT_TRUE(applied.Empty());
    EXPECT_EQ(module->read(read, where), "");
    EXPECT_EQ(HangarFileText(read).value, HangarFileText(HangarStore(QString::fromStdString(expected)).hangar()).value);
    Put(QString::fromStdString(expected), "not a hangar");
    const std::string why = module->read(read, where);
    EXPECT_NE(why.find(expected + " cannot be read (file is not a database)"), std::string::npos) << why;
    EXPECT_NE(why.back(), '.');
    unsetenv("XDG_DATA_HOME");
}

}  // namespace

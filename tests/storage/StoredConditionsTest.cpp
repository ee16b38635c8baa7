// tethrix-calc's reading of the stored conditions says what the window's
// QSettings reading says, for plain files read without Qt and for every
// file that needs QSettings' own reading.
#include "storage/Settings.h"
#include "storage/StoredConditions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::array<float, StoredConditionCount> Defaults = {18, 0, 0, 75, 100, 50, 10};

class StoredConditionsTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    void SetUp() override
    {
        setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
        setenv("XDG_CONFIG_DIRS", (home.path() + "/system").toLocal8Bit().constData(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, home.path() + "/system");
        QDir().mkpath(home.path() + "/Brelm");
    }
    void Store(const QByteArray &content)
    {
        QFile f(home.path() + "/Brelm/Tethrix.conf");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
};

TEST_F(StoredConditionsTest, reads_what_the_window_reads)
{
    const QByteArray files[] = {
        "[General]\nArmLngth=20\nHndlAngl=0\nWndSpeed=5\nTemp=90\nAltitude=1.2E4\nHumidity=80\n[Mru]\nMRU1=/a/b.TQD\n",
        "[General]\r\nArmLngth = 20 \r\nTemp=-3.5\r\nAltitude=\r\nHumidity=hot\r\n",  // missing, empty, bad
        "[Mru]\nMRU1=\n\n[General]\nTemp=70\nArmLngth=1e39\n",
        "[General]\nTemp=\"18,5\"\nArmLngth=18\n",                      // quoted: QSettings decides
        "[General]\nTemp=70, 80\nArmLngth=18\n",                        // a list, not text
        "; comment\n[General]\nTemp=70\n",
        "\xEF\xBB\xBF[General]\nTemp=71\n",
        "[General]\nTemp=70\nTemp=71\n",
        "[General]\nOther=1\n",                                          // nothing of ours: refused
        "[General]\nArmLngth=20\n[Other]\nTemp=90\n",                     // another section's Temp is not ours
        "",                                                               // nothing at all: the first run
        "[General]\nArmLngth=20\nPullMultiple=8\n",
        "[General]\nArmLngth=20\nPullMultiple=many\n",
    };
    for (const QByteArray &file : files) {
        Store(file);
        const TethrixSettings::Loaded window = TethrixSettings::Load(Defaults);
        const StoredConditions calc = ReadStoredConditions(Defaults);
        EXPECT_EQ(calc.found, window.hasConditions) << file.constData();
        EXPECT_EQ(calc.values, window.conditions) << file.constData();
        std::vector<std::string> windowProblems;
        for (const QString &p : window.problems)
            windowProblems.push_back(p.toStdString());
        EXPECT_EQ(calc.problems, windowProblems) << file.constData();
    }
    // A file that exists but holds nothing Tethrix keeps is refused, kept,
    // and said, as Qt's reader sees it: unknown names, text in UTF-16.
    const QString utf16 = "[General]\nTemp=70\n";
    const std::pair<QByteArray, const char *> unusable[] = {
        {"[General]\nOther=1\n", "it holds no setting Tethrix keeps, only 'Other'"},
        {"; my notes\n", "it holds no settings, only other text"},
        {"\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2),
         "it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text"},
    };
    for (const auto &[file, found] : unusable) {
        Store(file);
        const TethrixSettings::Loaded loaded = TethrixSettings::Load(Defaults);
        EXPECT_TRUE(loaded.refused) << file.constData();
        ASSERT_EQ(loaded.problems.size(), 1);
        EXPECT_TRUE(loaded.problems[0].contains(found)) << loaded.problems[0].toStdString();
        EXPECT_THROW(TethrixSettings::Write({{"Temp", "70"}}), SettingsError);
        QFile kept(home.path() + "/Brelm/Tethrix.conf");
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), file);
        EXPECT_EQ(ReadStoredConditions(Defaults).problems.size(), 1u);
    }

    // A store from before the pull test was kept lacks its multiple without
    // fault; one it holds is read like the others.
    Store(files[0]);
    EXPECT_TRUE(ReadStoredConditions(Defaults).problems.empty());
    EXPECT_FALSE(ReadStoredConditions(Defaults).values[6]);
    Store("[General]\nArmLngth=20\nPullMultiple=8\n");
    EXPECT_EQ(ReadStoredConditions(Defaults).values[6], 8.0f);
}

TEST_F(StoredConditionsTest, no_file_is_the_defaults_and_an_administrators_file_counts)
{
    EXPECT_FALSE(ReadStoredConditions(Defaults).found);
    QDir().mkpath(home.path() + "/system/Brelm");
    QFile f(home.path() + "/system/Brelm/Tethrix.conf");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nTemp=60\n");
    f.close();
    StoredConditions c = ReadStoredConditions(Defaults);
    EXPECT_TRUE(c.found);
    EXPECT_EQ(c.values[3], 60.0f);
    // Beside the user's own plain file, the administrator's fills in what
    // the user's lacks.
    Store("[General]\nArmLngth=20\n");
    c = ReadStoredConditions(Defaults);
    EXPECT_EQ(c.values[0], 20.0f);
    EXPECT_EQ(c.values[3], 60.0f);
}

// Every text Tethrix can store reads back, whatever Qt's writer escapes or
// quotes in it; what Qt's reader would take for a serialized value, however
// it is escaped, quoted or split, is refused unread.
TEST_F(StoredConditionsTest, every_stored_text_reads_back_and_no_serialized_value_is_read)
{
    QStringList specials = {"=", "\"", "\\", ";", ",", "#", " ", "[", "]", "%", "@", "@@", "ü", "€", "😀", "\x7f"};
    for (int c = 1; c < 32; ++c)
        specials << QString(QChar(c));
    for (const QString &special : specials) {
        const QStringList mine = {special + "@Variant(1)", "/p/x" + special + "=@Variant(1).TQD",
                                  "@DateTime(" + special + ")", special + " /p/a.TQD " + special, ""};
        QList<QPair<QString, QString>> values;
        for (int i = 0; i < TethrixSettings::RecentCount; ++i)
            values.append({TethrixSettings::RecentName(i), mine[i]});
        TethrixSettings::Write(values);
        const TethrixSettings::Loaded loaded = TethrixSettings::Load(Defaults);
        EXPECT_TRUE(loaded.problems.isEmpty()) << special.toStdString() << ": " << loaded.problems.join("|").toStdString();
        EXPECT_EQ(loaded.recentFiles, mine);
        EXPECT_TRUE(ReadStoredConditions(Defaults).problems.empty()) << special.toStdString();
    }
    const QByteArray serialized = "(\\0\\0\\0\\x2\\0\\0\\0\\x5)";  // an int, as Qt writes one
    const QByteArray refused[] = {
        "A=@Variant", "A = \"@Variant", "A=\\x40Variant", "A=\\100Variant", "A=\\x0040Variant", "A=\\\n@Variant",
        "A=\\\r\n@Variant", "A=\"@\"Variant", "A=\"\" @Variant", "A=b, @Variant", "A=\"b\",@Variant", "A\\=B=@Variant",
        "A=\t@Variant", "A=\\q@Variant", "A=@V\\x61riant", "A=@DateTime", "[S=1]\nA=@Variant",
    };
    for (const QByteArray &line : refused) {
        Store(line + serialized + "\n");
        const TethrixSettings::Loaded loaded = TethrixSettings::Load(Defaults);
        EXPECT_TRUE(loaded.refused) << line.constData();
    }
    for (const QByteArray &line : {QByteArray("A=\"x=@Variant"), QByteArray("A=@@Variant"), QByteArray("A=\\x56@Variant"),
                                   QByteArray("A=x\\\n@Variant"), QByteArray("A=\\t@Variant")}) {
        Store("[General]\nTemp=70\n" + line + serialized + "\"\n");
        EXPECT_FALSE(TethrixSettings::Load(Defaults).refused) << line.constData();
    }
}

}  // namespace

// Two instances writing at once keep each other's values: each write reads,
// merges and replaces the file under a lock.
TEST_F(StoredConditionsTest, two_instances_writing_at_once_keep_each_others_values)
{
    TethrixSettings::Write({{"Temp", "75"}, {"Mru/MRU2", ""}});
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        if (children[c] == 0) {
            for (int i = 1; i <= 40; ++i) {
                const QString n = QString::number(i);
                if (c == 0)
                    TethrixSettings::Write({{"Temp", n}});
                else
                    TethrixSettings::Write({{"Mru/MRU2", "/planes/" + n + ".TQD"}});
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = -1;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QSettings store(home.path() + "/Brelm/Tethrix.conf", QSettings::IniFormat);
    EXPECT_EQ(store.value("Temp").toString(), QString("40"));
    EXPECT_EQ(store.value("Mru/MRU2").toString(), QString("/planes/40.TQD"));
}

// The recent files of two instances: each keeps the files the other opened
// since it started, its own newest first.
TEST_F(StoredConditionsTest, recent_files_keep_what_another_instance_opened)
{
    const QStringList base = {"/a.TQD", "/b.TQD", "", "", ""};
    TethrixSettings::Write({{"Mru/MRU1", "/y.TQD"}, {"Mru/MRU2", "/a.TQD"}, {"Mru/MRU3", "/b.TQD"}});
    const QStringList stored = TethrixSettings::WriteRecentFiles(base, {"/x.TQD", "/a.TQD", "/b.TQD", "", ""});
    const QStringList want = {"/x.TQD", "/y.TQD", "/a.TQD", "/b.TQD", ""};
    EXPECT_EQ(stored, want);
    const QSettings store(home.path() + "/Brelm/Tethrix.conf", QSettings::IniFormat);
    for (int i = 0; i < TethrixSettings::RecentCount; ++i)
        EXPECT_EQ(store.value(TethrixSettings::RecentName(i)).toString(), want[i]);

    // Nothing stored by another: the list as it is, blanks in place; a full
    // list drops its oldest.
    EXPECT_EQ(TethrixSettings::MergeRecentFiles(base, {"/a.TQD", "", "/b.TQD", "", ""}, base),
              QStringList({"/a.TQD", "", "/b.TQD", "", ""}));
    EXPECT_EQ(TethrixSettings::MergeRecentFiles({"1", "2", "3", "4", "5"}, {"6", "1", "2", "3", "4"},
                                                {"7", "1", "2", "3", "4"}),
              QStringList({"6", "7", "1", "2", "3"}));
    // A file this instance dropped stays dropped, though the store holds it
    // still: it was there when this instance read it.
    EXPECT_EQ(TethrixSettings::MergeRecentFiles({"/a", "/b", "", "", ""}, {"/c", "/a", "", "", ""},
                                                {"/a", "/b", "", "", ""}),
              QStringList({"/c", "/a", "", "", ""}));

    // Storing what is stored already leaves the file alone.
    const QString file = home.path() + "/Brelm/Tethrix.conf";
    const auto inode = [&] {
        struct stat st {};
        stat(QFile::encodeName(file).constData(), &st);
        return st.st_ino;
    };
    const auto before = inode();
    TethrixSettings::Write({{"Mru/MRU1", want[0]}, {"Mru/MRU2", want[1]}});
    TethrixSettings::WriteRecentFiles(want, want);
    EXPECT_EQ(inode(), before);
}

// Data files, recent files, stored conditions and the conditions dialog,
// through the real window and dialog.
#include "ui/ConditionsDialog.h"
#include "ui/MainWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <sys/stat.h>

class FilesSettingsTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<QTemporaryDir> files;
    std::unique_ptr<MainWindow> w;

    QString path(const QString &name) { return files->path() + "/" + name; }
    void write(const QString &name, const QByteArray &content)
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray read(const QString &name)
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QLineEdit *field(const char *name) { return w->findChild<QLineEdit *>(name); }
    void open(const QString &name)
    {
        fx.nextOpen = path(name);
        w->Open();
    }
    void save(const QString &name)
    {
        fx.nextSave = path(name);
        w->Save();
    }
    void writeSettings(const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(fx.settingsFile()).path());
        QFile f(fx.settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QStringList shownRecent()
    {
        w->ShowRecentFiles();
        QStringList shown;
        for (int i = 1; i <= 5; ++i) {
            QAction *a = w->findChild<QAction *>(QString("MRU%1").arg(i));
            shown << (a->isVisible() ? a->text() : QString("-"));
        }
        return shown;
    }
private slots:
    void init()
    {
        w = fx.start(false);
        files = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { w.reset(); }

    // The conditions in force stand under the input panel; its button opens them;
    // the title names the file; the dialogs start where the user may write.
    void conditions_line_file_title_and_dialog_folder()
    {
        auto *line = w->findChild<QLabel *>("ConditionsLine");
        QCOMPARE(line->text(), QString("Flying conditions: Arm Length 18 inches, Handle Angle 0 deg., Wind Speed 0 "
                                       "mi/ph, Temprature 75 deg. F, Preasure Altitude 100 feet, Relative Humidity "
                                       "50 percent"));
        QTimer::singleShot(0, this, [] {
            QVERIFY(OpenConditionsDialog != nullptr);
            OpenConditionsDialog->findChild<QLineEdit *>("WindSpeed")->setText("10");
            QTest::mouseClick(OpenConditionsDialog->findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(w->findChild<QPushButton *>("ConditionsBtn"), Qt::LeftButton);
        QVERIFY(line->text().contains("Wind Speed 10 mi/ph"));
        w->findChild<QAction *>("Metric1")->trigger();
        QVERIFY(line->text().contains("Wind Speed 16.09 km/h, Temprature 23.89 °C"));

        QCOMPARE(w->windowTitle(), QString("Tethrix"));
        save("Stunter.TQD");
        QCOMPARE(w->windowTitle(), QString("Stunter.TQD - Tethrix"));
        open("Stunter.TQD");
        QCOMPARE(fx.dialogFolder, QCoreApplication::applicationDirPath());  // a build folder: writable

        QCOMPARE(DialogFolderFor("/nonexistent/bin", files->path()), files->path());
        QCOMPARE(DialogFolderFor("/nonexistent/bin", "/nonexistent/too"), QDir::homePath());
    }

    void saving_the_defaults_writes_the_nine_lines_and_renames_the_airplane()
    {
        save("Stunt2");
        QCOMPARE(read("Stunt2.TQD"), QByteArray("an=Ringcruiser\r\nnl=2\r\nls=0.015000\r\nll=58.000000\r\n"
                                               "wl=25.500000\r\nhl=7.000000\r\nwt=42.000000\r\nlt=4.900000\r\n"
                                               "wa=512.000000\r\n"));
        QCOMPARE(field("AcName")->text(), QString("Stunt2"));
        save("plane.text");
        QCOMPARE(field("AcName")->text(), QString("planet"));
        QCOMPARE(w->recentFiles().mid(0, 2), (QStringList{path("plane.text"), path("Stunt2.TQD")}));

        open("Stunt2.TQD");
        QCOMPARE(field("AcName")->text(), QString("Ringcruiser"));
    }

    void reading_applies_values_through_the_fields()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        w = std::make_unique<MainWindow>();
        write("a.TQD", "LT = 5.25\nll=58.123456\r\nwa=512.25\nnl=5\nnonsense\nzz=1\nwt=\n");
        open("a.TQD");
        QCOMPARE(field("LapTime")->text(), QString("5,25"));
        QCOMPARE(field("WfLapTime")->text(), QString("5,25"));
        QCOMPARE(w->flightCase().LapTime, 5.25f);
        QCOMPARE(field("LineLength")->text(), QString("58,12"));
        QCOMPARE(w->flightCase().LineLength, 58.12f);
        QCOMPARE(field("WingArea")->text(), QString("512,25"));
        QCOMPARE(field("NumLines")->text(), QString("3"));
        QCOMPARE(w->flightCase().Weight, 42.0f);
        QVERIFY(fx.messages.isEmpty());
        QLocale::setDefault(QLocale::c());
    }

    void a_file_never_resets_what_it_does_not_mention()
    {
        write("lt.TQD", "lt=5.25");
        write("empty.TQD", "");
        open("lt.TQD");
        QCOMPARE(w->flightCase().LapTime, 5.25f);
        QCOMPARE(w->flightCase().LineLength, 58.0f);
        open("empty.TQD");
        QCOMPARE(w->flightCase().LapTime, 5.25f);
        QVERIFY(fx.messages.isEmpty());
    }

    void long_names_and_junk_are_read_safely()
    {
        const QString name70(70, 'N');
        write("long.TQD", "an=" + name70.toLatin1() + "\r\n");
        open("long.TQD");
        QCOMPARE(field("AcName")->text(), name70);
        QCOMPARE(QString::fromStdString(w->flightCase().AcName), name70);

        QByteArray junk((1 << 20) - 64, 'x');
        junk[100] = '\0';
        junk[200] = '=';
        write("junk.TQD", "an=Junk\n" + junk + "\nlt=6");
        open("junk.TQD");
        QCOMPARE(w->flightCase().LapTime, 6.0f);
        QCOMPARE(field("AcName")->text(), QString("Junk"));
        write("huge.TQD", "wt=1e300\n");
        open("huge.TQD");
        QCOMPARE(w->flightCase().Weight, 42.0f);
    }

    void what_is_not_a_data_file_is_refused_with_the_reason_and_not_listed()
    {
        QDir().mkdir(path("folder.TQD"));
        mkfifo(QFile::encodeName(path("fifo.TQD")).constData(), 0644);  // opening must not wait for a writer
        write("big.TQD", QByteArray((1 << 20) + 1, '\n') + "lt=6\n");
        const QString before = w->findChild<QLabel *>("TensionLabel")->text();
        const QPair<QString, QString> refused[] = {
            {path("missing.TQD"), "No such file or directory"},
            {path("folder.TQD"), "it is a folder, not a file"},
            {path("fifo.TQD"), "it is a pipe, not a regular file"},
            {"/dev/zero", "it is a device, not a regular file"},
            {path("big.TQD"), "it is larger than 1 MiB, far too large for a Tethrix data file"},
        };
        for (const auto &[file, reason] : refused) {
            fx.messages.clear();
            fx.nextOpen = file;
            w->Open();
            QCOMPARE(fx.messages.size(), 1);
            QCOMPARE(fx.messages[0].title, QString("File Not Found"));
            QCOMPARE(fx.messages[0].text, "Cannot Open File " + file + "\n" + reason);
            QCOMPARE(fx.messages[0].icon, QMessageBox::Warning);
            QVERIFY(!w->recentFiles().contains(file));
        }
        QCOMPARE(w->flightCase().LapTime, 4.9f);
        QCOMPARE(w->findChild<QLabel *>("TensionLabel")->text(), before);

        // A pipe that took the place of a listed file is refused from the
        // recent files too, without hanging the window.
        write("plane.TQD", "lt=5");
        open("plane.TQD");
        QFile::remove(path("plane.TQD"));
        mkfifo(QFile::encodeName(path("plane.TQD")).constData(), 0644);
        w->OpenRecent(0);
        QCOMPARE(fx.messages.last().text, "Cannot Open File " + path("plane.TQD") + "\nit is a pipe, not a regular file");
        QCOMPARE(w->recentFiles().first(), QString());
    }

    void a_save_on_a_full_disk_keeps_the_old_file_and_changes_nothing()
    {
        save("keep.TQD");
        const QByteArray good = read("keep.TQD");
        const QStringList recent = w->recentFiles();
        w->flightCase().Weight = 50;
        {
            FullDisk full;
            save("keep.TQD");
            save("new.TQD");
        }
        QCOMPARE(fx.messages.size(), 2);
        QCOMPARE(fx.messages[0].text, "Cannot save the file " + path("keep.TQD") + ": File too large.");
        QCOMPARE(read("keep.TQD"), good);
        QVERIFY(!QFile::exists(path("new.TQD")));
        QCOMPARE(QDir(files->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.TQD"});
        QCOMPARE(w->recentFiles(), recent);
        QCOMPARE(field("AcName")->text(), QString("keep"));
    }

    void a_failed_save_is_reported_and_changes_nothing()
    {
        save("keep.TQD");
        const QByteArray good = read("keep.TQD");
        w->flightCase().AcName = "Other";
        QDir().mkdir(path("dir.TQD"));
        save("dir.TQD");  // a folder cannot be written as a file
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages[0].text.startsWith("Cannot save the file " + path("dir.TQD")));
        QVERIFY(!w->recentFiles().contains(path("dir.TQD")));
        QCOMPARE(QString::fromStdString(w->flightCase().AcName), QString("Other"));
        save("nofolder/x.TQD");
        QCOMPARE(fx.messages.size(), 2);
        QCOMPARE(read("keep.TQD"), good);
    }

    void recent_files_keep_their_order_and_survive_a_restart()
    {
        QCOMPARE(shownRecent(), QStringList(5, "-"));
        QVERIFY(!w->findChild<QAction *>("MRUSeparator")->isVisible());
        for (const char *n : {"A.TQD", "B.TQD", "C.TQD"})
            write(n, "lt=5");
        open("A.TQD");
        open("B.TQD");
        open("C.TQD");
        open("B.TQD");
        QCOMPARE(shownRecent().mid(0, 3), (QStringList{"&1 " + path("C.TQD"), "&2 " + path("B.TQD"),
                                                      "&3 " + path("A.TQD")}));
        QVERIFY(w->findChild<QAction *>("MRUSeparator")->isVisible());
        for (const char *n : {"D.TQD", "E.TQD", "F.TQD"}) {
            write(n, "lt=5");
            open(n);
        }
        QCOMPARE(w->recentFiles().size(), 5);
        QVERIFY(!w->recentFiles().contains(path("A.TQD")));

        w->flightCase().LapTime = 9;
        w.reset();
        w = std::make_unique<MainWindow>();
        QCOMPARE(w->recentFiles().first(), path("F.TQD"));
        QCOMPARE(w->flightCase().LapTime, 4.9f);  // the main inputs start from their defaults
    }

    void a_vanished_recent_file_is_reported_and_its_entry_emptied()
    {
        for (const char *n : {"A.TQD", "B.TQD"})
            write(n, "lt=5");
        open("A.TQD");
        open("B.TQD");
        QFile::remove(path("A.TQD"));
        w->OpenRecent(1);
        QCOMPARE(fx.messages.last().text, "Cannot Open File " + path("A.TQD") + "\nNo such file or directory");
        QCOMPARE(shownRecent(), (QStringList{"&1 " + path("B.TQD"), "-", "-", "-", "-"}));
        write("C.TQD", "lt=5");
        open("C.TQD");
        QCOMPARE(w->recentFiles().mid(0, 3), (QStringList{path("C.TQD"), path("B.TQD"), QString()}));
    }

    void first_run_stores_the_default_conditions()
    {
        QSettings s;
        QCOMPARE(s.value("ArmLngth").toString(), QString("18"));
        QCOMPARE(s.value("Temp").toString(), QString("75"));
        QCOMPARE(s.value("Altitude").toString(), QString("100"));
        QCOMPARE(s.value("Mru/MRU1").toString(), QString());
        QCOMPARE(w->flightCase().Humidity, 50.0f);
    }

    // A file Tethrix cannot use is not parsed, or not taken for a first run,
    // and it is kept as it was through a start, a saving and an exit: one
    // with a serialized Qt value (which this program never writes, and which
    // makes Qt's reader allocate without limit when damaged), one in UTF-16,
    // one of names Tethrix does not keep.
    void a_settings_file_tethrix_cannot_use_is_said_and_kept()
    {
        const QString utf16 = "[General]\nTemp=70\n";
        const std::pair<QByteArray, const char *> unusable[] = {
            {"[General]\nTemp=70\n[Mru]\nMRU1=@Variant(\\0\\0\\0\\N10__cxxabiv120__si_class_type_in\x82" "7f)\n",
             "it holds a serialized value, which Tethrix never writes"},
            {"\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2), "UTF-16"},
            {"[Window]\nGeometry=1\n", "only 'Window/Geometry'"},
        };
        for (const auto &[damaged, found] : unusable) {
            w.reset();
            writeSettings(damaged);
            fx.messages.clear();
            w = std::make_unique<MainWindow>();
            QCOMPARE(fx.messages.size(), 1);
            QVERIFY2(fx.messages[0].text.contains(found), qPrintable(fx.messages[0].text));
            QVERIFY(fx.messages[0].text.contains("it is kept as it is"));
            QCOMPARE(w->flightCase().Temperature, 75.0f);
            write("A.TQD", "lt=5");
            fx.nextOpen = files->filePath("A.TQD");
            w->Open();
            w->SetUnits(DisplayUnits::Metric);
            w.reset();
            QFile f(fx.settingsFile());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), damaged);
        }
    }

    // A path that holds "@Variant(" is a text like any other: it reads back.
    void a_recent_file_named_like_a_serialized_value_reads_back()
    {
        for (const char *file : {"plane@Variant(1).TQD", "x=@Variant(1).TQD"}) {
            const QString name = files->filePath(file);
            write(file, "lt=5");
            fx.nextOpen = name;
            w->Open();
            w.reset();
            fx.messages.clear();
            w = std::make_unique<MainWindow>();
            QVERIFY(fx.messages.isEmpty());
            QCOMPARE(w->recentFiles().value(0), name);
            QCOMPARE(w->flightCase().Temperature, 75.0f);
        }
    }

    void each_bad_setting_is_reported_and_replaced_alone()
    {
        w.reset();
        write("A.TQD", "lt=5");
        writeSettings("[General]\nArmLngth=" + QByteArray(10 << 20, '7') + "\nHndlAngl=1.5\nWndSpeed=\"2,5\"\n"
                      "Temp=70, 80\nAltitude=hot\n[Mru]\nMRU1=" + path("A.TQD").toUtf8() + "\nMRU2=a, b\n"
                      "MRU3=" + QByteArray(5000, 'p') + "\nMRU4=/b.TQD\n");
        w = std::make_unique<MainWindow>();
        QCOMPARE(fx.messages.size(), 1);  // one box for all
        const QStringList lines = fx.messages[0].text.split('\n');
        QCOMPARE(lines, (QStringList{
            "The stored 'ArmLngth' is longer than 4096 characters: the default 18 is used.",
            "Invalid data type for 'Temp': the default 75 is used.",
            "'hot' is not a valid floating point value for 'Altitude': the default 100 is used.",
            "The stored 'Humidity' is missing: the default 50 is used.",
            "Invalid data type for 'Mru/MRU2': the entry is dropped.",
            "The stored 'Mru/MRU3' is longer than 4096 characters: the entry is dropped."}));
        const FlightCase &fc = w->flightCase();
        QCOMPARE(fc.ArmLength, 18.0f);
        QCOMPARE(fc.HandleAngle, 1.5f);
        QCOMPARE(fc.WindSpeed, 2.5f);  // stored under a comma locale, read under another
        QCOMPARE(fc.Temperature, 75.0f);
        QCOMPARE(w->recentFiles(), (QStringList{path("A.TQD"), "", "", "/b.TQD", ""}));

        // The good entries keep their places when the list is written back.
        open("A.TQD");
        w.reset();
        QSettings s;
        QCOMPARE(s.value("Mru/MRU1").toString(), path("A.TQD"));
        QCOMPARE(s.value("Mru/MRU2").toString(), QString());
        QCOMPARE(s.value("Mru/MRU4").toString(), QString("/b.TQD"));
        QCOMPARE(s.value("HndlAngl").toString(), QString("1.5"));
    }

    // A disk that takes only part of the first run's settings: the write is
    // reported, and no cut file is left to lose entries silently.
    void a_settings_file_cut_short_is_reported_not_saved()
    {
        for (rlim_t limit : {84, 100, 110}) {  // the whole file is 114 bytes
            w.reset();
            fx.reset();
            {
                FullDisk disk(limit);
                w = std::make_unique<MainWindow>();
            }
            QFile f(fx.settingsFile());
            QCOMPARE(fx.messages.size(), 1);
            QVERIFY2(fx.messages[0].text.startsWith("Failed to set data for 'ArmLngth'"), qPrintable(fx.messages[0].text));
            if (f.open(QIODevice::ReadOnly))
                QVERIFY2(f.readAll().contains("MRU5="), "a cut settings file was left");
        }
    }

    void stored_settings_survive_a_full_disk_and_are_not_rewritten_for_nothing()
    {
        const auto inode = [this] {
            struct stat st {};
            stat(QFile::encodeName(fx.settingsFile()).constData(), &st);
            return st.st_ino;
        };
        w.reset();  // nothing changed: the file stays the one written at the first run
        const auto first = inode();
        QFile f(fx.settingsFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        w = std::make_unique<MainWindow>();
        w.reset();
        QCOMPARE(inode(), first);

        w = std::make_unique<MainWindow>();
        write("A.TQD", "lt=5");
        open("A.TQD");
        {
            FullDisk full;
            w.reset();  // the recent files are written as the window goes
        }
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("Failed to set data for 'Mru/MRU1': File too large."));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(QDir(QFileInfo(fx.settingsFile()).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Tethrix.conf"});
    }

    // Keep as A, change the lines, Enter: each figure shows A's value and
    // the change; A also opens from a file, which is neither listed nor
    // taken into the fields; Clear A hides it all.
    void two_setups_side_by_side()
    {
        auto button = [&](const char *name) { return w->findChild<QPushButton *>(name); };
        auto beside = [&](const char *name) { return w->findChild<QLabel *>(QString(name) + "A"); };
        QVERIFY(!button("ClearA")->isEnabled());
        QTest::mouseClick(button("KeepAsA"), Qt::LeftButton);
        QCOMPARE(beside("LineDragLbl")->text(), QString("A 0.3773, no change"));
        QVERIFY(beside("LineDragLbl")->isVisibleTo(w.get()));
        field("LineDia")->setText("0.018");
        QTest::keyClick(field("LineDia"), Qt::Key_Return);
        QCOMPARE(beside("LineDragLbl")->text(), QString("A 0.3773, +0.05663"));
        QCOMPARE(w->findChild<QLabel *>("ComparedWith")->text(),
                 QString("A: Ringcruiser\nLine Diameter: A 0.015 inches, B 0.018 inches"));

        write("Heavy.TQD", "an=Heavy\r\nwt=56\r\n");
        const QStringList recent = w->recentFiles();
        fx.nextOpen = path("Heavy.TQD");
        QTest::mouseClick(button("OpenA"), Qt::LeftButton);
        QCOMPARE(w->findChild<QLabel *>("ComparedWith")->text(), QString("A: Heavy\nAirplane Weight: A 56 ounces, B 42 ounces"));
        QCOMPARE(beside("PullTestLbl")->text(), QString("A 35, -8.75"));
        QCOMPARE(field("Weight")->text(), QString("42"));
        QCOMPARE(w->recentFiles(), recent);
        QVERIFY(fx.messages.isEmpty());

        QTest::mouseClick(button("ClearA"), Qt::LeftButton);
        QVERIFY(!beside("LineDragLbl")->isVisibleTo(w.get()));
        QCOMPARE(w->findChild<QLabel *>("ComparedWith")->text(), QString());
        QVERIFY(!button("ClearA")->isEnabled());
    }

    // A pipe where Qt would read settings (the user's file or the
    // organization's fallback) would never answer: it is found before Qt
    // opens anything, said, and left alone.
    void a_pipe_as_a_settings_file_is_refused_not_waited_on()
    {
        for (const char *name : {"/Brelm/Tethrix.conf", "/Brelm.conf"}) {
            w.reset();
            fx.reset();
            const QString pipe = fx.settingsDir->path() + name;
            QFile::remove(fx.settingsFile());
            QDir().mkpath(QFileInfo(pipe).path());
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
            fx.messages.clear();
            w = std::make_unique<MainWindow>();
            QCOMPARE(fx.messages.size(), 1);
            QVERIFY2(fx.messages[0].text.contains("pipe") || fx.messages[0].text.contains("not a regular file"),
                     qPrintable(fx.messages[0].text));
            w->SetUnits(DisplayUnits::Metric);  // a write: refused, not waited on
            w.reset();
            QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
            QFile::remove(pipe);
        }
    }

    // The administrator's file is checked like the user's before Qt reads
    // it: a serialized value there is refused too, and the file kept.
    void a_serialized_value_in_the_administrators_file_is_refused()
    {
        w.reset();
        const QString system = fx.settingsDir->path() + "/system/Brelm.conf";
        QDir().mkpath(QFileInfo(system).path());
        const QByteArray damaged("[General]\nTemp=@Variant(\\0\\0\\0\\x7f\\0\\0)\n");
        QFile admin(system);
        QVERIFY(admin.open(QIODevice::WriteOnly));
        admin.write(damaged);
        admin.close();
        fx.messages.clear();
        w = std::make_unique<MainWindow>();
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages[0].text.contains("it holds a serialized value"));
        QCOMPARE(w->flightCase().Temperature, 75.0f);
        w.reset();
        QVERIFY(admin.open(QIODevice::ReadOnly));
        QCOMPARE(admin.readAll(), damaged);
    }

    // What a mutation review found untested: a text of exactly 4,096
    // characters is taken, an escaped "@@Variant(" is a text, and the
    // administrator's file fills in only what the user's own file lacks.
    void texts_at_the_limit_escaped_texts_and_the_administrators_file()
    {
        w.reset();
        writeSettings("[General]\nArmLngth=" + QByteArray(4094, '0') + "20\nHndlAngl=0\nWndSpeed=0\nAltitude=100\n"
                      "Humidity=50\n[Mru]\nMRU1=@@Variant(1).TQD\nMRU2=/" + QByteArray(4095, 'p') + "\n");
        const QString system = fx.settingsDir->path() + "/system/Brelm/Tethrix.conf";
        QDir().mkpath(QFileInfo(system).path());
        QFile admin(system);
        QVERIFY(admin.open(QIODevice::WriteOnly));
        admin.write("[General]\nTemp=80\nArmLngth=30\n");
        admin.close();
        fx.messages.clear();
        w = std::make_unique<MainWindow>();
        QCOMPARE(fx.messages.size(), 0);
        QCOMPARE(w->flightCase().ArmLength, 20.0f);    // the user's own value
        QCOMPARE(w->flightCase().Temperature, 80.0f);  // the administrator's, where the user has none
        QCOMPARE(w->recentFiles().value(0), QString("@Variant(1).TQD"));
        QCOMPARE(w->recentFiles().value(1), "/" + QString(4095, 'p'));
    }

    void a_refused_settings_write_is_reported()
    {
        w.reset();
        QFile::remove(fx.settingsFile());
        QDir().mkpath(fx.settingsFile());  // a folder where the file should be
        w = std::make_unique<MainWindow>();
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages[0].text.contains("cannot be read (it is a folder, not a file): it is kept as it is"));
        QVERIFY(QFileInfo(fx.settingsFile()).isDir());
    }
};

TETHRIX_UI_TEST_MAIN(FilesSettingsTest)
#include "FilesSettingsTest.moc"

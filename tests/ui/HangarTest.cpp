// The window's hangar and trim log, through its seams and a store in a
// fresh folder per test: what is kept, opened, logged, exported and
// imported is what the core makes of it, and a store that cannot be
// written is said, never written.
#include "ui/FlightDialog.h"
#include "ui/HangarDialog.h"
#include "ui/TrimLogDialog.h"
#include "tests/ui/UiTestSupport.h"

#include "case/DataFile.h"
#include "hangar/HangarFile.h"
#include "hangar/HangarLog.h"
#include "ui/QtFiles.h"

#include <QAction>
#include <QChartView>
#include <QDateTimeEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSortFilterProxyModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QStandardItemModel>
#include <QTimeZone>
#include <QTreeWidget>
#include <QValueAxis>
#include <QXYSeries>

#include <cmath>

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class HangarTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<MainWindow> w;
    QStringList formCut;  // what of the flight forms filled did not show whole

    HangarDialog &hd() { return *w->hangarDialog(); }
    const Hangar &kept() { return hd().store().hangar(); }
    QString path(const QString &name) const { return data->filePath(name); }
    QPushButton *button(QWidget &in, const char *name) { return in.findChild<QPushButton *>(name); }
    QStringList fieldTexts()
    {
        QStringList t;
        for (QLineEdit *e : w->findChildren<QLineEdit *>())
            if (e->window() == w.get())
                t << e->objectName() + '=' + e->text();
        for (const ShownFigure &f : w->caseEditor().Figures())
            t << QString::fromStdString(f.text);
        return t;
    }
    // The next flight forms filled with a lap time, an engine and when.
    void fillFlights(const QStringList &laps, QDateTime flown = QDateTime())
    {
        auto left = std::make_shared<QStringList>(laps);
        fx.dialog = [this, left, flown](QDialog *d) mutable {
            auto *form = qobject_cast<FlightDialog *>(d);
            if (form == nullptr || left->isEmpty())
                return int(QDialog::Rejected);
            // Shown at its size, every text whole.
            form->show();
            QCoreApplication::processEvents();
            formCut += CutTexts(*form);
            SaveShot(*form, "flight-form.png");
            form->hide();
            form->field(0)->setText(left->takeFirst());
            form->field(1)->setText("Fox .35");
            form->notesField()->setPlainText("smooth\nwind calm");
            if (flown.isValid()) {
                form->flownField()->setDateTime(flown);
                flown = flown.addDays(-10);
            }
            return int(QDialog::Accepted);
        };
    }
    void logFlights(const QStringList &laps, QDateTime flown = QDateTime())
    {
        for (const QString &lap : laps) {
            fillFlights({lap}, flown);
            w->LogFlight();
            flown = flown.isValid() ? flown.addDays(-10) : flown;
        }
    }

private slots:
    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(data->path()));
        w = fx.start();
    }
    void cleanup() { w.reset(); }

    // The hangar is one menu of its own after the others; none of them moves.
    void menu_comes_after_the_others()
    {
        QStringList menus;
        for (QAction *a : w->menuBar()->actions())
            menus << a->menu()->objectName();
        QCOMPARE(menus, QStringList({"File1", "Advanced1", "Help1", "Hangar1"}));
        QStringList items;
        for (QAction *a : w->findChild<QMenu *>("Hangar1")->actions())
            items << a->objectName() + ' ' + a->text();
        QCOMPARE(items, QStringList({"Airplanes1 &Hangar...", "LogFlight1 &Log a Flight...", "TrimLog1 &Trim Log..."}));
        w->findChild<QAction *>("Airplanes1")->trigger();
        QVERIFY(hd().isVisible());
        QCOMPARE(hd().store().path(), HangarStore::DefaultPath());
        QVERIFY(HangarStore::DefaultPath().startsWith(data->path()));
    }

    // Keeping, then opening, gives what opening the airplane's data file
    // gives; a data file opened afterwards is no hangar airplane.
    void keep_and_open_as_its_data_file()
    {
        Retype(w->findChild<QLineEdit *>("Weight"), "43.21");
        Retype(w->findChild<QLineEdit *>("LineDia"), "0.0155");
        hd().SetNotesText("Fox .35, 10x6");
        hd().KeepAsNew();
        QCOMPARE(kept().Airplanes().size(), std::size_t(1));
        const Airplane a = kept().Airplanes()[0];
        QCOMPARE(a.notes, std::string("Fox .35, 10x6"));
        QCOMPARE(a.inputs, InputsOfCase(w->flightCase()));
        QCOMPARE(w->openAirplane(), a.id);
        QCOMPARE(hd().statusText(), QString("Kept Ringcruiser as a new airplane."));
        QCOMPARE(hd().findChild<QTreeWidget *>("AirplaneList")->topLevelItem(0)->text(2), QString("0"));

        fx.nextSave = path("ring.TQD");
        w->Save();
        QCOMPARE(FileBytes(fx.nextSave), QByteArray::fromStdString(DataFileOfInputs(a.inputs)));
        w->ResetInputs();
        QVERIFY(w->openAirplane().empty());
        fx.nextOpen = fx.nextSave;
        w->Open();
        const QStringList fromFile = fieldTexts();
        QVERIFY(w->openAirplane().empty());
        w->ResetInputs();
        hd().Select(a.id);
        hd().OpenSelected();
        QCOMPARE(fieldTexts(), fromFile);
        QVERIFY(w->caseEditor().Current());
        QCOMPARE(w->openAirplane(), a.id);
        QCOMPARE(w->windowTitle(), QString("Ringcruiser - Tethrix"));
        QCOMPARE(hd().findChild<QLabel *>("OpenAirplaneLine")->text(), QString("Open in the window: Ringcruiser"));

        // Kept over: the inputs and the notes typed.
        Retype(w->findChild<QLineEdit *>("Weight"), "44");
        hd().SetNotesText("Fox .35, 11x5");
        hd().KeepOver();
        QCOMPARE(kept().Airplanes().size(), std::size_t(1));
        QCOMPARE(kept().Airplanes()[0].inputs.text[6], std::string("44.000000"));
        QCOMPARE(kept().Airplanes()[0].notes, std::string("Fox .35, 11x5"));
        // A data file opened since: nothing is kept over the airplane.
        w->Open();
        hd().KeepOver();
        QCOMPARE(kept().Airplanes()[0].inputs.text[6], std::string("44.000000"));
        QCOMPARE(hd().statusText(), QString("No airplane of the hangar is open in the window: keep the case as a new one."));
        QVERIFY(fx.messages.isEmpty());
    }

    void rename_and_duplicate()
    {
        hd().KeepAsNew();
        const std::string id = kept().Airplanes()[0].id;
        hd().Select(id);
        fx.nextText = "Nobler";
        hd().RenameSelected();
        QCOMPARE(kept().FindAirplane(id)->Name(), std::string("Nobler"));
        QCOMPARE(hd().statusText(), QString("Renamed Ringcruiser to Nobler."));
        fx.nextText = "Nobler 2";
        hd().DuplicateSelected();
        QCOMPARE(kept().Airplanes().size(), std::size_t(2));
        QCOMPARE(kept().FindAirplane(hd().selectedId())->Name(), std::string("Nobler 2"));
        // A failed edit is said with its reason, and nothing claims it kept.
        fx.nextText = " ";
        hd().RenameSelected();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("The new name was not kept."));
        QCOMPARE(fx.messages[0].informative, QString("An airplane needs a name."));
        QVERIFY(hd().statusText().isEmpty());
        QCOMPARE(kept().FindAirplane(hd().selectedId())->Name(), std::string("Nobler 2"));
    }

    // Asked first; the flights go only when the flier says so.
    void delete_asks_first_data()
    {
        QTest::addColumn<int>("flights");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("airplanesLeft");
        QTest::addColumn<int>("flightsLeft");
        QTest::addColumn<QString>("question");
        const QString plain = "Delete Ringcruiser from the hangar?";
        const QString logged = "Delete Ringcruiser from the hangar? Its 2 flights stay in the trim log unless you "
                               "delete them with it.";
        QTest::newRow("no flights") << 0 << 0 << 0 << 0 << plain;
        QTest::newRow("no flights, cancelled") << 0 << 1 << 1 << 0 << plain;
        QTest::newRow("keeping the log") << 2 << 0 << 0 << 2 << logged;
        QTest::newRow("with its flights") << 2 << 1 << 0 << 0 << logged;
        QTest::newRow("cancelled") << 2 << 2 << 1 << 2 << logged;
        QTest::newRow("box closed") << 2 << -1 << 1 << 2 << logged;
    }
    void delete_asks_first()
    {
        QFETCH(int, flights);
        QFETCH(int, answer);
        QFETCH(QString, question);
        hd().KeepAsNew();
        logFlights(QStringList(flights, "5.1"));
        hd().Select(kept().Airplanes()[0].id);
        fx.answers = {answer};
        hd().DeleteSelected();
        QCOMPARE(fx.questions, QStringList{question});
        QTEST(int(kept().Airplanes().size()), "airplanesLeft");
        QTEST(int(kept().Flights().size()), "flightsLeft");
        QCOMPARE(w->openAirplane().empty(), kept().Airplanes().empty());
    }

    // With no airplane open the case is kept first; the flight holds the
    // window's inputs, conditions and figures; a correction keeps its id.
    void log_correct_and_delete_a_flight()
    {
        w->SetCondition(KeyOf(Input::Temperature), 95);
        fillFlights({"5.1"});
        w->findChild<QAction *>("LogFlight1")->trigger();
        QCOMPARE(kept().Airplanes().size(), std::size_t(1));
        QCOMPARE(kept().Flights().size(), std::size_t(1));
        QCOMPARE(hd().statusText(), QString("Kept Ringcruiser as a new airplane and logged its flight."));
        Flight f = kept().Flights()[0];
        QCOMPARE(f.airplaneId, w->openAirplane());
        QCOMPARE(f.inputs, InputsOfCase(w->flightCase()));
        QCOMPARE(f.lapTime, 5.1);
        QCOMPARE(f.engine, std::string("Fox .35"));
        QCOMPARE(f.notes, std::string("smooth\nwind calm"));
        QCOMPARE(f.conditions[&KeyOf(Input::Temperature) - InputKeys - FirstConditionKey], 95.0f);
        for (int i = 0; i < FigureCount; ++i)
            if (w->caseEditor().Figures()[i].shown)
                QCOMPARE(f.figures[i], *w->caseEditor().Figures()[i].value);
        logFlights({"5.2"});
        QCOMPARE(kept().Airplanes().size(), std::size_t(1));
        QCOMPARE(hd().statusText(), QString("Logged a flight of Ringcruiser."));

        hd().ShowTrimLog();
        TrimLogDialog &log = *hd().trimLog();
        log.SelectFlight(f.id);
        // Texts that cannot be kept are said and the form comes back.
        for (const auto &[typed, said] : {std::pair{"fast", "The lap time measured must be a number of seconds, or empty."},
                                          {"0", "A measured lap time must be more than 0 and at most 3600 seconds."}}) {
            fx.messages.clear();
            int shown = 0;
            fx.dialog = [&, typed = typed](QDialog *d) {
                static_cast<FlightDialog *>(d)->field(0)->setText(typed);
                return int(++shown == 1 ? QDialog::Accepted : QDialog::Rejected);
            };
            log.CorrectSelected();
            QCOMPARE(shown, 2);
            QCOMPARE(fx.messages.size(), 1);
            QCOMPARE(fx.messages[0].text, QString(said));
        }
        QCOMPARE(*kept().FindFlight(f.id), f);
        fillFlights({"5.3"});
        log.CorrectSelected();
        QCOMPARE(kept().FindFlight(f.id)->lapTime, 5.3);
        QCOMPARE(kept().FindFlight(f.id)->figures, f.figures);
        QCOMPARE(kept().Flights().size(), std::size_t(2));

        log.SelectFlight(f.id);
        fx.answers = {1, 0};
        log.DeleteSelected();
        QCOMPARE(kept().Flights().size(), std::size_t(2));
        log.SelectFlight(f.id);
        log.DeleteSelected();
        QCOMPARE(kept().Flights().size(), std::size_t(1));
        QVERIFY(!kept().FindFlight(f.id));
    }

    // The window writes the core's bytes; an import adds and updates, says
    // what, and never deletes.
    void export_and_import()
    {
        hd().KeepAsNew();
        w->flightCase().AcName = "Shark 45";
        hd().KeepAsNew();
        logFlights({"5.1"});
        fx.nextSave = path("all.json");
        hd().ExportHangar();
        QCOMPARE(fx.proposedSave, QString("tethrix-hangar.json"));
        QCOMPARE(FileBytes(fx.nextSave), QByteArray::fromStdString(HangarFileText(kept()).value));
        const std::string shark = w->openAirplane();
        hd().Select(shark);
        fx.nextSave = path("one.json");
        hd().ExportAirplane();
        QCOMPARE(fx.proposedSave, QString("Shark 45.tethrix-hangar.json"));
        QCOMPARE(FileBytes(fx.nextSave), QByteArray::fromStdString(HangarFileText(kept().Extract(shark)).value));

        HangarDialog other(*w, path("other/hangar.sqlite"));
        Hangar newer = kept();
        QVERIFY(newer.Rename(shark, "Shark 40", "2099-01-01T00:00:00Z").ok());
        WriteBytes(path("newer.json"), QByteArray::fromStdString(HangarFileText(newer).value));
        WriteBytes(path("broken.json"), "{\"format\":\"tethrix-hangar\",\"version\":1,");
        const struct {
            const char *file, *said;
        } imports[] = {
            {"one.json", "From one.json: Added 1 airplane (Shark 45) and 1 flight."},
            {"all.json", "From all.json: Added 1 airplane (Ringcruiser)."},
            {"all.json", "Nothing changed: the hangar already holds everything in all.json."},
            {"newer.json", "From newer.json: Updated 1 airplane (Shark 40)."},
            {"one.json", "Nothing changed: the hangar already holds everything in one.json."},
        };
        for (const auto &i : imports) {
            fx.nextOpen = path(i.file);
            other.Import();
            QCOMPARE(other.statusText(), QString(i.said));
        }
        QCOMPARE(other.store().hangar().Airplanes(), newer.Airplanes());
        QCOMPARE(other.store().hangar().Flights(), newer.Flights());
        fx.nextOpen = path("broken.json");
        Guarded(&other, [&] { other.Import(); });
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY2(fx.messages[0].text.startsWith("Cannot import " + path("broken.json") + ": "),
                 qPrintable(fx.messages[0].text));
        QCOMPARE(other.store().hangar().Airplanes(), newer.Airplanes());
    }

    // Every data file of a folder read as File > Open reads it; the ones
    // that cannot be are named with the reason, the rest added.
    void add_a_folder()
    {
        QDir(data->path()).mkpath("planes/d.TQD");
        for (const auto &[file, name] : {std::pair{"b.tqd", "Beta"}, {"a.TQD", "Alpha"}}) {
            FlightCase fc;
            fc.AcName = name;
            WriteBytes(path("planes/") + file, QByteArray::fromStdString(DataFileText(fc)));
        }
        WriteBytes(path("planes/c.TQD"), "not a data file\r\n");
        WriteBytes(path("planes/notes.txt"), "an=Gamma\r\n");
        fx.nextFolder = path("planes");
        hd().AddFolder();
        QStringList names;
        for (const Airplane &a : kept().Airplanes())
            names << QString::fromStdString(a.Name());
        names.sort();
        QCOMPARE(names, QStringList({"Alpha", "Beta"}));
        QCOMPARE(hd().statusText(), QString("Added 2 airplanes from %1.").arg(path("planes")));
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("2 files could not be added:"));
        const QStringList why = fx.messages[0].informative.split('\n');
        QCOMPARE(why.size(), 2);
        QCOMPARE(why[0], QString("c.TQD: it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)"));
        QVERIFY2(why[1].startsWith("d.TQD: ") && why[1].size() > 8, qPrintable(why[1]));
    }

    // Newest first, numbers sorted by value, the core's columns and texts,
    // the CSV the core writes, the chart and the printed pages.
    void trim_log_table_chart_csv_and_print()
    {
        logFlights({"5.1", "10.2", "4.9"}, QDateTime(QDate(2026, 7, 1), QTime(10, 0), QTimeZone::utc()));
        hd().ShowTrimLog();
        TrimLogDialog &log = *hd().trimLog();
        QSortFilterProxyModel *rows = log.sortedModel();
        auto column = [&](int c) {
            QStringList texts;
            for (int r = 0; r < rows->rowCount(); ++r)
                texts << rows->index(r, c).data().toString();
            return texts;
        };
        QCOMPARE(column(LogLapTimeColumn), QStringList({"5.1", "10.2", "4.9"}));
        log.table()->sortByColumn(LogLapTimeColumn, Qt::AscendingOrder);
        QCOMPARE(column(LogLapTimeColumn), QStringList({"4.9", "5.1", "10.2"}));
        log.SetLocalTime(false);
        log.table()->sortByColumn(LogFlownColumn, Qt::DescendingOrder);
        QCOMPARE(column(LogFlownColumn),
                 QStringList({"2026-07-01 10:00 UTC", "2026-06-21 10:00 UTC", "2026-06-11 10:00 UTC"}));
        const std::vector<LogColumn> titles = LogColumns(DisplayUnits::Imperial);
        const std::vector<LogCell> first = LogRow(*kept().FlightsOf(log.airplaneId())[0], DisplayUnits::Imperial);
        for (int c = 0; c < LogColumnCount; ++c) {
            QCOMPARE(rows->headerData(c, Qt::Horizontal).toString(), QString::fromStdString(titles[c].title));
            if (c != LogFlownColumn)
                QCOMPARE(rows->index(0, c).data().toString(), QString::fromStdString(first[c].text));
        }

        fx.nextSave = path("log.csv");
        log.ExportCsv();
        QCOMPARE(fx.proposedSave, QString("Ringcruiser trim log.csv"));
        const QByteArray csv = FileBytes(fx.nextSave);
        QCOMPARE(csv, QByteArray::fromStdString(LogCsv(kept(), log.airplaneId(), DisplayUnits::Imperial)));
        QVERIFY(csv.startsWith("Flown (UTC),Airplane Name,"));
        QCOMPARE(csv.split('\n')[1].left(21), QByteArray("2026-07-01T10:00:00Z,"));

        // The window's units are the log's.
        w->SetUnits(DisplayUnits::Metric);
        QCOMPARE(rows->headerData(LogFirstFigureColumn + FigureIndex(FigureId::LineTension), Qt::Horizontal).toString(),
                 QString("Line Tension (N)"));
        w->SetUnits(DisplayUnits::Imperial);

        auto *chart = log.findChild<QChartView *>("LogChart");
        QVERIFY(chart);
        QCOMPARE(chart->chart()->series().size(), 2);
        QCOMPARE(static_cast<QXYSeries *>(chart->chart()->series()[0])->count(), 3);
        log.SetChartAgainst(1);
        const auto x = chart->chart()->axes(Qt::Horizontal);
        QCOMPARE(x.size(), 1);
        QCOMPARE(x[0]->titleText(), QString("Density Altitude (feet)"));

        fx.print = [&](QPrinter *p) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(path("log.pdf"));
            return true;
        };
        log.Print();
        QVERIFY(FileBytes(path("log.pdf")).startsWith("%PDF"));
        QVERIFY(fx.messages.isEmpty());
    }

    // A store that cannot be trusted is kept as it is: the dialog says why
    // and writes nothing.
    void unusable_store_writes_nothing()
    {
        QVERIFY(QDir().mkpath(QFileInfo(HangarStore::DefaultPath()).absolutePath()));
        const QByteArray damaged(4096, 'x');
        WriteBytes(HangarStore::DefaultPath(), damaged);
        w->ShowHangar();
        QVERIFY(hd().store().access() != HangarStore::Access::Writable);
        auto *problem = hd().findChild<QLabel *>("HangarProblem");
        QVERIFY(problem->isVisible());
        QVERIFY(!problem->text().isEmpty());
        QCOMPARE(problem->text(), hd().store().problem());
        for (const char *name : {"KeepNewBtn", "KeepOverBtn", "AddFolderBtn", "ImportBtn", "LogFlightBtn"})
            QVERIFY2(!button(hd(), name)->isEnabled(), name);
        QVERIFY(button(hd(), "ExportHangarBtn")->isEnabled());
        w->findChild<QAction *>("LogFlight1")->trigger();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, "No flight can be logged: " + hd().store().problem());
        QCOMPARE(FileBytes(HangarStore::DefaultPath()), damaged);
    }

    // Two windows: each sees what the other kept when shown or activated.
    void two_windows_see_each_other()
    {
        auto second = std::make_unique<MainWindow>();
        HangarDialog &other = *second->hangarDialog();
        hd().KeepAsNew();
        other.show();
        QCOMPARE(other.store().hangar().Airplanes(), kept().Airplanes());
        other.Select(kept().Airplanes()[0].id);
        fx.nextText = "Nobler";
        other.RenameSelected();
        // Notes being typed here stay when the other's change shows.
        hd().Select(kept().Airplanes()[0].id);
        hd().SetNotesText("being typed");
        second->show();
        second->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(second.get()));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(kept().Airplanes()[0].Name(), std::string("Nobler"));
        QCOMPARE(hd().findChild<QTreeWidget *>("AirplaneList")->topLevelItem(0)->text(0), QString("Nobler"));
        QCOMPARE(hd().notesText(), QString("being typed"));
    }

    // A small hangar, shown at the dialogs' default sizes: every text whole.
    void texts_fit_their_widgets()
    {
        for (const char *name : {"Nobler", "Shark 45", "Ringcruiser"}) {
            w->flightCase().AcName = name;
            w->SetOpenAirplane(std::string());
            hd().SetNotesText("Fox .35, 10x6 APC, 15% nitro");
            logFlights({"5.1"}, QDateTime(QDate(2026, 6, 20), QTime(9, 30)));
        }
        for (auto [temp, lap] : {std::pair{62.0f, "5.25"}, {95.0f, "5.05"}, {80.0f, "5.12"}}) {
            w->SetCondition(KeyOf(Input::Temperature), temp);
            Retype(w->findChild<QLineEdit *>("LapTime"), lap);
            logFlights({lap}, QDateTime(QDate(2026, 7, int(temp) / 4), QTime(17, 10)));
        }
        w->ShowHangar();
        hd().Select(w->openAirplane());
        hd().SetNotesText("OS Max .35 Stunt, 10x6 prop, 10% nitro.\nLeadouts 1 inch aft, tip weight 1/2 oz.");
        hd().KeepOver();
        QCoreApplication::processEvents();
        QStringList cut = CutTexts(hd());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        SaveShot(hd(), "hangar-desktop.png");
        hd().ShowTrimLog();
        hd().trimLog()->SetChartAgainst(1);
        QCoreApplication::processEvents();
        // The picture shows the lap time measured and what follows it.
        QTableView *table = hd().trimLog()->table();
        table->horizontalScrollBar()->setValue(table->horizontalHeader()->sectionPosition(LogLapTimeColumn));
        cut = CutTexts(*hd().trimLog());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        SaveShot(*hd().trimLog(), "trim-log-desktop.png");
        QVERIFY2(formCut.isEmpty(), qPrintable(formCut.join('\n')));
        QVERIFY(fx.messages.isEmpty());
    }
};

TETHRIX_UI_TEST_MAIN(HangarTest)
#include "HangarTest.moc"

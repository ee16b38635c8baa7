// The trim charts: the same numbers as the sweep table, no effect on the
// main window, export, and points that cannot be calculated.
#include "Charts.h"
#include "Main.h"
#include "UiTestSupport.h"
#include "../FullDisk.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

class ChartsTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<TForm1> w;

    TrimCharts *charts() { return w->findChild<TrimCharts *>("TrimCharts"); }
    QStringList mainTexts()
    {
        QStringList t;
        for (QLabel *l : w->findChildren<QLabel *>())
            if (l->window() == w.get())
                t << l->text();
        for (QLineEdit *e : w->findChildren<QLineEdit *>())
            if (e->window() == w.get())
                t << e->text();
        return t;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        fx.reset();
        w = std::make_unique<TForm1>();
        w->show();
    }
    void cleanup() { w.reset(); }

    void menu_item_follows_data_entry()
    {
        QAction *item = w->findChild<QAction *>("Charts1");
        QVERIFY(item);
        QCOMPARE(item->text(), QString("&Trim Charts..."));
        const auto actions = w->findChild<QMenu *>("Advanced1")->actions();
        QCOMPARE(actions.indexOf(item), actions.indexOf(w->findChild<QAction *>("Configure1")) + 1);
    }

    // Beside the main window, not over it; F1 asks for the charts' page and
    // Escape closes the window.
    void charts_open_beside_the_window_and_answer_f1_and_escape()
    {
        w->move(40, 40);
        w->findChild<QAction *>("Charts1")->trigger();
        QVERIFY(charts() && charts()->isVisible());
        QVERIFY(!charts()->frameGeometry().intersects(w->frameGeometry()) ||
                charts()->frameGeometry().width() + w->frameGeometry().width() > w->screen()->availableGeometry().width());
        QTest::keyClick(charts(), Qt::Key_F1);
        QCOMPARE(fx.helpTopics, QList<int>{HelpCharts});
        QTest::keyClick(charts(), Qt::Key_Escape);
        QVERIFY(!charts()->isVisible());
    }

    void series_hold_the_sweep_table_values()
    {
        w->findChild<QAction *>("Charts1")->trigger();
        QVERIFY(charts() && charts()->isVisible());
        const TrimCharts::Tab &lap = charts()->tab(0);
        QCOMPARE(lap.rows.size(), size_t(41));
        QCOMPARE(lap.curves[0]->count(), 41);
        for (int i = 0; i < 41; ++i) {
            const QPointF p = lap.curves[0]->at(i);
            QCOMPARE(p.x(), lap.rows[i].input);
            QCOMPARE(p.y(), lap.rows[i].figures[TrimCharts::CurveFigures[0]]);
            QCOMPARE(lap.curves[2]->at(i).y(), lap.rows[i].figures[5]);
        }
        // Each row is the single calculation of its lap time.
        const SweepRow &mid = lap.rows[20];
        QCOMPARE(static_cast<float>(mid.input), 4.9f);
        FlightCase fc = w->flightCase();
        float gs = 0;
        CalcEngine engine(fc, gs);
        engine.Recalculate(fc.LapTime);
        QCOMPARE(mid.figures[1], engine.LineTension());
        QCOMPARE(charts()->tab(1).rows.size(), size_t(31));
    }

    void charts_never_change_the_main_window()
    {
        const QStringList before = mainTexts();
        const float lapSpeed = w->lapSpeed();
        w->findChild<QAction *>("Charts1")->trigger();
        QTest::keyClick(w->findChild<QLineEdit *>("Weight"), Qt::Key_Return);  // refreshes the charts
        QCOMPARE(mainTexts(), before);
        QCOMPARE(w->lapSpeed(), lapSpeed);
        QLineEdit *wf = w->findChild<QLineEdit *>("WfLapTime");
        wf->setText("5");
        QTest::keyClick(wf, Qt::Key_Return);
        QCOMPARE(w->findChild<QLineEdit *>("WfLineLength")->text(), QString("59.27"));
    }

    void a_successful_recalculation_refreshes_the_charts()
    {
        w->findChild<QAction *>("Charts1")->trigger();
        QLineEdit *lap = w->findChild<QLineEdit *>("LapTime");
        lap->setText("4");
        QCOMPARE(static_cast<float>(charts()->tab(0).rows[20].input), 4.9f);  // not before Enter
        QTest::keyClick(lap, Qt::Key_Return);
        QCOMPARE(static_cast<float>(charts()->tab(0).rows[20].input), 4.0f);
        lap->setText("0");
        QTest::keyClick(lap, Qt::Key_Return);  // fails: the charts keep the last good case
        QCOMPARE(static_cast<float>(charts()->tab(0).rows[20].input), 4.0f);
    }

    void points_that_fail_are_left_out_and_explained()
    {
        // With the hand swung round behind the flier, lines shorter than the
        // arm put the airplane on the wrong side of the centre.
        FlightCase &fc = w->flightCase();
        fc.HndlAngl = 179.9f;
        fc.HndlLngth = 0;
        w->findChild<QLineEdit *>("LineLength")->setText("1.6");
        w->findChild<QLineEdit *>("HndlLngth")->setText("0");
        QTest::keyClick(w->findChild<QLineEdit *>("LineLength"), Qt::Key_Return);
        w->findChild<QAction *>("Charts1")->trigger();
        const TrimCharts::Tab &line = charts()->tab(1);
        int ok = 0;
        for (const SweepRow &r : line.rows)
            ok += r.ok;
        QVERIFY(ok > 0 && ok < 31);
        QCOMPARE(line.curves[0]->count(), ok);
        QVERIFY(line.problems->text().contains("left out"));
        QVERIFY(line.problems->text().contains("flight radius"));
    }

    void export_writes_the_table_and_the_picture()
    {
        w->findChild<QAction *>("Charts1")->trigger();
        QTemporaryDir dir;
        fx.nextSave = dir.path() + "/lap.csv";
        charts()->findChild<QPushButton *>("ExportCsvBtn")->click();
        QFile csv(fx.nextSave);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray text = csv.readAll();
        QCOMPARE(text, QByteArray::fromStdString(SweepCsv(*charts()->tab(0).key, charts()->tab(0).rows)));
        QVERIFY(text.startsWith("lt (seconds),Leadout Position Behind CG (inches)"));
        QCOMPARE(text.count('\n'), 42);

        fx.nextSave = dir.path() + "/lap.png";
        charts()->findChild<QPushButton *>("ExportPngBtn")->click();
        QImage png(fx.nextSave);
        QVERIFY(!png.isNull());

        fx.nextSave = dir.path() + "/missing/folder/lap.csv";
        charts()->findChild<QPushButton *>("ExportCsvBtn")->click();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, "Cannot save the table as " + fx.nextSave + ": No such file or directory.");

        // On a full disk both exports say what failed and keep the old files.
        for (const char *name : {"/lap.csv", "/lap.png"}) {
            fx.messages.clear();
            fx.nextSave = dir.path() + name;
            QFile old(fx.nextSave);
            QVERIFY(old.open(QIODevice::ReadOnly));
            const QByteArray before = old.readAll();
            old.close();
            {
                FullDisk full;
                charts()->findChild<QPushButton *>(fx.nextSave.endsWith("csv") ? "ExportCsvBtn" : "ExportPngBtn")->click();
            }
            QCOMPARE(fx.messages.size(), 1);
            QVERIFY2(fx.messages[0].text.endsWith(fx.nextSave + ": File too large."), qPrintable(fx.messages[0].text));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), before);
            old.close();
        }
    }
};

TETHRIX_UI_TEST_MAIN(ChartsTest)
#include "ChartsTest.moc"

// The trim charts: the same numbers as the sweep table, no effect on the
// main window, export, and points that cannot be calculated.
#include "ui/Charts.h"
#include "ui/MainWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/FullDisk.h"

#include <QAction>
#include <QFile>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <cmath>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QMenu>
#include <QPushButton>
#include <QDir>
#include <QTabWidget>
#include <QScreen>

class ChartsTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<MainWindow> w;

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
        w = fx.start();
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

    // Each figure on its own scale, ticked at 1, 2, 2.5 or 5 × 10ⁿ and
    // holding its curve; the input's axis spans just the values swept. A
    // dark desktop gets dark charts.
    void scales_are_round_and_fit_and_follow_the_palette()
    {
        w->findChild<QAction *>("Charts1")->trigger();
        for (int i = 0; i < 2; ++i) {
            const TrimCharts::Tab &t = charts()->tab(i);
            QVERIFY(std::fabs(t.x->min() - t.rows.front().input) < 1e-5 * t.x->min());
            QVERIFY(std::fabs(t.x->max() - t.rows.back().input) < 1e-5 * t.x->max());
            for (int c = 0; c < 3; ++c) {
                const QValueAxis *a = t.scales[c];
                const double step = (a->max() - a->min()) / (a->tickCount() - 1);
                const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
                QVERIFY2(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
                             std::fabs(mantissa - 2.5) < 1e-6 || std::fabs(mantissa - 5) < 1e-6,
                         qPrintable(QString::number(step)));
                QVERIFY(std::fabs(a->min() / step - std::round(a->min() / step)) < 1e-6);
                for (const QPointF &p : t.curves[c]->points())
                    QVERIFY(p.y() >= a->min() && p.y() <= a->max());
            }
        }
        // No scale makes a small change look large: a degree of rake at
        // least, a quarter of the value for the others; the current case in
        // a colour no curve has.
        for (int i = 0; i < 2; ++i) {
            const TrimCharts::Tab &t = charts()->tab(i);
            for (int c = 0; c < TrimCharts::CurveCount; ++c) {
                const QValueAxis *a = t.scales[c];
                const double least = c == 3 ? 1.0 : 0.25 * std::max(std::fabs(a->min()), std::fabs(a->max())) * 0.8;
                QVERIFY2(a->max() - a->min() >= least, qPrintable(QString("%1 %2").arg(i).arg(c)));
                for (int d = 0; d < TrimCharts::CurveCount; ++d)
                    QVERIFY(t.markers[c]->color() != t.curves[d]->color());
            }
        }
        QCOMPARE(charts()->tab(0).view->chart()->theme(), QChart::ChartThemeLight);
        QPalette dark = charts()->palette();
        dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
        charts()->setPalette(dark);
        QCOMPARE(charts()->tab(0).view->chart()->theme(), QChart::ChartThemeDark);
    }

    // However absurd the case, the charts refresh at once, with a handful of
    // ticks on every axis: a lap time of 4900 s once laid out 20,000 ticks
    // and 1e37 s grew without end (ctest's time limit on this test catches a
    // return of it).
    void absurd_cases_refresh_the_charts_with_few_ticks()
    {
        w->findChild<QAction *>("Charts1")->trigger();
        QLineEdit *lap = w->findChild<QLineEdit *>("LapTime");
        for (const char *text : {"4900", "100000", "1e37", "3e38", "1e-30", "4.9"}) {
            lap->selectAll();
            QTest::keyClicks(lap, text);
            QTest::keyClick(lap, Qt::Key_Return);
            for (int i = 0; i < 2; ++i) {
                const TrimCharts::Tab &t = charts()->tab(i);
                QVERIFY2(t.x->tickType() == QValueAxis::TicksFixed
                             ? t.x->tickCount() <= 20
                             : (t.x->max() - t.x->min()) / t.x->tickInterval() <= 20,
                         text);
                for (const QValueAxis *a : t.scales)
                    QVERIFY2(a->tickCount() <= 20, text);
            }
        }
        QCOMPARE(charts()->tab(0).rows.size(), size_t(41));
    }

    // The line-length chart holds the lap time or the speed, and says which
    // in its title and its CSV.
    void the_line_length_chart_holds_the_lap_time_or_the_speed()
    {
        w->findChild<QAction *>("Charts1")->trigger();
        const TrimCharts::Tab &line = charts()->tab(1);
        QVERIFY(line.view->chart()->title().endsWith("with the lap time held"));
        line.holdBox->setCurrentIndex(1);
        QVERIFY(line.view->chart()->title().endsWith("at the same speed"));
        const double speed = charts()->tab(0).rows[20].figures[3];  // the current case's ground speed
        for (const SweepRow &row : line.rows)
            QVERIFY(std::fabs(row.figures[3] - speed) < speed * 1e-6);
        QTemporaryDir dir;
        fx.nextSave = dir.path() + "/line.csv";
        charts()->findChild<QTabWidget *>()->setCurrentIndex(1);
        charts()->findChild<QPushButton *>("ExportCsvBtn")->click();
        QFile csv(fx.nextSave);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readLine().startsWith(
            "Line Length (feet) at the same speed,Lap Time (seconds) at the same speed,Leadout Position"));
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
        QVERIFY(engine.Recalculate(fc.LapTime) == nullptr);
        QCOMPARE(mid.figures[1], engine.LineTension());
        QCOMPARE(charts()->tab(1).rows.size(), size_t(31));
    }

    // In metric the same rows, drawn, named and exported in metric units;
    // the leadout rake is a curve of its own.
    void charts_follow_the_units_shown()
    {
        w->findChild<QAction *>("Charts1")->trigger();
        const std::vector<SweepRow> imperialRows = charts()->tab(1).rows;
        w->findChild<QAction *>("Metric1")->trigger();
        const TrimCharts::Tab &line = charts()->tab(1);
        QCOMPARE(charts()->units(), DisplayUnits::Metric);
        QCOMPARE(line.x->titleText(), QString("Line Length (m)"));
        const char *const names[] = {"Line Tension (N)", "Leadout Position (mm)", "Line Projection (mm)",
                                     "Leadout Rake (degrees)"};
        for (int c = 0; c < TrimCharts::CurveCount; ++c) {
            QVERIFY(QString(names[c]).startsWith(line.curves[c]->name() + " ("));
            QCOMPARE(line.scales[c]->titleText(), QString(names[c]));
        }
        QCOMPARE(line.rows.size(), imperialRows.size());
        for (size_t i = 0; i < line.rows.size(); ++i) {
            QCOMPARE(line.rows[i].figures[1], imperialRows[i].figures[1]);  // solved alike
            QCOMPARE(line.curves[0]->at(int(i)).x(), imperialRows[i].input * 0.3048);
            QCOMPARE(line.curves[0]->at(int(i)).y(), imperialRows[i].figures[1] * 4.4482216152605);
            QCOMPARE(line.curves[3]->at(int(i)).y(), imperialRows[i].figures[11]);
        }
        // The readout names the point in metric too, and clears on leaving;
        // the window keeps its width however long the readout.
        const int width = charts()->width();
        emit line.curves[0]->hovered(QPointF(17.7, 35), true);
        QCOMPARE(line.hover->text(), QString("Line length, eye to eye 17.68 m: Line Tension 35.77 N, Leadout Position "
                                             "21.3 mm, Line Projection 250.4 mm, Leadout Rake 1.884 degrees"));
        QCoreApplication::processEvents();
        QCOMPARE(charts()->width(), width);
        emit line.curves[0]->hovered(QPointF(17.7, 35), false);
        QVERIFY(line.hover->text().startsWith("Point at a curve"));

        QTemporaryDir dir;
        fx.nextSave = dir.path() + "/line.csv";
        charts()->findChild<QTabWidget *>("ChartTabs")->setCurrentIndex(1);
        charts()->findChild<QPushButton *>("ExportCsvBtn")->click();
        QFile csv(fx.nextSave);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString header = QString::fromUtf8(csv.readLine());
        QVERIFY2(header.startsWith("Line Length (m) with the lap time held,Leadout Position Behind CG (mm),Line "
                                   "Tension (N)"),
                 qPrintable(header));
        QVERIFY(header.contains(",Leadout Rake (degrees),Lap Speed (km/h),Line Drag (N),Line Power (watts),Pull Test (N),Error"));
        QVERIFY(QString::fromUtf8(csv.readAll()).contains("\n17.6784,"));  // 58 ft, the current case
        if (const QByteArray shots = qgetenv("TETHRIX_SCREENSHOTS"); !shots.isEmpty())
            QVERIFY(charts()->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("trim-charts-metric.png")));
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
        fc.HandleAngle = 179.9f;
        fc.HandleLength = 0;
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
        // Titled in words, rounded to six significant digits; the row of the
        // current case reads as the window shows it.
        QVERIFY(text.startsWith("Lap Time (seconds),Leadout Position Behind CG (inches)"));
        QCOMPARE(text.count('\n'), 42);
        QVERIFY(text.contains("\n4.9,0.838755,8.04224,11.8125,53.0183,62.2083,9.85701,"));

        fx.nextSave = dir.path() + "/lap.png";
        charts()->findChild<QPushButton *>("ExportPngBtn")->click();
        QImage png(fx.nextSave);
        QVERIFY(png.width() >= 1600);
        // The whole chart, not its top-left part: scaled down to the view's
        // size it looks like the view itself.
        QChartView *view = charts()->tab(0).view;
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage small = png.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB32);
        const auto difference = [](const QImage &a, const QImage &b) {
            const QImage x = a.scaled(40, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QImage y = b.scaled(40, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            double sum = 0;
            for (int j = 0; j < 30; ++j)
                for (int i = 0; i < 40; ++i)
                    sum += std::abs(qGray(x.pixel(i, j)) - qGray(y.pixel(i, j)));
            return sum / (40 * 30);
        };
        QVERIFY2(difference(small, shown) < 8, qPrintable(QString::number(difference(small, shown))));

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

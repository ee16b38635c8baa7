// The window in metric units: what switching shows and keeps, what a metric
// text stores, and that files and stored conditions stay imperial.
#include "ui/ConditionsDialog.h"
#include "numbers/Convert.h"
#include "ui/MainWindow.h"
#include "storage/Settings.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/FullDisk.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstring>

class UnitsTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<MainWindow> w;
    std::unique_ptr<QTemporaryDir> files;

    QLineEdit *field(const char *name) { return w->findChild<QLineEdit *>(name); }
    QString labelText(const char *name) { return w->findChild<QLabel *>(name)->text(); }
    void choose(const char *action) { w->findChild<QAction *>(action)->trigger(); }
    void retype(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    static bool SameBits(const FlightCase &a, const FlightCase &b)
    {
        for (const InputKey &k : InputKeys)
            if (k.field != nullptr && std::memcmp(&(a.*(k.field)), &(b.*(k.field)), sizeof(float)) != 0)
                return false;
        return a.NumLines == b.NumLines && a.AcName == b.AcName;
    }
    QStringList allTexts()
    {
        QStringList t;
        for (QLineEdit *e : w->findChildren<QLineEdit *>())
            t << e->objectName() + "=" + e->text();
        for (QLabel *l : w->findChildren<QLabel *>())
            t << l->objectName() + "=" + l->text();
        return t;
    }
    QByteArray saved(const QString &name)
    {
        fx.nextSave = files->filePath(name);
        w->Save();
        QFile f(fx.nextSave);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        w = fx.start();
        files = std::make_unique<QTemporaryDir>();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() { w.reset(); }

    void switching_shows_metric_and_back_and_changes_no_value()
    {
        const FlightCase before = w->flightCase();
        const QStringList imperial = allTexts();
        const QString tension = labelText("TensionLabel");
        choose("Metric1");
        QVERIFY(w->findChild<QAction *>("Metric1")->isChecked());
        QVERIFY(!w->findChild<QAction *>("Imperial1")->isChecked());
        QVERIFY(SameBits(w->flightCase(), before));
        QCOMPARE(labelText("Label2"), QString("Computed Data"));
        QVERIFY(labelText("Label2").size() > 0 && w->findChild<QLabel *>("Label2")->toolTip().isEmpty());  // still green

        // Every input in its metric unit; defaults .015 in, 58 ft, 25.5 in, 7 in, 42 oz, 512 sq in.
        const char *const shown[][3] = {
            {"LineDia", "0.381", "mm"},     {"LineLength", "17.68", "m"}, {"WingLength", "647.7", "mm"},
            {"HndlLngth", "177.8", "mm"},   {"Weight", "1191", "g"},      {"LapTime", "4.9", "seconds"},
            {"WingArea", "33.0322", "dm²"}, {"WfLineLength", "17.68", "m"}};
        for (const auto &s : shown) {
            QCOMPARE(field(s[0])->text(), QString(s[1]));
            if (*s[2])
                QCOMPARE(labelText((std::string(s[0]) + "Unit").c_str()), QString::fromUtf8(s[2]));
        }
        QCOMPARE(labelText("TensionLabel"), QString("Line Tension = 35.77 N"));
        QCOMPARE(labelText("WngLoadLabel"), QString::fromUtf8("Wing Loading = 36.05 g/dm²"));
        QCOMPARE(labelText("GndSpeedLabel"), QString("Ground Speed = 85.32 km/h"));
        QCOMPARE(labelText("AirPressureLbl"), QString("Atmospheric Pressure = 1010 hPa"));
        QCOMPARE(labelText("LeadoutRakeLbl"), QString("Leadout Rake = 1.884 degrees"));
        QCOMPARE(labelText("LineRnLabel"), QString("Line RN at WT = 580.9"));
        // Nothing cut off: every label as wide as its text asks.
        for (QLabel *l : w->findChildren<QLabel *>())
            if (l->isVisible())
                QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName()));
        if (const QByteArray dir = qgetenv("TETHRIX_SCREENSHOTS"); !dir.isEmpty())
            QVERIFY(w->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath("window-metric.png")));

        // Enter recalculates the same case: the same figures.
        QTest::keyClick(field("Weight"), Qt::Key_Return);
        QCOMPARE(labelText("TensionLabel"), QString("Line Tension = 35.77 N"));
        choose("Imperial1");
        QVERIFY(SameBits(w->flightCase(), before));
        QCOMPARE(allTexts(), imperial);
        QCOMPARE(labelText("TensionLabel"), tension);
    }

    // A text typed in metric stores what typing the converted imperial text
    // would: the imperial single-precision value.
    void metric_texts_store_the_imperial_value_of_their_imperial_text()
    {
        choose("Metric1");
        const struct { const char *field, *key, *metric, *imperial; } typed[] = {
            {"LineDia", "ls", "0.381", "0.015"},   {"LineDia", "ls", "0.5", "0.019685039370078740"},
            {"LineLength", "ll", "18.288", "60"},  {"LineLength", "ll", "21.5", "70.538057742782152"},
            {"WingLength", "wl", "647.7", "25.5"}, {"HndlLngth", "hl", "150", "5.9055118110236220"},
            {"Weight", "wt", "1587.573295", "56"}, {"Weight", "wt", "1500", "52.910942386270107"},
            {"WingArea", "wa", "32.258", "500"},   {"WingArea", "wa", "30.1", "466.55093316387873"},
            {"LapTime", "lt", "5.2", "5.2"},
        };
        for (const auto &t : typed) {
            retype(field(t.field), t.metric);
            FlightCase imperial = w->flightCase();
            QVERIFY(SetInput(imperial, t.key, t.imperial).ok());
            QVERIFY2(SameBits(w->flightCase(), imperial), t.metric);
        }
        // The check fliers quote: two 60 ft .015 lines, 56 oz, 5.2 s, inboard wing 25.5 in.
        for (const auto &[name, text] : {std::pair{"LineDia", "0.381"}, {"LineLength", "18.288"},
                                         {"Weight", "1587.573295"}, {"WingLength", "647.7"}, {"HndlLngth", "177.8"}})
            retype(field(name), text);
        QTest::keyClick(field("WingLength"), Qt::Key_Return);
        QCOMPARE(labelText("LeadoutRakeLbl"), QString("Leadout Rake = 1.526 degrees"));
        QVERIFY(fx.messages.isEmpty());

        retype(field("Weight"), "1e40");
        QTest::keyClick(field("Weight"), Qt::Key_Return);
        QCOMPARE(fx.messages.value(0).text, QString("'1e40' is not a valid floating point value."));
    }

    // Data files and stored conditions stay imperial whatever is shown.
    void files_and_settings_stay_imperial()
    {
        saved("plane.TQD");  // the airplane takes the file's name
        const QByteArray imperial = saved("plane.TQD");
        choose("Metric1");
        const QByteArray metric = saved("plane.TQD");
        QVERIFY(!imperial.isEmpty());
        QCOMPARE(metric, imperial);

        // Opening a file in metric gives the case opening it in imperial gives.
        QFile file(files->filePath("odd.TQD"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an=Odd\r\nll=61.23456\r\nwt=47.77777\r\nwa=611.111111\r\n");
        file.close();
        fx.nextOpen = file.fileName();
        w->Open();
        const FlightCase openedMetric = w->flightCase();
        QCOMPARE(field("LineLength")->text(), QString("18.66"));
        w = fx.start();  // the same fields, shown in imperial
        fx.nextOpen = file.fileName();
        w->Open();
        QVERIFY(SameBits(w->flightCase(), openedMetric));
        QCOMPARE(field("LineLength")->text(), QString("61.23"));

        // The choice is kept, the conditions are stored in imperial.
        choose("Metric1");
        QSettings store(fx.settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.value("Units").toString(), QString("Metric"));
        w.reset();
        w = std::make_unique<MainWindow>();
        QVERIFY(w->findChild<QAction *>("Metric1")->isChecked());
        QCOMPARE(field("LineDia")->text(), QString("0.381"));

        QTimer::singleShot(0, this, [] {
            auto *temp = OpenConditionsDialog->findChild<QLineEdit *>("Temprature");
            QCOMPARE(OpenConditionsDialog->findChild<QLabel *>("TempLbl")->text(), QString::fromUtf8("°C"));
            QCOMPARE(OpenConditionsDialog->findChild<QLabel *>("ArmLngthLbl")->text(), QString("mm"));
            QCOMPARE(temp->text(), QString("23.89"));  // 75 °F
            QCOMPARE(OpenConditionsDialog->findChild<QLineEdit *>("ArmLngth")->text(), QString("457.2"));
            OpenConditionsDialog->findChild<QLineEdit *>("Preasure")->setText("500");
            OpenConditionsDialog->findChild<QPushButton *>("SaveBtn")->click();
        });
        w->EditConditions();
        QCOMPARE(w->flightCase().Temperature, 75.0f);  // left as shown: not moved by rounding
        QCOMPARE(w->flightCase().PressureAltitude, static_cast<float>(500 / 0.3048));
        store.sync();
        QCOMPARE(store.value("Temp").toString(), QString("75"));
        QCOMPARE(store.value("Altitude").toString(), QString::fromStdString(FullPrecision(float(500 / 0.3048))));
        QVERIFY(fx.messages.isEmpty());

        // On a full disk the choice still shows, the stored file stays whole
        // and the flier is told.
        QFile stored(fx.settingsFile());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray before = stored.readAll();
        stored.close();
        {
            FullDisk full;
            choose("Imperial1");
        }
        QCOMPARE(field("LineDia")->text(), QString("0.015"));
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY2(fx.messages[0].text.contains("File too large"), qPrintable(fx.messages[0].text));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), before);
        stored.close();
        fx.messages.clear();

        // A stored choice that is neither is reported, and imperial shown.
        w.reset();
        store.setValue("Units", "Furlongs");
        store.sync();
        w = std::make_unique<MainWindow>();
        QVERIFY(w->findChild<QAction *>("Imperial1")->isChecked());
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages[0].text.contains("'Furlongs' is neither Imperial nor Metric"));
    }

    void what_if_reads_and_writes_the_line_length_in_metres()
    {
        choose("Metric1");
        QLineEdit *lap = field("WfLapTime"), *line = field("WfLineLength");
        retype(lap, "5");
        QTest::keyClick(lap, Qt::Key_Return);
        QCOMPARE(line->text(), QString("18.07"));  // 59.27 ft
        retype(line, "17.68");
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(lap->text(), QString("4.9"));
        retype(line, "20");
        choose("Imperial1");
        QCOMPARE(line->text(), QString("65.62"));  // the same length, in feet
        QCOMPARE(lap->text(), QString("4.9"));
    }
};

TETHRIX_UI_TEST_MAIN(UnitsTest)
#include "UnitsTest.moc"

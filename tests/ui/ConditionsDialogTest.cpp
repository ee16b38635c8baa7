// The conditions dialog as a flier uses it: Save stores and takes over,
// Fill, Defaults and Cancel, and texts it cannot store.
#include "ui/ConditionsDialog.h"
#include "ui/MainWindow.h"
#include "tests/ui/UiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

class ConditionsDialogTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<MainWindow> w;

    // Runs the conditions dialog, doing what act says once it shows.
    void withDialog(std::function<void(ConditionsDialog &)> act)
    {
        QTimer::singleShot(0, this, [act] {
            QVERIFY(OpenConditionsDialog != nullptr);
            act(*OpenConditionsDialog);
            if (OpenConditionsDialog && OpenConditionsDialog->isVisible())
                OpenConditionsDialog->reject();
        });
        // Should a check above fail, the dialog must still close.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, this, [] {
            if (OpenConditionsDialog != nullptr)
                OpenConditionsDialog->reject();
        });
        guard.start(10000);
        w->EditConditions();
    }

private slots:
    void init() { w = fx.start(false); }
    void cleanup() { w.reset(); }

    void dialog_save_stores_and_takes_over()
    {
        withDialog([](ConditionsDialog &d) {
            QCOMPARE(d.windowTitle(), QString("Advanced Input Data"));
            QCOMPARE(d.findChild<QLineEdit *>("ArmLngth")->text(), QString("18"));
            d.findChild<QLineEdit *>("Temprature")->setText("90");
            d.findChild<QLineEdit *>("Preasure")->setText("1.2E4");
            QCOMPARE(d.findChild<QLineEdit *>("PullMultiple")->text(), QString("10"));
            d.findChild<QLineEdit *>("PullMultiple")->setText("8");
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        QCOMPARE(w->flightCase().Temperature, 90.0f);
        QCOMPARE(w->flightCase().PressureAltitude, 12000.0f);
        QCOMPARE(QSettings().value("Altitude").toString(), QString("1.2E4"));
        QCOMPARE(QSettings().value("PullMultiple").toString(), QString("8"));
        QVERIFY(w->findChild<QLabel *>("DensAltLbl")->text().contains("1.6"));  // recalculated
        QCOMPARE(w->findChild<QLabel *>("PullTestLbl")->text(), QString("Pull Test = 21 pounds, 2.61 x Line Tension"));
        w.reset();
        w = std::make_unique<MainWindow>();
        QCOMPARE(w->flightCase().Temperature, 90.0f);
        QCOMPARE(w->flightCase().PullMultiple, 8.0f);
    }

    // The field's elevation and altimeter setting fill the pressure altitude,
    // which Save then stores as if typed; a bad setting is reported.
    void dialog_fills_the_pressure_altitude_from_the_field()
    {
        withDialog([this](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("FieldElevation")->setText("1165");
            d.findChild<QLineEdit *>("AltimeterSetting")->setText("0");
            QTest::mouseClick(d.findChild<QPushButton *>("FillAltitude"), Qt::LeftButton);
            QCOMPARE(fx.messages.size(), 1);
            QCOMPARE(fx.messages[0].text, QString("The altimeter setting must be more than 0."));
            QCOMPARE(d.findChild<QLineEdit *>("Preasure")->text(), QString("100"));
            // hPa typed where in/Hg is asked: filled, and said.
            QLabel *note = d.findChild<QLabel *>("AltimeterNote");
            d.findChild<QLineEdit *>("AltimeterSetting")->setText("1013");
            QTest::mouseClick(d.findChild<QPushButton *>("FillAltitude"), Qt::LeftButton);
            QVERIFY(note->isVisibleTo(&d));
            QVERIFY2(note->text().endsWith("It reads like hPa; this field takes in/Hg."), qPrintable(note->text()));
            d.findChild<QLineEdit *>("AltimeterSetting")->setText("30.10");
            QTest::mouseClick(d.findChild<QPushButton *>("FillAltitude"), Qt::LeftButton);
            QCOMPARE(d.findChild<QLineEdit *>("Preasure")->text(), QString("1000.09"));
            QVERIFY(!note->isVisibleTo(&d));
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        QCOMPARE(w->flightCase().PressureAltitude, 1000.09f);
        QCOMPARE(QSettings().value("Altitude").toString(), QString("1000.09"));
    }

    // A text too long to be read back is stored as the value it stands for.
    void dialog_save_of_a_very_long_text_reads_back_at_the_next_start()
    {
        withDialog([](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("ArmLngth")->setText(QString(5000, '0') + "21.5");
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        QCOMPARE(QSettings().value("ArmLngth").toString(), QString("21.5"));
        w.reset();
        w = std::make_unique<MainWindow>();
        QCOMPARE(w->flightCase().ArmLength, 21.5f);
        QVERIFY(fx.messages.isEmpty());
    }

    void dialog_save_with_a_bad_text_stores_nothing_and_stays_open()
    {
        withDialog([this](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("HndlAngl")->setText("5");
            d.findChild<QLineEdit *>("Temprature")->setText("warm");
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(fx.messages.size(), 1);
            QCOMPARE(fx.messages[0].text, QString("'warm' is not a valid floating point value."));
            QCOMPARE(w->flightCase().HandleAngle, 0.0f);
            QTest::keyClick(d.findChild<QLineEdit *>("WindSpeed"), Qt::Key_F1);
        });
        QCOMPARE(QSettings().value("Temp").toString(), QString("75"));
        QCOMPARE(fx.helpTopics, QList<int>{HelpAdvanced});
        QCOMPARE(fx.helpSections, QStringList{"WindSpeed"});
    }

    // Two windows: each saves what its own dialog changed and keeps what the
    // other saved since; the window that finds the other's value says so and
    // takes it over.
    void two_windows_keep_each_others_conditions()
    {
        auto other = std::make_unique<MainWindow>();
        std::swap(w, other);
        withDialog([](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("Humidity")->setText("33");
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        std::swap(w, other);
        withDialog([](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("Temprature")->setText("61");
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        QCOMPARE(QSettings().value("Humidity").toString(), QString("33"));
        QCOMPARE(QSettings().value("Temp").toString(), QString("61"));
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("Another Tethrix window saved Relative Humidity 33 percent since this "
                                              "one read the settings: that is kept, and in force here too."));
        QCOMPARE(w->flightCase().Humidity, 33.0f);
        QCOMPARE(w->flightCase().Temperature, 61.0f);
        // Defaults then Save means every condition, the other's too.
        std::swap(w, other);
        withDialog([](ConditionsDialog &d) {
            QTest::mouseClick(d.findChild<QPushButton *>("DefaultsBtn"), Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        QCOMPARE(QSettings().value("Temp").toString(), QString("75"));
        QCOMPARE(QSettings().value("Humidity").toString(), QString("50"));
        QCOMPARE(fx.messages.size(), 1);
    }

    // Conditions no start could calculate are refused like a bad text, with
    // the reason, and nothing is stored; those the airplane in the window
    // already fails under are no reason to refuse.
    void conditions_that_cannot_be_calculated_are_not_stored()
    {
        withDialog([this](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("FieldElevation")->setText("1e38");
            d.findChild<QLineEdit *>("AltimeterSetting")->setText("29.92");
            QTest::mouseClick(d.findChild<QPushButton *>("FillAltitude"), Qt::LeftButton);
            QCOMPARE(d.findChild<QLineEdit *>("Preasure")->text(), QString("1E38"));
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(fx.messages.size(), 1);
            QCOMPARE(fx.messages[0].text, QString("The pressure altitude lies outside the atmosphere the program can "
                                                  "model. These flying conditions are not saved."));
            QCOMPARE(fx.messages[0].informative, QString("A sensible Preasure Altitude is -1000 to 15000 feet."));
        });
        QCOMPARE(QSettings().value("Altitude").toString(), QString("100"));
        QCOMPARE(w->flightCase().PressureAltitude, 100.0f);
        w->flightCase().LapTime = 0;  // the airplane fails whatever the conditions
        fx.messages.clear();
        withDialog([](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("Temprature")->setText("80");
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        QCOMPARE(QSettings().value("Temp").toString(), QString("80"));
        QCOMPARE(fx.messages.size(), 1);  // the window's own fault, said once
        QCOMPARE(fx.messages[0].text, QString("Floating point division by zero."));
    }

    void dialog_defaults_then_cancel_recalculates_but_keeps_the_store()
    {
        w->flightCase().ArmLength = 30;
        withDialog([](ConditionsDialog &d) {
            QCOMPARE(d.findChild<QLineEdit *>("ArmLngth")->text(), QString("30"));
            QTest::mouseClick(d.findChild<QPushButton *>("DefaultsBtn"), Qt::LeftButton);
            QCOMPARE(d.findChild<QLineEdit *>("ArmLngth")->text(), QString("18"));
            QTest::keyClick(d.findChild<QLineEdit *>("ArmLngth"), Qt::Key_Escape);
            QVERIFY(d.isVisible());  // Escape does nothing of its own
            QTest::mouseClick(d.findChild<QPushButton *>("ClxclBtn"), Qt::LeftButton);
        });
        QCOMPARE(w->flightCase().ArmLength, 18.0f);
        QCOMPARE(qRound(w->lapSpeed() * 100), 5436);
    }

    // Every operation that changes texts leaves each field, What-If field,
    // figure and the conditions line showing what the core holds; Defaults
    // and Open change only their own fields.
    void the_window_shows_the_cores_texts_after_every_operation()
    {
        const auto agree = [this](const char *after) {
            const CaseEditor &core = w->caseEditor();
            const auto same = [after](const QString &shown, const std::string &held, const char *what) {
                QVERIFY2(shown == QString::fromStdString(held),
                         qPrintable(QString("after %1, %2 shows '%3', the core holds '%4'")
                                        .arg(after, what, shown, QString::fromStdString(held))));
            };
            for (int i = 0; i < FirstConditionKey; ++i)
                same(w->findChild<QLineEdit *>(InputKeys[i].fieldName)->text(), core.Text(InputKeys[i]),
                     InputKeys[i].fieldName);
            same(w->findChild<QLineEdit *>("WfLapTime")->text(), core.WhatIfText(WhatIfField::LapTime), "WfLapTime");
            same(w->findChild<QLineEdit *>("WfLineLength")->text(), core.WhatIfText(WhatIfField::LineLength),
                 "WfLineLength");
            for (const ShownFigure &f : core.Figures())
                same(w->findChild<QLabel *>(f.info->labelName)->text(), f.text, f.info->labelName);
            same(w->findChild<QLabel *>("ConditionsLine")->text(),
                 "Flying conditions: " + core.ConditionsSummary(), "ConditionsLine");
        };
        QTemporaryDir files;
        const QString lt = files.filePath("lt.TQD"), heavy = files.filePath("Heavy.TQD");
        for (const auto &[path, bytes] : {std::pair{lt, QByteArray("lt=5.25")}, {heavy, "an=Heavy\nwt=56\n"}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        Retype(w->findChild<QLineEdit *>("Weight"), "x");
        Retype(w->findChild<QLineEdit *>("WfLapTime"), "7");
        withDialog([](ConditionsDialog &d) {
            QTest::mouseClick(d.findChild<QPushButton *>("DefaultsBtn"), Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton *>("ClxclBtn"), Qt::LeftButton);
        });
        agree("Defaults");
        QCOMPARE(w->findChild<QLineEdit *>("Weight")->text(), QString("x"));
        QTest::keyClick(w->findChild<QLineEdit *>("WfLapTime"), Qt::Key_Return);
        QCOMPARE(w->findChild<QLineEdit *>("WfLineLength")->text(), QString("84.66"));
        fx.nextOpen = lt;
        w->Open();
        agree("Open");
        QCOMPARE(w->findChild<QLineEdit *>("Weight")->text(), QString("x"));  // the file has no weight
        QCOMPARE(w->findChild<QLineEdit *>("WfLineLength")->text(), QString("84.66"));  // nor a line length
        fx.nextSave = files.filePath("Saved.TQD");
        w->Save();
        agree("Save");
        w->SetUnits(DisplayUnits::Metric);
        agree("Metric");
        w->SetUnits(DisplayUnits::Imperial);
        agree("Imperial");
        w->KeepAsA();
        agree("Keep as A");
        fx.nextOpen = heavy;
        w->OpenA();
        agree("Open A");
        w->ClearA();
        agree("Clear A");
        withDialog([](ConditionsDialog &d) {
            d.findChild<QLineEdit *>("WindSpeed")->setText("5");
            QTest::mouseClick(d.findChild<QPushButton *>("SaveBtn"), Qt::LeftButton);
        });
        agree("the dialog's Save");
        w->OpenRecent(1);
        agree("a recent file");
        QCOMPARE(w->flightCase().LapTime, 5.25f);
    }
};

TETHRIX_UI_TEST_MAIN(ConditionsDialogTest)
#include "ConditionsDialogTest.moc"

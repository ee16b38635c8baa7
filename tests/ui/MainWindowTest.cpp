// The main window driven as a flier drives it: typing, Enter, F1.
#include "ui/ConditionsDialog.h"
#include "ui/HeadingColours.h"
#include "ui/LapTimerDialog.h"
#include "numbers/Convert.h"
#include "ui/MainWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/WindowLanguage.h"

#include <QApplication>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QDir>
#include <QFrame>
#include <QScrollArea>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QClipboard>
#include <QMenu>
#include <QTemporaryDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>

class MainWindowTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<MainWindow> w;

    QLineEdit *field(const char *name) { return w->findChild<QLineEdit *>(name); }
    QLabel *label(const char *name) { return w->findChild<QLabel *>(name); }
    QColor heading() { return label("Label2")->palette().color(QPalette::WindowText); }
    QStringList resultTexts()
    {
        QStringList t;
        for (const char *n : {"LeadOutPosLabel", "TensionLabel", "WngLoadLabel", "GndSpeedLabel", "RadiusLabel",
                              "LineProjctLabel", "LineWeightLabel", "LineRnLabel", "LineDrgAreaLabel",
                              "DensAltLbl", "AirPressureLbl"})
            t << label(n)->text();
        return t;
    }
    void retype(const char *name, const QString &text) { Retype(field(name), text); }
    const QColor red{255, 0, 0}, green{0, 128, 0};

private slots:
    void init()
    {
        w = fx.start();
        QVERIFY(w->isActiveWindow());
    }
    void cleanup() { w.reset(); }

    void first_start_shows_the_defaults_and_current_results()
    {
        const char *names[] = {"AcName", "NumLines", "LineDia", "LineLength", "WingLength",
                               "HndlLngth", "Weight", "LapTime", "WingArea", "WfLapTime", "WfLineLength"};
        const char *texts[] = {"Ringcruiser", "2", "0.015", "58", "25.5", "7", "42", "4.9", "512", "4.9", "58"};
        for (int i = 0; i < 11; ++i)
            QCOMPARE(field(names[i])->text(), QString(texts[i]));
        QCOMPARE(heading(), green);
        QCOMPARE(label("WngLoadLabel")->text(), QString("Wing Loading = 11.81 oz/sq ft."));
        QCOMPARE(label("LineRnLabel")->text(), QString("Line RN at WT = 580.9"));
        QCOMPARE(label("GndSpeedLabel")->text(), QString("Ground Speed = 53.02 mph"));
        QCOMPARE(qRound(w->lapSpeed() * 100), 5436);
        QCOMPARE(label("LapSpeedLbl")->text(), QString("Lap Speed = 54.36 mph"));  // beside Ground Speed's circle
        QVERIFY(fx.messages.isEmpty());
        QCOMPARE(w->windowTitle(), QString("Tethrix"));
        QCOMPARE(label("Label1")->text(), QString("Input Data"));
    }

    // On a dark desktop every heading reads at 4.5:1 or better and keeps its
    // hue; the light palette keeps the classic colours. Stale has words too.
    void headings_read_on_dark_palettes_and_stale_figures_say_so()
    {
        QCOMPARE(label("Label2")->toolTip(), QString());
        retype("LapTime", "4.2");
        QCOMPARE(label("Label2")->toolTip(), QString(StaleCue));
        QCOMPARE(label("Label2")->accessibleDescription(), QString(StaleCue));
        struct Restore {
            QPalette light = QApplication::palette();
            ~Restore()
            {
                QApplication::setPalette(light);
                QCoreApplication::processEvents();
            }
        } restore;
        const QPalette light = restore.light;
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();  // the widgets hear of it through the event loop
        const auto colour = [&](const char *name) { return label(name)->palette().color(QPalette::WindowText); };
        for (bool current : {false, true}) {
            if (current)
                QTest::keyClick(field("LapTime"), Qt::Key_Return);
            for (const char *name : {"Label1", "Label2", "Label15"}) {
                const QPalette p = label(name)->parentWidget()->palette();  // what is painted behind it
                QVERIFY2(headings::Contrast(colour(name), p.color(QPalette::Window)) >= 4.5,
                         qPrintable(QString("%1 %2 on %3").arg(name, colour(name).name(), p.color(QPalette::Window).name())));
            }
            QCOMPARE(colour("Label2").hslHue(), current ? 120 : 0);
            QCOMPARE(colour("Label1").hslHue(), 0);
        }
        QCOMPARE(label("Label2")->toolTip(), QString());
        SaveShot(*w, "window-dark.png");
        QApplication::setPalette(light);
        QCoreApplication::processEvents();
        QCOMPARE(heading(), green);
        QCOMPARE(colour("Label1"), QColor(128, 0, 0));
    }

    void typing_turns_the_heading_red_and_enter_recalculates()
    {
        retype("LapTime", "4.2");
        QCOMPARE(heading(), red);
        QCOMPARE(w->flightCase().LapTime, 4.2f);
        QCOMPARE(field("WfLapTime")->text(), QString("4.2"));
        const QString before = label("GndSpeedLabel")->text();
        QTest::keyClick(field("LapTime"), Qt::Key_Return);
        QCOMPARE(heading(), green);
        QVERIFY(label("GndSpeedLabel")->text() != before);
        QCOMPARE(field("LapTime")->text(), QString("4.2"));  // Enter was consumed

        const QStringList once = resultTexts();
        QTest::keyClick(field("Weight"), Qt::Key_Enter);
        QCOMPARE(resultTexts(), once);
        for (const QString &t : once)
            QCOMPARE(t.count(" = "), 1);
    }

    void heading_turns_red_on_every_change_of_a_text_and_only_then()
    {
        QLineEdit *length = field("LineLength");
        QApplication::clipboard()->setText("6");
        // Each way of changing the text, from a field showing 58 with the
        // caret at its end; X11 sends Delete and Backspace with a text.
        const QList<QPair<const char *, std::function<void()>>> changes = {
            {"letter", [&] { QTest::keyClick(length, Qt::Key_A); }},
            {"space", [&] { QTest::keyClick(length, Qt::Key_Space); }},
            {"Backspace", [&] { QTest::sendKeyEvent(QTest::Click, length, Qt::Key_Backspace, QChar(8), {}); }},
            {"Delete", [&] { length->home(false); QTest::sendKeyEvent(QTest::Click, length, Qt::Key_Delete, QChar(0x7f), {}); }},
            {"paste", [&] { QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier); }},
            {"menu paste", [&] { length->paste(); }},
            {"cut", [&] { length->selectAll(); QTest::keyClick(length, Qt::Key_X, Qt::ControlModifier); }},
            {"undo", [&] { QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier); }},
            {"spin arrow", [&] { QTest::keyClick(field("NumLines"), Qt::Key_Down); }},
        };
        for (const auto &[what, change] : changes) {
            length->setFocus();
            length->end(false);
            QTest::keyClick(length, Qt::Key_Return);
            // A field left unreadable or empty keeps its value, and the
            // figures then do not belong to what it shows.
            const bool readable = ParseNumber(length->text().toStdString(), MainWindow::DecimalSeparator()).has_value();
            QCOMPARE(heading(), readable ? green : red);
            const QString before = length->text() + field("NumLines")->text();
            change();
            QVERIFY2(length->text() + field("NumLines")->text() != before, what);
            QVERIFY2(heading() == red, what);
        }
        // Keys that change no text leave the colour as it is.
        length->setText("58");
        QTest::keyClick(length, Qt::Key_Return);
        for (Qt::Key k : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Shift, Qt::Key_Meta, Qt::Key_F1,
                          Qt::Key_PageDown, Qt::Key_Escape, Qt::Key_Tab}) {
            length->setFocus();
            QTest::keyClick(length, k);
            QVERIFY2(heading() == green, qPrintable(QKeySequence(k).toString()));
        }
        QCOMPARE(fx.helpTopics, QList<int>{HelpMainInputs});
        QCOMPARE(fx.helpSections, QStringList{"LineLength"});  // that field's own section
        QCOMPARE(length->text(), QString("58"));
    }

    void program_texts_follow_the_recalculation_that_comes_after_them()
    {
        QTemporaryDir dir;
        QFile good(dir.path() + "/good.TQD"), bad(dir.path() + "/bad.TQD");
        QVERIFY(good.open(QIODevice::WriteOnly) && good.write("lt=5\r\nll=60\r\n") > 0);
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("lt=0\r\n") > 0);
        good.close();
        bad.close();
        fx.nextOpen = good.fileName();
        w->Open();
        QCOMPARE(heading(), green);
        QCOMPARE(label("RadiusLabel")->text(), QString("Flight Radius = 64.21 feet"));
        fx.nextSave = dir.path() + "/Renamed.TQD";
        w->Save();
        QCOMPARE(field("AcName")->text(), QString("Renamed"));
        QCOMPARE(heading(), green);  // the name changes no figure
        fx.nextOpen = bad.fileName();
        w->findChild<QAction *>("Open1")->trigger();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(heading(), red);  // a lap time of 0 shown beside figures for 5
    }

    void invalid_text_is_reported_and_the_old_value_kept()
    {
        retype("Weight", "x");
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].title, QString("Tethrix"));
        QCOMPARE(fx.messages[0].text, QString("'x' is not a valid floating point value."));
        QCOMPARE(fx.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(fx.messages[0].informative, QString("Airplane Weight takes a number, such as 42."));
        QCOMPARE(w->flightCase().Weight, 42.0f);
        QCOMPARE(field("Weight")->text(), QString("x"));
        QTest::keyClick(field("Weight"), Qt::Key_Return);
        QCOMPARE(label("WngLoadLabel")->text(), QString("Wing Loading = 11.81 oz/sq ft."));

        retype("LapTime", "");  // empty keeps the previous lap time
        QTest::keyClick(field("LapTime"), Qt::Key_Return);
        QCOMPARE(w->flightCase().LapTime, 4.9f);
        retype("LineDia", ".");
        QCOMPARE(w->flightCase().LineDiameter, 0.0f);
        fx.messages.clear();
        field("WingArea")->setText("1E39");  // does not fit single precision
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(w->flightCase().WingArea, 512.0f);
    }

    void lap_time_zero_leaves_every_label_as_it_was()
    {
        const QStringList before = resultTexts();
        const float lapSpeed = w->lapSpeed();
        retype("LapTime", "0");
        QTest::keyClick(field("LapTime"), Qt::Key_Return);
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("Floating point division by zero."));
        QCOMPARE(fx.messages[0].informative, QString("Lap Time must be more than 0 seconds."));
        QCOMPARE(resultTexts(), before);
        QCOMPARE(w->lapSpeed(), lapSpeed);
        QCOMPARE(heading(), red);
    }

    void wing_area_zero_faults_after_the_labels_before_wing_loading()
    {
        const QStringList before = resultTexts();
        retype("WingArea", "0");
        retype("Weight", "48");
        QTest::keyClick(field("Weight"), Qt::Key_Return);
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("Floating point division by zero."));
        QCOMPARE(fx.messages[0].informative, QString("Wing Area must be more than 0 square inches."));
        const QStringList after = resultTexts();
        QVERIFY(after[1] != before[1]);   // line tension was rewritten (heavier)
        QCOMPARE(after[2], before[2]);    // wing loading
        QCOMPARE(after[9], before[9]);    // density altitude comes after it
        QCOMPARE(heading(), red);
    }

    // An input with no physical meaning is calculated, with a line under
    // the figures that goes with them, and never a box.
    void notes_on_inputs_stand_under_the_figures_they_belong_to()
    {
        auto *notes = w->findChild<QLabel *>("InputNotes");
        QVERIFY(notes && notes->isHidden());
        retype("LineDia", "0");
        field("Weight")->setText("-3");
        QTest::keyClick(field("Weight"), Qt::Key_Return);
        QVERIFY(fx.messages.isEmpty());
        QVERIFY(notes->isVisible());
        QVERIFY(notes->text().startsWith("Line Diameter is 0 inches, outside"));
        QVERIFY(notes->text().contains("\nAirplane Weight is -3 ounces, which has no physical meaning."));
        w->findChild<QAction *>("Metric1")->trigger();
        QVERIFY(notes->text().contains("Airplane Weight is -85.0486 g"));
        retype("LineDia", "0.4");
        retype("Weight", "1190");
        QVERIFY(notes->isVisible());  // still the figures' inputs until Enter
        QTest::keyClick(field("Weight"), Qt::Key_Return);
        QVERIFY(notes->isHidden());
    }

    void engine_errors_reach_the_error_box()
    {
        w->flightCase().Temperature = -500;
        QTest::keyClick(field("LineLength"), Qt::Key_Return);
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages[0].text.contains("absolute zero"));
        QVERIFY(fx.messages[0].text.endsWith('.'));
    }

    void what_if_converts_lap_time_and_line_length()
    {
        QLineEdit *lap = field("WfLapTime"), *line = field("WfLineLength");
        lap->setFocus();
        lap->selectAll();
        QTest::keyClicks(lap, "5");
        QTest::keyClick(lap, Qt::Key_Return);
        QCOMPARE(line->text(), QString("59.27"));
        line->selectAll();
        QTest::keyClicks(line, "58");
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(lap->text(), QString("4.9"));
        QCOMPARE(heading(), green);

        lap->clear();
        QTest::keyClick(lap, Qt::Key_Return);
        QCOMPARE(line->text(), QString("58"));
        QTest::keyClick(line, Qt::Key_F1);
        QCOMPARE(fx.helpTopics, QList<int>{3});

        lap->setText("z");
        QTest::keyClick(lap, Qt::Key_Return);
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("'z' is not a valid floating point value."));
        QCOMPARE(line->text(), QString("58"));
    }

    // Advanced > Lap Timer...: Space at each pass, on the dialog's clock. A
    // pass left untapped and a double tap are marked and left out; the mean
    // goes into Lap Time as if typed, and the figures are those of typing it.
    void lap_timer_space_taps_the_mean_into_lap_time()
    {
        const auto advanced = w->findChild<QMenu *>("Advanced1")->actions();
        QAction *item = w->findChild<QAction *>("LapTimer1");
        QCOMPARE(advanced.indexOf(item), advanced.indexOf(w->findChild<QAction *>("Charts1")) + 1);
        QCOMPARE(item->text(), QString("&Lap Timer..."));
        item->trigger();
        auto *timer = w->findChild<LapTimerDialog *>("LapTimer");
        QVERIFY(timer != nullptr && timer->isVisible());
        QTRY_VERIFY(timer->isActiveWindow());  // Space is its shortcut there
        auto *use = timer->findChild<QPushButton *>("UseLapTime");
        double now = 0;
        timer->clock = [&now] { return now; };
        for (double t : {0.0, 5.08, 10.22, 20.41, 25.49, 25.9}) {
            now = t;
            QTest::keyClick(timer, Qt::Key_Space);
        }
        QVERIFY(use->isEnabled());  // three laps counted
        for (double t : {30.62, 35.7}) {
            now = t;
            QTest::keyClick(timer, Qt::Key_Space);
        }
        QStringList lines;
        auto *list = timer->findChild<QListWidget *>("LapTimes");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        QCOMPARE(lines, QStringList({"Lap 7: 5.08 s", "Lap 6: 5.13 s", "Lap 5: 0.41 s (double tap, left out)",
                                     "Lap 4: 5.08 s", "Lap 3: 10.19 s (missed tap, left out)", "Lap 2: 5.14 s",
                                     "Lap 1: 5.08 s"}));
        QCOMPARE(timer->findChild<QLabel *>("LapSummary")->text(),
                 QString("Last lap 5.08 s. Mean of the last 5: 5.102 s, spread 0.06 s."));

        use->click();
        QCOMPARE(field("LapTime")->text(), QString("5.102"));
        QCOMPARE(heading(), green);
        const QStringList timed = resultTexts();
        retype("LapTime", "5.102");
        QTest::keyClick(field("LapTime"), Qt::Key_Return);
        QCOMPARE(resultTexts(), timed);
        QVERIFY(fx.messages.isEmpty());

        // Start Again: nothing to use until three laps are counted again.
        timer->findChild<QPushButton *>("StartAgain")->click();
        QVERIFY(!use->isEnabled());
        QCOMPARE(list->count(), 0);
    }

    void spin_field_clears_to_one_and_clamps_on_leaving()
    {
        QLineEdit *lines = field("NumLines");
        lines->setFocus();
        lines->selectAll();
        QTest::keyClick(lines, Qt::Key_Delete);
        QCOMPARE(lines->text(), QString("1"));
        QCOMPARE(w->flightCase().NumLines, 1);
        lines->selectAll();
        QTest::keyClicks(lines, "7");
        QCOMPARE(w->flightCase().NumLines, 7);
        field("Weight")->setFocus();
        QCOMPARE(lines->text(), QString("3"));
        QCOMPARE(w->flightCase().NumLines, 3);
        lines->setFocus();
        QTest::keyClick(lines, Qt::Key_Return);
        QCOMPARE(heading(), green);
        QCOMPARE(label("LineDrgAreaLabel")->text(), QString("Line Drag Area = 8.445 sq/in"));
    }

    void comma_locale_reads_and_writes_commas()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        w = std::make_unique<MainWindow>();
        QCOMPARE(field("LineDia")->text(), QString("0,015"));
        QCOMPARE(w->findChild<QLabel *>("TensionLabel")->text(), QString("Line Tension = 8,042 pounds"));
        retype("LapTime", "4,5");
        QCOMPARE(w->flightCase().LapTime, 4.5f);
        field("LapTime")->setText("4.5");
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(w->flightCase().LapTime, 4.5f);
        QLocale::setDefault(QLocale::c());
    }

    void help_menu_asks_for_contents_and_about()
    {
        w->findChild<QAction *>("Contents1")->trigger();
        w->findChild<QAction *>("About1")->trigger();
        QCOMPARE(fx.helpTopics, (QList<int>{HelpContents, HelpAbout}));
        QCOMPARE(w->findChild<QMenu *>("File1")->title(), QString("&File"));
        QCOMPARE(w->findChild<QAction *>("Configure1")->text(), QString("&Data Entry"));
    }

    // Odd texts typed key by key into each main field, then Enter: what the
    // field shows, the error of the last key, the error of Enter and every
    // figure. The page's tests type the same table and compare with what
    // this writes to TETHRIX_ODD_TEXTS_OUT.
    void odd_texts_typed_into_each_field_give_what_the_page_gives()
    {
        QFile file(QStringLiteral(TETHRIX_TEST_DATA "/odd-texts.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject oddTexts = QJsonDocument::fromJson(file.readAll()).object();
        QJsonArray outcomes;
        for (const QJsonValue key : oddTexts["fields"].toArray()) {
            const InputKey &input = *FindInputKey(key.toString().toStdString());
            for (const QJsonValue text : oddTexts["texts"].toArray()) {
                w->ResetInputs();
                QLineEdit *e = field(input.fieldName);
                e->setFocus();
                e->selectAll();
                const QString typed = text.toString();
                if (typed.isEmpty())
                    QTest::keyClick(e, Qt::Key_Backspace);
                for (int c = 0; c < typed.size(); ++c) {
                    fx.messages.clear();
                    QTest::keyClicks(e, typed.mid(c, 1));
                }
                const QString typingError = fx.messages.isEmpty() ? QString() : fx.messages.last().text;
                fx.messages.clear();
                QTest::keyClick(e, Qt::Key_Return);
                QJsonArray figures;
                for (const FigureInfo &f : Figures)
                    figures.append(label(f.labelName)->text());
                const bool current = heading() == green;
                outcomes.append(QJsonObject{{"key", key}, {"text", typed}, {"shown", e->text()},
                                            {"typingError", typingError},
                                            {"enterError", fx.messages.isEmpty() ? QString() : fx.messages.last().text},
                                            {"figures", figures}, {"current", current},
                                            {"cue", current ? QString() : label("Label2")->toolTip()}});
                // The figures shown belong to the inputs exactly when Enter
                // found no fault and the field shows the value it read.
                const bool shownRead = input.field == nullptr || (typingError.isEmpty() && !e->text().isEmpty());
                QCOMPARE(current, fx.messages.isEmpty() && shownRead);
                // The cue names the field, in the window's language.
                if (const QString cue = label("Label2")->toolTip(); !shownRead && fx.messages.isEmpty())
                    QVERIFY2(CurrentLanguage() == "en"
                                 ? cue.startsWith(QString(input.caption) + (typed.isEmpty() ? " is empty" : " shows '"))
                                 : cue.startsWith(Said(input.caption)),
                             qPrintable(cue));
            }
        }
        QCOMPARE(outcomes.size(), oddTexts["fields"].toArray().size() * oddTexts["texts"].toArray().size());
        if (const QByteArray out = qgetenv("TETHRIX_ODD_TEXTS_OUT"); !out.isEmpty()) {
            QFile file(QString::fromLocal8Bit(out));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QJsonDocument(outcomes).toJson());
        }
    }
};

TETHRIX_UI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"

// The printed page: every row on its grid, and a real print from the window.
#include "ui/MainWindow.h"
#include "report/ReportPage.h"
#include "tests/ui/UiTestSupport.h"
#include <QLabel>
#include <QLineEdit>
#include "tests/FullDisk.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QTextItem>
#include <QPainter>
#include <QPrinter>
#include <QAction>
#include <QProcess>

// A paint target that records every piece of text drawn on it, where its
// top-left corner stands and in what font: what reaches the page, not what
// the layout code believes it drew.
class RecordingEngine : public QPaintEngine {
public:
    struct Text {
        QString text;
        QPointF baseline;
        QFont font;
    };
    QList<Text> texts;
    bool begins = true, ends = true;  // false: a device that cannot start or finish the document
    bool begin(QPaintDevice *) override { return begins; }
    bool end() override { return ends; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override { texts.append({item.text(), p, item.font()}); }
    Type type() const override { return User; }
};

class RecordingPage : public QPaintDevice {
public:
    RecordingEngine engine;
    QPaintEngine *paintEngine() const override { return const_cast<RecordingEngine *>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 4960;  // A4 at 600 dpi
        case PdmHeight: return 7016;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 600;
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }
};

class ReportTest : public QObject {
    Q_OBJECT
    UiFixture fx;

    static ReportLines Sample()
    {
        ReportLines t;
        t.airplaneName = "Ringcruiser";
        t.numLines = 2;
        t.inputCaptions = {"Number of Lines", "Line Diameter", "Line Length (Eye to Eye)", "Inboard Wing Length",
                           "Handle/Leadout Length", "Airplane Weight", "Lap Time", "Wing Area"};
        t.inputTexts = {"0.015", "58", "25.5", "7", "42", "", "512"};
        t.conditionTexts = {"18", "0", "0", "75", "1.2E4", "50", "10"};
        for (int i = 0; i < 11; ++i)
            t.resultTexts.push_back("Result " + std::to_string(i) + " = " + std::to_string(i));
        t.resultTexts.push_back("Leadout Rake = 1.5 degrees");
        for (const char *beside : {"Line Drag = 0.4 pounds", "Line Power = 28 watts (0.04 hp)", "Pull Test = 26 pounds"})
            t.resultTexts.push_back(beside);
        t.firstLineFigure = 5;
        std::tm printed{};
        printed.tm_year = 126, printed.tm_mon = 11, printed.tm_mday = 6, printed.tm_wday = 0;
        printed.tm_hour = 17, printed.tm_min = 20, printed.tm_sec = 4;
        t.printed = PrintedLine(printed);
        return t;
    }

    // The print dialog answers "print to this PDF file", on this page if one
    // is given.
    QString docName;
    void printTo(const QString &pdf, const QPageLayout &page = QPageLayout())
    {
        fx.print = [this, pdf, page](QPrinter *p) {
            docName = p->docName();  // what the dialog proposes the PDF file after
            if (page.isValid())
                p->setPageLayout(page);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return true;
        };
    }
    static QString PageText(const QString &pdf)
    {
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        return text.waitForFinished(10000) ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    }

private slots:
    void init() { fx.reset(); }

    void rows_stand_on_the_line_grid()
    {
        RecordingPage page;
        {
            QPainter painter(&page);
            DrawReport(painter, page.width(), Sample());
        }
        const auto &drawn = page.engine.texts;
        QFont title("Arial", 28);
        title.setBold(true);
        QFont body("Arial", 12);
        QFont bodyBold = body;
        bodyBold.setBold(true);
        const QFontMetrics titleMetrics(title, &page), bodyMetrics(body, &page), boldMetrics(bodyBold, &page);
        const int T = titleMetrics.height(), H = bodyMetrics.height(), Hb = boldMetrics.height();
        auto top = [&](int i) {
            const QFontMetrics m(drawn[i].font, &page);
            return qRound(drawn[i].baseline.y()) - m.ascent();
        };
        auto left = [&](int i) { return qRound(drawn[i].baseline.x()); };

        // Title, heading, 8 inputs, 6 conditions, heading, 11 results, then
        // what was added: 4 results and the pull test's condition; date
        // line and banner. The classic rows stand where they always have.
        const int addedConditions = ConditionKeyCount - ClassicConditionCount;
        QCOMPARE(drawn.size(), 1 + 1 + 8 + 6 + 1 + 11 + 4 + addedConditions + 2);
        QCOMPARE(drawn[0].text, QString("Ringcruiser"));
        QVERIFY(drawn[0].font.bold());
        QCOMPARE(drawn[0].font.pointSize(), 28);
        QCOMPARE(top(0), T);
        QCOMPARE(left(0), (page.width() - titleMetrics.horizontalAdvance("Ringcruiser")) / 2);
        QCOMPARE(drawn[1].text, QString("Input Data"));
        QCOMPARE(top(1), 4 * T);
        QCOMPARE(drawn[2].text, QString("Number of Lines = 2"));
        QCOMPARE(top(2), 4 * T + 2 * H);
        QCOMPARE(drawn[8].text, QString("Lap Time =  seconds"));  // an empty field: nothing between
        QCOMPARE(drawn[10].text, QString("Arm Length = 18 inches"));
        QCOMPARE(top(10), 4 * T + 11 * H);
        QCOMPARE(drawn[14].text, QString("Preasure Altitude = 1.2E4 feet"));
        QCOMPARE(top(15), 4 * T + 16 * H);  // the humidity, k = 16; 17 stays blank
        QCOMPARE(drawn[16].text, QString("Computed Data"));
        QVERIFY(drawn[16].font.bold());
        QCOMPARE(top(16), 4 * T + 16 * H + 2 * Hb);                // k = 18
        QCOMPARE(top(17), 4 * T + 18 * H + 2 * Hb);                // k = 20
        QCOMPARE(top(22), 4 * T + 24 * H + 2 * Hb);                // k = 26, the line figures
        QCOMPARE(drawn[27].text, QString("Result 10 = 10"));
        QCOMPARE(top(27), 4 * T + 29 * H + 2 * Hb);                // k = 31
        QVERIFY(drawn[28].text.startsWith("Leadout Rake = "));  // k = 33, a line below the classic page
        QCOMPARE(top(28), 4 * T + 31 * H + 2 * Hb);
        QVERIFY(drawn[29].text.startsWith("Line Drag = "));     // a line apart
        QCOMPARE(top(29), 4 * T + 33 * H + 2 * Hb);
        QCOMPARE(drawn[32].text, QString("Pull Test = 10 x weight"));  // a line apart again
        QCOMPARE(top(32), 4 * T + 37 * H + 2 * Hb);
        const int date = 32 + addedConditions;
        QCOMPARE(drawn[date].text, QString("Printed Sun Dec 06 17:20:04 2026"));
        QCOMPARE(top(date), 4 * T + (38 + addedConditions) * H + 2 * Hb);
        QCOMPARE(left(date), (page.width() - bodyMetrics.horizontalAdvance(drawn[date].text)) / 2);
        QVERIFY(drawn[date + 1].text.startsWith("***") && drawn[date + 1].text.endsWith("***"));
        QVERIFY(drawn[date + 1].text.contains("Tethrix"));
        QCOMPARE(top(date + 1), 4 * T + (42 + addedConditions) * H + 2 * Hb);
        for (int i = 1; i < 33; ++i) {
            QCOMPARE(left(i), 40);
            QCOMPARE(drawn[i].font.family(), QString("Arial"));
            QCOMPARE(drawn[i].font.pointSize(), 12);
        }
    }

    void a_document_not_started_or_not_finished_is_an_error()
    {
        for (const bool starts : {false, true}) {
            RecordingPage page;
            page.engine.begins = starts;
            page.engine.ends = false;
            try {
                PrintReport(page, Sample());
                QFAIL("no error");
            } catch (const std::runtime_error &e) {
                QCOMPARE(QString(e.what()), starts ? QString("The printer could not finish the document")
                                                   : QString("The printer could not start the document"));
            }
        }
    }

    void print_from_the_window_writes_the_page_and_cancel_does_nothing()
    {
        MainWindow w;
        int asked = 0;
        fx.print = [&](QPrinter *) { return ++asked, false; };
        w.findChild<QAction *>("Print1")->trigger();
        QCOMPARE(asked, 1);

        QTemporaryDir dir;
        const QString pdf = dir.path() + "/report.pdf";
        QString title;
        printTo(pdf, QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        w.findChild<QAction *>("Print1")->trigger();
        QVERIFY(fx.messages.isEmpty());
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(10000));
        const QByteArray about = info.readAllStandardOutput();
        QVERIFY(about.contains("Title:           Ringcruiser - Tethrix Print Job"));
        QVERIFY2(about.contains("Page size:       612 x 792 pts (letter)"), about.constData());  // the chosen page
        QCOMPARE(docName, QString("Ringcruiser - Tethrix Print Job"));
        const QString page = PageText(pdf);
        for (const char *line : {"Ringcruiser", "Input Data", "Number of Lines = 2", "Line Diameter = 0.015 inch",
                                 "Wing Area = 512 sq/in", "Relative Humidity = 50 Percent", "Computed Data",
                                 "Wing Loading = 11.81 oz/sq ft.", "Atmospheric Pressure = 29.81 in/Hg", "Printed "})
            QVERIFY2(page.contains(line), line);
        // A page too short for the report (landscape) takes all of it, smaller.
        printTo(dir.path() + "/wide.pdf", QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF()));
        w.findChild<QAction *>("Print1")->trigger();
        const QString wide = PageText(dir.path() + "/wide.pdf");
        QVERIFY2(wide.contains("Printed ") && wide.trimmed().endsWith("***"), qPrintable(wide.right(200)));

        // A page that cannot be produced is reported, not lost in silence.
        printTo(dir.path() + "/no/such/folder/report.pdf");
        w.findChild<QAction *>("Print1")->trigger();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].title, QString("Tethrix"));
        QCOMPARE(fx.messages[0].text,
                 "Cannot write the report " + dir.path() + "/no/such/folder/report.pdf: No such file or directory.");

        // On a full disk the old report stays whole and the flier is told.
        fx.messages.clear();
        printTo(pdf);
        {
            FullDisk full;
            w.findChild<QAction *>("Print1")->trigger();
        }
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, "Cannot write the report " + pdf + ": File too large.");
        QFile after(pdf);  // by name: a replaced file would show here
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
    }

    // The field's 70 characters print whole, the title set smaller.
    void a_name_of_seventy_characters_prints_whole()
    {
        MainWindow w;
        const QString name = "Nobler Mk III Twin-Boom Stunt Trainer with Flaps - Club Series W 1970s";
        QCOMPARE(name.size(), 70);
        QLineEdit *field = w.findChild<QLineEdit *>("AcName");
        field->setText(name);
        QTemporaryDir dir;
        printTo(dir.path() + "/long.pdf");
        w.findChild<QAction *>("Print1")->trigger();
        QVERIFY(fx.messages.isEmpty());
        QVERIFY2(PageText(dir.path() + "/long.pdf").simplified().contains(name), qPrintable(PageText(dir.path() + "/long.pdf")));
    }

    void print_brings_stale_figures_up_to_date_or_prints_nothing()
    {
        MainWindow w;
        w.show();
        QLineEdit *lap = w.findChild<QLineEdit *>("LapTime");
        QLabel *speed = w.findChild<QLabel *>("GndSpeedLabel");
        const QString before = speed->text();
        lap->selectAll();
        QTest::keyClicks(lap, "6.5");  // no Enter
        QTemporaryDir dir;
        const QString pdf = dir.path() + "/report.pdf";
        int asked = 0;
        fx.print = [&](QPrinter *p) {
            ++asked;
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return true;
        };
        w.findChild<QAction *>("Print1")->trigger();
        QVERIFY(fx.messages.isEmpty());
        QVERIFY(speed->text() != before);
        const QString page = PageText(pdf);
        QVERIFY(page.contains("Lap Time = 6.5 seconds"));
        QVERIFY2(page.contains(speed->text()), qPrintable(page));

        lap->selectAll();
        QTest::keyClicks(lap, "0");
        w.findChild<QAction *>("Print1")->trigger();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("Floating point division by zero."));
        QCOMPARE(asked, 1);  // no page, not even the print dialog
    }

    // Printed in metric from the window: every unit metric, the same figures.
    void metric_report_shows_the_window_in_metric()
    {
        MainWindow w;
        w.findChild<QAction *>("Metric1")->trigger();
        QTemporaryDir dir;
        const QString pdf = dir.path() + "/metric.pdf";
        printTo(pdf);
        w.findChild<QAction *>("Print1")->trigger();
        QVERIFY(fx.messages.isEmpty());
        const QString page = PageText(pdf);
        for (const char *line : {"Line Diameter = 0.381 mm", "Line Length (Eye to Eye) = 17.68 m",
                                 "Wing Area = 33.0322 dm²", "Arm Length = 457.2 mm", "Wind Speed = 0 km/h",
                                 "Temprature = 23.89 °C", "Preasure Altitude = 30.48 m", "Line Tension = 35.77 N",
                                 "Wing Loading = 36.05 g/dm²", "Line Drag Area = 36.32 cm²",
                                 "Atmospheric Pressure = 1010 hPa", "Leadout Rake = 1.884 degrees"})
            QVERIFY2(page.contains(QString::fromUtf8(line)), line);
        for (const char *imperial : {"inch", "feet", "ounces", "pounds", "mph", "in/Hg"})
            QVERIFY2(!page.contains(imperial), imperial);
        // With TETHRIX_SCREENSHOTS set, the page as a picture for the README.
        if (const QByteArray shots = qgetenv("TETHRIX_SCREENSHOTS"); !shots.isEmpty()) {
            QProcess png;
            png.start("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf,
                                   QString::fromLocal8Bit(shots) + "/report-metric"});
            QVERIFY(png.waitForFinished(10000) && png.exitCode() == 0);
        }
    }
};

TETHRIX_UI_TEST_MAIN(ReportTest)
#include "ReportTest.moc"

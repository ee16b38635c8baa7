// The printed page: every row on its grid, and a real print from the window.
#include "Main.h"
#include "Report.h"
#include "UiTestSupport.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QAction>
#include <QProcess>

class ReportTest : public QObject {
    Q_OBJECT
    UiFixture fx;

    static ReportTexts Sample()
    {
        ReportTexts t;
        t.airplaneName = "Ringcruiser";
        t.numLines = 2;
        t.inputCaptions = QStringList{"Number of Lines", "Line Diameter", "Line Length (Eye to Eye)",
                                      "Inboard Wing Length", "Handle/Leadout Length", "Airplane Weight",
                                      "Lap Time", "Wing Area"};
        t.inputTexts = QStringList{"0.015", "58", "25.5", "7", "42", "", "512"};
        t.conditionTexts = QStringList{"18", "0", "0", "75", "1.2E4", "50"};
        for (int i = 0; i < 11; ++i)
            t.resultTexts << QString("Result %1 = %2").arg(i).arg(i);
        t.printed = QDateTime(QDate(2026, 12, 6), QTime(17, 20, 4));
        return t;
    }

private slots:
    void init() { fx.reset(); }

    void rows_stand_on_the_line_grid()
    {
        QImage page(2480, 3508, QImage::Format_RGB32);  // A4 at 300 dpi
        page.setDotsPerMeterX(11811);
        page.setDotsPerMeterY(11811);
        QPainter painter(&page);
        const auto lines = DrawReport(painter, page.width(), Sample());
        QFont title("Arial", 28);
        title.setBold(true);
        QFont body("Arial", 12);
        const int T = QFontMetrics(title, &page).height();
        const int H = QFontMetrics(body, &page).height();
        QFont bodyBold = body;
        bodyBold.setBold(true);
        const int Hb = QFontMetrics(bodyBold, &page).height();

        QCOMPARE(lines.size(), 1 + 1 + 14 + 1 + 11 + 2);
        QCOMPARE(lines[0].text, QString("Ringcruiser"));
        QCOMPARE(lines[0].y, T);
        QCOMPARE(lines[0].x, (page.width() - QFontMetrics(title, &page).horizontalAdvance("Ringcruiser")) / 2);
        QCOMPARE(lines[1].text, QString("Input Data"));
        QCOMPARE(lines[1].y, 4 * T);
        QCOMPARE(lines[2].text, QString("Number of Lines = 2"));
        QCOMPARE(lines[2].y, 4 * T + 2 * H);
        QCOMPARE(lines[8].text, QString("Lap Time =  seconds"));  // empty field: nothing between
        QCOMPARE(lines[10].text, QString("Arm Length = 18 inches"));
        QCOMPARE(lines[10].y, 4 * T + 11 * H);
        QCOMPARE(lines[14].text, QString("Preasure Altitude = 1.2E4 feet"));
        QCOMPARE(lines[16].text, QString("Computed Data"));
        QCOMPARE(lines[16].y, 4 * T + 16 * H + 2 * Hb);
        QVERIFY(lines[16].bold);
        QCOMPARE(lines[17].y, 4 * T + 18 * H + 2 * Hb);
        QCOMPARE(lines[22].y, 4 * T + 24 * H + 2 * Hb);
        QCOMPARE(lines[28].text, QString("Printed Sun Dec 06 17:20:04 2026"));
        QCOMPARE(lines[28].y, 4 * T + 31 * H + 2 * Hb);
        QVERIFY(lines[29].text.startsWith("***") && lines[29].text.endsWith("***"));
        QVERIFY(lines[29].text.contains("Tethrix"));
        QCOMPARE(lines[29].y, 4 * T + 35 * H + 2 * Hb);
        for (const ReportLine &l : lines.mid(1, 27))
            if (!l.text.startsWith("Printed"))
                QCOMPARE(l.x, 40);
    }

    void print_from_the_window_writes_the_page_and_cancel_does_nothing()
    {
        TForm1 w;
        int asked = 0;
        fx.print = [&](QPrinter *) { return ++asked, false; };
        w.findChild<QAction *>("Print1")->trigger();
        QCOMPARE(asked, 1);

        QTemporaryDir dir;
        const QString pdf = dir.path() + "/report.pdf";
        QString title;
        fx.print = [&](QPrinter *p) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return true;
        };
        w.findChild<QAction *>("Print1")->trigger();
        QVERIFY(fx.messages.isEmpty());
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(10000));
        QVERIFY(info.readAllStandardOutput().contains("Tethrix Print Job"));
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(10000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *line : {"Ringcruiser", "Input Data", "Number of Lines = 2", "Line Diameter = 0.015 inch",
                                 "Wing Area = 512 sq/in", "Relative Humidity = 50 Percent", "Computed Data",
                                 "Wing Loading = 11.81 oz/sq ft.", "Atmospheric Pressure = 29.81 in/Hg", "Printed "})
            QVERIFY2(page.contains(line), line);

        // A page that cannot be produced is reported, not lost in silence.
        fx.print = [&](QPrinter *p) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(dir.path() + "/no/such/folder/report.pdf");
            return true;
        };
        w.findChild<QAction *>("Print1")->trigger();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].title, QString("Tethrix"));
        QVERIFY(fx.messages[0].text.contains("printer"));
    }
};

TETHRIX_UI_TEST_MAIN(ReportTest)
#include "ReportTest.moc"

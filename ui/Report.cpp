#include "Report.h"

#include "Convert.h"
#include "Figures.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <stdexcept>

namespace {

constexpr int LeftMargin = 40;  // device units, whatever the resolution
constexpr int TitlePoints = 28;
constexpr int BodyPoints = 12;

const char *const ConditionCaptions[6][2] = {
    {"Arm Length", " inches"}, {"Handle Angle", " deg"},       {"Wind Speed", " mph"},
    {"Temprature", " deg F"},  {"Preasure Altitude", " feet"}, {"Relative Humidity", " Percent"}};
const char *const InputUnits[7] = {" inch", " feet", " inches", " inches", " ounces", " seconds", " sq/in"};

}  // namespace

ReportTexts ReportTextsFor(const FlightCase &fc, const CalcEngine &engine, float groundSpeed, char sep)
{
    ReportTexts t;
    t.airplaneName = QString::fromStdString(fc.AcName);
    t.numLines = fc.NumLines < 1 ? 1 : fc.NumLines > 3 ? 3 : fc.NumLines;  // as the spin field shows it
    t.inputCaptions = QStringList{"Number of Lines", "Line Diameter", "Line Length (Eye to Eye)",
                                  "Inboard Wing Length", "Handle/Leadout Length", "Airplane Weight",
                                  "Lap Time", "Wing Area"};
    const float inputs[] = {fc.LineDia, fc.LineLength, fc.WingLength, fc.HndlLngth, fc.Weight, fc.LapTime};
    for (float v : inputs)
        t.inputTexts << QString::fromStdString(FormatNumber(v, 4, sep));
    t.inputTexts << QString::fromStdString(FormatNumber(fc.WingArea, 6, sep));
    const float conditions[] = {fc.ArmLngth, fc.HndlAngl, fc.WindSpeed, fc.Temprature, fc.Preasure, fc.Humidity};
    for (float v : conditions)
        t.conditionTexts << QString::fromStdString(FormatNumber(v, 4, sep));
    for (const FigureInfo &f : Figures)
        t.resultTexts << QString::fromStdString(FigureText(f, f.value(engine, fc, groundSpeed), sep));
    return t;
}

QString PrintedLine(const QDateTime &when)
{
    static const char *const Days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char *const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = when.date();
    const QTime t = when.time();
    return QString::asprintf("Printed %s %s %02d %02d:%02d:%02d %4d", Days[d.dayOfWeek() - 1], Months[d.month() - 1],
                             d.day(), t.hour(), t.minute(), t.second(), d.year());
}

void DrawReport(QPainter &painter, int pageWidth, const ReportTexts &texts)
{
    QFont font("Arial");
    auto setFont = [&](int points, bool bold) {
        font.setPointSize(points);
        font.setBold(bold);
        painter.setFont(font);
    };
    auto metrics = [&] { return QFontMetrics(painter.font(), painter.device()); };
    auto draw = [&](int x, int y, const QString &text) {
        painter.drawText(x, y + metrics().ascent(), text);  // x, y: the text's top-left corner
    };
    auto centred = [&](const QString &text) { return (pageWidth - metrics().horizontalAdvance(text)) / 2; };

    setFont(TitlePoints, true);
    const int T = metrics().height();
    draw(centred(texts.airplaneName), T, texts.airplaneName);

    setFont(BodyPoints, true);
    int y = 4 * T;
    int k = 0;
    draw(LeftMargin, y, texts.inputHeading);

    // Each row stands (k − previous k) line heights below the previous one,
    // with the height last measured.
    int H = 0;
    auto row = [&](int newK, const QString &text, bool centre = false) {
        y += (newK - k) * H;
        k = newK;
        draw(centre ? centred(text) : LeftMargin, y, text);
    };

    setFont(BodyPoints, false);
    const QString numLinesLine = texts.inputCaptions.value(0) + " = " + QString::number(texts.numLines);
    H = metrics().height();
    row(2, numLinesLine);
    for (int i = 0; i < 7; ++i)
        row(3 + i, texts.inputCaptions.value(i + 1) + " = " + texts.inputTexts.value(i) + InputUnits[i]);
    for (int i = 0; i < 6; ++i)
        row(11 + i, QString(ConditionCaptions[i][0]) + " = " + texts.conditionTexts.value(i) + ConditionCaptions[i][1]);

    setFont(BodyPoints, true);
    H = metrics().height();
    row(18, texts.resultHeading);

    setFont(BodyPoints, false);
    H = metrics().height();
    for (int i = 0; i < 5; ++i)
        row(20 + i, texts.resultTexts.value(i));
    H = metrics().height();
    for (int i = 5; i < 11; ++i)
        row(26 + i - 5, texts.resultTexts.value(i));

    row(33, PrintedLine(texts.printed), true);
    row(37, QStringLiteral("*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***"), true);
}

void PrintReport(QPagedPaintDevice &device, const ReportTexts &texts)
{
    if (auto *printer = dynamic_cast<QPrinter *>(&device))
        printer->setDocName("Tethrix Print Job");
    else if (auto *pdf = dynamic_cast<QPdfWriter *>(&device))
        pdf->setTitle("Tethrix Print Job");
    const int pageWidth = device.width();
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The printer could not start the document");
    try {
        DrawReport(painter, pageWidth, texts);
    } catch (...) {
        if (auto *printer = dynamic_cast<QPrinter *>(&device))
            printer->abort();
        painter.end();
        throw;
    }
    if (!painter.end())
        throw std::runtime_error("The printer could not finish the document");
}

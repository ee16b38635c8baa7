// Report: the one-page printed report, drawn by one piece of code for the
// printer and for the command line's PDF.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;

// What the page shows, as texts taken from the window (or built the same way).
struct ReportTexts {
    QString airplaneName;
    QString inputHeading = QStringLiteral("Input Data");
    QString resultHeading = QStringLiteral("Computed Data");
    int numLines = 0;
    QStringList inputCaptions;   // 8: Number of Lines … Wing Area
    QStringList inputTexts;      // 7: the edit fields' texts, Line Diameter … Wing Area
    QStringList conditionTexts;  // 6: arm length … humidity, four significant digits
    QStringList resultTexts;     // 11: the result labels, top to bottom
    QDateTime printed = QDateTime::currentDateTime();
};

struct FlightCase;
class CalcEngine;

// The texts the window shows for a solved case whose fields were all set
// from the flight case: four significant digits, the wing area six.
ReportTexts ReportTextsFor(const FlightCase &fc, const CalcEngine &engine, float groundSpeed, char decimalSeparator);

// "Printed Sun Dec 06 17:20:04 2026": English names whatever the locale.
QString PrintedLine(const QDateTime &when);

// Lays out and draws the page on an active painter whose device is pageWidth
// device units wide.
void DrawReport(QPainter &painter, int pageWidth, const ReportTexts &texts);

// Prints on a printer or PDF writer: document title "Tethrix Print Job".
// Throws std::runtime_error when the page cannot be produced; a failure
// after the document began aborts it.
void PrintReport(QPagedPaintDevice &device, const ReportTexts &texts);

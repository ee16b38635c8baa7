// LogChart: the trim log's chart, lap time measured and line tension of an
// airplane's flights against the date or the density altitude. Part of the
// charts module (libtethrix_charts), loaded when a log is first shown, so
// that the window does not load Qt Charts before.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

class QWidget;

struct LogChartData {
    QString title;                        // "Ringcruiser"
    QString xTitle;                       // "Density Altitude (feet)", or the date's
    bool dates = false;                   // x is a time: milliseconds since 1970 (UTC)
    QString lapTitle, tensionTitle;       // the two figures, with their units, for the legend
    QString lapUnit, tensionUnit;         // their scales' titles
    QList<QPointF> lapTimes, tensions;    // in the order of x; unknown values left out
    QString empty;                        // said over a chart with nothing to draw
};

struct LogChartModule {
    QWidget *(*create)(QWidget *parent);
    void (*show)(QWidget *chart, const LogChartData &data);
};

extern "C" const LogChartModule *TethrixLogChartModule();

#include "ui/LogChart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Each figure on its own scale, in the colour of its points, a little
// wider than what it shows; one value still gets a scale around it.
void Span(QAbstractAxis *axis, const QList<QPointF> &points, bool x)
{
    double lo = INFINITY, hi = -INFINITY;
    for (const QPointF &p : points) {
        lo = std::min(lo, x ? p.x() : p.y());
        hi = std::max(hi, x ? p.x() : p.y());
    }
    if (!(lo <= hi)) {
        lo = 0;
        hi = 1;
    }
    const double margin = hi > lo ? (hi - lo) * 0.08 : std::max(std::fabs(hi) * 0.05, x ? 3.6e6 : 0.5);
    if (auto *dates = qobject_cast<QDateTimeAxis *>(axis))
        dates->setRange(QDateTime::fromMSecsSinceEpoch(qint64(lo - margin)),
                        QDateTime::fromMSecsSinceEpoch(qint64(hi + margin)));
    else {
        auto *values = static_cast<QValueAxis *>(axis);
        values->setRange(lo - margin, hi + margin);
        values->applyNiceNumbers();  // ticks at round values
    }
}

class LogChartView : public QChartView {
public:
    explicit LogChartView(QWidget *parent) : QChartView(new QChart, parent)
    {
        setObjectName("LogChart");
        setRenderHint(QPainter::Antialiasing);
        setMinimumHeight(240);
    }

    void Show(const LogChartData &data)
    {
        // A chart of its own each time: the scales of the last one go with it.
        QChart *old = chart();
        auto *c = new QChart;
        c->legend()->setAlignment(Qt::AlignBottom);
        setChart(c);
        delete old;
        const bool dark = palette().color(QPalette::Window).lightness() < 128;
        c->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
        c->setTitle(data.lapTimes.isEmpty() && data.tensions.isEmpty() ? data.empty : data.title);
        QAbstractAxis *x = nullptr;
        if (data.dates) {
            auto *axis = new QDateTimeAxis;
            axis->setFormat(QStringLiteral("yyyy-MM-dd"));
            x = axis;
        } else {
            auto *axis = new QValueAxis;
            axis->setLabelFormat("%g");
            x = axis;
        }
        x->setTitleText(data.xTitle);
        c->addAxis(x, Qt::AlignBottom);
        QList<QPointF> all = data.lapTimes;
        all += data.tensions;
        Span(x, all, true);
        const struct {
            const QList<QPointF> &points;
            const QString &title, &unit;
            Qt::Alignment side;
        } figures[] = {{data.lapTimes, data.lapTitle, data.lapUnit, Qt::AlignLeft},
                       {data.tensions, data.tensionTitle, data.tensionUnit, Qt::AlignRight}};
        for (const auto &f : figures) {
            // Over the dates, one flight after another joined; over the
            // density altitude, points alone.
            QXYSeries *series = nullptr;
            if (data.dates) {
                series = new QLineSeries;
                series->setPointsVisible(true);
            } else {
                auto *points = new QScatterSeries;
                points->setMarkerSize(9);
                series = points;
            }
            series->setName(f.title);
            series->replace(f.points);
            c->addSeries(series);
            auto *scale = new QValueAxis;
            scale->setTitleText(f.unit);  // the legend names the figure
            scale->setLabelFormat("%g");
            c->addAxis(scale, f.side);
            series->attachAxis(x);
            series->attachAxis(scale);
            Span(scale, f.points, false);
            const QColor colour = series->color();
            scale->setLabelsColor(colour);
            scale->setTitleBrush(colour);
            scale->setLinePenColor(colour);
        }
    }
};

QWidget *Create(QWidget *parent) { return new LogChartView(parent); }
void Show(QWidget *chart, const LogChartData &data) { static_cast<LogChartView *>(chart)->Show(data); }
const LogChartModule Module = {&Create, &Show};

}  // namespace

const LogChartModule *TethrixLogChartModule() { return &Module; }

#include "Charts.h"

#include "Convert.h"
#include "Main.h"
#include "QtFiles.h"
#include "Seams.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const char *const CurveNames[3] = {"Line Tension (pounds)", "Leadout Position (inches)", "Line Projection (inches)"};

QString Figure(double v) { return QString::fromStdString(FormatNumber(static_cast<float>(v), 4, TForm1::DecimalSeparator())); }

void SetRange(QValueAxis *axis, double lo, double hi)
{
    if (!(lo <= hi)) {
        lo = 0;
        hi = 1;
    }
    const double pad = hi > lo ? (hi - lo) * 0.05 : std::max(std::fabs(hi) * 0.05, 0.5);
    axis->setRange(lo - pad, hi + pad);
    axis->applyNiceNumbers();
}

}  // namespace

TrimCharts::TrimCharts(QWidget *parent) : QWidget(parent, Qt::Window), tabWidget(new QTabWidget(this))
{
    setObjectName("TrimCharts");
    setWindowTitle(tr("Trim Charts"));
    tabWidget->setObjectName("ChartTabs");
    buildTab(tabs[0], *FindInputKey("lt"), 0.8, 1.2, 41, tr("Lap Time (seconds)"));
    buildTab(tabs[1], *FindInputKey("ll"), 0.85, 1.15, 31, tr("Line Length (feet)"));
    tabWidget->addTab(tabs[0].view->parentWidget(), tr("Lap Time"));
    tabWidget->addTab(tabs[1].view->parentWidget(), tr("Line Length"));

    auto *png = new QPushButton(tr("Export &PNG..."), this);
    png->setObjectName("ExportPngBtn");
    auto *csv = new QPushButton(tr("Export &CSV..."), this);
    csv->setObjectName("ExportCsvBtn");
    connect(png, &QPushButton::clicked, this, [this] { Guarded(this, [&] { ExportPng(); }); });
    connect(csv, &QPushButton::clicked, this, [this] { Guarded(this, [&] { ExportCsv(); }); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(png);
    buttons->addWidget(csv);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget);
    layout->addLayout(buttons);
    resize(760, 560);
}

void TrimCharts::buildTab(Tab &t, const InputKey &key, double low, double high, int points, const QString &axisTitle)
{
    t.key = &key;
    t.lowFactor = low;
    t.highFactor = high;
    t.points = points;
    auto *page = new QWidget(this);
    auto *chart = new QChart;
    chart->setTitle(tr("Trim figures against %1").arg(axisTitle));
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    t.x = new QValueAxis;
    t.x->setTitleText(axisTitle);
    t.pounds = new QValueAxis;
    t.pounds->setTitleText(tr("Line Tension (pounds)"));
    t.inches = new QValueAxis;
    t.inches->setTitleText(tr("Leadout and Projection (inches)"));
    chart->addAxis(t.x, Qt::AlignBottom);
    chart->addAxis(t.pounds, Qt::AlignLeft);
    chart->addAxis(t.inches, Qt::AlignRight);
    for (int c = 0; c < 3; ++c) {
        t.curves[c] = new QLineSeries;
        t.curves[c]->setName(tr(CurveNames[c]));
        t.curves[c]->setPointsVisible(true);
        chart->addSeries(t.curves[c]);
        t.curves[c]->attachAxis(t.x);
        t.curves[c]->attachAxis(c == 0 ? t.pounds : t.inches);
        connect(t.curves[c], &QLineSeries::hovered, this, [this, &t](const QPointF &p, bool on) {
            if (on)
                showHover(t, p);
        });
    }
    t.currentTension = new QScatterSeries;
    t.currentTension->setName(tr("Current case"));
    t.currentTension->setMarkerSize(12);
    t.currentInches = new QScatterSeries;
    t.currentInches->setMarkerSize(12);
    t.currentInches->setColor(t.currentTension->color());
    for (QScatterSeries *s : {t.currentTension, t.currentInches}) {
        chart->addSeries(s);
        s->attachAxis(t.x);
        s->attachAxis(s == t.currentTension ? t.pounds : t.inches);
    }
    chart->legend()->markers(t.currentInches).first()->setVisible(false);
    t.currentInches->setColor(t.currentTension->color());

    t.view = new QChartView(chart, page);
    t.view->setObjectName(QStringLiteral("Chart_%1").arg(key.key));
    t.view->setRenderHint(QPainter::Antialiasing);
    t.hover = new QLabel(tr("Point at a curve to read its figures."), page);
    t.hover->setObjectName(QStringLiteral("Hover_%1").arg(key.key));
    t.problems = new QLabel(page);
    t.problems->setObjectName(QStringLiteral("Problems_%1").arg(key.key));
    t.problems->setWordWrap(true);
    QPalette p = t.problems->palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    t.problems->setPalette(p);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(t.view, 1);
    layout->addWidget(t.hover);
    layout->addWidget(t.problems);
}

void TrimCharts::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else if (event->key() == Qt::Key_F1)
        UiSeams().help(this, HelpCharts);
    else
        QWidget::keyPressEvent(event);
}

int TrimCharts::currentTab() const { return tabWidget->currentIndex(); }

void TrimCharts::Refresh(const FlightCase &fc)
{
    for (Tab &t : tabs) {
        try {
            refreshTab(t, fc);
        } catch (const std::exception &e) {
            t.problems->setText(tr("The chart could not be drawn: %1").arg(QString::fromUtf8(e.what())));
        }
    }
}

void TrimCharts::refreshTab(Tab &t, const FlightCase &fc)
{
    t.current = GetNumericInput(fc, *t.key);
    std::vector<double> values;
    for (int i = 0; i < t.points; ++i)
        values.push_back(t.current * (t.lowFactor + (t.highFactor - t.lowFactor) * i / (t.points - 1)));
    t.rows = Sweep(fc, *t.key, values);

    std::array<QList<QPointF>, 3> points;
    double lo[2] = {INFINITY, INFINITY}, hi[2] = {-INFINITY, -INFINITY};
    int failed = 0;
    QString firstError;
    for (const SweepRow &row : t.rows) {
        if (!row.ok) {
            if (failed++ == 0)
                firstError = QString::fromStdString(row.error);
            continue;
        }
        for (int c = 0; c < 3; ++c) {
            const double y = row.figures[CurveFigures[c]];
            points[c].append(QPointF(row.input, y));
            const int axis = c == 0 ? 0 : 1;
            lo[axis] = std::min(lo[axis], y);
            hi[axis] = std::max(hi[axis], y);
        }
    }
    for (int c = 0; c < 3; ++c)
        t.curves[c]->replace(points[c]);

    // The current case is the sweep's own middle value.
    t.currentTension->clear();
    t.currentInches->clear();
    const auto middle = std::find_if(t.rows.begin(), t.rows.end(), [&](const SweepRow &r) {
        return r.ok && static_cast<float>(r.input) == static_cast<float>(t.current);
    });
    if (middle != t.rows.end()) {
        t.currentTension->append(middle->input, middle->figures[CurveFigures[0]]);
        t.currentInches->append(middle->input, middle->figures[CurveFigures[1]]);
        t.currentInches->append(middle->input, middle->figures[CurveFigures[2]]);
    }

    SetRange(t.x, values.empty() ? 0 : std::min(values.front(), values.back()),
             values.empty() ? 1 : std::max(values.front(), values.back()));
    SetRange(t.pounds, lo[0], hi[0]);
    SetRange(t.inches, std::min(0.0, lo[1]), hi[1]);
    if (lo[1] >= 0 && t.inches->min() < 0)
        t.inches->setMin(0);  // leadout and bow are measured from zero
    t.problems->setText(failed == 0 ? QString()
                                    : tr("%1 of %2 points left out: %3.")
                                          .arg(failed)
                                          .arg(t.rows.size())
                                          .arg(firstError));
}

void TrimCharts::showHover(Tab &t, const QPointF &point)
{
    const SweepRow *nearest = nullptr;
    for (const SweepRow &row : t.rows)
        if (row.ok && (nearest == nullptr || std::fabs(row.input - point.x()) < std::fabs(nearest->input - point.x())))
            nearest = &row;
    if (nearest == nullptr)
        return;
    t.hover->setText(tr("%1 %2 %3: Line Tension %4 pounds, Leadout Position %5 inches, Line Projection %6 inches")
                         .arg(QString::fromUtf8(t.key->meaning))
                         .arg(Figure(nearest->input))
                         .arg(QString::fromUtf8(t.key->unit))
                         .arg(Figure(nearest->figures[CurveFigures[0]]))
                         .arg(Figure(nearest->figures[CurveFigures[1]]))
                         .arg(Figure(nearest->figures[CurveFigures[2]])));
}

// Asks for a file name and writes the bytes whole or not at all.
static void SaveExport(QWidget *parent, const QString &proposed, const QString &filter, const QString &what,
                       const QByteArray &bytes)
{
    const QString path = UiSeams().saveFile(parent, QString(), proposed, filter);
    if (path.isEmpty())
        return;
    if (const QString problem = WriteFileSafely(path, bytes); !problem.isEmpty())
        throw std::runtime_error(QObject::tr("Cannot save the %1 as %2: %3").arg(what, path, problem).toStdString());
}

void TrimCharts::ExportPng()
{
    const Tab &t = tabs[currentTab()];
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!t.view->grab().save(&buffer, "PNG"))
        throw std::runtime_error(tr("The chart could not be turned into a PNG picture").toStdString());
    SaveExport(this, QStringLiteral("trim-%1.png").arg(t.key->key), tr("PNG Image (*.png)"), tr("chart"), png);
}

void TrimCharts::ExportCsv()
{
    const Tab &t = tabs[currentTab()];
    SaveExport(this, QStringLiteral("trim-%1.csv").arg(t.key->key), tr("CSV File (*.csv)"), tr("table"),
               QByteArray::fromStdString(SweepCsv(*t.key, t.rows)));
}

namespace {
QWidget *CreateCharts(QWidget *parent) { return new TrimCharts(parent); }
void RefreshCharts(QWidget *charts, const FlightCase &fc) { static_cast<TrimCharts *>(charts)->Refresh(fc); }
const ChartsModule Module = {&CreateCharts, &RefreshCharts};
}  // namespace

const ChartsModule *TethrixChartsModule() { return &Module; }

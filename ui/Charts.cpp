#include "ui/Charts.h"

#include "numbers/Convert.h"
#include "ui/MainWindow.h"
#include "ui/QtFiles.h"
#include "ui/Seams.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
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

const std::array<int, TrimCharts::CurveCount> TrimCharts::CurveFigures = {
    FigureIndex(ChartCurves[0].figure), FigureIndex(ChartCurves[1].figure), FigureIndex(ChartCurves[2].figure),
    FigureIndex(ChartCurves[3].figure)};

namespace {

// Each curve's name; its unit is its figure's.
const char *const CurveNames[TrimCharts::CurveCount] = {ChartCurves[0].name, ChartCurves[1].name,
                                                        ChartCurves[2].name, ChartCurves[3].name};

QString Unit(const InputKey &key, DisplayUnits units) { return QString::fromStdString(ShownUnit(key.measure, units, key.unit)); }

QString CurveUnit(int c, DisplayUnits units)
{
    return QString::fromStdString(FigureUnitName(Figures[TrimCharts::CurveFigures[c]], units));
}

QString Figure(double v) { return QString::fromStdString(FormatNumber(static_cast<float>(v), 4, MainWindow::DecimalSeparator())); }

// A tick step of 1, 2, 2.5 or 5 × 10ⁿ giving about `steps` steps over the span.
double RoundStep(double span, int steps)
{
    const double raw = span / steps;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (m * power >= raw * (1 - 1e-9))
            return m * power;
    return 10 * power;
}

// A figure's scale: from a round number below its values to one above,
// ticked at round steps.
void SetScale(QValueAxis *axis, double lo, double hi)
{
    if (!(lo <= hi) || !std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0;
        hi = 1;
    }
    if (hi - lo < std::max(std::fabs(hi), 1.0) * 1e-6) {  // a flat curve still gets a scale
        lo -= std::max(std::fabs(lo) * 0.05, 0.5);
        hi += std::max(std::fabs(hi) * 0.05, 0.5);
    }
    const double step = RoundStep(hi - lo, 5);
    const double first = std::floor(lo / step + 1e-9) * step, last = std::ceil(hi / step - 1e-9) * step;
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(first, last);
    axis->setTickCount(static_cast<int>(std::lround((last - first) / step)) + 1);
    axis->setLabelFormat("%g");
}

// The input's axis spans exactly the values swept, ticked at round values
// inside it.
void SetInputAxis(QValueAxis *axis, double lo, double hi)
{
    const double step = RoundStep(hi - lo, 6);
    // The axis is put on a fixed tick count before its range changes: with
    // dynamic ticks it would lay out one at every step of the old interval
    // across the new range first (a lap time of 4900 s has 20,000 of them).
    axis->setTickType(QValueAxis::TicksFixed);
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(step) || !(step > 0) ||
        lo + step == lo) {
        SetScale(axis, std::isfinite(lo) ? lo : 0, std::isfinite(hi) ? hi : 1);
        return;
    }
    axis->setTickInterval(step);
    axis->setTickAnchor(std::floor(lo / step) * step);
    axis->setRange(lo, hi);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setLabelFormat("%g");
}

}  // namespace

TrimCharts::TrimCharts(QWidget *parent) : QWidget(parent, Qt::Window), tabWidget(new QTabWidget(this))
{
    setObjectName("TrimCharts");
    setWindowTitle(tr("Trim Charts"));
    tabWidget->setObjectName("ChartTabs");
    buildTab(tabs[0], ChartRangeFor(KeyOf(Input::LapTime).key), tr("Lap Time"));
    buildTab(tabs[1], ChartRangeFor(KeyOf(Input::LineLength).key), tr("Line Length"));
    nameAxes();
    tabWidget->addTab(tabs[0].view->parentWidget(), tr("Lap Time"));
    tabWidget->addTab(tabs[1].view->parentWidget(), tr("Line Length"));
    followPalette();

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

void TrimCharts::buildTab(Tab &t, const ChartRange &range, const QString &axisName)
{
    const InputKey &key = *FindInputKey(range.key);
    t.key = &key;
    t.range = &range;
    auto *page = new QWidget(this);
    auto *chart = new QChart;
    if (IsInput(key, Input::LineLength)) {
        t.holdBox = new QComboBox(this);
        t.holdBox->setObjectName("HoldBox");
        t.holdBox->addItem(tr("Hold the lap time"));
        t.holdBox->addItem(tr("Hold the speed"));
        connect(t.holdBox, &QComboBox::currentIndexChanged, this, [this, &t](int index) {
            t.hold = index == 1 ? SweepHold::Speed : SweepHold::LapTime;
            Guarded(this, [&] { refreshTab(t, shown); });
        });
    }
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    t.axisName = axisName;
    t.x = new QValueAxis;
    chart->addAxis(t.x, Qt::AlignBottom);
    // The readout follows the pointer over a curve or a marker and clears
    // when it leaves.
    const auto hover = [this, &t](const QPointF &p, bool on) {
        if (on)
            showHover(t, p);
        else
            t.hover->setText(tr("Point at a curve to read its figures."));
    };
    for (int c = 0; c < CurveCount; ++c) {
        t.curves[c] = new QLineSeries;
        t.curves[c]->setPointsVisible(true);
        chart->addSeries(t.curves[c]);
        // Each figure on a scale of its own, in the colour of its curve: the
        // forces and angles on the left, the offsets on the right.
        t.scales[c] = new QValueAxis;
        chart->addAxis(t.scales[c], c == 0 || c == 3 ? Qt::AlignLeft : Qt::AlignRight);
        t.curves[c]->attachAxis(t.x);
        t.curves[c]->attachAxis(t.scales[c]);
        connect(t.curves[c], &QLineSeries::hovered, this, hover);
    }
    for (int c = 0; c < CurveCount; ++c) {  // after the curves, so that the legend lists them first
        t.markers[c] = new QScatterSeries;
        t.markers[c]->setName(tr("Current case"));
        t.markers[c]->setMarkerSize(12);
        chart->addSeries(t.markers[c]);
        t.markers[c]->attachAxis(t.x);
        t.markers[c]->attachAxis(t.scales[c]);
        connect(t.markers[c], &QScatterSeries::hovered, this, hover);
    }
    colourScales(t);
    for (int c = 1; c < CurveCount; ++c)
        chart->legend()->markers(t.markers[c]).first()->setVisible(false);

    t.view = new QChartView(chart, page);
    t.view->setObjectName(QStringLiteral("Chart_%1").arg(key.key));
    t.view->setRenderHint(QPainter::Antialiasing);
    t.hover = new QLabel(tr("Point at a curve to read its figures."), page);
    t.hover->setObjectName(QStringLiteral("Hover_%1").arg(key.key));
    // A long readout wraps within the window instead of widening it.
    t.hover->setWordWrap(true);
    t.hover->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    t.problems = new QLabel(page);
    t.problems->setObjectName(QStringLiteral("Problems_%1").arg(key.key));
    t.problems->setWordWrap(true);
    QPalette p = t.problems->palette();
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    t.problems->setPalette(p);
    auto *layout = new QVBoxLayout(page);
    if (t.holdBox)
        layout->addWidget(t.holdBox, 0, Qt::AlignLeft);
    layout->addWidget(t.view, 1);
    layout->addWidget(t.hover);
    layout->addWidget(t.problems);
}

void TrimCharts::nameAxes()
{
    for (Tab &t : tabs) {
        t.axisTitle = QStringLiteral("%1 (%2)").arg(t.axisName, Unit(*t.key, shownUnits));
        t.x->setTitleText(t.axisTitle);
        // The legend names the curves; their scales, in the same colours, the units.
        for (int c = 0; c < CurveCount; ++c) {
            t.curves[c]->setName(tr(CurveNames[c]));
            t.scales[c]->setTitleText(QStringLiteral("%1 (%2)").arg(tr(CurveNames[c]), CurveUnit(c, shownUnits)));
        }
    }
}

void TrimCharts::colourScales(Tab &t)
{
    for (int c = 0; c < CurveCount; ++c) {
        const QColor colour = t.curves[c]->color();
        t.scales[c]->setLabelsColor(colour);
        t.scales[c]->setTitleBrush(colour);
        t.scales[c]->setLinePenColor(colour);
        // The current case in the text's colour, which no curve has, ringed
        // in its curve's.
        t.markers[c]->setColor(palette().color(QPalette::WindowText));
        t.markers[c]->setBorderColor(colour);
    }
}

void TrimCharts::followPalette()
{
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    for (Tab &t : tabs) {
        QChart *chart = t.view->chart();
        const QChart::ChartTheme theme = dark ? QChart::ChartThemeDark : QChart::ChartThemeLight;
        if (chart->theme() != theme) {
            chart->setTheme(theme);
            colourScales(t);
        }
    }
}

void TrimCharts::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QWidget::changeEvent(event);
}

void TrimCharts::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else if (event->key() == Qt::Key_F1)
        UiSeams().help(this, HelpCharts, QString());
    else
        QWidget::keyPressEvent(event);
}

int TrimCharts::currentTab() const { return tabWidget->currentIndex(); }

QString TrimCharts::heldTitle(const Tab &t) const
{
    if (t.holdBox == nullptr)
        return t.axisTitle;
    return t.hold == SweepHold::Speed ? tr("%1 at the same speed").arg(t.axisTitle)
                                      : tr("%1 with the lap time held").arg(t.axisTitle);
}

void TrimCharts::Refresh(const FlightCase &fc, DisplayUnits units)
{
    shown = fc;
    if (units != shownUnits) {
        shownUnits = units;
        nameAxes();
    }
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
    const std::vector<double> values = ChartValues(t.current, *t.range);
    t.rows = Sweep(fc, *t.key, values, t.hold);
    t.view->chart()->setTitle(tr("Trim figures against %1").arg(heldTitle(t)));

    // Solved in the engine's units, drawn in the ones shown.
    const auto x = [&](double input) { return ToShown(t.key->measure, shownUnits, input); };
    const auto y = [&](const SweepRow &row, int c) {
        return ToShown(Figures[CurveFigures[c]].measure, shownUnits, row.figures[CurveFigures[c]]);
    };
    std::array<QList<QPointF>, CurveCount> points;
    std::array<double, CurveCount> lo, hi;
    lo.fill(INFINITY);
    hi.fill(-INFINITY);
    int failed = 0;
    QString firstError;
    for (const SweepRow &row : t.rows) {
        if (!row.ok) {
            if (failed++ == 0)
                firstError = QString::fromStdString(row.error);
            continue;
        }
        for (int c = 0; c < CurveCount; ++c) {
            const double v = y(row, c);
            points[c].append(QPointF(x(row.input), v));
            lo[c] = std::min(lo[c], v);
            hi[c] = std::max(hi[c], v);
        }
    }
    for (int c = 0; c < CurveCount; ++c)
        t.curves[c]->replace(points[c]);

    // The current case is the sweep's own middle value.
    const auto middle = std::find_if(t.rows.begin(), t.rows.end(), [&](const SweepRow &r) {
        return r.ok && static_cast<float>(r.input) == static_cast<float>(t.current);
    });
    for (int c = 0; c < CurveCount; ++c) {
        t.markers[c]->clear();
        if (middle != t.rows.end())
            t.markers[c]->append(x(middle->input), y(*middle, c));
    }

    SetInputAxis(t.x, values.empty() ? 0 : x(std::min(values.front(), values.back())),
                 values.empty() ? 1 : x(std::max(values.front(), values.back())));
    for (int c = 0; c < CurveCount; ++c) {
        // A small change must not fill the chart as a large one does.
        WidenToRealChange(ChartCurves[c].figure, lo[c], hi[c]);
        SetScale(t.scales[c], lo[c], hi[c]);
    }
    t.problems->setText(failed == 0 ? QString()
                                    : tr("%1 of %2 points left out: %3.")
                                          .arg(failed)
                                          .arg(t.rows.size())
                                          .arg(firstError));
}

void TrimCharts::showHover(Tab &t, const QPointF &point)
{
    const SweepRow *nearest = nullptr;
    const double at = FromShown(t.key->measure, shownUnits, point.x());
    for (const SweepRow &row : t.rows)
        if (row.ok && (nearest == nullptr || std::fabs(row.input - at) < std::fabs(nearest->input - at)))
            nearest = &row;
    if (nearest == nullptr)
        return;
    const SweepRow row = ShownRow(*nearest, *t.key, shownUnits);
    QString text = QStringLiteral("%1 %2 %3:")
                       .arg(QString::fromUtf8(t.key->meaning), Figure(row.input), Unit(*t.key, shownUnits));
    for (int c = 0; c < CurveCount; ++c)
        text += QStringLiteral("%1 %2 %3 %4")
                    .arg(c == 0 ? QString() : QStringLiteral(","), tr(CurveNames[c]), Figure(row.figures[CurveFigures[c]]),
                         CurveUnit(c, shownUnits));
    t.hover->setText(text);
}

// Asks for a file name and writes the bytes whole or not at all.
static void SaveExport(QWidget *parent, const QString &proposed, const QString &filter, const QString &what,
                       const QByteArray &bytes)
{
    const QString path = UiSeams().saveFile(parent, QString(), proposed, filter);
    if (path.isEmpty())
        return;
    if (const QString problem = WriteFileSafely(path, bytes); !problem.isEmpty()) {
        ShowError(parent, QObject::tr("Cannot save the %1 as %2: %3").arg(what, path, problem));
        return;
    }
}

void TrimCharts::ExportPng()
{
    // Drawn afresh at 1600 pixels or more across, sharp enough to print or
    // post, whatever the window's size on screen.
    const Tab &t = tabs[currentTab()];
    const QSize shown = t.view->size().expandedTo(QSize(400, 300));
    const qreal scale = std::max<qreal>(1, 1600.0 / shown.width());
    QImage image(shown * scale, QImage::Format_ARGB32_Premultiplied);
    // Behind the chart's rounded card, the window's own background, as on
    // screen: not transparent corners that some viewers show black.
    image.fill(t.view->palette().color(QPalette::Window));
    {
        // The whole view drawn into the whole picture: a render without a
        // target took the device's pixel size for its logical size and cut
        // the chart to its top-left part.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        t.view->render(&painter, QRectF(image.rect()), t.view->viewport()->rect());
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        ShowError(this, tr("The chart could not be turned into a PNG picture"));
        return;
    }
    SaveExport(this, QStringLiteral("trim-%1.png").arg(t.key->key), tr("PNG Image (*.png)"), tr("chart"), png);
}

void TrimCharts::ExportCsv()
{
    const Tab &t = tabs[currentTab()];
    SaveExport(this, QStringLiteral("trim-%1.csv").arg(t.key->key), tr("CSV File (*.csv)"), tr("table"),
               QByteArray::fromStdString(ReadableSweepCsv(heldTitle(t).toStdString(), *t.key, t.rows, t.hold, shownUnits,
                                                                 SweepIsWindy(shown, *t.key))));
}

namespace {
QWidget *CreateCharts(QWidget *parent) { return new TrimCharts(parent); }
void RefreshCharts(QWidget *charts, const FlightCase &fc, DisplayUnits units)
{
    static_cast<TrimCharts *>(charts)->Refresh(fc, units);
}
const ChartsModule Module = {&CreateCharts, &RefreshCharts};
}  // namespace

const ChartsModule *TethrixChartsModule() { return &Module; }

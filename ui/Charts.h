// Charts: the "Trim Charts" window. Line tension, leadout position, line
// projection and leadout rake against lap time (80 … 120 % of the current lap time) and
// against line length (85 … 115 %), computed by the same engine on a copy of
// the flight case, so that nothing the main window shows changes.
#pragma once

#include "case/CaseEditor.h"
#include "case/Sweep.h"

#include <QWidget>

#include <array>

class QChart;
class QComboBox;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTabWidget;
class QValueAxis;

class TrimCharts : public QWidget {
    Q_OBJECT
public:
    explicit TrimCharts(QWidget *parent = nullptr);

    // Recomputes both tabs around this case. Never throws: points that cannot
    // be calculated are left out and the chart says why.
    void Refresh(const FlightCase &fc, DisplayUnits units = DisplayUnits::Imperial);

    struct Tab {
        const InputKey *key = nullptr;
        const ChartRange *range = nullptr;  // the core's range around the case
        QChartView *view = nullptr;
        QString axisName;                       // "Lap Time"
        QString axisTitle;                      // "Lap Time (seconds)", in the units shown
        SweepHold hold = SweepHold::LapTime;    // what a line-length sweep holds
        QComboBox *holdBox = nullptr;           // the choice of it, on the line-length tab
        std::array<QLineSeries *, 4> curves{};  // tension, leadout, projection, rake
        std::array<QScatterSeries *, 4> markers{};  // the current case on each curve
        QValueAxis *x = nullptr;
        std::array<QValueAxis *, 4> scales{};  // each curve on its own scale
        QLabel *hover = nullptr;
        QLabel *problems = nullptr;
        std::vector<SweepRow> rows;  // as solved, imperial
        double current = 0;
    };
    const Tab &tab(int i) const { return tabs[i]; }
    int currentTab() const;

    // The figures the curves show, found by name: indices into Figures.
    static constexpr int CurveCount = ChartCurveCount;
    static const std::array<int, CurveCount> CurveFigures;
    DisplayUnits units() const { return shownUnits; }

    void ExportPng();
    void ExportCsv();

protected:
    // Escape closes the window, F1 opens its help page.
    void keyPressEvent(QKeyEvent *event) override;
    // Dark charts on a dark desktop.
    void changeEvent(QEvent *event) override;

private:
    void buildTab(Tab &t, const ChartRange &range, const QString &axisName);
    void nameAxes();
    void refreshTab(Tab &t, const FlightCase &fc);
    QString heldTitle(const Tab &t) const;
    FlightCase shown{};  // the case the charts are drawn around
    DisplayUnits shownUnits = DisplayUnits::Imperial;
    void showHover(Tab &t, const QPointF &point);
    void colourScales(Tab &t);
    void followPalette();
    QTabWidget *tabWidget;
    std::array<Tab, 2> tabs;
};

// The charts as a module of their own (libtethrix_charts), loaded when a
// flier first opens them, so that the window does not load Qt Charts and
// OpenGL before.
struct ChartsModule {
    QWidget *(*create)(QWidget *parent);
    void (*refresh)(QWidget *charts, const FlightCase &fc, DisplayUnits units);
};

extern "C" const ChartsModule *TethrixChartsModule();

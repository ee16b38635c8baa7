// Window timings: Enter in a field until every result label is rewritten,
// and building and showing the main window against an empty Qt window.
#include "ui/Charts.h"
#include "ui/MainWindow.h"
#include "ui/Seams.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void QuietSeams()
{
    UiSeams().message = [](QWidget *, const QString &, const QString &, QMessageBox::Icon, const QString &) {};
    UiSeams().help = [](QWidget *, int, const QString &) {};
}

void BM_EnterRecalculates(benchmark::State &state)
{
    QuietSeams();
    MainWindow w;
    w.show();
    QLineEdit *lapTime = w.findChild<QLineEdit *>("LapTime");
    for (auto _ : state)
        QTest::keyClick(lapTime, Qt::Key_Return);
}
BENCHMARK(BM_EnterRecalculates)->Unit(benchmark::kMicrosecond);

// Both tabs of the trim charts: 72 cases and the curves redrawn.
void BM_ChartRefresh(benchmark::State &state)
{
    QuietSeams();
    MainWindow w;
    w.show();
    w.ShowCharts();
    TrimCharts *charts = w.findChild<TrimCharts *>("TrimCharts");
    for (auto _ : state) {
        charts->Refresh(w.flightCase());
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ChartRefresh)->Unit(benchmark::kMillisecond);

template <class Window>
void ShowWindow(benchmark::State &state)
{
    QuietSeams();
    for (auto _ : state) {
        Window w;
        w.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.isVisible());
    }
}

void BM_ShowMainWindow(benchmark::State &state) { ShowWindow<MainWindow>(state); }
void BM_ShowEmptyWindow(benchmark::State &state) { ShowWindow<QMainWindow>(state); }
BENCHMARK(BM_ShowMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEmptyWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Brelm");
    QApplication::setApplicationName("Tethrix");
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "ui/TrimLogDialog.h"
#include "ui/WindowLanguage.h"

#include "ui/HangarDialog.h"
#include "ui/HangarTexts.h"
#include "ui/LogChart.h"
#include "report/LogPrint.h"
#include "ui/MainWindow.h"
#include "storage/Modules.h"
#include "ui/QtFiles.h"
#include "ui/Seams.h"
#include "ui/WindowWidgets.h"

#include "case/Figures.h"
#include "hangar/HangarLog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int SortRole = Qt::UserRole;
constexpr int IdRole = Qt::UserRole + 1;

int FigureColumn(const char *figure) { return LogFirstFigureColumn + FigureIndex(figure); }

}  // namespace

TrimLogDialog::TrimLogDialog(HangarDialog &hangar) : QDialog(&hangar), hangar(hangar)
{
    setObjectName("TrimLogDialog");
    setWindowTitle(tr("Trim Log"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *airplaneLabel = new QLabel(tr("Airplane:"), this);
    airplaneLabel->setObjectName("LogAirplaneLabel");
    top->addWidget(airplaneLabel);
    airplanes = new QComboBox(this);
    airplanes->setObjectName("LogAirplane");
    airplanes->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(airplanes, &QComboBox::activated, this, [this](int index) {
        Guarded(this, [&] { ShowAirplane(airplanes->itemData(index).toString().toStdString()); });
    });
    top->addWidget(airplanes);
    top->addSpacing(12);
    auto *againstLabel = new QLabel(tr("Chart against:"), this);
    againstLabel->setObjectName("ChartAgainstLabel");
    top->addWidget(againstLabel);
    against = new QComboBox(this);
    against->setObjectName("ChartAgainst");
    against->addItem(tr("the Date"));
    against->addItem(tr("the Density Altitude"));
    connect(against, &QComboBox::currentIndexChanged, this, [this] { Guarded(this, [&] { ShowChart(); }); });
    top->addWidget(against);
    top->addSpacing(12);
    localTime = new QCheckBox(tr("Local time"), this);
    localTime->setObjectName("LocalTime");
    localTime->setChecked(true);
    connect(localTime, &QCheckBox::toggled, this, [this] { Guarded(this, [&] { ShowRows(); }); });
    top->addWidget(localTime);
    top->addStretch();
    layout->addLayout(top);

    rows = new QStandardItemModel(this);
    sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(rows);
    sorted->setSortRole(SortRole);
    view = new QTableView(this);
    view->setObjectName("LogTable");
    view->setModel(sorted);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->sortByColumn(LogFlownColumn, Qt::DescendingOrder);  // newest first
    connect(view, &QTableView::doubleClicked, this, [this] { Guarded(this, [&] { CorrectSelected(); }); });

    auto *split = new QSplitter(Qt::Vertical, this);
    split->setObjectName("LogSplit");
    split->addWidget(view);
    auto *chartBox = new QWidget(split);
    auto *chartLayout = new QVBoxLayout(chartBox);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartProblem = new QLabel(chartBox);
    chartProblem->setObjectName("LogChartProblem");
    chartProblem->setWordWrap(true);
    chartProblem->hide();
    chartLayout->addWidget(chartProblem);
    // The chart, and Qt's chart library, load with the first log shown.
    std::string problem;
    chartModule = LoadModule<LogChartModule>("charts", "TethrixLogChartModule", problem);
    if (chartModule != nullptr) {
        chartView = chartModule->create(chartBox);
        chartLayout->addWidget(chartView, 1);
    } else {
        chartProblem->setText(tr("The chart cannot be shown: %1").arg(Text(problem)));
        chartProblem->show();
    }
    split->addWidget(chartBox);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);

    summary = new QLabel(this);
    summary->setObjectName("LogSummary");
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    layout->addWidget(summary);
    auto *buttons = new QHBoxLayout;
    const struct {
        const char *name, *text;
        void (TrimLogDialog::*act)();
        bool writes, selection;
    } actions[] = {
        {"CorrectFlightBtn", QT_TR_NOOP("&Correct..."), &TrimLogDialog::CorrectSelected, true, true},
        {"DeleteFlightBtn", QT_TR_NOOP("&Delete..."), &TrimLogDialog::DeleteSelected, true, true},
        {"ExportLogCsvBtn", QT_TR_NOOP("Export C&SV..."), &TrimLogDialog::ExportCsv, false, false},
        {"PrintLogBtn", QT_TR_NOOP("&Print..."), &TrimLogDialog::Print, false, false},
    };
    for (const auto &a : actions) {
        auto *button = new QPushButton(tr(a.text), this);
        button->setObjectName(a.name);
        button->setAutoDefault(false);
        const auto act = a.act;
        connect(button, &QPushButton::clicked, this, [this, act] { Guarded(this, [&] { (this->*act)(); }); });
        buttons->addWidget(button);
        if (a.writes)
            writers << button;
        if (a.selection)
            needSelection << button;
    }
    buttons->addStretch();
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName("CloseLogBtn");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const bool chosen = !selectedFlightId().empty();
        const bool writable = this->hangar.store().access() == HangarStore::Access::Writable;
        for (QPushButton *b : needSelection)
            b->setEnabled(chosen && (writable || !writers.contains(b)));
    });
    resize(900, 620);
}

void TrimLogDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        UiSeams().help(this, HelpContents, QString());
    else
        QDialog::keyPressEvent(event);
}

void TrimLogDialog::ShowAirplane(const std::string &airplaneId)
{
    const Hangar &h = hangar.store().hangar();
    shown = h.FindAirplane(airplaneId) || !h.FlightsOf(airplaneId).empty() || h.Airplanes().empty()
                ? airplaneId
                : h.Airplanes().front().id;
    Reload();
}

void TrimLogDialog::Reload()
{
    const Hangar &h = hangar.store().hangar();
    if (!h.FindAirplane(shown) && !h.Airplanes().empty() && h.FlightsOf(shown).empty())
        shown = h.Airplanes().front().id;
    {
        const QSignalBlocker quiet(airplanes);
        airplanes->clear();
        for (const Airplane &a : h.Airplanes())
            airplanes->addItem(Text(a.Name()), Text(a.id));
        // The logs kept of airplanes deleted, under their names as flown.
        for (const Flight &f : h.Flights())
            if (!h.FindAirplane(f.airplaneId) && airplanes->findData(Text(f.airplaneId)) < 0)
                airplanes->addItem(tr("%1 (deleted)").arg(Text(f.inputs.Name())), Text(f.airplaneId));
        airplanes->setCurrentIndex(airplanes->findData(Text(shown)));
    }
    ShowRows();
}

void TrimLogDialog::SetLocalTime(bool local) { localTime->setChecked(local); }
void TrimLogDialog::SetChartAgainst(int index) { against->setCurrentIndex(index); }

void TrimLogDialog::ShowRows()
{
    const Hangar &h = hangar.store().hangar();
    const DisplayUnits units = hangar.window().units();
    const bool local = localTime->isChecked();
    const std::string keep = selectedFlightId();
    const std::vector<LogColumn> columns = LogColumns(units);
    QStringList titles;
    for (const LogColumn &c : columns)
        titles << Said(c.title);
    if (local)
        titles[LogFlownColumn] = tr("Flown (local time)");
    rows->clear();
    rows->setHorizontalHeaderLabels(titles);
    const std::vector<const Flight *> flights = h.FlightsOf(shown);
    for (const Flight *f : flights) {
        const std::vector<LogCell> cells = LogRow(*f, units, MainWindow::DecimalSeparator());
        QList<QStandardItem *> row;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto *item = new QStandardItem(Text(cells[c].text));
            if (c == LogFlownColumn) {
                item->setText(ShownTime(f->flown, local));
                item->setData(Text(f->flown), SortRole);
                item->setData(Text(f->id), IdRole);
            } else if (columns[c].numeric) {
                // A number not known sorts below every known one.
                item->setData(std::isnan(cells[c].value) ? -DBL_MAX : cells[c].value, SortRole);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else {
                item->setData(item->text(), SortRole);
            }
            row << item;
        }
        rows->appendRow(row);
    }
    view->resizeColumnsToContents();
    const QString name = airplanes->currentText();
    setWindowTitle(name.isEmpty() ? tr("Trim Log") : tr("Trim Log: %1").arg(name));
    summary->setText(name.isEmpty()    ? tr("The hangar holds no airplane yet.")
                     : flights.empty() ? tr("No flight of %1 is logged yet.").arg(name)
                                       : tr("%1 of %2, newest first.").arg(Count(flights.size(), lang::Flights), name));
    for (QPushButton *b : needSelection)
        b->setEnabled(false);
    SelectFlight(keep);
    ShowChart();
}

void TrimLogDialog::ShowChart()
{
    if (chartModule == nullptr || chartView == nullptr)
        return;
    const Hangar &h = hangar.store().hangar();
    const DisplayUnits units = hangar.window().units();
    const std::vector<LogColumn> columns = LogColumns(units);
    const int tension = FigureColumn("LineTension"), altitude = FigureColumn("DensityAltitude");
    LogChartData data;
    data.dates = against->currentIndex() == 0;
    data.xTitle = data.dates ? tr("Date Flown") : Said(columns[altitude].title);
    data.lapTitle = Said(columns[LogLapTimeColumn].title);
    data.tensionTitle = Said(columns[tension].title);
    // A scale is titled by its unit, the text in the title's parentheses.
    const auto unit = [](const QString &title) { return title.section('(', -1).chopped(1); };
    data.lapUnit = unit(data.lapTitle);
    data.tensionUnit = unit(data.tensionTitle);
    data.title = tr("%1: lap time and line tension").arg(airplanes->currentText());
    data.empty = tr("No flights to chart yet.");
    std::vector<std::array<double, 3>> points;  // x, lap time, tension
    for (const Flight *f : h.FlightsOf(shown)) {
        const std::vector<LogCell> cells = LogRow(*f, units);
        const double x = data.dates ? double(QDateTime::fromString(Text(f->flown), Qt::ISODate).toMSecsSinceEpoch())
                                    : cells[altitude].value;
        if (std::isfinite(x))
            points.push_back({x, cells[LogLapTimeColumn].value, cells[tension].value});
    }
    std::sort(points.begin(), points.end());
    for (const auto &p : points) {
        if (std::isfinite(p[1]))
            data.lapTimes << QPointF(p[0], p[1]);
        if (std::isfinite(p[2]))
            data.tensions << QPointF(p[0], p[2]);
    }
    chartModule->show(chartView, data);
}

std::string TrimLogDialog::selectedFlightId() const
{
    const QModelIndexList chosen = view->selectionModel()->selectedRows(LogFlownColumn);
    return chosen.isEmpty() ? std::string() : chosen.first().data(IdRole).toString().toStdString();
}

void TrimLogDialog::SelectFlight(const std::string &flightId)
{
    for (int r = 0; r < sorted->rowCount(); ++r)
        if (sorted->index(r, LogFlownColumn).data(IdRole).toString().toStdString() == flightId) {
            view->selectRow(r);
            return;
        }
    view->clearSelection();
}

void TrimLogDialog::CorrectSelected()
{
    const Flight *f = hangar.store().hangar().FindFlight(selectedFlightId());
    if (f == nullptr)
        return;
    Flight flight = *f;
    if (!hangar.AskFlight(flight, tr("Correct a Flight of %1").arg(Text(flight.inputs.Name()))))
        return;
    const std::string now = HangarDialog::Now();
    if (hangar.Edit(tr("The correction"), [&](Hangar &h) { return h.CorrectFlight(flight, now); })) {
        SelectFlight(flight.id);
        hangar.ShowStatus(tr("Corrected the flight of %1 flown %2.")
                              .arg(Text(flight.inputs.Name()), ShownTime(flight.flown, localTime->isChecked())));
    }
}

void TrimLogDialog::DeleteSelected()
{
    const Flight *f = hangar.store().hangar().FindFlight(selectedFlightId());
    if (f == nullptr)
        return;
    const std::string id = f->id;
    const QString which = tr("the flight of %1 flown %2")
                              .arg(Text(f->inputs.Name()), ShownTime(f->flown, localTime->isChecked()));
    if (UiSeams().ask(this, tr("Delete Flight"), tr("Delete %1 from the trim log?").arg(which),
                      {tr("Delete"), tr("Cancel")}) != 0)
        return;
    if (hangar.Edit(tr("The deletion"), [&](Hangar &h) { return h.DeleteFlight(id); }))
        hangar.ShowStatus(tr("Deleted %1.").arg(which));
}

void TrimLogDialog::ExportCsv()
{
    const Hangar &h = hangar.store().hangar();
    const QString name = airplanes->currentText();
    QString proposed = ExportFileName(name);
    proposed.replace(QStringLiteral(".tethrix-hangar.json"), QStringLiteral(" trim log.csv"));
    const QString path = UiSeams().saveFile(this, QDir::homePath(), proposed, tr("CSV File (*.csv)"));
    if (path.isEmpty())
        return;
    const std::string csv = LogCsv(h, shown, hangar.window().units());
    if (const QString why = WriteFileSafely(path, QByteArray::fromStdString(csv)); !why.isEmpty()) {
        ShowError(this, tr("Cannot save the trim log as %1: %2").arg(path, why));
        return;
    }
    hangar.ShowStatus(tr("Exported the trim log of %1 to %2.").arg(name, path));
}

void TrimLogDialog::Print()
{
    // The table as shown: its titles, then the rows in their order.
    std::vector<std::vector<std::string>> table(1);
    for (int c = 0; c < sorted->columnCount(); ++c)
        table[0].push_back(sorted->headerData(c, Qt::Horizontal).toString().toStdString());
    for (int r = 0; r < sorted->rowCount(); ++r) {
        table.emplace_back();
        for (int c = 0; c < sorted->columnCount(); ++c)
            table.back().push_back(sorted->index(r, c).data().toString().toStdString());
    }
    const std::string title = tr("Trim Log: %1").arg(airplanes->currentText()).toStdString();
    // Printing, and Qt's printing library, load when first asked for.
    std::string problem;
    const LogPrintModule *printing = LoadModule<LogPrintModule>("report", "TethrixLogPrintModule", problem);
    if (printing == nullptr) {
        ShowError(this, tr("Printing is not available: %1").arg(Text(problem)));
        return;
    }
    std::string pdf, pdfPath;
    if (!printing->print(this, title, table, UiSeams().printDialog, pdf, pdfPath) || pdfPath.empty())
        return;
    const QString path = QFile::decodeName(pdfPath.c_str());
    if (const QString why = WriteFileSafely(path, QByteArray::fromStdString(pdf)); !why.isEmpty()) {
        ShowError(this, tr("Cannot write the trim log %1: %2").arg(path, why));
        return;
    }
}

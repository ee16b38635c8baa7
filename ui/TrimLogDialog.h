// TrimLogDialog: an airplane's trim log, newest first, as the core lays it
// out (LogColumns, LogRow), sortable by any column, numbers by value; and a
// chart of the lap time measured and the line tension against the date or
// the density altitude. Entries are corrected and deleted through the
// hangar dialog's store; the log is exported as CSV and printed.
#pragma once

#include <QDialog>

#include <string>

class HangarDialog;
class QCheckBox;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
struct LogChartModule;

class TrimLogDialog : public QDialog {
    Q_OBJECT
public:
    explicit TrimLogDialog(HangarDialog &hangar);

    // Shows this airplane's log (the first airplane's when it is not in
    // the hangar), as the store holds it now.
    void ShowAirplane(const std::string &airplaneId);
    void Reload();
    const std::string &airplaneId() const { return shown; }

    // The flight of a row as sorted now, and the rows' ids in their order.
    std::string selectedFlightId() const;
    void SelectFlight(const std::string &flightId);
    QStandardItemModel *model() const { return rows; }
    QSortFilterProxyModel *sortedModel() const { return sorted; }
    QTableView *table() const { return view; }
    // Times shown in the flier's time zone (true) or in UTC; the chart
    // against the date (0) or the density altitude (1).
    void SetLocalTime(bool local);
    void SetChartAgainst(int against);
    QWidget *chart() const { return chartView; }

    void CorrectSelected();
    void DeleteSelected();
    void ExportCsv();
    void Print();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ShowRows();
    void ShowChart();
    HangarDialog &hangar;
    std::string shown;  // the airplane whose log is shown
    QComboBox *airplanes = nullptr;
    QComboBox *against = nullptr;
    QCheckBox *localTime = nullptr;
    QLabel *summary = nullptr;
    QTableView *view = nullptr;
    QStandardItemModel *rows = nullptr;
    QSortFilterProxyModel *sorted = nullptr;
    QWidget *chartView = nullptr;
    QLabel *chartProblem = nullptr;
    const LogChartModule *chartModule = nullptr;
    QList<class QPushButton *> writers, needSelection;
};

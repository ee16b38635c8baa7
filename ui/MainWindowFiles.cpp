// The window's files and commands: stored settings and recent files, data
// files in and out, the conditions dialog, the trim charts, printing and
// help. The widgets are built in MainWindowLayout.cpp; what they show is
// refreshed in MainWindow.cpp.
#include "ui/MainWindow.h"
#include "ui/WindowWidgets.h"

#include "ui/ConditionsDialog.h"
#include "ui/HangarDialog.h"
#include "ui/Charts.h"
#include "numbers/Convert.h"
#include "case/DataFile.h"
#include "storage/Modules.h"
#include "ui/QtFiles.h"
#include "report/ReportPage.h"
#include "ui/Seams.h"
#include "storage/Settings.h"
#include "ui/WindowLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>

#include <algorithm>
#include <ctime>

namespace {

const QString DataFileFilter = QStringLiteral("Tethrix Data File (*.TQD)");

}  // namespace

void MainWindow::LoadSettings()
{
    using namespace TethrixSettings;
    FlightCase defaults;
    ApplyAdvancedDefaults(defaults);
    std::array<float, ConditionCount> defaultValues;
    for (int i = 0; i < ConditionCount; ++i)
        defaultValues[i] = defaults.*(InputKeys[FirstConditionKey + i].field);

    // One box at start-up, one line for each setting that is not as stored.
    Loaded loaded = Load(defaultValues);
    QStringList problems = loaded.problems;
    edited.SetUnits(loaded.units);
    for (int i = 0; i < ConditionCount; ++i)
        edited.SetStored(InputKeys[FirstConditionKey + i], loaded.conditions[i].value_or(defaultValues[i]));
    recentFilePaths = loaded.recentFiles;
    storedRecentFiles = recentFilePaths;
    storedConditions = loaded.conditionsBase;
    settingsRefused = loaded.refused;
    if (!loaded.hasConditions && !loaded.refused) {
        // The first run stores the defaults and an empty recent-files list.
        QList<QPair<QString, QString>> values;
        for (int i = 0; i < ConditionCount; ++i)
            values.append({ConditionNames[i], Text(FormatNumber(defaultValues[i], 4))});
        for (int i = 0; i < RecentCount; ++i)
            values.append({RecentName(i), recentFilePaths.value(i)});
        // A flier whose system measures in metric starts in metric.
        if (!loaded.hasUnits && SystemMeasuresMetric()) {
            edited.SetUnits(DisplayUnits::Metric);
            values.append({QString::fromLatin1(UnitsName), QString::fromLatin1(DisplayUnitsName(DisplayUnits::Metric))});
        }
        try {
            Write(values);
            for (int i = 0; i < ConditionCount; ++i)
                storedConditions[i] = values[i].second;
        } catch (const std::exception &e) {
            problems << QString::fromUtf8(e.what());
        }
    }
    if (!problems.isEmpty())
        ShowError(this, problems.join(".\n"));
}

void MainWindow::SaveRecentFiles()
{
    // Written only when the list changed, so that a run that opens nothing
    // leaves the settings file alone, and never into a file that was kept
    // unread.
    if (recentFilePaths == storedRecentFiles || settingsRefused)
        return;
    // Files another instance opened meanwhile are kept too.
    Guarded(this, [&] {
        recentFilePaths = TethrixSettings::WriteRecentFiles(storedRecentFiles, recentFilePaths);
        storedRecentFiles = recentFilePaths;
    });
}

void MainWindow::StoreUnits()
{
    Guarded(this, [&] { TethrixSettings::Write({{TethrixSettings::UnitsName, DisplayUnitsName(edited.Units())}}); });
}

void MainWindow::AddRecentFile(const QString &path)
{
    if (recentFilePaths.contains(path))
        return;  // a listed file keeps its place
    recentFilePaths.prepend(path);
    while (recentFilePaths.size() > TethrixSettings::RecentCount)
        recentFilePaths.removeLast();
}

void MainWindow::ShowRecentFiles()
{
    for (int i = 0; i < TethrixSettings::RecentCount; ++i) {
        const QString entry = recentFilePaths.value(i);
        if (!entry.isEmpty()) {
            recentFilesSeparator->setVisible(true);
            recentFileActions[i]->setVisible(true);
            recentFileActions[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(entry));
        } else {
            recentFileActions[i]->setVisible(false);
        }
    }
}

void MainWindow::OpenRecent(int entry)
{
    const QString path = recentFilePaths.value(entry);
    std::string content;
    const QString problem = ReadSmallFile(path, MaxDataFileBytes, content);
    if (problem.isEmpty()) {
        ShowFileName(path);
        ApplyFile(path, content);
        return;
    }
    ReportOpenFailure(path, problem);
    recentFilePaths[entry] = QString();
    recentFilesSeparator->setVisible(false);
    for (QAction *a : recentFileActions) {
        a->setVisible(false);
        a->setText(QString());
    }
    ShowRecentFiles();
}

// ---- Data files ----

void MainWindow::ApplyFile(const QString &path, const std::string &content)
{
    hangarAirplane.clear();  // the fields now hold the file's airplane
    ShowAllAndReport(edited.Open(path.toStdString(), content));
}

void MainWindow::ReportOpenFailure(const QString &path, const QString &reason)
{
    UiSeams().message(this, tr("File Not Found"), Text(OpenFailure(path.toStdString(), reason.toStdString())),
                      QMessageBox::Warning, QString());
}

QString DialogFolderFor(const QString &programFolder, const QString &lastFolder)
{
    // An installed program lives in a system folder, where Save can only fail.
    if (!programFolder.isEmpty() && QFileInfo(programFolder).isDir() && QFileInfo(programFolder).isWritable())
        return programFolder;
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir())
        return lastFolder;
    return QDir::homePath();
}

void MainWindow::ShowFileName(const QString &path)
{
    lastFolder = QFileInfo(path).absolutePath();
    setWindowTitle(tr("%1 - Tethrix").arg(QFileInfo(path).fileName()));
}

QString MainWindow::ChooseDataFile(std::string &content)
{
    const QString path = UiSeams().openFile(this, DialogFolder(), DataFileFilter);
    if (path.isEmpty())
        return path;
    // A file that does not open is reported, and neither listed nor read.
    if (const QString problem = ReadSmallFile(path, MaxDataFileBytes, content); !problem.isEmpty()) {
        ReportOpenFailure(path, problem);
        return QString();
    }
    return path;
}

void MainWindow::Open()
{
    std::string content;
    const QString path = ChooseDataFile(content);
    if (path.isEmpty())
        return;
    AddRecentFile(path);
    ShowFileName(path);
    ApplyFile(path, content);
}

void MainWindow::KeepAsA()
{
    const Result<> kept = edited.KeepAsA();
    ShowFigures();
    if (!kept.ok())
        ShowError(this, tr("These inputs cannot be kept as A: %1").arg(Text(kept.error)));
}

void MainWindow::OpenA()
{
    std::string content;
    const QString path = ChooseDataFile(content);
    if (path.isEmpty())
        return;
    if (const Result<> opened = edited.OpenA(path.toStdString(), content); !opened.ok())
        ShowError(this, tr("%1 cannot be compared: %2").arg(path, Text(opened.error)));
    ShowFigures();
}

void MainWindow::ClearA()
{
    edited.ClearA();
    ShowFigures();
}

void MainWindow::Save()
{
    QString path = UiSeams().saveFile(this, DialogFolder(), Text(edited.Case().AcName), DataFileFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".TQD";
    if (const QString problem = WriteFileSafely(path, QByteArray::fromStdString(edited.FileBytes()));
        !problem.isEmpty()) {
        ShowError(this, tr("Cannot save the file %1: %2").arg(path, problem));
        return;
    }
    AddRecentFile(path);
    ShowFileName(path);
    edited.SavedAs(path.toStdString());  // the airplane takes the file's name
    ShowTexts();
}

// ---- Dialog, printing and help ----

void MainWindow::EditConditions()
{
    {
        ConditionsDialog dialog(*this, this);
        dialog.exec();
    }
    ShowConditions();
    RecalculateAndShow();
}

void MainWindow::ShowCharts()
{
    if (charts == nullptr) {
        // The charts, and Qt's chart library, load when first asked for.
        std::string problem;
        chartsModule = LoadModule<ChartsModule>("charts", "TethrixChartsModule", problem);
        if (chartsModule == nullptr) {
            ShowError(this, tr("The trim charts cannot open: %1").arg(Text(problem)));
            return;
        }
        charts = chartsModule->create(this);
        PlaceBeside(charts);
    }
    chartsModule->refresh(charts, edited.Calculated(), edited.Units());
    charts->show();
    charts->raise();
    charts->activateWindow();
}

void MainWindow::PlaceBeside(QWidget *other) const
{
    // Beside the window, on the side with room, kept on the screen.
    const QScreen *s = screen();
    if (s == nullptr)
        return;
    const QRect room = s->availableGeometry(), mine = frameGeometry();
    const QSize size = other->frameGeometry().size().boundedTo(room.size());
    int x = mine.right() + 1;
    if (x + size.width() > room.right() + 1)
        x = mine.left() - size.width();
    x = std::clamp(x, room.left(), room.right() + 1 - size.width());
    const int y = std::clamp(mine.top(), room.top(), room.bottom() + 1 - size.height());
    other->move(x, y);
}

void MainWindow::Print()
{
    // The page shows inputs and the figures that belong to them: the core
    // brings figures left behind by an edit up to date first.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const Result<ReportLines> page = edited.Report(local);
    ShowAll();
    if (!Succeeded(this, page))
        return;
    RefreshCharts();
    const ReportLines &lines = page.value;
    // Printing, and Qt's printing library, load when first asked for.
    std::string problem;
    const ReportModule *report = LoadModule<ReportModule>("report", "TethrixReportModule", problem);
    if (report == nullptr) {
        ShowError(this, tr("Printing is not available: %1").arg(Text(problem)));
        return;
    }

    std::string pdf, pdfPath;
    const std::vector<ReportRow> rows = ReportRowsIn(lines, CoreCatalogue());  // in the window's language
    if (!report->print(this, lines, &rows, UiSeams().printDialog, pdf, pdfPath) || pdfPath.empty())
        return;
    const QString path = QFile::decodeName(pdfPath.c_str());
    if (const QString why = WriteFileSafely(path, QByteArray::fromStdString(pdf)); !why.isEmpty()) {
        ShowError(this, tr("Cannot write the report %1: %2").arg(path, why));
        return;
    }
}

void MainWindow::ShowHelpContents() { UiSeams().help(this, HelpContents, QString()); }

void MainWindow::ShowAbout() { UiSeams().help(this, HelpAbout, QString()); }

// ---- The hangar ----

HangarDialog *MainWindow::hangarDialog()
{
    if (hangar == nullptr) {
        hangar = new HangarDialog(*this);
        PlaceBeside(hangar);
    }
    return hangar;
}

void MainWindow::ShowHangar()
{
    hangarDialog()->show();
    hangar->raise();
    hangar->activateWindow();
}

void MainWindow::LogFlight()
{
    // The log shows the entry just made.
    if (hangarDialog()->LogFlight())
        ShowTrimLog();
}

void MainWindow::ShowTrimLog() { hangarDialog()->ShowTrimLog(); }

bool MainWindow::OpenAirplane(const std::string &id, const QString &name, const std::string &bytes)
{
    hangarAirplane = id;
    setWindowTitle(tr("%1 - Tethrix").arg(name));
    return ShowAllAndReport(edited.Open(name.toStdString(), bytes));
}

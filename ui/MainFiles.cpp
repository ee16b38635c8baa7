// The window's files and commands: stored settings and recent files, data
// files in and out, the conditions dialog, the trim charts, printing and
// help. The fields and results live in Main.cpp.
#include "Main.h"

#include "Advgfg.h"
#include "Charts.h"
#include "Convert.h"
#include "Cspin.h"
#include "DataFile.h"
#include "EngineError.h"
#include "Figures.h"
#include "Modules.h"
#include "QtFiles.h"
#include "ReportPage.h"
#include "Seams.h"
#include "Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScreen>

#include <algorithm>
#include <functional>

namespace {

const QString DataFileFilter = QStringLiteral("Tethrix Data File (*.TQD)");

QString Text(const std::string &s) { return QString::fromStdString(s); }

}  // namespace

void TForm1::LoadSettings()
{
    using namespace TethrixSettings;
    FlightCase defaults;
    ApplyAdvancedDefaults(defaults);
    float FlightCase::*const fields[] = {&FlightCase::ArmLngth, &FlightCase::HndlAngl, &FlightCase::WindSpeed,
                                         &FlightCase::Temprature, &FlightCase::Preasure, &FlightCase::Humidity};
    std::array<float, ConditionCount> defaultValues;
    for (int i = 0; i < ConditionCount; ++i)
        defaultValues[i] = defaults.*fields[i];

    // One box at start-up, one line for each setting that is not as stored.
    Loaded loaded = Load(defaultValues);
    QStringList problems = loaded.problems;
    for (int i = 0; i < ConditionCount; ++i)
        fc.*fields[i] = loaded.conditions[i].value_or(defaultValues[i]);
    RecentFiles = loaded.recentFiles;
    storedRecentFiles = RecentFiles;
    shownUnits = loaded.units;
    if (!loaded.hasConditions) {
        // The first run stores the defaults and an empty recent-files list.
        QList<QPair<QString, QString>> values;
        for (int i = 0; i < ConditionCount; ++i)
            values.append({ConditionNames[i], Text(FormatNumber(defaultValues[i], 4, DecimalSeparator()))});
        for (int i = 0; i < RecentCount; ++i)
            values.append({RecentName(i), RecentFiles.value(i)});
        try {
            Write(values);
        } catch (const std::exception &e) {
            problems << QString::fromUtf8(e.what());
        }
    }
    if (!problems.isEmpty())
        ShowError(this, problems.join(".\n"));
}

void TForm1::SaveRecentFiles()
{
    // Written only when the list changed, so that a run that opens nothing
    // leaves the settings file alone.
    if (RecentFiles == storedRecentFiles)
        return;
    QList<QPair<QString, QString>> values;
    for (int i = 0; i < TethrixSettings::RecentCount; ++i)
        values.append({TethrixSettings::RecentName(i), RecentFiles.value(i)});
    Guarded(this, [&] {
        TethrixSettings::Write(values);
        storedRecentFiles = RecentFiles;
    });
}

void TForm1::StoreUnits()
{
    Guarded(this, [&] { TethrixSettings::Write({{TethrixSettings::UnitsName, DisplayUnitsName(shownUnits)}}); });
}

void TForm1::AddRecentFile(const QString &path)
{
    if (RecentFiles.contains(path))
        return;  // a listed file keeps its place
    RecentFiles.prepend(path);
    while (RecentFiles.size() > TethrixSettings::RecentCount)
        RecentFiles.removeLast();
}

void TForm1::File1Click()
{
    for (int i = 0; i < TethrixSettings::RecentCount; ++i) {
        const QString entry = RecentFiles.value(i);
        if (!entry.isEmpty()) {
            MRUSeparator->setVisible(true);
            MRU[i]->setVisible(true);
            MRU[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(entry));
        } else {
            MRU[i]->setVisible(false);
        }
    }
}

void TForm1::MRU1Click(int entry)
{
    const QString path = RecentFiles.value(entry);
    std::string content;
    const QString problem = ReadSmallFile(path, MaxDataFileBytes, content);
    if (problem.isEmpty()) {
        SetTextsAndRecalculate([&] { ApplyDataFile(content); });
        return;
    }
    ReportOpenFailure(path, problem);
    RecentFiles[entry] = QString();
    MRUSeparator->setVisible(false);
    for (QAction *a : MRU) {
        a->setVisible(false);
        a->setText(QString());
    }
    File1Click();
}

// ---- Data files ----

namespace {

// A data file read into the window goes through its fields, so that every
// change handler runs as if the flier had typed the value.
class FieldTarget : public DataFileTarget {
public:
    FieldTarget(FlightCase &fc, QLineEdit *name, TCSpinEdit *lines, std::function<QLineEdit *(const std::string &)> field,
                std::function<void()> nameChanged, std::function<void(QLineEdit *, const InputKey &)> showStored)
        : fc(fc), name(name), lines(lines), field(std::move(field)), nameChanged(std::move(nameChanged)),
          showStored(std::move(showStored))
    {
    }
    void SetName(const std::string &value) override
    {
        fc.AcName = value;
        name->setText(QString::fromUtf8(value.c_str(), static_cast<int>(value.size())));
        nameChanged();  // the field holds at most 70 characters
    }
    void SetLines(int count) override
    {
        fc.NumLines = count;
        lines->SetValue(count);
    }
    void SetNumber(const InputKey &key, float value) override
    {
        // The value in force is the one read back from the field's text as
        // imperial shows it, whatever the units shown: the same file gives
        // the same figures either way.
        const char sep = TForm1::DecimalSeparator();
        fc.*(key.field) = ParseNumber(FormatNumber(value, key.digits, sep), sep);
        showStored(field(key.key), key);
    }

private:
    FlightCase &fc;
    QLineEdit *name;
    TCSpinEdit *lines;
    std::function<QLineEdit *(const std::string &)> field;
    std::function<void()> nameChanged;
    std::function<void(QLineEdit *, const InputKey &)> showStored;
};

}  // namespace

void TForm1::ApplyDataFile(const std::string &content)
{
    FieldTarget target(
        fc, AcName, NumLines, [this](const std::string &key) { return FieldForKey(key); }, [this] { AcNameChange(); },
        [this](QLineEdit *field, const InputKey &key) { ShowStored(field, key); });
    ApplyDataFileEntries(ParseDataFile(content), target);
}

QLineEdit *TForm1::FieldForKey(const std::string &key) const
{
    for (const auto &f : numberFields)
        if (key == f.second->key)
            return f.first;
    return nullptr;
}

void TForm1::ReportOpenFailure(const QString &path, const QString &reason)
{
    UiSeams().message(this, tr("File Not Found"), "Cannot Open File " + path + "\n" + reason, QMessageBox::Warning);
}

void TForm1::Open1Click()
{
    const QString path = UiSeams().openFile(this, programFolder, DataFileFilter);
    if (path.isEmpty())
        return;
    // A file that does not open is reported, and neither listed nor read.
    std::string content;
    if (const QString problem = ReadSmallFile(path, MaxDataFileBytes, content); !problem.isEmpty()) {
        ReportOpenFailure(path, problem);
        return;
    }
    AddRecentFile(path);
    SetTextsAndRecalculate([&] {
        ApplyDataFile(content);
        AcName->setText(Text(fc.AcName));
    });
}

void TForm1::Save1Click()
{
    QString path = UiSeams().saveFile(this, programFolder, Text(fc.AcName), DataFileFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".TQD";
    if (const QString problem = WriteFileSafely(path, QByteArray::fromStdString(DataFileText(fc)));
        !problem.isEmpty()) {
        ShowError(this, tr("Cannot save the file %1: %2").arg(path, problem));
        return;
    }
    AddRecentFile(path);
    // The airplane takes the file's name: the folder and the last "." with
    // the three characters after it go.
    QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf('.');
    if (dot >= 0)
        name.remove(dot, 4);
    fc.AcName = name.toStdString();
    // Renaming changes no figure: the heading keeps its colour.
    const QScopedValueRollback<bool> guard(programSetsTexts, true);
    AcName->setText(name);
}

// ---- Dialog, printing and help ----

void TForm1::Configure1Click()
{
    {
        TAdvCfgFrm dialog(*this, this);
        dialog.exec();
    }
    RecalculateAndShow();
}

void TForm1::Charts1Click()
{
    if (charts == nullptr) {
        // The charts, and Qt's chart library, load when first asked for.
        std::string problem;
        chartsModule = LoadModule<ChartsModule>("charts", "TethrixChartsModule", problem);
        if (chartsModule == nullptr)
            throw std::runtime_error(tr("The trim charts cannot open: %1").arg(Text(problem)).toStdString());
        charts = chartsModule->create(this);
        PlaceBeside(charts);
    }
    chartsModule->refresh(charts, lastCalculated, shownUnits);
    charts->show();
    charts->raise();
    charts->activateWindow();
}

void TForm1::PlaceBeside(QWidget *other) const
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

void TForm1::Print1Click()
{
    // The page shows inputs and the figures that belong to them: figures
    // left behind by an edit are brought up to date first, as Enter would.
    if (!resultsCurrent)
        RecalculateAndShow();
    // Printing, and Qt's printing library, load when first asked for.
    std::string problem;
    const ReportModule *report = LoadModule<ReportModule>("report", "TethrixReportModule", problem);
    if (report == nullptr)
        throw std::runtime_error(tr("Printing is not available: %1").arg(Text(problem)).toStdString());

    const auto utf8 = [](const QString &t) { return t.toStdString(); };
    ReportLines lines;
    lines.airplaneName = fc.AcName;
    lines.inputHeading = utf8(Label1->text());
    lines.resultHeading = utf8(Label2->text());
    lines.numLines = NumLines->CheckValue(NumLines->GetValue());  // the count the figures were made with
    for (QLabel *caption : inputCaptions)
        lines.inputCaptions.push_back(utf8(caption->text()));
    for (const auto &f : numberFields)
        lines.inputTexts.push_back(utf8(f.first->text()));
    lines.units = shownUnits;
    for (int i = FirstConditionKey; i < InputKeyCount; ++i) {
        const InputKey &key = InputKeys[i];
        lines.conditionTexts.push_back(FormatShown(key.measure, shownUnits, fc.*(key.field), 4, DecimalSeparator()));
    }
    for (QLabel *l : resultLabels)
        lines.resultTexts.push_back(utf8(l->text()));
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    lines.printed = PrintedLine(local);

    std::string pdf, pdfPath;
    if (!report->print(this, lines, UiSeams().printDialog, pdf, pdfPath) || pdfPath.empty())
        return;
    const QString path = QFile::decodeName(pdfPath.c_str());
    if (const QString why = WriteFileSafely(path, QByteArray::fromStdString(pdf)); !why.isEmpty())
        throw std::runtime_error(tr("Cannot write the report %1: %2").arg(path, why).toStdString());
}

void TForm1::Contents1Click() { UiSeams().help(this, HelpContents); }

void TForm1::About1Click() { UiSeams().help(this, HelpAbout); }

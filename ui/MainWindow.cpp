#include "ui/MainWindow.h"
#include "ui/WindowLanguage.h"
#include "ui/WindowWidgets.h"

#include "ui/Charts.h"
#include "ui/HangarDialog.h"
#include "ui/HeadingColours.h"
#include "controls/SpinEdit.h"
#include "case/DataFile.h"
#include "ui/Seams.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include <stdexcept>

namespace {

bool IsEnter(const QKeyEvent *e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

// A figure's text in the window's language ("Line Tension = 8.042 pounds"):
// the caption and what follows its " = " each translated, so that a
// catalogue that holds the caption and the value's unit translates the
// whole; a text not made so, whole.
QString SaidFigure(const std::string &text)
{
    const size_t equals = text.find(" = ");
    if (equals == std::string::npos)
        return Said(text);
    return MainWindow::tr("%1 = %2").arg(Said(text.substr(0, equals)), Said(text.substr(equals + 3)));
}

}  // namespace

void MainWindow::StartFromSettings()
{
    recentFilePaths.clear();
    LoadSettings();  // the conditions, the recent files and the units
    programFolder = QCoreApplication::applicationDirPath();
    Guarded(this, [&] { ResetInputs(); });
}

void MainWindow::SaveRecentFilesOnce()
{
    if (!recentFilesSaved) {
        recentFilesSaved = true;
        SaveRecentFiles();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The list is written when the window goes, however it is closed.
    SaveRecentFilesOnce();
    QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!centred && screen() != nullptr) {
        centred = true;
        FitTheScreen(true);
        move(screen()->availableGeometry().center() - rect().center());
    }
    QMainWindow::showEvent(event);
}

char MainWindow::DecimalSeparator()
{
    const QString sep = QLocale().decimalPoint();
    return sep.size() == 1 && sep[0].unicode() < 128 ? static_cast<char>(sep[0].unicode()) : '.';
}

void MainWindow::ShowHeading()
{
    const bool current = edited.Current();
    SetLabelColour(figuresHeading, current ? headings::Role::Current : headings::Role::Stale,
                   palette().color(QPalette::Window));
    // Words for the state too, for fliers who cannot tell red from green.
    const QString cue = current ? QString() : Said(edited.HeadingCue());
    figuresHeading->setToolTip(cue);
    figuresHeading->setAccessibleDescription(cue);
}

void MainWindow::changeEvent(QEvent *event)
{
    // A new palette (a dark desktop theme, say): the headings' colours are
    // chosen again against the panels' new background.
    if (event->type() == QEvent::FontChange && isVisible())
        FitTheScreen(true);
    // Back in this window: what another window kept in the hangar shows.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && hangar != nullptr)
        Guarded(this, [&] { hangar->Refresh(); });
    if (event->type() == QEvent::PaletteChange && figuresHeading) {
        for (const char *name : {"Label1", "Label15"})
            if (auto *label = findChild<QLabel *>(name))
                SetLabelColour(label, headings::Role::Title, palette().color(QPalette::Window));
        ShowHeading();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::SetAdvancedDefaults() { edited.ConditionDefaults(); }

void MainWindow::SetCondition(const InputKey &key, float value) { edited.SetStored(key, value); }

void MainWindow::ResetInputs()
{
    hangarAirplane.clear();
    ShowAllAndReport(edited.Defaults());
}

bool MainWindow::ShowAllAndReport(const Result<> &done)
{
    ShowAll();
    if (!Succeeded(this, done))
        return false;
    RefreshCharts();
    return true;
}

void MainWindow::ShowAll()
{
    ShowUnitNames();
    ShowTexts();
    ShowFigures();
    ShowConditions();
}

void MainWindow::ShowConditions()
{
    SetWrappedText(conditionsLine, tr("Flying conditions: %1").arg(Said(edited.ConditionsSummary())));
    if (isVisible())
        FitTheScreen(false);
}

void MainWindow::ShowTexts()
{
    // The core's texts are shown, not read back: no field hears of it.
    for (const auto &[field, key] : mainFields)
        if (field->text() != Text(edited.Text(*key))) {
            const QSignalBlocker quiet(field);
            field->setText(Text(edited.Text(*key)));
        }
    for (auto [field, which] :
         {std::pair{whatIfLapTime, WhatIfField::LapTime}, {whatIfLineLength, WhatIfField::LineLength}})
        if (field->text() != Text(edited.WhatIfText(which))) {
            const QSignalBlocker quiet(field);
            field->setText(Text(edited.WhatIfText(which)));
        }
}

void MainWindow::ShowFigures()
{
    for (int i = 0; i < FigureCount; ++i) {
        resultLabels[i]->setText(SaidFigure(edited.Figures()[i].text));
        resultLabels[i]->setVisible(edited.Figures()[i].shown);
        comparisonLabels[i]->setText(Said(edited.ComparisonText(i)));
        comparisonLabels[i]->setVisible(!resultLabels[i]->isHidden());
    }
    comparisonColumn->setVisible(edited.HasA());
    comparisonColumn->updateGeometry();
    SetWrappedText(comparedWith, Said(edited.ComparisonSummary()));
    // Once calculated.
    lapSpeedLine->setText(edited.Figures()[0].value ? SaidFigure(edited.LapSpeedText()) : QString());
    clearA->setEnabled(edited.HasA());
    QStringList notes;
    for (const InputNote &note : edited.Notes())
        notes << Said(note.text);
    SetWrappedText(inputNotes, notes.join('\n'));
    inputNotes->setVisible(!notes.isEmpty());
    ShowHeading();
    if (isVisible())
        FitTheScreen(false);
}

void MainWindow::SetUnits(DisplayUnits units)
{
    if (units != edited.Units()) {
        edited.SetUnits(units);
        ShowAll();
        StoreUnits();
        if (hangar != nullptr)
            hangar->ShowUnits();
    }
    RefreshCharts();
}

void MainWindow::ShowUnitNames()
{
    const DisplayUnits units = edited.Units();
    imperialAction->setChecked(units == DisplayUnits::Imperial);
    metricAction->setChecked(units == DisplayUnits::Metric);
    for (const auto &[label, key] : inputUnits)
        label->setText(Said(edited.UnitText(*key, key->fieldUnit)));
    whatIfUnit->setText(Said(edited.UnitText(KeyOf(Input::LineLength), "feet")));
}

bool MainWindow::RecalculateAndShow()
{
    const Result<> calculated = edited.Recalculate();
    ShowFigures();  // a fault shows the labels rewritten before it
    if (!Succeeded(this, calculated, Said(edited.Advice().text)))
        return false;
    RefreshCharts();
    return true;
}

void MainWindow::RefreshCharts()
{
    if (charts != nullptr && charts->isVisible())
        chartsModule->refresh(charts, edited.Calculated(), edited.Units());
}

void MainWindow::InputEdited(const InputKey &key, QLineEdit *field)
{
    const Result<> taken = edited.SetText(key.key, field->text().toStdString());
    ShowTexts();  // the line count's "1", the What-If copies
    ShowHeading();
    Succeeded(this, taken, Said(edited.Advice().text));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A figure, its panel or A's column moved: A's values follow.
    const QEvent::Type type = event->type();
    if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
        !qobject_cast<QLineEdit *>(watched)) {
        PlaceComparisons();
        return false;
    }
    if (type != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == whatIfLapTime || watched == whatIfLineLength)
        return WhatIfKeyDown(key, static_cast<QLineEdit *>(watched));
    for (const auto &f : mainFields)
        if (watched == f.first)
            return MainFieldKeyDown(key, f.first->objectName());
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::MainFieldKeyDown(QKeyEvent *event, const QString &field)
{
    if (event->key() == Qt::Key_F1) {
        UiSeams().help(this, HelpMainInputs, field);  // the field's own part of the page
        return true;
    }
    if (IsEnter(event)) {
        // Enter recalculates and goes no further.
        Guarded(this, [&] { RecalculateAndShow(); });
        return true;
    }
    return false;
}

bool MainWindow::WhatIfKeyDown(QKeyEvent *event, QLineEdit *field)
{
    if (event->key() == Qt::Key_F1) {
        UiSeams().help(this, HelpWhatIf, QString());
        return true;
    }
    if (IsEnter(event)) {
        const Result<> converted = edited.WhatIf(field == whatIfLapTime ? WhatIfField::LapTime
                                                                        : WhatIfField::LineLength);
        ShowTexts();
        Succeeded(this, converted);
    }
    return false;  // Enter goes on to the field as usual
}

// ---- Flying conditions and recent files in the stored settings ----

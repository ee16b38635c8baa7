// Main: the program's one window.
//
// Architecture. The window is a face over the one CaseEditor (engine/), which
// holds the fifteen inputs, their texts, the heading's state, the figures and
// the What-If row, and every rule between them. Data flows one way:
//   input field --textChanged--> CaseEditor::SetText   (heading red)
//   Enter / file opened / dialog closed --> CaseEditor::Recalculate
//   then the window shows the core's texts, figures and heading.
// The window keeps only widgets: menus, fields, labels, dialogs, the recent
// files and the stored settings (TethrixSettings), the printed page
// (Report) and the trim charts (Charts, refreshed after each successful
// recalculation). Anything that waits for a person goes through Seams, so
// tests can replace it.
#pragma once

#include "case/CaseEditor.h"

#include <QMainWindow>
#include <QStringList>
#include <QVariant>

#include <array>

class QAction;
class QFrame;
class HangarDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
struct ChartsModule;
class SpinEdit;

// Where the Open and Save dialogs start: the program's folder when the user
// may write there, else the last folder used, else the home folder.
QString DialogFolderFor(const QString &programFolder, const QString &lastFolder);

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;
    // The classic 696 × 445, or what the texts shown ask beyond it.
    QSize sizeHint() const override;

    void ResetInputs();
    bool RecalculateAndShow();  // whether the figures now belong to the inputs
    void SetAdvancedDefaults();
    // A flying condition the conditions dialog stores.
    void SetCondition(const InputKey &key, float value);
    void AddRecentFile(const QString &path);

    // The inputs as stored; tests set cases up through it.
    FlightCase &flightCase() { return edited.Case(); }
    const FlightCase &flightCase() const { return edited.Case(); }
    float lapSpeed() const { return edited.LapSpeed(); }
    DisplayUnits units() const { return edited.Units(); }
    const CaseEditor &caseEditor() const { return edited; }
    // The conditions as the settings file last held them, for the dialog's save.
    std::array<QVariant, ConditionKeyCount> &storedConditionsBase() { return storedConditions; }
    // Shows every input, figure and unit in these units and stores the
    // choice; no stored value and no figure changes.
    void SetUnits(DisplayUnits units);
    const QStringList &recentFiles() const { return recentFilePaths; }
    // The decimal separator of the user's locale.
    static char DecimalSeparator();

    // Menu handlers, public so that tests and the menus call the same code.
    void ShowRecentFiles();
    void Open();
    void Save();
    // Two setups side by side: the inputs as they stand, or a data file,
    // pinned as A; every figure then shows A's value and the change.
    void KeepAsA();
    void OpenA();
    void ClearA();
    void Print();
    void OpenRecent(int entry);
    void EditConditions();
    void ShowCharts();
    void ShowLapTimer();
    // A timed lap's mean into Lap Time, as if typed, and recalculated.
    void UseLapTime(double seconds);
    void ShowHelpContents();
    void ShowAbout();

    // The hangar and the trim log, in a dialog created when first asked for.
    void ShowHangar();
    void LogFlight();
    void ShowTrimLog();
    HangarDialog *hangarDialog();
    // The airplane of the hangar the fields hold (its id), or empty: a data
    // file opened or the defaults forget it.
    const std::string &openAirplane() const { return hangarAirplane; }
    void SetOpenAirplane(const std::string &id) { hangarAirplane = id; }
    // An airplane's data-file bytes opened as File > Open opens a file's.
    bool OpenAirplane(const std::string &id, const QString &name, const std::string &bytes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void PlaceBeside(QWidget *other) const;
    // The panels and the window as large as their texts ask, as the screen
    // allows; shrink: also smaller than the window is now.
    void FitTheScreen(bool shrink);
    void showEvent(QShowEvent *event) override;

private:
    void CreateMenus();
    void CreatePanels();
    void CreateInputPanel(QWidget *panel);
    void CreateResultPanel(QWidget *panel);
    // The additions to the classic window, below and beside its panels.
    void CreateAdditions();
    QLabel *MakeResultLabel(int figure, QWidget *panel);
    void PlaceComparisons();  // A's values at their figures' heights
    void StartFromSettings();
    void SaveRecentFilesOnce();

    // A main field's text changed, however: the core reads it.
    void InputEdited(const InputKey &key, QLineEdit *field);
    void ShowTexts();      // every field and the What-If row, as the core has them
    void ShowUnitNames();  // the menu's check mark and the unit labels
    void ShowFigures();    // the result labels and the heading
    void ShowAll();
    bool MainFieldKeyDown(QKeyEvent *event, const QString &field);
    bool WhatIfKeyDown(QKeyEvent *event, QLineEdit *field);
    void ShowHeading();
    // Shows the core after an operation and reports its error, if any.
    bool ShowAllAndReport(const Result<> &done);
    void ApplyFile(const QString &path, const std::string &content);
    void ReportOpenFailure(const QString &path, const QString &reason);
    // The data file the flier picks, read into content; empty when none is
    // picked or it cannot be read (then reported).
    QString ChooseDataFile(std::string &content);
    void RefreshCharts();
    void LoadSettings();
    void SaveRecentFiles();
    void StoreUnits();
    void CreateLanguageMenu(QMenu *advanced);
    void ChooseLanguage(const QString &code);  // empty: the system's

    CaseEditor edited{DecimalSeparator()};
    QStringList recentFilePaths;
    QStringList storedRecentFiles;  // as the settings file holds them
    // The conditions as the settings file held them when read or last
    // stored, so that a save keeps what another instance stored meanwhile.
    std::array<QVariant, ConditionKeyCount> storedConditions;
    QString programFolder;
    QString lastFolder;  // of the last file opened or saved
    QString DialogFolder() const { return DialogFolderFor(programFolder, lastFolder); }
    // The window's title names the file the airplane came from or went to.
    void ShowFileName(const QString &path);
    QLabel *conditionsLine = nullptr;  // the conditions in force, under the input panel
    void ShowConditions();
    bool recentFilesSaved = false;
    bool settingsRefused = false;  // the settings file was kept unread
    bool centred = false;

    QLineEdit *airplaneNameField = nullptr;
    SpinEdit *lineCountField = nullptr;
    QLineEdit *whatIfLapTime = nullptr;
    QLineEdit *whatIfLineLength = nullptr;
    QLabel *whatIfUnit = nullptr;
    QLabel *inputNotes = nullptr;  // the notes on the inputs, under the figures
    QLabel *lapSpeedLine = nullptr;  // "Lap Speed = 54.36 mph", under the added figures
    QLabel *inputsHeading = nullptr;
    QLabel *figuresHeading = nullptr;
    std::array<QLabel *, FigureCount> resultLabels{};  // in the order of Figures
    std::array<QLabel *, FigureCount> comparisonLabels{};  // beside them: A's value and the change
    QGridLayout *panelGrid = nullptr;
    QFrame *inputPanel = nullptr, *resultPanel = nullptr;
    QFrame *addedFigures = nullptr;         // the figures after the classic eleven
    QWidget *comparisonColumn = nullptr;    // A's values, beside the figures
    QLabel *comparedWith = nullptr;                    // "A: <airplane>"
    QPushButton *clearA = nullptr;
    // The nine main fields with their inputs, in tab order.
    QList<QPair<QLineEdit *, const InputKey *>> mainFields;
    QList<QPair<QLabel *, const InputKey *>> inputUnits;  // beside the number fields
    struct NumberField {
        QLineEdit *field;
        int classicWidth;
        const char *longest;  // the longest text it must show whole
    };
    QList<NumberField> numberFields;  // sized by FitTheScreen

    QMenu *fileMenu = nullptr;
    std::array<QAction *, 5> recentFileActions{};
    QAction *imperialAction = nullptr;
    QAction *metricAction = nullptr;
    QAction *recentFilesSeparator = nullptr;
    HangarDialog *hangar = nullptr;  // created when first opened
    std::string hangarAirplane;
    QWidget *charts = nullptr;  // the trim charts, created when first opened
    const ChartsModule *chartsModule = nullptr;
    class LapTimerDialog *lapTimer = nullptr;  // created when first opened
};

// Main: the program's one window.
//
// Architecture. The window owns the one FlightCase (the fifteen inputs as
// entered, always imperial) and the one CalcEngine. Data flows one way:
//   input field --textChanged--> ParseShown --> FlightCase   (heading red)
//   Enter / file opened / dialog closed --> RecalculateAndShow:
//     CalcEngine::Recalculate --> accessors --> FormatShown --> result labels
//     (heading green), LapSpeed for the What-If row.
// Units (imperial or metric) are a matter of showing and typing only: a
// switch shows the stored values again and changes none of them.
// The engine (engine/) holds the physics, Convert the number texts, Figures
// the captions and units; DataFile the .TQD format, TethrixSettings the
// stored conditions and recent files, Report the printed page, Charts the
// trim charts (refreshed after each successful recalculation). Anything that
// waits for a person goes through Seams, so tests can replace it.
#pragma once

#include "Calcs.h"
#include "Figures.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
struct ChartsModule;
class TCSpinEdit;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    void ResetInputs();
    void RecalculateAndShow();
    void SetAdvancedDefaults();
    void AddRecentFile(const QString &path);

    FlightCase &flightCase() { return fc; }
    const FlightCase &flightCase() const { return fc; }
    float lapSpeed() const { return LapSpeedValue; }
    DisplayUnits units() const { return shownUnits; }
    // Shows every input, figure and unit in these units and stores the
    // choice; no stored value and no figure changes.
    void SetUnits(DisplayUnits units);
    const QStringList &recentFiles() const { return RecentFiles; }
    // The decimal separator of the user's locale.
    static char DecimalSeparator();

    // Menu handlers, public so that tests and the menus call the same code.
    void File1Click();
    void Open1Click();
    void Save1Click();
    void Print1Click();
    void MRU1Click(int entry);
    void Configure1Click();
    void Charts1Click();
    void Contents1Click();
    void About1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void PlaceBeside(QWidget *other) const;
    void FitTheScreen();
    void showEvent(QShowEvent *event) override;

private:
    void createMenus();
    void createInputPanel(QWidget *panel);
    void createResultPanel(QWidget *panel);
    void FormCreate();
    void FormDestroy();

    void AcNameChange();
    void NumLinesChange();
    void NumberFieldChange(QLineEdit *field, const InputKey &key, QLineEdit *whatIfCopy);
    // Shows the stored value of key in field, in the units shown, without
    // reading the text back.
    void ShowStored(QLineEdit *field, const InputKey &key);
    void ShowUnits();      // every text that holds a number or a unit
    void ShowUnitNames();  // the menu's check mark and the unit labels
    void ShowFigure(int index);
    void ShowWhatIfLength(float feet);
    bool AcNameKeyDown(QKeyEvent *event);
    bool WfLapTimeKeyDown(QKeyEvent *event, QLineEdit *field);
    void WfLapTimeKeyPress();
    void WfLineLengthKeyPress();
    void SetHeadingCurrent(bool current);
    // Puts the entries of a data file into the fields, as typing would.
    void ApplyDataFile(const std::string &content);
    void InputTextChanged();
    // Sets input texts from the program, then recalculates: the heading
    // turns green when the figures follow, red when they cannot.
    void SetTextsAndRecalculate(const std::function<void()> &setTexts);
    void ReportOpenFailure(const QString &path, const QString &reason);
    QLineEdit *FieldForKey(const std::string &key) const;
    void LoadSettings();
    void SaveRecentFiles();
    void StoreUnits();

    FlightCase fc;
    float GroundSpeed = 0;
    float LapSpeedValue = 0;
    CalcEngine engine{fc, GroundSpeed};
    FlightCase lastCalculated;  // the case the results shown belong to
    QStringList RecentFiles;
    QStringList storedRecentFiles;  // as the settings file holds them
    QString programFolder;
    bool recentFilesSaved = false;
    bool resultsCurrent = false;    // the heading is green
    bool programSetsTexts = false;  // texts set by the program, not typed
    bool showingStored = false;     // texts that show fc: not read back
    DisplayUnits shownUnits = DisplayUnits::Imperial;
    // The What-If line length the program last wrote, in feet, and its
    // text: a switch of units shows that length again, not its rounding.
    float whatIfLength = 0;
    QString whatIfLengthText;
    std::array<std::optional<double>, FigureCount> shownFigures{};  // imperial, as each label shows it
    bool centred = false;

    QLineEdit *AcName = nullptr;
    TCSpinEdit *NumLines = nullptr;
    QLineEdit *LineDia = nullptr;
    QLineEdit *LineLength = nullptr;
    QLineEdit *WingLength = nullptr;
    QLineEdit *HndlLngth = nullptr;
    QLineEdit *Weight = nullptr;
    QLineEdit *LapTime = nullptr;
    QLineEdit *WingArea = nullptr;
    QLineEdit *WfLapTime = nullptr;
    QLineEdit *WfLineLength = nullptr;
    QLabel *whatIfUnit = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    std::array<QLabel *, FigureCount> resultLabels{};  // in the panel's top-to-bottom order
    std::array<QLabel *, 8> inputCaptions{};  // Number of Lines … Wing Area
    QList<QWidget *> mainFields;
    QList<QPair<QLineEdit *, const InputKey *>> numberFields;  // LineDia … WingArea
    std::array<QPair<QLabel *, const char *>, 7> inputUnits{};   // beside them, with the imperial text

    QMenu *File1 = nullptr;
    std::array<QAction *, 5> MRU{};
    QAction *Imperial1 = nullptr;
    QAction *Metric1 = nullptr;
    QAction *MRUSeparator = nullptr;
    QWidget *charts = nullptr;  // the trim charts, created when first opened
    const ChartsModule *chartsModule = nullptr;
};

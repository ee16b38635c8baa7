#include "Main.h"

#include "Advgfg.h"
#include "Charts.h"
#include "HeadingColours.h"
#include "Modules.h"
#include "Convert.h"
#include "Cspin.h"
#include "DataFile.h"
#include "EngineError.h"
#include "Figures.h"
#include "ReportPage.h"
#include "QtFiles.h"
#include "Seams.h"
#include "Settings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

const QString DataFileFilter = QStringLiteral("Tethrix Data File (*.TQD)");
constexpr int NumberFieldWidth = 60;

QFrame *MakeBar(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setFrameShape(QFrame::HLine);
    bar->setFrameShadow(QFrame::Sunken);
    return bar;
}

// The background is the window's: a label's own palette may not have taken
// a new desktop palette yet when the window hears of it.
void SetLabelColour(QLabel *label, headings::Role role, const QColor &background)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, headings::ColourFor(role, background));
    label->setPalette(p);
}

QLabel *MakeHeading(const QString &text, const char *name, QWidget *parent, int pixelSize)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setBold(true);
    f.setPixelSize(pixelSize);
    label->setFont(f);
    SetLabelColour(label, headings::Role::Title, parent->palette().color(QPalette::Window));
    return label;
}

QString Text(const std::string &s) { return QString::fromStdString(s); }

bool IsEnter(const QKeyEvent *e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

}  // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Tethrix");
    createMenus();

    auto *central = new QWidget(this);
    auto *left = new QFrame(central);
    auto *right = new QFrame(central);
    for (QFrame *panel : {left, right}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedSize(311, 380);
    }
    left->setObjectName("InputPanel");
    right->setObjectName("ResultPanel");
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(13, 8, 13, 8);
    layout->setSpacing(42);
    layout->addWidget(left);
    layout->addWidget(right);
    layout->addStretch();
    setCentralWidget(central);
    createInputPanel(left);
    createResultPanel(right);
    resize(696, 445);

    FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::createMenus()
{
    File1 = menuBar()->addMenu(tr("&File"));
    File1->setObjectName("File1");
    auto action = [this](QMenu *menu, const QString &text, const char *name, auto handler) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, handler] { Guarded(this, [&] { (this->*handler)(); }); });
        return a;
    };
    action(File1, tr("&Open..."), "Open1", &TForm1::Open1Click);
    action(File1, tr("&Save"), "Save1", &TForm1::Save1Click);
    File1->addSeparator()->setObjectName("N2");
    action(File1, tr("&Print..."), "Print1", &TForm1::Print1Click);
    File1->addSeparator()->setObjectName("N1");
    for (int i = 0; i < 5; ++i) {
        MRU[i] = File1->addAction(QString());
        MRU[i]->setObjectName(QStringLiteral("MRU%1").arg(i + 1));
        MRU[i]->setVisible(false);
        connect(MRU[i], &QAction::triggered, this, [this, i] { Guarded(this, [&] { MRU1Click(i); }); });
    }
    MRUSeparator = File1->addSeparator();
    MRUSeparator->setObjectName("MRUSeparator");
    MRUSeparator->setVisible(false);
    QAction *exit = File1->addAction(tr("E&xit"));
    exit->setObjectName("Exit1");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(File1, &QMenu::aboutToShow, this, [this] { Guarded(this, [&] { File1Click(); }); });

    QMenu *advanced = menuBar()->addMenu(tr("&Advanced"));
    advanced->setObjectName("Advanced1");
    action(advanced, tr("&Data Entry"), "Configure1", &TForm1::Configure1Click);
    action(advanced, tr("&Trim Charts..."), "Charts1", &TForm1::Charts1Click);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help1");
    action(help, tr("&Contents"), "Contents1", &TForm1::Contents1Click);
    action(help, tr("&About..."), "About1", &TForm1::About1Click);
}

void TForm1::createInputPanel(QWidget *panel)
{
    auto *box = new QVBoxLayout(panel);
    Label1 = MakeHeading(tr("Input Data"), "Label1", panel, 16);
    box->addWidget(Label1, 0, Qt::AlignHCenter);
    box->addWidget(MakeBar(panel));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    AcName = new QLineEdit("Default", panel);
    AcName->setObjectName("AcName");
    AcName->setMaxLength(MaxNameLength);
    NumLines = new TCSpinEdit(panel);
    NumLines->setObjectName("NumLines");
    NumLines->MinValue = 1;
    NumLines->MaxValue = 3;
    NumLines->setText("2");
    NumLines->setFixedWidth(NumberFieldWidth);

    // Caption, the caption's and the field's names, unit, the field's text
    // before start-up, its data-file key.
    struct Row { const char *caption, *captionName, *field, *unit, *layoutText, *key; QLineEdit **edit; };
    const Row rows[] = {
        {"Line Diameter", "SizeLabel", "LineDia", "inch", ".015", "ls", &LineDia},
        {"Line Length (Eye to Eye)", "LengthLabel", "LineLength", "feet", "58", "ll", &LineLength},
        {"Inboard Wing Length", "WngLnthLabel", "WingLength", "inches", "24", "wl", &WingLength},
        {"Handle/Leadout Length", "HndlLngthLabel", "HndlLngth", "inches", "6", "hl", &HndlLngth},
        {"Airplane Weight", "WtLabel", "Weight", "ounces", "42", "wt", &Weight},
        {"Lap Time", "LapTmeLabel", "LapTime", "seconds", "5", "lt", &LapTime},
        {"Wing Area", "WngAreaLabel", "WingArea", "sq/inches", "500", "wa", &WingArea},
    };
    auto caption = [panel](const QString &text, const char *name) {
        auto *l = new QLabel(text, panel);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    grid->addWidget(caption(tr("Airplane Name"), "AcNameLabel"), 0, 0);
    grid->addWidget(AcName, 0, 1, 1, 2);
    inputCaptions[0] = caption(tr("Number of Lines"), "MumLinesLabel");
    grid->addWidget(inputCaptions[0], 1, 0);
    grid->addWidget(NumLines, 1, 1);
    mainFields = {AcName, NumLines};
    int r = 2;
    for (const Row &row : rows) {
        inputCaptions[r - 1] = caption(tr(row.caption), row.captionName);
        auto *edit = new QLineEdit(row.layoutText, panel);
        edit->setObjectName(row.field);
        edit->setFixedWidth(NumberFieldWidth);
        *row.edit = edit;
        numberFields.push_back({edit, FindInputKey(row.key)});
        grid->addWidget(inputCaptions[r - 1], r, 0);
        grid->addWidget(edit, r, 1);
        grid->addWidget(new QLabel(tr(row.unit), panel), r, 2);
        mainFields << edit;
        ++r;
    }
    grid->setColumnStretch(2, 1);
    box->addLayout(grid);
    box->addStretch();
    auto *hint = new QLabel(tr("Press <Enter> in any field to Recalculate"), panel);
    hint->setObjectName("HintLabel");
    box->addWidget(hint, 0, Qt::AlignHCenter);

    for (QWidget *w : mainFields)
        w->installEventFilter(this);
    for (int i = 0; i + 1 < mainFields.size(); ++i)
        setTabOrder(mainFields[i], mainFields[i + 1]);

    // Any change of a field's text, typed, pasted, cut, undone or dropped,
    // leaves the figures shown behind the inputs.
    for (QWidget *w : mainFields)
        connect(static_cast<QLineEdit *>(w), &QLineEdit::textChanged, this, &TForm1::InputTextChanged);
    connect(AcName, &QLineEdit::textChanged, this, [this] { Guarded(this, [&] { AcNameChange(); }); });
    connect(NumLines, &QLineEdit::textChanged, this, [this] { Guarded(this, [&] { NumLinesChange(); }); });
    for (const auto &n : numberFields) {
        QLineEdit *field = n.first;
        float FlightCase::*target = n.second->field;
        QLineEdit *const *copy = field == LineLength ? &WfLineLength : field == LapTime ? &WfLapTime : nullptr;
        connect(field, &QLineEdit::textChanged, this, [this, field, target, copy] {
            Guarded(this, [&] { NumberFieldChange(field, target, copy ? *copy : nullptr); });
        });
    }
}

void TForm1::createResultPanel(QWidget *panel)
{
    auto *box = new QVBoxLayout(panel);
    Label2 = MakeHeading(tr("Computed Data"), "Label2", panel, 16);
    SetHeadingCurrent(false);
    box->addWidget(Label2, 0, Qt::AlignHCenter);
    box->addWidget(MakeBar(panel));
    for (int i = 0; i < FigureCount; ++i) {
        auto *label = new QLabel(tr(Figures[i].caption), panel);
        label->setObjectName(Figures[i].labelName);
        resultLabels[i] = label;
        box->addWidget(label);
        if (i == 4)
            box->addSpacing(12);  // the line figures stand apart
    }
    box->addStretch();
    box->addWidget(MakeBar(panel));
    box->addWidget(MakeHeading(tr("What If..."), "Label15", panel, 13), 0, Qt::AlignHCenter);

    auto *row = new QHBoxLayout;
    auto *lapCaption = new QLabel(tr("Lap Time"), panel);
    lapCaption->setObjectName("Label18");
    auto *lineCaption = new QLabel(tr("Line Length"), panel);
    lineCaption->setObjectName("Label19");
    WfLapTime = new QLineEdit("5", panel);
    WfLapTime->setObjectName("WfLapTime");
    WfLapTime->setFixedWidth(40);
    WfLineLength = new QLineEdit("58", panel);
    WfLineLength->setObjectName("WfLineLength");
    WfLineLength->setFixedWidth(41);
    row->addWidget(lapCaption);
    row->addWidget(WfLapTime);
    row->addSpacing(12);
    row->addWidget(lineCaption);
    row->addWidget(WfLineLength);
    row->addStretch();
    box->addLayout(row);
    WfLapTime->installEventFilter(this);
    WfLineLength->installEventFilter(this);
    setTabOrder(WfLapTime, WfLineLength);
}

void TForm1::FormCreate()
{
    RecentFiles.clear();
    LoadSettings();  // the conditions and the recent files
    programFolder = QCoreApplication::applicationDirPath();
    Guarded(this, [&] { ResetInputs(); });
}

void TForm1::FormDestroy()
{
    if (!recentFilesSaved) {
        recentFilesSaved = true;
        SaveRecentFiles();
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The list is written when the window goes, however it is closed.
    FormDestroy();
    QMainWindow::closeEvent(event);
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!centred && screen() != nullptr) {
        centred = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
    QMainWindow::showEvent(event);
}

char TForm1::DecimalSeparator()
{
    const QString sep = QLocale().decimalPoint();
    return sep.size() == 1 && sep[0].unicode() < 128 ? static_cast<char>(sep[0].unicode()) : '.';
}

void TForm1::SetHeadingCurrent(bool current)
{
    resultsCurrent = current;
    SetLabelColour(Label2, current ? headings::Role::Current : headings::Role::Stale,
                   palette().color(QPalette::Window));
    // Words for the state too, for fliers who cannot tell red from green.
    const QString cue = current ? QString() : tr(headings::StaleCue);
    Label2->setToolTip(cue);
    Label2->setAccessibleDescription(cue);
}

void TForm1::changeEvent(QEvent *event)
{
    // A new palette (a dark desktop theme, say): the headings' colours are
    // chosen again against the panels' new background.
    if (event->type() == QEvent::PaletteChange && Label2) {
        for (const char *name : {"Label1", "Label15"})
            if (auto *label = findChild<QLabel *>(name))
                SetLabelColour(label, headings::Role::Title, palette().color(QPalette::Window));
        SetHeadingCurrent(resultsCurrent);
    }
    QMainWindow::changeEvent(event);
}

void TForm1::SetAdvancedDefaults() { ApplyAdvancedDefaults(fc); }

void TForm1::ResetInputs()
{
    ApplyMainDefaults(fc);
    SetTextsAndRecalculate([this] {
        AcName->setText(Text(fc.AcName));
        NumLines->SetValue(fc.NumLines);
        // Line diameter first, wing area (six digits) last.
        for (const auto &f : numberFields)
            f.first->setText(Text(FormatNumber(fc.*(f.second->field), f.second->digits, DecimalSeparator())));
    });
}

void TForm1::RecalculateAndShow()
{
    engine.Recalculate(fc.LapTime);
    const char sep = DecimalSeparator();
    for (int index : RewriteOrder) {
        QLabel *label = resultLabels[index];
        QString text = label->text();
        const int eq = text.lastIndexOf('=');
        if (eq >= 0)
            text.truncate(qMax(0, eq - 1));  // drop " = value unit"
        const double value = Figures[index].value(engine, fc, GroundSpeed);
        text += " = " + Text(FormatNumber(ToSingle(value), 4, sep)) + Figures[index].unit;
        label->setText(text);
    }
    LapSpeedValue = LapSpeed(fc);
    SetHeadingCurrent(true);
    lastCalculated = fc;
    if (charts != nullptr && charts->isVisible())
        chartsModule->refresh(charts, lastCalculated);
}

void TForm1::AcNameChange()
{
    if (!AcName->text().isEmpty())
        fc.AcName = AcName->text().toStdString();
}

void TForm1::NumLinesChange() { fc.NumLines = NumLines->GetValue(); }

void TForm1::InputTextChanged()
{
    // Texts the program sets are followed by a recalculation, which decides.
    if (!programSetsTexts)
        SetHeadingCurrent(false);
}

void TForm1::SetTextsAndRecalculate(const std::function<void()> &setTexts)
{
    {
        const QScopedValueRollback<bool> guard(programSetsTexts, true);
        setTexts();
    }
    try {
        RecalculateAndShow();
    } catch (...) {
        SetHeadingCurrent(false);  // new inputs, old figures
        throw;
    }
}

void TForm1::NumberFieldChange(QLineEdit *field, float FlightCase::*target, QLineEdit *whatIfCopy)
{
    const QString text = field->text();
    if (text.isEmpty())
        return;
    fc.*target = ParseNumber(text.toStdString(), DecimalSeparator());
    if (whatIfCopy != nullptr)
        whatIfCopy->setText(text);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == WfLapTime || watched == WfLineLength)
        return WfLapTimeKeyDown(key, static_cast<QLineEdit *>(watched));
    if (mainFields.contains(static_cast<QWidget *>(watched)))
        return AcNameKeyDown(key);
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::AcNameKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        UiSeams().help(this, HelpMainInputs);
        return true;
    }
    if (IsEnter(event)) {
        // Enter recalculates and goes no further.
        Guarded(this, [&] { RecalculateAndShow(); });
        return true;
    }
    return false;
}

bool TForm1::WfLapTimeKeyDown(QKeyEvent *event, QLineEdit *field)
{
    if (event->key() == Qt::Key_F1) {
        UiSeams().help(this, HelpWhatIf);
        return true;
    }
    if (IsEnter(event))
        Guarded(this, [&] { field == WfLapTime ? WfLapTimeKeyPress() : WfLineLengthKeyPress(); });
    return false;  // Enter goes on to the field as usual
}

void TForm1::WfLapTimeKeyPress()
{
    if (WfLapTime->text().isEmpty())
        return;
    const float t = ParseNumber(WfLapTime->text().toStdString(), DecimalSeparator());
    WfLineLength->setText(Text(FormatNumber(WhatIfLineLength(LapSpeedValue, fc, t), 4, DecimalSeparator())));
}

void TForm1::WfLineLengthKeyPress()
{
    if (WfLineLength->text().isEmpty())
        return;
    const float l = ParseNumber(WfLineLength->text().toStdString(), DecimalSeparator());
    WfLapTime->setText(Text(FormatNumber(WhatIfLapTime(LapSpeedValue, fc, l), 4, DecimalSeparator())));
}

// ---- Flying conditions and recent files in the stored settings ----

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
                std::function<void()> nameChanged)
        : fc(fc), name(name), lines(lines), field(std::move(field)), nameChanged(std::move(nameChanged))
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
        const char sep = TForm1::DecimalSeparator();
        fc.*(key.field) = value;
        QLineEdit *edit = field(key.key);
        const QString text = Text(FormatNumber(value, key.digits, sep));
        // The value read back from the shown text is the one in force, even
        // when the field already showed that text.
        if (edit->text() == text)
            fc.*(key.field) = ParseNumber(text.toStdString(), sep);
        else
            edit->setText(text);
    }

private:
    FlightCase &fc;
    QLineEdit *name;
    TCSpinEdit *lines;
    std::function<QLineEdit *(const std::string &)> field;
    std::function<void()> nameChanged;
};

}  // namespace

void TForm1::ApplyDataFile(const std::string &content)
{
    FieldTarget target(fc, AcName, NumLines, [this](const std::string &key) { return FieldForKey(key); },
                       [this] { AcNameChange(); });
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
    chartsModule->refresh(charts, lastCalculated);
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
    for (float v : {fc.ArmLngth, fc.HndlAngl, fc.WindSpeed, fc.Temprature, fc.Preasure, fc.Humidity})
        lines.conditionTexts.push_back(FormatNumber(v, 4, DecimalSeparator()));
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

#include "MainWindow.h"

#include "Charts.h"
#include "HeadingColours.h"
#include "SpinEdit.h"
#include "DataFile.h"
#include "Seams.h"

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
#include <QStatusBar>
#include <QSignalBlocker>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

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

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Tethrix");
    createMenus();

    auto *central = new QWidget(this);
    auto *left = new QFrame(central);
    auto *right = new QFrame(central);
    for (QFrame *panel : {left, right}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedSize(311, 380);  // grown by FitTheScreen when the font asks
    }
    left->setObjectName("InputPanel");
    right->setObjectName("ResultPanel");
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(13, 8, 13, 8);
    layout->setSpacing(42);
    layout->addWidget(left);
    layout->addWidget(right);
    layout->addStretch();
    // On a small or scaled screen the panels scroll instead of falling off it.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName("PanelScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(central);
    setCentralWidget(scroll);
    createInputPanel(left);
    createResultPanel(right);
    // The flying conditions in force, always in view: a click opens them.
    conditionsLine = new QPushButton(this);
    conditionsLine->setObjectName("ConditionsLine");
    conditionsLine->setFlat(true);
    conditionsLine->setStyleSheet("text-align: left");
    conditionsLine->setToolTip(tr("Advanced Input Data"));
    connect(conditionsLine, &QPushButton::clicked, this, [this] { Guarded(this, [&] { EditConditions(); }); });
    statusBar()->addWidget(conditionsLine, 1);
    resize(696, 445);

    FormCreate();
}

MainWindow::~MainWindow() { FormDestroy(); }

void MainWindow::FitTheScreen()
{
    // The panels' sizes as their texts and font now ask, then the window as
    // large as they need, as the screen allows.
    // At least the classic 311 × 380; the figures, a larger font make them
    // grow rather than cut their texts.
    auto *scroll = static_cast<QScrollArea *>(centralWidget());
    for (QFrame *panel : scroll->widget()->findChildren<QFrame *>(Qt::FindDirectChildrenOnly))
        panel->setFixedSize(panel->layout()->totalSizeHint().expandedTo(QSize(311, 380)));
    scroll->widget()->layout()->activate();
    const QSize need = scroll->widget()->sizeHint() +
                       QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    QSize size = need.expandedTo(QSize(696, 445));
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - geometry().size()));
    resize(size);
}

void MainWindow::createMenus()
{
    File1 = menuBar()->addMenu(tr("&File"));
    File1->setObjectName("File1");
    auto action = [this](QMenu *menu, const QString &text, const char *name, auto handler) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, handler] { Guarded(this, [&] { (this->*handler)(); }); });
        return a;
    };
    action(File1, tr("&Open..."), "Open1", &MainWindow::Open);
    action(File1, tr("&Save"), "Save1", &MainWindow::Save);
    File1->addSeparator()->setObjectName("N2");
    action(File1, tr("&Print..."), "Print1", &MainWindow::Print);
    File1->addSeparator()->setObjectName("N1");
    for (int i = 0; i < 5; ++i) {
        MRU[i] = File1->addAction(QString());
        MRU[i]->setObjectName(QStringLiteral("MRU%1").arg(i + 1));
        MRU[i]->setVisible(false);
        connect(MRU[i], &QAction::triggered, this, [this, i] { Guarded(this, [&] { OpenRecent(i); }); });
    }
    MRUSeparator = File1->addSeparator();
    MRUSeparator->setObjectName("MRUSeparator");
    MRUSeparator->setVisible(false);
    QAction *exit = File1->addAction(tr("E&xit"));
    exit->setObjectName("Exit1");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(File1, &QMenu::aboutToShow, this, [this] { Guarded(this, [&] { ShowRecentFiles(); }); });

    QMenu *advanced = menuBar()->addMenu(tr("&Advanced"));
    advanced->setObjectName("Advanced1");
    action(advanced, tr("&Data Entry"), "Configure1", &MainWindow::EditConditions);
    action(advanced, tr("&Trim Charts..."), "Charts1", &MainWindow::ShowCharts);
    // Imperial or metric: one checked at a time.
    QMenu *unitsMenu = advanced->addMenu(tr("&Units"));
    unitsMenu->setObjectName("Units1");
    auto *group = new QActionGroup(this);
    for (auto [text, name, which] : {std::tuple{tr("&Imperial"), "Imperial1", DisplayUnits::Imperial},
                                     std::tuple{tr("&Metric"), "Metric1", DisplayUnits::Metric}}) {
        QAction *a = unitsMenu->addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        a->setChecked(which == DisplayUnits::Imperial);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, which = which] { Guarded(this, [&] { SetUnits(which); }); });
        (which == DisplayUnits::Imperial ? Imperial1 : Metric1) = a;
    }

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help1");
    action(help, tr("&Contents"), "Contents1", &MainWindow::ShowHelpContents);
    action(help, tr("&About..."), "About1", &MainWindow::ShowAbout);
}

void MainWindow::createInputPanel(QWidget *panel)
{
    auto *box = new QVBoxLayout(panel);
    Label1 = MakeHeading(tr("Input Data"), "Label1", panel, 16);
    box->addWidget(Label1, 0, Qt::AlignHCenter);
    box->addWidget(MakeBar(panel));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    // The captions' object names, in the order of the inputs.
    const char *const captionNames[FirstConditionKey] = {"AcNameLabel", "MumLinesLabel", "SizeLabel",
                                                         "LengthLabel", "WngLnthLabel", "HndlLngthLabel",
                                                         "WtLabel",     "LapTmeLabel",   "WngAreaLabel"};
    for (int r = 0; r < FirstConditionKey; ++r) {
        const InputKey &key = InputKeys[r];
        auto *caption = new QLabel(tr(key.caption), panel);
        caption->setObjectName(captionNames[r]);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, 0);
        QLineEdit *field = nullptr;
        if (key.field == nullptr && r == 1) {
            NumLines = new SpinEdit(panel);
            NumLines->MinValue = LineCountField::Min;
            NumLines->MaxValue = LineCountField::Max;
            field = NumLines;
        } else {
            field = new QLineEdit(panel);
        }
        field->setObjectName(key.fieldName);
        if (r == 0) {
            AcName = field;
            AcName->setMaxLength(MaxNameLength);
            grid->addWidget(field, r, 1, 1, 2);
        } else {
            field->setFixedWidth(NumberFieldWidth);
            grid->addWidget(field, r, 1);
        }
        if (key.field != nullptr) {
            auto *unit = new QLabel(tr(key.fieldUnit), panel);
            unit->setObjectName(QStringLiteral("%1Unit").arg(key.fieldName));
            inputUnits.push_back({unit, &key});
            grid->addWidget(unit, r, 2);
        }
        mainFields.push_back({field, &key});
    }
    grid->setColumnStretch(2, 1);
    box->addLayout(grid);
    box->addStretch();
    auto *hint = new QLabel(tr("Press <Enter> in any field to Recalculate"), panel);
    hint->setObjectName("HintLabel");
    box->addWidget(hint, 0, Qt::AlignHCenter);

    for (int i = 0; i < mainFields.size(); ++i) {
        QLineEdit *field = mainFields[i].first;
        const InputKey *key = mainFields[i].second;
        field->installEventFilter(this);
        if (i + 1 < mainFields.size())
            setTabOrder(field, mainFields[i + 1].first);
        // Any change of a field's text, typed, pasted, cut, undone, dropped
        // or stepped, goes to the core.
        connect(field, &QLineEdit::textChanged, this,
                [this, key, field] { Guarded(this, [&] { InputEdited(*key, field); }); });
    }
}

void MainWindow::createResultPanel(QWidget *panel)
{
    auto *box = new QVBoxLayout(panel);
    Label2 = MakeHeading(tr("Computed Data"), "Label2", panel, 16);
    ShowHeading();
    box->addWidget(Label2, 0, Qt::AlignHCenter);
    box->addWidget(MakeBar(panel));
    for (int i = 0; i < FigureCount; ++i) {
        if (Figures[i].gapBefore)
            box->addSpacing(12);
        auto *label = new QLabel(tr(Figures[i].caption), panel);
        label->setObjectName(Figures[i].labelName);
        resultLabels[i] = label;
        auto *beside = new QLabel(panel);
        beside->setObjectName(QString(Figures[i].labelName) + "A");
        beside->setTextFormat(Qt::PlainText);
        beside->hide();
        comparisonLabels[i] = beside;
        auto *row = new QHBoxLayout;
        row->addWidget(label, 1);
        row->addWidget(beside);
        box->addLayout(row);
    }
    // Two setups side by side.
    auto *compareRow = new QHBoxLayout;
    const struct { const char *name, *text; void (MainWindow::*act)(); } compareButtons[] = {
        {"KeepAsA", "Keep as A", &MainWindow::KeepAsA},
        {"OpenA", "Open A...", &MainWindow::OpenA},
        {"ClearA", "Clear A", &MainWindow::ClearA},
    };
    for (const auto &b : compareButtons) {
        auto *button = new QPushButton(tr(b.text), panel);
        button->setObjectName(b.name);
        button->setAutoDefault(false);
        const auto act = b.act;
        connect(button, &QPushButton::clicked, this, [this, act] { Guarded(this, [&] { (this->*act)(); }); });
        compareRow->addWidget(button);
        if (std::string(b.name) == "ClearA")
            clearA = button;
    }
    clearA->setEnabled(false);
    comparedWith = new QLabel(panel);
    comparedWith->setObjectName("ComparedWith");
    comparedWith->setTextFormat(Qt::PlainText);
    compareRow->addWidget(comparedWith, 1);
    box->addSpacing(4);
    box->addLayout(compareRow);
    // A line under the figures for inputs with no physical meaning or that
    // the model replaces: calculated all the same, never a box.
    inputNotes = new QLabel(panel);
    inputNotes->setObjectName("InputNotes");
    inputNotes->setWordWrap(true);
    inputNotes->setTextFormat(Qt::PlainText);
    inputNotes->hide();
    box->addSpacing(6);
    box->addWidget(inputNotes);
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
    // The length's unit, which follows the units shown; the lap time is in seconds either way.
    whatIfUnit = new QLabel(tr("feet"), panel);
    whatIfUnit->setObjectName("WfLineLengthUnit");
    row->addWidget(whatIfUnit);
    row->addStretch();
    box->addLayout(row);
    for (auto [field, which] : {std::pair{WfLapTime, WhatIfField::LapTime}, {WfLineLength, WhatIfField::LineLength}}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this,
                [this, field = field, which = which] { edited.SetWhatIfText(which, field->text().toStdString()); });
    }
    setTabOrder(WfLapTime, WfLineLength);
}

void MainWindow::FormCreate()
{
    RecentFiles.clear();
    LoadSettings();  // the conditions, the recent files and the units
    programFolder = QCoreApplication::applicationDirPath();
    Guarded(this, [&] { ResetInputs(); });
}

void MainWindow::FormDestroy()
{
    if (!recentFilesSaved) {
        recentFilesSaved = true;
        SaveRecentFiles();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The list is written when the window goes, however it is closed.
    FormDestroy();
    QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!centred && screen() != nullptr) {
        centred = true;
        FitTheScreen();
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
    SetLabelColour(Label2, current ? headings::Role::Current : headings::Role::Stale,
                   palette().color(QPalette::Window));
    // Words for the state too, for fliers who cannot tell red from green.
    const QString cue = current ? QString() : tr(StaleCue);
    Label2->setToolTip(cue);
    Label2->setAccessibleDescription(cue);
}

void MainWindow::changeEvent(QEvent *event)
{
    // A new palette (a dark desktop theme, say): the headings' colours are
    // chosen again against the panels' new background.
    if (event->type() == QEvent::FontChange && isVisible())
        FitTheScreen();
    if (event->type() == QEvent::PaletteChange && Label2) {
        for (const char *name : {"Label1", "Label15"})
            if (auto *label = findChild<QLabel *>(name))
                SetLabelColour(label, headings::Role::Title, palette().color(QPalette::Window));
        ShowHeading();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::SetAdvancedDefaults() { edited.ConditionDefaults(); }

void MainWindow::SetCondition(const InputKey &key, float value) { edited.SetStored(key, value); }

void MainWindow::ResetInputs() { ShowAllAndReport(edited.Defaults()); }

void MainWindow::ShowAllAndReport(const std::string &error)
{
    ShowAll();
    if (!error.empty())
        throw std::runtime_error(error);
    RefreshCharts();
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
    conditionsLine->setText(tr("Flying conditions: %1").arg(Text(edited.ConditionsSummary())));
}

void MainWindow::ShowTexts()
{
    // The core's texts are shown, not read back: no field hears of it.
    for (const auto &[field, key] : mainFields)
        if (field->text() != Text(edited.Text(*key))) {
            const QSignalBlocker quiet(field);
            field->setText(Text(edited.Text(*key)));
        }
    for (auto [field, which] : {std::pair{WfLapTime, WhatIfField::LapTime}, {WfLineLength, WhatIfField::LineLength}})
        if (field->text() != Text(edited.WhatIfText(which))) {
            const QSignalBlocker quiet(field);
            field->setText(Text(edited.WhatIfText(which)));
        }
}

void MainWindow::ShowFigures()
{
    for (int i = 0; i < FigureCount; ++i) {
        resultLabels[i]->setText(Text(edited.Figures()[i].text));
        comparisonLabels[i]->setText(Text(edited.ComparisonText(i)));
        comparisonLabels[i]->setVisible(edited.HasA());
    }
    comparedWith->setText(Text(edited.AText()));
    clearA->setEnabled(edited.HasA());
    QStringList notes;
    for (const InputNote &note : edited.Notes())
        notes << Text(note.text);
    inputNotes->setText(notes.join('\n'));
    inputNotes->setVisible(!notes.isEmpty());
    ShowHeading();
}

void MainWindow::SetUnits(DisplayUnits units)
{
    if (units != edited.Units()) {
        edited.SetUnits(units);
        ShowAll();
        StoreUnits();
    }
    RefreshCharts();
}

void MainWindow::ShowUnitNames()
{
    const DisplayUnits units = edited.Units();
    Imperial1->setChecked(units == DisplayUnits::Imperial);
    Metric1->setChecked(units == DisplayUnits::Metric);
    for (const auto &[label, key] : inputUnits)
        label->setText(Text(edited.UnitText(*key, key->fieldUnit)));
    whatIfUnit->setText(Text(edited.UnitText(*FindInputKey("ll"), "feet")));
}

void MainWindow::RecalculateAndShow()
{
    const std::string error = edited.Recalculate();
    ShowFigures();  // a fault shows the labels rewritten before it
    if (!error.empty())
        throw AdvisedError(error, Text(edited.Advice().text));
    RefreshCharts();
}

void MainWindow::RefreshCharts()
{
    if (charts != nullptr && charts->isVisible())
        chartsModule->refresh(charts, edited.Calculated(), edited.Units());
}

void MainWindow::InputEdited(const InputKey &key, QLineEdit *field)
{
    const std::string error = edited.SetText(key.key, field->text().toStdString());
    ShowTexts();  // the line count's "1", the What-If copies
    ShowHeading();
    if (!error.empty())
        throw AdvisedError(error, Text(edited.Advice().text));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == WfLapTime || watched == WfLineLength)
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
    if (IsEnter(event))
        Guarded(this, [&] {
            const std::string error =
                edited.WhatIf(field == WfLapTime ? WhatIfField::LapTime : WhatIfField::LineLength);
            ShowTexts();
            if (!error.empty())
                throw std::runtime_error(error);
        });
    return false;  // Enter goes on to the field as usual
}

// ---- Flying conditions and recent files in the stored settings ----

#include "Main.h"

#include "Charts.h"
#include "HeadingColours.h"
#include "Convert.h"
#include "Cspin.h"
#include "DataFile.h"
#include "EngineError.h"
#include "Figures.h"
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
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <functional>

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
    resize(696, 445);

    FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::FitTheScreen()
{
    // The panels' sizes as their texts and font now ask, then the window as
    // large as they need, as the screen allows.
    // The classic 311 × 380 at the default font; a larger font makes them
    // grow rather than cut their texts.
    auto *scroll = static_cast<QScrollArea *>(centralWidget());
    for (QFrame *panel : scroll->widget()->findChildren<QFrame *>(Qt::FindDirectChildrenOnly))
        panel->setFixedSize(panel->layout()->totalSizeHint().expandedTo(QSize(311, 380)));
    scroll->widget()->layout()->activate();
    const QSize need = scroll->widget()->sizeHint() + QSize(0, menuBar()->sizeHint().height());
    QSize size = need.expandedTo(QSize(696, 445));
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - geometry().size()));
    resize(size);
}

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
        auto *unit = new QLabel(tr(row.unit), panel);
        unit->setObjectName(QStringLiteral("%1Unit").arg(row.field));
        inputUnits[r - 2] = {unit, row.unit};
        grid->addWidget(unit, r, 2);
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
        const InputKey *key = n.second;
        QLineEdit *const *copy = field == LineLength ? &WfLineLength : field == LapTime ? &WfLapTime : nullptr;
        connect(field, &QLineEdit::textChanged, this, [this, field, key, copy] {
            Guarded(this, [&] { NumberFieldChange(field, *key, copy ? *copy : nullptr); });
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
        if (i == 4 || i == 10)
            box->addSpacing(12);  // the line figures, and the rake, stand apart
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
    // The length's unit, which follows the units shown; the lap time is in seconds either way.
    whatIfUnit = new QLabel(tr("feet"), panel);
    whatIfUnit->setObjectName("WfLineLengthUnit");
    row->addWidget(whatIfUnit);
    row->addStretch();
    box->addLayout(row);
    WfLapTime->installEventFilter(this);
    WfLineLength->installEventFilter(this);
    setTabOrder(WfLapTime, WfLineLength);
}

void TForm1::FormCreate()
{
    RecentFiles.clear();
    LoadSettings();  // the conditions, the recent files and the units
    ShowUnitNames();  // the fields follow with the inputs
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
        FitTheScreen();
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
    if (event->type() == QEvent::FontChange && isVisible())
        FitTheScreen();
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
            ShowStored(f.first, *f.second);
    });
}

void TForm1::ShowStored(QLineEdit *field, const InputKey &key)
{
    const QScopedValueRollback<bool> guard(showingStored, true);
    field->setText(Text(FormatShown(key.measure, shownUnits, fc.*(key.field), key.digits, DecimalSeparator())));
}

void TForm1::ShowFigure(int index)
{
    QLabel *label = resultLabels[index];
    QString text = label->text();
    const int eq = text.lastIndexOf('=');
    if (eq >= 0)
        text.truncate(qMax(0, eq - 1));  // drop " = value unit"
    if (shownFigures[index])
        text += Text(FigureValueText(Figures[index], *shownFigures[index], DecimalSeparator(), shownUnits));
    label->setText(text);
}

void TForm1::SetUnits(DisplayUnits units)
{
    if (units != shownUnits) {
        // The What-If line length goes over as the length it stands for.
        std::optional<float> length;
        if (WfLineLength->text() == whatIfLengthText)
            length = whatIfLength;
        else
            try {
                length = ParseShown(Measure::Length, shownUnits, WfLineLength->text().toStdString(), DecimalSeparator());
            } catch (const EngineError &) {
            }
        shownUnits = units;
        ShowUnits();
        if (length)
            ShowWhatIfLength(*length);
        StoreUnits();
    }
    if (charts != nullptr && charts->isVisible())
        chartsModule->refresh(charts, lastCalculated, shownUnits);
}

void TForm1::ShowUnitNames()
{
    Imperial1->setChecked(shownUnits == DisplayUnits::Imperial);
    Metric1->setChecked(shownUnits == DisplayUnits::Metric);
    for (int i = 0; i < numberFields.size(); ++i)
        inputUnits[i].first->setText(
            Text(ShownUnit(numberFields[i].second->measure, shownUnits, inputUnits[i].second)));
    whatIfUnit->setText(Text(ShownUnit(Measure::Length, shownUnits, "feet")));
}

void TForm1::ShowUnits()
{
    ShowUnitNames();
    // Texts that show stored values: the heading keeps its colour.
    const QScopedValueRollback<bool> guard(programSetsTexts, true);
    const QString whatIfLap = WfLapTime->text();
    for (const auto &f : numberFields)
        ShowStored(f.first, *f.second);
    WfLapTime->setText(whatIfLap);
    for (int i = 0; i < FigureCount; ++i)
        ShowFigure(i);
}

void TForm1::RecalculateAndShow()
{
    engine.Recalculate(fc.LapTime);
    for (int index : RewriteOrder) {
        shownFigures[index] = ToSingle(Figures[index].value(engine, fc, GroundSpeed));
        ShowFigure(index);
    }
    LapSpeedValue = LapSpeed(fc);
    SetHeadingCurrent(true);
    lastCalculated = fc;
    if (charts != nullptr && charts->isVisible())
        chartsModule->refresh(charts, lastCalculated, shownUnits);
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

void TForm1::NumberFieldChange(QLineEdit *field, const InputKey &key, QLineEdit *whatIfCopy)
{
    const QString text = field->text();
    if (text.isEmpty())
        return;
    if (!showingStored)
        fc.*(key.field) = ParseShown(key.measure, shownUnits, text.toStdString(), DecimalSeparator());
    if (whatIfCopy != nullptr)
        whatIfCopy->setText(text);
    if (whatIfCopy == WfLineLength) {
        whatIfLength = fc.LineLength;
        whatIfLengthText = text;
    }
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
    ShowWhatIfLength(WhatIfLineLength(LapSpeedValue, fc, t));
}

void TForm1::ShowWhatIfLength(float feet)
{
    whatIfLength = feet;
    whatIfLengthText = Text(FormatShown(Measure::Length, shownUnits, feet, 4, DecimalSeparator()));
    WfLineLength->setText(whatIfLengthText);
}

void TForm1::WfLineLengthKeyPress()
{
    if (WfLineLength->text().isEmpty())
        return;
    const float l = ParseShown(Measure::Length, shownUnits, WfLineLength->text().toStdString(), DecimalSeparator());
    WfLapTime->setText(Text(FormatNumber(WhatIfLapTime(LapSpeedValue, fc, l), 4, DecimalSeparator())));
}

// ---- Flying conditions and recent files in the stored settings ----

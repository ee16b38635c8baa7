// The window's widgets and their places: the classic panels where they
// always stood, the additions in room of their own, and the fitting of both
// to their texts and the screen.
#include "ui/MainWindow.h"
#include "ui/WindowLanguage.h"
#include "ui/WindowWidgets.h"

#include "ui/Charts.h"
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

constexpr int NumberFieldWidth = 60;
// The longest texts a number field must show whole: four significant
// digits in the main fields (six in the wing area's), the What-If's lap
// times and line lengths.
constexpr const char *LongNumber = "1.234E4", *LongArea = "1234.56";
constexpr const char *LongWhatIf = "12.34";
// The classic window and its two panels, the right one 42 right of the left.
constexpr QSize ClassicWindow(696, 445);
constexpr QSize ClassicPanel(311, 380);
constexpr int PanelLeft = 13, PanelTop = 8, PanelGap = 42;
// Right of the result panel to the classic window's edge; A's column starts there.
constexpr int ClassicRightMargin = ClassicWindow.width() - PanelLeft - 2 * ClassicPanel.width() - PanelGap;

// A's column: each label is placed at its figure's height, wherever that
// figure stands, after gap; the column is as wide as its widest text.
class ComparisonColumn : public QWidget {
public:
    ComparisonColumn(int gap, QWidget *parent) : QWidget(parent), gap(gap)
    {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
    QSize sizeHint() const override
    {
        int widest = 0;
        for (const QLabel *label : findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            if (!label->isHidden())
                widest = std::max(widest, label->sizeHint().width());
        return {gap + widest, 0};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    int gap;
};

// A label whose text wraps at its width, plain text; never narrower than
// its longest word, so that no word is cut.
QLabel *MakeWrappedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    label->setSizePolicy(policy);
    return label;
}

// A number field's classic width, or as wide as showing longest whole asks.
int NumberWidth(const QLineEdit *field, int classicWidth, const char *longest)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    option.rect = QRect(0, 0, classicWidth, field->sizeHint().height());
    // The frame, and the field's own margins of 2 pixels at the sides.
    const int chrome =
        classicWidth - field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field).width() + 4;
    return std::max(classicWidth, int(std::ceil(QFontMetricsF(field->font()).horizontalAdvance(longest))) + chrome);
}


QFrame *MakeBar(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setFrameShape(QFrame::HLine);
    bar->setFrameShadow(QFrame::Sunken);
    return bar;
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

}  // namespace

QString Text(const std::string &s) { return QString::fromStdString(s); }

void SetWrappedText(QLabel *label, const QString &text)
{
    label->setText(text);
    // Whole pixels up: a word 0.3 pixels wider than its room is cut.
    const QFontMetricsF metrics(label->font());
    int widest = 0;
    for (const QString &word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        widest = std::max(widest, int(std::ceil(metrics.horizontalAdvance(word))));
    label->setMinimumWidth(widest + 2 * label->margin() + label->contentsMargins().left() +
                           label->contentsMargins().right());
}

// The background is the window's: a label's own palette may not have taken
// a new desktop palette yet when the window hears of it.
void SetLabelColour(QLabel *label, headings::Role role, const QColor &background)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, headings::ColourFor(role, background));
    label->setPalette(p);
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Tethrix");
    CreateMenus();
    CreatePanels();
    CreateInputPanel(inputPanel);
    CreateResultPanel(resultPanel);
    CreateAdditions();
    resize(ClassicWindow);

    StartFromSettings();
}

MainWindow::~MainWindow() { SaveRecentFilesOnce(); }

void MainWindow::CreatePanels()
{
    // The classic window, 696 × 445, holds the menu and the two panels; what
    // was added to it stands below and beside them in room of its own:
    //   Input Data  | Computed Data        | A's values
    //   conditions, | the added figures    | (beside each
    //   Keep as A…  |                      |  figure)
    //   the notes on the inputs
    // The grid's columns: the input panel, the gap, the result panel, A's
    // column; whatever room is left goes to the right and to the bottom.
    auto *central = new QWidget(this);
    central->setObjectName("Panels");
    panelGrid = new QGridLayout(central);
    panelGrid->setContentsMargins(PanelLeft, PanelTop, ClassicRightMargin, PanelTop);
    panelGrid->setHorizontalSpacing(0);
    panelGrid->setVerticalSpacing(PanelTop);
    panelGrid->setColumnMinimumWidth(1, PanelGap);
    panelGrid->setColumnStretch(4, 1);
    panelGrid->setRowStretch(3, 1);
    inputPanel = new QFrame(central);
    inputPanel->setObjectName("InputPanel");
    resultPanel = new QFrame(central);
    resultPanel->setObjectName("ResultPanel");
    for (QFrame *panel : {inputPanel, resultPanel}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedSize(ClassicPanel);  // grown by FitTheScreen when the texts ask
    }
    panelGrid->addWidget(inputPanel, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    panelGrid->addWidget(resultPanel, 0, 2, Qt::AlignLeft | Qt::AlignTop);
    // On a small or scaled screen the panels scroll instead of falling off it.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName("PanelScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(central);
    setCentralWidget(scroll);
}

void MainWindow::CreateAdditions()
{
    QWidget *central = panelGrid->parentWidget();
    // Under the input panel: the conditions in force, which a button opens,
    // and the comparison's buttons.
    auto *extras = new QFrame(central);
    extras->setObjectName("ExtrasPanel");
    extras->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *box = new QVBoxLayout(extras);
    conditionsLine = MakeWrappedLabel("ConditionsLine", extras);
    box->addWidget(conditionsLine);
    auto *conditions = new QPushButton(tr("Conditions..."), extras);
    conditions->setObjectName("ConditionsBtn");
    conditions->setToolTip(tr("Advanced Input Data"));
    conditions->setAutoDefault(false);
    connect(conditions, &QPushButton::clicked, this, [this] { Guarded(this, [&] { EditConditions(); }); });
    box->addWidget(conditions, 0, Qt::AlignLeft);
    box->addSpacing(6);
    // Two setups side by side.
    auto *compareRow = new QHBoxLayout;
    const struct {
        const char *name, *text;
        void (MainWindow::*act)();
    } compareButtons[] = {
        {"KeepAsA", QT_TR_NOOP("Keep as A"), &MainWindow::KeepAsA},
        {"OpenA", QT_TR_NOOP("Open A..."), &MainWindow::OpenA},
        {"ClearA", QT_TR_NOOP("Clear A"), &MainWindow::ClearA},
    };
    for (const auto &b : compareButtons) {
        auto *button = new QPushButton(tr(b.text), extras);
        button->setObjectName(b.name);
        button->setAutoDefault(false);
        const auto act = b.act;
        connect(button, &QPushButton::clicked, this, [this, act] { Guarded(this, [&] { (this->*act)(); }); });
        compareRow->addWidget(button);
        if (std::string(b.name) == "ClearA")
            clearA = button;
    }
    clearA->setEnabled(false);
    compareRow->addStretch();
    box->addLayout(compareRow);
    comparedWith = MakeWrappedLabel("ComparedWith", extras);
    box->addWidget(comparedWith);
    box->addStretch();
    panelGrid->addWidget(extras, 1, 0);

    // Under the result panel: the figures after the classic eleven.
    addedFigures = new QFrame(central);
    addedFigures->setObjectName("AddedFigures");
    addedFigures->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *figures = new QVBoxLayout(addedFigures);
    for (int i = ClassicFigureCount; i < FigureCount; ++i) {
        if (Figures[i].gapBefore && i > ClassicFigureCount)
            figures->addSpacing(12);
        figures->addWidget(MakeResultLabel(i, addedFigures));
    }
    // The speed on the whole circle, as a stopwatch over laps gives it.
    lapSpeedLine = new QLabel(addedFigures);
    lapSpeedLine->setObjectName("LapSpeedLbl");
    lapSpeedLine->setTextFormat(Qt::PlainText);
    lapSpeedLine->setToolTip(tr("Lap Speed is on the whole circle of arm, handle, lines and inboard wing; "
                                "Ground Speed on the circle through the handle."));
    figures->addWidget(lapSpeedLine);
    figures->addStretch();
    panelGrid->addWidget(addedFigures, 1, 2);

    // Beside the figures, in compare mode: A's value and the change, each at
    // its figure's height.
    comparisonColumn = new ComparisonColumn(ClassicRightMargin, central);
    comparisonColumn->setObjectName("ComparisonColumn");
    for (int i = 0; i < FigureCount; ++i) {
        auto *beside = new QLabel(comparisonColumn);
        beside->setObjectName(QString(Figures[i].labelName) + "A");
        beside->setTextFormat(Qt::PlainText);
        comparisonLabels[i] = beside;
        resultLabels[i]->installEventFilter(this);
    }
    comparisonColumn->hide();
    for (QWidget *moves : std::initializer_list<QWidget *>{comparisonColumn, resultPanel, addedFigures})
        moves->installEventFilter(this);
    panelGrid->addWidget(comparisonColumn, 0, 3, 2, 1);

    // Under both: inputs with no physical meaning or that the model
    // replaces, calculated all the same, never a box.
    inputNotes = MakeWrappedLabel("InputNotes", central);
    inputNotes->hide();
    panelGrid->addWidget(inputNotes, 2, 0, 1, 3);
}

QSize MainWindow::sizeHint() const
{
    // The classic window, or as large as what it shows asks.
    QWidget *central = panelGrid->parentWidget();
    const int width = std::max(ClassicWindow.width(), central->sizeHint().width());
    const int height = menuBar()->sizeHint().height() +
                       (central->hasHeightForWidth() ? central->heightForWidth(width) : central->sizeHint().height());
    return QSize(width, height).expandedTo(ClassicWindow);
}

void MainWindow::FitTheScreen(bool shrink)
{
    // Both panels at least the classic 311 × 380, larger when their texts
    // or the font ask, and of one size side by side; under them the rest of
    // the classic window's height, then the additions.
    // The texts just shown first ask their panels for room, as the event
    // loop would have them do later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (const auto &[field, classicWidth, longest] : numberFields)
        field->setFixedWidth(NumberWidth(field, classicWidth, longest));
    QSize panel = ClassicPanel;
    for (QFrame *p : {inputPanel, resultPanel}) {
        for (QLayout *inner : p->findChildren<QLayout *>())
            inner->invalidate();  // the fields' new widths, not the hints cached before them
        panel = panel.expandedTo(p->layout()->totalSizeHint());
    }
    for (QFrame *p : {inputPanel, resultPanel})
        p->setFixedSize(panel);
    panelGrid->setRowMinimumHeight(0, ClassicWindow.height() - menuBar()->sizeHint().height() - 2 * PanelTop);
    panelGrid->activate();
    // The window as large as that asks, as the screen allows; a window the
    // flier made larger keeps its size unless it is being fitted anew.
    QSize size = sizeHint();
    if (!shrink)
        size = size.expandedTo(this->size());
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - geometry().size()));
    if (size != this->size())
        resize(size);
}

QLabel *MainWindow::MakeResultLabel(int figure, QWidget *panel)
{
    auto *label = new QLabel(Said(Figures[figure].caption), panel);
    label->setObjectName(Figures[figure].labelName);
    label->setTextFormat(Qt::PlainText);
    resultLabels[figure] = label;
    return label;
}

void MainWindow::PlaceComparisons()
{
    QWidget *central = panelGrid->parentWidget();
    const int gap = ClassicRightMargin;
    for (int i = 0; i < FigureCount; ++i) {
        const QLabel *figure = resultLabels[i];
        const QPoint at = comparisonColumn->mapFrom(central, figure->mapTo(central, QPoint(0, 0)));
        comparisonLabels[i]->setGeometry(gap, at.y(), comparisonColumn->width() - gap, figure->height());
    }
}

void MainWindow::CreateMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName("File1");
    auto action = [this](QMenu *menu, const QString &text, const char *name, auto handler) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, handler] { Guarded(this, [&] { (this->*handler)(); }); });
        return a;
    };
    action(fileMenu, tr("&Open..."), "Open1", &MainWindow::Open);
    action(fileMenu, tr("&Save"), "Save1", &MainWindow::Save);
    fileMenu->addSeparator()->setObjectName("N2");
    action(fileMenu, tr("&Print..."), "Print1", &MainWindow::Print);
    fileMenu->addSeparator()->setObjectName("N1");
    for (int i = 0; i < 5; ++i) {
        recentFileActions[i] = fileMenu->addAction(QString());
        recentFileActions[i]->setObjectName(QStringLiteral("MRU%1").arg(i + 1));
        recentFileActions[i]->setVisible(false);
        connect(recentFileActions[i], &QAction::triggered, this, [this, i] { Guarded(this, [&] { OpenRecent(i); }); });
    }
    recentFilesSeparator = fileMenu->addSeparator();
    recentFilesSeparator->setObjectName("MRUSeparator");
    recentFilesSeparator->setVisible(false);
    QAction *exit = fileMenu->addAction(tr("E&xit"));
    exit->setObjectName("Exit1");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(fileMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [&] { ShowRecentFiles(); }); });

    QMenu *advanced = menuBar()->addMenu(tr("&Advanced"));
    advanced->setObjectName("Advanced1");
    action(advanced, tr("&Data Entry"), "Configure1", &MainWindow::EditConditions);
    action(advanced, tr("&Trim Charts..."), "Charts1", &MainWindow::ShowCharts);
    action(advanced, tr("&Lap Timer..."), "LapTimer1", &MainWindow::ShowLapTimer);
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
        (which == DisplayUnits::Imperial ? imperialAction : metricAction) = a;
    }
    CreateLanguageMenu(advanced);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help1");
    action(help, tr("&Contents"), "Contents1", &MainWindow::ShowHelpContents);
    action(help, tr("&About..."), "About1", &MainWindow::ShowAbout);

    QMenu *hangarMenu = menuBar()->addMenu(tr("Han&gar"));
    hangarMenu->setObjectName("Hangar1");
    action(hangarMenu, tr("&Hangar..."), "Airplanes1", &MainWindow::ShowHangar);
    action(hangarMenu, tr("&Log a Flight..."), "LogFlight1", &MainWindow::LogFlight);
    action(hangarMenu, tr("&Trim Log..."), "TrimLog1", &MainWindow::ShowTrimLog);
}

void MainWindow::CreateInputPanel(QWidget *panel)
{
    auto *box = new QVBoxLayout(panel);
    inputsHeading = MakeHeading(tr("Input Data"), "Label1", panel, 16);
    box->addWidget(inputsHeading, 0, Qt::AlignHCenter);
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
        auto *caption = new QLabel(Said(key.caption), panel);
        caption->setObjectName(captionNames[r]);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, 0);
        QLineEdit *field = nullptr;
        if (key.field == nullptr && r == 1) {
            lineCountField = new SpinEdit(panel);
            lineCountField->MinValue = LineCountField::Min;
            lineCountField->MaxValue = LineCountField::Max;
            field = lineCountField;
        } else {
            field = new QLineEdit(panel);
        }
        field->setObjectName(key.fieldName);
        if (r == 0) {
            airplaneNameField = field;
            airplaneNameField->setMaxLength(MaxNameLength);
            grid->addWidget(field, r, 1, 1, 2);
        } else {
            numberFields.push_back({field, NumberFieldWidth, key.digits > 4 ? LongArea : LongNumber});
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

void MainWindow::CreateResultPanel(QWidget *panel)
{
    auto *box = new QVBoxLayout(panel);
    figuresHeading = MakeHeading(tr("Computed Data"), "Label2", panel, 16);
    ShowHeading();
    box->addWidget(figuresHeading, 0, Qt::AlignHCenter);
    box->addWidget(MakeBar(panel));
    for (int i = 0; i < ClassicFigureCount; ++i) {
        if (Figures[i].gapBefore)
            box->addSpacing(12);
        box->addWidget(MakeResultLabel(i, panel));
    }
    box->addStretch();
    box->addWidget(MakeBar(panel));
    box->addWidget(MakeHeading(tr("What If..."), "Label15", panel, 13), 0, Qt::AlignHCenter);

    auto *row = new QHBoxLayout;
    auto *lapCaption = new QLabel(tr("Lap Time"), panel);
    lapCaption->setObjectName("Label18");
    auto *lineCaption = new QLabel(tr("Line Length"), panel);
    lineCaption->setObjectName("Label19");
    whatIfLapTime = new QLineEdit("5", panel);
    whatIfLapTime->setObjectName("WfLapTime");
    numberFields.push_back({whatIfLapTime, 40, LongWhatIf});
    whatIfLineLength = new QLineEdit("58", panel);
    whatIfLineLength->setObjectName("WfLineLength");
    numberFields.push_back({whatIfLineLength, 41, LongWhatIf});
    row->addWidget(lapCaption);
    row->addWidget(whatIfLapTime);
    row->addSpacing(12);
    row->addWidget(lineCaption);
    row->addWidget(whatIfLineLength);
    // The length's unit, which follows the units shown; the lap time is in seconds either way.
    whatIfUnit = new QLabel(tr("feet"), panel);
    whatIfUnit->setObjectName("WfLineLengthUnit");
    row->addWidget(whatIfUnit);
    row->addStretch();
    box->addLayout(row);
    for (auto [field, which] :
         {std::pair{whatIfLapTime, WhatIfField::LapTime}, {whatIfLineLength, WhatIfField::LineLength}}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this,
                [this, field = field, which = which] { edited.SetWhatIfText(which, field->text().toStdString()); });
    }
    setTabOrder(whatIfLapTime, whatIfLineLength);
}


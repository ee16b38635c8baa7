#include "ui/ConditionsDialog.h"
#include "ui/WindowLanguage.h"

#include "numbers/Convert.h"
#include "numbers/EngineError.h"
#include "case/Figures.h"
#include "case/InputNotes.h"
#include "ui/MainWindow.h"
#include "ui/Seams.h"
#include "storage/Settings.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>

ConditionsDialog *OpenConditionsDialog = nullptr;

namespace {

// The classic dialog in window units at the classic font; a larger font
// scales every place and size alike (Scale).
constexpr QSize ClassicSize(356, 302);
constexpr int CaptionLeft = 8, CaptionRight = 151, FieldLeft = 158, FieldWidth = 60, UnitLeft = 222, RowHeight = 21;
constexpr int ButtonTop = 236;
constexpr QSize ButtonSize(75, 25);

// The classic conditions' label names and field tops, in the order of the
// table of inputs; each row's caption, field and unit come from the table.
struct ConditionRow {
    const char *captionName, *unitName;
    int top;
};
const ConditionRow ClassicRows[ClassicConditionCount] = {
    {"SizeLabel", "ArmLngthLbl", 16},   {"LengthLabel", "HndlAnglLbl", 44}, {"WngLnthLabel", "WndSpeedLbl", 72},
    {"HndlLngthLabel", "TempLbl", 101}, {"WtLabel", "PreasLbl", 129},       {"LapTmeLabel", "uLapTimLbl", 157},
};

// The buttons' texts, left to right.
const char *const ButtonTexts[] = {QT_TRANSLATE_NOOP("ConditionsDialog", "&Defaults"),
                                   QT_TRANSLATE_NOOP("ConditionsDialog", "&Save"),
                                   QT_TRANSLATE_NOOP("ConditionsDialog", "&Cancel")};

const InputKey &ConditionKey(int row) { return InputKeys[FirstConditionKey + row]; }

int ConditionRowOf(Input input) { return static_cast<int>(input) - FirstConditionKey; }

// Whether the classic dialog, its places and sizes times f, shows every
// text whole in the dialog's font: the captions and units, a field's
// longest four-digit number, the buttons' texts.
bool ClassicFits(const QWidget &dialog, double f)
{
    const QFontMetrics metrics(dialog.font());
    QStyle *style = dialog.style();
    for (int i = 0; i < ClassicConditionCount; ++i)
        if (metrics.horizontalAdvance(Said(ConditionKey(i).caption)) > (CaptionRight - CaptionLeft) * f)
            return false;
    QStyleOptionFrame field;
    field.initFrom(&dialog);
    field.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &field);
    field.rect = QRect(0, 0, qRound(FieldWidth * f), qRound(RowHeight * f));
    // The field's own margins: 2 pixels at the sides, 1 above and below.
    const QRect text = style->subElementRect(QStyle::SE_LineEditContents, &field).adjusted(2, 1, -2, -1);
    if (metrics.height() > text.height() || metrics.horizontalAdvance("1.234E4") > text.width())
        return false;
    QStyleOptionButton button;
    button.initFrom(&dialog);
    button.rect = QRect(0, 0, qRound(ButtonSize.width() * f), qRound(ButtonSize.height() * f));
    const QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &button);
    for (const char *caption : ButtonTexts) {
        const QSize need = metrics.size(Qt::TextShowMnemonic, ConditionsDialog::tr(caption));
        if (need.width() > room.width() || need.height() > room.height())
            return false;
    }
    return true;
}

// How much larger than the classic places the font asks the dialog to be:
// 1 at the classic font and any that fits it, else the least step of 5 %
// at which every text of the classic dialog shows whole.
double Scale(const QWidget &dialog)
{
    double f = 1;
    while (f < 4 && !ClassicFits(dialog, f))
        f += 0.05;
    return f;
}

}  // namespace

ConditionsDialog::ConditionsDialog(MainWindow &owner, QWidget *parent) : QDialog(parent), form(owner)
{
    setObjectName("AdvCfgFrm");
    setWindowTitle(tr("Advanced Input Data"));
    const double f = Scale(*this);
    auto at = [f](int x, int y, int w, int h) {
        return QRect(qRound(x * f), qRound(y * f), qRound(w * f), qRound(h * f));
    };
    auto unitText = [this](const InputKey &key) { return Said(ShownUnit(key.measure, form.units(), key.fieldUnit)); };

    // The classic dialog: six rows, the hint, the bar and the three buttons
    // where they have always been.
    for (int i = 0; i < ClassicConditionCount; ++i) {
        const ConditionRow &r = ClassicRows[i];
        const InputKey &key = ConditionKey(i);
        auto *caption = new QLabel(Said(key.caption), this);
        caption->setObjectName(r.captionName);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(at(CaptionLeft, r.top, CaptionRight - CaptionLeft, RowHeight));
        fields[i] = new QLineEdit(this);
        fields[i]->setObjectName(key.fieldName);
        fields[i]->setGeometry(
            at(IsInput(key, Input::WindSpeed) ? FieldLeft + 1 : FieldLeft, r.top, FieldWidth, RowHeight));
        fields[i]->installEventFilter(this);
        auto *unit = new QLabel(unitText(key), this);
        unit->setObjectName(r.unitName);
        unit->setGeometry(at(UnitLeft, r.top, ClassicSize.width() - UnitLeft - CaptionLeft, RowHeight));
    }
    auto *hint = new QLabel(tr("Press <F1> For Help"), this);
    hint->setObjectName("Label1");
    hint->setTextFormat(Qt::PlainText);
    hint->move(at(126, 193, 0, 0).topLeft());
    hint->adjustSize();
    auto *bar = new QFrame(this);
    bar->setObjectName("Panel1");
    bar->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bar->setGeometry(at(1, 216, 345, 4));

    const struct {
        const char *name, *text;
        int left;
        void (ConditionsDialog::*handler)();
    } buttons[] = {
        {"DefaultsBtn", ButtonTexts[0], 23, &ConditionsDialog::Defaults},
        {"SaveBtn", ButtonTexts[1], 136, &ConditionsDialog::Save},
        {"ClxclBtn", ButtonTexts[2], 249, &ConditionsDialog::Cancel},
    };
    QWidget *previous = fields[ClassicConditionCount - 1];
    for (int i = 0; i + 1 < ClassicConditionCount; ++i)
        setTabOrder(fields[i], fields[i + 1]);
    for (const auto &b : buttons) {
        auto *button = new QPushButton(tr(b.text), this);
        button->setObjectName(b.name);
        button->setGeometry(at(b.left, ButtonTop, ButtonSize.width(), ButtonSize.height()));
        button->setAutoDefault(false);  // Enter has no effect of its own
        const auto handler = b.handler;
        connect(button, &QPushButton::clicked, this, [this, handler] { Guarded(this, [&] { (this->*handler)(); }); });
        setTabOrder(previous, button);
        previous = button;
    }

    // Below the classic dialog, in a grid of its own that grows with its
    // texts: the conditions added after the six, then the pressure altitude
    // from what fliers know, the field's elevation and the altimeter setting
    // of the nearest airport. Its columns line up with the rows above.
    auto *added = new QWidget(this);
    added->setObjectName("AddedConditions");
    auto *grid = new QGridLayout(added);
    grid->setContentsMargins(qRound(CaptionLeft * f), qRound(8 * f), qRound(CaptionLeft * f), qRound(8 * f));
    grid->setHorizontalSpacing(0);
    grid->setColumnMinimumWidth(0, qRound((CaptionRight - CaptionLeft) * f));
    grid->setColumnMinimumWidth(1, qRound((FieldLeft - CaptionRight) * f));
    grid->setColumnMinimumWidth(3, qRound((UnitLeft - FieldLeft - FieldWidth) * f));
    auto *addedBar = new QFrame(added);
    addedBar->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    grid->addWidget(addedBar, 0, 0, 1, 5);
    int row = 1;
    auto addRow = [&](const QString &captionText, const QString &name, QLineEdit *field, const QString &unitText) {
        auto *caption = new QLabel(captionText, added);
        caption->setObjectName(name + "Label");
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row, 0);
        field->setObjectName(name);
        field->setFixedSize(qRound(FieldWidth * f), std::max(qRound(RowHeight * f), field->minimumSizeHint().height()));
        field->installEventFilter(this);
        grid->addWidget(field, row, 2);
        auto *unit = new QLabel(unitText, added);
        unit->setObjectName(name + "Lbl");
        grid->addWidget(unit, row, 4);
        setTabOrder(previous, field);
        previous = field;
        ++row;
    };
    for (int i = ClassicConditionCount; i < ConditionKeyCount; ++i) {
        const InputKey &key = ConditionKey(i);
        fields[i] = new QLineEdit(added);
        addRow(Said(key.caption), key.fieldName, fields[i], unitText(key));
    }
    auto *from = new QLabel(tr("Pressure altitude from the field:"), added);
    from->setObjectName("FromTheField");
    grid->addWidget(from, row++, 0, 1, 5);
    elevation = new QLineEdit(added);
    addRow(tr("Field Elevation"), "FieldElevation", elevation, Said(ShownUnit(Measure::Length, form.units(), "feet")));
    altimeter = new QLineEdit(added);
    addRow(tr("Altimeter Setting"), "AltimeterSetting", altimeter,
           Said(ShownUnit(Measure::Pressure, form.units(), "in/Hg")));
    auto *fill = new QPushButton(tr("&Fill"), added);
    fill->setObjectName("FillAltitude");
    fill->setToolTip(tr("Fill Preasure Altitude from the field elevation and the altimeter setting"));
    fill->setMinimumSize(qRound(ButtonSize.width() * f), qRound(ButtonSize.height() * f));
    fill->setAutoDefault(false);
    connect(fill, &QPushButton::clicked, this, [this] { Guarded(this, [&] { FillAltitude(); }); });
    grid->addWidget(fill, row++, 2, 1, 3, Qt::AlignLeft);
    // What Fill was given that no altimeter shows (hPa typed for in/Hg).
    altimeterNote = new QLabel(added);
    altimeterNote->setObjectName("AltimeterNote");
    altimeterNote->setWordWrap(true);
    altimeterNote->setTextFormat(Qt::PlainText);
    altimeterNote->hide();
    grid->addWidget(altimeterNote, row, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    setTabOrder(previous, fill);

    // The dialog: the classic one, and the added rows' own room below it.
    const int width = std::max(qRound(ClassicSize.width() * f), added->sizeHint().width());
    added->setGeometry(0, qRound(ClassicSize.height() * f), width, added->sizeHint().height());
    resize(width, added->geometry().bottom() + 1);

    OpenConditionsDialog = this;
    ShowConditions();
}

ConditionsDialog::~ConditionsDialog()
{
    if (OpenConditionsDialog == this)
        OpenConditionsDialog = nullptr;
}

void ConditionsDialog::ShowConditions()
{
    const char sep = MainWindow::DecimalSeparator();
    for (int i = 0; i < ConditionKeyCount; ++i) {
        const float value = form.flightCase().*(ConditionKey(i).field);
        shownTexts[i] = QString::fromStdString(FormatShown(ConditionKey(i).measure, form.units(), value, 4, sep));
        fields[i]->setText(shownTexts[i]);
    }
}

void ConditionsDialog::Save()
{
    // Every text must convert before anything is stored or taken over, so
    // that a bad text never reaches the stored settings.
    // In metric, a text left as shown keeps the value it shows: rounding
    // it to four digits and back would move the condition.
    const char sep = MainWindow::DecimalSeparator();
    const bool metric = form.units() == DisplayUnits::Metric;
    float values[ConditionKeyCount];
    for (int i = 0; i < ConditionKeyCount; ++i) {
        if (metric && fields[i]->text() == shownTexts[i]) {
            values[i] = form.flightCase().*(ConditionKey(i).field);
            continue;
        }
        const std::string text = fields[i]->text().toStdString();
        const Result<float> value = ParseShown(ConditionKey(i).measure, form.units(), text, sep);
        if (!Succeeded(this, value))
            return;
        values[i] = value.value;
    }

    // Conditions that cannot be calculated are not kept: every later start
    // would fail on them.
    FlightCase withThese = form.flightCase();
    for (int i = 0; i < ConditionKeyCount; ++i)
        withThese.*(ConditionKey(i).field) = values[i];
    const ConditionsRefusal refusal = RefuseConditions(form.flightCase(), withThese, form.units(), sep);
    if (!refusal.error.empty()) {
        ShowError(this, QString::fromStdString(refusal.error), QString::fromStdString(refusal.advice.text));
        return;
    }

    // Stored imperial whatever is shown, so that every version reads them;
    // as typed, unless the text is too long to be read back (a flier may
    // paste thousands of zeros): then the value's shortest exact text. What
    // this dialog left as it showed it keeps what another window stored
    // since this one read the settings.
    std::array<QString, ConditionKeyCount> texts;
    std::array<bool, ConditionKeyCount> changed;
    for (int i = 0; i < ConditionKeyCount; ++i) {
        const QString typed = fields[i]->text();
        const bool asTyped = !metric && static_cast<std::size_t>(typed.size()) <= MaxStoredText;
        texts[i] = asTyped ? typed : QString::fromStdString(FullPrecision(values[i]));
        changed[i] = defaultsShown || typed != shownTexts[i];
    }
    const std::array<QString, ConditionKeyCount> kept =
        TethrixSettings::WriteConditions(form.storedConditionsBase(), texts, changed);

    QStringList others;
    for (int i = 0; i < ConditionKeyCount; ++i) {
        std::vector<std::string> unused;
        if (kept[i].isNull())
            continue;
        values[i] = CheckStoredCondition(ConditionKey(i).key, values[i], StoredKind::Text, kept[i].toStdString(), unused)
                        .value_or(values[i]);
        others << QString::fromStdString(std::string(ConditionKey(i).caption) + " " +
                                         FormatShown(ConditionKey(i).measure, form.units(), values[i], 4, sep) + " " +
                                         form.caseEditor().UnitText(ConditionKey(i), ConditionKey(i).fieldUnit));
    }
    for (int i = 0; i < ConditionKeyCount; ++i)
        form.SetCondition(ConditionKey(i), values[i]);
    accept();
    if (!others.isEmpty())
        UiSeams().message(parentWidget(), QStringLiteral("Tethrix"),
                          tr("Another Tethrix window saved %1 since this one read the settings: "
                             "that is kept, and in force here too.")
                              .arg(Said(others.join(", "))),
                          QMessageBox::Information, QString());
}

void ConditionsDialog::FillAltitude()
{
    const Result<std::string> altitude = form.caseEditor().PressureAltitudeText(elevation->text().toStdString(),
                                                                                altimeter->text().toStdString());
    if (!Succeeded(this, altitude))
        return;
    fields[ConditionRowOf(Input::PressureAltitude)]->setText(
        QString::fromStdString(altitude.value));  // stored when Saved, as if typed
    const QString note = QString::fromStdString(form.caseEditor().AltimeterNote(altimeter->text().toStdString()));
    altimeterNote->setText(note);
    altimeterNote->setVisible(!note.isEmpty());
}

void ConditionsDialog::Defaults()
{
    defaultsShown = true;
    form.SetAdvancedDefaults();
    ShowConditions();
}

void ConditionsDialog::Cancel() { reject(); }

bool ConditionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && HelpKeyDown(static_cast<QKeyEvent *>(event), watched->objectName()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void ConditionsDialog::keyPressEvent(QKeyEvent *event)
{
    if (HelpKeyDown(event, QString()))
        return;
    // Enter and Escape do nothing here: only the buttons and the close box
    // end the dialog.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ConditionsDialog::HelpKeyDown(QKeyEvent *event, const QString &field)
{
    if (event->key() != Qt::Key_F1)
        return false;
    UiSeams().help(this, HelpAdvanced, field);  // a field's own section, or the page
    return true;
}

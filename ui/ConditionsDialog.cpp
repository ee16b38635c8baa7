#include "ConditionsDialog.h"

#include "Convert.h"
#include "Figures.h"
#include "MainWindow.h"
#include "Seams.h"
#include "Settings.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ConditionsDialog *OpenConditionsDialog = nullptr;

namespace {

// Each row's caption, field and unit come from the table of inputs (the
// conditions, in its order); these are the rows' label names and places.
struct ConditionRow {
    const char *captionName, *unitName;
    int top;
};

const ConditionRow Rows[ConditionKeyCount] = {
    {"SizeLabel", "ArmLngthLbl", 16},  {"LengthLabel", "HndlAnglLbl", 44}, {"WngLnthLabel", "WndSpeedLbl", 72},
    {"HndlLngthLabel", "TempLbl", 101}, {"WtLabel", "PreasLbl", 129},      {"LapTmeLabel", "uLapTimLbl", 157},
    {"PullLabel", "PullMultipleLbl", 185},
};

const InputKey &KeyOf(const ConditionRow &r) { return InputKeys[FirstConditionKey + (&r - Rows)]; }
Measure MeasureOf(const ConditionRow &r) { return KeyOf(r).measure; }

}  // namespace

ConditionsDialog::ConditionsDialog(MainWindow &owner, QWidget *parent) : QDialog(parent), form(owner)
{
    setObjectName("AdvCfgFrm");
    setWindowTitle(tr("Advanced Input Data"));
    resize(356, 322);

    for (int i = 0; i < ConditionKeyCount; ++i) {
        const ConditionRow &r = Rows[i];
        const InputKey &key = KeyOf(r);
        auto *caption = new QLabel(tr(key.caption), this);
        caption->setObjectName(r.captionName);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(8, r.top, 143, 21);
        fields[i] = new QLineEdit(this);
        fields[i]->setObjectName(key.fieldName);
        fields[i]->setGeometry(i == 2 ? 159 : 158, r.top, 60, 21);
        fields[i]->installEventFilter(this);
        auto *unit = new QLabel(QString::fromStdString(ShownUnit(key.measure, form.units(), key.fieldUnit)), this);
        unit->setObjectName(r.unitName);
        unit->setGeometry(222, r.top, 120, 21);
    }
    auto *hint = new QLabel(tr("Press <F1> For Help"), this);
    hint->setObjectName("Label1");
    hint->move(126, 214);
    auto *bar = new QFrame(this);
    bar->setObjectName("Panel1");
    bar->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bar->setGeometry(1, 238, 345, 4);

    const struct { const char *name, *text; int left; void (ConditionsDialog::*handler)(); } buttons[] = {
        {"DefaultsBtn", "&Defaults", 23, &ConditionsDialog::Defaults},
        {"SaveBtn", "&Save", 136, &ConditionsDialog::Save},
        {"ClxclBtn", "&Cancel", 249, &ConditionsDialog::Cancel},
    };
    QWidget *previous = fields[ConditionKeyCount - 1];
    for (int i = 0; i + 1 < ConditionKeyCount; ++i)
        setTabOrder(fields[i], fields[i + 1]);
    for (const auto &b : buttons) {
        auto *button = new QPushButton(tr(b.text), this);
        button->setObjectName(b.name);
        button->setGeometry(b.left, 256, 75, 25);
        button->setAutoDefault(false);  // Enter has no effect of its own
        const auto handler = b.handler;
        connect(button, &QPushButton::clicked, this, [this, handler] { Guarded(this, [&] { (this->*handler)(); }); });
        setTabOrder(previous, button);
        previous = button;
    }

    // Pressure altitude from what fliers know: the field's elevation and
    // the altimeter setting of the nearest airport.
    resize(356, 360);
    auto *from = new QLabel(tr("Pressure altitude from the field:"), this);
    from->setGeometry(8, 292, 300, 21);
    const bool metric = form.units() == DisplayUnits::Metric;
    const struct { const char *caption, *name, *unit; int top; QLineEdit **field; } inputs[] = {
        {"Field Elevation", "FieldElevation", metric ? "m" : "feet", 316, &elevation},
        {"Altimeter Setting", "AltimeterSetting", metric ? "hPa" : "in/Hg", 338, &altimeter},
    };
    for (const auto &in : inputs) {
        auto *caption = new QLabel(tr(in.caption), this);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(8, in.top, 143, 21);
        *in.field = new QLineEdit(this);
        (*in.field)->setObjectName(in.name);
        (*in.field)->setGeometry(158, in.top, 60, 21);
        (*in.field)->installEventFilter(this);
        auto *unit = new QLabel(in.unit, this);
        unit->setGeometry(222, in.top, 40, 21);
    }
    auto *fill = new QPushButton(tr("&Fill"), this);
    fill->setObjectName("FillAltitude");
    fill->setToolTip(tr("Fill Preasure Altitude from the field elevation and the altimeter setting"));
    fill->setGeometry(266, 326, 75, 25);
    fill->setAutoDefault(false);
    connect(fill, &QPushButton::clicked, this, [this] { Guarded(this, [&] { FillAltitude(); }); });
    setTabOrder(previous, elevation);
    setTabOrder(elevation, altimeter);
    setTabOrder(altimeter, fill);

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
        const float value = form.flightCase().*(KeyOf(Rows[i]).field);
        shownTexts[i] = QString::fromStdString(FormatShown(MeasureOf(Rows[i]), form.units(), value, 4, sep));
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
            values[i] = form.flightCase().*(KeyOf(Rows[i]).field);
            continue;
        }
        const std::string text = fields[i]->text().toStdString();
        const std::optional<float> value = ParseShown(MeasureOf(Rows[i]), form.units(), text, sep);
        if (!value) {
            ShowError(this, QString::fromStdString(InvalidNumberMessage(text)));
            return;
        }
        values[i] = *value;
    }

    // Stored imperial whatever is shown, so that every version reads them;
    // as typed, unless the text is too long to be read back (a flier may
    // paste thousands of zeros): then the value's shortest exact text.
    QList<QPair<QString, QString>> texts;
    for (int i = 0; i < ConditionKeyCount; ++i) {
        const QString typed = fields[i]->text();
        const bool asTyped = !metric && static_cast<std::size_t>(typed.size()) <= MaxStoredText;
        texts.append({TethrixSettings::ConditionNames[i],
                      asTyped ? typed : QString::fromStdString(FullPrecision(values[i]))});
    }
    TethrixSettings::Write(texts);

    for (int i = 0; i < ConditionKeyCount; ++i)
        form.SetCondition(KeyOf(Rows[i]), values[i]);
    accept();
}

void ConditionsDialog::FillAltitude()
{
    std::string text;
    const std::string problem = form.caseEditor().PressureAltitudeText(elevation->text().toStdString(),
                                                                      altimeter->text().toStdString(), text);
    if (!problem.empty())
        throw std::runtime_error(problem);
    fields[4]->setText(QString::fromStdString(text));  // stored when Saved, as if typed
}

void ConditionsDialog::Defaults()
{
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

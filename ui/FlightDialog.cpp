#include "ui/FlightDialog.h"
#include "ui/WindowLanguage.h"

#include "ui/WindowWidgets.h"

#include "numbers/Convert.h"
#include "case/Figures.h"
#include "hangar/HangarLog.h"

#include <QDateTime>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cmath>

namespace {

const struct {
    const char *name, *caption;
} Fields[FlightDialog::FieldCount] = {
    {"LapTimeMeasured", QT_TRANSLATE_NOOP("FlightDialog", "Lap Time Measured (seconds):")},
    {"FlightEngine", QT_TRANSLATE_NOOP("FlightDialog", "Engine:")},
    {"FlightProp", QT_TRANSLATE_NOOP("FlightDialog", "Prop:")},
    {"FlightFuel", QT_TRANSLATE_NOOP("FlightDialog", "Fuel:")},
    {"FlightSetting", QT_TRANSLATE_NOOP("FlightDialog", "Needle or Timer Setting:")},
    {"FlightHandleSpacing", QT_TRANSLATE_NOOP("FlightDialog", "Handle Spacing:")},
    {"FlightTipWeight", QT_TRANSLATE_NOOP("FlightDialog", "Tip Weight:")},
};

std::string Flight::*const Texts[FlightDialog::FieldCount - 1] = {
    &Flight::engine, &Flight::prop, &Flight::fuel, &Flight::setting, &Flight::handleSpacing, &Flight::tipWeight};

QString LapText(double seconds, char separator)
{
    if (std::isnan(seconds))
        return QString();
    QString text = QString::number(seconds, 'g', 15);
    return separator == '.' ? text : text.replace('.', QChar(separator));
}

}  // namespace

FlightDialog::FlightDialog(const Flight &flight, DisplayUnits units, char decimalSeparator, QWidget *parent)
    : QDialog(parent), separator(decimalSeparator)
{
    setObjectName("FlightDialog");
    auto *layout = new QVBoxLayout(this);
    // What was calculated, for the flier to see what is logged with it.
    auto *calculated = new QLabel(this);
    calculated->setObjectName("FlightCalculated");
    calculated->setTextFormat(Qt::PlainText);
    calculated->setWordWrap(true);
    const std::vector<LogColumn> columns = LogColumns(units);
    const std::vector<LogCell> cells = LogRow(flight, units, decimalSeparator);
    QStringList shown;
    for (int c :
         {1 + int(&KeyOf(Input::LapTime) - InputKeys), LogFirstFigureColumn + FigureIndex(FigureId::LineTension)})
        shown << tr("%1: %2").arg(Said(columns[c].title), cells[c].text.empty() ? tr("none") : Text(cells[c].text));
    calculated->setText(tr("%1 as calculated: %2").arg(Text(flight.inputs.Name()), shown.join(QStringLiteral("; "))));
    layout->addWidget(calculated);

    auto *form = new QFormLayout;
    flown = new QDateTimeEdit(this);
    flown->setObjectName("FlightFlown");
    flown->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    flown->setCalendarPopup(true);
    QDateTime when = QDateTime::fromString(Text(flight.flown), Qt::ISODate);
    flown->setDateTime((when.isValid() ? when : QDateTime::currentDateTimeUtc()).toLocalTime());
    form->addRow(tr("Flown (local time):"), flown);
    for (int i = 0; i < FieldCount; ++i) {
        fields[i] = new QLineEdit(this);
        fields[i]->setObjectName(Fields[i].name);
        fields[i]->setMaxLength(int(MaxFieldLength));
        fields[i]->setText(i == 0 ? LapText(flight.lapTime, separator) : Text(flight.*Texts[i - 1]));
        form->addRow(tr(Fields[i].caption), fields[i]);
    }
    notes = new QPlainTextEdit(Text(flight.notes), this);
    notes->setObjectName("FlightNotes");
    notes->setMaximumHeight(80);
    form->addRow(tr("Notes:"), notes);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("FlightButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString FlightDialog::Take(Flight &flight) const
{
    QString lap = fields[0]->text().trimmed();
    if (separator != '.')
        lap.replace(QChar(separator), '.');
    bool ok = true;
    const double seconds = lap.isEmpty() ? NAN : lap.toDouble(&ok);
    if (!ok || std::isinf(seconds))
        return tr("The lap time measured must be a number of seconds, or empty");
    flight.lapTime = seconds;
    flight.flown = flown->dateTime().toUTC().toString(Qt::ISODate).toStdString();
    for (int i = 1; i < FieldCount; ++i)
        flight.*Texts[i - 1] = fields[i]->text().toStdString();
    flight.notes = notes->toPlainText().toStdString();
    if (const Result<> checked = CheckFlight(flight); !checked.ok())
        return Said(checked.error);
    return QString();
}

// FlightDialog: one entry of the trim log as the flier fills it in: when it
// flew, the lap time measured and the flier's own fields. What the window
// calculated (the inputs, conditions and figures) is shown, not edited.
#pragma once

#include "hangar/Hangar.h"
#include "case/Units.h"

#include <QDialog>

#include <array>

class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;

class FlightDialog : public QDialog {
    Q_OBJECT
public:
    // flight: the entry as it stands, shown in these units; decimalSeparator:
    // the lap time's.
    FlightDialog(const Flight &flight, DisplayUnits units, char decimalSeparator, QWidget *parent = nullptr);

    // The typed fields into flight; the reason they cannot be kept (a
    // sentence), or empty.
    QString Take(Flight &flight) const;

    // The fields, for tests: the lap time, then the engine, prop, fuel,
    // setting, handle spacing and tip weight.
    QDateTimeEdit *flownField() const { return flown; }
    QLineEdit *field(int i) const { return fields[i]; }
    QPlainTextEdit *notesField() const { return notes; }
    static constexpr int FieldCount = 7;

private:
    char separator;
    QDateTimeEdit *flown = nullptr;
    std::array<QLineEdit *, FieldCount> fields{};
    QPlainTextEdit *notes = nullptr;
};

// Seams: every place where the program would wait for a person (message
// boxes, file dialogs, the print dialog, the help viewer) goes through one
// of these functions, so that tests can replace them.
#pragma once

#include "numbers/EngineError.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <string>

class QDialog;
class QPrinter;
class QWidget;

// Help topics by context number; 0 asks for the contents and search page.
enum HelpTopic : int {
    HelpContents = 0,
    HelpMainInputs = 2,
    HelpWhatIf = 3,
    HelpAdvanced = 4,
    HelpCharts = 5,
    HelpPrinting = 6,
    HelpCalculator = 7,
    HelpHeading = 8,
    HelpAbout = 9,
    HelpUnits = 10,
    HelpRake = 11,
};

struct Seams {
    // informative: a second line beside the text (which field, what to do), or empty.
    std::function<void(QWidget *parent, const QString &title, const QString &text, QMessageBox::Icon icon,
                       const QString &informative)>
        message;
    // section: the anchor of one part of the topic's page (a field's name), or empty.
    std::function<void(QWidget *parent, int topic, const QString &section)> help;
    // Return the chosen path, or an empty text when the user cancels.
    std::function<QString(QWidget *parent, const QString &dir, const QString &filter)> openFile;
    std::function<QString(QWidget *parent, const QString &dir, const QString &proposed, const QString &filter)> saveFile;
    // Shows the print dialog for printer; true when the user chose Print.
    // Empty: the report module shows Qt's own.
    std::function<bool(QWidget *parent, QPrinter *printer)> printDialog;
    // A question answered by one of the buttons (their texts, the first the
    // default, the last what Escape picks): the index of the one chosen, or
    // -1 when none is.
    std::function<int(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons)> ask;
    // A line of text the flier types, starting from text; false when cancelled.
    std::function<bool(QWidget *parent, const QString &title, const QString &label, QString &text)> askText;
    // The folder the flier picks, or an empty text.
    std::function<QString(QWidget *parent, const QString &dir)> openFolder;
    // Runs one of the program's own forms (a flight's entry) until the flier
    // closes it, and returns its result (QDialog::Accepted or Rejected).
    std::function<int(QDialog *dialog)> runDialog;
};

// The seams in force; defaults use the real dialogs and viewer.
Seams &UiSeams();

// The program's error box: titled "Tethrix", stop icon, and the text ends
// in a full stop (one is added if missing); informative says which field it
// concerns and what would fix it.
void ShowError(QWidget *parent, const QString &text, const QString &informative = QString());

// Whether a core operation worked; if not, its message is shown in the
// error box, with the advice beside it. The core's failures reach the
// window as results, never as exceptions.
template <class T>
bool Succeeded(QWidget *parent, const Result<T> &result, const QString &advice = QString())
{
    if (!result.ok())
        ShowError(parent, QString::fromStdString(result.error), advice);
    return result.ok();
}

// Runs f and shows any error that escapes it in the error box, so that no
// exception crosses Qt's event loop.
template <class F>
void Guarded(QWidget *parent, F &&f)
{
    try {
        f();
    } catch (const std::exception &e) {
        ShowError(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(parent, QStringLiteral("Unexpected error"));
    }
}

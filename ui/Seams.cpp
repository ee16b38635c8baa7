#include "ui/Seams.h"
#include "ui/WindowLanguage.h"

#include "ui/Help.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {

Seams MakeDefaultSeams()
{
    Seams s;
    s.message = [](QWidget *parent, const QString &title, const QString &text, QMessageBox::Icon icon,
                   const QString &informative) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.setInformativeText(informative);
        box.exec();
    };
    s.help = [](QWidget *parent, int topic, const QString &section) { ShowHelpTopic(parent, topic, section); };
    s.openFile = [](QWidget *parent, const QString &dir, const QString &filter) {
        QFileDialog dialog(parent, QString(), dir, filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);  // the chosen file need not exist
        dialog.setOption(QFileDialog::ReadOnly, false);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    s.saveFile = [](QWidget *parent, const QString &dir, const QString &proposed, const QString &filter) {
        QFileDialog dialog(parent, QString(), dir, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The filter's extension is added to a name typed without one.
        const int star = filter.indexOf("*.");
        dialog.setDefaultSuffix(star >= 0 ? filter.mid(star + 2).section(')', 0, 0) : QString());
        dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    s.ask = [](QWidget *parent, const QString &title, const QString &text, const QStringList &buttons) {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
        QList<QAbstractButton *> added;
        for (const QString &b : buttons)
            added << box.addButton(b, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        if (!added.isEmpty()) {
            box.setDefaultButton(static_cast<QPushButton *>(added.first()));
            box.setEscapeButton(added.last());
        }
        box.exec();
        return int(added.indexOf(box.clickedButton()));
    };
    s.askText = [](QWidget *parent, const QString &title, const QString &label, QString &text) {
        bool ok = false;
        const QString typed = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
        if (ok)
            text = typed;
        return ok;
    };
    s.openFolder = [](QWidget *parent, const QString &dir) {
        return QFileDialog::getExistingDirectory(parent, QString(), dir);
    };
    s.runDialog = [](QDialog *dialog) { return dialog->exec(); };
    // printDialog stays empty: the report module shows Qt's print dialog.
    return s;
}

}  // namespace

Seams &UiSeams()
{
    static Seams seams = MakeDefaultSeams();
    return seams;
}

void ShowError(QWidget *parent, const QString &text, const QString &informative)
{
    // A core text comes in English: it is shown in the window's language.
    QString message = Said(text);
    if (!message.endsWith('.'))
        message += '.';
    UiSeams().message(parent, QStringLiteral("Tethrix"), message, QMessageBox::Critical, Said(informative));
}

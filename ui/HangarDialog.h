// HangarDialog: the flier's airplanes, kept by the window's hangar store.
// The list shows each airplane with when it last flew and how often; the
// buttons keep the window's case as an airplane or over the one open, open
// one into the window's fields (as its data file would open), rename,
// duplicate, delete, add a folder's data files, and carry the hangar or one
// airplane with its log in and out as an exchange file. Every change is one
// of the core's operations run by the store in one transaction; a store
// that cannot be written says why and the buttons that would write are off.
#pragma once

#include "storage/HangarStore.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class MainWindow;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TrimLogDialog;
struct Flight;

class HangarDialog : public QDialog {
    Q_OBJECT
public:
    HangarDialog(MainWindow &window, const QString &storePath = HangarStore::DefaultPath());
    ~HangarDialog() override;

    HangarStore &store() { return *hangarStore; }
    MainWindow &window() { return form; }
    // Reads what another window committed and shows the hangar anew.
    void Refresh();
    // The window's units changed: the log shows its numbers in them.
    void ShowUnits();

    // The airplane selected in the list, or empty; Select picks one by id.
    std::string selectedId() const;
    void Select(const std::string &id);
    // The notes typed for the selected airplane.
    QString notesText() const;
    void SetNotesText(const QString &notes);

    // The buttons' handlers, public so that tests and the buttons call the
    // same code.
    void OpenSelected();
    void KeepAsNew();
    void KeepOver();
    void RenameSelected();
    void DuplicateSelected();
    void DeleteSelected();
    void AddFolder();
    void ExportHangar();
    void ExportAirplane();
    void Import();
    // A flight of the window's case as calculated now; with no airplane of
    // the hangar open, the case is kept as a new airplane first. True when
    // it was logged.
    bool LogFlight();
    void ShowTrimLog();
    TrimLogDialog *trimLog() const { return log; }

    // Runs edit in the store and shows the hangar anew; a failure is shown
    // ("<what> was not kept.", the reason beside it) and false returned.
    bool Edit(const QString &what, const std::function<Result<>(Hangar &)> &edit);
    // What the last change did, as the dialog says it.
    QString statusText() const;
    void ShowStatus(const QString &text);
    // Shows the flight form for flight (the fields the flier fills) and
    // takes what was typed into it; false when cancelled.
    bool AskFlight(Flight &flight, const QString &title);

    // A fresh id and the time now, as the hangar keeps them.
    static std::string NewId();
    static std::string Now();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void ShowHangar();
    void ShowSelection();
    void ShowOpenAirplane();
    bool Writable() const;
    void LogAFlight();  // the button's
    const struct Airplane *Selected() const;
    QString WriteExport(const QString &proposed, const std::string &text);

    MainWindow &form;
    std::unique_ptr<HangarStore> hangarStore;
    QLabel *problem = nullptr;    // why the hangar cannot be written, or hidden
    QLabel *openLine = nullptr;   // which airplane the window's fields hold
    QLabel *status = nullptr;     // what the last change did
    QTreeWidget *list = nullptr;
    QPlainTextEdit *notes = nullptr;
    std::string notesOf;  // the airplane whose notes the editor was given
    QString notesShown;   // as given
    QList<QPushButton *> writers;  // off when the hangar cannot be written
    QList<QPushButton *> needSelection;
    QPushButton *keepOver = nullptr;
    TrimLogDialog *log = nullptr;
};

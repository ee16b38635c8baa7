// ConditionsDialog: the "Advanced Input Data" dialog, the six flying conditions.
// It keeps no copy of its own: it shows the window's flight case when it
// opens and writes it on Save or Defaults.
#pragma once

#include "case/Figures.h"

#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class MainWindow;

class ConditionsDialog : public QDialog {
    Q_OBJECT
public:
    ConditionsDialog(MainWindow &form, QWidget *parent = nullptr);
    ~ConditionsDialog() override;

    void ShowConditions();
    void Save();
    void Defaults();
    void Cancel();
    // Fills Preasure Altitude from the field elevation and altimeter setting typed.
    void FillAltitude();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool HelpKeyDown(QKeyEvent *event, const QString &field);
    MainWindow &form;
    std::array<QLineEdit *, ConditionKeyCount> fields{};
    std::array<QString, ConditionKeyCount> shownTexts;  // as ShowConditions put them
    bool defaultsShown = false;  // Defaults was pressed: Save stores every condition
    QLineEdit *elevation = nullptr, *altimeter = nullptr;
    QLabel *altimeterNote = nullptr;  // a setting no altimeter shows, said after Fill
};

// The dialog while it is open, as the window created it.
extern ConditionsDialog *OpenConditionsDialog;

// Advgfg: the "Advanced Input Data" dialog, the six flying conditions.
// It keeps no copy of its own: it shows the window's flight case when it
// opens and writes it on Save or Defaults.
#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QLineEdit;
class TForm1;

class TAdvCfgFrm : public QDialog {
    Q_OBJECT
public:
    TAdvCfgFrm(TForm1 &form, QWidget *parent = nullptr);
    ~TAdvCfgFrm() override;

    void ShowConditions();
    void SaveBtnClick();
    void DefaultsBtnClick();
    void ClxclBtnClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool ArmLngthKeyDown(QKeyEvent *event);
    TForm1 &form;
    std::array<QLineEdit *, 6> fields{};
    std::array<QString, 6> shownTexts;  // as ShowConditions put them
};

// The dialog while it is open, as the window created it.
extern TAdvCfgFrm *AdvCfgFrm;

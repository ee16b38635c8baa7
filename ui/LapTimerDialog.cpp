#include "ui/LapTimerDialog.h"

#include "ui/MainWindow.h"
#include "ui/WindowLanguage.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <memory>

LapTimerDialog::LapTimerDialog(std::function<void(double)> onUse, QWidget *parent)
    : QDialog(parent), useLapTime(std::move(onUse))
{
    setObjectName("LapTimer");
    setWindowTitle(tr("Lap Timer"));
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    clock = [started] { return started->nsecsElapsed() / 1e9; };

    auto *layout = new QVBoxLayout(this);
    tap = new QPushButton(tr("Tap at each pass (Space)"), this);
    tap->setObjectName("TapLap");
    tap->setMinimumHeight(88);
    // The press is the pass, not the release a click waits for.
    connect(tap, &QPushButton::pressed, this, &LapTimerDialog::Tap);
    summary = new QLabel(this);
    summary->setObjectName("LapSummary");
    summary->setWordWrap(true);
    list = new QListWidget(this);
    list->setObjectName("LapTimes");
    auto *buttons = new QDialogButtonBox(this);
    use = buttons->addButton(tr("Use as Lap Time"), QDialogButtonBox::ActionRole);
    use->setObjectName("UseLapTime");
    QPushButton *again = buttons->addButton(tr("Start Again"), QDialogButtonBox::ResetRole);
    again->setObjectName("StartAgain");
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    connect(use, &QPushButton::clicked, this, &LapTimerDialog::UseLapTime);
    connect(again, &QPushButton::clicked, this, &LapTimerDialog::StartAgain);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(tap);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    // Space taps wherever the focus is; a key held down taps once.
    for (QPushButton *b : {tap, use, again, close})
        b->setFocusPolicy(Qt::NoFocus);
    auto *space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    space->setAutoRepeat(false);
    connect(space, &QShortcut::activated, this, &LapTimerDialog::Tap);
    ShowLaps();
}

void LapTimerDialog::Tap()
{
    taps.push_back(clock());
    judged = LapsOfTaps(taps);
    ShowLaps();
}

void LapTimerDialog::StartAgain()
{
    taps.clear();
    judged.clear();
    ShowLaps();
}

void LapTimerDialog::UseLapTime()
{
    const LapMean m = LapToUse(judged);
    if (m.count > 0 && useLapTime)
        useLapTime(m.mean);
}

void LapTimerDialog::ShowLaps()
{
    const char sep = MainWindow::DecimalSeparator();
    summary->setText(Said(LapSummary(judged, !taps.empty(), sep)));
    list->clear();
    for (std::size_t i = judged.size(); i-- > 0;)  // the newest on top
        list->addItem(Said(LapLine(i + 1, judged[i], sep)));
    use->setEnabled(LapToUse(judged).count > 0);
}

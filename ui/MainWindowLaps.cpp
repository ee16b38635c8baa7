// The window's lap timer: Advanced > Lap Timer..., beside the window, and
// its mean into Lap Time.
#include "ui/LapTimerDialog.h"
#include "ui/MainWindow.h"
#include "ui/Seams.h"
#include "ui/WindowWidgets.h"

#include <QLineEdit>

void MainWindow::ShowLapTimer()
{
    if (lapTimer == nullptr) {
        lapTimer = new LapTimerDialog([this](double seconds) { Guarded(this, [&] { UseLapTime(seconds); }); }, this);
        PlaceBeside(lapTimer);
    }
    lapTimer->show();
    lapTimer->raise();
    lapTimer->activateWindow();
}

void MainWindow::UseLapTime(double seconds)
{
    // Typed into the field (the core takes the text, the heading goes red),
    // then Enter.
    auto *field = findChild<QLineEdit *>(QStringLiteral("LapTime"));
    field->setText(Text(LapTimeText(seconds, DecimalSeparator())));
    RecalculateAndShow();
}

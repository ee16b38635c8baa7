// LapTimerDialog: the helper's lap timer at the desktop. Space (or a press
// of the large button) at each pass; the core's LapTaps judges the laps and
// words the summary, as the page's timer does. "Use as Lap Time" hands the
// mean to the window, which recalculates.
#pragma once

#include "laps/LapTaps.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class LapTimerDialog : public QDialog {
    Q_OBJECT
public:
    // useLapTime: the mean, in seconds, as the flier takes it.
    explicit LapTimerDialog(std::function<void(double seconds)> useLapTime, QWidget *parent = nullptr);

    // Seconds on a steady clock; tests put their own.
    std::function<double()> clock;

    void Tap();
    void StartAgain();
    void UseLapTime();
    const std::vector<TimedLap> &laps() const { return judged; }

private:
    void ShowLaps();
    std::function<void(double)> useLapTime;
    std::vector<double> taps;
    std::vector<TimedLap> judged;
    QPushButton *tap = nullptr, *use = nullptr;
    QLabel *summary = nullptr;
    QListWidget *list = nullptr;
};

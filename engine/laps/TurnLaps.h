// TurnLaps: the pilot's own lap timer. A control-line pilot stands at the
// centre and turns once per lap, so a phone held or pocketed turns with
// them: the gyroscope's rate projected on gravity is the turn rate about the
// vertical, whatever way up the phone is, and each full turn is a lap.
//
// A flight: a still second first, which gives the gyroscope's bias (a rate
// it reports at rest, of a few tenths of a degree a second, that would
// otherwise add up to a turn's worth of error in a few minutes), then the
// turns. A lap counts only when its turn was steady: a manoeuvre, a stumble,
// or the walk out to the handle turns the pilot unevenly, and such a lap is
// shown but left out of the mean.
#pragma once

#include "laps/LapTaps.h"

#include <cstddef>
#include <string>
#include <vector>

// One reading: time in seconds, the rotation rate in radians a second and
// gravity (any length, m/s² as the sensors give it) in the phone's own axes.
struct MotionSample {
    double t;
    double rate[3];
    double gravity[3];
};

// The detector's limits, and why.
// The bias is the mean rate over this long a still spell: 60 samples at the
// sensors' usual 60 Hz average the noise to well under 0.1 °/s.
constexpr double BiasSeconds = 1.0;
// Still: no reading in the spell more than this far from its mean. A phone
// held in a hand trembles by about 1 °/s; walking turns it by tens.
constexpr double StillRate = 0.1;  // radians a second, about 6 °/s
// A rate at rest beyond this is no bias but a turn.
constexpr double MaxBias = 0.1;
// Where a lap ends is read off a straight line fitted to the angle turned
// over this long either side of the full turn, which averages out the sway
// of a walking pilot's hips (a second or so a cycle) instead of taking the
// angle at one swaying instant.
constexpr double FitSeconds = 1.0;
// Steady: the four quarter turns of a lap take no more than this many times
// each other's time. A level lap's quarters differ by a few percent with
// the sway; a loop or a wingover stops the pilot's turn in one quarter for
// a second or more.
constexpr double SteadyQuarterRatio = 1.4;
// And the lap is within this fraction of the median lap: a slow walk round
// does not count. The first lap, from a standing start, never does.
constexpr double SteadyLapBand = 0.15;
// Gravity this much shorter than 9.8 m/s² is a phone in free fall or a
// reading gone wrong: the sample turns the pilot by nothing known.
constexpr double MinGravity = 4.0;

class TurnCounter;
// What the pilot's timer shows: while the bias is measured, what to do;
// then the turns so far, and once laps are done, LapSummary's words.
std::string TurnSummary(const TurnCounter &counter, char decimalSeparator = '.');

enum class TurnState {
    MeasuringBias,  // the still second
    Timing,
};

class TurnCounter {
public:
    // Samples in time order, in batches of any size.
    void Add(const MotionSample *samples, std::size_t count);
    // The flight is over: the last full turn is read off the samples there
    // are, without waiting for FitSeconds more.
    void Finish();
    TurnState State() const { return state; }
    // Whether the phone moved before it had been still for a second.
    bool MovedWhileStill() const { return moved; }
    double Bias(int axis) const { return bias[axis]; }
    // Full turns so far, and the laps they make: Counted when steady,
    // Irregular otherwise.
    double TurnedDegrees() const;
    std::vector<TimedLap> Laps() const;

private:
    void AddStill(const MotionSample &s);
    void AddTurning(const MotionSample &s);
    void FitTurns(bool all);

    TurnState state = TurnState::MeasuringBias;
    bool moved = false;
    std::vector<MotionSample> still;
    double bias[3]{};
    double lastGravity[3]{0, 0, 1};
    double lastYaw = 0;
    // The angle turned, sample by sample.
    std::vector<double> times, angles;
    double direction = 0;  // +1 or -1 once the pilot has turned a quarter
    double farthest = 0;   // the most turned, in the direction of the turn
    std::vector<double> quarterTimes;  // when each quarter turn was first reached
    std::vector<double> turnTimes;     // fitted times of each full turn; [0] the start
};

// LapTaps: the helper's lap timer. A helper taps once at each pass of the
// airplane; the core turns the tap times into laps, marks the taps a person
// gets wrong, and gives the mean lap the flier trims by. The same rules for
// the page's taps and the window's Space bar.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// How a lap (or a tap) was judged.
enum class LapKind {
    Counted,    // a lap like the others: in the mean
    MissedTap,  // about two laps long: a pass went untapped
    DoubleTap,  // a tap too soon after the last one (tapped twice, or at the
                // far side): left out, and the next lap runs from the tap before
    Irregular,  // neither a lap nor two: a pause, a landing, a stumble
};

struct TimedLap {
    double seconds;
    LapKind kind;
};

// The mean and spread (longest less shortest) of the last laps counted.
struct LapMean {
    std::size_t count = 0;  // laps in it: fewer than asked when fewer were counted
    double mean = 0;        // seconds; 0 when count is 0
    double spread = 0;
};
LapMean MeanOfLast(const std::vector<TimedLap> &laps, std::size_t n);
// The middle of the laps (seconds), the typical lap both timers judge by; NaN
// for none.
double Median(std::vector<double> laps);

// The judging limits, as fractions of the typical lap (the median of the
// laps counted). A person's reaction at a pass scatters by some 50 ms in a
// lap of about five seconds (1 %); wind and the flier's own pull vary a level
// lap by a few percent more. A quarter either way takes all of that and
// still tells a lap from a lap and a half.
constexpr double CountedLapBand = 0.25;
// A lap of 1.6 to 2.4 typical laps is two laps with one pass untapped.
constexpr double MissedTapLow = 1.6, MissedTapHigh = 2.4;
// A tap within 70 % of a typical lap of the last one kept cannot be a pass:
// a second tap at the same pass, or one at the far side (half a lap).
constexpr double DoubleTapFraction = 0.7;

// The laps between taps (seconds, in the order tapped, from one clock).
// The first tap starts the timing; a tap that is a double tap gives an entry
// of kind DoubleTap with the time since the tap kept before it.
std::vector<TimedLap> LapsOfTaps(const std::vector<double> &tapTimes);

// What the timers show, the same words in the window and the page.
// "Lap 3: 4.903 s", with "(missed tap, left out)" and the like after a lap
// not counted.
std::string LapLine(std::size_t number, const TimedLap &lap, char decimalSeparator = '.');
// "Last lap 4.903 s. Mean of the last 5: 4.901 s, spread 0.080 s." and the
// same of the last 10 once there are ten; before any lap, what to do
// (started: the first tap is in).
std::string LapSummary(const std::vector<TimedLap> &laps, bool started, char decimalSeparator = '.');
// The mean a flier takes as the Lap Time: of the last ten laps counted, or
// of all of them from MinLapsToUse on; count 0 when there are too few.
constexpr std::size_t MinLapsToUse = 3;
LapMean LapToUse(const std::vector<TimedLap> &laps);
// The mean as it goes into the Lap Time field: four significant digits, as
// the field shows a lap time ("4.903").
std::string LapTimeText(double seconds, char decimalSeparator = '.');

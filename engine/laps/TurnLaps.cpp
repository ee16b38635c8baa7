#include "laps/TurnLaps.h"

#include "numbers/Convert.h"
#include "lang/Format.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double QuarterTurn = 1.5707963267948966;  // radians
constexpr double FullTurn = 4 * QuarterTurn;

}  // namespace

void TurnCounter::Add(const MotionSample *samples, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const MotionSample &s = samples[i];
        if (!std::isfinite(s.t) || (!times.empty() && s.t <= times.back()) ||
            (!still.empty() && s.t <= still.back().t))
            continue;  // out of order, or no time at all
        if (state == TurnState::MeasuringBias)
            AddStill(s);
        else
            AddTurning(s);
    }
    FitTurns(false);
}

void TurnCounter::Finish() { FitTurns(true); }

void TurnCounter::AddStill(const MotionSample &s)
{
    for (double r : s.rate)
        if (!std::isfinite(r))
            return;
    // The last BiasSeconds of readings: the first still spell that long
    // gives the bias.
    still.push_back(s);
    while (still.size() > 2 && s.t - still[1].t >= BiasSeconds)
        still.erase(still.begin());
    if (s.t - still.front().t < BiasSeconds)
        return;
    double mean[3]{};
    for (const MotionSample &m : still)
        for (int a = 0; a < 3; ++a)
            mean[a] += m.rate[a] / still.size();
    bool steady = std::hypot(mean[0], mean[1], mean[2]) <= MaxBias;
    for (const MotionSample &m : still)
        steady = steady && std::hypot(m.rate[0] - mean[0], m.rate[1] - mean[1], m.rate[2] - mean[2]) <= StillRate;
    if (!steady) {
        moved = true;
        return;
    }
    std::copy(mean, mean + 3, bias);
    state = TurnState::Timing;
    times.assign(1, s.t);
    angles.assign(1, 0);
    turnTimes.assign(1, s.t);
    still.clear();
}

void TurnCounter::AddTurning(const MotionSample &s)
{
    const double g = std::hypot(s.gravity[0], s.gravity[1], s.gravity[2]);
    if (g >= MinGravity && std::isfinite(g))
        for (int a = 0; a < 3; ++a)
            lastGravity[a] = s.gravity[a] / g;
    double yaw = 0;
    for (int a = 0; a < 3; ++a)
        yaw += (s.rate[a] - bias[a]) * lastGravity[a];
    if (!std::isfinite(yaw))
        yaw = lastYaw;  // a reading without a rate: the turn goes on as it was
    const double t0 = times.back(), a0 = angles.back();
    const double angle = a0 + (yaw + lastYaw) / 2 * (s.t - t0);
    lastYaw = yaw;
    times.push_back(s.t);
    angles.push_back(angle);
    if (direction == 0) {
        if (std::fabs(angle) < QuarterTurn)
            return;
        direction = angle > 0 ? 1 : -1;
    }
    const double p0 = direction * a0, p1 = direction * angle;
    while (p1 >= (quarterTimes.size() + 1) * QuarterTurn) {
        const double target = (quarterTimes.size() + 1) * QuarterTurn;
        // The first time the turn reaches it, between the two samples.
        const double at = p1 > p0 && p0 < target ? t0 + (target - p0) / (p1 - p0) * (s.t - t0) : s.t;
        quarterTimes.push_back(at);
    }
    farthest = std::max(farthest, p1);
}

void TurnCounter::FitTurns(bool all)
{
    if (times.empty())
        return;
    while (turnTimes.size() * 4 <= quarterTimes.size()) {
        const std::size_t turn = turnTimes.size();
        const double reached = quarterTimes[turn * 4 - 1];
        if (!all && times.back() < reached + FitSeconds)
            return;
        // angle = a + b (t - reached) by least squares over the window.
        double n = 0, st = 0, sa = 0, stt = 0, sta = 0;
        const auto first = std::lower_bound(times.begin(), times.end(), reached - FitSeconds) - times.begin();
        for (std::size_t i = first; i < times.size() && times[i] <= reached + FitSeconds; ++i) {
            const double t = times[i] - reached, a = direction * angles[i];
            n += 1;
            st += t;
            sa += a;
            stt += t * t;
            sta += t * a;
        }
        const double det = n * stt - st * st;
        const double b = (n * sta - st * sa) / det, a = (sa - b * st) / n;
        const double fitted = reached + (turn * FullTurn - a) / b;
        // A fit that puts the turn outside its window (a pilot who stopped
        // there) keeps the time the turn was first reached.
        turnTimes.push_back(n >= 3 && b > 0 && std::fabs(fitted - reached) <= FitSeconds ? fitted : reached);
    }
}

double TurnCounter::TurnedDegrees() const { return farthest * (180 / (2 * QuarterTurn)); }

std::vector<TimedLap> TurnCounter::Laps() const
{
    std::vector<TimedLap> laps;
    std::vector<double> evenLaps;
    for (std::size_t k = 1; k < turnTimes.size(); ++k) {
        double shortest = INFINITY, longest = 0, from = k == 1 ? turnTimes[0] : quarterTimes[4 * k - 5];
        for (std::size_t q = 4 * k - 4; q < 4 * k; ++q) {
            shortest = std::min(shortest, quarterTimes[q] - from);
            longest = std::max(longest, quarterTimes[q] - from);
            from = quarterTimes[q];
        }
        // The first lap runs from a standing start: the take-off, never a level lap.
        const bool even = k > 1 && longest <= SteadyQuarterRatio * shortest;
        laps.push_back({turnTimes[k] - turnTimes[k - 1], even ? LapKind::Counted : LapKind::Irregular});
        if (even)
            evenLaps.push_back(laps.back().seconds);
    }
    const double typical = Median(evenLaps);
    for (TimedLap &lap : laps)
        if (lap.kind == LapKind::Counted && std::fabs(lap.seconds / typical - 1) > SteadyLapBand)
            lap.kind = LapKind::Irregular;
    return laps;
}

std::string TurnSummary(const TurnCounter &c, char sep)
{
    if (c.State() == TurnState::MeasuringBias)
        return c.MovedWhileStill() ? "The phone moved: hold it still for a second to start."
                                   : "Hold the phone still for a second.";
    const std::vector<TimedLap> laps = c.Laps();
    if (!laps.empty())
        return LapSummary(laps, true, sep);
    const double turns = std::floor(c.TurnedDegrees() / 36) / 10;  // in tenths, never ahead of the turn
    return lang::Format("Timing: %1 turns so far. The first lap is left out.",
                        {FormatNumber(turns, turns < 1 ? 1 : 2, sep)});
}

// The lap timers: a helper's taps, and the pilot's own turn read off a
// phone's gyroscope, both from synthetic flights.
#include "laps/LapTaps.h"
#include "laps/TurnLaps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr double Pi = 3.14159265358979323846;

std::vector<double> Taps(int laps, double lap, double jitter, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> reaction(-jitter, jitter);
    std::vector<double> taps;
    for (int i = 0; i <= laps; ++i)
        taps.push_back(10 + i * lap + reaction(random));
    return taps;
}

std::vector<LapKind> Kinds(const std::vector<TimedLap> &laps)
{
    std::vector<LapKind> kinds;
    for (const TimedLap &lap : laps)
        kinds.push_back(lap.kind);
    return kinds;
}

TEST(LapTaps, a_helpers_taps_give_the_lap_and_the_slips_are_left_out)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<TimedLap> laps = LapsOfTaps(Taps(20, 4.90, 0.060, seed));
        ASSERT_EQ(laps.size(), 20u);
        const LapMean ten = MeanOfLast(laps, 10);
        EXPECT_EQ(ten.count, 10u);
        EXPECT_NEAR(ten.mean, 4.90, 0.012) << seed;  // two reactions of 60 ms over ten laps
        EXPECT_LT(ten.spread, 0.241);
    }
    // What the flier reads, before, during and after.
    EXPECT_EQ(LapSummary({}, false), "Tap once at the start, then at each pass.");
    EXPECT_EQ(LapSummary({{4.9, LapKind::Counted}}, true, ','), "Last lap 4,9 s. 1 lap counted.");
    const std::vector<TimedLap> eleven = LapsOfTaps(Taps(11, 4.9, 0, 0));
    EXPECT_EQ(LapSummary(eleven, true), "Last lap 4.9 s. Mean of the last 5: 4.9 s, spread 0 s. "
                                        "Mean of the last 10: 4.9 s, spread 0 s.");
    EXPECT_EQ(LapLine(3, {9.81, LapKind::MissedTap}), "Lap 3: 9.81 s (missed tap, left out)");
    EXPECT_EQ(LapTimeText(4.90249, ','), "4,902");  // as Lap Time takes it
    using K = LapKind;
    const K C = K::Counted;
    const std::vector<double> even = Taps(8, 4.90, 0, 0);
    const auto with = [&](std::vector<double> taps, int at, double extra) {
        if (extra == 0)
            taps.erase(taps.begin() + at);
        else
            taps.insert(taps.begin() + at + 1, taps[at] + extra);
        return taps;
    };
    const auto paused = [&](std::size_t from, double by) {
        std::vector<double> taps = even;
        for (std::size_t i = from; i < taps.size(); ++i)
            taps[i] += by;
        return taps;
    };
    struct Row {
        const char *what;
        std::vector<double> taps;
        std::vector<LapKind> kinds;
    } rows[] = {
        {"even", even, {C, C, C, C, C, C, C, C}},
        {"a pass untapped", with(even, 4, 0), {C, C, C, K::MissedTap, C, C, C}},
        {"tapped twice", with(even, 4, 0.15), {C, C, C, C, K::DoubleTap, C, C, C, C}},
        {"tapped at the far side", with(even, 4, 2.45), {C, C, C, C, K::DoubleTap, C, C, C, C}},
        {"a pause", paused(7, 9.0), {C, C, C, C, C, C, K::Irregular, C}},
        {"taps out of order", {5, 4, 3}, {K::Irregular, K::Irregular}},
        {"one tap", {5}, {}},
        {"too few to use", {5, 9.9, 14.8}, {C, C}},
    };
    for (const Row &row : rows) {
        const std::vector<TimedLap> laps = LapsOfTaps(row.taps);
        EXPECT_EQ(Kinds(laps), row.kinds) << row.what;
        const LapMean m = LapToUse(laps);
        if (m.count > 0) {
            EXPECT_NEAR(m.mean, 4.90, 1e-9) << row.what;  // no slip averaged in
        }
    }
}

// A pilot turning at lapSeconds a lap with the phone's vertical axis at up
// (in the phone's own axes), a gyroscope bias, noise, the sway of the hips,
// and a loop in the third lap.
struct Pilot {
    double up[3];
    double lapSeconds = 5.2;
    double bias[3] = {0.5 * Pi / 180, -0.5 * Pi / 180, 0.5 * Pi / 180};
    double swayDegrees = 2, swayHz = 1.1;
    bool loopInThirdLap = true;
    double stillSeconds = 1.2;  // held still before the take-off
};

std::vector<MotionSample> Flight(const Pilot &p, int laps, unsigned seed)
{
    std::mt19937 random(seed);
    // A phone's gyroscope: some 0.2 degrees a second of noise a reading at 60 Hz.
    std::normal_distribution<double> noise(0, 0.003);
    const double still = p.stillSeconds, rate = 2 * Pi / p.lapSeconds;
    const double loopStart = 2.4 * p.lapSeconds, loopSeconds = 2.0;  // mid third lap
    std::vector<MotionSample> samples;
    for (double t = 0; t < still + laps * p.lapSeconds + (p.loopInThirdLap ? loopSeconds : 0) + 2; t += 1 / 60.0) {
        double yaw = 0;
        if (t > still) {
            const double flying = t - still;
            const double sway = p.swayDegrees * Pi / 180 * 2 * Pi * p.swayHz * std::cos(2 * Pi * p.swayHz * flying);
            const bool looping = p.loopInThirdLap && flying > loopStart && flying < loopStart + loopSeconds;
            yaw = (looping ? 0.2 * rate : rate) + sway;
        }
        MotionSample s{t, {}, {}};
        for (int a = 0; a < 3; ++a) {
            s.rate[a] = yaw * p.up[a] + p.bias[a] + noise(random);
            s.gravity[a] = 9.81 * p.up[a] + 10 * noise(random);
        }
        samples.push_back(s);
    }
    return samples;
}

TEST(TurnLaps, the_pilots_turn_gives_the_steady_laps_whichever_way_the_phone_is)
{
    const double lean = 20 * Pi / 180;
    const struct {
        const char *what;
        double up[3];
    } phones[] = {
        {"in a pocket, leaning 20 degrees", {0, std::cos(lean), std::sin(lean)}},
        {"upside down", {0, -std::cos(lean), -std::sin(lean)}},
        {"held flat", {0, 0, 1}},
    };
    for (const auto &phone : phones) {
        Pilot pilot{{phone.up[0], phone.up[1], phone.up[2]}};
        const std::vector<MotionSample> samples = Flight(pilot, 8, 7);
        TurnCounter counter;
        for (std::size_t i = 0; i < samples.size(); i += 25)  // in batches, as the page hands them over
            counter.Add(samples.data() + i, std::min<std::size_t>(25, samples.size() - i));
        counter.Finish();
        EXPECT_FALSE(counter.MovedWhileStill());
        EXPECT_NEAR(counter.Bias(0), pilot.bias[0], 0.01) << phone.what;
        const std::vector<TimedLap> laps = counter.Laps();
        ASSERT_GE(laps.size(), 8u) << phone.what;
        EXPECT_EQ(laps[0].kind, LapKind::Irregular) << phone.what;  // the standing start
        EXPECT_EQ(laps[2].kind, LapKind::Irregular) << phone.what;  // the loop
        for (std::size_t k = 0; k < laps.size(); ++k)
            if (k != 0 && k != 2) {
                EXPECT_EQ(laps[k].kind, LapKind::Counted) << phone.what << " lap " << k + 1;
                EXPECT_NEAR(laps[k].seconds, 5.2, 0.02) << phone.what << " lap " << k + 1;
            }
        EXPECT_NEAR(MeanOfLast(laps, 5).mean, 5.2, 0.01) << phone.what;
    }
}

TEST(TurnLaps, the_bias_waits_for_a_still_second_and_bad_readings_are_passed_over)
{
    Pilot pilot{{0, 0, 1}};
    pilot.loopInThirdLap = false;
    pilot.stillSeconds = 2;
    std::vector<MotionSample> samples = Flight(pilot, 4, 3);
    for (MotionSample &s : samples) {
        if (s.t < 0.4)
            s.rate[2] += 0.5;  // picked up and put down again
        if (std::fmod(s.t, 1.0) < 0.02) {
            s.gravity[0] = s.gravity[1] = s.gravity[2] = 0;  // a reading gone wrong
            s.rate[1] = NAN;
        }
    }
    samples.insert(samples.begin() + 100, samples[50]);  // a sample out of order
    TurnCounter counter;
    // What the pilot reads: still, moved, the turn under way, then the laps.
    EXPECT_EQ(TurnSummary(counter), "Hold the phone still for a second.");
    auto until = [&, next = std::size_t{0}](double t) mutable {
        for (; next < samples.size() && samples[next].t < t; ++next)
            counter.Add(&samples[next], 1);
    };
    until(1.2);
    EXPECT_EQ(TurnSummary(counter), "The phone moved: hold it still for a second to start.");
    until(2 + 0.55 * 5.2);
    EXPECT_EQ(TurnSummary(counter, ','), "Timing: 0,5 turns so far. The first lap is left out.");
    until(INFINITY);
    EXPECT_TRUE(counter.MovedWhileStill());
    EXPECT_EQ(counter.State(), TurnState::Timing);
    counter.Finish();
    const std::vector<TimedLap> laps = counter.Laps();
    ASSERT_GE(laps.size(), 4u);
    for (std::size_t k = 1; k < 4; ++k)
        EXPECT_NEAR(laps[k].seconds, 5.2, 0.02) << k;
    EXPECT_NEAR(counter.TurnedDegrees(), 360.0 * laps.size(), 360);
    EXPECT_EQ(TurnSummary(counter).rfind("Last lap 5.", 0), 0u);
}

}  // namespace

#include "laps/LapTaps.h"

#include "numbers/Convert.h"
#include "lang/Format.h"

#include <algorithm>
#include <cmath>

namespace {

// The laps judged against a typical lap.
std::vector<TimedLap> Judged(const std::vector<double> &taps, double typical)
{
    std::vector<TimedLap> laps;
    double kept = taps.front();
    for (std::size_t i = 1; i < taps.size(); ++i) {
        const double lap = taps[i] - kept;
        const double ratio = lap / typical;
        if (ratio < DoubleTapFraction) {
            laps.push_back({lap, LapKind::DoubleTap});
            continue;
        }
        kept = taps[i];
        if (std::fabs(ratio - 1) <= CountedLapBand)
            laps.push_back({lap, LapKind::Counted});
        else if (ratio >= MissedTapLow && ratio <= MissedTapHigh)
            laps.push_back({lap, LapKind::MissedTap});
        else
            laps.push_back({lap, LapKind::Irregular});
    }
    return laps;
}

}  // namespace

double Median(std::vector<double> v)
{
    if (v.empty())
        return NAN;
    // An insertion sort: a flight has at most some hundreds of laps, and the
    // page downloads the smallest code there is.
    for (std::size_t i = 1; i < v.size(); ++i)
        for (std::size_t j = i; j > 0 && v[j] < v[j - 1]; --j)
            std::swap(v[j], v[j - 1]);
    const std::size_t mid = v.size() / 2;
    return v.size() % 2 == 1 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

std::vector<TimedLap> LapsOfTaps(const std::vector<double> &taps)
{
    if (taps.size() < 2)
        return {};
    // The typical lap, first from every gap between taps, then from the laps
    // that judging counts: a few wrong taps among many cannot move a median.
    std::vector<double> gaps;
    for (std::size_t i = 1; i < taps.size(); ++i)
        gaps.push_back(taps[i] - taps[i - 1]);
    double typical = Median(gaps);
    std::vector<TimedLap> laps;
    for (int pass = 0; pass < 3; ++pass) {
        if (!(typical > 0)) {  // taps out of order, or all at once: nothing is a lap
            for (std::size_t i = 1; i < taps.size(); ++i)
                laps.push_back({taps[i] - taps[i - 1], LapKind::Irregular});
            return laps;
        }
        laps = Judged(taps, typical);
        std::vector<double> counted;
        for (const TimedLap &lap : laps)
            if (lap.kind == LapKind::Counted)
                counted.push_back(lap.seconds);
        const double next = Median(counted);
        if (!(next > 0) || next == typical)
            break;
        typical = next;
    }
    return laps;
}

LapMean MeanOfLast(const std::vector<TimedLap> &laps, std::size_t n)
{
    LapMean m;
    double sum = 0, low = INFINITY, high = -INFINITY;
    for (auto lap = laps.rbegin(); lap != laps.rend() && m.count < n; ++lap) {
        if (lap->kind != LapKind::Counted)
            continue;
        ++m.count;
        sum += lap->seconds;
        low = std::min(low, lap->seconds);
        high = std::max(high, lap->seconds);
    }
    if (m.count > 0) {
        m.mean = sum / m.count;
        m.spread = high - low;
    }
    return m;
}

namespace {

std::string Seconds(double s, char sep) { return lang::Format("%1 s", {FormatNumber(s, s < 10 ? 4 : 5, sep)}); }

std::string MeanText(const LapMean &m, char sep)
{
    return lang::Format("Mean of the last %1: %2, spread %3 s.",
                        {std::to_string(m.count), Seconds(m.mean, sep),
                         FormatNumber(std::round(m.spread * 100) / 100, 3, sep)});  // to the hundredth a person can tap
}

}  // namespace

std::string LapLine(std::size_t number, const TimedLap &lap, char sep)
{
    static const char *const Line[] = {"Lap %1: %2", "Lap %1: %2 (missed tap, left out)",
                                       "Lap %1: %2 (double tap, left out)", "Lap %1: %2 (irregular, left out)"};
    return lang::Format(Line[static_cast<int>(lap.kind)], {std::to_string(number), Seconds(lap.seconds, sep)});
}

std::string LapSummary(const std::vector<TimedLap> &laps, bool started, char sep)
{
    if (laps.empty())
        return started ? "Timing: tap at each pass." : "Tap once at the start, then at each pass.";
    std::string text = lang::Format("Last lap %1.", {Seconds(laps.back().seconds, sep)});
    const LapMean five = MeanOfLast(laps, 5), ten = MeanOfLast(laps, 10);
    if (five.count == 5)
        text += " " + MeanText(five, sep);
    if (ten.count == 10)
        text += " " + MeanText(ten, sep);
    if (five.count < 5)
        text += " " + lang::Plural(five.count, "%n lap counted.", "%n laps counted.");
    return text;
}

LapMean LapToUse(const std::vector<TimedLap> &laps)
{
    LapMean m = MeanOfLast(laps, 10);
    if (m.count < MinLapsToUse)
        m = LapMean{};
    return m;
}

std::string LapTimeText(double seconds, char sep) { return FormatNumber(seconds, 4, sep); }

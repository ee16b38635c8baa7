// The lap timers as the page calls them: the helper's taps and the pilot's
// motion samples go in as numbers, the judged laps and their texts come
// back, laid out as Bindings.cpp lays out its answers (counts, the numbers'
// address, each text's address and length), in the order of their layout
// in bindings.js (REPLIES.tx_lapReply), which judgedLaps reads.
// Nothing is decided here.
#include "laps/LapTaps.h"
#include "laps/TurnLaps.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<double> in;  // the numbers of the next call, written by the page
std::vector<std::string> texts;
std::vector<double> numbers;
std::vector<uint32_t> words;

char Separator(int c) { return c == ',' ? ',' : '.'; }

// numbers: each lap's seconds and kind, then the mean to use (count,
// seconds); texts: the summary, each lap's line, the mean as Lap Time's text.
void Answer(const std::vector<TimedLap> &laps, std::string summary, char sep)
{
    texts.assign(1, std::move(summary));
    numbers.clear();
    for (std::size_t i = 0; i < laps.size(); ++i) {
        numbers.push_back(laps[i].seconds);
        numbers.push_back(static_cast<double>(laps[i].kind));
        texts.push_back(LapLine(i + 1, laps[i], sep));
    }
    const LapMean use = LapToUse(laps);
    numbers.push_back(static_cast<double>(use.count));
    numbers.push_back(use.mean);
    texts.push_back(use.count ? LapTimeText(use.mean, sep) : "");
}

}  // namespace

#define EXPORT extern "C" EMSCRIPTEN_KEEPALIVE

EXPORT double *tx_lapIn(uint32_t count)
{
    in.resize(count);
    return in.data();
}

EXPORT const uint32_t *tx_lapReply()
{
    words.assign({static_cast<uint32_t>(texts.size()), static_cast<uint32_t>(numbers.size()),
                  static_cast<uint32_t>(reinterpret_cast<uintptr_t>(numbers.data()))});
    for (const std::string &t : texts) {
        words.push_back(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(t.data())));
        words.push_back(static_cast<uint32_t>(t.size()));
    }
    return words.data();
}

// The laps of the taps so far: seconds on one clock, in the order tapped.
EXPORT void tx_lapsOfTaps(int separator)
{
    const char sep = Separator(separator);
    const std::vector<TimedLap> laps = LapsOfTaps(in);
    Answer(laps, LapSummary(laps, !in.empty(), sep), sep);
}

EXPORT TurnCounter *tx_turnNew() { return new TurnCounter; }
EXPORT void tx_turnDelete(TurnCounter *c) { delete c; }
// The samples written with tx_lapIn, seven numbers each (t, rate x y z,
// gravity x y z), go to the counter; finish: the flight is over.
EXPORT void tx_turnAdd(TurnCounter *c, int finish, int separator)
{
    for (std::size_t i = 0; i + 7 <= in.size(); i += 7) {
        const double *n = &in[i];
        const MotionSample s{n[0], {n[1], n[2], n[3]}, {n[4], n[5], n[6]}};
        c->Add(&s, 1);
    }
    if (finish)
        c->Finish();
    Answer(c->Laps(), TurnSummary(*c, Separator(separator)), Separator(separator));
}

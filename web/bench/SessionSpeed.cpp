// The page's core natively: the same recalculation the page's benchmark
// times in the browser (figures parsed, calculated and formatted), so the
// two are compared like for like. Prints "held" and "text" in µs.
#include "case/CaseEditor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

template <typename Step> static double MedianMicroseconds(Step step)
{
    std::vector<double> rounds;
    for (int round = 0; round < 9; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 20000; ++i)
            step(i);
        rounds.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() /
                         20000);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[4];
}

int main()
{
    CaseEditor s;
    if (!s.Defaults().ok())
        return 1;
    const double held = MedianMicroseconds([&](int) { (void)s.Recalculate(); });
    const double text = MedianMicroseconds([&](int i) {
        (void)s.SetText("lt", std::to_string(4 + (i % 100) / 100.0), false);
        (void)s.Recalculate();
    });
    std::printf("held %.2f\ntext %.2f\n", held, text);
    return 0;
}

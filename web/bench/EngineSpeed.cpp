// One Recalculate in WebAssembly, with the flying conditions held and
// varying, as the native engine benchmark times it.
#include "Calcs.h"

#include <chrono>
#include <cstdio>

int main()
{
    FlightCase fc = DefaultFlightCase();
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    double sink = 0;
    for (int varying = 0; varying < 2; ++varying) {
        const int n = 200000;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < n; ++i) {
            fc.LapTime = 4.4f + 0.02f * static_cast<float>(i % 50);
            fc.LineLength = 52.0f + static_cast<float>(i % 17);
            if (varying)
                fc.Temprature = 40.0f + static_cast<float>(i % 13) * 5;
            engine.Recalculate(fc.LapTime);
            sink += groundSpeed;
        }
        const double us = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / n * 1e6;
        std::printf("%s %.3f us\n", varying ? "varying" : "held", us);
    }
    return sink > 0 ? 0 : 1;
}

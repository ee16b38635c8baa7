// Seeded random flight cases, typical, extreme and failing, and a hash of
// everything the engine says about one: the figures' bits or the message of
// each calculation the window makes (Recalculate, wing loading, lap speed,
// What-If). Only exact arithmetic makes the inputs, so that every platform
// draws the same cases from the same seed.
#pragma once

#include "physics/CalcEngine.h"
#include "numbers/EngineError.h"
#include "tests/engine/numbers/Random.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace randomcases {

// (1 + u)·2^(from + j), u and j drawn in this order. Every draw is a
// statement of its own: the order of a call's arguments is the compiler's.
inline double Power(Random &r, int from, int span)
{
    const double u = r.unit();
    const int j = r.below(span);
    return std::ldexp(1.0 + u, from + j);
}

inline FlightCase MakeCase(Random &r)
{
    FlightCase fc = DefaultFlightCase();
    const int kind = r.below(10);
    const int adversarial = r.below(4);
    // Typical airplanes and days.
    fc.NumLines = 1 + r.below(3);
    fc.LineDiameter = r.between(0.008, 0.03);
    fc.LineLength = r.between(20, 90);
    fc.WingLength = r.between(0, 40);
    fc.HandleLength = r.between(0, 12);
    fc.Weight = r.between(8, 120);
    fc.LapTime = r.between(3, 7);
    fc.WingArea = r.between(150, 1000);
    fc.ArmLength = r.between(0, 30);
    fc.HandleAngle = r.between(-45, 45);
    fc.WindSpeed = r.between(0, 25);
    fc.Temperature = r.between(-30, 120);
    fc.PressureAltitude = r.between(-2000, 15000);
    fc.Humidity = r.between(0, 100);
    float *fields[] = {&fc.LineDiameter, &fc.LineLength, &fc.WingLength, &fc.HandleLength, &fc.Weight,
                       &fc.LapTime, &fc.WingArea,   &fc.ArmLength,   &fc.HandleAngle,  &fc.WindSpeed,
                       &fc.Temperature, &fc.PressureAltitude, &fc.Humidity};
    if (kind >= 5 && kind <= 7) {
        // Extreme: some inputs anywhere in the single-precision range.
        for (float *f : fields)
            if (r.below(4) == 0)
                *f = r.extreme();
        if (r.below(4) == 0)
            fc.NumLines = r.below(9) - 3;
    } else if (kind >= 8) {
        // Failing and borderline: each a known way for a case to go wrong.
        switch (r.below(12)) {
        case 0: fc.LapTime = r.below(2) ? 0.0f : -0.0f; break;
        case 1: fc.WindSpeed = r.between(40, 200); break;                        // wind near the airspeed
        case 2: fc.Temperature = r.between(-600, -440); break;                    // near absolute zero
        case 3: fc.Temperature = r.between(150, 400), fc.Humidity = r.between(50, 150); break;  // too humid
        case 4: {
            const float altitude = r.between(-4e6, 4e6);
            fc.PressureAltitude = altitude * static_cast<float>(r.below(2) ? 1 : 1e6);
            break;
        }
        case 5: fc.ArmLength = r.between(500, 5000), fc.HandleAngle = r.between(90, 180); break;  // radius behind
        case 6: fc.HandleAngle = r.between(-400, 400); break;
        case 7: fc.WingLength = fc.LineLength * 12 + r.between(-1, 1); break;     // wing as long as the lines
        case 8: fc.WingArea = r.below(2) ? 0.0f : r.extreme(); break;
        case 9: fc.LineLength = r.extreme(), fc.LapTime = r.extreme(); break;
        case 10: fc.Weight = r.extreme(), fc.LineDiameter = r.extreme(); break;
        default: fc.Temperature = r.extreme(), fc.Humidity = r.extreme(); break;
        }
    }
    if (kind == 9 && adversarial > 0) {
        // Air and geometry at the edges of what the models take: thin or
        // dense air at extreme altitudes and temperatures, a radius that
        // cancels to nearly nothing, wind near the airspeed.
        const float sign = (r.next() & 1) ? 1.0f : -1.0f;
        switch (r.below(5)) {
        case 0:  // from the thinnest air the model takes, where its viscosity overflows
            fc.PressureAltitude = static_cast<float>(Power(r, 50, 16));
            fc.Temperature = static_cast<float>(-459.67 + Power(r, -8, 135));
            fc.Humidity = r.between(0, 100);
            break;
        case 1:
            fc.Temperature = static_cast<float>(-459.67 + Power(r, -8, 135));
            fc.Humidity = r.between(0, 100);
            break;
        case 2:
            fc.HandleAngle = static_cast<float>((r.below(5) - 2) * 90);
            fc.ArmLength = (fc.LineLength + fc.HandleLength / 12.0f) * 12.0f * r.between(0.999, 1.001);
            if (r.below(2))
                fc.ArmLength = (fc.LineLength + fc.HandleLength * (1 / 12.0f)) * 12;
            break;
        case 3:
            fc.WindSpeed = r.between(40, 70);
            fc.LapTime = r.between(4.5, 5.5);
            break;
        default:
            fc.PressureAltitude = sign * static_cast<float>(Power(r, 10, 118));
            break;
        }
    }
    return fc;
}

// FNV-1a over the bytes of each answer, in a fixed order.
class Digest {
public:
    void bytes(const void *p, size_t n)
    {
        const auto *b = static_cast<const unsigned char *>(p);
        for (size_t i = 0; i < n; ++i)
            h = (h ^ b[i]) * 0x100000001B3ull;
    }
    void number(double v) { bytes(&v, sizeof v); }
    void number(float v) { bytes(&v, sizeof v); }
    void text(const std::string &s) { bytes(s.c_str(), s.size() + 1); }
    uint64_t value() const { return h; }

private:
    uint64_t h = 0xCBF29CE484222325ull;
};

// Everything the engine says about fc, as the window would ask it.
inline uint64_t Outcome(const FlightCase &fc)
{
    Digest d;
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    if (const char *error = engine.Recalculate(fc.LapTime)) {
        d.text(std::string("R:") + error);
    } else {
        d.number(groundSpeed);
        for (double v : {engine.LineTension(), engine.LeadoutPosition(), engine.LineProjection(),
                         engine.LineReynolds(), engine.LineDragArea(), engine.AirPressure(), engine.FlightRadius(),
                         engine.DensityAltitude(), engine.LineWeight(), engine.LineDrag(), engine.LinePower()})
            d.number(v);
    }
    if (const Checked<double> w = WingLoading(fc); w.ok())
        d.number(w.value);
    else
        d.text(std::string("W:") + w.error);
    float lapSpeed = 54.36f;
    if (const Checked<float> l = LapSpeed(fc); l.ok()) {
        lapSpeed = l.value;
        d.number(lapSpeed);
    } else {
        d.text(std::string("L:") + l.error);
    }
    // The second conversion is asked only when the first has an answer.
    Checked<float> q = WhatIfLineLength(lapSpeed, fc, fc.LapTime * 1.1f);
    if (q.ok()) {
        d.number(q.value);
        q = WhatIfLapTime(lapSpeed, fc, fc.LineLength);
        if (q.ok())
            d.number(q.value);
    }
    if (!q.ok())
        d.text(std::string("Q:") + q.error);
    return d.value();
}

// Cases on the edges where only the checks of single operations can see a
// fault: the thinnest air the model takes (its pressure a few hundred
// orders below a pascal, where the viscosity and the Reynolds number
// overflow), radii that cancel to nearly nothing, wind near the airspeed.
template <class Visit>
void EdgeCases(Visit visit)
{
    FlightCase fc = DefaultFlightCase();
    for (int e = 52; e <= 63; ++e)
        for (int k = 0; k < 64; ++k)
            for (int j = -8; j <= 127; j += 9)
                for (float humidity : {0.0f, 60.0f}) {
                    fc = DefaultFlightCase();
                    fc.PressureAltitude = static_cast<float>(std::ldexp(1.0 + k / 64.0, e));
                    fc.Temperature = static_cast<float>(-459.67 + std::ldexp(1.1, j));
                    fc.Humidity = humidity;
                    visit(fc);
                }
    for (int angle = -180; angle <= 180; angle += 90)
        for (int step = -100; step <= 100; ++step) {
            fc = DefaultFlightCase();
            fc.HandleAngle = static_cast<float>(angle);
            fc.ArmLength = std::nextafter((fc.LineLength + fc.HandleLength / 12.0f) * 12.0f, step < 0 ? 0.0f : 1e9f);
            for (int i = 0; i < (step < 0 ? -step : step); ++i)
                fc.ArmLength = std::nextafter(fc.ArmLength, step < 0 ? 0.0f : 1e9f);
            visit(fc);
        }
    for (int wind = 4500; wind <= 6000; ++wind) {
        fc = DefaultFlightCase();
        fc.WindSpeed = static_cast<float>(wind * 0.01);
        visit(fc);
    }
}

constexpr uint64_t Seed = 20261208;
constexpr int ListedCases = 10000;     // one hash each in the data file
constexpr int SummedCases = 200000;    // then one hash over all of these

// Every outcome the reference file holds: one hash per listed case, then one
// over the summed cases and one over the edge cases.
struct Outcomes {
    std::vector<uint64_t> listed;
    uint64_t sum = 0, edges = 0;
};
inline Outcomes AllOutcomes()
{
    Outcomes o;
    Random r(Seed);
    for (int i = 0; i < ListedCases; ++i)
        o.listed.push_back(Outcome(MakeCase(r)));
    Digest sum, edges;
    for (int i = 0; i < SummedCases; ++i) {
        const uint64_t h = Outcome(MakeCase(r));
        sum.bytes(&h, sizeof h);
    }
    EdgeCases([&](const FlightCase &fc) {
        const uint64_t h = Outcome(fc);
        edges.bytes(&h, sizeof h);
    });
    o.sum = sum.value();
    o.edges = edges.value();
    return o;
}

}  // namespace randomcases

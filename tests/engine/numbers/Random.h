// A seeded random sequence that every platform draws alike (splitmix64),
// and the numbers the tests make from it by exact arithmetic alone.
#pragma once

#include <cmath>
#include <cstdint>

namespace randomcases {

// splitmix64: a fixed, portable sequence.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed) {}
    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }  // [0, 1), exact
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
    float between(double lo, double hi) { return static_cast<float>(lo + (hi - lo) * unit()); }
    // Any finite float: sign, a 24-bit mantissa and an exponent over the
    // whole range, subnormals and zero included.
    float extreme()
    {
        switch (below(8)) {
        case 0: return 0.0f;
        case 1: return -0.0f;
        default: break;
        }
        const double mantissa = static_cast<double>(next() >> 40) * 0x1.0p-24;  // [0, 1)
        const int exponent = below(127 + 150) - 149;
        const float v = static_cast<float>(std::ldexp(1.0 + mantissa, exponent));
        return (next() & 1) ? -v : v;
    }

private:
    uint64_t state;
};

}  // namespace randomcases

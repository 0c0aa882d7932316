#pragma once

#include <cstdint>

namespace assets {

// A small generator of our own, so that scattered details come out the same on every machine.
class Random {
public:
    explicit Random(std::uint32_t seed) : state(seed) {}

    // 0 (inclusive) to 1 (exclusive).
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    }
    double range(double from, double to) { return from + (to - from) * next(); }

private:
    std::uint32_t state;
};

}  // namespace assets

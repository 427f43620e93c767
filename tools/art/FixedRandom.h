// A small pseudo-random generator with a fixed seed (SplitMix64), so that the
// textures come out the same on every run and on every machine.
#pragma once

#include <cstdint>

class FixedRandom {
public:
    explicit FixedRandom(std::uint64_t seed) : state(seed) {}

    std::uint64_t Next()
    {
        state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to limit - 1.
    int Below(int limit) { return static_cast<int>(Next() % static_cast<std::uint64_t>(limit)); }
    // True with the given chance (0 to 1).
    bool Chance(double chance) { return static_cast<double>(Next() >> 11) * 0x1.0p-53 < chance; }

private:
    std::uint64_t state;  // advanced by a fixed step on every draw
};

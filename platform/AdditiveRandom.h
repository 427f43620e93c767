// The game's own pseudo-random sequence: an additive lagged generator, each
// number the sum of the ones 3 and 31 places back. Seeded as the GNU C
// library seeds its rand(), it gives the very same numbers, but it does so on
// every platform, the browser build included, so the walls look alike everywhere.
#pragma once

#include <array>
#include <cstdint>

class AdditiveRandom {
public:
    static constexpr unsigned DefaultSeed = 1;  // the C library's seed before any srand()
    static constexpr int Max = 0x7FFFFFFF;      // the largest number Next returns

    explicit AdditiveRandom(unsigned seed = DefaultSeed);
    // Starts the sequence afresh from a seed.
    void Seed(unsigned seed);
    // The next number, from 0 to Max.
    int Next();

private:
    static constexpr int Lag = 31;        // the further place back; the nearer is 3
    std::array<uint32_t, Lag> state{};    // the last Lag sums, a ring
    int front = 0;                        // ring index of the sum Lag places back
};

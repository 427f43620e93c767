#include "platform/AdditiveRandom.h"

namespace {
constexpr int NearLag = 3;
constexpr int64_t LcgMultiplier = 16807;      // the seeding generator: x' = 16807 x mod (2^31 - 1)
constexpr int64_t LcgModulus = 2147483647;
constexpr int WarmUp = 310;                   // numbers thrown away after seeding
}  // namespace

AdditiveRandom::AdditiveRandom(unsigned seed)
{
    Seed(seed);
}

void AdditiveRandom::Seed(unsigned seed)
{
    // The seed is kept as a signed word, and a seed of 0 counts as 1.
    int64_t word = static_cast<int32_t>(seed == 0 ? 1 : seed);
    state[0] = static_cast<uint32_t>(word);
    for (int i = 1; i < Lag; ++i) {
        word = (LcgMultiplier * word) % LcgModulus;
        if (word < 0)
            word += LcgModulus;
        state[i] = static_cast<uint32_t>(word);
    }
    // The next NearLag numbers are copies of the first ones, which the ring
    // already holds in place: step over them.
    front = NearLag;
    for (int i = 0; i < WarmUp; ++i)
        Next();
}

int AdditiveRandom::Next()
{
    // The ring holds the last Lag sums, oldest at front: the one NearLag places back sits just before front.
    const int near = (front + Lag - NearLag) % Lag;
    const uint32_t sum = state[front] + state[near];
    state[front] = sum;
    front = (front + 1) % Lag;
    return static_cast<int>(sum >> 1);
}

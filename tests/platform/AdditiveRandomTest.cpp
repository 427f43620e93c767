// The game's own generator gives the C library's rand() sequence, number for
// number, so the walls of the native build look as they always did.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/AdditiveRandom.h"

TEST(AdditiveRandomTest, MatchesTheCLibraryForAnySeed)
{
    constexpr int Count = 5000;
    for (const unsigned seed : {AdditiveRandom::DefaultSeed, 0u, 12345u, 0x80000001u, 0xFFFFFFFFu}) {
        std::srand(seed);
        AdditiveRandom ours(seed);
        for (int i = 0; i < Count; ++i)
            ASSERT_EQ(ours.Next(), std::rand()) << "seed " << seed << ", number " << i;
    }
    // Seeding again starts the sequence over.
    AdditiveRandom reseeded(7);
    const int first = reseeded.Next();
    reseeded.Next();
    reseeded.Seed(7);
    EXPECT_EQ(reseeded.Next(), first);
}

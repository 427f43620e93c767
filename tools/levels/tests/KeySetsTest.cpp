// The stock key sets for one player and for two players at one keyboard.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <sstream>

#include "tools/levels/KeySets.h"

namespace {

std::string KeyName(int key)
{
    return SDL_GetKeyName(static_cast<SDLKey>(key));
}

}  // namespace

TEST(KeyFile, FlagThenOneKeyPerActionEachOnItsOwnLine)
{
    const std::string text = FormatKeyFile(SinglePlayerKeys());
    std::istringstream in(text);
    std::string line;
    std::vector<int> numbers;
    while (std::getline(in, line))
        numbers.push_back(std::stoi(line));
    ASSERT_EQ(numbers.size(), 27u);
    EXPECT_EQ(numbers[0], KeyFileFlag);
    EXPECT_EQ(numbers[1 + MoveGulperRight], SDLK_RIGHT);
    EXPECT_EQ(numbers[1 + ExitGame], SDLK_ESCAPE);
    EXPECT_EQ(text.back(), '\n');  // the game does not take a last number without one
}

TEST(KeySets, BothStockSetsPassTheirChecks)
{
    EXPECT_TRUE(CheckKeySet(SinglePlayerKeys(), AssumedFontWidths(), KeyName).empty());
    EXPECT_TRUE(CheckKeySet(HotseatKeys(), AssumedFontWidths(), KeyName).empty());
}

TEST(KeySets, KeyServingTwoActionsIsReported)
{
    KeySet keys = SinglePlayerKeys();
    keys[StopGhosts] = keys[StopGulper];
    const auto problems = CheckKeySet(keys, AssumedFontWidths(), KeyName);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "key space serves both Stop Gulper and Stop ghosts");
}

TEST(KeySets, ActionWithoutKeyIsReported)
{
    KeySet keys = SinglePlayerKeys();
    keys[PauseGame] = SDLK_UNKNOWN;
    EXPECT_EQ(CheckKeySet(keys, AssumedFontWidths(), KeyName).size(), 1u);
}

TEST(KeySets, NameWiderThanItsButtonIsReported)
{
    // At 5 pixels a character, "right shift" (55 pixels) fits; a 15-character name does not.
    KeySet keys = SinglePlayerKeys();
    keys[GroupSelection] = SDLK_RSHIFT;
    EXPECT_TRUE(CheckKeySet(keys, AssumedFontWidths(), KeyName).empty());
    const auto longNames = [](int key) { return key == SDLK_RSHIFT ? std::string(15, 'x') : KeyName(key); };
    EXPECT_EQ(CheckKeySet(keys, AssumedFontWidths(), longNames).size(), 1u);
}

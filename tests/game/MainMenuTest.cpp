// The main menu: where each of its buttons leads, and the one way out of the game.
#include <gtest/gtest.h>

#include "app/Config.h"
#include "app/Globals.h"
#include "gui/ButtonIds.h"
#include "tests/game/GameTest.h"

namespace {

using MainMenuTest = GameTest;

TEST_F(MainMenuTest, TheGameStartsOnTheMainMenu)
{
    EXPECT_EQ(GameState, MainMenu);
    EXPECT_FALSE(RunFrames(3));
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(MainMenuTest, PlayLeadsToTheGameModeMenu)
{
    EXPECT_FALSE(Click(PlayButton));
    EXPECT_EQ(GameState, GameModeMenu);
}

}  // namespace

// The options screen: frame rate, level time limit, music and effects
// volumes, the maze's tile set, and the way to the key bindings.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include "app/Config.h"
#include "app/CountdownTimer.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "app/Program.h"
#include "app/Screen.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"
#include "tests/game/ScreenTestSupport.h"

using namespace ScreenTests;

namespace {

// The panel's number widgets, in its widget order.
constexpr int FrameRateWidget = 2;
constexpr int TimeLimitWidget = 4;
constexpr int MusicWidget = 6;
constexpr int EffectsWidget = 8;

constexpr int AskVolume = -1;  // Mix_VolumeMusic with -1 reads the volume without changing it

class OptionsScreenTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Click(OptionsButton);
        ASSERT_EQ(GameState, OptionsMenu);
    }

    static void ClickTimes(int id, int times)
    {
        for (int i = 0; i < times; ++i)
            Click(id);
    }
};

TEST_F(OptionsScreenTest, WithDefaultSettingsThePanelReadsTheDefaults)
{
    RunFrames(1);
    EXPECT_EQ(WidgetText(0), "OPTIONS");
    EXPECT_EQ(WidgetText(FrameRateWidget), "20");
    EXPECT_EQ(WidgetText(TimeLimitWidget), "90");
    EXPECT_EQ(WidgetText(MusicWidget), "100");
    EXPECT_EQ(WidgetText(EffectsWidget), "100");
}

TEST_F(OptionsScreenTest, TheFrameRateClimbsToSixtyAndTakesEffect)
{
    ClickTimes(FrameRateUpButton, 8);
    EXPECT_EQ(TheConfig->framesPerSecond, 60);
    Click(FrameRateUpButton);
    EXPECT_EQ(TheConfig->framesPerSecond, 60);
    EXPECT_EQ(TheScreen->framesPerSecond, 60);
    EXPECT_EQ(TheScreen->framePeriod, 16);
    RunFrames(1);
    EXPECT_EQ(WidgetText(FrameRateWidget), "60");
}

TEST_F(OptionsScreenTest, TheFrameRateGoesNoLowerThanFive)
{
    ClickTimes(FrameRateDownButton, 3);
    EXPECT_EQ(TheConfig->framesPerSecond, 5);
    EXPECT_EQ(TheScreen->framePeriod, 200);
    Click(FrameRateDownButton);
    EXPECT_EQ(TheConfig->framesPerSecond, 5);
}

TEST_F(OptionsScreenTest, AFrameRateOffTheGridPassesSixtyOnce)
{
    TheConfig->framesPerSecond = 58;
    Click(FrameRateUpButton);
    EXPECT_EQ(TheConfig->framesPerSecond, 63);
    EXPECT_EQ(TheScreen->framesPerSecond, 63);
    Click(FrameRateUpButton);
    EXPECT_EQ(TheConfig->framesPerSecond, 63);
}

TEST_F(OptionsScreenTest, TheTimeLimitComesDownToThirty)
{
    ClickTimes(TimeLimitDownButton, 4);
    EXPECT_EQ(TheGui->timer->limit, 30);
    EXPECT_EQ(TheGui->timer->framesLeft, 30 * 20);
    Click(TimeLimitDownButton);
    EXPECT_EQ(TheGui->timer->limit, 30);
    Click(TimeLimitUpButton);
    EXPECT_EQ(TheGui->timer->limit, 45);
}

TEST_F(OptionsScreenTest, MusicPlusAtTheTopStillSetsTheMixer)
{
    ASSERT_TRUE(TheSounds->audioOpen);
    Mix_VolumeMusic(20);  // whatever the mixer holds, the button puts the setting there
    Click(MusicUpButton);
    EXPECT_EQ(TheConfig->musicVolume, 100);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 100);
}

TEST_F(OptionsScreenTest, TheMusicVolumeReachesTheMixerAtOnce)
{
    ASSERT_TRUE(TheSounds->audioOpen);
    Click(MusicDownButton);
    EXPECT_EQ(TheConfig->musicVolume, 90);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 90);
    ClickTimes(MusicDownButton, 10);
    EXPECT_EQ(TheConfig->musicVolume, 0);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 0);
    RunFrames(1);
    EXPECT_EQ(WidgetText(MusicWidget), "0");
}

TEST_F(OptionsScreenTest, TheEffectsVolumeStaysWithinZeroToHundredAndLeavesTheMusic)
{
    ASSERT_TRUE(TheSounds->audioOpen);
    Mix_VolumeMusic(40);
    Click(EffectsUpButton);
    EXPECT_EQ(TheConfig->effectsVolume, 100);
    ClickTimes(EffectsDownButton, 3);
    EXPECT_EQ(TheConfig->effectsVolume, 70);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 40);

    TheConfig->effectsVolume = 0;
    Click(EffectsDownButton);
    EXPECT_EQ(TheConfig->effectsVolume, 0);
}

TEST_F(OptionsScreenTest, ChangeStepsThroughTheTileSetsAndWraps)
{
    const int setCount = static_cast<int>(TheMaze->tileSets.size());
    ASSERT_GE(setCount, 2);
    ClickTimes(TileSetButton, setCount - 1);
    EXPECT_EQ(TheConfig->tileSet, setCount - 1);
    EXPECT_EQ(TheMaze->tiles, TheMaze->tileSets[setCount - 1]);
    Click(TileSetButton);
    EXPECT_EQ(TheConfig->tileSet, 0);
    EXPECT_EQ(TheMaze->tiles, TheMaze->tileSets[0]);
}

TEST_F(OptionsScreenTest, ControlsOpensTheKeyBindings)
{
    Click(ControlsButton);
    EXPECT_EQ(GameState, ControlsMenu);
}

TEST_F(OptionsScreenTest, CloseReturnsToTheMainMenu)
{
    Click(CloseButton);
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(OptionsScreenTest, TheOptionsOutliveTheRunButNotTheTimeLimit)
{
    Click(FrameRateUpButton);
    Click(MusicDownButton);
    Click(EffectsDownButton);
    Click(TimeLimitUpButton);
    Click(TileSetButton);
    const int tileSet = TheConfig->tileSet;

    DestroyGlobals();  // the end of the run writes the configuration
    CreateGlobals();
    EXPECT_EQ(TheConfig->framesPerSecond, 25);
    EXPECT_EQ(TheConfig->musicVolume, 90);
    EXPECT_EQ(TheConfig->effectsVolume, 90);
    EXPECT_EQ(TheConfig->tileSet, tileSet);
    EXPECT_EQ(TheGui->timer->limit, DefaultTimeLimit);
}

}  // namespace

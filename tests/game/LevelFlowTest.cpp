// One level from its start to its end, with the computer on both sides: the
// 3000 ms intro, the gulper's 30-frame appearance, play until a side wins,
// the dying animation when the gulper is caught, and the 4500 ms end pause.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include "actors/GulperActor.h"
#include "app/Clock.h"
#include "app/Config.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int IntroMilliseconds = 3000;
constexpr int AppearingFrames = 30;
constexpr int DyingFrames = 30;
constexpr int EndMilliseconds = 4500;
constexpr int MaxFrames = 500;

class LevelFlowTest : public GameTest {
protected:
    void StartGulperLevel(const std::vector<std::string>& maze)
    {
        WriteCampaign("gulper", {maze}, Settings(Computer, Computer, 1, 3.4, 2.4, 90));
        EnterCampaignMenu(GulperCampaignMode);
        Click(StartButton);
    }
    static bool AnyEffectPlaying()
    {
        for (int channel = 0; channel < MixerChannels; ++channel) {
            if (TheSounds->IsPlaying(channel))
                return true;
        }
        return false;
    }
};

TEST_F(LevelFlowTest, TheIntroLastsThreeSecondsWithTheStartingMusic)
{
    StartGulperLevel(TestMazes::CornBesideGulper());
    const int start = Now();
    EXPECT_EQ(GameState, LevelIntro);
    EXPECT_EQ(Played(StartingLevelMusic), 1);

    ASSERT_TRUE(RunUntilState(GulperAppearing, MaxFrames));
    EXPECT_EQ(LastFrameTime() - start, IntroMilliseconds);
}

TEST_F(LevelFlowTest, TheGulperAppearsForThirtyFramesThenPlayAndTheTimerBegin)
{
    StartGulperLevel(TestMazes::CornBesideGulper());
    ASSERT_TRUE(RunUntilState(GulperAppearing, MaxFrames));
    TheGui->timer->framesLeft = 0;  // left over from anything before

    ASSERT_TRUE(RunUntilState(Playing, MaxFrames));

    EXPECT_EQ(framesRun, AppearingFrames);
    EXPECT_EQ(TheGui->timer->framesLeft, 90 * TheScreen->framesPerSecond);
}

TEST_F(LevelFlowTest, EatingTheLastCornWinsTheLevelWithTheEndMusic)
{
    StartGulperLevel(TestMazes::CornBesideGulper());
    ASSERT_TRUE(RunUntilState(Playing, MaxFrames));

    ASSERT_TRUE(RunUntilState(GulperWins, MaxFrames));

    EXPECT_EQ(TheMaze->cornLeft, 0);
    EXPECT_EQ(Played(EatingCornSound), 1);
    EXPECT_EQ(Played(GameEndMusic), 1);
}

TEST_F(LevelFlowTest, TheEndPauseSilencesEveryEffectOnEachFrameButNotTheMusic)
{
    StartGulperLevel(TestMazes::CornBesideGulper());
    ASSERT_TRUE(RunUntilState(GulperWins, MaxFrames));
    for (int frame = 0; frame < 3; ++frame) {
        TheSounds->PlayEffect(ButtonClickSound, LoopForever);
        RunFrames(1);
        EXPECT_FALSE(AnyEffectPlaying());
    }
    if (TheSounds->audioOpen && TheSounds->music[GameEndMusic - EffectCount]) {
        EXPECT_TRUE(Mix_PlayingMusic());
    }
}

TEST_F(LevelFlowTest, ACaughtGulperDiesForThirtyFramesBeforeTheGhostsWin)
{
    StartGulperLevel(TestMazes::GhostBesideGulper());
    ASSERT_TRUE(RunUntilState(GulperDying, MaxFrames));
    EXPECT_EQ(TheGulper->state, GulperCaught);
    EXPECT_EQ(Played(DyingSound), 0);  // the animation starts with the next frame

    ASSERT_TRUE(RunUntilState(GhostsWin, MaxFrames));

    EXPECT_EQ(framesRun, DyingFrames);
    EXPECT_EQ(Played(DyingSound), 1);
    EXPECT_EQ(Played(GameEndMusic), 1);
}

TEST_F(LevelFlowTest, TheEndPauseLastsFourAndAHalfSeconds)
{
    StartGulperLevel(TestMazes::GhostBesideGulper());
    ASSERT_TRUE(RunUntilState(GhostsWin, MaxFrames));
    const int lost = LastFrameTime();

    ASSERT_TRUE(RunUntilState(LevelIntro, MaxFrames));

    EXPECT_EQ(LastFrameTime() - lost, EndMilliseconds);
}

TEST_F(LevelFlowTest, ACustomGameEndsOnTheCustomGameMenuWithItsMapReloaded)
{
    WriteLevel("data/map_1.lev", TestMazes::CornBesideGulper());
    TheConfig->mapNumber = 1;
    TheConfig->gulperController = Computer;
    TheConfig->ghostsController = Computer;
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GulperWins, MaxFrames));
    const int won = LastFrameTime();

    ASSERT_TRUE(RunUntilState(CustomGameMenu, MaxFrames));

    EXPECT_EQ(LastFrameTime() - won, EndMilliseconds);
    EXPECT_EQ(TheMaze->cornLeft, 1);  // the eaten corn is back
    EXPECT_EQ(GameMode, CustomMode);
}

TEST_F(LevelFlowTest, ACustomGameLostEndsOnTheCustomGameMenuToo)
{
    WriteLevel("data/map_1.lev", TestMazes::GhostBesideGulper());
    TheConfig->mapNumber = 1;
    TheConfig->gulperController = Computer;
    TheConfig->ghostsController = Computer;
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());

    ASSERT_TRUE(RunUntilState(GhostsWin, MaxFrames));
    ASSERT_TRUE(RunUntilState(CustomGameMenu, MaxFrames));
}

}  // namespace

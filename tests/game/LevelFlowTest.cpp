// One level from its start to its end: the 3000 ms intro with the starting
// music, the gulper's 30-frame appearance, play until a side wins (the last
// corn eaten or the time used up, both on one frame ending it once; the
// gulper caught, with its 30-frame dying), and the 4500 ms end pause with the
// end music, after which a custom game returns to its menu.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include "app/Clock.h"
#include "tests/game/GameTest.h"

namespace {

class LevelFlowTest : public GameTest {
protected:
    // A gulper's campaign level, computer against computer, started.
    void StartLevel(const Rows& maze)
    {
        WriteCampaign("gulper", {maze}, Settings(Computer, Computer, 1, 3.4, 2.4, 90));
        EnterCampaignMenu(GulperCampaignMode);
        Click(StartButton);
    }
    static bool AnyEffectPlaying()
    {
        for (int channel = 0; channel < MixerChannels; ++channel)
            if (TheSounds->IsPlaying(channel))
                return true;
        return false;
    }
};

TEST_F(LevelFlowTest, IntroThenAppearanceThenPlayWithTheTimerThenTheLastCornWins)
{
    StartLevel(TestMazes::CornBesideGulper());
    const int start = Now();
    EXPECT_EQ(GameState, LevelIntro);
    EXPECT_EQ(Played(StartingLevelMusic), 1);
    ASSERT_TRUE(RunUntilState(GulperAppearing));
    EXPECT_EQ(LastFrameTime() - start, 3000);

    TheGui->timer->framesLeft = 0;  // left over from anything before
    ASSERT_TRUE(RunUntilState(Playing));
    EXPECT_EQ(framesRun, 30);
    EXPECT_EQ(TheGui->timer->framesLeft, 90 * 20);

    ASSERT_TRUE(RunUntilState(GulperWins));
    EXPECT_EQ(TheMaze->cornLeft, 0);
    EXPECT_EQ(Played(EatingCornSound), 1);
    EXPECT_EQ(Played(GameEndMusic), 1);
    for (int frame = 0; frame < 3; ++frame) {  // the end pause silences every effect, not the music
        TheSounds->PlayEffect(ButtonClickSound, LoopForever);
        RunFrames(1);
        EXPECT_FALSE(AnyEffectPlaying());
    }
    if (TheSounds->audioOpen && TheSounds->music[GameEndMusic - EffectCount]) {
        EXPECT_TRUE(Mix_PlayingMusic());
    }
}

TEST_F(LevelFlowTest, ACaughtGulperDiesForThirtyFramesThenTheEndPauseLastsFourAndAHalfSeconds)
{
    StartLevel(TestMazes::GhostBesideGulper());
    ASSERT_TRUE(RunUntilState(GulperDying));
    EXPECT_EQ(TheGulper->state, GulperCaught);
    EXPECT_EQ(Played(DyingSound), 0);  // the animation starts with the next frame
    ASSERT_TRUE(RunUntilState(GhostsWin));
    EXPECT_EQ(framesRun, 30);
    EXPECT_EQ(Played(DyingSound), 1);
    EXPECT_EQ(Played(GameEndMusic), 1);
    const int lost = LastFrameTime();
    ASSERT_TRUE(RunUntilState(LevelIntro));  // the level again
    EXPECT_EQ(LastFrameTime() - lost, 4500);
}

TEST_F(LevelFlowTest, ACustomGameWonOrLostEndsOnTheCustomGameMenuWithItsMapReloaded)
{
    TheConfig->mapNumber = 1;
    TheConfig->gulperController = TheConfig->ghostsController = Computer;
    Click(PlayButton);
    for (const auto& [maze, ending] : {std::pair{TestMazes::CornBesideGulper(), GulperWins},
                                       std::pair{TestMazes::GhostBesideGulper(), GhostsWin}}) {
        WriteLevel("data/map_1.lev", maze);
        Click(CustomGameButton);
        ASSERT_TRUE(StartAndPlay());
        ASSERT_TRUE(RunUntilState(ending));
        const int ended = LastFrameTime();
        ASSERT_TRUE(RunUntilState(CustomGameMenu));
        EXPECT_EQ(LastFrameTime() - ended, 4500);
        EXPECT_EQ(TheMaze->cornLeft, 1);  // the eaten corn is back
        EXPECT_EQ(GameMode, CustomMode);
        Click(CloseButton);
        Click(PlayButton);
    }
}

// A human gulper heads right from its start at 3.4 pixels a frame and
// enters the corn's cell, the next one, on the third frame of play.
class LevelEndTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        PlayCampaignLevel(GulperCampaignMode, TestMazes::CornBesideGulper(),
                          Settings(Human, Human, 1, 3.4, 2.4, 90));
    }
    static int& FramesLeft() { return TheGui->timer->framesLeft; }
    static constexpr int FramesToTheCorn = 3;
};

TEST_F(LevelEndTest, TheLastCornEatenAsTheTimeRunsOutEndsTheLevelOnce)
{
    FramesLeft() = FramesToTheCorn - 1;  // used up by the frame before the corn
    RunFrames(FramesToTheCorn - 1);
    ASSERT_EQ(GameState, Playing);
    EXPECT_EQ(TheMaze->cornLeft, 1);
    ASSERT_EQ(FramesLeft(), 0);
    RunFrames(1);
    EXPECT_EQ(GameState, GulperWins);
    EXPECT_EQ(TheMaze->cornLeft, 0);
    EXPECT_EQ(FramesLeft(), 0);
    EXPECT_EQ(Played(GameEndMusic), 1);
}

TEST_F(LevelEndTest, TheFrameThatEndsTheLevelDoesNotTickTheTimer)
{
    FramesLeft() = FramesToTheCorn;  // the corn's frame would use up the last one
    RunFrames(FramesToTheCorn);
    EXPECT_EQ(GameState, GulperWins);
    EXPECT_EQ(FramesLeft(), 1);
}

TEST_F(LevelEndTest, TimeUsedUpIsNoticedOnTheFollowingFrame)
{
    FramesLeft() = 1;
    RunFrames(1);
    EXPECT_EQ(GameState, Playing);
    EXPECT_EQ(FramesLeft(), 0);
    RunFrames(1);
    EXPECT_EQ(GameState, GulperWins);
    EXPECT_EQ(TheMaze->cornLeft, 1);
}

}  // namespace

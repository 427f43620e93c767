// One level from start to end: the 3000 ms intro with the starting music, the
// gulper's 30-frame appearance, play until a side wins (the last corn eaten
// or the time used up, ending the level once on one frame; the gulper caught,
// with its 30-frame dying), and the 4500 ms end pause with the end music,
// after which a custom game returns to its menu.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include "platform/Clock.h"
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
};

TEST_F(LevelFlowTest, IntroThenAppearanceThenPlayWithTheTimerThenTheLastCornWins)
{
    StartLevel(TestMazes::CornBesideGulper());
    const int start = Now();
    EXPECT_EQ(TheGui->request, GuiRequest::StartLevel);  // served before the next tick
    ASSERT_TRUE(RunUntilState(GulperAppearing));
    EXPECT_EQ(Played(StartingLevelMusic), 1);
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
        for (int channel = 0; channel < MixerChannels; ++channel)
            EXPECT_FALSE(TheSounds->IsPlaying(channel));
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
    for (const auto& [maze, ending] : {std::pair{TestMazes::CornBesideGulper(), GulperWins},
                                       std::pair{TestMazes::GhostBesideGulper(), GhostsWin}}) {
        WriteLevel("data/map_1.lev", maze);
        GameState = GameModeMenu;
        Click(CustomGameButton);
        ASSERT_TRUE(StartAndPlay());
        ASSERT_TRUE(RunUntilState(ending));
        const int ended = LastFrameTime();
        ASSERT_TRUE(RunUntilState(CustomGameMenu));
        EXPECT_EQ(LastFrameTime() - ended, 4500);
        EXPECT_EQ(TheMaze->cornLeft, 1);  // the eaten corn is back
        EXPECT_EQ(GameMode, CustomMode);
    }
}

// A human gulper heading right reaches the corn beside it on the third frame
// of play. The frame that ends the level does not tick the timer; time used
// up is noticed on the frame after the one that used it up.
TEST_F(LevelFlowTest, TheLastCornAndTheLastFrameOfTimeEndTheLevelOnce)
{
    constexpr int FramesToTheCorn = 3;
    const struct {
        int framesLeft, frames;
        GameStateId state;
        int framesLeftAfter, cornAfter;
    } cases[] = {
        {FramesToTheCorn - 1, FramesToTheCorn - 1, Playing, 0, 1},  // time used up, not yet seen
        {FramesToTheCorn - 1, FramesToTheCorn, GulperWins, 0, 0},   // the corn eaten as it is
        {FramesToTheCorn, FramesToTheCorn, GulperWins, 1, 0},
        {1, 2, GulperWins, 0, 1},
    };
    for (const auto& c : cases) {
        GameState = MainMenu;
        PlayCampaignLevel(GulperCampaignMode, TestMazes::CornBesideGulper(),
                          Settings(Human, Human, 1, 3.4, 2.4, 90));
        const int endMusic = Played(GameEndMusic);
        TheGui->timer->framesLeft = c.framesLeft;
        RunFrames(c.frames);
        EXPECT_EQ(GameState, c.state) << c.framesLeft << " frames left, " << c.frames << " run";
        EXPECT_EQ(TheGui->timer->framesLeft, c.framesLeftAfter) << c.framesLeft;
        EXPECT_EQ(TheMaze->cornLeft, c.cornAfter) << c.framesLeft;
        EXPECT_EQ(Played(GameEndMusic) - endMusic, c.state == GulperWins) << c.framesLeft;
        TapKey(ExitGame);
        RunFrames(1);
    }
}

}  // namespace

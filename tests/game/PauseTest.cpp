// Pausing and the keys help during play: both freeze the level (nothing
// moves, the timer stops, the sound stops) until any key is released.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>
#include <vector>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int MaxFrames = 500;
constexpr int SomeFrames = 10;
constexpr int AnyOtherKey = SDLK_F12;

// Where everything that moves during play stands, and what is left.
struct Snapshot {
    std::vector<double> x, y;  // the gulper first, then each ghost
    int framesLeft;
    int cornLeft;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take()
{
    Snapshot shot{{TheGulper->posX}, {TheGulper->posY}, TheGui->timer->framesLeft,
                  TheMaze->cornLeft};
    for (const GhostActor* ghost : TheSquad->ghosts) {
        shot.x.push_back(ghost->posX);
        shot.y.push_back(ghost->posY);
    }
    return shot;
}

bool AnySoundPlaying()
{
    for (int channel = 0; channel < MixerChannels; ++channel) {
        if (TheSounds->IsPlaying(channel))
            return true;
    }
    return Mix_PlayingMusic() != 0;
}

class PauseTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        WriteCampaign("gulper", {TestMazes::OpenRoom()},
                      Settings(Computer, Computer, 2, 3.4, 2.4, 90));
    }
    void SetUp() override
    {
        GameTest::SetUp();
        EnterCampaignMenu(GulperCampaignMode);
    }
    static void TapAnyOtherKey()
    {
        TheGui->OnKeyDown(AnyOtherKey);
        TheGui->OnKeyUp(AnyOtherKey);
    }
};

TEST_F(PauseTest, PauseFreezesEverythingThatMovesAndTheTimer)
{
    ASSERT_TRUE(StartAndPlay());
    RunFrames(SomeFrames);

    TapKey(PauseGame);
    ASSERT_EQ(GameState, Paused);
    const Snapshot paused = Take();
    RunFrames(SomeFrames);

    EXPECT_EQ(Take(), paused);
    EXPECT_EQ(GameState, Paused);
}

TEST_F(PauseTest, PauseStopsTheMusicAndEveryEffect)
{
    Click(StartButton);  // the starting music plays
    ASSERT_TRUE(RunUntilState(Playing, MaxFrames));
    RunFrames(1);  // the ghosts' loop sound starts

    TapKey(PauseGame);

    EXPECT_FALSE(AnySoundPlaying());
}

TEST_F(PauseTest, AnyKeyReleasedResumesAndTheTimerRunsOn)
{
    ASSERT_TRUE(StartAndPlay());
    TapKey(PauseGame);
    const int framesLeft = TheGui->timer->framesLeft;

    TheGui->OnKeyDown(AnyOtherKey);
    EXPECT_EQ(GameState, Paused);  // a press alone does not resume
    TheGui->OnKeyUp(AnyOtherKey);
    EXPECT_EQ(GameState, Playing);
    RunFrames(1);

    EXPECT_EQ(TheGui->timer->framesLeft, framesLeft - 1);
}

TEST_F(PauseTest, TheGhostsLoopSoundComesBackWithTheFirstFrameOfPlay)
{
    ASSERT_TRUE(StartAndPlay());
    RunFrames(1);
    TapKey(PauseGame);
    TapAnyOtherKey();
    const int loopsBefore = Played(GhostAttackingSound);

    RunFrames(1);

    EXPECT_EQ(Played(GhostAttackingSound), loopsBefore + 1);
    if (TheSounds->audioOpen) {
        EXPECT_TRUE(TheSounds->IsPlaying(TheSquad->loopChannel));
    }
}

TEST_F(PauseTest, TheKeysHelpFreezesPlayAndShowsTheControls)
{
    ASSERT_TRUE(StartAndPlay());
    RunFrames(SomeFrames);

    TapKey(KeysHelpScreen);
    ASSERT_EQ(GameState, ControlsInGame);
    EXPECT_FALSE(AnySoundPlaying());
    const Snapshot frozen = Take();
    RunFrames(SomeFrames);

    EXPECT_EQ(Take(), frozen);
    EXPECT_EQ(TheGui->PanelOf(GameState), TheGui->controlsMenu.get());
}

TEST_F(PauseTest, TheKeysHelpIsLeftByAnyKeyOrByItsCloseButton)
{
    ASSERT_TRUE(StartAndPlay());
    TapKey(KeysHelpScreen);
    TapAnyOtherKey();
    EXPECT_EQ(GameState, Playing);

    TapKey(KeysHelpScreen);
    Click(CloseButton);
    EXPECT_EQ(GameState, Playing);
}

TEST_F(PauseTest, NeitherKeyActsBeforePlayBegins)
{
    Click(StartButton);
    TapKey(PauseGame);
    TapKey(KeysHelpScreen);
    EXPECT_EQ(GameState, LevelIntro);

    ASSERT_TRUE(RunUntilState(GulperAppearing, MaxFrames));
    TapKey(PauseGame);
    TapKey(KeysHelpScreen);
    EXPECT_EQ(GameState, GulperAppearing);
}

TEST_F(PauseTest, KeysPressedWhilePausedCommandNothing)
{
    WriteCampaign("gulper", {TestMazes::OpenRoom()}, Settings(Human, Human, 2, 3.4, 2.4, 90));
    Click(CloseButton);
    Click(GulperCampaignButton);
    ASSERT_TRUE(StartAndPlay());
    TapKey(PauseGame);

    PressKey(MoveGulperDown);
    PressKey(SelectAllGhosts);

    EXPECT_EQ(TheGulper->wantedDirection, Right);
    EXPECT_FALSE(TheSquad->ghosts[0]->selected);
    EXPECT_EQ(Played(SelectingGhostSound), 0);
}

}  // namespace

// Pausing and the keys help during play: both freeze the level (nothing
// moves, the timer stops, the sound stops) until any key is released; and the
// timer as the player sees it: one second less every twenty frames of play,
// standing still while paused. (Its counting, the 9:59 cap included:
// tests/widgets/CountdownTimerTest.cpp.)
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>
#include <vector>

#include "tests/game/GameTest.h"

namespace {

constexpr int AnyOtherKey = SDLK_F12;

// Where everything that moves during play stands, and what is left.
std::vector<double> Snapshot()
{
    std::vector<double> shot = {TheGulper->posX, TheGulper->posY,
                                double(TheGui->timer->framesLeft), double(TheMaze->cornLeft)};
    for (const GhostActor* ghost : TheSquad->ghosts)
        shot.insert(shot.end(), {ghost->posX, ghost->posY});
    return shot;
}

bool AnySoundPlaying()
{
    for (int channel = 0; channel < MixerChannels; ++channel)
        if (TheSounds->IsPlaying(channel))
            return true;
    return Mix_PlayingMusic() != 0;
}

void TapAnyOtherKey()
{
    TheGui->OnKeyDown(AnyOtherKey);
    TheGui->OnKeyUp(AnyOtherKey);
}

class PauseTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        WriteCampaign("gulper", {TestMazes::OpenRoom()}, Settings(Computer, Computer, 2, 3.4, 2.4, 90));
        EnterCampaignMenu(GulperCampaignMode);
    }
};

TEST_F(PauseTest, PauseAndTheKeysHelpFreezePlayAndSilenceItUntilAnyKeyIsReleased)
{
    Click(StartButton);  // the starting music plays
    ASSERT_TRUE(RunUntilState(Playing));
    for (const int key : {PauseGame, KeysHelpScreen}) {
        RunFrames(10);  // the ghosts' loop sound plays
        TapKey(key);
        ASSERT_EQ(GameState, key == PauseGame ? Paused : ControlsInGame);
        EXPECT_FALSE(AnySoundPlaying());
        const std::vector<double> frozen = Snapshot();
        RunFrames(10);
        EXPECT_EQ(Snapshot(), frozen);

        TheGui->OnKeyDown(AnyOtherKey);
        EXPECT_NE(GameState, Playing);  // a press alone does not resume
        TheGui->OnKeyUp(AnyOtherKey);
        EXPECT_EQ(GameState, Playing);
        const int loops = Played(GhostAttackingSound);
        RunFrames(1);
        EXPECT_EQ(TheGui->timer->framesLeft, int(frozen[2]) - 1);
        EXPECT_EQ(Played(GhostAttackingSound), loops + 1);  // the loop comes back
    }
    TapKey(KeysHelpScreen);
    EXPECT_EQ(TheGui->PanelOf(GameState), TheGui->controlsMenu.get());
    Click(CloseButton);
    EXPECT_EQ(GameState, Playing);
}

TEST_F(PauseTest, NeitherKeyActsBeforePlayBeginsAndKeysWhilePausedCommandNothing)
{
    Click(StartButton);
    for (const int state : {LevelIntro, GulperAppearing}) {
        ASSERT_TRUE(RunUntilState(state));
        TapKey(PauseGame);
        TapKey(KeysHelpScreen);
        EXPECT_EQ(GameState, state);
    }
    TapKey(ExitGame);
    GameState = MainMenu;
    PlayCampaignLevel(GulperCampaignMode, TestMazes::OpenRoom(), Settings(Human, Human, 2, 3.4, 2.4, 90));
    TapKey(PauseGame);
    PressKey(MoveGulperDown);
    PressKey(SelectAllGhosts);
    EXPECT_EQ(TheGulper->wantedDirection, Right);
    EXPECT_FALSE(TheSquad->ghosts[0]->selected);
    EXPECT_EQ(Played(SelectingGhostSound), 0);
}

// The timer's box as the last frame drew it, and as it looks holding a text:
// the button image and the text centred across the box at its top.
class TimerDisplayTest : public GameTest {
protected:
    // A level where nothing moves: both sides human, no key pressed.
    void PlayStandStill(int limit)
    {
        PlayCampaignLevel(GulperCampaignMode, TestMazes::StandStill(),
                          Settings(Human, Human, 1, 3.4, 2.4, limit));
    }
    static std::vector<Uint32> Box()
    {
        const CountdownTimer& timer = *TheGui->timer;
        std::vector<Uint32> pixels;
        for (int y = timer.y; y < timer.y + timer.h; ++y)
            for (int x = timer.x; x < timer.x + timer.w; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    }
    static std::vector<Uint32> DrawnByNextFrame()
    {
        FillWindow(0);
        RunFrames(1);
        return Box();
    }
    static std::vector<Uint32> Showing(const std::string& text)
    {
        const CountdownTimer& timer = *TheGui->timer;
        FillWindow(0);
        TheScreen->Blit(timer.image, timer.x, timer.y, 0, 0, timer.w, timer.h);
        TextWidget(*TheGui->largeFont, text, 0, 0, timer.w, timer.h, AlignCentre, AlignTop)
            .Draw(timer.x, timer.y);
        return Box();
    }
};

TEST_F(TimerDisplayTest, OneSecondGoesEveryTwentyFramesOfPlayDownToNought)
{
    PlayStandStill(90);
    ASSERT_NE(Showing("1:30"), Showing("1:31"));  // the box tells the texts apart
    EXPECT_EQ(TheGui->timer->framesLeft, 90 * 20);
    EXPECT_EQ(DrawnByNextFrame(), Showing("1:30"));
    RunFrames(18);
    EXPECT_EQ(DrawnByNextFrame(), Showing("1:29"));
    RunFrames(3 * 20 - 1);
    TapKey(PauseGame);  // after 79 frames of play
    EXPECT_EQ(DrawnByNextFrame(), Showing("1:27"));
    RunFrames(2 * 20);
    EXPECT_EQ(DrawnByNextFrame(), Showing("1:27"));  // standing still while paused
    TapAnyOtherKey();
    RunFrames(90 * 20 - 80);
    EXPECT_EQ(DrawnByNextFrame(), Showing("0:00"));  // the last frame of play, the 1800th
    EXPECT_EQ(TheGui->timer->framesLeft, 0);
    EXPECT_EQ(GameState, Playing);
    RunFrames(1);
    EXPECT_EQ(GameState, GulperWins);
}

TEST_F(TimerDisplayTest, ALongLimitIsShownAsNineFiftyNine)
{
    PlayStandStill(1000);
    EXPECT_EQ(DrawnByNextFrame(), Showing("9:59"));
}

}  // namespace

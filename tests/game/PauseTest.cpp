// Pausing and the keys help during play: both freeze the level (nothing
// moves, the timer stops, the sound stops) until any key is released, and
// neither acts before play begins. The timer's box shows one second less
// every twenty frames of play and stands still while paused. (The timer's
// counting and its drawing: tests/gui/CountdownTimerTest.cpp.)
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

class PauseTest : public GameTest {
protected:
    // The timer's box as the next frame draws it, and as it looks holding a text.
    static std::vector<Uint32> TimerBox(const std::string& text = "")
    {
        const CountdownTimer& timer = *TheGui->timer;
        FillWindow(0);
        if (text.empty()) {
            RunFrames(1);
        } else {
            TheScreen->Blit(timer.image, timer.x, timer.y, 0, 0, timer.w, timer.h);
            TextWidget(*TheGui->largeFont, text, 0, 0, timer.w, timer.h, AlignCentre, AlignTop)
                .Draw(timer.x, timer.y);
        }
        std::vector<Uint32> pixels;
        for (int y = timer.y; y < timer.y + timer.h; ++y)
            for (int x = timer.x; x < timer.x + timer.w; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    }
};

TEST_F(PauseTest, PauseAndTheKeysHelpFreezePlayAndSilenceItUntilAnyKeyIsReleased)
{
    WriteCampaign("gulper", {TestMazes::OpenRoom()}, Settings(Computer, Computer, 2, 3.4, 2.4, 90));
    EnterCampaignMenu(GulperCampaignMode);
    Click(StartButton);  // the starting music plays
    for (const GameStateId state : {LevelIntro, GulperAppearing}) {  // neither key acts before play
        ASSERT_TRUE(RunUntilState(state));
        TapKey(PauseGame);
        TapKey(KeysHelpScreen);
        EXPECT_EQ(GameState, state);
    }
    ASSERT_TRUE(RunUntilState(Playing));
    for (const int key : {PauseGame, KeysHelpScreen}) {
        RunFrames(10);  // the ghosts' loop sound plays
        TapKey(key);
        RunFrames(1);
        ASSERT_EQ(GameState, key == PauseGame ? Paused : ControlsInGame);
        EXPECT_FALSE(AnySoundPlaying());
        const std::vector<double> frozen = Snapshot();
        RunFrames(10);
        EXPECT_EQ(Snapshot(), frozen);

        TheGui->OnKeyDown(AnyOtherKey);
        EXPECT_NE(GameState, Playing);  // a press alone does not resume
        TheGui->OnKeyUp(AnyOtherKey);
        const int loops = Played(GhostAttackingSound);
        RunFrames(1);  // play resumes with this frame
        EXPECT_EQ(GameState, Playing);
        EXPECT_EQ(TheGui->timer->framesLeft, int(frozen[2]) - 1);
        EXPECT_EQ(Played(GhostAttackingSound), loops + 1);  // the loop comes back
    }
    TapKey(KeysHelpScreen);
    RunFrames(1);
    EXPECT_EQ(TheGui->PanelOf(GameState), TheGui->controlsMenu.get());
    Click(CloseButton);
    RunFrames(1);
    EXPECT_EQ(GameState, Playing);
}

TEST_F(PauseTest, TheTimerShowsOneSecondLessEveryTwentyFramesOfPlay)
{
    // Both sides human and no key pressed: nothing moves until the time runs out.
    PlayCampaignLevel(GulperCampaignMode, TestMazes::StandStill(), Settings(Human, Human, 1, 3.4, 2.4, 90));
    ASSERT_NE(TimerBox("1:30"), TimerBox("1:31"));  // the box tells the texts apart
    EXPECT_EQ(TimerBox(), TimerBox("1:30"));
    RunFrames(18);
    EXPECT_EQ(TimerBox(), TimerBox("1:29"));
    RunFrames(3 * 20 - 1);
    TapKey(PauseGame);  // after 79 frames of play
    EXPECT_EQ(TimerBox(), TimerBox("1:27"));
    RunFrames(2 * 20);
    EXPECT_EQ(TimerBox(), TimerBox("1:27"));  // standing still while paused
    TapSymbol(AnyOtherKey);
    RunFrames(90 * 20 - 80);
    EXPECT_EQ(TimerBox(), TimerBox("0:00"));  // the last frame of play, the 1800th
    EXPECT_EQ(GameState, Playing);
    RunFrames(1);
    EXPECT_EQ(GameState, GulperWins);
}

}  // namespace

// A frightened ghost blinks; a pause in the hidden phase of its blinking
// still shows it, drawn as in the shown phase.
TEST_F(PauseTest, APausedGameShowsAGhostCaughtInTheHiddenPhaseOfItsBlinking)
{
    PlayCampaignLevel(GulperCampaignMode, TestMazes::StandStill(), Settings(Human, Human, 1, 3.4, 2.4, 90));
    GhostActor& ghost = *TheSquad->ghosts[0];
    ghost.MakeAfraid();
    ghost.stateTimer = BlinkFromFrames - 1;
    ghost.blinkCounter = 100;  // long enough to stay in the phase set below
    auto centreWhen = [&ghost](int blink) {
        ghost.blink = blink;
        RunFrames(1);
        return PixelAt(ghost.drawX, ghost.drawY);
    };
    const uint32_t hiddenInPlay = centreWhen(AfraidHidden);
    TapKey(PauseGame);
    const uint32_t hiddenPaused = centreWhen(AfraidHidden);
    ASSERT_EQ(GameState, Paused);
    EXPECT_NE(hiddenPaused, hiddenInPlay);
    EXPECT_EQ(hiddenPaused, centreWhen(AfraidShown));
}

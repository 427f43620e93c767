// A key's release acts only on the screen that saw its press: when a press or
// another key's release changes the screen, the releases still to come
// belong to the screen before and do nothing. Within a level the intro, the
// gulper's appearance and play are one screen.
#include <gtest/gtest.h>

#include <memory>

#include "app/FrameDriver.h"
#include "app/PlayMode.h"
#include "app/WatchMode.h"
#include "platform/Clock.h"
#include "replay/Archive.h"
#include "input/Gamepad.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int WatchKey = 'r';
constexpr int SomeLetter = 'm';  // bound to no action in the stock keys


bool PadButton(Uint8 type, int button)
{
    SDL_Event event{};
    event.type = type;
    event.jbutton.which = 0;
    event.jbutton.button = static_cast<Uint8>(button);
    return TheGui->OnPadEvent(event);
}

class StrayReleaseTest : public GameTest {
protected:
    void TearDown() override
    {
        driver.reset();  // a replay being watched gives the player's settings back
        recordedBy = nullptr;
        GameTest::TearDown();
    }
    // Keys go where the frame loop sends them: to the interface, or to the
    // replay viewer while a replay is watched.
    bool PressRouted(int key) { return driver->Current().Input().OnKeyDown(key); }
    bool ReleaseRouted(int key) { return driver->Current().Input().OnKeyUp(key); }
    bool Watching() { return dynamic_cast<WatchMode*>(&driver->Current()) != nullptr; }
    // One frame of the frame loop; false when it ends the program.
    bool Frame()
    {
        const bool goOn = driver->Frame();
        AdvanceManualClock(TheScreen->framePeriod);
        return goOn;
    }

    std::unique_ptr<FrameDriver> driver;
};

// Escape ends the watching when pressed; its release then reaches the main
// menu, where a release of Escape would end the program.
TEST_F(StrayReleaseTest, EscapeEndingAReplayDoesNotGoOnToEndTheProgram)
{
    ReplayArchive archive;
    recordedBy = &archive;
    PlayCampaignLevel(GulperCampaignMode, TestMazes::CornBesideGulper(),
                      Settings(Computer, Computer, 1, 3.4, 2.4, 20));
    ASSERT_TRUE(RunUntilState(GameModeMenu));  // the campaign of one level is complete
    TapKey(ExitGame);
    ASSERT_EQ(GameState, MainMenu);
    ASSERT_FALSE(archive.LatestPath().empty());

    driver = std::make_unique<FrameDriver>(std::make_unique<PlayMode>(&archive));
    PressRouted(WatchKey);
    ReleaseRouted(WatchKey);
    Frame();  // watching starts with the next frame
    ASSERT_TRUE(Watching());
    for (int frame = 0; frame < 3; ++frame)
        Frame();
    EXPECT_FALSE(PressRouted(SDLK_ESCAPE));
    EXPECT_TRUE(Frame());  // back to the main menu
    EXPECT_FALSE(Watching());
    EXPECT_FALSE(ReleaseRouted(SDLK_ESCAPE));
    EXPECT_TRUE(Frame());
    EXPECT_EQ(GameState, MainMenu);

    // The main menu's own Escape still ends the program.
    EXPECT_FALSE(PressRouted(SDLK_ESCAPE));
    EXPECT_TRUE(ReleaseRouted(SDLK_ESCAPE));
}

// A key held while Escape goes one menu back, or while a click changes the
// screen, does nothing when let go on the new screen.
TEST_F(StrayReleaseTest, AKeyHeldAcrossAScreenChangeDoesNothingWhenLetGo)
{
    Click(HelpButton);
    PressKey(ExitGame);
    Click(CloseButton);
    ASSERT_EQ(GameState, MainMenu);
    EXPECT_FALSE(ReleaseKey(ExitGame));  // not the main menu's Escape: the game goes on
    EXPECT_EQ(GameState, MainMenu);

    Click(PlayButton);
    PressKey(ExitGame);     // held on the game mode menu...
    TheGui->OnKeyDown(SomeLetter);
    TheGui->OnKeyUp(SomeLetter);
    EXPECT_FALSE(ReleaseKey(ExitGame));  // ...still acts there
    ASSERT_EQ(GameState, MainMenu);

    PressKey(ExitGame);  // held on the main menu while clicks go there and back
    Click(PlayButton);
    Click(CloseButton);
    ASSERT_EQ(GameState, MainMenu);
    EXPECT_FALSE(ReleaseKey(ExitGame));

    Click(OptionsButton);
    PressKey(ExitGame);
    TapKey(ExitGame);  // pressed again while held: one press, one release
    ASSERT_EQ(GameState, MainMenu);
    EXPECT_FALSE(ReleaseKey(ExitGame));
    EXPECT_EQ(GameState, MainMenu);
}

// Any key resumes a paused game when let go, but not a key that was already
// held in play when the pause began.
TEST_F(StrayReleaseTest, AKeyHeldWhenThePauseBeginsDoesNotResumeIt)
{
    PlayCampaignLevel(GulperCampaignMode, TestMazes::OpenRoom(),
                      Settings(Human, Computer, 1, 3.4, 2.4, 90));
    PressKey(MoveGulperDown);
    TapKey(PauseGame);
    RunFrames(1);
    ASSERT_EQ(GameState, Paused);
    ReleaseKey(MoveGulperDown);
    RunFrames(1);
    EXPECT_EQ(GameState, Paused);
    TapSymbol(SomeLetter);
    RunFrames(1);
    EXPECT_EQ(GameState, Playing);
}

// Escape pressed during the intro and let go in play still leaves the level:
// the level's states are one screen.
TEST_F(StrayReleaseTest, EscapeHeldFromTheIntroIntoPlayLeavesTheLevel)
{
    EnterCampaignMenu(GulperCampaignMode);
    Click(StartButton);
    RunFrames(1);
    ASSERT_EQ(GameState, LevelIntro);
    PressKey(ExitGame);
    ASSERT_TRUE(RunUntilState(Playing));
    ReleaseKey(ExitGame);
    RunFrames(1);
    EXPECT_EQ(GameState, GulperCampaignMenu);
}

// The group key held in play and let go elsewhere no longer adds to the selection.
TEST_F(StrayReleaseTest, TheGroupKeyLetGoOnAnotherScreenIsLetGo)
{
    PlayCampaignLevel(GhostsCampaignMode, TestMazes::OpenRoom(),
                      Settings(Computer, Human, 2, 3.4, 2.4, 90));
    PressKey(GroupSelection);
    ASSERT_TRUE(TheGui->groupSelection);
    TapKey(PauseGame);
    RunFrames(1);
    ASSERT_EQ(GameState, Paused);
    ReleaseKey(GroupSelection);
    EXPECT_FALSE(TheGui->groupSelection);
}

// The pad's B goes back like Escape, and follows the same rule.
TEST_F(StrayReleaseTest, APadButtonHeldAcrossAScreenChangeDoesNothingWhenLetGo)
{
    Click(PlayButton);
    PadButton(SDL_JOYBUTTONDOWN, PadB);
    Click(CloseButton);
    ASSERT_EQ(GameState, MainMenu);
    EXPECT_FALSE(PadButton(SDL_JOYBUTTONUP, PadB));
    EXPECT_EQ(GameState, MainMenu);

    Click(PlayButton);  // held while Escape goes back and a click comes here again
    PadButton(SDL_JOYBUTTONDOWN, PadB);
    TapKey(ExitGame);
    Click(PlayButton);
    ASSERT_EQ(GameState, GameModeMenu);
    PadButton(SDL_JOYBUTTONUP, PadB);
    EXPECT_EQ(GameState, GameModeMenu);

    PadButton(SDL_JOYBUTTONDOWN, PadB);
    PadButton(SDL_JOYBUTTONUP, PadB);
    ASSERT_EQ(GameState, MainMenu);
    PadButton(SDL_JOYBUTTONDOWN, PadB);
    EXPECT_TRUE(PadButton(SDL_JOYBUTTONUP, PadB));  // the main menu's own B ends the program
}

}  // namespace

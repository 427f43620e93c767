// Finding one's way through the game: where each menu button and each close
// button leads, one step back with the "Exit game" key from every screen, and
// the release of the left button, taken by the panel of the state current at
// the release, and keys the media library cannot name, which act for no
// unbound action.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include <vector>

#include "tests/game/GameTest.h"

namespace {

using NavigationTest = GameTest;

constexpr auto Quits = static_cast<GameStateId>(-1);  // the "Exit game" key ends the program

TEST_F(NavigationTest, EveryButtonLeadsToItsScreenAndTheExitKeyOneStepBack)
{
    EXPECT_FALSE(RunFrames(3));  // the game starts on the main menu and stays there
    EXPECT_EQ(GameState, MainMenu);
    const struct {
        std::vector<int> clicks;  // from the main menu
        GameStateId state, back;  // the state reached, and after the exit key
    } paths[] = {
        {{PlayButton}, GameModeMenu, MainMenu},
        {{PlayButton, CloseButton}, MainMenu, Quits},
        {{PlayButton, GulperCampaignButton}, GulperCampaignMenu, GameModeMenu},
        {{PlayButton, GulperCampaignButton, CloseButton}, GameModeMenu, MainMenu},
        {{PlayButton, GhostsCampaignButton}, GhostsCampaignMenu, GameModeMenu},
        {{PlayButton, GhostsCampaignButton, CloseButton}, GameModeMenu, MainMenu},
        {{PlayButton, CustomGameButton}, CustomGameMenu, GameModeMenu},
        {{PlayButton, CustomGameButton, CloseButton}, MainMenu, Quits},
        {{HelpButton}, HelpScreen, MainMenu},
        {{HelpButton, CloseButton}, MainMenu, Quits},
        {{OptionsButton}, OptionsMenu, MainMenu},
        {{OptionsButton, CloseButton}, MainMenu, Quits},
        {{OptionsButton, ControlsButton}, ControlsMenu, OptionsMenu},
        {{OptionsButton, ControlsButton, CloseButton}, OptionsMenu, MainMenu},
        {{EditorButton}, LevelEditor, MainMenu},
        {{EditorButton, CloseButton}, MainMenu, Quits},
    };
    for (const auto& path : paths) {
        GameState = MainMenu;
        for (const int id : path.clicks)
            EXPECT_FALSE(Click(id)) << id;
        EXPECT_EQ(GameState, path.state) << "after " << path.clicks.size() << " clicks to "
                                         << path.clicks.back();
        EXPECT_FALSE(PressKey(ExitGame));  // only the release acts
        EXPECT_EQ(ReleaseKey(ExitGame), path.back == Quits) << "from " << path.state;
        if (path.back != Quits) {
            EXPECT_EQ(GameState, path.back) << "from " << path.state;
        }
    }
    GameState = MainMenu;
    CaptureOutput();
    EXPECT_TRUE(Click(ExitButton));
    EXPECT_EQ(TakeOutput(), "exiting\n");
}

class LeavingALevelTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        const std::string settings = Settings(Computer, Computer, 2, 3.4, 2.4, 90);
        WriteCampaign("gulper", {TestMazes::OpenRoom()}, settings);
        WriteCampaign("ghosts", {TestMazes::OpenRoom()}, settings);
    }
    static void ExpectSilence()
    {
        for (int channel = 0; channel < MixerChannels; ++channel)
            EXPECT_FALSE(TheSounds->IsPlaying(channel));
        EXPECT_FALSE(Mix_PlayingMusic());
    }
    static constexpr int FullRoom = 26 * 18 - 2;
};

TEST_F(LeavingALevelTest, TheExitKeyLeavesALevelForItsMenuWithTheLevelReadAgainInSilence)
{
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    RunFrames(40);
    ASSERT_LT(TheMaze->cornLeft, FullRoom);
    TapKey(ExitGame);
    RunFrames(1);
    EXPECT_EQ(GameState, GulperCampaignMenu);
    EXPECT_EQ(TheMaze->cornLeft, FullRoom);
    ExpectSilence();

    Click(CloseButton);
    Click(GhostsCampaignButton);
    Click(StartButton);  // in the intro
    TapKey(ExitGame);
    RunFrames(1);
    EXPECT_EQ(GameState, GhostsCampaignMenu);
    Click(StartButton);
    ASSERT_TRUE(RunUntilState(GulperAppearing));
    TapKey(ExitGame);
    RunFrames(1);
    EXPECT_EQ(GameState, GhostsCampaignMenu);
    ExpectSilence();

    Click(CloseButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    TapKey(ExitGame);
    RunFrames(1);
    EXPECT_EQ(GameState, CustomGameMenu);
}

TEST_F(LeavingALevelTest, PauseAndTheKeysHelpGoBackToPlayButAnEndingLevelCannotBeLeft)
{
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    for (const GameStateId state : {Paused, ControlsInGame}) {
        GameState = state;
        TapKey(ExitGame);
        RunFrames(1);
        EXPECT_EQ(GameState, Playing);
    }
    for (const GameStateId state : {GulperDying, GulperWins, GhostsWin, CampaignComplete}) {
        GameState = state;
        EXPECT_FALSE(TapKey(ExitGame));
        EXPECT_EQ(GameState, state);
    }
    GameState = Playing;
    TheGui->keyBindings.keys[PauseGame] = KeyOf(ExitGame);  // pauses and resumes at once
    TapKey(ExitGame);
    RunFrames(1);
    EXPECT_EQ(GameState, Playing);
}

// Keys the media library cannot name (media keys) arrive as key symbol 0,
// which is also the key of every action a short or missing key file leaves unbound.
class NamelessKeyTest : public GameTest, public ::testing::WithParamInterface<const char*> {
protected:
    void PrepareGameFiles() override
    {
        sandbox->Remove(KeysPath);
        if (*GetParam() != '\0')
            sandbox->Write(KeysPath, GetParam());
    }
    static constexpr int NamelessKey = 0;
    // What the keys of play act on: the state, the group key, the gulper and the selection.
    static std::vector<int> PlayState()
    {
        std::vector<int> state = {static_cast<int>(GameState), TheGui->groupSelection, TheGulper->stopped,
                                  IndexOf(TheGulper->wantedDirection)};
        for (int i = 0; i < TheSquad->count; ++i)
            state.push_back(TheSquad->ghosts[i]->selected);
        return state;
    }
};

TEST_P(NamelessKeyTest, NeverActsForTheUnboundActions)
{
    EXPECT_FALSE(TheGui->OnKeyDown(NamelessKey));
    EXPECT_FALSE(TheGui->OnKeyUp(NamelessKey));
    EXPECT_EQ(GameState, MainMenu);

    WriteCampaign("ghosts", {TestMazes::StandStill()}, Settings(Human, Human, 4, 3.4, 2.4, 90));
    EnterCampaignMenu(GhostsCampaignMode);
    Click(StartButton);
    TheGui->OnKeyUp(NamelessKey);
    RunFrames(1);
    EXPECT_EQ(GameState, LevelIntro);
    ASSERT_TRUE(RunUntilState(Playing));
    const std::vector<int> before = PlayState();
    TheGui->OnKeyDown(NamelessKey);
    RunFrames(1);
    EXPECT_EQ(PlayState(), before);
    TheGui->OnKeyUp(NamelessKey);
    RunFrames(1);
    EXPECT_EQ(PlayState(), before);
}

INSTANTIATE_TEST_SUITE_P(ShortOrMissingKeyFile, NamelessKeyTest,
                         ::testing::Values("1\n275\n276\n273\n274\n32\n",  // the gulper's keys only
                                           ""));

}  // namespace

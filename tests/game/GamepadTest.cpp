// The first gamepad, through the media library's event queue as a real pad's
// events arrive: a highlight and clicks on the menus, and in play the commands
// of the side it plays. (How a pad's d-pad and stick read as directions:
// tests/input/GamepadInputTest.cpp.)
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/game/GameTest.h"
#include "input/Gamepad.h"

namespace {

constexpr Uint8 FirstPad = 0;

void PushHat(Uint8 value)
{
    SDL_Event event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.which = FirstPad;
    event.jhat.value = value;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void PushStick(Uint8 axis, Sint16 value)
{
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.which = FirstPad;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

// A press and a release of a button, the way the pad sends them.
void PushTap(Uint8 button)
{
    for (const Uint8 type : {SDL_JOYBUTTONDOWN, SDL_JOYBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.jbutton.which = FirstPad;
        event.jbutton.button = button;
        event.jbutton.state = type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
}

bool HasCommand(CommandType type, int a)
{
    const auto& list = TheGui->commands.list;
    return std::any_of(list.begin(), list.end(),
                       [&](const Command& command) { return command.type == type && command.a == a; });
}

class GamepadTest : public GameTest {
protected:
    static void Handle() { ASSERT_FALSE(TheScreen->ProcessEvents(*TheGui)); }
};

TEST_F(GamepadTest, OnMenusThePadMovesAVisibleHighlightAndClicksTheHighlightedButton)
{
    Panel& menu = *TheGui->mainMenu;
    PushHat(SDL_HAT_DOWN);  // the first move highlights the first button
    PushHat(SDL_HAT_CENTERED);
    PushHat(SDL_HAT_DOWN);
    Handle();
    ASSERT_EQ(menu.highlighted, 1);
    const Button& help = *menu.buttons[1];
    EXPECT_EQ(help.id, HelpButton);
    RunFrames(1);
    EXPECT_EQ(PixelAt(menu.x + help.x - 1, menu.y + help.y - 1), 0xFFFF00u);  // the outline

    PushHat(SDL_HAT_UP);  // nothing lies above the first button
    PushHat(SDL_HAT_CENTERED);
    PushHat(SDL_HAT_UP);
    PushHat(SDL_HAT_CENTERED);
    PushHat(SDL_HAT_DOWN);
    Handle();
    EXPECT_EQ(menu.highlighted, 1);
    PushTap(PadA);
    Handle();
    EXPECT_EQ(GameState, HelpScreen);
    PushTap(PadB);  // back, as the exit key
    Handle();
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(GamepadTest, InPlayThePadGivesTheCommandsOfTheHumanSide)
{
    PlayCampaignLevel(GulperCampaignMode, TestMazes::OpenRoom(), Settings(Human, Computer, 1, 3.4, 2.4, 90));
    PushStick(StickXAxis, -20000);
    PushTap(PadA);
    Handle();
    EXPECT_TRUE(HasCommand(CommandType::SteerGulper, IndexOf(Left)));
    EXPECT_TRUE(HasCommand(CommandType::ToggleGulperStop, 0));
    RunFrames(1);
    EXPECT_EQ(TheGulper->wantedDirection, Left);

    PushTap(PadStart);
    Handle();
    RunFrames(1);
    ASSERT_EQ(GameState, Paused);
    PushTap(PadY);  // any button resumes
    Handle();
    RunFrames(1);
    EXPECT_EQ(GameState, Playing);
    PushTap(PadBack);
    Handle();
    RunFrames(1);
    EXPECT_EQ(GameState, ControlsInGame);
}

TEST_F(GamepadTest, WithTwoHumansThePadPlaysTheGulperUnlessSwapped)
{
    PlayCampaignLevel(GulperCampaignMode, TestMazes::StandStill(), Settings(Human, Human, 1, 3.4, 2.4, 90));
    PushHat(SDL_HAT_UP);
    PushTap(PadRightShoulder);
    Handle();
    EXPECT_TRUE(HasCommand(CommandType::SteerGulper, IndexOf(Up)));
    EXPECT_FALSE(HasCommand(CommandType::SelectNext, 0));
    RunFrames(1);

    TheGui->padPlaysGhosts = true;
    PushHat(SDL_HAT_RIGHTUP);  // the half just pressed wins
    PushTap(PadRightShoulder);
    PushTap(PadA);
    Handle();
    EXPECT_TRUE(HasCommand(CommandType::DriveGhost, IndexOf(Right)));
    EXPECT_TRUE(HasCommand(CommandType::SelectNext, 0));
    EXPECT_TRUE(HasCommand(CommandType::StopGhosts, 0));
    EXPECT_FALSE(HasCommand(CommandType::ToggleGulperStop, 0));
}

}  // namespace

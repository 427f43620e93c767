// A pad's d-pad and left stick read as one direction: given once when taken,
// the stick only outside its dead zone and along the axis pushed further, a
// diagonal d-pad as the half just pressed. And which side the pad plays.
#include <gtest/gtest.h>

#include "input/Gamepad.h"
#include "platform/GameTypes.h"

namespace {

SDL_Event Hat(Uint8 value)
{
    SDL_Event event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.value = value;
    return event;
}

SDL_Event Axis(Uint8 axis, Sint16 value)
{
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    return event;
}

// The direction an event gives, or NoPadDirection when it gives none.
int Steer(PadReader& pad, const SDL_Event& event)
{
    const PadInput input = pad.Read(event);
    return input.kind == PadInput::Steer ? input.value : NoPadDirection;
}

TEST(GamepadInput, DirectionsAreGivenOnceWhenTakenOutsideTheDeadZone)
{
    PadReader pad;
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_UP)), IndexOf(Up));
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_UP)), NoPadDirection);  // held
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_RIGHTUP)), IndexOf(Right));
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_UP)), IndexOf(Up));  // right let go
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_CENTERED)), NoPadDirection);
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_UP)), IndexOf(Up));  // taken again after letting go
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_CENTERED)), NoPadDirection);
    EXPECT_EQ(Steer(pad, Hat(SDL_HAT_LEFTDOWN)), IndexOf(Left));  // both new: the horizontal half

    PadReader stick;
    EXPECT_EQ(Steer(stick, Axis(StickXAxis, StickDeadZone - 1)), NoPadDirection);
    EXPECT_EQ(Steer(stick, Axis(StickXAxis, StickDeadZone)), IndexOf(Right));
    EXPECT_EQ(Steer(stick, Axis(StickYAxis, -StickDeadZone - 1)), IndexOf(Up));  // pushed further
    EXPECT_EQ(Steer(stick, Axis(StickYAxis, 32767)), IndexOf(Down));
    EXPECT_EQ(Steer(stick, Axis(2, -32768)), NoPadDirection);  // other axes do nothing
    EXPECT_EQ(Steer(stick, Axis(StickYAxis, 0)), IndexOf(Right));
}

TEST(GamepadInput, ThePadPlaysTheHumanSideAndTheGulperInTheHotseatUnlessSwapped)
{
    EXPECT_EQ(PadSide(true, false, true), Side::Gulper);
    EXPECT_EQ(PadSide(false, true, false), Side::Ghosts);
    EXPECT_EQ(PadSide(true, true, false), Side::Gulper);
    EXPECT_EQ(PadSide(true, true, true), Side::Ghosts);
    EXPECT_EQ(PadSide(false, false, false), Side::Game);

    FrameCommands commands;
    for (const int button : {PadA, PadX, PadY, PadLeftShoulder, PadRightShoulder, PadStart})
        AddPadCommands({PadInput::ButtonDown, button}, Side::Ghosts, commands);
    AddPadCommands({PadInput::ButtonUp, PadA}, Side::Ghosts, commands);  // releases give nothing
    AddPadCommands({PadInput::Steer, IndexOf(Down)}, Side::Game, commands);  // nobody to steer
    FrameCommands expected;
    for (const CommandType type : {CommandType::StopGhosts, CommandType::SelectNone, CommandType::SelectAll,
                                   CommandType::SelectPrev, CommandType::SelectNext})
        expected.Add(type);
    EXPECT_EQ(commands, expected);
}

}  // namespace

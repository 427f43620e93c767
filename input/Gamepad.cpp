#include "input/Gamepad.h"

#include <cstdlib>

#include "platform/GameTypes.h"

namespace {

// A d-pad's single directions; a diagonal holds two of them.
constexpr struct {
    Uint8 bit;
    Direction direction;
} HatDirections[] = {
    {SDL_HAT_RIGHT, Right}, {SDL_HAT_LEFT, Left}, {SDL_HAT_UP, Up}, {SDL_HAT_DOWN, Down},
};

// The d-pad's direction. On a diagonal the half just pressed wins, so that
// rolling the thumb from up to up-right turns right at the next corner; when
// both halves are new, the horizontal one.
int HatDirection(Uint8 now, Uint8 before)
{
    int held = NoPadDirection;
    for (const auto& hat : HatDirections) {
        if ((now & hat.bit) == 0)
            continue;
        if ((before & hat.bit) == 0)
            return IndexOf(hat.direction);
        if (held == NoPadDirection)
            held = IndexOf(hat.direction);
    }
    return held;
}

// The stick's direction: along the axis pushed further, once out of the dead zone.
int StickDirection(int x, int y)
{
    if (std::abs(x) < StickDeadZone && std::abs(y) < StickDeadZone)
        return NoPadDirection;
    if (std::abs(x) >= std::abs(y))
        return IndexOf(x > 0 ? Right : Left);
    return IndexOf(y > 0 ? Down : Up);
}

}  // namespace


PadInput PadReader::Take(int now)
{
    const bool taken = now != NoPadDirection && now != direction;
    direction = now;
    return taken ? PadInput{PadInput::Steer, now} : PadInput{};
}

PadInput PadReader::Read(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_JOYHATMOTION: {
        if (event.jhat.hat != 0)
            return {};
        const Uint8 before = hat;
        hat = event.jhat.value;
        return Take(HatDirection(hat, before));
    }
    case SDL_JOYAXISMOTION:
        if (event.jaxis.axis == StickXAxis)
            stickX = event.jaxis.value;
        else if (event.jaxis.axis == StickYAxis)
            stickY = event.jaxis.value;
        else
            return {};
        return Take(StickDirection(stickX, stickY));
    case SDL_JOYBUTTONDOWN:
        return {PadInput::ButtonDown, event.jbutton.button};
    case SDL_JOYBUTTONUP:
        return {PadInput::ButtonUp, event.jbutton.button};
    default:
        return {};
    }
}

Side PadSide(bool humanGulper, bool humanGhosts, bool padPlaysGhosts)
{
    if (humanGulper && humanGhosts)
        return padPlaysGhosts ? Side::Ghosts : Side::Gulper;
    if (humanGulper)
        return Side::Gulper;
    return humanGhosts ? Side::Ghosts : Side::Game;
}

void AddPadCommands(const PadInput& input, Side side, FrameCommands& out)
{
    if (side == Side::Game)
        return;
    if (input.kind == PadInput::Steer) {
        out.Add(side == Side::Gulper ? CommandType::SteerGulper : CommandType::DriveGhost, input.value);
        return;
    }
    if (input.kind != PadInput::ButtonDown)
        return;
    if (side == Side::Gulper) {
        if (input.value == PadA)
            out.Add(CommandType::ToggleGulperStop);
        return;
    }
    switch (input.value) {
    case PadA:
        out.Add(CommandType::StopGhosts);
        break;
    case PadX:
        out.Add(CommandType::SelectNone);
        break;
    case PadY:
        out.Add(CommandType::SelectAll);
        break;
    case PadLeftShoulder:
        out.Add(CommandType::SelectPrev);
        break;
    case PadRightShoulder:
        out.Add(CommandType::SelectNext);
        break;
    default:
        break;
    }
}

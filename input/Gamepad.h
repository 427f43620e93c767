// Gamepads: a pad's d-pad and left stick read as one direction, its buttons
// named, and what a pad does in play turned into the frame's commands.
#pragma once

#include <SDL/SDL.h>

#include "input/Commands.h"

// The buttons as the media library numbers them on the common pads (the
// layout of the Xbox-style pads on Linux): A B X Y, the shoulders, Back, Start.
enum PadButton : int {
    PadA = 0,
    PadB = 1,
    PadX = 2,
    PadY = 3,
    PadLeftShoulder = 4,
    PadRightShoulder = 5,
    PadBack = 6,
    PadStart = 7,
};

constexpr int StickXAxis = 0;  // the left stick's axes
constexpr int StickYAxis = 1;
constexpr int StickDeadZone = 8000;  // of 32767: a stick nearer its centre points nowhere
constexpr int NoPadDirection = -1;

// What one joystick event means to the game.
struct PadInput {
    enum Kind { Nothing, Steer, ButtonDown, ButtonUp };
    Kind kind = Nothing;
    int value = 0;  // Steer: the Direction's index; ButtonDown, ButtonUp: the PadButton
};

// One pad's d-pad and stick. A direction counts once when it is taken, as a
// key press does; holding it gives nothing more, and letting go gives nothing.
class PadReader {
public:
    PadInput Read(const SDL_Event& event);

private:
    PadInput Take(int direction);

    int stickX = 0;
    int stickY = 0;
    Uint8 hat = SDL_HAT_CENTERED;
    int direction = NoPadDirection;  // the direction the pad points in now
};

// Which side a pad plays: Side::Gulper or Side::Ghosts, or Side::Game when no
// side is human. With two humans the pad plays the gulper, and the keyboard
// and mouse the ghosts, unless padPlaysGhosts.
Side PadSide(bool humanGulper, bool humanGhosts, bool padPlaysGhosts);

// Adds the commands of a direction taken or a button pressed in play by the
// pad of that side. The game's own buttons (pause, keys help, exit) act on
// release and belong to the interface.
void AddPadCommands(const PadInput& input, Side side, FrameCommands& out);


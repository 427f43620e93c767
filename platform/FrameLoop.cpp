// The routing of input events to their handler.
#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr int LeftButton = SDL_BUTTON_LEFT;
constexpr int RightButton = SDL_BUTTON_RIGHT;
constexpr Uint8 NoButtonHeld = 0;
constexpr Uint8 OnlyLeftButtonHeld = SDL_BUTTON_LMASK;

// Hands one event to its handler. Returns true when the program is to end.
bool RouteEvent(InputHandler& input, const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        return input.OnKeyDown(event.key.keysym.sym);
    case SDL_KEYUP:
        return input.OnKeyUp(event.key.keysym.sym);
    case SDL_MOUSEMOTION:
        if (event.motion.state == NoButtonHeld)
            return input.OnMouseIgnored(event.motion.x, event.motion.y);
        if (event.motion.state == OnlyLeftButtonHeld)
            return input.OnLeftDrag(event.motion.x, event.motion.y);
        return false;  // a drag with other buttons held does nothing
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == LeftButton)
            return input.OnLeftDown(event.button.x, event.button.y);
        if (event.button.button == RightButton)
            return input.OnRightDown(event.button.x, event.button.y);
        return false;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == LeftButton)
            return input.OnLeftUp(event.button.x, event.button.y);
        if (event.button.button == RightButton)
            return input.OnMouseIgnored(event.button.x, event.button.y);
        return false;
    case SDL_JOYAXISMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        return input.OnPadEvent(event);
    case SDL_QUIT:
        return true;
    default:
        return false;
    }
}

}  // namespace

// Every event queued since the last frame is handled in this frame, in queue
// order: mouse motion alone can fill the queue many times a second, and a key
// release left waiting behind it would be late or lost.
bool Screen::ProcessEvents(InputHandler& input)
{
    SDL_Event event;
    while (pollEvent(&event)) {
        if (TakeDisplayKey(event))
            continue;
        ToGamePixels(event);
        if (RouteEvent(input, event))
            return true;
    }
    return false;
}

// A mode of the program: the usual game, watching a replay, network play.
// The frame driver hands each frame's input events to the mode's handler,
// then lets it update and draw; a mode that is over names the one that
// follows, and the driver makes the change between frames.
#pragma once

#include <memory>

#include "platform/Screen.h"

class Mode {
public:
    virtual ~Mode() = default;
    // Where the frame's input events go.
    virtual InputHandler& Input() = 0;
    // The frame's work: what the menus asked for, the ticks, the network.
    // True asks the program to end.
    virtual bool Update() = 0;
    // Draws what the update left; changes nothing.
    virtual void Draw() const = 0;
    // The mode that takes over from the next frame on, once this one is
    // over; null while it goes on.
    virtual std::unique_ptr<Mode> TakeNext() { return nullptr; }
    // Called instead of sleeping until the next frame is due: a mode with a
    // network to serve waits on it.
    virtual void Wait(int milliseconds);
};

// The one frame loop of the program, for the window, network play, replay
// watching and the browser: input, update, draw for each frame due on the
// frame pacer (platform/FramePacer.h), the window shown once the due frames
// have run, and the change of mode between frames.
#pragma once

#include <memory>

#include "app/Mode.h"
#include "platform/FramePacer.h"

class FrameDriver {
public:
    explicit FrameDriver(std::unique_ptr<Mode> first);

    // Runs until the program is to end, sleeping (or letting the mode wait)
    // between frames: the desktop's loop.
    void Run();
    // The frames due after this much real time since the last call, then the
    // window shown: a browser's display callback. False once the program is to end.
    bool RunDue(double elapsedMilliseconds);
    // One frame: the input events, the update, the drawing and a change of
    // mode. False when the program is to end.
    bool Frame();
    // Forgets the time gathered (a page shown again): no catching up.
    void Restart() { pacer.Restart(); }
    // Milliseconds until the next frame is due, rounded up (a browser's timer waits this long).
    int MillisecondsToNextFrame(int periodMs) const { return pacer.MillisecondsToNextFrame(periodMs); }

    Mode& Current() { return *mode; }
    long frameLimit = 0;  // frames the program may still run; 0: no limit (--quit-after-frames)
    long framesRun = 0;   // frames run so far

private:
    std::unique_ptr<Mode> mode;
    FramePacer pacer;
};

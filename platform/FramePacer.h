// The game's one pacing policy, on the desktop and in the browser alike: real
// time is accumulated and one frame is due per whole period, so the game runs
// at its own frame rate whatever the display's or the scheduler's. Frames
// that fell behind are run without delay, at most MaxCatchUp at a time; a
// longer gap (a hidden page, a stall, a debugger) is dropped instead of
// caught up, so the game never fast-forwards. The desktop sleeps until the
// next frame is due; a browser calls back at its display's rate.
#pragma once

class FramePacer {
public:
    static constexpr int MaxCatchUp = 4;  // frames run at most in one callback

    // How many frames are due now, given the milliseconds since the last call and the period.
    int FramesDue(double elapsedMs, int periodMs);
    // Forgets the time gathered so far: the next frame comes one whole period from now.
    void Restart() { owed = 0; }
    // Milliseconds until the next frame is due, rounded up.
    int MillisecondsToNextFrame(int periodMs) const;
    // How late the frames run now are: the time gathered past the last whole period.
    double Lateness() const { return owed; }

private:
    double owed = 0;  // real time gathered but not yet spent on frames, in milliseconds
};

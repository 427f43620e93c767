// The fixed frame grid for a host that calls back at its own rate (a
// browser's display refresh) instead of letting the game sleep: real time is
// accumulated and one frame is due per whole period, so the game runs at its
// own frame rate whatever the display's. A long gap (a hidden page, a stall)
// is dropped instead of caught up, so the game never fast-forwards.
#pragma once

class FramePacer {
public:
    static constexpr int MaxCatchUp = 4;  // frames run at most in one callback

    // How many frames are due now, given the milliseconds since the last call and the period.
    int FramesDue(double elapsedMs, int periodMs);
    // Forgets the time gathered so far: the next frame comes one whole period from now.
    void Restart() { owed = 0; }

private:
    double owed = 0;  // real time gathered but not yet spent on frames, in milliseconds
};

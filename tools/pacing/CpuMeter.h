// The processor time the game uses while it plays: the whole process (the
// main thread with the frame loop, and the media library's audio thread)
// and the main thread alone, per second of the real clock.
#pragma once

struct CpuShare {
    double process = 0;     // percent of one core
    double mainThread = 0;  // percent of one core
};

class CpuMeter {
public:
    CpuMeter();  // starts measuring
    // The shares since the start.
    CpuShare Share() const;

private:
    double startWall;     // seconds on the monotonic clock
    double startProcess;  // processor seconds of the whole process
    double startThread;   // processor seconds of the calling thread
};

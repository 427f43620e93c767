// The frame loop: frames on the pacer, each one input, update, draw.
#include "app/FrameDriver.h"

#include <algorithm>
#include <utility>

#include "platform/Clock.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

void Mode::Wait(int milliseconds)
{
    Sleep(milliseconds);
}

FrameDriver::FrameDriver(std::unique_ptr<Mode> first) : mode(std::move(first)) {}

bool FrameDriver::Frame()
{
    if (TheScreen->ProcessEvents(mode->Input()))
        return false;
    const bool quit = mode->Update();
    mode->Draw();
    if (std::unique_ptr<Mode> next = mode->TakeNext())
        mode = std::move(next);
    ++framesRun;
    return !quit && (frameLimit == 0 || framesRun < frameLimit);
}

bool FrameDriver::RunDue(double elapsedMilliseconds)
{
    const int due = pacer.FramesDue(elapsedMilliseconds, TheScreen->framePeriod);
    for (int i = 0; i < due; ++i)
        if (!Frame())
            return false;
    if (due > 0)
        TheScreen->Present();
    return true;
}

void FrameDriver::Run()
{
    // Input that came before the first frame is handled first: a quit then
    // ends the program before any frame.
    if (TheScreen->ProcessEvents(mode->Input()))
        return;
    int last = Now();
    for (;;) {
        const int now = Now();
        const bool goOn = RunDue(now - last);
        last = now;
        if (!goOn)
            return;
        // The time the frames took counts towards the next one.
        const int spent = Now() - last;
        const int wait = std::max(pacer.MillisecondsToNextFrame(TheScreen->framePeriod) - spent, 0);
        TheScreen->nextFrameTime = Now() + wait;
        if (wait > 0)
            mode->Wait(wait);
    }
}

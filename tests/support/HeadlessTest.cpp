#include "tests/support/HeadlessTest.h"

#include <cstdlib>

#include "app/Clock.h"
#include "app/Config.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "app/SoundBank.h"

namespace {
constexpr int TestFramesPerSecond = 20;
constexpr int WindowWidth = 504;
constexpr int WindowHeight = 378;
constexpr int ClockStart = 1000;
}  // namespace

void UseHeadlessDrivers()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

void HeadlessTest::SetUp()
{
    UseHeadlessDrivers();
    sandbox = std::make_unique<Sandbox>();
    UseManualClock(ClockStart);
    GameState = MainMenu;
    GameMode = CustomMode;
    PauseUntil = 0;
    PrepareFiles();
}

void HeadlessTest::TearDown()
{
    // Every test leaves no screen behind: the next one starts from the same state.
    delete TheScreen;
    TheScreen = nullptr;
    sandbox.reset();
    UseRealClock();
}

void HeadlessTest::CreateBaseGlobals()
{
    if (!TheScreen)
        TheScreen = new Screen(TestFramesPerSecond, true, WindowWidth, WindowHeight);
    TheConfig = new Config();
    TheSounds = new SoundBank();
}

void HeadlessTest::DestroyBaseGlobals()
{
    delete TheConfig;
    TheConfig = nullptr;
    delete TheSounds;
    TheSounds = nullptr;
}

void HeadlessTest::CaptureOutput()
{
    fflush(stdout);
    ::testing::internal::CaptureStdout();
}

std::string HeadlessTest::TakeOutput()
{
    fflush(stdout);
    return ::testing::internal::GetCapturedStdout();
}

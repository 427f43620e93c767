#include "tests/support/HeadlessTest.h"

#include <SDL/SDL.h>
#include <cstdlib>

#include "platform/Clock.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "app/HeadlessGame.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"

namespace {
constexpr int TestFramesPerSecond = 20;
constexpr int WindowWidth = 504;
constexpr int WindowHeight = 378;
}  // namespace

void HeadlessTest::SetUp()
{
    UseHeadlessDrivers();
    sandbox = std::make_unique<Sandbox>();
    UseManualClock(HeadlessClockStart);
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

uint32_t HeadlessTest::PixelAt(int x, int y)
{
    const SDL_Surface* window = TheScreen->surface;
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(static_cast<const Uint32*>(window->pixels)[y * (window->pitch / 4) + x],
               window->format, &r, &g, &b);
    return r << 16 | g << 8 | b;
}

void HeadlessTest::FillWindow(uint32_t colour)
{
    SDL_Surface* window = TheScreen->surface;
    const Uint32 pixel = SDL_MapRGB(window->format, colour >> 16, colour >> 8 & 0xFF, colour & 0xFF);
    for (int y = 0; y < window->h; ++y)
        for (int x = 0; x < window->w; ++x)
            static_cast<Uint32*>(window->pixels)[y * (window->pitch / 4) + x] = pixel;
}

namespace {

constexpr uint64_t FnvStart = 14695981039346656037ull;

uint64_t Fnv(uint64_t hash, const void* data, size_t size)
{
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ static_cast<const Uint8*>(data)[i]) * 1099511628211ull;
    return hash;
}

}  // namespace

uint64_t HeadlessTest::WindowHash()
{
    const SDL_Surface* const window = TheScreen->surface;
    uint64_t hash = FnvStart;
    for (int y = 0; y < window->h; ++y)
        hash = Fnv(hash, static_cast<const Uint8*>(window->pixels) + y * window->pitch,
                   static_cast<size_t>(window->w) * window->format->BytesPerPixel);
    return hash;
}

uint64_t HeadlessTest::Hash(const std::string& text)
{
    return Fnv(FnvStart, text.data(), text.size());
}

int HeadlessTest::CountPixels(uint32_t colour)
{
    int count = 0;
    for (int y = 0; y < TheScreen->height; ++y)
        for (int x = 0; x < TheScreen->width; ++x)
            count += PixelAt(x, y) == colour;
    return count;
}

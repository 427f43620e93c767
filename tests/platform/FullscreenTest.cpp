// Full screen: the picture enlarged by the largest whole number that fits and
// centred on black, the mouse mapped back to the picture's pixels, F11 and
// Alt+Enter switching at any moment, and the choice kept in its own file.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/Fullscreen.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr uint32_t Marker = 0x12AB34;

uint32_t DisplayPixelAt(int x, int y)
{
    const SDL_Surface* shown = TheScreen->display;
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(static_cast<const Uint32*>(shown->pixels)[y * (shown->pitch / 4) + x], shown->format,
               &r, &g, &b);
    return r << 16 | g << 8 | b;
}

SDL_Event Key(Uint8 type, SDLKey key, SDLMod mod = KMOD_NONE)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    return event;
}

std::string ChoiceFile()
{
    std::ifstream in(DisplayChoicePath);
    std::string word;
    in >> word;
    return word;
}

class FullscreenTest : public BaseGlobalsTest {};

TEST(FitPicture, TheLargestWholeScaleThatFitsCentred)
{
    auto fit = [](int w, int h) {
        const Letterbox box = FitPicture(w, h, 504, 378);
        return std::vector<int>{box.scale, box.left, box.top};
    };
    EXPECT_EQ(fit(1280, 1024), (std::vector<int>{2, 136, 134}));
    EXPECT_EQ(fit(1920, 1080), (std::vector<int>{2, 456, 162}));
    EXPECT_EQ(fit(2560, 1440), (std::vector<int>{3, 524, 153}));
    EXPECT_EQ(fit(1511, 1133), (std::vector<int>{2, 251, 188}));  // one short of 3 both ways
    EXPECT_EQ(fit(504, 378), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(fit(400, 300), (std::vector<int>{1, -52, -39}));  // smaller: the middle shows
}

TEST_F(FullscreenTest, TheKeysSwitchKeepingThePictureAndTheChoiceIsRemembered)
{
    FillWindow(0x202020);
    TheScreen->DrawRectOutline(0, 0, 503, 377, Marker);  // the picture's outermost pixels
    EXPECT_FALSE(TheScreen->TakeDisplayKey(Key(SDL_KEYDOWN, SDLK_RETURN)));
    SDL_Event f11 = Key(SDL_KEYDOWN, SDLK_F11);
    ASSERT_TRUE(TheScreen->TakeDisplayKey(f11));
    ASSERT_FALSE(TheScreen->windowed);
    EXPECT_EQ(ChoiceFile(), "fullscreen");

    // The game draws into the same-sized picture, which keeps what was drawn.
    EXPECT_EQ(TheScreen->surface->w, 504);
    EXPECT_EQ(PixelAt(503, 0), Marker);
    const Letterbox box = TheScreen->letterbox;
    EXPECT_EQ(box.scale, FitPicture(TheScreen->display->w, TheScreen->display->h, 504, 378).scale);
    TheScreen->Present();
    const int right = box.left + 504 * box.scale - 1;
    const int bottom = box.top + 378 * box.scale - 1;
    EXPECT_EQ(DisplayPixelAt(box.left, box.top), Marker);
    EXPECT_EQ(DisplayPixelAt(right, box.top + box.scale - 1), Marker);
    EXPECT_EQ(DisplayPixelAt(box.left + box.scale - 1, bottom), Marker);
    EXPECT_EQ(DisplayPixelAt(box.left + box.scale, box.top + box.scale), 0x202020u);
    if (box.left > 0) {
        EXPECT_EQ(DisplayPixelAt(box.left - 1, box.top), 0u);
    }
    if (box.top > 0) {
        EXPECT_EQ(DisplayPixelAt(right, bottom + 1), 0u);
    }

    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.x = static_cast<Uint16>(box.left + 100 * box.scale + box.scale - 1);
    click.button.y = static_cast<Uint16>(box.top + 50 * box.scale);
    TheScreen->ToGamePixels(click);
    EXPECT_EQ(click.button.x, 100);
    EXPECT_EQ(click.button.y, 50);
    SDL_Event border{};
    border.type = SDL_MOUSEMOTION;
    border.motion.x = static_cast<Uint16>(TheScreen->display->w - 1);
    TheScreen->ToGamePixels(border);
    EXPECT_EQ(border.motion.x, 503);  // the borders belong to the picture's edges
    EXPECT_EQ(border.motion.y, 0);

    EXPECT_TRUE(TheScreen->TakeDisplayKey(Key(SDL_KEYUP, SDLK_F11)));  // the release goes no further
    ASSERT_TRUE(TheScreen->TakeDisplayKey(Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT)));
    EXPECT_TRUE(TheScreen->windowed);
    EXPECT_EQ(TheScreen->surface, TheScreen->display);
    EXPECT_EQ(PixelAt(503, 0), Marker);
    EXPECT_EQ(ChoiceFile(), "window");
}

TEST_F(FullscreenTest, TheRememberedChoiceGivesWayToTheCommandLine)
{
    EXPECT_FALSE(LoadDisplayChoice().fullscreen);  // no file: the window
    ASSERT_TRUE(RememberFullscreen(true));
    EXPECT_TRUE(StartsFullscreen(DisplayStart::Remembered));
    EXPECT_FALSE(StartsFullscreen(DisplayStart::Window));
    std::ofstream(DisplayChoicePath) << "\x01garbage fullscreen";
    EXPECT_FALSE(LoadDisplayChoice().fullscreen);
}

}  // namespace

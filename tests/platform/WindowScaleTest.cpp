// The window's scale: picked from the desktop's size unless the player chose
// one (--scale N, or WindowScaleKey stepping through the scales), remembered
// in the display file beside the full-screen choice, and shown sharp: each
// picture pixel a square of whole window pixels, the mouse mapped back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/Fullscreen.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr int PictureWidth = 504;
constexpr int PictureHeight = 378;

int Auto(int desktopWidth, int desktopHeight)
{
    return AutoWindowScale(desktopWidth, desktopHeight, PictureWidth, PictureHeight);
}

int Next(int scale, int desktopWidth, int desktopHeight)
{
    return NextWindowScale(scale, desktopWidth, desktopHeight, PictureWidth, PictureHeight);
}

std::string ChoiceFile()
{
    std::ifstream in(DisplayChoicePath);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

uint32_t DisplayPixelAt(int x, int y)
{
    const SDL_Surface* shown = TheScreen->display;
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(static_cast<const Uint32*>(shown->pixels)[y * (shown->pitch / 4) + x], shown->format,
               &r, &g, &b);
    return r << 16 | g << 8 | b;
}

SDL_Event Key(Uint8 type, SDLKey key)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    return event;
}

// The largest scale whose window fits in four fifths of the desktop's height
// (and width), between 1 and MaxWindowScale.
TEST(WindowScale, TheLargestThatFitsFourFifthsOfTheDesktop)
{
    EXPECT_EQ(Auto(1920, 1080), 2);
    EXPECT_EQ(Auto(2560, 1440), 3);
    EXPECT_EQ(Auto(3840, 2160), 4);
    EXPECT_EQ(Auto(1280, 1024), 2);
    EXPECT_EQ(Auto(1366, 768), 1);
    EXPECT_EQ(Auto(1920, 945), 2);  // 756 rows are exactly four fifths
    EXPECT_EQ(Auto(1920, 944), 1);
    EXPECT_EQ(Auto(1080, 1920), 1);   // on its side: the width decides
    EXPECT_EQ(Auto(504, 378), 1);     // the desktop's size unknown: the picture's own
    EXPECT_EQ(Auto(0, 0), 1);
    EXPECT_EQ(Auto(15360, 8640), MaxWindowScale);
}

// The key steps up to the largest window the desktop holds, then back to 1.
TEST(WindowScale, TheKeyStepsUpToTheLargestThatFitsThenBackToOne)
{
    EXPECT_EQ(Next(1, 1920, 1080), 2);
    EXPECT_EQ(Next(2, 1920, 1080), 1);
    EXPECT_EQ(Next(2, 2560, 1440), 3);
    EXPECT_EQ(Next(3, 2560, 1440), 1);
    EXPECT_EQ(Next(1, 800, 600), 1);
    EXPECT_EQ(Next(5, 1920, 1080), 1);  // a scale chosen on the command line above the largest
}

class WindowScaleTest : public BaseGlobalsTest {};

// The file keeps its first word as before, "fullscreen" or "window", and adds
// the chosen scale; a file without it, or with a scale out of range, leaves
// the scale to the game.
TEST_F(WindowScaleTest, TheChoicesGoToTheDisplayFileAndComeBack)
{
    EXPECT_EQ(LoadDisplayChoice().windowScale, 0);  // no file
    ASSERT_TRUE(SaveDisplayChoice({true, 3}));
    EXPECT_EQ(ChoiceFile(), "fullscreen\nscale 3\n");
    EXPECT_TRUE(LoadDisplayChoice().fullscreen);
    EXPECT_EQ(LoadDisplayChoice().windowScale, 3);
    ASSERT_TRUE(RememberFullscreen(false));
    EXPECT_EQ(ChoiceFile(), "window\nscale 3\n");
    ASSERT_TRUE(RememberWindowScale(2));
    EXPECT_EQ(ChoiceFile(), "window\nscale 2\n");
    ASSERT_TRUE(SaveDisplayChoice({false, 0}));
    EXPECT_EQ(ChoiceFile(), "window\n");

    for (const char* text : {"fullscreen", "fullscreen\n", "window\nscale 0\n",
                             "window\nscale 99\n", "window\nscale two\n"}) {
        std::ofstream(DisplayChoicePath) << text;
        EXPECT_EQ(LoadDisplayChoice().windowScale, 0) << text;
    }
    std::ofstream(DisplayChoicePath) << "fullscreen scale 4";
    EXPECT_TRUE(LoadDisplayChoice().fullscreen);
    EXPECT_EQ(LoadDisplayChoice().windowScale, 4);

    // At start: the command line's scale, else the remembered one, else the desktop's.
    EXPECT_EQ(StartWindowScale(0, 2560, 1440, PictureWidth, PictureHeight), 4);
    EXPECT_EQ(StartWindowScale(1, 2560, 1440, PictureWidth, PictureHeight), 1);
    ASSERT_TRUE(SaveDisplayChoice({false, 0}));
    EXPECT_EQ(StartWindowScale(0, 2560, 1440, PictureWidth, PictureHeight), 3);
}

// An enlarged window shows every picture pixel as a square of window pixels
// of exactly its colour, and a click lands on the picture pixel under it.
TEST_F(WindowScaleTest, AnEnlargedWindowShowsThePictureInWholeSquares)
{
    // A picture in which every pixel differs from its neighbours.
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x)
            static_cast<Uint32*>(TheScreen->surface->pixels)[y * (TheScreen->surface->pitch / 4) + x] =
                SDL_MapRGB(TheScreen->surface->format, x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF);
    const uint64_t drawn = WindowHash();
    for (const int scale : {2, 3, 1}) {
        TheScreen->SetWindowScale(scale);
        ASSERT_EQ(TheScreen->windowScale, scale);
        ASSERT_EQ(TheScreen->display->w, PictureWidth * scale);
        ASSERT_EQ(TheScreen->display->h, PictureHeight * scale);
        EXPECT_EQ(TheScreen->surface->w, PictureWidth);  // the game still draws the picture
        EXPECT_EQ(WindowHash(), drawn);                   // which kept what was drawn
        TheScreen->Present();
        int wrong = 0;
        for (int y = 0; y < PictureHeight * scale; ++y)
            for (int x = 0; x < PictureWidth * scale; ++x)
                wrong += DisplayPixelAt(x, y) != PixelAt(x / scale, y / scale);
        EXPECT_EQ(wrong, 0) << "scale " << scale;

        SDL_Event click{};
        click.type = SDL_MOUSEBUTTONDOWN;
        click.button.x = static_cast<Uint16>(100 * scale + scale - 1);
        click.button.y = static_cast<Uint16>(50 * scale);
        TheScreen->ToGamePixels(click);
        EXPECT_EQ(click.button.x, 100);
        EXPECT_EQ(click.button.y, 50);
    }
}

// The key steps the scale and remembers it; full screen and back keeps it.
TEST_F(WindowScaleTest, TheKeyStepsTheScaleAndFullScreenKeepsIt)
{
    const int largest = FitPicture(TheScreen->desktopWidth, TheScreen->desktopHeight, PictureWidth,
                                   PictureHeight).scale;
    ASSERT_GE(largest, 2) << "the dummy desktop holds a window twice the picture's size";
    TheScreen->SetWindowScale(1);
    EXPECT_TRUE(TheScreen->TakeDisplayKey(Key(SDL_KEYDOWN, WindowScaleKey)));
    EXPECT_EQ(TheScreen->windowScale, 2);
    EXPECT_EQ(LoadDisplayChoice().windowScale, 2);
    EXPECT_TRUE(TheScreen->TakeDisplayKey(Key(SDL_KEYUP, WindowScaleKey)));  // goes no further
    EXPECT_EQ(TheScreen->windowScale, 2);

    ASSERT_TRUE(TheScreen->TakeDisplayKey(Key(SDL_KEYDOWN, SDLK_F11)));
    ASSERT_FALSE(TheScreen->windowed);
    EXPECT_TRUE(TheScreen->TakeDisplayKey(Key(SDL_KEYDOWN, WindowScaleKey)));  // not in full screen
    EXPECT_EQ(TheScreen->windowScale, 2);
    ASSERT_TRUE(TheScreen->TakeDisplayKey(Key(SDL_KEYDOWN, SDLK_F11)));
    EXPECT_EQ(TheScreen->display->w, 2 * PictureWidth);
    EXPECT_EQ(ChoiceFile(), "window\nscale 2\n");
}

// --scale N opens the window at that scale and remembers it for the next run.
TEST_F(WindowScaleTest, TheCommandLineScaleOpensTheWindowAndIsRemembered)
{
    delete TheScreen;
    TheScreen = new Screen(20, true, PictureWidth, PictureHeight, 3);
    EXPECT_EQ(TheScreen->display->w, 3 * PictureWidth);
    EXPECT_EQ(LoadDisplayChoice().windowScale, 3);
    delete TheScreen;
    TheScreen = new Screen(20, true, PictureWidth, PictureHeight);
    EXPECT_EQ(TheScreen->display->w, 3 * PictureWidth);
}

}  // namespace

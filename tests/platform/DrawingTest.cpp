// Loading images, copying them onto the window with clipping, and drawing outlines.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SelectionBox.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr Uint32 Background = 0x102030;
constexpr Uint32 White = 0xFFFFFF;
constexpr int WindowPixels = 504 * 378;

// The colour of pixel (x, y) of the coded image: every copied pixel tells where it came from.
Uint32 Coded(int x, int y)
{
    return x + 256 * y + 1;
}

class DrawingTest : public BaseGlobalsTest {
protected:
    void SetUp() override
    {
        BaseGlobalsTest::SetUp();
        FillWindow(Background);
        const SDL_PixelFormat* format = TheScreen->surface->format;
        image = SDL_CreateRGBSurface(0, 40, 40, 32, format->Rmask, format->Gmask, format->Bmask, 0);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                static_cast<Uint32*>(image->pixels)[y * (image->pitch / 4) + x] = Coded(x, y);
    }
    void TearDown() override
    {
        SDL_FreeSurface(image);
        BaseGlobalsTest::TearDown();
    }
    SDL_Surface* image = nullptr;  // 40 x 40, coded
};

// Each blit is cut to the image and the window; a pixel of it and how many pixels it drew.
TEST_F(DrawingTest, BlitCopiesTheSourceRectangleCutToTheWindowAndTheImage)
{
    const struct {
        int dx, dy, sx, sy, w, h;
        int probeX, probeY;  // a window pixel the copy covers
        int fromX, fromY;    // the image pixel it shows
        int drawn;
    } cases[] = {
        {100, 50, 3, 4, 10, 6, 109, 55, 12, 9, 10 * 6},
        {-5, 10, 0, 0, 18, 18, 0, 10, 5, 0, 13 * 18},       // left of the window
        {10, -7, 0, 0, 18, 18, 10, 0, 0, 7, 18 * 11},       // above it
        {500, 370, 0, 0, 18, 18, 503, 377, 3, 7, 4 * 8},    // cut at the right and bottom
        {20, 20, -3, -2, 10, 10, 20, 20, 0, 0, 7 * 8},      // a source corner left of the image
        {0, 0, 0, 0, 2000000, 2000000, 39, 39, 39, 39, 40 * 40},
    };
    for (const auto& c : cases) {
        FillWindow(Background);
        TheScreen->Blit(image, c.dx, c.dy, c.sx, c.sy, c.w, c.h);
        EXPECT_EQ(PixelAt(c.probeX, c.probeY), Coded(c.fromX, c.fromY)) << c.dx << ", " << c.dy;
        EXPECT_EQ(CountPixels(Background), WindowPixels - c.drawn) << c.dx << ", " << c.dy;
    }
    FillWindow(Background);
    TheScreen->Blit(image, 100, 50, 3, 4, 10, 6);
    EXPECT_EQ(PixelAt(100, 50), Coded(3, 4));
    EXPECT_EQ(PixelAt(110, 55), Background);
    EXPECT_EQ(PixelAt(109, 56), Background);
}

TEST_F(DrawingTest, LoadedImagesTreatBlackAsTransparentAndMissingOnesAreReported)
{
    SDL_Surface* bmp = SDL_CreateRGBSurface(0, 4, 1, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    const Uint8 bytes[12] = {0, 0, 0, 255, 255, 255, 0, 0, 0, 9, 9, 9};  // black, white, black, grey
    std::copy(bytes, bytes + 12, static_cast<Uint8*>(bmp->pixels));
    SDL_SaveBMP(bmp, "images/test.bmp");
    SDL_FreeSurface(bmp);

    SDL_Surface* loaded = TheScreen->LoadImage("images/test.bmp", 0, 0, 0);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->format->BitsPerPixel, 32);
    TheScreen->Blit(loaded, 0, 0, 0, 0, 4, 1);
    SDL_FreeSurface(loaded);
    EXPECT_EQ(PixelAt(0, 0), Background);
    EXPECT_EQ(PixelAt(1, 0), White);
    EXPECT_EQ(PixelAt(2, 0), Background);
    EXPECT_EQ(PixelAt(3, 0), 0x090909u);

    CaptureOutput();
    EXPECT_EQ(TheScreen->LoadImage("images/nothing.bmp", 0, 0, 0), nullptr);
    EXPECT_EQ(TakeOutput(), "Failed to load image images/nothing.bmp.");
}

// An outline of w x h covers the columns x and x + w and the rows y and y + h,
// each a half-open run: the far corner is never drawn.
TEST_F(DrawingTest, OutlineEdgesAreHalfOpenRuns)
{
    TheScreen->DrawRectOutline(10, 20, 5, 3, White);
    const int edgePixels[][2] = {{10, 20}, {14, 20}, {15, 20}, {15, 22}, {10, 23}, {14, 23}};
    for (const auto& [x, y] : edgePixels)
        EXPECT_EQ(PixelAt(x, y), White) << x << ", " << y;
    EXPECT_EQ(PixelAt(15, 23), Background);
    EXPECT_EQ(PixelAt(12, 21), Background);
    EXPECT_EQ(CountPixels(White), 5 + 5 + 3 + 3 - 1);  // the left column and top row share a corner
}

TEST_F(DrawingTest, SelectionBoxDraggedUpAndLeftIsDrawnFromTheOtherCorner)
{
    SelectionBox box;
    box.x0 = box.y0 = 100;
    box.x1 = 50;
    box.y1 = 80;
    box.Draw();
    EXPECT_EQ(CountPixels(White), 0);  // inactive: nothing
    box.active = true;
    box.Draw();
    EXPECT_EQ(PixelAt(50, 80), White);
    EXPECT_EQ(PixelAt(100, 80), White);  // right column, width 50
    EXPECT_EQ(PixelAt(50, 100), White);  // bottom row, height 20
    EXPECT_EQ(PixelAt(100, 100), Background);
    EXPECT_EQ(CountPixels(White), 50 + 50 + 20 + 20 - 1);
}

TEST_F(DrawingTest, OutlinesStayInsideTheWindowAndColoursOutside24BitsDrawNothing)
{
    const struct {
        int x, y, w, h, colour, drawn;
    } cases[] = {
        {500, 10, 10, 4, White, 4 + 4 + 4 - 1},  // the right edge lies beyond the window
        {-10, -10, 20, 20, White, 10 + 10},      // only the right column and the bottom row
        {-1, -1, 504, 378, White, 503 + 377},    // only the far edges are inside
        {-100, -100, 50, 50, White, 0},
        {600, 400, 50, 50, White, 0},
        {-2000000000, -2000000000, 2000000000, 2000000000, White, 0},
        {2000000000, 2000000000, 2000000000, 2000000000, White, 0},
        {10, 10, 5, 5, 0x1000000, 0},
        {10, 10, 5, 5, -1, 0},
    };
    for (const auto& c : cases) {
        FillWindow(Background);
        TheScreen->DrawRectOutline(c.x, c.y, c.w, c.h, c.colour);
        EXPECT_EQ(CountPixels(Background), WindowPixels - c.drawn) << c.x << ", " << c.y;
    }
}

}  // namespace

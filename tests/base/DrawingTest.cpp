// Loading images, copying them onto the window with clipping, and drawing outlines.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/Screen.h"
#include "app/SelectionBox.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr Uint32 Background = 0x102030;
constexpr Uint32 White = 0xFFFFFF;

class DrawingTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CreateBaseGlobals();
        Fill(Background);
    }
    void TearDown() override
    {
        for (SDL_Surface* image : made)
            SDL_FreeSurface(image);
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }

    static Uint32 PixelAt(int x, int y)
    {
        const SDL_Surface* s = TheScreen->surface;
        return static_cast<const Uint32*>(s->pixels)[y * (s->pitch / 4) + x] & 0xFFFFFF;
    }
    static void Fill(Uint32 colour)
    {
        SDL_Surface* s = TheScreen->surface;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                static_cast<Uint32*>(s->pixels)[y * (s->pitch / 4) + x] = colour;
    }
    static int CountPixels(Uint32 colour)
    {
        int count = 0;
        for (int y = 0; y < TheScreen->height; ++y)
            for (int x = 0; x < TheScreen->width; ++x)
                count += PixelAt(x, y) == colour;
        return count;
    }
    // An image in the window's format whose pixel (x, y) has the colour x + 256 * y + 1,
    // so every copied pixel tells where in the image it came from.
    SDL_Surface* CodedImage(int w, int h)
    {
        SDL_Surface* image = SDL_ConvertSurface(TheScreen->surface, TheScreen->surface->format, 0);
        SDL_Surface* sized = SDL_CreateRGBSurface(0, w, h, 32, image->format->Rmask,
                                                  image->format->Gmask, image->format->Bmask, 0);
        SDL_FreeSurface(image);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                static_cast<Uint32*>(sized->pixels)[y * (sized->pitch / 4) + x] = x + 256 * y + 1;
        made.push_back(sized);
        return sized;
    }
    static Uint32 Coded(int x, int y) { return x + 256 * y + 1; }

    std::vector<SDL_Surface*> made;
};

TEST_F(DrawingTest, BlitCopiesTheSourceRectangle)
{
    SDL_Surface* image = CodedImage(40, 40);
    TheScreen->Blit(image, 100, 50, 3, 4, 10, 6);
    EXPECT_EQ(PixelAt(100, 50), Coded(3, 4));
    EXPECT_EQ(PixelAt(109, 55), Coded(12, 9));
    EXPECT_EQ(PixelAt(110, 55), Background);
    EXPECT_EQ(PixelAt(109, 56), Background);
    EXPECT_EQ(CountPixels(Background), 504 * 378 - 60);
}

TEST_F(DrawingTest, BlitLeftOfTheWindowStartsFurtherIntoTheImage)
{
    SDL_Surface* image = CodedImage(40, 40);
    TheScreen->Blit(image, -5, 10, 0, 0, 18, 18);
    EXPECT_EQ(PixelAt(0, 10), Coded(5, 0));  // the sixth column lands at x = 0
    EXPECT_EQ(PixelAt(12, 10), Coded(17, 0));
    EXPECT_EQ(PixelAt(13, 10), Background);  // 5 pixels narrower
}

TEST_F(DrawingTest, BlitAboveTheWindowStartsFurtherDownTheImage)
{
    SDL_Surface* image = CodedImage(40, 40);
    TheScreen->Blit(image, 10, -7, 0, 0, 18, 18);
    EXPECT_EQ(PixelAt(10, 0), Coded(0, 7));
    EXPECT_EQ(PixelAt(10, 10), Coded(0, 17));
    EXPECT_EQ(PixelAt(10, 11), Background);
}

TEST_F(DrawingTest, BlitIsCutAtTheRightAndBottomEdges)
{
    SDL_Surface* image = CodedImage(40, 40);
    TheScreen->Blit(image, 500, 370, 0, 0, 18, 18);
    EXPECT_EQ(PixelAt(503, 377), Coded(3, 7));
    EXPECT_EQ(CountPixels(Background), 504 * 378 - 4 * 8);
}

TEST_F(DrawingTest, NegativeSourceCornerShrinksTheCopy)
{
    SDL_Surface* image = CodedImage(40, 40);
    TheScreen->Blit(image, 20, 20, -3, -2, 10, 10);
    EXPECT_EQ(PixelAt(20, 20), Coded(0, 0));
    EXPECT_EQ(CountPixels(Background), 504 * 378 - 7 * 8);
}

TEST_F(DrawingTest, BlitsThatCopyNothingLeaveTheWindowAlone)
{
    SDL_Surface* image = CodedImage(40, 40);
    TheScreen->Blit(nullptr, 0, 0, 0, 0, 18, 18);
    TheScreen->Blit(image, 10, 10, 0, 0, 0, 18);
    TheScreen->Blit(image, 10, 10, 0, 0, 18, 0);
    TheScreen->Blit(image, 10, 10, 0, 0, -4, 18);
    TheScreen->Blit(image, 504, 0, 0, 0, 18, 18);
    TheScreen->Blit(image, 0, 378, 0, 0, 18, 18);
    TheScreen->Blit(image, -18, 0, 0, 0, 18, 18);
    TheScreen->Blit(image, 0, -40, 0, 0, 18, 18);
    TheScreen->Blit(image, 0, 0, 40, 0, 18, 18);       // source beyond the image
    TheScreen->Blit(image, 0, 0, 0, 100000, 18, 18);   // beyond the 16-bit fields too
    TheScreen->Blit(image, -100000, -100000, 0, 0, 2000000, 2000000);
    EXPECT_EQ(CountPixels(Background), 504 * 378 - 0);
}

TEST_F(DrawingTest, HugeBlitIsCutToTheWindowAndTheImage)
{
    SDL_Surface* image = CodedImage(40, 40);
    TheScreen->Blit(image, -100000, -100000, 0, 0, 2000000, 2000000);
    EXPECT_EQ(CountPixels(Background), 504 * 378);  // the source corner lies far outside the image
    TheScreen->Blit(image, 0, 0, 0, 0, 2000000, 2000000);
    EXPECT_EQ(CountPixels(Background), 504 * 378 - 40 * 40);
}

TEST_F(DrawingTest, LoadedImagesTreatBlackAsTransparent)
{
    SDL_Surface* bmp = SDL_CreateRGBSurface(0, 4, 1, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    Uint8* p = static_cast<Uint8*>(bmp->pixels);
    const Uint8 bytes[12] = {0, 0, 0, 255, 255, 255, 0, 0, 0, 9, 9, 9};  // black, white, black, grey
    std::copy(bytes, bytes + 12, p);
    SDL_SaveBMP(bmp, "images/test.bmp");
    SDL_FreeSurface(bmp);

    SDL_Surface* image = TheScreen->LoadImage("images/test.bmp", 0, 0, 0);
    ASSERT_NE(image, nullptr);
    made.push_back(image);
    EXPECT_EQ(image->format->BitsPerPixel, 32);
    TheScreen->Blit(image, 0, 0, 0, 0, 4, 1);
    EXPECT_EQ(PixelAt(0, 0), Background);
    EXPECT_EQ(PixelAt(1, 0), White);
    EXPECT_EQ(PixelAt(2, 0), Background);
    EXPECT_EQ(PixelAt(3, 0), 0x090909u);
}

TEST_F(DrawingTest, MissingImageIsReportedAndYieldsNothing)
{
    CaptureOutput();
    SDL_Surface* image = TheScreen->LoadImage("images/nothing.bmp", 0, 0, 0);
    EXPECT_EQ(TakeOutput(), "Failed to load image images/nothing.bmp.");
    EXPECT_EQ(image, nullptr);
}

TEST_F(DrawingTest, OutlineEdgesAreHalfOpenRuns)
{
    TheScreen->DrawRectOutline(10, 20, 5, 3, White);
    EXPECT_EQ(PixelAt(10, 20), White);  // top-left corner
    EXPECT_EQ(PixelAt(14, 20), White);  // end of the top row
    EXPECT_EQ(PixelAt(15, 20), White);  // top of the right column
    EXPECT_EQ(PixelAt(15, 22), White);
    EXPECT_EQ(PixelAt(10, 23), White);  // bottom row
    EXPECT_EQ(PixelAt(14, 23), White);
    EXPECT_EQ(PixelAt(15, 23), Background);  // the far corner is never drawn
    EXPECT_EQ(PixelAt(12, 21), Background);  // inside
    EXPECT_EQ(CountPixels(White), 5 + 5 + 3 + 3 - 1);  // the left column and top row share a corner
}

TEST_F(DrawingTest, SelectionBoxDraggedUpAndLeftIsDrawnFromTheOtherCorner)
{
    SelectionBox box;
    box.x0 = 100;
    box.y0 = 100;
    box.x1 = 50;
    box.y1 = 80;
    box.Draw();
    EXPECT_EQ(CountPixels(White), 0);  // inactive: nothing
    box.active = true;
    box.Draw();
    EXPECT_EQ(PixelAt(50, 80), White);
    EXPECT_EQ(PixelAt(99, 80), White);
    EXPECT_EQ(PixelAt(100, 80), White);  // right column, width 50
    EXPECT_EQ(PixelAt(50, 100), White);  // bottom row, height 20
    EXPECT_EQ(PixelAt(100, 100), Background);
    EXPECT_EQ(CountPixels(White), 50 + 50 + 20 + 20 - 1);
}

TEST_F(DrawingTest, OutlineBeyondTheRightBorderLosesItsRightEdge)
{
    TheScreen->DrawRectOutline(500, 10, 10, 4, White);
    EXPECT_EQ(PixelAt(500, 10), White);
    EXPECT_EQ(PixelAt(503, 10), White);
    EXPECT_EQ(PixelAt(503, 14), White);
    EXPECT_EQ(CountPixels(White), 4 + 4 + 4 - 1);  // left column, top and bottom rows cut at 504
}

TEST_F(DrawingTest, OutlinesPartlyOrWhollyOutsideStayInsideTheWindow)
{
    TheScreen->DrawRectOutline(-10, -10, 20, 20, White);
    EXPECT_EQ(CountPixels(White), 10 + 10);  // only the right column and the bottom row
    Fill(Background);
    TheScreen->DrawRectOutline(-100, -100, 50, 50, White);
    TheScreen->DrawRectOutline(600, 400, 50, 50, White);
    TheScreen->DrawRectOutline(-2000000000, -2000000000, 2000000000, 2000000000, White);
    TheScreen->DrawRectOutline(2000000000, 2000000000, 2000000000, 2000000000, White);
    EXPECT_EQ(CountPixels(White), 0);
    TheScreen->DrawRectOutline(-1, -1, 504, 378, White);  // only the far edges are inside
    EXPECT_EQ(CountPixels(White), 503 + 377);
}

TEST_F(DrawingTest, ColoursOutside24BitsDrawNothing)
{
    TheScreen->DrawRectOutline(10, 10, 5, 5, 0x1000000);
    TheScreen->DrawRectOutline(10, 10, 5, 5, -1);
    EXPECT_EQ(CountPixels(Background), 504 * 378);
}

}  // namespace

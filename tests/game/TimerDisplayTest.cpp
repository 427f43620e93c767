// The level timer as the player sees it in play: minutes and seconds left,
// counted down one second every twenty frames of play, capped at 9:59.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <string>
#include <vector>

#include "app/CountdownTimer.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int MaxFrames = 500;
constexpr int FramesPerSecond = 20;
constexpr Uint32 Backdrop = 0x203040;  // what the timer's box holds before a frame

constexpr int GlyphCount = 95;
constexpr int FontHeight = 18;
int CodedGlyphWidth(int glyph) { return 2 + glyph % 7; }

// A large font whose every pixel tells its glyph, column and row, so that
// two drawings agree only if they show the same text at the same place.
void WriteCodedLargeFont(const Sandbox& sandbox)
{
    int total = 0;
    std::string widths;
    for (int glyph = 0; glyph < GlyphCount; ++glyph) {
        total += CodedGlyphWidth(glyph);
        widths += std::to_string(CodedGlyphWidth(glyph)) + "\n";
    }
    sandbox.Write("data/font18_chars_w.cfg", widths);
    SDL_Surface* bitmap = SDL_CreateRGBSurface(SDL_SWSURFACE, total, FontHeight, 32, 0xFF0000,
                                               0x00FF00, 0x0000FF, 0);
    auto* pixels = static_cast<Uint32*>(bitmap->pixels);
    for (int glyph = 0, left = 0; glyph < GlyphCount; left += CodedGlyphWidth(glyph++)) {
        for (int column = 0; column < CodedGlyphWidth(glyph); ++column) {
            for (int row = 0; row < FontHeight; ++row)
                pixels[row * bitmap->pitch / 4 + left + column] =
                    (glyph + 1) << 16 | column << 8 | (row + 1);
        }
    }
    SDL_SaveBMP(bitmap, "data/font18.bmp");
    SDL_FreeSurface(bitmap);
}

class TimerDisplayTest : public GameTest {
protected:
    void PrepareGameFiles() override { WriteCodedLargeFont(*sandbox); }

    // A level where nothing moves: both sides human, no key pressed.
    void PlayStandStillLevel(int timeLimit)
    {
        WriteCampaign("gulper", {TestMazes::StandStill()},
                      Settings(Human, Human, 1, 3.4, 2.4, timeLimit));
        EnterCampaignMenu(GulperCampaignMode);
        ASSERT_TRUE(StartAndPlay());
    }

    static CountdownTimer& Timer() { return *TheGui->timer; }

    static void FillBox(Uint32 colour)
    {
        const CountdownTimer& timer = Timer();
        SDL_Surface* const surface = TheScreen->surface;
        for (int y = timer.y; y < timer.y + timer.h; ++y) {
            for (int x = timer.x; x < timer.x + timer.w; ++x)
                static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x] = colour;
        }
    }
    static std::vector<Uint32> BoxPixels()
    {
        const CountdownTimer& timer = Timer();
        SDL_Surface* const surface = TheScreen->surface;
        std::vector<Uint32> pixels;
        for (int y = timer.y; y < timer.y + timer.h; ++y) {
            for (int x = timer.x; x < timer.x + timer.w; ++x)
                pixels.push_back(static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x]);
        }
        return pixels;
    }

    // What the next frame of play draws in the timer's box.
    static std::vector<Uint32> DrawnByNextFrame()
    {
        FillBox(Backdrop);
        RunFrames(1);
        return BoxPixels();
    }
    // The box as it looks holding this text: the button image, and the text
    // centred across the box at its top.
    static std::vector<Uint32> Showing(const std::string& text)
    {
        const CountdownTimer& timer = Timer();
        FillBox(Backdrop);
        TheScreen->Blit(timer.image, timer.x, timer.y, 0, 0, timer.w, timer.h);
        TextWidget(*TheGui->largeFont, text, 0, 0, timer.w, timer.h, AlignCentre, AlignTop)
            .Draw(timer.x, timer.y);
        return BoxPixels();
    }
    static std::string Shown()
    {
        const CountdownTimer& timer = Timer();
        return std::to_string(timer.minutes) + ":" + std::to_string(timer.tens) +
               std::to_string(timer.units);
    }
};

TEST_F(TimerDisplayTest, PlayBeginsShowingTheWholeLimit)
{
    PlayStandStillLevel(90);
    EXPECT_EQ(Shown(), "1:30");
    EXPECT_EQ(Timer().framesLeft, 90 * FramesPerSecond);
}

TEST_F(TimerDisplayTest, TheDisplayIsTheTextCentredAtTheTopOfItsBox)
{
    PlayStandStillLevel(90);
    const std::vector<Uint32> drawn = DrawnByNextFrame();
    const std::vector<Uint32> withText = Showing("1:30");
    ASSERT_NE(withText, Showing(""));  // the test font draws something
    EXPECT_EQ(drawn, Showing("1:30"));
}

TEST_F(TimerDisplayTest, OneSecondGoesAfterTwentyFramesOfPlay)
{
    PlayStandStillLevel(90);
    RunFrames(FramesPerSecond - 1);
    EXPECT_EQ(Shown(), "1:30");
    const std::vector<Uint32> drawn = DrawnByNextFrame();
    EXPECT_EQ(Shown(), "1:29");
    EXPECT_EQ(drawn, Showing("1:29"));
}

TEST_F(TimerDisplayTest, TheLastFrameOfPlayShowsNoughtAndTheNextEndsTheLevel)
{
    PlayStandStillLevel(90);
    RunFrames(90 * FramesPerSecond);
    EXPECT_EQ(Shown(), "0:00");
    EXPECT_EQ(Timer().framesLeft, 0);
    EXPECT_EQ(GameState, Playing);

    RunFrames(1);

    EXPECT_EQ(GameState, GulperWins);
    EXPECT_EQ(Timer().framesLeft, 0);  // not ticked on the frame that ends the level
}

TEST_F(TimerDisplayTest, PauseShowsTheTimerStandingStill)
{
    PlayStandStillLevel(90);
    RunFrames(3 * FramesPerSecond);
    TapKey(PauseGame);
    const std::vector<Uint32> paused = DrawnByNextFrame();
    RunFrames(2 * FramesPerSecond);
    EXPECT_EQ(DrawnByNextFrame(), paused);
    EXPECT_EQ(paused, Showing("1:27"));
}

TEST_F(TimerDisplayTest, ALongLimitIsShownAsNineFiftyNineAndPlayedInFull)
{
    PlayStandStillLevel(1000);
    EXPECT_EQ(Shown(), "9:59");
    EXPECT_EQ(DrawnByNextFrame(), Showing("9:59"));

    RunFrames(599 * FramesPerSecond - 1);
    EXPECT_EQ(Shown(), "0:00");
    EXPECT_EQ(Timer().framesLeft, 401 * FramesPerSecond);

    RunFrames(FramesPerSecond);
    EXPECT_EQ(Shown(), "0:00");  // stays at nought for the rest
    EXPECT_EQ(GameState, Playing);
}

}  // namespace

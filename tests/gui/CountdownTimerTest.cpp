// The level countdown: one second less shown every second of frames, and the
// box at the bottom centre of the window with the time centred at its top.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "gui/CountdownTimer.h"
#include "gui/Widgets.h"
#include "tests/gui/WindowTest.h"

namespace {

class CountdownTimerTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        font = MakeTestFont();
        timer = std::make_unique<CountdownTimer>(*font, nullptr);
    }
    // Resets the timer to a limit, runs frames of play, and gives the time shown.
    std::string ShownAfter(int limit, int frames)
    {
        if (limit) {
            timer->limit = limit;
            timer->Reset();
        }
        for (int frame = 0; frame < frames; ++frame)
            timer->Tick();
        return std::to_string(timer->minutes) + ":" + std::to_string(timer->tens) +
               std::to_string(timer->units);
    }
    static constexpr int Again = 0;  // a limit of ShownAfter: go on without a reset
    std::unique_ptr<BitmapFont> font;
    std::unique_ptr<CountdownTimer> timer;
};

TEST_F(CountdownTimerTest, TheDisplayStepsDownOneSecondEveryFramesPerSecondFrames)
{
    EXPECT_EQ(timer->limit, 90);  // every run starts with ninety seconds
    EXPECT_EQ(timer->framesLeft, 90 * 20);
    EXPECT_EQ(ShownAfter(Again, 0), "1:30");
    EXPECT_EQ(ShownAfter(90, 19), "1:30");
    EXPECT_EQ(ShownAfter(Again, 1), "1:29");
    EXPECT_EQ(ShownAfter(Again, 29 * 20), "1:00");
    EXPECT_EQ(ShownAfter(Again, 20), "0:59");
    EXPECT_EQ(ShownAfter(90, 1800), "0:00");  // the last frame of play
    EXPECT_EQ(timer->framesLeft, 0);
}

TEST_F(CountdownTimerTest, TheTimeIsDrawnCentredAtTheTopOfItsBoxAtTheBottomCentre)
{
    constexpr int BackgroundTag = 3;
    timer->image = CodedImage(72, 36, BackgroundTag);
    ShownAfter(5, 0);
    timer->Draw();
    EXPECT_EQ(PixelAt(216, 360), Coded(BackgroundTag, 0, 0));
    EXPECT_EQ(PixelAt(287, 377), Coded(BackgroundTag, 71, 17));
    EXPECT_EQ(PixelAt(215, 360), Background);
    EXPECT_EQ(PixelAt(288, 377), Background);
    EXPECT_EQ(PixelAt(216 + (72 - font->TextWidth("0:05")) / 2, 360), GlyphColour('0', 0, 0));

    const std::vector<Uint32> drawn = Snapshot();
    FillWindow(Background);
    TheScreen->Blit(timer->image, 216, 360, 0, 0, 72, 18);
    TextWidget(*font, "0:05", 0, 0, 72, 18, AlignCentre, AlignTop).Draw(216, 360);
    EXPECT_EQ(Snapshot(), drawn);
}

}  // namespace

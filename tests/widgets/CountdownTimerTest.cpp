// The level countdown: frames of play from the time limit, and the minutes
// and seconds shown, capped at 9:59.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/CountdownTimer.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/BitmapFont.h"
#include "gui/Widgets.h"
#include "tests/widgets/WindowTest.h"

namespace {

class CountdownTimerTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        font = MakeTestFont();
        timer = std::make_unique<CountdownTimer>(*font, nullptr);
    }
    // The time as the display shows it.
    std::string Shown() const
    {
        return std::to_string(timer->minutes) + ":" + std::to_string(timer->tens) +
               std::to_string(timer->units);
    }
    void Tick(int frames)
    {
        for (int frame = 0; frame < frames; ++frame)
            timer->Tick();
    }
    void StartLevel(int limit)
    {
        timer->limit = limit;
        timer->Reset();
    }
    std::unique_ptr<BitmapFont> font;
    std::unique_ptr<CountdownTimer> timer;
};

TEST_F(CountdownTimerTest, EveryRunStartsWithNinetySeconds)
{
    EXPECT_EQ(timer->limit, 90);
    EXPECT_EQ(timer->framesLeft, 90 * 20);
    EXPECT_EQ(Shown(), "1:30");
}

TEST_F(CountdownTimerTest, TheDisplayStepsDownOneSecondEveryFramesPerSecondFrames)
{
    StartLevel(90);
    Tick(19);
    EXPECT_EQ(Shown(), "1:30");
    Tick(1);
    EXPECT_EQ(Shown(), "1:29");
    Tick(29 * 20);
    EXPECT_EQ(Shown(), "1:00");
    Tick(20);
    EXPECT_EQ(Shown(), "0:59");
}

TEST_F(CountdownTimerTest, TheLastFrameOfPlayShowsNoTimeLeft)
{
    StartLevel(90);
    Tick(1800);
    EXPECT_EQ(Shown(), "0:00");
    EXPECT_EQ(timer->framesLeft, 0);
}

TEST_F(CountdownTimerTest, LongLimitsShowNineFiftyNineAndStopAtZero)
{
    StartLevel(600);
    EXPECT_EQ(Shown(), "9:59");
    EXPECT_EQ(timer->framesLeft, 12000);
    Tick(599 * 20);
    EXPECT_EQ(Shown(), "0:00");
    EXPECT_EQ(timer->framesLeft, 20);
    Tick(20);
    EXPECT_EQ(Shown(), "0:00");
    EXPECT_EQ(timer->framesLeft, 0);
}

TEST_F(CountdownTimerTest, AThousandSecondsAreAllPlayedThoughTheDisplayStopsEarlier)
{
    StartLevel(1000);
    Tick(599 * 20);
    EXPECT_EQ(Shown(), "0:00");
    Tick(400 * 20);
    EXPECT_EQ(Shown(), "0:00");
    EXPECT_EQ(timer->framesLeft, 20);
}

TEST_F(CountdownTimerTest, TheFrameCountFollowsTheFrameRateAtReset)
{
    TheScreen->SetFramesPerSecond(5);
    StartLevel(30);
    EXPECT_EQ(timer->framesLeft, 150);
    Tick(5);
    EXPECT_EQ(Shown(), "0:29");
    Tick(5);
    EXPECT_EQ(Shown(), "0:28");

    TheScreen->SetFramesPerSecond(20);
    StartLevel(30);
    EXPECT_EQ(timer->framesLeft, 600);
}

// Limits come from files; an absurd one must neither overflow nor show nonsense.
TEST_F(CountdownTimerTest, AbsurdLimitsAreKeptInRange)
{
    StartLevel(-5);
    EXPECT_EQ(Shown(), "0:00");
    EXPECT_EQ(timer->framesLeft, -100);
    StartLevel(INT_MAX);
    EXPECT_EQ(Shown(), "9:59");
    EXPECT_EQ(timer->framesLeft, INT_MAX);
}

class CountdownDrawTest : public CountdownTimerTest {
protected:
    static constexpr int BackgroundTag = 3;  // the coded background image
};

TEST_F(CountdownDrawTest, TheBoxSitsAtTheBottomCentreOfTheWindow)
{
    timer->image = CodedImage(72, 36, BackgroundTag);
    timer->Draw();
    EXPECT_EQ(PixelAt(216, 360), Coded(BackgroundTag, 0, 0));
    EXPECT_EQ(PixelAt(287, 377), Coded(BackgroundTag, 71, 17));
    EXPECT_EQ(PixelAt(215, 360), Background);
    EXPECT_EQ(PixelAt(288, 377), Background);
}

TEST_F(CountdownDrawTest, TheTimeIsCentredAcrossTheBoxAtItsTopEdge)
{
    StartLevel(5);
    timer->Draw();
    const std::vector<Uint32> drawn = Snapshot();
    EXPECT_EQ(PixelAt(216 + (72 - font->TextWidth("0:05")) / 2, 360), GlyphColour('0', 0, 0));

    Fill(Background);  // the same text in a centred, top-aligned widget over the box
    TextWidget(*font, "0:05", 0, 0, 72, 18, AlignCentre, AlignTop).Draw(216, 360);
    EXPECT_EQ(Snapshot(), drawn);
}

}  // namespace

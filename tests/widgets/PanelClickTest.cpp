// A click on a panel comes in two halves: the press marks the button under
// the pointer and plays the click; the release hands the pressed button's id on.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Panel.h"
#include "tests/widgets/WindowTest.h"

namespace {

// A panel at (100, 50), 200 x 100, with two buttons: "Play" at (20, 10),
// 72 x 18, and "x" at (180, 0), 30 x 30, reaching past the panel's right edge.
class PanelClickTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        play = &panel.AddButton(20, 10, 72, 18, nullptr, PlayButton, nullptr);
        close = &panel.AddButton(180, 0, 30, 30, nullptr, CloseButton, nullptr);
    }
    static int Clicks() { return TheSounds->playCount[ButtonClickSound]; }

    Panel panel{100, 50, 200, 100, nullptr};
    Button* play = nullptr;
    Button* close = nullptr;
};

TEST_F(PanelClickTest, APressStrictlyInsideAButtonMarksItAndGivesItsIndex)
{
    EXPECT_EQ(panel.PressAt(130, 65), 0);
    EXPECT_EQ(play->state, ButtonPressed);
    EXPECT_EQ(close->state, ButtonIdle);
}

TEST_F(PanelClickTest, TheFirstRowAndColumnOfAButtonAreNotInside)
{
    EXPECT_EQ(panel.PressAt(120, 65), NoHit);  // left edge column
    EXPECT_EQ(panel.PressAt(130, 60), NoHit);  // top edge row
    EXPECT_EQ(play->state, ButtonIdle);
    EXPECT_EQ(panel.PressAt(121, 61), 0);      // one pixel right of and below the corner
}

TEST_F(PanelClickTest, ThePixelJustPastAButtonIsNotInside)
{
    EXPECT_EQ(panel.PressAt(192, 65), NoHit);  // 100 + 20 + 72
    EXPECT_EQ(panel.PressAt(130, 78), NoHit);  // 50 + 10 + 18
    EXPECT_EQ(panel.PressAt(191, 77), 0);      // the last column and row
}

TEST_F(PanelClickTest, APressMustBeStrictlyInsideThePanelToo)
{
    EXPECT_EQ(panel.PressAt(300, 60), NoHit);  // inside "x", on the column past the panel
    EXPECT_EQ(close->state, ButtonIdle);
    EXPECT_EQ(panel.PressAt(299, 60), 1);
}

TEST_F(PanelClickTest, APressOnAButtonPlaysTheClickOnce)
{
    panel.PressAt(130, 65);
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(PanelClickTest, APressOnNoButtonPlaysNothing)
{
    EXPECT_EQ(panel.PressAt(150, 120), NoHit);  // inside the panel, on no button
    EXPECT_EQ(panel.PressAt(20, 20), NoHit);    // outside the panel
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(PanelClickTest, OnlyTheFirstOfOverlappingButtonsIsPressed)
{
    Button& under = panel.AddButton(20, 10, 72, 18, nullptr, StartButton, nullptr);
    EXPECT_EQ(panel.PressAt(130, 65), 0);
    EXPECT_EQ(under.state, ButtonIdle);
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(PanelClickTest, AReleaseAnywhereGivesThePressedButtonsIdAndFreesIt)
{
    panel.PressAt(130, 65);
    EXPECT_EQ(panel.TakeReleased(), PlayButton);
    EXPECT_EQ(play->state, ButtonIdle);
}

TEST_F(PanelClickTest, AReleaseWithNothingPressedGivesNoButton)
{
    EXPECT_EQ(panel.TakeReleased(), NoButton);
}

TEST_F(PanelClickTest, TwoPressesAreReleasedOneAtATimeInButtonOrder)
{
    panel.PressAt(290, 60);  // "x", the later button, first
    panel.PressAt(130, 65);
    EXPECT_EQ(panel.TakeReleased(), PlayButton);
    EXPECT_EQ(close->state, ButtonPressed);
    EXPECT_EQ(panel.TakeReleased(), CloseButton);
    EXPECT_EQ(panel.TakeReleased(), NoButton);
}

}  // namespace

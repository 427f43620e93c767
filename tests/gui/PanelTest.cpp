// Panels: drawing the background, each button's frame for its state with its
// label, then the widgets; and the press that marks the button strictly under
// the pointer and plays the click.
#include <gtest/gtest.h>

#include "platform/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Panel.h"
#include "tests/gui/WindowTest.h"

namespace {

constexpr int BackgroundTag = 1;  // tags of the coded images
constexpr int ButtonTag = 2;

using PanelDrawTest = WindowTest;

TEST_F(PanelDrawTest, BackgroundThenButtonFramesWithLabelsThenWidgets)
{
    const auto font = MakeTestFont();
    Panel panel(100, 50, 120, 90, CodedImage(200, 150, BackgroundTag));
    Button& button = panel.AddButton(10, 20, 30, 20, CodedImage(30, 40, ButtonTag), 7,
                                     std::make_unique<TextWidget>(*font, "x", 0, 0, 30, 20,
                                                                  AlignCentre, AlignMiddle));
    panel.AddWidget(std::make_unique<TextWidget>(*font, "M", 60, 20, 30, 20, AlignLeft, AlignTop));
    panel.AddButton(60, 20, 30, 20, CodedImage(30, 40, ButtonTag), 8, nullptr);  // under the widget
    panel.Draw();
    EXPECT_EQ(PixelAt(100, 50), Coded(BackgroundTag, 0, 0));  // only the panel's part of the image
    EXPECT_EQ(PixelAt(219, 139), Coded(BackgroundTag, 119, 89));
    EXPECT_EQ(CountDrawn(), 120 * 90);
    EXPECT_EQ(PixelAt(110, 70), Coded(ButtonTag, 0, 0));  // the idle frame
    const int left = 100 + 10 + (30 - GlyphWidth('x')) / 2;
    EXPECT_EQ(PixelAt(left, 50 + 20 + 1), GlyphColour('x', 0, 0));  // (20 - 18) / 2 = 1
    EXPECT_EQ(PixelAt(left - 1, 50 + 20 + 1), Coded(ButtonTag, left - 1 - 110, 1));
    EXPECT_EQ(PixelAt(160, 70), GlyphColour('M', 0, 0));
    EXPECT_EQ(PixelAt(160 + GlyphWidth('M'), 70), Coded(ButtonTag, GlyphWidth('M'), 0));

    button.state = ButtonPressed;
    panel.Draw();
    EXPECT_EQ(PixelAt(110, 70), Coded(ButtonTag, 0, 20));  // the pressed frame below
    EXPECT_EQ(PixelAt(139, 89), Coded(ButtonTag, 29, 39));
}

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

TEST_F(PanelClickTest, APressStrictlyInsideAButtonAndThePanelMarksItAndClicksOnce)
{
    const struct {
        int x, y, hit;
    } presses[] = {
        {120, 65, NoHit}, {130, 60, NoHit},  // the first column and row of "Play"
        {192, 65, NoHit}, {130, 78, NoHit},  // just past it
        {300, 60, NoHit},                    // inside "x", on the column past the panel
        {150, 120, NoHit}, {20, 20, NoHit},  // on no button, outside the panel
        {121, 61, 0}, {191, 77, 0}, {299, 60, 1},
    };
    for (const auto& press : presses) {
        EXPECT_EQ(panel.PressAt(press.x, press.y), press.hit) << press.x << ", " << press.y;
        EXPECT_EQ(Clicks(), press.hit == NoHit ? 0 : 1) << press.x << ", " << press.y;
        if (press.hit != NoHit) {
            EXPECT_EQ(panel.buttons[press.hit]->state, ButtonPressed);
        }
        panel.TakeReleased();
        TheSounds->playCount[ButtonClickSound] = 0;
    }
    panel.AddButton(20, 10, 72, 18, nullptr, StartButton, nullptr);  // under "Play"
    EXPECT_EQ(panel.PressAt(130, 65), 0);  // only the first of overlapping buttons
    EXPECT_EQ(panel.buttons[2]->state, ButtonIdle);
}

}  // namespace

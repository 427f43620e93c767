// Drawing a panel: the background, each button's frame for its state with its
// label, then the widgets.
#include <gtest/gtest.h>

#include "gui/Panel.h"
#include "tests/widgets/WindowTest.h"

namespace {

constexpr int BackgroundTag = 1;  // tags of the coded images
constexpr int ButtonTag = 2;

class PanelDrawTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        font = MakeTestFont();
        background = CodedImage(200, 150, BackgroundTag);
        buttonImage = CodedImage(30, 40, ButtonTag);  // two 30 x 20 frames
    }
    std::unique_ptr<BitmapFont> font;
    SDL_Surface* background = nullptr;
    SDL_Surface* buttonImage = nullptr;
};

TEST_F(PanelDrawTest, OnlyTheTopLeftPartOfTheBackgroundIsDrawn)
{
    Panel panel(100, 50, 120, 90, background);
    panel.Draw();
    EXPECT_EQ(PixelAt(100, 50), Coded(BackgroundTag, 0, 0));
    EXPECT_EQ(PixelAt(219, 139), Coded(BackgroundTag, 119, 89));
    EXPECT_EQ(CountDrawn(), 120 * 90);
}

TEST_F(PanelDrawTest, AButtonShowsTheFrameOfItsState)
{
    Panel panel(100, 50, 120, 90, nullptr);
    Button& button = panel.AddButton(10, 20, 30, 20, buttonImage, 7, nullptr);
    panel.Draw();
    EXPECT_EQ(PixelAt(110, 70), Coded(ButtonTag, 0, 0));
    EXPECT_EQ(PixelAt(139, 89), Coded(ButtonTag, 29, 19));
    EXPECT_EQ(CountDrawn(), 30 * 20);

    button.state = ButtonPressed;
    panel.Draw();
    EXPECT_EQ(PixelAt(110, 70), Coded(ButtonTag, 0, 20));
    EXPECT_EQ(PixelAt(139, 89), Coded(ButtonTag, 29, 39));
}

TEST_F(PanelDrawTest, ALabelIsAlignedInItsButton)
{
    Panel panel(100, 50, 120, 90, background);
    panel.AddButton(10, 20, 30, 20, buttonImage, 7,
                    std::make_unique<TextWidget>(*font, "x", 0, 0, 30, 20, AlignCentre,
                                                 AlignMiddle));
    panel.Draw();
    const int left = 100 + 10 + (30 - GlyphWidth('x')) / 2;
    EXPECT_EQ(PixelAt(left, 50 + 20 + 1), GlyphColour('x', 0, 0));  // (20 - 18) / 2 = 1
    EXPECT_EQ(PixelAt(left - 1, 50 + 20 + 1), Coded(ButtonTag, left - 1 - 110, 1));
}

TEST_F(PanelDrawTest, WidgetsAreDrawnOverTheButtons)
{
    Panel panel(100, 50, 120, 90, background);
    panel.AddWidget(std::make_unique<TextWidget>(*font, "M", 10, 20, 30, 20, AlignLeft, AlignTop));
    panel.AddButton(10, 20, 30, 20, buttonImage, 7, nullptr);  // added later, drawn first
    panel.Draw();
    EXPECT_EQ(PixelAt(110, 70), GlyphColour('M', 0, 0));
    EXPECT_EQ(PixelAt(110 + GlyphWidth('M'), 70), Coded(ButtonTag, GlyphWidth('M'), 0));
}

}  // namespace

// Texts aligned in a box, and the widgets that show the current value of a
// variable owned elsewhere.
#include <gtest/gtest.h>

#include "gui/Widgets.h"
#include "tests/gui/WindowTest.h"

namespace {

class TextWidgetTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        font = MakeTestFont();
    }
    // Draws the text in a box of w x h at (100, 50) and gives where its first
    // glyph starts: half the room (truncated toward zero) when centred.
    std::pair<int, int> StartOf(const std::string& text, int w, int h, int halign, int valign)
    {
        FillWindow(Background);
        TextWidget(*font, text, 0, 0, w, h, halign, valign).Draw(100, 50);
        for (int y = 0; y < TheScreen->height; ++y)
            for (int x = 0; x < TheScreen->width; ++x)
                if (PixelAt(x, y) == GlyphColour(text[0], 0, 0))
                    return {x - 100, y - 50};
        return {-999, -999};  // not drawn
    }
    std::unique_ptr<BitmapFont> font;
};

TEST_F(TextWidgetTest, TheTextIsAlignedInItsBoxFromTheOrigin)
{
    const int play = font->TextWidth("Play");  // odd room in a box of 72
    const int title = font->TextWidth("Controls configuration");
    ASSERT_EQ((72 - play) % 2, 1);
    ASSERT_EQ((20 - title) % 2, -1);
    EXPECT_EQ(StartOf("Play", 72, 18, AlignLeft, AlignTop), std::pair(0, 0));
    EXPECT_EQ(StartOf("Play", 72, 25, AlignCentre, AlignMiddle), std::pair((72 - play) / 2, 3));
    EXPECT_EQ(StartOf("Play", 72, 30, AlignRight, AlignBottom), std::pair(72 - play, 12));
    // Taller or wider than the box: it starts above or left of it. (The close
    // buttons: (12 - 18) / 2 = -3.)
    EXPECT_EQ(StartOf("x", 12, 12, AlignCentre, AlignMiddle), std::pair((12 - GlyphWidth('x')) / 2, -3));
    EXPECT_EQ(StartOf("Controls configuration", 20, 18, AlignCentre, AlignTop), std::pair((20 - title) / 2, 0));

    FillWindow(Background);
    TextWidget label(*font, "Play", 5, 7, 72, 18, AlignLeft, AlignTop);
    label.Draw(100, 50);
    EXPECT_EQ(PixelAt(105, 57), GlyphColour('P', 0, 0));
    EXPECT_EQ(CountDrawn(), play * TestFontHeight);
    FillWindow(Background);
    TextWidget(*font, "", 0, 0, 72, 18, AlignCentre, AlignMiddle).Draw(100, 50);
    EXPECT_EQ(CountDrawn(), 0);
}

// Drawing a value widget looks exactly like drawing a TextWidget with the value as its text.
class ValueWidgetTest : public TextWidgetTest {
protected:
    void ExpectShows(TextWidget& widget, const std::string& text)
    {
        FillWindow(Background);
        widget.Draw(100, 50);
        const std::vector<Uint32> drawn = Snapshot();
        FillWindow(Background);
        TextWidget(*font, text, widget.x, widget.y, widget.w, widget.h, widget.halign, widget.valign)
            .Draw(100, 50);
        EXPECT_EQ(widget.text, text);
        EXPECT_EQ(drawn, Snapshot()) << "showing " << text;
    }
};

TEST_F(ValueWidgetTest, ValueWidgetsShowTheValueAtTheTimeOfDrawing)
{
    int ghostCount = 4;
    IntWidget count(*font, &ghostCount, 10, 0, 40, 18, AlignCentre, AlignTop);
    ExpectShows(count, "4");
    ghostCount = -12;
    ExpectShows(count, "-12");

    double speed = 1.0;
    DoubleWidget shownSpeed(*font, &speed, 0, 0, 72, 18, AlignCentre, AlignMiddle);
    ExpectShows(shownSpeed, "1");
    speed += 0.1 + 0.1 + 0.1;
    ExpectShows(shownSpeed, "1.3");
}

}  // namespace

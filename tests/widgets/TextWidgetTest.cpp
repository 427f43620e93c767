// Texts aligned in a box, and the widgets that show the current value of a
// variable owned elsewhere.
#include <gtest/gtest.h>

#include "gui/BitmapFont.h"
#include "gui/Widgets.h"
#include "tests/widgets/WindowTest.h"

namespace {

class TextWidgetTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        font = MakeTestFont();
    }
    // Where the widget's text starts: the first pixel of its first glyph.
    static bool GlyphStartsAt(char first, int x, int y)
    {
        return PixelAt(x, y) == GlyphColour(first, 0, 0) &&
               PixelAt(x - 1, y) != GlyphColour(first, 0, 0);
    }
    std::unique_ptr<BitmapFont> font;
};

TEST_F(TextWidgetTest, LeftAndTopPutTheTextAtTheBoxCornerFromTheOrigin)
{
    TextWidget label(*font, "Play", 5, 7, 72, 18, AlignLeft, AlignTop);
    label.Draw(100, 50);
    EXPECT_TRUE(GlyphStartsAt('P', 105, 57));
    EXPECT_EQ(CountDrawn(), font->TextWidth("Play") * TestFontHeight);
}

TEST_F(TextWidgetTest, CentringSplitsTheRoomTruncatingTowardZero)
{
    const int room = 72 - font->TextWidth("Play");
    ASSERT_EQ(room % 2, 1);
    TextWidget label(*font, "Play", 0, 0, 72, 25, AlignCentre, AlignMiddle);
    label.Draw(100, 50);
    EXPECT_TRUE(GlyphStartsAt('P', 100 + (room - 1) / 2, 50 + 3));  // (25 - 18) / 2 = 3
}

TEST_F(TextWidgetTest, RightAndBottomPutTheTextAgainstTheFarEdges)
{
    TextWidget label(*font, "Play", 0, 0, 72, 30, AlignRight, AlignBottom);
    label.Draw(100, 50);
    EXPECT_TRUE(GlyphStartsAt('P', 100 + 72 - font->TextWidth("Play"), 50 + 12));
}

// The close buttons: (12 - 18) / 2 = -3, so the glyph starts 3 pixels above the button.
TEST_F(TextWidgetTest, TextTallerThanItsBoxStartsAboveIt)
{
    TextWidget close(*font, "x", 0, 0, 12, 12, AlignCentre, AlignMiddle);
    close.Draw(100, 50);
    EXPECT_TRUE(GlyphStartsAt('x', 100 + (12 - GlyphWidth('x')) / 2, 47));
}

TEST_F(TextWidgetTest, TextWiderThanItsBoxStartsLeftOfItWhenCentred)
{
    const std::string text = "Controls configuration";
    const int room = 20 - font->TextWidth(text);  // negative and odd
    ASSERT_EQ(room % 2, -1);
    TextWidget title(*font, text, 0, 0, 20, 18, AlignCentre, AlignTop);
    title.Draw(200, 50);
    EXPECT_TRUE(GlyphStartsAt('C', 200 + room / 2, 50));  // truncated toward zero
}

TEST_F(TextWidgetTest, AnEmptyTextDrawsNothing)
{
    TextWidget empty(*font, "", 0, 0, 72, 18, AlignCentre, AlignMiddle);
    empty.Draw(100, 50);
    EXPECT_EQ(CountDrawn(), 0);
}

// Drawing a value widget looks exactly like drawing a TextWidget with the value as its text.
class ValueWidgetTest : public TextWidgetTest {
protected:
    void ExpectShows(TextWidget& widget, const std::string& text)
    {
        Fill(Background);
        widget.Draw(100, 50);
        const std::vector<Uint32> drawn = Snapshot();
        Fill(Background);
        TextWidget(*font, text, widget.x, widget.y, widget.w, widget.h, widget.halign,
                   widget.valign)
            .Draw(100, 50);
        EXPECT_EQ(widget.text, text);
        EXPECT_EQ(drawn, Snapshot()) << "showing " << text;
    }
};

TEST_F(ValueWidgetTest, AnIntWidgetShowsTheValueAtTheTimeOfDrawing)
{
    int ghostCount = 4;
    IntWidget shown(*font, &ghostCount, 10, 0, 40, 18, AlignCentre, AlignTop);
    ExpectShows(shown, "4");
    ghostCount = -12;
    ExpectShows(shown, "-12");
    EXPECT_EQ(ghostCount, -12);
}

TEST_F(ValueWidgetTest, ADoubleWidgetShowsTheValueWithoutTrailingZeros)
{
    double speed = 1.0;
    DoubleWidget shown(*font, &speed, 0, 0, 72, 18, AlignCentre, AlignMiddle);
    ExpectShows(shown, "1");
    speed += 0.1 + 0.1 + 0.1;
    ExpectShows(shown, "1.3");
}

TEST_F(ValueWidgetTest, ALookupWidgetShowsTheNamePickedByTheIndex)
{
    const std::vector<std::string> controllers = {"Human", "AI"};
    int controller = 1;
    LookupWidget shown(*font, &controller, &controllers, 0, 0, 72, 18, AlignCentre, AlignMiddle);
    ExpectShows(shown, "AI");
    controller = 0;
    ExpectShows(shown, "Human");
}

// A value read from a file can lie outside the list; nothing outside it is read.
TEST_F(ValueWidgetTest, ALookupWidgetShowsAQuestionMarkForAnIndexOutsideItsList)
{
    const std::vector<std::string> controllers = {"Human", "AI"};
    for (int controller : {-1, 2, 999999999}) {
        LookupWidget shown(*font, &controller, &controllers, 0, 0, 72, 18, AlignLeft, AlignTop);
        ExpectShows(shown, "?");
    }
}

}  // namespace

// The custom game screen: the speeds (a tenth more a click, wrapping to 1
// above 5 and 4), the custom maze (1 to 99, skipping missing files) and "Start!".
#include <gtest/gtest.h>

#include "tests/game/GameTest.h"

namespace {

constexpr int GhostCountWidget = 6;  // the panel's numbers, in its widget order
constexpr int MapWidget = 8;
constexpr int TimerWidget = 10;

class CustomGameScreenTest : public GameTest {
protected:
    // Maps 1 to 6 hold 1 to 6 corn, so the corn left tells which one is loaded.
    void PrepareGameFiles() override
    {
        for (int map = 1; map <= 6; ++map)
            WriteLevel("data/map_" + std::to_string(map) + ".lev", TestMazes::WithCorn(map));
    }
    void SetUp() override
    {
        GameTest::SetUp();
        Click(PlayButton);
        Click(CustomGameButton);
    }
    // Shows a map as the player left it last time, marked so that a reload would show.
    static void OpenMarkedMap(int mapNumber)
    {
        TheConfig->mapNumber = mapNumber;
        TheMaze->LoadNumbered(TheConfig->mapNumber, true);
        TheMaze->SetCell({5, 5}, Corn);
    }
    // What the button showed when the panel was last drawn.
    static std::string Shown(int buttonId)
    {
        RunFrames(1);
        return ButtonOf(buttonId).label->text;
    }
    static int& Limit() { return TheGui->timer->limit; }
};

TEST_F(CustomGameScreenTest, SpeedsClimbByATenthAndWrapHalfAStepAboveTheirTop)
{
    const struct {
        int button;
        double from, to;
        int clicks;
    } cases[] = {
        {GulperSpeedButton, 1.0, 1.3, 3},
        {GulperSpeedButton, 4.9, 5.0, 1},
        {GulperSpeedButton, 5.0, 1.0, 1},
        {GulperSpeedButton, 4.9999999, 1.0, 1},  // what forty additions of 0.1 can leave
        {GulperSpeedButton, 0.5, 1.1, 6},        // below one: no wrap on the way up
        {GhostSpeedButton, 3.9, 4.0, 1},
        {GhostSpeedButton, 4.0, 1.0, 1},
        {GhostSpeedButton, 0.5, 1.1, 6},
    };
    for (const auto& c : cases) {
        double& speed = c.button == GulperSpeedButton ? TheConfig->gulperSpeed : TheConfig->ghostSpeed;
        speed = c.from;
        for (int click = 0; click < c.clicks; ++click)
            Click(c.button);
        EXPECT_NEAR(speed, c.to, 1e-9) << c.from;
    }
    TheConfig->gulperSpeed = 1.0 + 0.1 + 0.1 + 0.1;  // not exactly 1.3, but shown as 1.3
    EXPECT_EQ(Shown(GulperSpeedButton), "1.3");
}

TEST_F(CustomGameScreenTest, TheMapButtonsLoadTheNextOrPreviousMapAtOnceWithinOneToNinetyNine)
{
    sandbox->Remove("data/map_4.lev");
    const struct {
        int from, button, to, corn;
    } cases[] = {
        {2, PlusButton, 3, 3}, {3, MinusButton, 2, 2},
        {5, MinusButton, 3, 3},  // skipping the missing map 4
        {1, MinusButton, 1, -1},  // nothing changed or loaded: the mark stays
        {99, PlusButton, 99, -1},
    };
    for (const auto& c : cases) {
        OpenMarkedMap(c.from);
        const int cornBefore = TheMaze->cornLeft;
        Click(c.button);
        EXPECT_EQ(TheConfig->mapNumber, c.to) << c.from;
        EXPECT_EQ(TheMaze->CellAt(5, 5) == Corn, c.from == c.to) << c.from;
        EXPECT_EQ(TheMaze->cornLeft, c.from == c.to ? cornBefore : c.corn) << c.from;
    }
    TheConfig->mapNumber = 2;
    RunFrames(1);
    EXPECT_EQ(WidgetText(MapWidget), "2");
}

TEST_F(CustomGameScreenTest, StartReadsTheMapAgainAndPlaysTheSettingsChosen)
{
    OpenMarkedMap(2);  // as if a previous game had changed the maze
    TheConfig->gulperController = TheConfig->ghostsController = Human;
    TheConfig->ghostCount = 1;
    Click(GhostCountUpButton);
    Click(GulperSideButton);
    Click(StartButton);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Wall);
    EXPECT_EQ(TheMaze->cornLeft, 2);
    RunFrames(1);
    EXPECT_EQ(GameState, LevelIntro);
    EXPECT_EQ(Played(StartingLevelMusic), 1);
    EXPECT_EQ(TheSquad->ghosts.size(), 2u);
    EXPECT_EQ(TheSquad->controller, Human);
    EXPECT_EQ(TheGulper->controller, Computer);
}

}  // namespace

// A maze smaller than the window: the menu's preview, the level and the
// menu after it each show only themselves around it, never the panels,
// messages or larger maze of the frames before.
TEST_F(CustomGameScreenTest, ATinyMazeLeavesNoOldPicturesAroundIt)
{
    constexpr int TinyMap = 7;
    constexpr int TinyWidth = 5, TinyHeight = 4;
    WriteLevel("data/map_" + std::to_string(TinyMap) + ".lev",
               {"#####", "#P.C#", "#.G.#", "#####"});
    // The pixels that are not black, outside the maze and the given panel.
    auto strayPixels = [](const Panel& panel) {
        int count = 0;
        for (int y = 0; y < TheScreen->height; ++y)
            for (int x = 0; x < TheScreen->width; ++x) {
                const bool inMaze = x < TinyWidth * 18 && y < TinyHeight * 18;
                const bool inPanel = x >= panel.x && x < panel.x + panel.w && y >= panel.y &&
                                     y < panel.y + panel.h;
                count += !inMaze && !inPanel && PixelAt(x, y) != 0;
            }
        return count;
    };
    TheConfig->gulperController = TheConfig->ghostsController = Computer;
    TheConfig->mapNumber = TinyMap - 1;
    Click(PlusButton);  // the preview replaces a maze that filled the window
    ASSERT_EQ(TheMaze->width, TinyWidth);
    RunFrames(1);
    EXPECT_EQ(strayPixels(*TheGui->customGameMenu), 0);
    Click(StartButton);
    ASSERT_TRUE(RunUntilState(GhostsWin));
    RunFrames(1);
    EXPECT_EQ(strayPixels(*TheGui->ghostsWinMessage), 0);
    ASSERT_TRUE(RunUntilState(CustomGameMenu));
    RunFrames(1);
    EXPECT_EQ(strayPixels(*TheGui->customGameMenu), 0);
}

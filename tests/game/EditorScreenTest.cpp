// The level editor: the bar at the bottom of the window, painting the
// custom mazes cell by cell, browsing them by number, saving and resetting,
// and what happens to painting that was never saved.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <filesystem>

#include "app/Config.h"
#include "app/GameState.h"
#include "app/GameTypes.h"
#include "app/Globals.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "input/KeyBindings.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"
#include "tests/game/ScreenTestSupport.h"

using namespace ScreenTests;

namespace {

constexpr int CellPixels = 18;
constexpr int MapNumberWidget = 1;  // after "Map #"
constexpr int TallMap = 7;          // 25 rows: its row 20, under the bar, may be painted
constexpr int TallMapHeight = 25;
constexpr int RepairGulperCell = 291;  // where saving puts a missing gulper start

class EditorScreenTest : public GameTest {
protected:
    // Maps 1 to 6 hold 1 to 6 corn on row 1 and walls below, so the corn
    // left tells which one is loaded.
    void PrepareGameFiles() override
    {
        for (int map = 1; map <= 6; ++map)
            WriteLevel(MapFile(map), MapWithCorn(map));
        WriteLevel(MapFile(TallMap), MapWithCorn(TallMap, TallMapHeight));
    }

    void SetUp() override
    {
        GameTest::SetUp();
        Open(1);
    }

    static std::string MapFile(int map) { return "data/map_" + std::to_string(map) + ".lev"; }

    // Leaves the editor if it is open and enters it again on a map.
    static void Open(int map)
    {
        GameState = MainMenu;
        TheConfig->mapNumber = map;
        Click(EditorButton);
        ASSERT_EQ(GameState, LevelEditor);
        ASSERT_EQ(TheConfig->mapNumber, map);
    }

    static int PixelOf(int cell) { return cell * CellPixels + CellPixels / 2; }

    // A click in the middle of a cell.
    static void ClickCell(int x, int y)
    {
        TheGui->OnLeftDown(PixelOf(x), PixelOf(y));
        TheGui->OnLeftUp(PixelOf(x), PixelOf(y));
    }

    static void ChooseBrush(int code)
    {
        while (TheBrush->brush != code)
            Click(BrushButton);
    }

    static std::string ShownBrush()
    {
        RunFrames(1);
        return ButtonOf(BrushButton).label->text;
    }

    static void WindowCentreOf(int id, int& x, int& y) { CentreOf(ButtonOf(id), x, y); }
};

TEST_F(EditorScreenTest, TheBarLiesOverTheBottomStripOfTheWindow)
{
    const Panel& bar = *TheGui->editorBar;
    EXPECT_EQ(bar.x, 36);
    EXPECT_EQ(bar.y, 360);
    EXPECT_EQ(bar.w, 432);
    EXPECT_EQ(bar.h, 18);
    std::vector<int> ids;
    for (const auto& button : bar.buttons)
        ids.push_back(button->id);
    EXPECT_EQ(ids, (std::vector<int>{PlusButton, MinusButton, CloseButton, BrushButton,
                                     SaveMapButton, ResetMapButton}));
    RunFrames(1);
    EXPECT_EQ(WidgetText(0), "Map #");
    EXPECT_EQ(WidgetText(MapNumberWidget), "1");
}

TEST_F(EditorScreenTest, TheBrushButtonCyclesThroughTheElements)
{
    EXPECT_EQ(ShownBrush(), "Tunnel");
    for (const char* name : {"Wall", "Corn", "Boost", "Gulper", "Ghosts", "Tunnel"}) {
        Click(BrushButton);
        EXPECT_EQ(ShownBrush(), name);
    }
}

TEST_F(EditorScreenTest, APressOnTheMazePaintsTheCellUnderIt)
{
    ChooseBrush(Boost);
    ClickCell(5, 1);
    EXPECT_EQ(TheMaze->CellAt(5, 1), Boost);
    EXPECT_TRUE(TheBrush->unsavedChanges);
}

TEST_F(EditorScreenTest, DraggingPaintsEveryCellPassedOnce)
{
    ChooseBrush(Corn);
    TheGui->OnLeftDown(PixelOf(2), PixelOf(5));
    for (int x = 3; x <= 6; ++x)
        TheGui->OnLeftDrag(PixelOf(x), PixelOf(5));
    for (int x = 2; x <= 6; ++x)
        EXPECT_EQ(TheMaze->CellAt(x, 5), Corn) << x;

    // Moving on within the last cell does not paint it again.
    TheMaze->SetCell({6, 5}, Wall);
    TheGui->OnLeftDrag(PixelOf(6) + 3, PixelOf(5) - 4);
    EXPECT_EQ(TheMaze->CellAt(6, 5), Wall);
    TheGui->OnLeftUp(PixelOf(6), PixelOf(5));
}

TEST_F(EditorScreenTest, TheSameCellIsPaintedAgainOnlyWithAnotherElement)
{
    ChooseBrush(Corn);
    ClickCell(5, 5);
    TheMaze->SetCell({5, 5}, Wall);
    ClickCell(5, 5);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Wall);

    Click(BrushButton);  // Boost
    ClickCell(5, 5);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Boost);
}

TEST_F(EditorScreenTest, ThereIsOnlyEverOneGulperStartAndOneGhostStart)
{
    ChooseBrush(GulperStart);
    ClickCell(5, 5);
    EXPECT_EQ(TheMaze->CellAt(1, 1), Tunnel);
    EXPECT_EQ(CountCells(GulperStart), 1);

    ChooseBrush(GhostStart);
    ClickCell(6, 5);
    ClickCell(7, 5);
    EXPECT_EQ(TheMaze->CellAt(26, 1), Tunnel);
    EXPECT_EQ(TheMaze->CellAt(6, 5), Tunnel);
    EXPECT_EQ(TheMaze->CellAt(7, 5), GhostStart);
    EXPECT_EQ(CountCells(GhostStart), 1);
}

TEST_F(EditorScreenTest, TheBottomRowIsNeverPainted)
{
    ChooseBrush(Corn);
    // Inside the bar beside its buttons, and left of the bar: both on row 20.
    TheGui->OnLeftDown(36 + 5, 369);
    TheGui->OnLeftUp(36 + 5, 369);
    ClickCell(0, 20);
    TheGui->OnLeftDown(PixelOf(3), PixelOf(19));
    TheGui->OnLeftDrag(PixelOf(3), PixelOf(20));
    TheGui->OnLeftUp(PixelOf(3), PixelOf(20));
    EXPECT_EQ(TheMaze->CellAt(3, 19), Corn);
    EXPECT_EQ(CountCells(Corn), 2);  // the map's own and row 19's
    EXPECT_EQ(TheMaze->CellAt(3, 20), Wall);
}

TEST_F(EditorScreenTest, APressOnABarButtonNeverPaints)
{
    Open(TallMap);
    ChooseBrush(Corn);
    int x = 0, y = 0;
    WindowCentreOf(BrushButton, x, y);
    const int cellX = x / CellPixels;
    const int cellY = y / CellPixels;
    ASSERT_EQ(cellY, 20);
    TheGui->OnLeftDown(x, y);
    EXPECT_EQ(TheMaze->CellAt(cellX, cellY), Wall);
    TheGui->OnLeftUp(x, y);
    EXPECT_EQ(TheBrush->brush, Boost);

    // Beside the buttons, the bar lets the press through to the maze.
    TheGui->OnLeftDown(36 + 5, 369);
    TheGui->OnLeftUp(36 + 5, 369);
    EXPECT_EQ(TheMaze->CellAt(2, 20), Boost);
}

TEST_F(EditorScreenTest, AButtonPressedThenDraggedOffPaintsAndStillActs)
{
    ChooseBrush(Corn);
    int x = 0, y = 0;
    WindowCentreOf(BrushButton, x, y);
    TheGui->OnLeftDown(x, y);
    TheGui->OnLeftDrag(PixelOf(3), PixelOf(4));
    TheGui->OnLeftDrag(PixelOf(4), PixelOf(4));
    TheGui->OnLeftUp(PixelOf(4), PixelOf(4));
    EXPECT_EQ(TheMaze->CellAt(3, 4), Corn);
    EXPECT_EQ(TheMaze->CellAt(4, 4), Corn);
    EXPECT_EQ(TheBrush->brush, Boost);
}

TEST_F(EditorScreenTest, PlusAndMinusBrowseTheMaps)
{
    Open(3);
    Click(PlusButton);
    EXPECT_EQ(TheConfig->mapNumber, 4);
    EXPECT_EQ(TheMaze->cornLeft, 4);
    Click(MinusButton);
    Click(MinusButton);
    EXPECT_EQ(TheConfig->mapNumber, 2);
    EXPECT_EQ(TheMaze->cornLeft, 2);
    EXPECT_EQ(GameState, LevelEditor);
}

TEST_F(EditorScreenTest, MinusSkipsAMissingMap)
{
    sandbox->Remove(MapFile(4));
    Open(5);
    Click(MinusButton);
    EXPECT_EQ(TheConfig->mapNumber, 3);
    EXPECT_EQ(TheMaze->cornLeft, 3);
    RunFrames(1);
    EXPECT_EQ(WidgetText(MapNumberWidget), "3");
}

TEST_F(EditorScreenTest, MinusAtMapOneAndPlusAtNinetyNineDoNothing)
{
    ChooseBrush(Boost);
    ClickCell(5, 1);
    Click(MinusButton);
    EXPECT_EQ(TheConfig->mapNumber, 1);
    EXPECT_EQ(TheMaze->CellAt(5, 1), Boost);  // not reloaded

    Open(99);
    ClickCell(6, 1);
    Click(PlusButton);
    EXPECT_EQ(TheConfig->mapNumber, 99);
    EXPECT_EQ(TheMaze->CellAt(6, 1), Boost);
}

TEST_F(EditorScreenTest, SavedPaintingSurvivesAReset)
{
    ChooseBrush(Boost);
    ClickCell(5, 1);
    Click(SaveMapButton);
    EXPECT_FALSE(TheBrush->unsavedChanges);
    CaptureOutput();
    Click(ResetMapButton);
    EXPECT_EQ(TakeOutput(), "");  // nothing was dropped
    EXPECT_EQ(TheMaze->CellAt(5, 1), Boost);
}

TEST_F(EditorScreenTest, SavingAMapWithoutGulperStartAddsOne)
{
    ChooseBrush(Wall);
    ClickCell(1, 1);  // over the only gulper start
    ASSERT_EQ(CountCells(GulperStart), 0);
    Click(SaveMapButton);
    EXPECT_EQ(TheMaze->cells[RepairGulperCell], GulperStart);  // shown at once
    Click(ResetMapButton);
    EXPECT_EQ(TheMaze->cells[RepairGulperCell], GulperStart);  // and in the file
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{RepairGulperCell % MapWidth,
                                             RepairGulperCell / MapWidth}));
}

TEST_F(EditorScreenTest, ResetRestoresTheFileAndNamesTheMapWhosePaintingIsDropped)
{
    Open(2);
    ChooseBrush(Boost);
    ClickCell(3, 1);
    CaptureOutput();
    Click(ResetMapButton);
    EXPECT_EQ(TakeOutput(), "Unsaved changes to map 2 were dropped.\n");
    EXPECT_EQ(TheMaze->CellAt(3, 1), Corn);
    EXPECT_EQ(GameState, LevelEditor);
}

TEST_F(EditorScreenTest, CloseDropsUnsavedPaintingAndReturnsToTheMainMenu)
{
    ChooseBrush(Boost);
    ClickCell(5, 5);
    CaptureOutput();
    Click(CloseButton);
    EXPECT_EQ(TakeOutput(), "Unsaved changes to map 1 were dropped.\n");
    EXPECT_EQ(GameState, MainMenu);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Wall);
}

TEST_F(EditorScreenTest, BrowsingAwayNamesTheMapLeftBehind)
{
    Open(3);
    ChooseBrush(Boost);
    ClickCell(5, 5);
    CaptureOutput();
    Click(PlusButton);
    Click(MinusButton);  // nothing painted on map 4: nothing to say
    EXPECT_EQ(TakeOutput(), "Unsaved changes to map 3 were dropped.\n");
    EXPECT_EQ(TheMaze->CellAt(5, 5), Wall);
}

TEST_F(EditorScreenTest, TheExitKeyDropsUnsavedPaintingToo)
{
    ChooseBrush(Boost);
    ClickCell(5, 5);
    CaptureOutput();
    TapKey(ExitGame);
    EXPECT_EQ(TakeOutput(), "Unsaved changes to map 1 were dropped.\n");
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(EditorScreenTest, AMapThatCannotBeWrittenKeepsItsPaintingUnsaved)
{
    // Maps are written beside themselves first; a folder in the way stops that.
    std::filesystem::create_directory(sandbox->path + "/data/map_1.lev.tmp");
    const std::string fileBefore = sandbox->Read(MapFile(1));
    ChooseBrush(Boost);
    ClickCell(5, 1);
    CaptureOutput();
    Click(SaveMapButton);
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/map_1.lev");
    EXPECT_EQ(GameState, LevelEditor);
    EXPECT_TRUE(TheBrush->unsavedChanges);
    EXPECT_EQ(TheMaze->CellAt(5, 1), Boost);
    EXPECT_EQ(sandbox->Read(MapFile(1)), fileBefore);
}

}  // namespace

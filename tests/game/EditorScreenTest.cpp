// The level editor: painting the custom mazes cell by cell with the chosen
// element (never under the bar, never by a press on a bar button), browsing
// them by number, saving (with the repair) and resetting; leaving a map with
// painting never saved asks first whether to save it, drop it (naming the map
// that lost it) or go back to it. The bar stars the number of a map
// with unsaved painting and, for a while after a save, the Save button says
// whether it worked.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tests/game/GameTest.h"

namespace {

constexpr int TallMap = 7;  // 25 rows: its row 20, under the bar, may be painted
constexpr int TheExitKey = -1;  // in place of a button id: the "Exit game" key

int PixelOf(int cell)
{
    return cell * 18 + 9;
}

class EditorScreenTest : public GameTest {
protected:
    // Maps 1 to 6 hold 1 to 6 corn on row 1 and walls below, so the corn
    // left tells which one is loaded.
    void PrepareGameFiles() override
    {
        for (int map = 1; map <= 6; ++map)
            WriteLevel(MapFile(map), TestMazes::WithCorn(map));
        WriteLevel(MapFile(TallMap), TestMazes::WithCorn(TallMap, 25));
    }
    void SetUp() override
    {
        GameTest::SetUp();
        Open(1);
    }
    static std::string MapFile(int map) { return "data/map_" + std::to_string(map) + ".lev"; }
    // Enters the editor from the main menu on a map.
    static void Open(int map)
    {
        GameState = MainMenu;
        TheConfig->mapNumber = map;
        Click(EditorButton);
        ASSERT_EQ(TheConfig->mapNumber, map);
    }
    static void ClickCell(int x, int y) { ClickPoint(PixelOf(x), PixelOf(y)); }
    static void ChooseBrush(CellCode code)
    {
        while (TheBrush->brush != IndexOf(code))
            Click(BrushButton);
    }
    // The pixels the bar showed, when last drawn, in a box of its own.
    static std::vector<uint32_t> Shown(int x, int y, int w, int h)
    {
        const Panel& bar = *TheGui->PanelOf(LevelEditor);
        std::vector<uint32_t> pixels;
        for (int row = y; row < y + h; ++row)
            for (int column = x; column < x + w; ++column)
                pixels.push_back(PixelAt(bar.x + column, bar.y + row));
        return pixels;
    }
    static std::vector<uint32_t> MapNumberShown()
    {
        const TextWidget& number = *TheGui->PanelOf(LevelEditor)->widgets.at(1);
        return Shown(number.x, number.y, number.w, number.h);
    }
    static std::vector<uint32_t> SaveButtonShown()
    {
        const Button& save = ButtonOf(SaveMapButton);
        return Shown(save.x, save.y, save.w, save.h);
    }
    // What the editor says when it is left or reloaded by the button or key.
    static std::string SaidOn(int id)
    {
        CaptureOutput();
        id == TheExitKey ? TapKey(ExitGame) : Click(id);
        return TakeOutput();
    }
};

TEST_F(EditorScreenTest, PaintingPaintsEachCellPassedOnceWithOneStartOfEachKind)
{
    ChooseBrush(Corn);
    TheGui->OnLeftDown(PixelOf(2), PixelOf(5));
    for (int x = 3; x <= 6; ++x)
        TheGui->OnLeftDrag(PixelOf(x), PixelOf(5));
    for (int x = 2; x <= 6; ++x)
        EXPECT_EQ(TheMaze->CellAt(x, 5), Corn) << x;
    TheMaze->SetCell({6, 5}, Wall);
    TheGui->OnLeftDrag(PixelOf(6) + 3, PixelOf(5) - 4);  // on within the last cell: not again
    TheGui->OnLeftUp(PixelOf(6), PixelOf(5));
    EXPECT_EQ(TheMaze->CellAt(6, 5), Wall);
    EXPECT_TRUE(TheBrush->unsavedChanges);
    Click(BrushButton);  // another element paints the same cell again
    ClickCell(6, 5);
    EXPECT_EQ(TheMaze->CellAt(6, 5), Boost);

    ChooseBrush(GulperStart);
    ClickCell(5, 6);
    EXPECT_EQ(TheMaze->CellAt(1, 1), Tunnel);
    ChooseBrush(GhostStart);
    ClickCell(6, 6);
    ClickCell(7, 6);
    EXPECT_EQ(TheMaze->CellAt(26, 1), Tunnel);
    EXPECT_EQ(TheMaze->CellAt(7, 6), GhostStart);
    EXPECT_EQ(CountCells(GulperStart), 1);
    EXPECT_EQ(CountCells(GhostStart), 1);
}

TEST_F(EditorScreenTest, NeitherTheBottomRowNorAPressOnABarButtonIsPainted)
{
    ChooseBrush(Corn);
    ClickPoint(36 + 5, 369);  // inside the bar beside its buttons, on row 20
    ClickCell(0, 20);         // left of the bar
    TheGui->OnLeftDown(PixelOf(3), PixelOf(19));
    TheGui->OnLeftDrag(PixelOf(3), PixelOf(20));
    TheGui->OnLeftUp(PixelOf(3), PixelOf(20));
    EXPECT_EQ(TheMaze->CellAt(3, 19), Corn);
    EXPECT_EQ(CountCells(Corn), 2);  // the map's own and row 19's

    Open(TallMap);
    ChooseBrush(Corn);
    int x = 0, y = 0;
    CentreOf(ButtonOf(BrushButton), x, y);
    ASSERT_EQ(y / 18, 20);
    TheGui->OnLeftDown(x, y);
    TheGui->OnLeftDrag(PixelOf(3), PixelOf(4));  // dragged off the button: paints on the way
    TheGui->OnLeftUp(PixelOf(3), PixelOf(4));
    EXPECT_EQ(TheMaze->CellAt(x / 18, 20), Wall);
    EXPECT_EQ(TheMaze->CellAt(3, 4), Corn);
    EXPECT_EQ(TheBrush->brush, IndexOf(Boost));  // and the button still acts
    ClickPoint(36 + 5, 369);  // beside the buttons the bar lets the press through
    EXPECT_EQ(TheMaze->CellAt(2, 20), Boost);
}

// The steps themselves (skipping missing maps) are the custom game screen's.
TEST_F(EditorScreenTest, PlusAndMinusStopAtOneAndNinetyNineKeepingThePainting)
{
    const struct {
        int map, button, x;  // a column of row 1 to paint: the brush paints a cell once in a row
    } ends[] = {{1, MinusButton, 5}, {99, PlusButton, 6}};
    for (const auto& end : ends) {
        Open(end.map);
        ChooseBrush(Boost);
        ClickCell(end.x, 1);
        Click(end.button);
        EXPECT_EQ(TheConfig->mapNumber, end.map);
        EXPECT_EQ(TheMaze->CellAt(end.x, 1), Boost);  // not reloaded
    }
    Open(3);
    Click(PlusButton);
    RunFrames(1);
    EXPECT_EQ(WidgetText(1), "4");  // the map number, after "Map #"
}

TEST_F(EditorScreenTest, SavingRepairsTheMapAndKeepsThePaintingThroughAReset)
{
    ChooseBrush(Boost);
    ClickCell(5, 1);
    ChooseBrush(Wall);
    ClickCell(1, 1);  // over the only gulper start
    Click(SaveMapButton);
    EXPECT_FALSE(TheBrush->unsavedChanges);
    EXPECT_EQ(TheMaze->cells[291], GulperStart);  // shown at once
    EXPECT_EQ(SaidOn(ResetMapButton), "");        // nothing was dropped
    EXPECT_EQ(TheMaze->CellAt(5, 1), Boost);
    EXPECT_EQ(TheMaze->cells[291], GulperStart);  // and in the file
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{291 % 28, 291 / 28}));
}

TEST_F(EditorScreenTest, ResetDropsUnsavedPaintingAtOnceAndNamesTheMap)
{
    Open(2);
    ChooseBrush(Boost);
    ClickCell(3, 5);
    EXPECT_EQ(SaidOn(ResetMapButton), "Unsaved changes to map 2 were dropped.\n");
    EXPECT_EQ(GameState, LevelEditor);
    EXPECT_EQ(TheMaze->CellAt(3, 5), Wall);
    EXPECT_EQ(SaidOn(PlusButton), "");  // nothing painted since: no question
    EXPECT_EQ(GameState, LevelEditor);
    EXPECT_EQ(TheConfig->mapNumber, 3);
}

// Every way off a map with unsaved painting (the close button, the "Exit
// game" key, "+" and "-") asks first. Cancel goes back to the painting,
// Discard drops it (naming the map on the terminal) and goes on, Save writes
// it and goes on.
TEST_F(EditorScreenTest, LeavingAMapWithUnsavedPaintingAsksFirst)
{
    const struct {
        int map, way;
        GameStateId state;  // where the way leads
        int mapAfter;
    } cases[] = {
        {1, CloseButton, MainMenu, 1}, {1, TheExitKey, MainMenu, 1},
        {3, PlusButton, LevelEditor, 4}, {3, MinusButton, LevelEditor, 2},
    };
    int x = 2;  // a new cell each time: the brush paints a cell once in a row
    for (const auto& c : cases) {
        for (const int answer : {CancelButton, DiscardButton, SaveMapButton}) {
            const std::string fileBefore = sandbox->Read(MapFile(c.map));
            Open(c.map);
            ChooseBrush(Boost);
            ClickCell(++x, 5);
            EXPECT_EQ(SaidOn(c.way), "");
            ASSERT_EQ(GameState, EditorQuestion) << c.way;
            RunFrames(1);
            EXPECT_EQ(TheGui->unsavedQuestion->widgets.at(0)->text,
                      "Map " + std::to_string(c.map) + " has unsaved changes");
            EXPECT_EQ(SaidOn(answer), answer == DiscardButton ? "Unsaved changes to map " +
                                                                    std::to_string(c.map) +
                                                                    " were dropped.\n"
                                                              : "");
            if (answer == CancelButton) {
                EXPECT_EQ(GameState, LevelEditor);
                EXPECT_EQ(TheConfig->mapNumber, c.map);
                EXPECT_EQ(TheMaze->CellAt(x, 5), Boost);
                EXPECT_TRUE(TheBrush->unsavedChanges);
                continue;
            }
            EXPECT_EQ(GameState, c.state) << c.way << " answered " << answer;
            EXPECT_EQ(TheConfig->mapNumber, c.mapAfter);
            EXPECT_FALSE(TheBrush->unsavedChanges);
            if (answer == DiscardButton) {
                EXPECT_EQ(sandbox->Read(MapFile(c.map)), fileBefore);
            } else {
                TheMaze->LoadNumbered(TheConfig->mapNumber = c.map, true);
                EXPECT_EQ(TheMaze->CellAt(x, 5), Boost) << "saved";
            }
        }
    }
}

// The question's keys: S saves, D discards, the "Exit game" key cancels; a
// map that cannot be saved keeps its painting and the editor says so.
TEST_F(EditorScreenTest, TheQuestionAnswersToKeysAndAFailedSaveStaysInTheEditor)
{
    ChooseBrush(Boost);
    ClickCell(3, 5);
    Click(PlusButton);
    TapKey(ExitGame);
    EXPECT_EQ(GameState, LevelEditor);
    EXPECT_EQ(TheConfig->mapNumber, 1);
    Click(PlusButton);
    TapSymbol('d');
    EXPECT_EQ(GameState, LevelEditor);
    EXPECT_EQ(TheConfig->mapNumber, 2);
    ClickCell(4, 5);
    Click(MinusButton);
    TapSymbol('s');
    EXPECT_EQ(TheConfig->mapNumber, 1);
    TheMaze->LoadNumbered(TheConfig->mapNumber = 2, true);
    EXPECT_EQ(TheMaze->CellAt(4, 5), Boost);

    ClickCell(5, 5);
    std::filesystem::remove(MapFile(2));
    std::filesystem::create_directory(MapFile(2));  // where the map cannot be written
    CaptureOutput();
    Click(CloseButton);
    Click(SaveMapButton);
    TakeOutput();
    EXPECT_EQ(GameState, LevelEditor);
    EXPECT_TRUE(TheBrush->unsavedChanges);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Boost);
    EXPECT_EQ(TheBrush->saveNotice, NotSavedNotice);
}

}  // namespace

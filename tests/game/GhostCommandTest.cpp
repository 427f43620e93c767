// Commanding the ghosts in play: selecting them by number, all or none, next
// and previous, by clicking or by dragging a box (with the group key adding
// to the selection), sending the selected ones to a cell with the right
// button, driving a single one with the direction keys, and stopping all.
// Selecting plays the selecting sound once, an order the order sound once.
#include <gtest/gtest.h>

#include <vector>

#include "tests/game/GameTest.h"

namespace {

using Numbers = std::vector<int>;

constexpr CellPos GhostHome = {26, 18};  // the ghosts' start in the test maze

int Centre(int cell)
{
    return cell * 18 + 9;
}

class GhostCommandTest : public GameTest {
protected:
    // Four human ghosts in the quiet maze; the gulper, boxed in, stands still.
    void Play(Controller gulperController = Human, Controller ghostsController = Human)
    {
        PlayCampaignLevel(GhostsCampaignMode, TestMazes::StandStill(),
                          Settings(gulperController, ghostsController, 4, 3.4, 2.4, 90));
    }
    static GhostActor& Ghost(int number) { return *TheSquad->ghosts.at(number - 1); }
    static Numbers Selected()
    {
        Numbers numbers;
        for (int i = 0; i < TheSquad->count; ++i)
            if (TheSquad->ghosts[i]->selected)
                numbers.push_back(i + 1);
        return numbers;
    }
    static void SelectOnly(const Numbers& numbers)
    {
        for (int i = 0; i < TheSquad->count; ++i)
            TheSquad->ghosts[i]->selected = false;
        for (const int number : numbers)
            Ghost(number).selected = true;
    }
    // Each command is carried out by the frame that follows it.
    static void Tap(int action)
    {
        TapKey(action);
        RunFrames(1);
    }
    static void OrderTo(CellPos cell)
    {
        TheGui->OnRightDown(Centre(cell.x), Centre(cell.y));
        RunFrames(1);
    }
    static void ClickOn(int x, int y)
    {
        ClickPoint(x, y);
        RunFrames(1);
    }
    static void ClickGhost(int number) { ClickOn(Ghost(number).drawX, Ghost(number).drawY); }
    static void Drag(int x0, int y0, int x1, int y1)
    {
        TheGui->OnLeftDown(x0, y0);
        TheGui->OnLeftDrag(x1, y1);
        TheGui->OnLeftUp(x1, y1);
        RunFrames(1);
    }
    // Runs frames until the ghost stands at the centre of the cell.
    static bool WalkUntilAt(const GhostActor& ghost, CellPos cell)
    {
        for (int frame = 0; frame < 500; ++frame) {
            if (ghost.cell == cell && ghost.posX == ghost.centreX && ghost.posY == ghost.centreY)
                return true;
            RunFrames(1);
        }
        return false;
    }
    // Sends ghost 1 away from the others and waits for it to arrive.
    static void MoveGhostOneTo(CellPos cell)
    {
        Tap(SelectGhost1);
        OrderTo(cell);
        ASSERT_TRUE(WalkUntilAt(Ghost(1), cell));
        Tap(DeselectGhosts);
    }
};

TEST_F(GhostCommandTest, SelectionKeysWithTheirSound)
{
    Play();
    const struct {
        Numbers before;
        int action;
        Numbers after;
        int sounds;
    } cases[] = {
        {{}, SelectAllGhosts, {1, 2, 3, 4}, 1},
        {{1, 2, 3, 4}, SelectGhost1 + 2, {3}, 1},
        {{1, 2, 3, 4}, SelectGhost1 + 4, {}, 0},  // no fifth ghost: none, silently
        {{1, 2, 3, 4}, DeselectGhosts, {}, 0},
        {{2, 4}, SelectNextGhost, {1}, 1},  // after the last selected, 4, comes 1
        {{2, 4}, SelectPrevGhost, {1}, 1},  // before the first selected, 2, comes 1
        {{1}, SelectPrevGhost, {4}, 1},
        {{}, SelectNextGhost, {2}, 1},
        {{}, SelectPrevGhost, {4}, 1},
    };
    for (const auto& c : cases) {
        SelectOnly(c.before);
        const int soundsBefore = Played(SelectingGhostSound);
        Tap(c.action);
        EXPECT_EQ(Selected(), c.after) << ActionNames[c.action];
        EXPECT_EQ(Played(SelectingGhostSound) - soundsBefore, c.sounds) << ActionNames[c.action];
    }
}

TEST_F(GhostCommandTest, ARightClickSendsTheSelectedGhostsToAFloorCellAndStopHoldsThemAll)
{
    Play();
    Tap(SelectGhost1);
    OrderTo({0, 5});  // the border wall
    Tap(DeselectGhosts);
    OrderTo({10, 10});  // none selected
    EXPECT_EQ(Ghost(1).goal, GhostHome);
    EXPECT_EQ(Played(IssuingOrderSound), 0);

    SelectOnly({1, 2});
    OrderTo({10, 10});
    EXPECT_EQ(Ghost(1).goal, (CellPos{10, 10}));
    EXPECT_EQ(Ghost(2).goal, (CellPos{10, 10}));
    EXPECT_EQ(Played(IssuingOrderSound), 1);
    EXPECT_TRUE(WalkUntilAt(Ghost(1), {10, 10}));
    EXPECT_TRUE(WalkUntilAt(Ghost(2), {10, 10}));
    EXPECT_EQ(Ghost(3).cell, GhostHome);

    Tap(SelectAllGhosts);  // stop holds every ghost where it is, selected or not
    OrderTo({5, 5});
    RunFrames(30);
    Tap(DeselectGhosts);
    Tap(StopGhosts);
    for (const GhostActor* ghost : TheSquad->ghosts)
        EXPECT_EQ(ghost->goal, ghost->cell);
    EXPECT_EQ(Played(IssuingOrderSound), 3);
    const CellPos stoppedAt = Ghost(1).cell;
    EXPECT_TRUE(WalkUntilAt(Ghost(1), stoppedAt));
    RunFrames(10);
    EXPECT_EQ(Ghost(1).cell, stoppedAt);
}

TEST_F(GhostCommandTest, ADirectionKeyDrivesTheOneSelectedGhostSilentlyUntilAnotherCommand)
{
    Play();
    SelectOnly({1, 2});
    Tap(MoveGhostLeft);
    EXPECT_FALSE(TheSquad->directActive);  // two selected: neither is driven

    Tap(SelectGhost1);
    Tap(MoveGhostUp);
    const double startY = Ghost(1).posY;
    RunFrames(20);
    EXPECT_LT(Ghost(1).posY, startY);
    EXPECT_EQ(Ghost(1).cell.x, GhostHome.x);
    EXPECT_EQ(Ghost(2).cell, GhostHome);
    EXPECT_EQ(Played(IssuingOrderSound), 0);

    Tap(SelectAllGhosts);  // ends the driving and holds the ghost
    EXPECT_FALSE(TheSquad->directActive);
    const CellPos heldAt = Ghost(1).cell;
    RunFrames(20);
    EXPECT_EQ(Ghost(1).cell, heldAt);

    Tap(SelectGhost1);
    Tap(MoveGhostUp);
    Drag(10, TheScreen->height - 5, 60, TheScreen->height - 50);  // so does the press of a box
    EXPECT_FALSE(TheSquad->directActive);
}

TEST_F(GhostCommandTest, AClickSelectsTheGhostUnderItReplacingTheSelectionUnlessTheGroupKeyIsHeld)
{
    Play();
    ClickOn(Ghost(1).drawX - 13, Ghost(1).drawY - 13);  // within 5 pixels of the sprite
    EXPECT_EQ(Selected(), (Numbers{1}));
    EXPECT_EQ(Played(SelectingGhostSound), 1);
    MoveGhostOneTo({20, 10});
    ClickGhost(1);
    ClickGhost(2);
    EXPECT_EQ(Selected(), (Numbers{2}));
    PressKey(GroupSelection);
    ClickGhost(1);
    EXPECT_EQ(Selected(), (Numbers{1, 2}));
    ClickOn(Centre(10), Centre(10));  // even with the group key, empty floor deselects all
    EXPECT_TRUE(Selected().empty());
    ReleaseKey(GroupSelection);
    EXPECT_FALSE(TheGui->groupSelection);
    Tap(SelectAllGhosts);
    ClickOn(Centre(0), Centre(10));  // so does a wall
    EXPECT_TRUE(Selected().empty());
}

TEST_F(GhostCommandTest, ABoxDraggedAroundTheGhostsSelectsThemWithOneSoundDrawnInWhileDragging)
{
    Play();
    TheGui->OnLeftDown(100, 100);
    TheGui->OnLeftDrag(160, 130);
    RunFrames(1);
    for (const auto& [x, y] : {std::pair{100, 100}, std::pair{130, 100}, std::pair{160, 115},
                               std::pair{130, 130}})
        EXPECT_EQ(PixelAt(x, y), 0xFFFFFFu) << x << ", " << y;
    TheGui->OnLeftUp(160, 130);

    Drag(Centre(GhostHome.x - 2), Centre(GhostHome.y - 2), Centre(GhostHome.x) + 12,
         Centre(GhostHome.y) + 12);
    EXPECT_EQ(Selected(), (Numbers{1, 2, 3, 4}));
    EXPECT_EQ(Played(SelectingGhostSound), 1);
    EXPECT_FALSE(TheGui->selectionBox.active);

    Tap(DeselectGhosts);  // ordered and cut to the window whichever way it is dragged
    Drag(TheScreen->width + 40, TheScreen->height + 40, Centre(GhostHome.x) - 3, Centre(GhostHome.y) - 3);
    EXPECT_EQ(Selected(), (Numbers{1, 2, 3, 4}));
}

// A box selects the ghosts it touches: a corner of either box inside the other.
TEST_F(GhostCommandTest, ABoxMustBeMoreThanFivePixelsAndTouchAGhostByACorner)
{
    Play();
    const int x = Centre(GhostHome.x) - 20, y = Centre(GhostHome.y) - 20;  // beside the ghosts
    Drag(x, y, x + 5, y + 5);
    Drag(x, y, x + 6, y);  // a box of six pixels that touches no ghost
    const int cx = Ghost(1).drawX, cy = Ghost(1).drawY;
    Drag(cx - 17, cy - 3, cx + 17, cy + 3);  // wider than the ghost on both sides, and thinner
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Played(SelectingGhostSound), 0);
    Drag(cx - 17, cy - 3, cx + 17, cy + 17);  // past its bottom edge: its bottom corners inside
    EXPECT_EQ(Selected(), (Numbers{1, 2, 3, 4}));
    Drag(cx - 2, cy - 2, cx + 3, cy + 3);  // five pixels over the ghosts: a click, on the first
    EXPECT_EQ(Selected(), (Numbers{1}));
}

}  // namespace

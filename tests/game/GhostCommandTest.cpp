// Commanding the ghosts in play: selecting them by number, all or none, next
// and previous, by clicking or by dragging a box (with the group key adding
// to the selection), sending the selected ones to a cell with the right
// button, driving a single one with the direction keys, and stopping all.
#include <gtest/gtest.h>

#include <vector>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int MaxFrames = 500;
constexpr int CellSize = 18;
constexpr CellPos GhostHome = {26, 18};  // the ghosts' start in the test maze
constexpr Uint32 White = 0xFFFFFF;

int Centre(int cell) { return cell * CellSize + CellSize / 2; }

class GhostCommandTest : public GameTest {
protected:
    // Four human ghosts in the quiet maze; the gulper, boxed in, stands still.
    void Play(int gulperController = Human, int ghostsController = Human)
    {
        WriteCampaign("ghosts", {TestMazes::StandStill()},
                      Settings(gulperController, ghostsController, 4, 3.4, 2.4, 90));
        EnterCampaignMenu(GhostsCampaignMode);
        ASSERT_TRUE(StartAndPlay());
    }

    static GhostActor& Ghost(int number) { return *TheSquad->ghosts.at(number - 1); }
    static std::vector<int> Selected()
    {
        std::vector<int> numbers;
        for (int i = 0; i < TheSquad->count; ++i) {
            if (TheSquad->ghosts[i]->selected)
                numbers.push_back(i + 1);
        }
        return numbers;
    }
    static void SelectOnly(std::vector<int> numbers)
    {
        for (int i = 0; i < TheSquad->count; ++i)
            TheSquad->ghosts[i]->selected = false;
        for (const int number : numbers)
            Ghost(number).selected = true;
    }
    static void OrderTo(CellPos cell) { TheGui->OnRightDown(Centre(cell.x), Centre(cell.y)); }
    static void LeftClick(int x, int y)
    {
        TheGui->OnLeftDown(x, y);
        TheGui->OnLeftUp(x, y);
    }
    static void Drag(int x0, int y0, int x1, int y1)
    {
        TheGui->OnLeftDown(x0, y0);
        TheGui->OnLeftDrag(x1, y1);
        TheGui->OnLeftUp(x1, y1);
    }
    // Runs frames until the ghost stands at the centre of the cell.
    static bool WalkUntilAt(const GhostActor& ghost, CellPos cell)
    {
        for (int frame = 0; frame < MaxFrames; ++frame) {
            if (ghost.cell == cell && ghost.posX == ghost.centreX && ghost.posY == ghost.centreY)
                return true;
            RunFrames(1);
        }
        return false;
    }
    // Sends ghost 1 away from the others and waits for it to arrive.
    static void MoveGhostOneTo(CellPos cell)
    {
        TapKey(SelectGhost1);
        OrderTo(cell);
        ASSERT_TRUE(WalkUntilAt(Ghost(1), cell));
        TapKey(DeselectGhosts);
    }
};

TEST_F(GhostCommandTest, ANumberKeySelectsOnlyThatGhost)
{
    Play();
    TapKey(SelectAllGhosts);
    TapKey(SelectGhost1 + 2);
    EXPECT_EQ(Selected(), (std::vector<int>{3}));
    EXPECT_EQ(Played(SelectingGhostSound), 2);
}

TEST_F(GhostCommandTest, TheNumberOfAGhostThatIsNotThereSelectsNoneSilently)
{
    Play();
    TapKey(SelectAllGhosts);
    TapKey(SelectGhost1 + 4);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Played(SelectingGhostSound), 1);  // only the "all"
}

TEST_F(GhostCommandTest, AllAndNone)
{
    Play();
    TapKey(SelectAllGhosts);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Played(SelectingGhostSound), 1);
    TapKey(DeselectGhosts);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Played(SelectingGhostSound), 1);  // deselecting is silent
}

TEST_F(GhostCommandTest, NextAndPreviousWrapAroundTheSquad)
{
    Play();
    SelectOnly({2, 4});
    TapKey(SelectNextGhost);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));  // after the last selected, 4, comes 1
    SelectOnly({2, 4});
    TapKey(SelectPrevGhost);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));  // before the first selected, 2, comes 1
    TapKey(SelectPrevGhost);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    EXPECT_EQ(Played(SelectingGhostSound), 3);
}

TEST_F(GhostCommandTest, WithNoneSelectedNextTakesGhostTwoAndPreviousTheLast)
{
    Play();
    TapKey(SelectNextGhost);
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    TapKey(DeselectGhosts);
    TapKey(SelectPrevGhost);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
}

TEST_F(GhostCommandTest, ARightClickSendsTheSelectedGhostsToTheCellWithOneOrderSound)
{
    Play();
    SelectOnly({1, 2});
    const CellPos target = {10, 10};

    OrderTo(target);

    EXPECT_EQ(Ghost(1).goal, target);
    EXPECT_EQ(Ghost(2).goal, target);
    EXPECT_EQ(Ghost(3).goal, GhostHome);
    EXPECT_EQ(Played(IssuingOrderSound), 1);
    EXPECT_TRUE(WalkUntilAt(Ghost(1), target));
    EXPECT_TRUE(WalkUntilAt(Ghost(2), target));
    EXPECT_EQ(Ghost(3).cell, GhostHome);
}

TEST_F(GhostCommandTest, ARightClickOnAWallOrWithNoneSelectedChangesNothing)
{
    Play();
    TapKey(SelectGhost1);
    OrderTo({0, 5});  // the border wall
    EXPECT_EQ(Ghost(1).goal, GhostHome);
    TapKey(DeselectGhosts);
    OrderTo({10, 10});
    EXPECT_EQ(Ghost(1).goal, GhostHome);
    EXPECT_EQ(Played(IssuingOrderSound), 0);
}

TEST_F(GhostCommandTest, StopHoldsEveryGhostWhereItIsSelectedOrNot)
{
    Play();
    TapKey(SelectAllGhosts);
    OrderTo({5, 5});
    RunFrames(30);
    TapKey(DeselectGhosts);

    TapKey(StopGhosts);

    for (const GhostActor* ghost : TheSquad->ghosts)
        EXPECT_EQ(ghost->goal, ghost->cell);
    EXPECT_EQ(Played(IssuingOrderSound), 2);
    const CellPos stoppedAt = Ghost(1).cell;
    EXPECT_TRUE(WalkUntilAt(Ghost(1), stoppedAt));
    RunFrames(10);
    EXPECT_EQ(Ghost(1).cell, stoppedAt);
}

TEST_F(GhostCommandTest, ADirectionKeyDrivesTheOneSelectedGhost)
{
    Play();
    TapKey(SelectGhost1);
    TapKey(MoveGhostUp);
    ASSERT_TRUE(TheSquad->directActive);
    const double startY = Ghost(1).posY;

    RunFrames(20);

    EXPECT_LT(Ghost(1).posY, startY);
    EXPECT_EQ(Ghost(1).cell.x, GhostHome.x);
    EXPECT_EQ(Ghost(2).cell, GhostHome);
    EXPECT_EQ(Played(IssuingOrderSound), 0);  // driving is silent
}

TEST_F(GhostCommandTest, ADirectionKeyWithTwoSelectedDrivesNeither)
{
    Play();
    SelectOnly({1, 2});
    TapKey(MoveGhostLeft);
    EXPECT_FALSE(TheSquad->directActive);
    RunFrames(10);
    EXPECT_EQ(Ghost(1).cell, GhostHome);
}

TEST_F(GhostCommandTest, AnotherCommandEndsTheDrivingAndHoldsTheGhost)
{
    Play();
    TapKey(SelectGhost1);
    TapKey(MoveGhostLeft);
    RunFrames(20);
    TapKey(SelectAllGhosts);

    EXPECT_FALSE(TheSquad->directActive);
    EXPECT_EQ(Ghost(1).goal, Ghost(1).cell);
    const CellPos heldAt = Ghost(1).cell;
    RunFrames(20);
    EXPECT_EQ(Ghost(1).cell, heldAt);
}

TEST_F(GhostCommandTest, AgainstAComputerGulperTheGulpersKeysDriveTheSelectedGhost)
{
    Play(Computer, Human);
    TapKey(SelectGhost1);
    TapKey(MoveGulperUp);
    EXPECT_TRUE(TheSquad->directActive);
    EXPECT_EQ(TheSquad->directDirection, Up);
}

TEST_F(GhostCommandTest, AgainstComputerGhostsTheGhostKeysSteerTheGulper)
{
    Play(Human, Computer);
    TapKey(MoveGhostDown);
    EXPECT_EQ(TheGulper->wantedDirection, Down);
    RunFrames(10);
    EXPECT_GT(TheGulper->cell.y, 1);
}

TEST_F(GhostCommandTest, ComputerGhostsTakeNoCommands)
{
    Play(Human, Computer);
    TapKey(SelectAllGhosts);
    TheGui->OnRightDown(Centre(10), Centre(10));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Played(SelectingGhostSound), 0);
    EXPECT_EQ(Played(IssuingOrderSound), 0);
}

TEST_F(GhostCommandTest, ClickingAGhostSelectsTheFirstUnderThePointer)
{
    Play();
    LeftClick(Ghost(1).drawX - 13, Ghost(1).drawY - 13);  // within 5 pixels of the sprite
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
    EXPECT_EQ(Played(SelectingGhostSound), 1);
}

TEST_F(GhostCommandTest, AClickReplacesTheSelectionUnlessTheGroupKeyIsHeld)
{
    Play();
    MoveGhostOneTo({20, 10});
    LeftClick(Ghost(1).drawX, Ghost(1).drawY);
    LeftClick(Ghost(2).drawX, Ghost(2).drawY);
    EXPECT_EQ(Selected(), (std::vector<int>{2}));

    PressKey(GroupSelection);
    LeftClick(Ghost(1).drawX, Ghost(1).drawY);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2}));

    ReleaseKey(GroupSelection);
    EXPECT_FALSE(TheGui->groupSelection);
    LeftClick(Ghost(1).drawX, Ghost(1).drawY);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
}

TEST_F(GhostCommandTest, AClickOnAWallOrOnEmptyFloorDeselects)
{
    Play();
    TapKey(SelectAllGhosts);
    LeftClick(Centre(10), Centre(10));
    EXPECT_TRUE(Selected().empty());
    TapKey(SelectAllGhosts);
    LeftClick(Centre(0), Centre(10));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(GhostCommandTest, ABoxDraggedAroundTheGhostsSelectsThemWithOneSound)
{
    Play();
    Drag(Centre(GhostHome.x - 2), Centre(GhostHome.y - 2), Centre(GhostHome.x) + 12,
         Centre(GhostHome.y) + 12);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Played(SelectingGhostSound), 1);
    EXPECT_FALSE(TheGui->selectionBox.active);
}

TEST_F(GhostCommandTest, TheBoxIsDrawnInWhiteWhileDragging)
{
    Play();
    TheGui->OnLeftDown(100, 100);
    TheGui->OnLeftDrag(160, 130);
    RunFrames(1);
    SDL_Surface* const window = TheScreen->surface;
    auto pixel = [&](int x, int y) {
        return static_cast<Uint32*>(window->pixels)[y * window->pitch / 4 + x] & White;
    };
    EXPECT_EQ(pixel(100, 100), White);
    EXPECT_EQ(pixel(130, 100), White);
    EXPECT_EQ(pixel(160, 115), White);
    EXPECT_EQ(pixel(130, 130), White);
}

TEST_F(GhostCommandTest, ADragOfFivePixelsOrLessIsNoBox)
{
    Play();
    const int x = Centre(GhostHome.x) - 20, y = Centre(GhostHome.y) - 20;  // beside the ghosts
    Drag(x, y, x + 5, y + 5);
    EXPECT_TRUE(Selected().empty());
    Drag(x, y, x + 6, y);
    EXPECT_TRUE(Selected().empty());  // a box of six pixels that touches no ghost
}

TEST_F(GhostCommandTest, ABoxCrossingAGhostWithoutACornerInEitherSelectsNothing)
{
    Play();
    const int cx = Ghost(1).drawX, cy = Ghost(1).drawY;
    // Wider than the ghost's box on both sides, and thinner.
    Drag(cx - 17, cy - 3, cx + 17, cy + 3);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Played(SelectingGhostSound), 0);

    // Reaching past its bottom edge puts the ghost's bottom corners inside.
    Drag(cx - 17, cy - 3, cx + 17, cy + 17);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(GhostCommandTest, TheBoxIsOrderedAndCutToTheWindowWhicheverWayItIsDragged)
{
    Play();
    Drag(TheScreen->width + 40, TheScreen->height + 40, Centre(GhostHome.x) - 3,
         Centre(GhostHome.y) - 3);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
}

// A press on the maze's floor beside the ghosts would deselect them all, so
// the box is started on the bar below the maze, where a press selects nothing.
TEST_F(GhostCommandTest, WithTheGroupKeyHeldABoxAddsToTheSelection)
{
    Play();
    MoveGhostOneTo({20, 10});
    TapKey(SelectGhost1);
    const int belowTheMaze = TheScreen->height - 5;
    const int x0 = Centre(GhostHome.x - 2), y0 = belowTheMaze;
    const int x1 = Centre(GhostHome.x) + 12, y1 = Centre(GhostHome.y - 1);

    PressKey(GroupSelection);
    Drag(x0, y0, x1, y1);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));

    ReleaseKey(GroupSelection);
    Drag(x0, y0, x1, y1);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4}));
}

TEST_F(GhostCommandTest, EvenWithTheGroupKeyAPressOnEmptyFloorDeselectsAll)
{
    Play();
    TapKey(SelectGhost1);
    PressKey(GroupSelection);
    LeftClick(Centre(10), Centre(10));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(GhostCommandTest, ThePressThatStartsABoxEndsTheDriving)
{
    Play();
    TapKey(SelectGhost1);
    TapKey(MoveGhostUp);
    Drag(10, TheScreen->height - 5, 60, TheScreen->height - 50);
    EXPECT_FALSE(TheSquad->directActive);
}

TEST_F(GhostCommandTest, NothingIsCommandedOutsidePlay)
{
    Play();
    TapKey(PauseGame);
    TapKey(SelectAllGhosts);  // the release also resumes play
    EXPECT_TRUE(Selected().empty());
    TapKey(SelectGhost1);
    TapKey(PauseGame);
    TheGui->OnRightDown(Centre(10), Centre(10));
    Drag(Centre(GhostHome.x - 2), Centre(GhostHome.y - 2), TheScreen->width, TheScreen->height);
    EXPECT_EQ(Ghost(1).goal, GhostHome);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
}

}  // namespace

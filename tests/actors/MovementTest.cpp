// Grid movement: turning only at cell centres (snapping within 60 % of the
// speed), reversing at once, stopping at walls; and steering along a traced
// shortest path to the goal's centre, and staying there.
#include <set>

#include "tests/actors/ActorTest.h"

namespace {

// A long corridor along row 1 with a side passage down at column 5.
const std::vector<std::string> Corridor = {
    "############################",
    "#P.........................#",
    "#####.######################",
    "#####G..C###################",
    "############################",
};

class MovementTest : public ActorTest {
protected:
    void SetUp() override
    {
        ActorTest::SetUp();
        UseMaze(Corridor);
    }
    static void Moves(int frames)
    {
        for (int frame = 0; frame < frames; ++frame)
            TheGulper->Move();
    }
};

TEST_F(MovementTest, EveryCellCentreIsSnappedToAtAnySpeedAndWallsStopTheActorThere)
{
    for (int tenths = 10; tenths <= 50; ++tenths) {
        const double speed = tenths / 10.0;
        TheGulper->Reset(speed, Human);
        for (const auto& [way, lastColumn] : {std::pair{Right, 26}, std::pair{Left, 1}}) {
            TheGulper->wantedDirection = way;
            TheGulper->moving = true;
            std::set<int> snappedColumns;  // cells in which a move began at the centre
            for (int frame = 0; frame < 1000 && TheGulper->moving; ++frame) {
                if (TheGulper->IsNearCentre())
                    snappedColumns.insert(TheGulper->cell.x);
                TheGulper->Move();
            }
            EXPECT_EQ(snappedColumns.size(), 26u) << speed;  // columns 1 to 26, every one
            EXPECT_EQ(TheGulper->cell.x, lastColumn) << speed;
            EXPECT_EQ(TheGulper->posX, Centre(lastColumn)) << speed;
        }
    }
}

TEST_F(MovementTest, ReversesAtOnceButTurnsAsideOnlyAtTheNextCentre)
{
    Moves(20);
    const double before = TheGulper->posX;
    ASSERT_NE(before, Centre(TheGulper->cell.x));
    TheGulper->wantedDirection = Left;
    Moves(1);
    EXPECT_EQ(TheGulper->direction, Left);
    EXPECT_LT(TheGulper->posX, before);

    TheGulper->Reset(2.0, Human);
    Moves(1);  // leaves the centre of (1, 1)
    TheGulper->wantedDirection = Down;
    for (int frame = 0; frame < 100 && TheGulper->direction != Down; ++frame)
        Moves(1);
    EXPECT_EQ(TheGulper->cell.x, 2);  // at the next centre, in front of a wall below
    EXPECT_EQ(TheGulper->posX, Centre(2));
    EXPECT_FALSE(TheGulper->moving);  // a turn into a wall stops the actor there

    TheGulper->Reset(3.4, Human);
    while (TheGulper->cell.x < 5)
        Moves(1);
    TheGulper->wantedDirection = Down;  // entering column 5, short of its centre
    Moves(30);
    EXPECT_EQ(TheGulper->cell, (CellPos{5, 3}));
    EXPECT_EQ(TheGulper->posX, Centre(5));
}

TEST_F(MovementTest, ResetAndEveryNewCellGiveAFreshCostMap)
{
    Moves(7);
    EXPECT_EQ(TheGulper->costMapCell, TheGulper->cell);
    EXPECT_EQ(TheGulper->costMap[TheGulper->cell.y * 28 + TheGulper->cell.x], 0);
    EXPECT_EQ(TheGulper->centreX, Centre(TheGulper->cell.x));

    Moves(30);
    TheGulper->Reset(2.5, Computer);
    EXPECT_EQ(TheGulper->cell, (CellPos{1, 1}));
    EXPECT_EQ(TheGulper->posX, Centre(1));
    EXPECT_EQ(TheGulper->costMap[1 * 28 + 3], 2 * 7);  // step (int)(18 / 2.5) = 7
    EXPECT_DOUBLE_EQ(TheGulper->turnTolerance, 1.5);
    EXPECT_EQ(TheGulper->wantedDirection, Right);
}

const std::vector<std::string> Rooms = {
    "##########",
    "#P.......#",
    "#.##.###.#",
    "#.##.###.#",
    "#....G..C#",
    "##########",
};

class PathFollowingTest : public ActorTest {
protected:
    void SetUp() override
    {
        ActorTest::SetUp();
        UseMaze(Rooms, 0);
    }
    // Runs FollowPath until the actor stands still in the goal, at most the
    // given frames; the frames it took.
    static int WalkTo(CellPos goal, int frames = 500)
    {
        TheGulper->goal = goal;
        int frame = 0;
        for (; frame < frames; ++frame) {
            const double x = TheGulper->posX, y = TheGulper->posY;
            TheGulper->FollowPath();
            if (TheGulper->posX == x && TheGulper->posY == y && TheGulper->cell == goal)
                break;
        }
        return frame;
    }
};

TEST_F(PathFollowingTest, ArrivesAtTheGoalCentreAlongAShortestRouteAndStaysThere)
{
    EXPECT_EQ(WalkTo({1, 1}, 10), 0);  // after a reset the actor stays put
    for (double speed : {1.0, 1.7, 2.4, 3.4, 5.0}) {
        TheGulper->Reset(speed, Computer);
        WalkTo({8, 4});
        for (int frame = 0; frame < 20; ++frame)
            TheGulper->FollowPath();
        EXPECT_EQ(TheGulper->cell, (CellPos{8, 4})) << speed;
        EXPECT_EQ(TheGulper->posX, Centre(8)) << speed;
        EXPECT_EQ(TheGulper->posY, Centre(4)) << speed;
    }
    TheGulper->Reset(2.0, Computer);  // 9 frames per cell
    EXPECT_LE(WalkTo({4, 4}), 6 * 9 + 1);  // the shortest route is 6 cells long
}

TEST_F(PathFollowingTest, NewGoalIsTracedAtOnceAndTheActorTurnsBack)
{
    TheGulper->Reset(3.4, Computer);
    TheGulper->goal = {8, 1};
    TheGulper->FollowPath();
    EXPECT_EQ(TheGulper->plannedGoal, (CellPos{8, 1}));
    EXPECT_GT(TheGulper->posX, Centre(1));
    WalkTo({4, 1}, 4);
    WalkTo({1, 4});
    EXPECT_EQ(TheGulper->cell, (CellPos{1, 4}));
    EXPECT_EQ(TheGulper->posY, Centre(4));
}

}  // namespace

// Grid movement: turning only at cell centres, reversing at once, stopping at walls.
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
};

TEST_F(MovementTest, EveryCellCentreIsSnappedToAtAnySpeed)
{
    for (int tenths = 10; tenths <= 50; ++tenths) {
        const double speed = tenths / 10.0;
        TheGulper->Reset(speed, Human);
        TheGulper->wantedDirection = Right;
        std::set<int> snappedColumns;  // cells in which a move began at the centre
        for (int frame = 0; frame < 1000 && TheGulper->moving; ++frame) {
            if (TheGulper->IsNearCentre())
                snappedColumns.insert(TheGulper->cell.x);
            TheGulper->Move();
        }
        EXPECT_EQ(snappedColumns.size(), 26u) << speed;  // columns 1 to 26, every one
        EXPECT_EQ(TheGulper->cell.x, 26) << speed;
        EXPECT_EQ(TheGulper->posX, Centre(26)) << speed;
    }
}

TEST_F(MovementTest, StopsExactlyAtTheCentreBeforeAWall)
{
    TheGulper->Reset(3.4, Human);
    for (int frame = 0; frame < 200; ++frame)
        TheGulper->Move();
    EXPECT_EQ(TheGulper->cell.x, 26);
    EXPECT_EQ(TheGulper->posX, Centre(26));
    EXPECT_FALSE(TheGulper->moving);
    TheGulper->Move();
    EXPECT_FALSE(TheGulper->moving);
}

TEST_F(MovementTest, ReversesAtOnceInTheMiddleOfACorridor)
{
    TheGulper->Reset(3.4, Human);
    for (int frame = 0; frame < 20; ++frame)
        TheGulper->Move();
    const double before = TheGulper->posX;
    ASSERT_NE(before, Centre(TheGulper->cell.x));
    TheGulper->wantedDirection = Left;
    TheGulper->Move();
    EXPECT_EQ(TheGulper->direction, Left);
    EXPECT_LT(TheGulper->posX, before);
}

TEST_F(MovementTest, SideTurnWaitsForTheNextCentre)
{
    TheGulper->Reset(2.0, Human);
    TheGulper->Move();  // leaves the centre of (1, 1)
    TheGulper->wantedDirection = Down;
    int frames = 0;
    while (TheGulper->direction != Down && frames < 100) {
        TheGulper->Move();
        ++frames;
    }
    EXPECT_EQ(TheGulper->cell.x, 2);  // at the next centre, in front of a wall below
    EXPECT_EQ(TheGulper->posX, Centre(2));
    EXPECT_FALSE(TheGulper->moving);  // a turn into a wall stops the actor there
}

TEST_F(MovementTest, TurnIntoASidePassageAtItsCentre)
{
    TheGulper->Reset(3.4, Human);
    while (TheGulper->cell.x < 5)
        TheGulper->Move();
    TheGulper->wantedDirection = Down;  // entering column 5, short of its centre
    for (int frame = 0; frame < 30; ++frame)
        TheGulper->Move();
    EXPECT_EQ(TheGulper->cell.x, 5);
    EXPECT_EQ(TheGulper->cell.y, 3);
    EXPECT_EQ(TheGulper->posX, Centre(5));
}

TEST_F(MovementTest, SnapsWithin60PercentOfTheSpeed)
{
    TheGulper->Reset(3.4, Human);
    // From the centre of (1, 1) at 3.4: 33.4, 36.8, 40.2, 43.6 ...; the centre of (2, 1) is 45.
    for (int frame = 0; frame < 4; ++frame)
        TheGulper->Move();
    EXPECT_DOUBLE_EQ(TheGulper->posX, 27.0 + 4 * 3.4);  // 40.6: 4.4 short, not yet snapped
    TheGulper->Move();
    EXPECT_DOUBLE_EQ(TheGulper->posX, 44.0);  // 1.0 short of the centre
    TheGulper->Move();                        // within 2.04: snapped to 45, then one step on
    EXPECT_DOUBLE_EQ(TheGulper->posX, 45.0 + 3.4);
}

TEST_F(MovementTest, StoppedActorNeitherMovesNorTurns)
{
    TheGulper->Reset(3.4, Human);
    TheGulper->stopped = true;
    TheGulper->wantedDirection = Left;
    TheGulper->Move();
    EXPECT_EQ(TheGulper->posX, Centre(1));
    EXPECT_EQ(TheGulper->direction, Right);
}

TEST_F(MovementTest, ResetPutsTheActorOnItsStartWithAFreshCostMap)
{
    TheGulper->Reset(3.4, Human);
    for (int frame = 0; frame < 30; ++frame)
        TheGulper->Move();
    TheGulper->Reset(2.5, Computer);
    EXPECT_EQ(TheGulper->cell, (CellPos{1, 1}));
    EXPECT_EQ(TheGulper->posX, Centre(1));
    EXPECT_EQ(TheGulper->costMap[1 * 28 + 1], 0);
    EXPECT_EQ(TheGulper->costMap[1 * 28 + 3], 2 * 7);  // step (int)(18 / 2.5) = 7
    EXPECT_DOUBLE_EQ(TheGulper->turnTolerance, 1.5);
    EXPECT_EQ(TheGulper->direction, Right);
    EXPECT_EQ(TheGulper->wantedDirection, Right);
}

TEST_F(MovementTest, CostMapFollowsTheActorFromCellToCell)
{
    TheGulper->Reset(3.0, Human);
    for (int frame = 0; frame < 7; ++frame)
        TheGulper->Move();
    EXPECT_EQ(TheGulper->costMapCell, TheGulper->cell);
    const int here = TheGulper->cell.y * 28 + TheGulper->cell.x;
    EXPECT_EQ(TheGulper->costMap[here], 0);
    EXPECT_EQ(TheGulper->centreX, Centre(TheGulper->cell.x));
}

}  // namespace

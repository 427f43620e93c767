// Steering along a traced shortest path: to the goal's centre, and staying there.
#include "tests/actors/ActorTest.h"

namespace {

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
    // Runs FollowPath until the actor stands still, at most the given frames.
    int WalkTo(CellPos goal, int frames = 500)
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

TEST_F(PathFollowingTest, AfterAResetTheActorStaysPut)
{
    for (int frame = 0; frame < 10; ++frame)
        TheGulper->FollowPath();
    EXPECT_EQ(TheGulper->posX, Centre(1));
    EXPECT_EQ(TheGulper->posY, Centre(1));
}

TEST_F(PathFollowingTest, ArrivesAtTheGoalCentreAndStaysThere)
{
    for (double speed : {1.0, 1.7, 2.4, 3.4, 5.0}) {
        TheGulper->Reset(speed, Computer);
        WalkTo({8, 4});
        EXPECT_EQ(TheGulper->cell, (CellPos{8, 4})) << speed;
        EXPECT_EQ(TheGulper->posX, Centre(8)) << speed;
        EXPECT_EQ(TheGulper->posY, Centre(4)) << speed;
        for (int frame = 0; frame < 20; ++frame)
            TheGulper->FollowPath();
        EXPECT_EQ(TheGulper->posX, Centre(8)) << speed;
        EXPECT_EQ(TheGulper->posY, Centre(4)) << speed;
    }
}

TEST_F(PathFollowingTest, TakesAShortestRoute)
{
    TheGulper->Reset(2.0, Computer);  // step 9 frames per cell
    TheGulper->goal = {4, 4};
    // The shortest route from (1, 1) to (4, 4) is 6 cells long.
    int frames = 0;
    while (!(TheGulper->cell == CellPos{4, 4}) && frames < 200) {
        TheGulper->FollowPath();
        ++frames;
    }
    EXPECT_LE(frames, 6 * 9 + 1);
}

TEST_F(PathFollowingTest, NewGoalIsTracedAtOnce)
{
    TheGulper->Reset(3.4, Computer);
    TheGulper->goal = {8, 1};
    TheGulper->FollowPath();
    EXPECT_EQ(TheGulper->plannedGoal, (CellPos{8, 1}));
    EXPECT_GT(TheGulper->posX, Centre(1));
    // Turning back: the path is re-traced and the actor reverses.
    WalkTo({4, 1}, 4);
    TheGulper->goal = {1, 4};
    WalkTo({1, 4});
    EXPECT_EQ(TheGulper->cell, (CellPos{1, 4}));
    EXPECT_EQ(TheGulper->posY, Centre(4));
}

TEST_F(PathFollowingTest, UnreachableGoalLeavesTheActorStanding)
{
    TheGulper->Reset(3.4, Computer);
    TheGulper->goal = {0, 0};  // a wall: no map value reaches it
    for (int frame = 0; frame < 10; ++frame)
        TheGulper->FollowPath();
    EXPECT_EQ(TheGulper->posX, Centre(1));
    EXPECT_EQ(TheGulper->posY, Centre(1));
}

}  // namespace

// The computer gulper's planner: safe food first, then flight, then home.
#include "tests/actors/ActorTest.h"

namespace {

class GulperPlannerTest : public ActorTest {
protected:
    // A computer gulper on the maze; the ghosts are human-played so that they
    // stand still where they start unless a test moves them.
    void UseLevel(const std::vector<std::string>& rows, int ghosts = 1)
    {
        UseMaze(rows, ghosts, 2.4, Human, 3.4, Computer);
    }
    GhostActor& Ghost(int index) { return *TheSquad->ghosts[index]; }
};

TEST_F(GulperPlannerTest, MarginIsTwoCellsOfTheFirstGhost)
{
    UseLevel({"#######", "#P.CG.#", "#######"}, 4);  // first ghost 2.1 pixels per frame
    EXPECT_EQ(TheGulper->SafetyMargin(), 17);
    UseLevel({"#######", "#P.CG.#", "#######"}, 0);
    EXPECT_EQ(TheGulper->SafetyMargin(), 0);
}

TEST_F(GulperPlannerTest, NearCornInAGhostsReachIsPassedOverForASafeOne)
{
    UseLevel({
        "##############",
        "#C.P........C#",
        "#G############",
        "##############",
    });
    TheGulper->Think();
    EXPECT_EQ(TheGulper->goal, (CellPos{12, 1}));
    EXPECT_EQ(TheGulper->state, GulperNormal);
}

TEST_F(GulperPlannerTest, WithEveryGhostAfraidTheNearestFoodWins)
{
    UseLevel({
        "##############",
        "#C.P........C#",
        "#G############",
        "##############",
    });
    Ghost(0).MakeAfraid();
    TheGulper->Think();
    EXPECT_EQ(TheGulper->goal, (CellPos{1, 1}));
    for (int cost : TheGulper->danger)
        ASSERT_EQ(cost, 9999999);
}

TEST_F(GulperPlannerTest, EqualDistancesGoToTheUpperRowThenTheLeftColumn)
{
    UseLevel({"#####", "##C##", "##P##", "##C##", "##G##", "#####"}, 0);
    TheGulper->Think();
    EXPECT_EQ(TheGulper->goal, (CellPos{2, 1}));
    UseLevel({"#####", "#CPC#", "##G##", "#####"}, 0);
    TheGulper->Think();
    EXPECT_EQ(TheGulper->goal, (CellPos{1, 1}));
}

TEST_F(GulperPlannerTest, BoostsCountAsFood)
{
    UseLevel({"########", "#B.P..C#", "###G####", "########"}, 0);
    TheGulper->Think();
    EXPECT_EQ(TheGulper->goal, (CellPos{1, 1}));
}

TEST_F(GulperPlannerTest, GhostOnTheOnlyWayToTheCornMakesTheGulperFlee)
{
    UseLevel({"###########", "#.P..G...C#", "###########"});
    TheGulper->Think();
    EXPECT_EQ(TheGulper->state, GulperFleeing);
    EXPECT_EQ(TheGulper->goal, (CellPos{1, 1}));  // the safe cell the ghost reaches last
}

TEST_F(GulperPlannerTest, WithNowhereBetterToGoTheGulperHeadsHome)
{
    UseLevel({"###########", "#P...G...C#", "###########"});
    TheGulper->Think();
    EXPECT_EQ(TheGulper->state, GulperGoingHome);
    EXPECT_EQ(TheGulper->goal, TheMaze->gulperStart);
    // The way home is planned on a clean map.
    for (int cost : TheGulper->costMap)
        ASSERT_NE(cost, BlockedMark);
}

TEST_F(GulperPlannerTest, FleeingGulperReplansEveryTenFrames)
{
    UseLevel({"###########", "#.P..G...C#", "###########"});
    std::vector<int> plannedAt;
    for (int frame = 1; frame <= 25; ++frame) {
        const int before = TheGulper->nextThink;
        TheGulper->Think();
        if (TheGulper->nextThink != before)
            plannedAt.push_back(TheGulper->thinkCounter);
    }
    // The first plan (in state 0) turns to flight; then at once, and every 10th frame.
    EXPECT_EQ(plannedAt, (std::vector<int>{1, 11, 21}));
    EXPECT_EQ(TheGulper->state, GulperFleeing);
}

TEST_F(GulperPlannerTest, HuntingGulperPlansOncePerCell)
{
    UseLevel({"##############", "#C.P........C#", "#G############", "##############"});
    TheGulper->Think();
    TheGulper->goal = {3, 1};
    TheGulper->Think();  // same cell: no new plan
    EXPECT_EQ(TheGulper->goal, (CellPos{3, 1}));
}

TEST_F(GulperPlannerTest, SquadWithoutGhostsLeavesNoDanger)
{
    UseLevel({"#######", "#P..CG#", "#######"}, 0);
    TheGulper->Think();
    EXPECT_EQ(TheGulper->goal, (CellPos{4, 1}));
    EXPECT_EQ(TheGulper->state, GulperNormal);
}

TEST_F(GulperPlannerTest, ComputerGulperEatsEverythingWhenUnthreatened)
{
    UseLevel({
        "#########",
        "#P.C..C.#",
        "#.##.##.#",
        "#C..B..C#",
        "####G####",
        "#########",
    }, 0);
    for (int frame = 0; frame < 400 && TheMaze->cornLeft > 0; ++frame)
        TheGulper->Update();
    EXPECT_EQ(TheMaze->cornLeft, 0);
}

}  // namespace

// The computer gulper's planner: the nearest food it reaches safely (more than
// two cells of the first ghost ahead of every hunting ghost), else flight to
// the safe cell the ghosts reach last, else home.
#include "tests/actors/ActorTest.h"

namespace {

class GulperPlannerTest : public ActorTest {
protected:
    // A computer gulper on the maze; the ghosts are human-played so that they
    // stand still where they start.
    void UseLevel(const std::vector<std::string>& rows, int ghosts = 1)
    {
        UseMaze(rows, ghosts, 2.4, Human, 3.4, Computer);
    }
};

const std::vector<std::string> CornOnBothSides = {
    "##############",
    "#C.P........C#",
    "#G############",
    "##############",
};

TEST_F(GulperPlannerTest, ChoosesSafeFoodThenFlightThenHome)
{
    const struct {
        std::vector<std::string> rows;
        int ghosts;
        CellPos goal;
        GulperState state;
    } cases[] = {
        {CornOnBothSides, 1, {12, 1}, GulperNormal},  // near corn in a ghost's reach is passed over
        {{"#####", "##C##", "##P##", "##C##", "##G##", "#####"}, 0, {2, 1}, GulperNormal},  // upper row first
        {{"#####", "#CPC#", "##G##", "#####"}, 0, {1, 1}, GulperNormal},  // then the left column
        {{"########", "#B.P..C#", "###G####", "########"}, 0, {1, 1}, GulperNormal},  // boosts are food
        {{"#######", "#P..CG#", "#######"}, 0, {4, 1}, GulperNormal},  // no ghosts, no danger
        {{"###########", "#.P..G...C#", "###########"}, 1, {1, 1}, GulperFleeing},
        {{"###########", "#P...G...C#", "###########"}, 1, {1, 1}, GulperGoingHome},
    };
    for (const auto& c : cases) {
        UseLevel(c.rows, c.ghosts);
        TheGulper->Think();
        EXPECT_EQ(TheGulper->goal, c.goal) << c.rows[1];
        EXPECT_EQ(TheGulper->state, c.state) << c.rows[1];
    }
    // The way home is planned on a clean map.
    for (int cost : TheGulper->costMap)
        ASSERT_NE(cost, BlockedMark);
}

TEST_F(GulperPlannerTest, MarginIsTwoCellsOfTheFirstGhostAndAfraidGhostsAreNoDanger)
{
    UseLevel(CornOnBothSides, 4);  // the first ghost runs at 2.1 pixels per frame
    EXPECT_EQ(TheGulper->SafetyMargin(), 17);
    UseLevel(CornOnBothSides, 0);
    EXPECT_EQ(TheGulper->SafetyMargin(), 0);

    UseLevel(CornOnBothSides);
    Ghost(0).MakeAfraid();
    TheGulper->Think();
    EXPECT_EQ(TheGulper->goal, (CellPos{1, 1}));  // the nearest food wins
    for (int cost : TheGulper->danger)
        ASSERT_EQ(cost, 9999999);
}

TEST_F(GulperPlannerTest, PlansOncePerCellWhileHuntingAndEveryTenFramesWhileFleeing)
{
    UseLevel(CornOnBothSides);
    TheGulper->Think();
    TheGulper->goal = {3, 1};
    TheGulper->Think();  // same cell: no new plan
    EXPECT_EQ(TheGulper->goal, (CellPos{3, 1}));

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

}  // namespace

// One ghost: fear, blinking, being eaten, going home and reviving.
#include "tests/actors/ActorTest.h"

namespace {

const std::vector<std::string> Yard = {
    "############",
    "#P...G....C#",
    "############",
};

class GhostTest : public ActorTest {
protected:
    void SetUp() override
    {
        ActorTest::SetUp();
        UseMaze(Yard, 1, 2.4, Human);
    }
    GhostActor& Ghost() { return *TheSquad->ghosts[0]; }
};

TEST_F(GhostTest, FearIsShownThenBlinksThreeHiddenThreeShown)
{
    GhostActor& ghost = Ghost();
    ghost.MakeAfraid();
    std::string shown;  // by timer value from 159 down to 30: 's' shown, 'h' hidden
    for (int frame = 0; frame < 130; ++frame) {
        ghost.Tick();
        shown += ghost.blink == AfraidHidden ? 'h' : 's';
    }
    EXPECT_EQ(ghost.stateTimer, 30);
    EXPECT_EQ(shown.substr(0, 119), std::string(119, 's'));  // 159 down to 41
    EXPECT_EQ(shown.substr(119), "hhhssshhhss");             // 40, 39, 38 hidden; 37 ...
}

TEST_F(GhostTest, FearEndsWithTheHuntAgainAtZero)
{
    GhostActor& ghost = Ghost();
    ghost.MakeAfraid();
    for (int frame = 0; frame < 159; ++frame)
        ghost.Tick();
    EXPECT_EQ(ghost.state, Afraid);
    ghost.Tick();
    EXPECT_EQ(ghost.state, Hunting);
    EXPECT_EQ(ghost.stateTimer, NoValue);
    EXPECT_EQ(ghost.blink, NeverAfraid);
}

TEST_F(GhostTest, SecondBoostRestartsTheFearAndShowsTheGhost)
{
    GhostActor& ghost = Ghost();
    ghost.MakeAfraid();
    for (int frame = 0; frame < 121; ++frame)
        ghost.Tick();
    ASSERT_EQ(ghost.blink, AfraidHidden);
    ghost.MakeAfraid();
    EXPECT_EQ(ghost.blink, AfraidShown);
    EXPECT_EQ(ghost.stateTimer, FearFrames);
}

TEST_F(GhostTest, EatenGhostWaitsOutItsFearBeforeReviving)
{
    GhostActor& ghost = Ghost();  // standing in the start cell
    ghost.MakeAfraid();
    for (int frame = 0; frame < 60; ++frame)
        ghost.Tick();
    ghost.state = Eaten;  // eaten with 100 frames of fear left
    for (int frame = 0; frame < 100; ++frame) {
        ghost.Tick();
        ASSERT_EQ(ghost.state, Eaten) << frame;
    }
    ghost.Tick();
    EXPECT_EQ(ghost.state, Hunting);
}

TEST_F(GhostTest, EatenWithOneFrameLeftInTheStartCellRevivesTwoFramesLater)
{
    GhostActor& ghost = Ghost();
    ghost.MakeAfraid();
    ghost.stateTimer = 1;
    ghost.state = Eaten;
    ghost.Tick();
    EXPECT_EQ(ghost.state, Eaten);
    ghost.Tick();
    EXPECT_EQ(ghost.state, Hunting);
}

TEST_F(GhostTest, EatenGhostAwayFromHomeDoesNotRevive)
{
    GhostActor& ghost = Ghost();
    ghost.MakeAfraid();
    ghost.state = Eaten;
    ghost.stateTimer = 0;
    ghost.posX = Centre(8);
    ghost.UpdateCell();
    ghost.Tick();
    EXPECT_EQ(ghost.state, Eaten);
}

TEST_F(GhostTest, BoostOnAnEatenGhostRestartsItsWait)
{
    GhostActor& ghost = Ghost();
    ghost.MakeAfraid();
    ghost.state = Eaten;
    ghost.stateTimer = 3;
    ghost.MakeAfraid();
    EXPECT_EQ(ghost.state, Eaten);
    EXPECT_EQ(ghost.stateTimer, FearFrames);
}

TEST_F(GhostTest, ComputerGhostsGoHomeWhenAfraidAndHuntOnRevival)
{
    UseMaze(Yard, 1, 2.4, Computer);
    GhostActor& ghost = Ghost();
    ghost.goal = {2, 1};
    ghost.MakeAfraid();
    EXPECT_EQ(ghost.goal, TheMaze->ghostStart);
    ghost.Revive();
    EXPECT_EQ(ghost.goal, TheGulper->cell);
}

TEST_F(GhostTest, HumanGhostsKeepTheirOrdersWhenAfraid)
{
    GhostActor& ghost = Ghost();
    ghost.goal = {2, 1};
    ghost.MakeAfraid();
    EXPECT_EQ(ghost.goal, (CellPos{2, 1}));
}

TEST_F(GhostTest, HoldHereStopsTheGhostAtItsCell)
{
    GhostActor& ghost = Ghost();
    ghost.posX = Centre(7) + 3;
    ghost.HoldHere();
    EXPECT_EQ(ghost.goal, (CellPos{7, 1}));
}

TEST_F(GhostTest, WalkingPhaseChangesOnTheFirstDrawAndEveryTenFrames)
{
    GhostActor& ghost = Ghost();
    std::vector<int> phases;
    for (int frame = 0; frame < 22; ++frame) {
        ghost.Draw();
        phases.push_back(ghost.animPhase);
    }
    EXPECT_EQ(phases[0], 1);
    EXPECT_EQ(phases[9], 1);
    EXPECT_EQ(phases[10], 0);
    EXPECT_EQ(phases[20], 1);
}

}  // namespace

// One ghost: fear for 160 frames, blinking through its last 40, being eaten,
// waiting out its fear as eyes and reviving at home.
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
    static void Ticks(int frames)
    {
        for (int frame = 0; frame < frames; ++frame)
            Ghost(0).Tick();
    }
};

TEST_F(GhostTest, FearIsShownThenBlinksThreeHiddenThreeShownAndEndsInTheHunt)
{
    GhostActor& ghost = Ghost(0);
    ghost.MakeAfraid();
    std::string shown;  // by timer value from 159 down to 30: 's' shown, 'h' hidden
    for (int frame = 0; frame < 130; ++frame) {
        ghost.Tick();
        shown += ghost.blink == AfraidHidden ? 'h' : 's';
    }
    EXPECT_EQ(shown.substr(0, 119), std::string(119, 's'));  // 159 down to 41
    EXPECT_EQ(shown.substr(119), "hhhssshhhss");             // 40, 39, 38 hidden; 37 ...
    Ticks(29);
    EXPECT_EQ(ghost.state, Afraid);
    Ticks(1);
    EXPECT_EQ(ghost.state, Hunting);
    EXPECT_EQ(ghost.stateTimer, NoValue);
    EXPECT_EQ(ghost.blink, NeverAfraid);
}

TEST_F(GhostTest, EatenGhostWaitsOutItsFearAndRevivesOnlyAtHome)
{
    GhostActor& ghost = Ghost(0);  // standing in the start cell
    ghost.MakeAfraid();
    Ticks(60);
    ghost.state = Eaten;  // eaten with 100 frames of fear left
    for (int frame = 0; frame < 100; ++frame) {
        ghost.Tick();
        ASSERT_EQ(ghost.state, Eaten) << frame;
    }
    Ticks(1);
    EXPECT_EQ(ghost.state, Hunting);

    ghost.MakeAfraid();
    ghost.state = Eaten;
    ghost.stateTimer = 3;
    ghost.MakeAfraid();  // a boost restarts the wait
    EXPECT_EQ(ghost.state, Eaten);
    EXPECT_EQ(ghost.stateTimer, FearFrames);
    ghost.stateTimer = 0;
    ghost.posX = Centre(8);
    ghost.UpdateCell();
    Ticks(1);
    EXPECT_EQ(ghost.state, Eaten);  // away from home
}

TEST_F(GhostTest, ComputerGhostsGoHomeWhenAfraidAndHuntOnRevivalHumanOnesKeepTheirOrders)
{
    Ghost(0).goal = {2, 1};
    Ghost(0).MakeAfraid();
    EXPECT_EQ(Ghost(0).goal, (CellPos{2, 1}));

    UseMaze(Yard, 1, 2.4, Computer);
    Ghost(0).goal = {2, 1};
    Ghost(0).MakeAfraid();
    EXPECT_EQ(Ghost(0).goal, TheMaze->ghostStart);
    Ghost(0).Revive();
    EXPECT_EQ(Ghost(0).goal, TheGulper->cell);
}

}  // namespace

// The ghost squad: the speed ladder, meetings with the gulper, the computer's
// cut-offs at junctions, and the looping sound.
#include <functional>

#include "tests/actors/ActorTest.h"

namespace {

const std::vector<std::string> Hall = {
    "##############",
    "#P.....G....C#",
    "##############",
};

// A cross of corridors around the gulper's start with T-junctions at the ends.
const std::vector<std::string> Crossing = {
    "###########",
    "#.........#",
    "#.###.###.#",
    "#.###.###.#",
    "#....P....#",
    "#.###.###.#",
    "#.###G###C#",
    "#.........#",
    "###########",
};

class GhostSquadTest : public ActorTest {
protected:
    // Puts a ghost onto the centre of a cell.
    static void Place(GhostActor& ghost, int x, int y)
    {
        ghost.posX = Centre(x);
        ghost.posY = Centre(y);
        ghost.UpdateCell();
        ghost.goal = ghost.plannedGoal = ghost.cell;
    }
};

TEST_F(GhostSquadTest, SpeedsStepDownToHalfTheBaseSpeedAndColoursRepeatAfterFour)
{
    UseMaze(Hall, 4, 2.4);
    const double expected[] = {2.1, 1.8, 1.5, 1.2};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(Ghost(i).speed, expected[i], 1e-12) << i;
    UseMaze(Hall, 1, 2.4);
    EXPECT_DOUBLE_EQ(Ghost(0).speed, 1.2);
    UseMaze(Hall, 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Ghost(i).colour, i % 4);
}

// Every meeting in the gulper's cell: the timers run first, then the gulper
// eats an afraid ghost (shown or hidden); a hunting one catches it; eyes do neither.
TEST_F(GhostSquadTest, MeetingsInTheGulpersCell)
{
    const struct {
        const char* what;
        int ghosts;
        std::function<void()> before;
        GhostState ghostState;
        bool caught;
        int eatenSounds;
    } cases[] = {
        {"hunting", 1, [] {}, Hunting, true, 0},
        {"boost last frame", 2, [] { TheGulper->state = GulperAteBoost; }, Eaten, false, 2},
        {"hidden while blinking", 1, [] { Ghost(0).MakeAfraid(); Ghost(0).blink = AfraidHidden; },
         Eaten, false, 1},
        {"fear running out", 1, [] { Ghost(0).MakeAfraid(); Ghost(0).stateTimer = 1; }, Hunting,
         true, 0},
        {"eyes", 1, [] { Ghost(0).MakeAfraid(); Ghost(0).state = Eaten; }, Eaten, false, 0},
    };
    for (const auto& c : cases) {
        UseMaze(Hall, c.ghosts, 2.4, Human);
        c.before();
        for (GhostActor* ghost : TheSquad->ghosts)
            Place(*ghost, 1, 1);
        const int eatenBefore = Happened(GameEvent::GhostEaten);
        PlayFrame();
        EXPECT_EQ(Ghost(c.ghosts - 1).state, c.ghostState) << c.what;
        EXPECT_EQ(TheGulper->state == GulperCaught, c.caught) << c.what;
        EXPECT_EQ(Happened(GameEvent::GhostEaten) - eatenBefore, c.eatenSounds) << c.what;
    }
}

TEST_F(GhostSquadTest, BoostIsAppliedByTheSquadOnTheNextFrame)
{
    UseMaze(Hall, 2, 2.4);
    TheGulper->state = GulperAteBoost;
    TheSquad->Update();
    EXPECT_EQ(TheGulper->state, GulperNormal);
    EXPECT_EQ(Ghost(0).state, Afraid);
    EXPECT_EQ(Ghost(1).state, Afraid);
}

TEST_F(GhostSquadTest, NoRetargetWhileTheGulperStaysOnItsStartAndHumanGhostsStandStill)
{
    UseMaze(Crossing, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Ghost(i).goal, TheMaze->gulperStart);
    TheSquad->Update();
    EXPECT_TRUE(TheSquad->junctions.empty());

    UseMaze(Crossing, 2, 2.4, Human);
    for (int frame = 0; frame < 30; ++frame)
        TheSquad->Update();
    EXPECT_EQ(Ghost(0).posX, Centre(5));
    EXPECT_EQ(Ghost(0).posY, Centre(6));
}

TEST_F(GhostSquadTest, JunctionsTakeTheNearestHuntingGhosts)
{
    UseMaze(Crossing, 3);
    Place(Ghost(0), 9, 7);  // near the right-hand and lower junctions
    Place(Ghost(1), 1, 7);
    Place(Ghost(2), 5, 1);
    TheSquad->gulperCell = {5, 4};
    TheSquad->Retarget();
    // Around (5, 4): right (9, 4), left (1, 4), up (5, 1), down (5, 7). Three
    // ghosts take the first three, each the nearest in its own frames; the
    // last junction finds no ghost left.
    ASSERT_EQ(TheSquad->junctions.size(), 4u);
    EXPECT_EQ(Ghost(0).goal, (CellPos{9, 4}));
    EXPECT_EQ(Ghost(1).goal, (CellPos{1, 4}));
    EXPECT_EQ(Ghost(2).goal, (CellPos{5, 1}));

    UseMaze(Crossing, 4);
    Place(Ghost(0), 9, 1);
    Place(Ghost(1), 9, 7);
    Place(Ghost(2), 1, 1);
    Place(Ghost(3), 1, 7);
    Ghost(3).state = Afraid;
    TheSquad->gulperCell = {5, 4};
    TheSquad->Retarget();
    EXPECT_EQ(Ghost(3).goal, TheMaze->ghostStart);  // the frightened one goes home
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(Ghost(i).goal, (CellPos{5, 4}));  // three hunting ghosts, all sent to junctions
}

}  // namespace

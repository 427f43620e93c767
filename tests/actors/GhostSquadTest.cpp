// The ghost squad: the speed ladder, meetings with the gulper, the computer's
// cut-offs at junctions, and the looping sound.
#include "tests/actors/ActorTest.h"

namespace {

const std::vector<std::string> Hall = {
    "##############",
    "#P.....G....C#",
    "##############",
};

class GhostSquadTest : public ActorTest {
protected:
    GhostActor& Ghost(int index) { return *TheSquad->ghosts[index]; }
    // Puts a ghost onto the centre of a cell.
    static void Place(GhostActor& ghost, int x, int y)
    {
        ghost.posX = Centre(x);
        ghost.posY = Centre(y);
        ghost.UpdateCell();
        ghost.goal = ghost.plannedGoal = ghost.cell;
    }
};

TEST_F(GhostSquadTest, SpeedsStepDownToHalfTheBaseSpeed)
{
    UseMaze(Hall, 4, 2.4);
    const double expected[] = {2.1, 1.8, 1.5, 1.2};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(Ghost(i).speed, expected[i], 1e-12) << i;
    UseMaze(Hall, 1, 2.4);
    EXPECT_DOUBLE_EQ(Ghost(0).speed, 1.2);
}

TEST_F(GhostSquadTest, ColoursRepeatAfterFourGhosts)
{
    UseMaze(Hall, 8);
    EXPECT_EQ(Ghost(0).colour, 0);
    EXPECT_EQ(Ghost(3).colour, 3);
    EXPECT_EQ(Ghost(4).colour, 0);
    EXPECT_EQ(Ghost(7).colour, 3);
}

TEST_F(GhostSquadTest, GhostCountsOutsideZeroToEightAreClamped)
{
    CaptureOutput();
    UseMaze(Hall, 50);
    TakeOutput();
    EXPECT_EQ(TheSquad->count, MaxGhosts);
    CaptureOutput();
    UseMaze(Hall, -3);
    TakeOutput();
    EXPECT_EQ(TheSquad->count, 0);
    PlayFrame();  // a squad of none plays on
}

TEST_F(GhostSquadTest, HuntingGhostInTheGulpersCellCatchesIt)
{
    UseMaze(Hall, 1, 2.4, Human);
    Place(Ghost(0), 1, 1);
    PlayFrame();
    EXPECT_EQ(TheGulper->state, GulperCaught);
}

TEST_F(GhostSquadTest, AfraidGhostIsEatenInsteadOfCatching)
{
    UseMaze(Hall, 1, 2.4, Human);
    TheGulper->state = GulperAteBoost;  // ate a boost last frame
    Place(Ghost(0), 1, 1);
    PlayFrame();
    EXPECT_EQ(Ghost(0).state, Eaten);
    EXPECT_NE(TheGulper->state, GulperCaught);
    EXPECT_EQ(PlayCount(EatingGhostSound), 1);
}

TEST_F(GhostSquadTest, TwoAfraidGhostsEatenInOneFramePlayTwoSounds)
{
    UseMaze(Hall, 2, 2.4, Human);
    TheGulper->state = GulperAteBoost;
    Place(Ghost(0), 1, 1);
    Place(Ghost(1), 1, 1);
    PlayFrame();
    EXPECT_EQ(Ghost(0).state, Eaten);
    EXPECT_EQ(Ghost(1).state, Eaten);
    EXPECT_EQ(PlayCount(EatingGhostSound), 2);
}

TEST_F(GhostSquadTest, FearRunningOutOnTheMeetingFrameCatchesTheGulper)
{
    UseMaze(Hall, 1, 2.4, Human);
    Ghost(0).MakeAfraid();
    Ghost(0).stateTimer = 1;
    Place(Ghost(0), 1, 1);
    PlayFrame();  // the timers run before the meeting is tested
    EXPECT_EQ(TheGulper->state, GulperCaught);
}

TEST_F(GhostSquadTest, EatenGhostNeitherEatsNorIsEaten)
{
    UseMaze(Hall, 1, 2.4, Human);
    Ghost(0).MakeAfraid();
    Ghost(0).state = Eaten;
    Place(Ghost(0), 1, 1);
    PlayFrame();
    EXPECT_EQ(Ghost(0).state, Eaten);
    EXPECT_NE(TheGulper->state, GulperCaught);
    EXPECT_EQ(PlayCount(EatingGhostSound), 0);
}

TEST_F(GhostSquadTest, HiddenAfraidGhostCanStillBeEaten)
{
    UseMaze(Hall, 1, 2.4, Human);
    Ghost(0).MakeAfraid();
    Ghost(0).blink = AfraidHidden;
    Place(Ghost(0), 1, 1);
    PlayFrame();
    EXPECT_EQ(Ghost(0).state, Eaten);
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

TEST_F(GhostSquadTest, NoRetargetWhileTheGulperStaysOnItsStart)
{
    UseMaze(Crossing, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Ghost(i).goal, TheMaze->gulperStart);
    TheSquad->Update();
    EXPECT_TRUE(TheSquad->junctions.empty());
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
}

TEST_F(GhostSquadTest, LeftOverGhostsChaseAndFrightenedOnesGoHome)
{
    UseMaze(Crossing, 4);
    Place(Ghost(0), 9, 1);
    Place(Ghost(1), 9, 7);
    Place(Ghost(2), 1, 1);
    Place(Ghost(3), 1, 7);
    Ghost(3).state = Afraid;
    TheSquad->gulperCell = {5, 4};
    TheSquad->Retarget();
    EXPECT_EQ(Ghost(3).goal, TheMaze->ghostStart);
    int chasing = 0;
    for (int i = 0; i < 3; ++i)
        chasing += Ghost(i).goal == CellPos{5, 4};
    EXPECT_EQ(chasing, 0);  // three hunting ghosts, all sent to junctions
}

TEST_F(GhostSquadTest, LoopSoundFollowsTheSquadsMood)
{
    UseMaze(Crossing, 2);
    TheSquad->UpdateLoopSound();
    EXPECT_EQ(TheSquad->loopSound, GhostAttackingSound);
    Ghost(0).state = Afraid;
    TheSquad->UpdateLoopSound();
    EXPECT_EQ(TheSquad->loopSound, GhostAfraidSound);
    Ghost(1).state = Eaten;  // eyes win over fear
    TheSquad->UpdateLoopSound();
    EXPECT_EQ(TheSquad->loopSound, GhostEyesOnlySound);
    EXPECT_EQ(PlayCount(GhostEyesOnlySound), 1);
}

TEST_F(GhostSquadTest, LoopSoundIsNotRestartedWhilePlaying)
{
    UseMaze(Crossing, 1);
    for (int frame = 0; frame < 5; ++frame)
        TheSquad->UpdateLoopSound();
    EXPECT_EQ(PlayCount(GhostAttackingSound), TheScreen->audioOpen ? 1 : 5);
    TheSounds->HaltEffects();  // stopped from outside: restarted on the next frame
    TheSquad->UpdateLoopSound();
    EXPECT_EQ(PlayCount(GhostAttackingSound), TheScreen->audioOpen ? 2 : 6);
}

TEST_F(GhostSquadTest, HumanSquadStandsStillUntilOrdered)
{
    UseMaze(Crossing, 2, 2.4, Human);
    for (int frame = 0; frame < 30; ++frame)
        TheSquad->Update();
    EXPECT_EQ(Ghost(0).posX, Centre(5));
    EXPECT_EQ(Ghost(0).posY, Centre(6));
}

}  // namespace

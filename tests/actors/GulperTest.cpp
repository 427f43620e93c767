// The gulper: eating, and never entering a wall at its top speed.
#include "tests/actors/ActorTest.h"

namespace {

const std::vector<std::string> Pantry = {
    "##########",
    "#PCCB..G.#",
    "##########",
};

class GulperTest : public ActorTest {
protected:
    void SetUp() override
    {
        ActorTest::SetUp();
        UseMaze(Pantry, 0);
    }
};

TEST_F(GulperTest, EatsCornAsSoonAsItsCentreEntersTheCellAndABoostSilently)
{
    ASSERT_EQ(TheMaze->cornLeft, 2);
    TheGulper->Update();  // 30.4: still in (1, 1)
    TheGulper->Update();  // 33.8
    EXPECT_EQ(TheMaze->cornLeft, 2);
    TheGulper->Update();  // 37.2: in (2, 1), well before its centre
    EXPECT_EQ(TheMaze->cornLeft, 1);
    EXPECT_EQ(TheMaze->CellAt(2, 1), Tunnel);
    EXPECT_EQ(Happened(GameEvent::CornEaten), 1);

    for (int frame = 0; frame < 40 && TheGulper->state != GulperAteBoost; ++frame)
        TheGulper->Update();
    EXPECT_EQ(TheGulper->state, GulperAteBoost);
    EXPECT_EQ(TheMaze->CellAt(4, 1), Tunnel);
    EXPECT_EQ(TheMaze->cornLeft, 0);
    EXPECT_EQ(Happened(GameEvent::CornEaten), 2);
}

TEST_F(GulperTest, StoppedGulperStillEatsWhatLiesUnderIt)
{
    TheMaze->SetCell({1, 1}, Corn);
    ++TheMaze->cornLeft;
    TheGulper->stopped = true;
    TheGulper->Update();
    EXPECT_EQ(TheMaze->CellAt(1, 1), Tunnel);
    EXPECT_EQ(TheMaze->cornLeft, 2);
}

TEST_F(GulperTest, FastestGulperNeverEntersAWall)
{
    UseMaze({"##########", "#P.....CG#", "#.########", "#........#", "##########"}, 0, 2.4,
            Computer, MaxSpeed, Human);
    const Direction wanted[] = {Right, Down, Left, Up, Down, Right};
    for (int step = 0; step < 120; ++step) {
        TheGulper->wantedDirection = wanted[(step / 20) % 6];
        TheGulper->Update();
        ASSERT_NE(TheMaze->CellAt(TheGulper->cell.x, TheGulper->cell.y), Wall) << step;
    }
}

}  // namespace

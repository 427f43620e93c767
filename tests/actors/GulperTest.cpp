// The gulper: eating, the mouth, the appearing and dying animations.
#include "tests/actors/ActorTest.h"

namespace {

const std::vector<std::string> Pantry = {
    "##########",
    "#PCCB..G.#",
    "##########",
};

constexpr Uint32 Background = 0x202020;

class GulperTest : public ActorTest {
protected:
    void SetUp() override
    {
        ActorTest::SetUp();
        UseMaze(Pantry, 0);
    }
    bool GulperDrawn() const { return PixelAt(Centre(1), Centre(1)) != Background; }
};

TEST_F(GulperTest, EatsCornAsSoonAsItsCentreEntersTheCell)
{
    ASSERT_EQ(TheMaze->cornLeft, 2);
    TheGulper->Update();  // 30.4: still in (1, 1)
    TheGulper->Update();  // 33.8
    EXPECT_EQ(TheMaze->cornLeft, 2);
    TheGulper->Update();  // 37.2: in (2, 1), well before its centre
    EXPECT_EQ(TheMaze->cornLeft, 1);
    EXPECT_EQ(TheMaze->CellAt(2, 1), Tunnel);
    EXPECT_EQ(PlayCount(EatingCornSound), 1);
}

TEST_F(GulperTest, BoostSetsTheStateWithoutSoundOrCornCount)
{
    for (int frame = 0; frame < 40 && TheGulper->state != GulperAteBoost; ++frame)
        TheGulper->Update();
    EXPECT_EQ(TheGulper->state, GulperAteBoost);
    EXPECT_EQ(TheMaze->CellAt(4, 1), Tunnel);
    EXPECT_EQ(TheMaze->cornLeft, 0);
    EXPECT_EQ(PlayCount(EatingCornSound), 2);
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

TEST_F(GulperTest, MouthSwingsWhileMovingAndFreezesWhileStanding)
{
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        TheGulper->Draw();
        frames.push_back(TheGulper->mouthFrame);
    }
    EXPECT_EQ(frames, (std::vector<int>{3, 2, 1, 0, 1, 2, 3, 2}));
    TheGulper->moving = false;
    TheGulper->Draw();
    TheGulper->Draw();
    EXPECT_EQ(TheGulper->mouthFrame, 2);
}

TEST_F(GulperTest, AppearingBlinksThreeOnThreeOffForThirtyFrames)
{
    std::vector<int> drawnOnCalls;
    bool finished = false;
    int call = 0;
    while (!finished) {
        ClearWindow(Background);
        finished = TheGulper->PlayAppearing();
        ++call;
        if (GulperDrawn())
            drawnOnCalls.push_back(call);
        ASSERT_LE(call, 30);
    }
    EXPECT_EQ(call, 30);
    EXPECT_EQ(drawnOnCalls, (std::vector<int>{1, 2, 3, 7, 8, 9, 13, 14, 15, 19, 20, 21, 25, 26, 27}));
    EXPECT_EQ(TheGulper->state, GulperNormal);
}

TEST_F(GulperTest, DyingLastsThirtyFramesAndPlaysItsSoundOnce)
{
    int calls = 1;
    while (!TheGulper->PlayDying())
        ++calls;
    EXPECT_EQ(calls, 30);
    EXPECT_EQ(PlayCount(DyingSound), 1);
    EXPECT_EQ(TheGulper->dyingCounter, 0);
    EXPECT_FALSE(TheGulper->animStarted);
}

TEST_F(GulperTest, SpeedsOutsideThePlayableRangeAreClampedWithAMessage)
{
    CaptureOutput();
    TheGulper->Reset(0.0, Human);
    const std::string slow = TakeOutput();
    EXPECT_DOUBLE_EQ(TheGulper->speed, MinSpeed);
    EXPECT_NE(slow.find("Gulper speed 0 is outside"), std::string::npos) << slow;
    CaptureOutput();
    TheGulper->Reset(25.0, Human);
    TakeOutput();
    EXPECT_DOUBLE_EQ(TheGulper->speed, MaxSpeed);
    CaptureOutput();
    TheGulper->Reset(3.4, Human);
    EXPECT_EQ(TakeOutput(), "");
}

TEST_F(GulperTest, FastGulperNeverEntersAWall)
{
    UseMaze({"##########", "#P.....CG#", "#.########", "#........#", "##########"}, 0, 2.4,
            Computer, 9.0, Human);
    const int wanted[] = {Right, Down, Left, Up, Down, Right};
    for (int step = 0; step < 120; ++step) {
        TheGulper->wantedDirection = wanted[(step / 20) % 6];
        TheGulper->Update();
        ASSERT_NE(TheMaze->CellAt(TheGulper->cell.x, TheGulper->cell.y), Wall) << step;
    }
}

}  // namespace

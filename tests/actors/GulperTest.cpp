// The gulper: eating, its speed limits, the mouth, the appearing and dying animations.
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

TEST_F(GulperTest, SpeedsOutsideThePlayableRangeAreClampedWithAMessage)
{
    const struct {
        double speed, playing;
        const char* said;
    } cases[] = {{0.0, MinSpeed, "Gulper speed 0 is outside"}, {-1.0, MinSpeed, "outside"},
                 {25.0, MaxSpeed, "Gulper speed 25 is outside"}, {3.4, 3.4, ""}};
    for (const auto& c : cases) {
        CaptureOutput();
        TheGulper->Reset(c.speed, Human);
        const std::string output = TakeOutput();
        EXPECT_DOUBLE_EQ(TheGulper->speed, c.playing) << c.speed;
        EXPECT_EQ(output.empty(), *c.said == '\0') << output;
        EXPECT_NE(output.find(c.said), std::string::npos) << output;
    }
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

TEST_F(GulperTest, MouthSwingsWhileMovingAndFreezesWhileStanding)
{
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        TheGulper->Animate();
        frames.push_back(TheGulper->mouthFrame);
    }
    EXPECT_EQ(frames, (std::vector<int>{3, 2, 1, 0, 1, 2, 3, 2}));
    TheGulper->moving = false;
    TheGulper->Animate();
    TheGulper->Animate();
    EXPECT_EQ(TheGulper->mouthFrame, 2);
}

TEST_F(GulperTest, AppearingBlinksThreeOnThreeOffForThirtyFrames)
{
    std::vector<int> drawnOnCalls;
    for (int call = 1; call <= 30; ++call) {
        FillWindow(Background);
        const bool finished = TheGulper->PlayAppearing();
        TheGulper->DrawAppearing();
        ASSERT_EQ(finished, call == 30) << call;
        if (PixelAt(Centre(1), Centre(1)) != Background)
            drawnOnCalls.push_back(call);
    }
    EXPECT_EQ(drawnOnCalls, (std::vector<int>{1, 2, 3, 7, 8, 9, 13, 14, 15, 19, 20, 21, 25, 26, 27}));
    EXPECT_EQ(TheGulper->state, GulperNormal);
}

TEST_F(GulperTest, DyingLastsThirtyFramesAndPlaysItsSoundOnce)
{
    for (int call = 1; call <= 30; ++call)
        ASSERT_EQ(TheGulper->PlayDying(), call == 30) << call;
    EXPECT_EQ(Happened(GameEvent::DyingBegins), 1);
    EXPECT_EQ(TheGulper->dyingCounter, 0);
    EXPECT_FALSE(TheGulper->animStarted);
}

}  // namespace

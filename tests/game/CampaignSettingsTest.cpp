// A campaign level's settings file: who plays each side, the ghost count,
// both speeds and the time limit, read when the level is chosen; defaults
// for the player's side when the file is missing; frame rate 20.
#include <gtest/gtest.h>

#include "app/Config.h"
#include "app/CountdownTimer.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int CampaignFramesPerSecond = 20;

class CampaignSettingsTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        RemoveCampaign("gulper");
        RemoveCampaign("ghosts");
    }
    void SetUp() override
    {
        GameTest::SetUp();
        Click(PlayButton);
    }
    void WriteGulperLevel(const std::string& settings) const
    {
        WriteCampaignLevel("gulper", 1, TestMazes::OpenRoom(), settings);
    }
    static const Config& Configured() { return *TheConfig; }
    static const CountdownTimer& Timer() { return *TheGui->timer; }
};

TEST_F(CampaignSettingsTest, SixValuesSetBothSidesAndTheTimeLimit)
{
    WriteGulperLevel("0\n1\n4\n3.4\n2.4\n120\n");

    Click(GulperCampaignButton);

    EXPECT_EQ(Configured().gulperController, Human);
    EXPECT_EQ(Configured().ghostsController, Computer);
    EXPECT_EQ(Configured().ghostCount, 4);
    EXPECT_DOUBLE_EQ(Configured().gulperSpeed, 3.4);
    EXPECT_DOUBLE_EQ(Configured().ghostSpeed, 2.4);
    EXPECT_EQ(Timer().limit, 120);
    EXPECT_EQ(Timer().framesLeft, 120 * CampaignFramesPerSecond);
}

TEST_F(CampaignSettingsTest, AnyWhiteSpaceSeparatesTheValues)
{
    WriteGulperLevel("1 0\t6\r\n 2.5   1.5\n\n75");
    Click(GulperCampaignButton);
    EXPECT_EQ(Configured().ghostCount, 6);
    EXPECT_DOUBLE_EQ(Configured().ghostSpeed, 1.5);
    EXPECT_EQ(Timer().limit, 75);
}

TEST_F(CampaignSettingsTest, FiveValuesGiveTheDefaultTimeLimit)
{
    TheGui->timer->limit = 45;
    WriteGulperLevel("0\n1\n3\n3.0\n2.0\n");

    Click(GulperCampaignButton);

    EXPECT_EQ(Configured().ghostCount, 3);
    EXPECT_EQ(Timer().limit, DefaultTimeLimit);
}

TEST_F(CampaignSettingsTest, ReadingStopsAtAValueThatIsNoNumber)
{
    TheConfig->ghostCount = 2;
    TheConfig->gulperSpeed = 1.5;
    WriteGulperLevel("1\n0\nfour\n3.0\n2.0\n120\n");

    Click(GulperCampaignButton);

    EXPECT_EQ(Configured().gulperController, Computer);
    EXPECT_EQ(Configured().ghostsController, Human);
    EXPECT_EQ(Configured().ghostCount, 2);
    EXPECT_DOUBLE_EQ(Configured().gulperSpeed, 1.5);
    EXPECT_EQ(Timer().limit, DefaultTimeLimit);
}

TEST_F(CampaignSettingsTest, WithoutAFileThePlayersSideIsHumanAndTheTimeLimitStays)
{
    WriteCampaignLevel("ghosts", 1, TestMazes::OpenRoom(), "0\n0\n6\n3.0\n2.0\n45\n");
    WriteLevel("data/ghosts_level_2.lev", TestMazes::OpenRoom());
    TheConfig->ghostsMaxLevel = 2;
    Click(GhostsCampaignButton);
    ASSERT_EQ(Timer().limit, 45);

    CaptureOutput();
    Click(PlusButton);
    EXPECT_EQ(TakeOutput(), "Couldn't load campaign settings from file "
                            "data/ghosts_settings_2.lev, loading default settings!");

    EXPECT_EQ(TheConfig->ghostsLevel, 2);
    EXPECT_EQ(Configured().gulperController, Computer);
    EXPECT_EQ(Configured().ghostsController, Human);
    EXPECT_EQ(Configured().ghostCount, 4);
    EXPECT_DOUBLE_EQ(Configured().gulperSpeed, 3.4);
    EXPECT_DOUBLE_EQ(Configured().ghostSpeed, 2.4);
    EXPECT_EQ(Timer().limit, 45);
}

TEST_F(CampaignSettingsTest, InTheGulpersCampaignTheDefaultsMakeTheGulperHuman)
{
    WriteLevel("data/gulper_level_1.lev", TestMazes::OpenRoom());
    CaptureOutput();
    Click(GulperCampaignButton);
    TakeOutput();
    EXPECT_EQ(Configured().gulperController, Human);
    EXPECT_EQ(Configured().ghostsController, Computer);
}

TEST_F(CampaignSettingsTest, ACampaignLevelRunsAtTwentyFramesASecond)
{
    TheConfig->framesPerSecond = 30;
    TheScreen->SetFramesPerSecond(30);
    WriteGulperLevel("0\n1\n4\n3.4\n2.4\n60\n");

    Click(GulperCampaignButton);

    EXPECT_EQ(TheConfig->framesPerSecond, CampaignFramesPerSecond);
    EXPECT_EQ(TheScreen->framesPerSecond, CampaignFramesPerSecond);
    EXPECT_EQ(TheScreen->framePeriod, 1000 / CampaignFramesPerSecond);
    EXPECT_EQ(Timer().framesLeft, 60 * CampaignFramesPerSecond);
}

TEST_F(CampaignSettingsTest, TheSettingsAreTakenEvenWhenTheMazeIsMissing)
{
    sandbox->Write("data/gulper_settings_1.lev", "1\n1\n7\n3.0\n2.0\n50\n");
    CaptureOutput();
    Click(GulperCampaignButton);
    TakeOutput();
    EXPECT_EQ(GameState, GameModeMenu);
    EXPECT_EQ(Configured().ghostCount, 7);
}

}  // namespace

// The custom game screen: choosing who plays each side, the speeds, the
// number of ghosts, the custom maze and the time limit, and starting the game.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "app/Config.h"
#include "app/CountdownTimer.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"
#include "tests/game/ScreenTestSupport.h"

using namespace ScreenTests;

namespace {

constexpr int TimerWidget = 10;  // the time limit's number, last of the panel's widgets
constexpr int MapWidget = 8;     // the map number's

class CustomGameScreenTest : public GameTest {
protected:
    // Maps 1 to 6 hold 1 to 6 corn, so the corn left tells which one is loaded.
    void PrepareGameFiles() override
    {
        for (int map = 1; map <= 6; ++map)
            WriteLevel("data/map_" + std::to_string(map) + ".lev", MapWithCorn(map));
    }

    void SetUp() override
    {
        GameTest::SetUp();
        Click(PlayButton);
        Click(CustomGameButton);
        ASSERT_EQ(GameState, CustomGameMenu);
    }

    // Shows a map as the player left it last time.
    static void OpenMap(int mapNumber)
    {
        TheConfig->mapNumber = mapNumber;
        TheMaze->LoadNumbered(TheConfig->mapNumber, true);
    }

    static std::string Shown(int buttonId)
    {
        RunFrames(1);
        return ButtonOf(buttonId).label->text;
    }

    static CountdownTimer& Timer() { return *TheGui->timer; }
};

TEST_F(CustomGameScreenTest, TheSideButtonsSwitchBetweenHumanAndComputer)
{
    TheConfig->gulperController = Human;
    TheConfig->ghostsController = Computer;
    EXPECT_EQ(Shown(GulperSideButton), "Human");
    EXPECT_EQ(Shown(GhostsSideButton), "AI");

    Click(GulperSideButton);
    Click(GhostsSideButton);
    EXPECT_EQ(TheConfig->gulperController, Computer);
    EXPECT_EQ(TheConfig->ghostsController, Human);
    EXPECT_EQ(Shown(GulperSideButton), "AI");
    EXPECT_EQ(Shown(GhostsSideButton), "Human");

    Click(GulperSideButton);
    EXPECT_EQ(TheConfig->gulperController, Human);
    EXPECT_EQ(GameState, CustomGameMenu);
}

TEST_F(CustomGameScreenTest, ASpeedClimbsByATenthAndIsShownRounded)
{
    TheConfig->gulperSpeed = 1.0;
    for (int click = 0; click < 3; ++click)
        Click(GulperSpeedButton);
    EXPECT_NEAR(TheConfig->gulperSpeed, 1.3, 1e-9);
    // Three sums of 0.1 are not exactly 1.3; the button shows it as 1.3.
    EXPECT_EQ(Shown(GulperSpeedButton), "1.3");
}

TEST_F(CustomGameScreenTest, TheGulperSpeedWrapsToOneAfterFive)
{
    TheConfig->gulperSpeed = 4.9;
    Click(GulperSpeedButton);
    EXPECT_NEAR(TheConfig->gulperSpeed, 5.0, 1e-9);
    Click(GulperSpeedButton);
    EXPECT_EQ(TheConfig->gulperSpeed, 1.0);
}

TEST_F(CustomGameScreenTest, AGulperSpeedJustBelowFiveStillWraps)
{
    // What forty additions of 0.1 can leave.
    TheConfig->gulperSpeed = 4.9999999;
    Click(GulperSpeedButton);
    EXPECT_EQ(TheConfig->gulperSpeed, 1.0);
}

TEST_F(CustomGameScreenTest, TheGhostSpeedWrapsToOneAfterFour)
{
    TheConfig->ghostSpeed = 3.9;
    Click(GhostSpeedButton);
    EXPECT_NEAR(TheConfig->ghostSpeed, 4.0, 1e-9);
    Click(GhostSpeedButton);
    EXPECT_EQ(TheConfig->ghostSpeed, 1.0);
}

TEST_F(CustomGameScreenTest, ASpeedBelowOneClimbsWithoutWrapping)
{
    TheConfig->gulperSpeed = 0.5;
    TheConfig->ghostSpeed = 0.5;
    for (int click = 0; click < 6; ++click) {
        Click(GulperSpeedButton);
        Click(GhostSpeedButton);
    }
    EXPECT_NEAR(TheConfig->gulperSpeed, 1.1, 1e-9);
    EXPECT_NEAR(TheConfig->ghostSpeed, 1.1, 1e-9);
}

TEST_F(CustomGameScreenTest, TheGhostCountStaysWithinOneToEight)
{
    TheConfig->ghostCount = 7;
    Click(GhostCountUpButton);
    EXPECT_EQ(TheConfig->ghostCount, 8);
    Click(GhostCountUpButton);
    EXPECT_EQ(TheConfig->ghostCount, 8);

    TheConfig->ghostCount = 2;
    Click(GhostCountDownButton);
    EXPECT_EQ(TheConfig->ghostCount, 1);
    Click(GhostCountDownButton);
    EXPECT_EQ(TheConfig->ghostCount, 1);
    RunFrames(1);
    EXPECT_EQ(WidgetText(6), "1");
}

TEST_F(CustomGameScreenTest, TheMapButtonsLoadTheNextAndThePreviousMapAtOnce)
{
    OpenMap(3);
    Click(PlusButton);
    EXPECT_EQ(TheConfig->mapNumber, 4);
    EXPECT_EQ(TheMaze->cornLeft, 4);
    Click(MinusButton);
    Click(MinusButton);
    EXPECT_EQ(TheConfig->mapNumber, 2);
    EXPECT_EQ(TheMaze->cornLeft, 2);
    RunFrames(1);
    EXPECT_EQ(WidgetText(MapWidget), "2");
}

TEST_F(CustomGameScreenTest, MinusSkipsAMissingMapBackward)
{
    sandbox->Remove("data/map_4.lev");
    OpenMap(5);
    Click(MinusButton);
    EXPECT_EQ(TheConfig->mapNumber, 3);
    EXPECT_EQ(TheMaze->cornLeft, 3);
}

TEST_F(CustomGameScreenTest, MinusAtMapOneChangesAndLoadsNothing)
{
    OpenMap(1);
    TheMaze->SetCell({5, 5}, Corn);  // a mark that a reload would wipe
    Click(MinusButton);
    EXPECT_EQ(TheConfig->mapNumber, 1);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Corn);
}

TEST_F(CustomGameScreenTest, PlusAtTheLastMapChangesAndLoadsNothing)
{
    OpenMap(99);
    TheMaze->SetCell({5, 5}, Corn);
    Click(PlusButton);
    EXPECT_EQ(TheConfig->mapNumber, 99);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Corn);
}

TEST_F(CustomGameScreenTest, TheTimeLimitStepsByFifteenSecondsAndResetsTheTimer)
{
    ASSERT_EQ(Timer().limit, 90);
    Click(TimeLimitUpButton);
    EXPECT_EQ(Timer().limit, 105);
    EXPECT_EQ(Timer().framesLeft, 105 * TheConfig->framesPerSecond);
    EXPECT_EQ(Timer().minutes, 1);
    EXPECT_EQ(Timer().seconds, 45);
    RunFrames(1);
    EXPECT_EQ(WidgetText(TimerWidget), "105");
}

TEST_F(CustomGameScreenTest, TheTimeLimitStopsAtThirtyAndSixHundred)
{
    Timer().limit = 45;
    Click(TimeLimitDownButton);
    EXPECT_EQ(Timer().limit, 30);
    Click(TimeLimitDownButton);
    EXPECT_EQ(Timer().limit, 30);

    Timer().limit = 600;
    Click(TimeLimitUpButton);
    EXPECT_EQ(Timer().limit, 600);
}

TEST_F(CustomGameScreenTest, ATimeLimitOffTheGridKeepsItsRemainder)
{
    Timer().limit = 595;
    Click(TimeLimitUpButton);
    EXPECT_EQ(Timer().limit, 610);
    Click(TimeLimitUpButton);
    EXPECT_EQ(Timer().limit, 610);

    Timer().limit = 40;
    Click(TimeLimitDownButton);
    EXPECT_EQ(Timer().limit, 25);
    Click(TimeLimitDownButton);
    EXPECT_EQ(Timer().limit, 25);
}

TEST_F(CustomGameScreenTest, StartReadsTheMapAgainAndStartsTheLevel)
{
    OpenMap(2);
    TheMaze->SetCell({5, 5}, Corn);  // as if a previous game had changed the maze
    const int musicBefore = Played(StartingLevelMusic);
    Click(StartButton);
    EXPECT_EQ(GameState, LevelIntro);
    EXPECT_EQ(TheMaze->CellAt(5, 5), Wall);
    EXPECT_EQ(TheMaze->cornLeft, 2);
    EXPECT_EQ(Played(StartingLevelMusic), musicBefore + 1);
}

TEST_F(CustomGameScreenTest, TheSettingsChosenArePlayed)
{
    TheConfig->gulperController = Human;
    TheConfig->ghostsController = Human;
    TheConfig->ghostCount = 1;
    Click(GhostCountUpButton);
    Click(GulperSideButton);
    Click(StartButton);
    EXPECT_EQ(TheSquad->ghosts.size(), 2u);
    EXPECT_EQ(TheSquad->controller, Human);
    EXPECT_EQ(TheGulper->controller, Computer);
}

TEST_F(CustomGameScreenTest, CloseReturnsToTheMainMenu)
{
    Click(CloseButton);
    EXPECT_EQ(GameState, MainMenu);
}

}  // namespace

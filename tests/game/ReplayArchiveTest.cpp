// Replays in the window game: every level played is written to data/replays/
// when it ends, plays back headless exactly as it was played, and is watched
// again from the main menu at any speed; the newest twenty are kept, a kept
// one never goes, and watching gives the player's own settings back.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/ReplayArchive.h"
#include "app/ReplayRecorder.h"
#include "app/ReplayViewer.h"
#include "app/StateHash.h"
#include "platform/Clock.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int WatchKey = 'r';
constexpr int KeepKey = 'k';

class ReplayArchiveTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        archive = std::make_unique<ReplayArchive>();
        TheArchive = archive.get();
    }
    void TearDown() override
    {
        StopWatching();
        TheArchive = nullptr;
        GameTest::TearDown();
    }

    // A level of the gulper's campaign played by a human gulper who turns
    // now and then, until it ends in the pause of a win or a loss.
    void PlayLevelWithTurns()
    {
        PlayCampaignLevel(GulperCampaignMode, TestMazes::OpenRoom(),
                          Settings(Human, Computer, 3, 3.4, 2.4, 30));
        const int turns[] = {MoveGulperRight, MoveGulperDown, MoveGulperLeft, MoveGulperUp};
        for (int i = 0; GameState != GulperWins && GameState != GhostsWin && i < 2000; ++i) {
            if (i % 25 == 0)
                TapKey(turns[i / 25 % 4]);
            RunFrames(1);
        }
        ASSERT_TRUE(GameState == GulperWins || GameState == GhostsWin);
    }

    static Replay ReadBack(const std::string& path)
    {
        Replay replay;
        std::string error;
        EXPECT_TRUE(ReadReplay(path.c_str(), replay, error)) << path << ": " << error;
        return replay;
    }

    // The viewer's frames, as the frame loop runs them, until the watching ends.
    static int WatchToTheEnd(std::uint64_t& hashAtEnd)
    {
        int frames = 0;
        for (; IsWatching() && frames < 5000; ++frames) {
            TheScreen->runFrame();
            AdvanceManualClock(TheScreen->framePeriod);
            if (GameState == GulperWins || GameState == GhostsWin)
                hashAtEnd = hashAtEnd ? hashAtEnd : HashGameState();
        }
        return frames;
    }

    std::unique_ptr<ReplayArchive> archive;
};

TEST_F(ReplayArchiveTest, ALevelPlayedIsWrittenWhenItEndsAndPlaysBackAsItWasPlayed)
{
    PlayLevelWithTurns();
    const std::string path = archive->LatestPath();
    ASSERT_EQ(path, "data/replays/replay_000001.gwr");
    const Replay replay = ReadBack(path);
    EXPECT_FALSE(replay.records.empty());
    EXPECT_EQ(replay.settings.gameMode, GulperCampaignMode);
    EXPECT_EQ(replay.settings.timeLimit, 30);

    TheArchive = nullptr;  // checking records nothing
    const ReplayCheck check = CheckReplay(replay);
    EXPECT_TRUE(check.matches) << check.difference;
    EXPECT_EQ(check.outcome, replay.outcome);
}

TEST_F(ReplayArchiveTest, TheNewestTwentyAreKeptAndAKeptReplayIsNeverRemoved)
{
    std::filesystem::create_directories(ReplayFolder);
    for (int number = 1; number <= RotatedReplays; ++number)
        sandbox->Write("data/replays/replay_0000" + std::string(number < 10 ? "0" : "") +
                           std::to_string(number) + ".gwr",
                       "old");
    sandbox->Write("data/replays/kept_000003.gwr", "kept");
    archive = std::make_unique<ReplayArchive>();  // numbering goes on after the files there
    TheArchive = archive.get();

    PlayLevelWithTurns();
    EXPECT_TRUE(sandbox->Exists("data/replays/replay_000021.gwr"));
    EXPECT_FALSE(sandbox->Exists("data/replays/replay_000001.gwr"));
    EXPECT_TRUE(sandbox->Exists("data/replays/replay_000002.gwr"));

    TapSymbol(KeepKey);  // during the pause after the level
    EXPECT_EQ(ReadBack("data/replays/kept_000021.gwr"), ReadBack("data/replays/replay_000021.gwr"));
    EXPECT_EQ(archive->Notice(), "Replay kept as data/replays/kept_000021.gwr");
    EXPECT_TRUE(sandbox->Exists("data/replays/kept_000003.gwr"));
}

TEST_F(ReplayArchiveTest, TheMainMenuKeyWatchesTheLastLevelAtAnySpeedAndGivesTheSettingsBack)
{
    PlayLevelWithTurns();
    const Replay replay = ReadBack(archive->LatestPath());
    GameState = MainMenu;  // as if back from the campaign's menu
    TheConfig->framesPerSecond = 25;
    TheScreen->SetFramesPerSecond(25);
    TheConfig->ghostsController = Human;
    const std::string playersMaze = TheMaze->LevelText();

    for (const int speedKey : {WatchNormalSpeedKey, WatchQuadrupleSpeedKey}) {
        TapSymbol(WatchKey);
        ASSERT_TRUE(IsWatching());
        EXPECT_EQ(TheScreen->framePeriod, 1000 / replay.settings.framesPerSecond);
        TheScreen->input->OnKeyDown(speedKey);
        std::uint64_t hashAtEnd = 0;
        const int frames = WatchToTheEnd(hashAtEnd);
        EXPECT_EQ(hashAtEnd, replay.endHash) << "watched with key " << char(speedKey);
        if (speedKey == WatchQuadrupleSpeedKey) {
            EXPECT_LT(frames, replay.frameCount / 3);
        }

        EXPECT_EQ(GameState, MainMenu);
        EXPECT_EQ(TheScreen->input, TheGui);
        EXPECT_EQ(TheScreen->framePeriod, 40);
        EXPECT_EQ(TheConfig->ghostsController, Human);
        EXPECT_EQ(TheMaze->LevelText(), playersMaze);
    }
    RunFrames(1);  // the main menu's frame
    EXPECT_EQ(archive->LatestPath(), "data/replays/replay_000001.gwr");  // watching records nothing
}

// With nothing to watch the main menu's key says so over the menu for three
// seconds, as well as on the terminal; so it does when the replay is damaged.
TEST_F(ReplayArchiveTest, TheMainMenuKeyWithNothingToWatchSaysSoOnTheScreen)
{
    RunFrames(1);
    const std::uint64_t menu = WindowHash();
    CaptureOutput();
    TapSymbol(WatchKey);
    EXPECT_FALSE(IsWatching());
    EXPECT_EQ(TakeOutput(), "No level has been recorded yet.\n");
    EXPECT_EQ(TheGui->notice, "No level has been recorded yet");
    RunFrames(1);
    const std::uint64_t withNotice = WindowHash();
    EXPECT_NE(withNotice, menu);
    RunFrames(3000 / TheScreen->framePeriod - 1);
    EXPECT_EQ(WindowHash(), withNotice);
    RunFrames(1);
    EXPECT_EQ(WindowHash(), menu);

    TapSymbol(WatchKey);  // another screen ends it at once
    Click(PlayButton);
    RunFrames(1);
    Click(CloseButton);
    RunFrames(1);
    EXPECT_EQ(WindowHash(), menu);

    std::filesystem::create_directories(ReplayFolder);
    sandbox->Write("data/replays/replay_000001.gwr", "damaged");
    CaptureOutput();
    TapSymbol(WatchKey);
    TakeOutput();
    EXPECT_FALSE(IsWatching());
    EXPECT_EQ(TheGui->notice, "The last level's replay cannot be watched");
    RunFrames(1);
    EXPECT_NE(WindowHash(), menu);
}

TEST_F(ReplayArchiveTest, PausedWatchingStandsStillAndStepsOneFrameAtATime)
{
    PlayLevelWithTurns();
    ASSERT_TRUE(WatchReplayFile(archive->LatestPath().c_str(), AfterWatching::EndProgram));
    InputHandler& keys = *TheScreen->input;
    for (int frame = 0; GameState != Playing && frame < 1000; ++frame)
        TheScreen->runFrame();
    keys.OnKeyDown(WatchPauseKey);
    const std::uint64_t paused = HashGameState();
    TheScreen->runFrame();
    EXPECT_EQ(HashGameState(), paused);
    const int timeLeft = TheGui->timer->framesLeft;
    keys.OnKeyDown(WatchStepKey);
    TheScreen->runFrame();
    EXPECT_EQ(TheGui->timer->framesLeft, timeLeft - 1);
    TheScreen->runFrame();
    EXPECT_EQ(TheGui->timer->framesLeft, timeLeft - 1);

    EXPECT_TRUE(keys.OnKeyDown(SDLK_ESCAPE));  // started to watch: Escape ends the program
    EXPECT_FALSE(IsWatching());
}

}  // namespace

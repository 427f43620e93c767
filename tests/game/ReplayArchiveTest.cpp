// Replays in the window game: every level played is written to data/replays/
// when it ends, plays back headless exactly as it was played, and is watched
// again from the main menu at any speed; the newest twenty are kept, a kept
// one never goes, and watching gives the player's own settings back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>
#include <memory>

#include "replay/Archive.h"
#include "replay/Checker.h"
#include "replay/Recorder.h"
#include "app/FrameDriver.h"
#include "app/PlayMode.h"
#include "app/WatchMode.h"
#include "rules/PlayState.h"
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
        recordedBy = archive.get();
    }
    void TearDown() override
    {
        driver.reset();  // a replay being watched gives the player's settings back
        recordedBy = nullptr;
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

    // The frame loop's frames, from the game's own mode on.
    void StartFrameLoop() { driver = std::make_unique<FrameDriver>(std::make_unique<PlayMode>(archive.get())); }
    bool Frame()
    {
        const bool goOn = driver->Frame();
        AdvanceManualClock(TheScreen->framePeriod);
        return goOn;
    }
    WatchMode* Watching() { return dynamic_cast<WatchMode*>(&driver->Current()); }

    // The viewer's frames, as the frame loop runs them, until the watching ends.
    int WatchToTheEnd(std::uint64_t& hashAtEnd)
    {
        int frames = 0;
        for (; Watching() && frames < 5000; ++frames) {
            Frame();
            if (GameState == GulperWins || GameState == GhostsWin)
                hashAtEnd = hashAtEnd ? hashAtEnd : HashGameState();
        }
        return frames;
    }

    std::unique_ptr<ReplayArchive> archive;
    std::unique_ptr<FrameDriver> driver;
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

    recordedBy = nullptr;  // checking records nothing
    const ReplayCheck check = CheckReplay(replay);
    EXPECT_TRUE(check.matches) << check.difference;
    EXPECT_EQ(check.outcome, replay.outcome);
}

// The keys screen opened in play and closed by its OK, Cancel or close
// button, or by a key: closing it is a command like any other, so the
// level's replay plays back as it was played.
TEST_F(ReplayArchiveTest, TheKeysScreenClosedEachWayPlaysBackAsRecorded)
{
    TheConfig->gulperController = Human;
    TheConfig->ghostsController = Computer;
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    const auto closeByKey = [] { TapSymbol(SDLK_SPACE); };
    const std::vector<std::function<void()>> closings = {
        [] { Click(OkButton); }, [] { Click(CancelButton); }, [] { Click(CloseButton); }, closeByKey};
    for (const auto& close : closings) {
        RunFrames(7);
        TapKey(MoveGulperLeft);
        RunFrames(5);
        TapKey(KeysHelpScreen);
        RunFrames(3);
        ASSERT_EQ(GameState, ControlsInGame);
        close();
        RunFrames(1);
        ASSERT_EQ(GameState, Playing);
    }
    RunFrames(20);
    TapKey(ExitGame);
    RunFrames(2);
    const Replay replay = ReadBack(archive->LatestPath());
    int resumes = 0;
    for (const ReplayRecord& record : replay.records)
        for (const Command& command : record.commands.list)
            resumes += command.type == CommandType::Resume;
    EXPECT_EQ(resumes, 4);
    if (const char* corpus = std::getenv("GULPWISE_KEYS_SCREEN_REPLAY"))
        std::filesystem::copy_file(archive->LatestPath(), corpus,
                                   std::filesystem::copy_options::overwrite_existing);

    recordedBy = nullptr;  // checking records nothing
    const ReplayCheck check = CheckReplay(replay);
    EXPECT_TRUE(check.matches) << check.difference;
    EXPECT_EQ(check.outcome.end, ReplayEnd::Left);
}

TEST_F(ReplayArchiveTest, ALevelLeftBeforeItsPlayWritesNoReplay)
{
    Click(PlayButton);
    Click(CustomGameButton);
    Click(StartButton);
    RunFrames(2);
    ASSERT_EQ(GameState, LevelIntro);
    TapKey(ExitGame);
    RunFrames(2);
    ASSERT_EQ(GameState, CustomGameMenu);
    EXPECT_EQ(archive->LatestPath(), "");
    ASSERT_TRUE(StartAndPlay());  // a level with play is kept as before
    RunFrames(3);
    TapKey(ExitGame);
    RunFrames(2);
    EXPECT_EQ(archive->LatestPath(), "data/replays/replay_000001.gwr");
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
    recordedBy = archive.get();

    PlayLevelWithTurns();
    EXPECT_TRUE(sandbox->Exists("data/replays/replay_000021.gwr"));
    EXPECT_FALSE(sandbox->Exists("data/replays/replay_000001.gwr"));
    EXPECT_TRUE(sandbox->Exists("data/replays/replay_000002.gwr"));

    TapSymbol(KeepKey);  // during the pause after the level
    RunFrames(1);
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

    StartFrameLoop();
    for (const int speedKey : {WatchNormalSpeedKey, WatchQuadrupleSpeedKey}) {
        TapSymbol(WatchKey);
        Frame();  // watching starts with the next frame
        ASSERT_TRUE(Watching());
        EXPECT_EQ(TheScreen->framePeriod, 1000 / replay.settings.framesPerSecond);
        driver->Current().Input().OnKeyDown(speedKey);
        std::uint64_t hashAtEnd = 0;
        const int frames = WatchToTheEnd(hashAtEnd);
        EXPECT_EQ(hashAtEnd, replay.endHash) << "watched with key " << char(speedKey);
        if (speedKey == WatchQuadrupleSpeedKey) {
            EXPECT_LT(frames, replay.frameCount / 3);
        }

        EXPECT_EQ(GameState, MainMenu);
        EXPECT_EQ(&driver->Current().Input(), TheGui);
        EXPECT_EQ(TheScreen->framePeriod, 40);
        EXPECT_EQ(TheConfig->ghostsController, Human);
        EXPECT_EQ(TheMaze->LevelText(), playersMaze);
    }
    Frame();  // the main menu's frame
    EXPECT_EQ(archive->LatestPath(), "data/replays/replay_000001.gwr");  // watching records nothing
}

// With nothing to watch the main menu's key says so over the menu for three
// seconds, as well as on the terminal; so it does when the replay is damaged.
TEST_F(ReplayArchiveTest, TheMainMenuKeyWithNothingToWatchSaysSoOnTheScreen)
{
    StartFrameLoop();
    Frame();
    const std::uint64_t menu = WindowHash();
    CaptureOutput();
    TapSymbol(WatchKey);
    Frame();  // the key's request is served by the frame, which shows the notice
    EXPECT_FALSE(Watching());
    EXPECT_EQ(TakeOutput(), "No level has been recorded yet.\n");
    EXPECT_EQ(TheGui->notice, "No level has been recorded yet");
    const std::uint64_t withNotice = WindowHash();
    EXPECT_NE(withNotice, menu);
    for (int frame = 1; frame < 3000 / TheScreen->framePeriod; ++frame)
        Frame();
    EXPECT_EQ(WindowHash(), withNotice);
    Frame();
    EXPECT_EQ(WindowHash(), menu);

    TapSymbol(WatchKey);  // another screen ends it at once
    Frame();
    Click(PlayButton);
    Frame();
    Click(CloseButton);
    Frame();
    EXPECT_EQ(WindowHash(), menu);

    std::filesystem::create_directories(ReplayFolder);
    sandbox->Write("data/replays/replay_000001.gwr", "damaged");
    CaptureOutput();
    TapSymbol(WatchKey);
    Frame();
    TakeOutput();
    EXPECT_FALSE(Watching());
    EXPECT_EQ(TheGui->notice, "The last level's replay cannot be watched");
    EXPECT_NE(WindowHash(), menu);
}

TEST_F(ReplayArchiveTest, PausedWatchingStandsStillAndStepsOneFrameAtATime)
{
    PlayLevelWithTurns();
    Replay replay;
    ASSERT_TRUE(ReadReplayToWatch(archive->LatestPath().c_str(), replay));
    driver = std::make_unique<FrameDriver>(
        StartWatchingFile("watched", replay, AfterWatching::EndProgram, archive.get()));
    InputHandler& keys = driver->Current().Input();
    for (int frame = 0; GameState != Playing && frame < 1000; ++frame)
        Frame();
    keys.OnKeyDown(WatchPauseKey);
    const std::uint64_t paused = HashGameState();
    Frame();
    EXPECT_EQ(HashGameState(), paused);
    const int timeLeft = TheGui->timer->framesLeft;
    keys.OnKeyDown(WatchStepKey);
    Frame();
    EXPECT_EQ(TheGui->timer->framesLeft, timeLeft - 1);
    Frame();
    EXPECT_EQ(TheGui->timer->framesLeft, timeLeft - 1);

    EXPECT_TRUE(keys.OnKeyDown(SDLK_ESCAPE));  // started to watch: Escape ends the program
    EXPECT_TRUE(Watching()->Ended());
}

}  // namespace

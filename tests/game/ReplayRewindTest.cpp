// Rewinding a replay being watched: one frame back and forth, ten seconds
// either way, back to the level's start and to a click on the progress bar.
// Every frame reached so shows the picture and the state hash it showed
// going forward, re-run frames are silent, the replay still reaches its
// recorded end, and watching records nothing and gives the settings back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "actors/GameEvents.h"
#include "app/FrameDriver.h"
#include "app/PlayMode.h"
#include "app/WatchMode.h"
#include "gui/BitmapFont.h"
#include "gui/Caption.h"
#include "platform/Clock.h"
#include "replay/Archive.h"
#include "replay/Checker.h"
#include "replay/Recorder.h"
#include "rules/PlayState.h"
#include "rules/Tick.h"
#include "tests/game/GameTest.h"

namespace {

class ReplayRewindTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        archive = std::make_unique<ReplayArchive>();
        recordedBy = archive.get();
        RecordLevel();
        recordedBy = nullptr;
    }
    void TearDown() override
    {
        driver.reset();  // a replay being watched gives the player's settings back
        GameTest::TearDown();
    }

    // A level of the gulper's campaign played by a human gulper who turns
    // now and then, until it ends; its replay is kept in `replay`.
    void RecordLevel()
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
        std::string error;
        ASSERT_TRUE(ReadReplay(archive->LatestPath().c_str(), replay, error)) << error;
        GameState = MainMenu;
    }

    // The state hash after every frame of the replay, from its level's start
    // (the first: before any), played headless. It changes the player's settings.
    std::vector<std::uint64_t> HashesGoingForward() const
    {
        std::vector<std::uint64_t> hashes;
        EXPECT_TRUE(StartReplayLevel(replay));
        ReplayCursor cursor(replay);
        hashes.push_back(HashGameState());
        while (!cursor.AtEnd()) {
            Tick(cursor.Next());
            GameEvents.EndFrame();
            hashes.push_back(HashGameState());
        }
        return hashes;
    }

    void StartWatching()
    {
        driver = std::make_unique<FrameDriver>(
            StartWatchingFile("watched", replay, AfterWatching::MainMenu, archive.get()));
        ASSERT_TRUE(Watching());
    }
    // A hash of the picture as seen: every pixel's colour. (The window's
    // bytes also hold a fourth byte per pixel that no one sees, and the maze
    // drawn afresh after a restore may leave it otherwise than the maze
    // drawn bit by bit.)
    static std::uint64_t PictureHash()
    {
        std::string colours;
        for (int y = 0; y < TheScreen->height; ++y)
            for (int x = 0; x < TheScreen->width; ++x) {
                const std::uint32_t colour = PixelAt(x, y);
                colours.append(reinterpret_cast<const char*>(&colour), sizeof colour);
            }
        return Hash(colours);
    }
    WatchMode* Watching() { return dynamic_cast<WatchMode*>(&driver->Current()); }
    bool Key(int key) { return driver->Current().Input().OnKeyDown(key); }
    bool Frame()
    {
        const bool goOn = driver->Frame();
        AdvanceManualClock(TheScreen->framePeriod);
        return goOn;
    }
    // A key, then the frame that serves it.
    void KeyFrame(int key)
    {
        Key(key);
        Frame();
    }
    // Watches at the usual speed until the frame (of the replay) is reached, then pauses.
    void WatchUntil(int frame)
    {
        for (int i = 0; Watching()->Frame() < frame && i < 5000; ++i)
            Frame();
        KeyFrame(WatchPauseKey);
        ASSERT_EQ(Watching()->Frame(), frame);
    }
    // The viewer's frames, as the frame loop runs them, until the watching
    // ends; the state hash at the level's end.
    std::uint64_t WatchToTheEnd()
    {
        std::uint64_t hashAtEnd = 0;
        for (int frames = 0; Watching() && frames < 5000; ++frames) {
            Frame();
            if (!hashAtEnd && (GameState == GulperWins || GameState == GhostsWin))
                hashAtEnd = HashGameState();
        }
        return hashAtEnd;
    }

    std::unique_ptr<ReplayArchive> archive;
    std::unique_ptr<FrameDriver> driver;
    Replay replay;
};

// Stepping forward frame by frame while paused, then as many frames back:
// every frame shows the picture and the state hash it showed going forward.
TEST_F(ReplayRewindTest, RewindStepsBackThroughThePicturesAndHashesSeenGoingForward)
{
    constexpr int Steps = 45;  // across two seconds' snapshots
    StartWatching();
    WatchUntil(replay.settings.framesPerSecond * 3 - 5);
    std::vector<std::uint64_t> pictures, hashes;
    for (int step = 0; step < Steps; ++step) {
        pictures.push_back(PictureHash());
        hashes.push_back(HashGameState());
        KeyFrame(step % 2 ? SDLK_RIGHT : WatchStepKey);
    }
    const int end = Watching()->Frame();
    for (int step = Steps - 1; step >= 0; --step) {
        KeyFrame(step % 2 ? SDLK_LEFT : WatchStepBackKey);
        ASSERT_EQ(Watching()->Frame(), end - (Steps - step));
        EXPECT_EQ(HashGameState(), hashes[step]) << "frame " << Watching()->Frame();
        EXPECT_EQ(PictureHash(), pictures[step]) << "frame " << Watching()->Frame();
    }
    // And forward again from there, as the first time.
    for (int step = 0; step < Steps; ++step) {
        EXPECT_EQ(PictureHash(), pictures[step]) << "again, frame " << Watching()->Frame();
        KeyFrame(WatchStepKey);
    }
    EXPECT_EQ(Watching()->Frame(), end);
}

// Stepping back is for a paused replay only; playing, the keys do nothing.
TEST_F(ReplayRewindTest, RewindStepsBackOnlyWhilePaused)
{
    StartWatching();
    for (int i = 0; i < 30; ++i)
        Frame();
    const int before = Watching()->Frame();
    KeyFrame(SDLK_LEFT);
    EXPECT_EQ(Watching()->Frame(), before + 1);
}

// Page Down and Page Up jump ten seconds, Home to the level's start; each
// lands on the frame with the state seen there going forward.
TEST_F(ReplayRewindTest, RewindPageKeysAndHomeLandOnTheirFrames)
{
    const std::vector<std::uint64_t> forward = HashesGoingForward();
    const int tenSeconds = WatchJumpSeconds * replay.settings.framesPerSecond;
    ASSERT_GT(replay.frameCount, 2 * tenSeconds) << "the level is too short to jump about in";
    StartWatching();
    WatchUntil(7);
    const auto landsOn = [&](int key, int frame) {
        KeyFrame(key);
        ASSERT_EQ(Watching()->Frame(), frame) << "key " << key;
        EXPECT_EQ(HashGameState(), forward.at(static_cast<std::size_t>(frame))) << "key " << key;
    };
    landsOn(SDLK_PAGEDOWN, 7 + tenSeconds);       // forward into frames not yet watched
    landsOn(SDLK_PAGEDOWN, 7 + 2 * tenSeconds);
    landsOn(SDLK_PAGEUP, 7 + tenSeconds);         // back from a snapshot
    landsOn(SDLK_LEFT, 6 + tenSeconds);
    landsOn(SDLK_HOME, 0);
    landsOn(SDLK_PAGEUP, 0);                      // no further back than the start
    Key(SDLK_PAGEDOWN);                           // two jumps asked before a frame add up
    landsOn(SDLK_PAGEDOWN, 2 * tenSeconds);
    for (int i = 0; i < replay.frameCount / tenSeconds + 1; ++i)
        Key(SDLK_PAGEDOWN);
    landsOn(SDLK_PAGEDOWN, replay.frameCount);    // no further forward than the recorded end
    landsOn(WatchStepBackKey, replay.frameCount - 1);
}

// A click on the progress bar jumps to the frame under it; the bar lights
// up as far as the frame shown; a click off the bar does nothing.
TEST_F(ReplayRewindTest, RewindClickOnTheProgressBarJumpsThere)
{
    const std::vector<std::uint64_t> forward = HashesGoingForward();
    StartWatching();
    WatchUntil(3);
    const int barY = CaptionStripHeight + 1;
    EXPECT_EQ(PixelAt(0, barY), static_cast<std::uint32_t>(ProgressDoneColour));
    EXPECT_EQ(PixelAt(TheScreen->width / 2, barY), static_cast<std::uint32_t>(ProgressBarColour));

    const int x = TheScreen->width * 3 / 4;
    const int frame = ProgressAt(x, replay.frameCount);
    EXPECT_NEAR(frame, replay.frameCount * 3 / 4, replay.frameCount / 50);
    driver->Current().Input().OnLeftDown(x, barY);
    Frame();
    ASSERT_EQ(Watching()->Frame(), frame);
    EXPECT_EQ(HashGameState(), forward.at(static_cast<std::size_t>(frame)));
    EXPECT_EQ(PixelAt(x - 2, barY), static_cast<std::uint32_t>(ProgressDoneColour));
    EXPECT_EQ(PixelAt(x + 2, barY), static_cast<std::uint32_t>(ProgressBarColour));

    driver->Current().Input().OnLeftDown(TheScreen->width / 10, barY);  // back
    Frame();
    EXPECT_EQ(Watching()->Frame(), ProgressAt(TheScreen->width / 10, replay.frameCount));
    EXPECT_EQ(HashGameState(), forward.at(static_cast<std::size_t>(Watching()->Frame())));

    const int there = Watching()->Frame();
    driver->Current().Input().OnLeftDown(x, TheScreen->height / 2);  // on the maze: nothing
    Frame();
    EXPECT_EQ(Watching()->Frame(), there);
    driver->Current().Input().OnLeftDown(TheScreen->width - 1, barY);  // the last column: the end
    Frame();
    EXPECT_EQ(Watching()->Frame(), replay.frameCount);
}

// Frames run again to reach a jump's frame play no sound: the corn eaten on
// the way is not heard again, nor is any other effect, nor the level's
// music; not at the jump, nor with the next frame.
TEST_F(ReplayRewindTest, RewindRunsFramesAgainSilently)
{
    const int second = replay.settings.framesPerSecond;
    const int music = Played(StartingLevelMusic);
    StartWatching();
    Frame();  // the level's start is heard, though the whole replay ran once, silently, before it
    EXPECT_EQ(Played(StartingLevelMusic), music + 1);

    // The second of play in which the most corn is eaten, watched to its last frame.
    std::vector<int> cornHeard;  // by frame
    while (Watching()->Frame() < replay.frameCount) {
        cornHeard.resize(static_cast<std::size_t>(Watching()->Frame()) + 1, Played(EatingCornSound));
        Frame();
    }
    int busiest = 0, most = 0;
    for (int from = 0; from + second < static_cast<int>(cornHeard.size()); from += second) {
        const int eaten = cornHeard[static_cast<std::size_t>(from + second - 1)] -
                          cornHeard[static_cast<std::size_t>(from)];
        if (eaten > most) {
            busiest = from;
            most = eaten;
        }
    }
    ASSERT_GE(most, 3) << "too little corn eaten to hear";
    driver.reset();
    StartWatching();
    WatchUntil(busiest + second - 1);

    const std::vector<int> before(TheSounds->playCount, TheSounds->playCount + SoundCount);
    for (int i = 0; i < 5; ++i)
        KeyFrame(SDLK_LEFT);  // each one runs that second's frames up to it again
    KeyFrame(SDLK_HOME);
    for (int i = 0; i < 3; ++i)
        KeyFrame(SDLK_PAGEDOWN);
    driver->Current().Input().OnLeftDown(TheScreen->width / 2, CaptionStripHeight);
    Frame();
    EXPECT_EQ(std::vector<int>(TheSounds->playCount, TheSounds->playCount + SoundCount), before);
    // Nor are they heard with the next frame: at most that frame's own corn.
    KeyFrame(WatchStepKey);
    EXPECT_LE(Played(EatingCornSound), before[EatingCornSound] + 1);
}

// Rewound and played on, the replay still reaches its recorded end hash;
// then the player's settings and maze come back and nothing was recorded.
TEST_F(ReplayRewindTest, RewindThenPlayedToTheEndReachesTheRecordedEndAndGivesTheSettingsBack)
{
    GameState = MainMenu;
    TheConfig->framesPerSecond = 25;
    TheScreen->SetFramesPerSecond(25);
    TheConfig->ghostsController = Human;
    TheConfig->ghostCount = 5;
    const std::string playersMaze = TheMaze->LevelText();
    const std::string newest = archive->LatestPath();

    StartWatching();
    WatchUntil(replay.frameCount * 2 / 3);
    KeyFrame(SDLK_PAGEUP);
    for (int i = 0; i < 10; ++i)
        KeyFrame(SDLK_LEFT);
    KeyFrame(SDLK_HOME);
    KeyFrame(SDLK_PAGEDOWN);
    KeyFrame(WatchPauseKey);
    KeyFrame(WatchQuadrupleSpeedKey);
    EXPECT_EQ(WatchToTheEnd(), replay.endHash);

    EXPECT_FALSE(Watching());
    EXPECT_EQ(GameState, MainMenu);
    EXPECT_EQ(TheScreen->framePeriod, 40);
    EXPECT_EQ(TheConfig->ghostsController, Human);
    EXPECT_EQ(TheConfig->ghostCount, 5);
    EXPECT_EQ(TheMaze->LevelText(), playersMaze);
    Frame();  // the main menu's frame
    EXPECT_EQ(archive->LatestPath(), newest);  // watching records nothing
}

// The caption is one line that fits the window, paused and playing, and
// names the keys; the bar lies under it.
// With GULPWISE_REWIND_PICTURES naming a folder, the two frames are saved
// there as BMP files to be looked at.
TEST_F(ReplayRewindTest, RewindCaptionNamesTheKeysOnOneLineThatFits)
{
    const char* pictures = std::getenv("GULPWISE_REWIND_PICTURES");
    const auto save = [pictures](const char* name) {
        if (pictures)
            SDL_SaveBMP(TheScreen->surface, (std::string(pictures) + "/" + name).c_str());
    };
    StartWatching();
    for (int i = 0; i < replay.frameCount / 3; ++i)
        Frame();
    save("rewind_playing.bmp");
    const std::string playing = Watching()->CaptionText();
    KeyFrame(WatchPauseKey);
    save("rewind_paused.bmp");
    KeyFrame(SDLK_HOME);
    const std::string paused = Watching()->CaptionText();
    for (const std::string& caption : {playing, paused}) {
        EXPECT_LE(TheGui->smallFont->TextWidth(caption) + 6, TheScreen->width) << caption;
        EXPECT_NE(caption.find("PgUp PgDn 10 s"), std::string::npos) << caption;
        EXPECT_NE(caption.find("Home start"), std::string::npos) << caption;
    }
    EXPECT_NE(paused.find(", . step"), std::string::npos) << paused;
    const int seconds = replay.frameCount / replay.settings.framesPerSecond;
    char length[16];
    snprintf(length, sizeof length, "/ %d:%02d", seconds / 60, seconds % 60);
    EXPECT_NE(paused.find(std::string("REPLAY 0:00 ") + length), std::string::npos) << paused;
}

}  // namespace

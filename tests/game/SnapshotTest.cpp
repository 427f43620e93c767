// Snapshots of the play state: a game restored from one plays on frame for
// frame as it did (through pause, the keys screen, dying, a level's end and
// the next level's start) and looks as it did; every listed field is in the
// snapshot, the fields that decide play are in the hash, and two snapshots
// are told apart by the first field that differs.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/HeadlessGame.h"
#include "gui/GameView.h"
#include "rules/PlayState.h"
#include "rules/Tick.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int FramesAfterSnapshot = 300;

// What a frame left: the state hash, the picture and the state.
struct FrameSeen {
    std::uint64_t hash = 0;
    std::uint64_t picture = 0;
    GameStateId state = MainMenu;
    bool operator==(const FrameSeen&) const = default;
};

class SnapshotTest : public GameTest {
protected:
    // Pictures are compared as drawn on a cleared window: where a frame draws
    // nothing, the window keeps what earlier frames left, which is no part of
    // the play state and which no restore brings back.
    static void ClearWindow()
    {
        SDL_Surface* window = TheScreen->surface;
        SDL_FillRect(window, nullptr, 0);
    }

    // Frames with the commands given for each, from the frame after the snapshot.
    static std::vector<FrameSeen> Play(const std::vector<FrameCommands>& commands)
    {
        std::vector<FrameSeen> seen;
        for (const FrameCommands& frame : commands) {
            ClearWindow();
            RunHeadlessFrame(frame, true);
            seen.push_back({HashGameState(), WindowHash(), GameState});
        }
        return seen;
    }

    // Random commands of both sides, the same for a seed.
    static std::vector<FrameCommands> RandomCommands(std::uint32_t seed, int frames)
    {
        std::mt19937 random(seed);
        std::vector<FrameCommands> commands(frames);
        for (FrameCommands& frame : commands) {
            switch (random() % 8) {
            case 0:
                frame.Add(CommandType::SteerGulper, static_cast<int>(random() % 4));
                break;
            case 1:
                frame.Add(CommandType::SelectGhost, static_cast<int>(random() % 4));
                break;
            case 2:
                frame.Add(CommandType::OrderToPoint, static_cast<int>(random() % 500),
                          static_cast<int>(random() % 360));
                break;
            case 3:
                frame.Add(CommandType::DriveGhost, static_cast<int>(random() % 4));
                break;
            case 4:
                frame.Add(CommandType::SelectAll);
                break;
            default:
                break;  // most frames have no command
            }
        }
        return commands;
    }

    // Takes a snapshot, plays the commands, restores it, checks that the
    // picture drawn then is the one drawn at the time, plays them again,
    // and checks every frame against the first time.
    static void ExpectTheSameGameAfterRestoring(const std::vector<FrameCommands>& commands,
                                                std::vector<GameStateId> statesToSee)
    {
        const PlaySnapshot snapshot = SavePlay();
        const std::uint64_t hashAtSnapshot = HashGameState();
        ClearWindow();
        DrawGame();
        const std::uint64_t pictureAtSnapshot = WindowHash();

        const std::vector<FrameSeen> first = Play(commands);
        ASSERT_NE(first.back().hash, hashAtSnapshot) << "the game did not move on";
        for (const GameStateId state : statesToSee)
            EXPECT_TRUE(std::find_if(first.begin(), first.end(), [&](const FrameSeen& frame) {
                            return frame.state == state;
                        }) != first.end())
                << "no frame in state " << state;

        ASSERT_TRUE(RestorePlay(snapshot));
        EXPECT_EQ(HashGameState(), hashAtSnapshot);
        ClearWindow();
        DrawGame();
        EXPECT_EQ(WindowHash(), pictureAtSnapshot) << "the restored frame looks different";

        const std::vector<FrameSeen> second = Play(commands);
        ASSERT_EQ(first.size(), second.size());
        for (std::size_t i = 0; i < first.size(); ++i)
            ASSERT_EQ(first[i], second[i]) << "frame " << i + 1 << " after the snapshot";
    }
};

TEST_F(SnapshotTest, SnapshotRestoredPlaysThreeHundredFramesOfCommandsAgainAlike)
{
    TheConfig->gulperController = TheConfig->ghostsController = Human;
    TheConfig->ghostCount = 4;
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    RunFrames(20);
    ExpectTheSameGameAfterRestoring(RandomCommands(7, FramesAfterSnapshot), {Playing});
}

TEST_F(SnapshotTest, SnapshotHoldsThroughPauseTheKeysScreenTheLevelsEndAndTheNextStart)
{
    // Three seconds of play that the gulper survives: the ghosts' campaign
    // then starts the same level again.
    WriteCampaign("ghosts", {TestMazes::OpenRoom()}, Settings(Computer, Computer, 4, 3.4, 2.4, 3));
    EnterCampaignMenu(GhostsCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    std::vector<FrameCommands> commands(FramesAfterSnapshot);
    commands[5].Add(CommandType::Pause);
    commands[10].Add(CommandType::Resume);
    commands[15].Add(CommandType::KeysHelp);
    commands[25].Add(CommandType::Resume);
    ExpectTheSameGameAfterRestoring(commands, {Paused, ControlsInGame, GulperWins, LevelIntro});
}

TEST_F(SnapshotTest, SnapshotHoldsThroughDyingAndTheNextLevel)
{
    WriteCampaign("ghosts", {TestMazes::GhostBesideGulper(), TestMazes::OpenRoom()},
                  Settings(Computer, Computer, 1, 3.4, 2.4, 30));
    EnterCampaignMenu(GhostsCampaignMode);
    Click(StartButton);
    RunFrames(1);
    ASSERT_EQ(GameState, LevelIntro);
    ExpectTheSameGameAfterRestoring(std::vector<FrameCommands>(FramesAfterSnapshot),
                                    {GulperDying, GhostsWin, LevelIntro, GulperAppearing});
    EXPECT_EQ(TheConfig->ghostsLevel, 2);  // the level's end counted once, not twice
}

TEST_F(SnapshotTest, SnapshotListEveryFieldIsKeptAndTheHashedOnesChangeTheHash)
{
    TheConfig->gulperController = TheConfig->ghostsController = Computer;
    TheConfig->ghostCount = 4;
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    RunFrames(30);
    const int fields = PlayFieldCount();
    ASSERT_GT(fields, 100);
    int hashed = 0;
    for (int i = 0; i < fields; ++i) {
        const PlaySnapshot before = SavePlay();
        const std::uint64_t hashBefore = HashGameState();
        const PlayField field = NudgePlayField(i);
        const PlaySnapshot after = SavePlay();
        EXPECT_NE(after, before) << field.name << " is not in the snapshot";
        if (field.hashed) {
            ++hashed;
            EXPECT_NE(HashGameState(), hashBefore) << field.name << " is not in the hash";
        } else {
            EXPECT_EQ(HashGameState(), hashBefore) << field.name << " changed the hash";
        }
        const std::string difference = FirstDifference(after, before);
        EXPECT_EQ(difference.rfind(field.name, 0), 0u)
            << "changed " << field.name << ", told " << difference;
        ASSERT_TRUE(RestorePlay(before));
        EXPECT_EQ(HashGameState(), hashBefore) << "restoring after " << field.name;
    }
    EXPECT_GT(hashed, 40);
}

TEST_F(SnapshotTest, SnapshotDifferenceNamesTheFieldWithBothValues)
{
    TheConfig->ghostCount = 4;
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    TheSquad->ghosts[2]->stateTimer = 40;
    const PlaySnapshot there = SavePlay();
    TheSquad->ghosts[2]->stateTimer = 41;
    const PlaySnapshot here = SavePlay();
    EXPECT_EQ(FirstDifference(here, there), "ghost 3 stateTimer: 41 here, 40 there");
    EXPECT_EQ(TheSquad->ghosts[2]->stateTimer, 41);  // the game as it was found
    EXPECT_EQ(FirstDifference(here, here), "");
}

TEST_F(SnapshotTest, SnapshotBytesThatAreNotOneChangeNothing)
{
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    const std::uint64_t hash = HashGameState();
    PlaySnapshot cut = SavePlay();
    cut.bytes.resize(cut.bytes.size() / 2);
    EXPECT_FALSE(RestorePlay(cut));
    EXPECT_FALSE(RestorePlay(PlaySnapshot{}));
    PlaySnapshot longer = SavePlay();
    longer.bytes.push_back(0);
    EXPECT_FALSE(RestorePlay(longer));
    EXPECT_EQ(HashGameState(), hash);
}

}  // namespace

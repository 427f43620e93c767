// Replay files: the reader refuses every kind of bad file with a reason, a
// replay survives writing and reading, quiet frames cost next to nothing, and
// playing back a replay whose commands were changed names the first second
// that differs.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "app/Program.h"
#include "replay/Checker.h"
#include "replay/Recorder.h"
#include "tests/support/HeadlessTest.h"
#include "tests/support/Sandbox.h"
#include "tools/sim/Match.h"
#include "tools/sim/Recording.h"

namespace {

// A small replay made by hand: two frames with commands, two seconds of play.
Replay SmallReplay()
{
    Replay replay;
    replay.gameVersion = "1.5";
    replay.mazeText = "#####\r\n#PCG#\r\n#####\r\n";
    replay.frameCount = 100;
    replay.outcome = {ReplayEnd::Caught, 45, 3, 1, 2};
    replay.records.push_back({0, {}});
    replay.records[0].commands.Add(CommandType::BoxSelect, -5, 7, 300, 200, true);
    replay.records.push_back({99, {}});
    replay.records[1].commands.Add(CommandType::SteerGulper, IndexOf(Down));
    replay.secondHashes = {0x0123456789abcdefull, 42};
    replay.endHash = 7;
    return replay;
}

std::string Read(const std::string& bytes, Replay& replay)
{
    std::string error;
    DecodeReplay(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), replay, error);
    return error;
}

TEST(ReplayFileTest, ReaderRefusesEachKindOfBadFile)
{
    const struct {
        const char* what;
        std::function<void(Replay&)> spoilReplay;
        std::function<void(std::string&)> spoilBytes;
        const char* message;
    } cases[] = {
        {"another magic", nullptr, [](std::string& b) { b[3] = 'X'; }, "not a replay file"},
        {"another format version", nullptr, [](std::string& b) { b[4] = 2; },
         "format version 2, this game reads version 1"},
        {"a byte after the end", nullptr, [](std::string& b) { b += '\0'; },
         "corrupted: bytes after the end"},
        {"a maze over 1 MB", [](Replay& r) { r.mazeText.assign(MaxReplayMazeBytes + 1, '#'); },
         nullptr, "corrupted: maze too long"},
        {"over two hours at 60 frames a second",
         [](Replay& r) { r.frameCount = MaxReplayFrames + 1; }, nullptr,
         "corrupted: frame count out of range"},
        {"more records than frames", [](Replay& r) { r.frameCount = 1; }, nullptr,
         "corrupted: record count out of range"},
        {"a record beyond the last frame", [](Replay& r) { r.records[1].frame = 100; }, nullptr,
         "corrupted: commands beyond the last frame"},
        {"a ninth ghost selected",
         [](Replay& r) { r.records[1].commands.Add(CommandType::SelectGhost, 8); }, nullptr,
         "truncated or corrupted: the commands of frame 99"},
        {"a speed that is not a number", [](Replay& r) { r.settings.ghostSpeed = NAN; }, nullptr,
         "corrupted: ghost speed out of range"},
        {"no frame rate", [](Replay& r) { r.settings.framesPerSecond = 0; }, nullptr,
         "corrupted: frame rate out of range"},
        {"nine ghosts", [](Replay& r) { r.settings.ghostCount = 9; }, nullptr,
         "corrupted: ghost count out of range"},
        {"a hash missing", [](Replay& r) { r.secondHashes.pop_back(); }, nullptr,
         "corrupted: the hashes do not match the frames of play"},
        {"more play than frames",
         [](Replay& r) {
             r.outcome.playFrames = 101;
             r.secondHashes.resize(5);
         },
         nullptr, "corrupted: more frames of play than frames"},
    };
    for (const auto& c : cases) {
        Replay replay = SmallReplay();
        if (c.spoilReplay)
            c.spoilReplay(replay);
        std::string bytes = EncodeReplay(replay);
        if (c.spoilBytes)
            c.spoilBytes(bytes);
        Replay read;
        EXPECT_EQ(Read(bytes, read), c.message) << c.what;
    }

    // Cut anywhere, a file is truncated (cut within commands, it may look corrupted too).
    const std::string whole = EncodeReplay(SmallReplay());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        Replay read;
        ASSERT_TRUE(Read(whole.substr(0, size), read).starts_with("truncated")) << size << " bytes";
    }
}

TEST(ReplayFileTest, ReadsBackWhatWasWrittenAndQuietFramesCostNothing)
{
    const Sandbox sandbox;
    const Replay small = SmallReplay();
    ASSERT_TRUE(WriteReplay("small.gwr", small));
    Replay read;
    std::string error;
    ASSERT_TRUE(ReadReplay("small.gwr", read, error)) << error;
    EXPECT_EQ(read, small);
    EXPECT_FALSE(ReadReplay("missing.gwr", read, error));
    EXPECT_EQ(error, "cannot be read");
    EXPECT_FALSE(ReadReplay(".", read, error));
    EXPECT_EQ(error, "is a folder");

    // Ten minutes at 20 frames a second with a command every ten seconds:
    // the hashes take nearly all of the file.
    Replay quiet = small;
    quiet.frameCount = 12000;
    quiet.outcome.playFrames = 11900;
    quiet.secondHashes.assign(quiet.outcome.playFrames / quiet.settings.framesPerSecond, 1);
    quiet.records.clear();
    for (int frame = 0; frame < quiet.frameCount; frame += 200) {
        quiet.records.push_back({frame, {}});
        quiet.records.back().commands.Add(CommandType::ToggleGulperStop);
    }
    const std::string bytes = EncodeReplay(quiet);
    EXPECT_LT(bytes.size(), quiet.secondHashes.size() * 8 + 1000);
    EXPECT_EQ(Read(bytes, read), "");
    EXPECT_EQ(read, quiet);
}

class ReplayPlaybackTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        sandbox->CopyAllShipped();
        Quietly([] { CreateGlobals(); });
    }
    void TearDown() override
    {
        DestroyGlobals();
        HeadlessTest::TearDown();
    }
};

TEST_F(ReplayPlaybackTest, AChangedCommandIsFoundInTheSecondItChangedPlay)
{
    std::string maze;
    ASSERT_TRUE(ReadTextFile("data/map_11.lev", maze));
    LevelSettings settings;
    settings.timeLimit = 10;
    Replay recorded;
    ASSERT_TRUE(RecordMatch(maze, settings, 0, recorded));
    ASSERT_EQ(recorded.outcome.end, ReplayEnd::TimeOut);
    ASSERT_TRUE(CheckReplay(recorded).matches);

    // The level ends on its last frame of play: play begins this many frames in.
    const int framesBeforePlay = recorded.frameCount - recorded.outcome.playFrames;
    const int lastPlayFrame = recorded.outcome.playFrames;
    const struct {
        CommandType type;
        int playFrame;  // from 1
        int second;     // where the difference shows; 0: only after the last frame
    } cases[] = {
        {CommandType::SelectGhost, 1, 1},
        {CommandType::ToggleGulperStop, 45, 3},
        {CommandType::ToggleGulperStop, 60, 3},
        {CommandType::ToggleGulperStop, lastPlayFrame, 0},
    };
    for (const auto& c : cases) {
        Replay changed = recorded;
        changed.records = {{framesBeforePlay + c.playFrame - 1, {}}};
        changed.records[0].commands.Add(c.type);
        ReplayCheck check;
        Quietly([&] { check = CheckReplay(changed); });
        EXPECT_FALSE(check.matches) << c.playFrame;
        EXPECT_EQ(check.second, c.second) << c.playFrame;
        EXPECT_EQ(check.frame, c.second * settings.framesPerSecond) << c.playFrame;
        EXPECT_NE(check.recorded, check.played) << c.playFrame;
    }
}

}  // namespace

// Saving survives a crash at any moment. A child process saves the
// configuration, the key bindings and a custom map over and over, switching
// between two different contents, and is killed with SIGKILL at random
// moments; after every kill each file holds the complete old or the complete
// new content, never a mix, a part or nothing.
//
// The test kills the child 50 times. For a long run set GULPWISE_CRASH_KILLS:
//   GULPWISE_CRASH_KILLS=1000 build/tests/game_tests --gtest_filter='CrashSafeSave*'
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/Config.h"
#include "app/Globals.h"
#include "input/KeyBindings.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr int DefaultKills = 50;
constexpr const char* KillsVariable = "GULPWISE_CRASH_KILLS";
constexpr int MapNumber = 7;
constexpr const char* MapPath = "data/map_7.lev";
// The longest a child runs before it is killed: long enough for many rounds
// of saving, short enough to keep the test quick.
constexpr int MaxLifeMicroseconds = 30000;
// A child that is never killed (the parent died) stops by itself.
constexpr int ChildSafetySeconds = 60;
constexpr unsigned Seed = 20261206;  // the same kill moments on every run

// A small maze and a large one: a large file takes long enough to write that
// a save which is not crash-safe would be caught half-written.
constexpr int SmallWidth = 28;
constexpr int SmallHeight = 20;
constexpr int LargeWidth = 400;
constexpr int LargeHeight = 300;

int KillCount()
{
    const char* text = std::getenv(KillsVariable);
    const int kills = text ? std::atoi(text) : DefaultKills;
    return kills > 0 ? kills : DefaultKills;
}

// A playable maze of corn between pillars of wall, the gulper in the top
// left corner and the ghosts in the bottom right one: nothing to repair.
std::unique_ptr<Maze> PillarMaze(int width, int height)
{
    std::vector<int> cells(width * height, Corn);
    for (int y = 1; y < height; y += 2)
        for (int x = 1; x < width; x += 2)
            cells[y * width + x] = Wall;
    cells.front() = GulperStart;
    cells.back() = GhostStart;
    return std::make_unique<Maze>(width, height, cells);
}

// One content of each file, put in place by saving it.
struct Version {
    void (*configure)(Config& config);
    int keyFlag;     // the key file's first number
    int firstKey;    // the key of action 0; the others follow one by one
    Maze* maze;      // the custom map
    std::string configText, keysText, mapText;  // the files as this version writes them
};

void UseDefaultOptions(Config& config)
{
    config.gulperController = Human;
    config.gulperSpeed = 3.4;
    config.ghostsController = Computer;
    config.ghostCount = 4;
    config.ghostSpeed = 2.4;
    config.mapNumber = 1;
    config.musicVolume = 100;
    config.effectsVolume = 100;
    config.framesPerSecond = 20;
    config.tileSet = 0;
    config.gulperLevel = config.gulperMaxLevel = 1;
    config.ghostsLevel = config.ghostsMaxLevel = 1;
}

void UsePlayedOptions(Config& config)
{
    config.gulperController = Computer;
    config.gulperSpeed = 1.2000000000000002;
    config.ghostsController = Human;
    config.ghostCount = 8;
    config.ghostSpeed = 0.95;
    config.mapNumber = 42;
    config.musicVolume = 30;
    config.effectsVolume = 70;
    config.framesPerSecond = 35;
    config.tileSet = 2;
    config.gulperLevel = 11;
    config.gulperMaxLevel = 12;
    config.ghostsLevel = 5;
    config.ghostsMaxLevel = 9;
}

class CrashSafeSaveTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CaptureOutput();  // no configuration and no key file yet: two messages
        CreateBaseGlobals();
        bindings = std::make_unique<KeyBindings>();
        TakeOutput();
        smallMaze = PillarMaze(SmallWidth, SmallHeight);
        largeMaze = PillarMaze(LargeWidth, LargeHeight);
        versions[0] = {UseDefaultOptions, 1, 273, smallMaze.get(), "", "", ""};
        versions[1] = {UsePlayedOptions, 2, 97, largeMaze.get(), "", "", ""};
        // Each version saved once gives the text its saves write.
        for (Version& version : versions) {
            SaveAll(version);
            version.configText = sandbox->Read(ConfigPath);
            version.keysText = sandbox->Read(KeysPath);
            version.mapText = sandbox->Read(MapPath);
        }
    }
    void TearDown() override
    {
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }

    void SaveAll(const Version& version)
    {
        version.configure(*TheConfig);
        TheConfig->Save();
        bindings->fileFlag = version.keyFlag;
        for (int action = 0; action < ActionCount; ++action)
            bindings->keys[action] = version.firstKey + action;
        bindings->Save();
        version.maze->Save(MapNumber);
    }

    // The child: saves everything over and over, the versions taking turns
    // from the given one, until it is killed.
    [[noreturn]] void SaveUntilKilled(int first)
    {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        alarm(ChildSafetySeconds);
        for (int round = first;; ++round)
            SaveAll(versions[round % 2]);
    }

    // Which version a file holds: 0, 1, or -1 for neither.
    static int VersionOf(const std::string& content, const std::string& first,
                         const std::string& second)
    {
        return content == first ? 0 : content == second ? 1 : -1;
    }

    std::unique_ptr<KeyBindings> bindings;
    std::unique_ptr<Maze> smallMaze, largeMaze;
    Version versions[2];
};

TEST_F(CrashSafeSaveTest, TheTwoVersionsDifferInEveryFile)
{
    EXPECT_NE(versions[0].configText, versions[1].configText);
    EXPECT_NE(versions[0].keysText, versions[1].keysText);
    EXPECT_NE(versions[0].mapText, versions[1].mapText);
    EXPECT_GT(versions[1].mapText.size(), size_t{LargeWidth * LargeHeight});
}

TEST_F(CrashSafeSaveTest, EveryFileIsCompleteAfterAKillAtAnyMoment)
{
    const int kills = KillCount();
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> lifetime(0, MaxLifeMicroseconds);
    int changedFiles = 0;     // files found holding the other version than before the kill
    int killedMidSave = 0;    // kills that left a temporary file: the child was writing
    int previous[3] = {1, 1, 1};  // the set-up saved version 1 last

    fflush(stdout);
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1) << "fork failed";
        if (child == 0)
            SaveUntilKilled(kill);
        usleep(lifetime(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the saving child ended by itself, status " << status;

        const int found[3] = {
            VersionOf(sandbox->Read(ConfigPath), versions[0].configText, versions[1].configText),
            VersionOf(sandbox->Read(KeysPath), versions[0].keysText, versions[1].keysText),
            VersionOf(sandbox->Read(MapPath), versions[0].mapText, versions[1].mapText)};
        ASSERT_NE(found[0], -1) << "the configuration is torn after kill " << kill;
        ASSERT_NE(found[1], -1) << "the key file is torn after kill " << kill;
        ASSERT_NE(found[2], -1) << "the custom map is torn after kill " << kill;
        for (int file = 0; file < 3; ++file) {
            changedFiles += found[file] != previous[file];
            previous[file] = found[file];
        }
        bool midSave = false;
        for (const std::string path : {ConfigPath, KeysPath, MapPath}) {
            const std::string temporary = path + ".tmp";
            midSave = midSave || sandbox->Exists(temporary);
            sandbox->Remove(temporary);
        }
        killedMidSave += midSave;
    }
    // The kills must have hit the saving at work, or the test proves nothing.
    EXPECT_GT(changedFiles, 0);
    EXPECT_GT(killedMidSave, 0);
    std::printf("%d kills survived; %d of them during a save; %d file changes seen\n", kills,
                killedMidSave, changedFiles);
}

}  // namespace

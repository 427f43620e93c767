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
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "input/KeyBindings.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr int DefaultKills = 50;
constexpr int MapNumber = 7;
constexpr const char* MapPath = "data/map_7.lev";
// The longest a child runs before it is killed: long enough for many rounds
// of saving, short enough to keep the test quick.
constexpr int MaxLifeMicroseconds = 30000;
constexpr int ChildSafetySeconds = 60;  // a child that is never killed (the parent died) stops
constexpr unsigned Seed = 20261206;     // the same kill moments on every run

int KillCount()
{
    const char* text = std::getenv("GULPWISE_CRASH_KILLS");
    const int kills = text ? std::atoi(text) : DefaultKills;
    return kills > 0 ? kills : DefaultKills;
}

// A playable maze of corn between pillars of wall, the gulper in the top
// left corner and the ghosts in the bottom right one: nothing to repair.
std::unique_ptr<Maze> PillarMaze(int width, int height)
{
    std::vector<CellCode> cells(width * height, Corn);
    for (int y = 1; y < height; y += 2)
        for (int x = 1; x < width; x += 2)
            cells[y * width + x] = Wall;
    cells.front() = GulperStart;
    cells.back() = GhostStart;
    return std::make_unique<Maze>(width, height, cells);
}

// One content of each file, put in place by saving it: the options, the key
// file's flag and first key (the others follow one by one), and the map (a
// large one takes long enough to write that a save which is not crash-safe
// would be caught half-written).
struct Version {
    const char* options;
    int keyFlag;
    int firstKey;
    std::unique_ptr<Maze> maze;
    std::string files[3];  // the configuration, the key file and the map as this version writes them
};

const char* const Paths[3] = {ConfigPath, KeysPath, MapPath};

class CrashSafeSaveTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CaptureOutput();  // no configuration and no key file yet: two messages
        CreateBaseGlobals();
        bindings = std::make_unique<KeyBindings>();
        TakeOutput();
        versions[0] = {"0 3.4 1 4 2.4 1 100 100 20 0 1 1 1 1", 1, 273, PillarMaze(28, 20), {}};
        versions[1] = {"1 1.2000000000000002 0 8 0.95 42 30 70 35 2 11 12 5 9", 2, 97,
                       PillarMaze(400, 300), {}};
        for (Version& version : versions) {
            SaveAll(version);
            for (int file = 0; file < 3; ++file)
                version.files[file] = sandbox->Read(Paths[file]);
        }
    }
    void TearDown() override
    {
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }

    void SaveAll(const Version& version)
    {
        std::istringstream options(version.options);
        TheConfig->Load(options);
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

    std::unique_ptr<KeyBindings> bindings;
    Version versions[2];
};

TEST_F(CrashSafeSaveTest, EveryFileIsCompleteAfterAKillAtAnyMoment)
{
    for (int file = 0; file < 3; ++file)
        ASSERT_NE(versions[0].files[file], versions[1].files[file]) << Paths[file];
    EXPECT_GT(versions[1].files[2].size(), size_t{400 * 300});

    const int kills = KillCount();
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> lifetime(0, MaxLifeMicroseconds);
    int changedFiles = 0;          // files found holding the other version than before the kill
    int killedMidSave = 0;         // kills that left a temporary file: the child was writing
    int previous[3] = {1, 1, 1};   // the set-up saved version 1 last
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

        bool midSave = false;
        for (int file = 0; file < 3; ++file) {
            const std::string content = sandbox->Read(Paths[file]);
            const int found = content == versions[0].files[file]   ? 0
                              : content == versions[1].files[file] ? 1
                                                                   : -1;
            ASSERT_NE(found, -1) << Paths[file] << " is torn after kill " << kill;
            changedFiles += found != previous[file];
            previous[file] = found;
            const std::string temporary = std::string(Paths[file]) + ".tmp";
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

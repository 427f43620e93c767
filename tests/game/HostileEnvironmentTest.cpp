// A hostile game folder: every data file missing in turn, a folder the game
// may not write to, a maze file of random bytes, and a configuration at the
// extremes of its numbers. The game says what is wrong and goes on; it never
// crashes and never loses what it had.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <unistd.h>

#include "app/Program.h"
#include "tests/game/GameTest.h"

namespace {

namespace fs = std::filesystem;

constexpr int SomeFrames = 40;
constexpr int LevelFrames = 300;

// The game-test helpers, for the visit below and the tests that run it in
// fixtures of their own.
struct Player : GameTest {
    static void VisitEveryScreen();
    static void StartCustomGame();
};

// Goes everywhere a player can go: both campaigns and a level of each, the
// editor with a paint and a save (dropping the painting when it could not be
// saved), the help page, the options and the controls with both stock key
// sets; back to the main menu each time.
void Player::VisitEveryScreen()
{
    RunFrames(SomeFrames);
    for (int campaign : {GulperCampaignButton, GhostsCampaignButton}) {
        Click(PlayButton);
        Click(campaign);
        if (GameState != GameModeMenu) {  // the campaign's level could be read
            Click(StartButton);
            RunFrames(LevelFrames);
        }
        GameState = MainMenu;  // what "Exit game" does, whatever the keys are
    }
    Click(EditorButton);
    ClickPoint(100, 100);
    Click(SaveMapButton);
    Click(CloseButton);
    if (GameState == EditorQuestion)  // the map could not be saved: its painting is dropped
        Click(DiscardButton);
    for (const int id : {HelpButton, CloseButton, OptionsButton,
                         TileSetButton, ControlsButton, DefaultKeysButton, DefaultHotseatKeysButton,
                         OkButton, CloseButton}) {
        Click(id);
        RunFrames(SomeFrames / 4);
    }
}

void Player::StartCustomGame()
{
    Click(PlayButton);
    Click(CustomGameButton);
    Click(StartButton);
    RunFrames(LevelFrames);
}

// The message each missing file gives (empty: the file goes missing silently,
// as sounds and the icon do; the empty text is found in any output).
std::string MessageFor(const std::string& file)
{
    if (file.starts_with("images/icon") || file.starts_with("sfx/") || file.starts_with("music/"))
        return "";
    if (file == "data/online.cfg")
        return "";  // said on standard error (tests/platform/OnlineConfigTest.cpp)
    if (file.ends_with(".bmp"))
        return "Failed to load image " + file + ".";
    if (file == "data/help_text.cfg")
        return "Error while opening file data/help_text.cfg !";
    if (file.ends_with("keys.cfg"))
        return "Couldn't open file " + file + ", You will need to redefine keys";
    if (file == "data/map_1.lev")
        return "File with data for level 1 is missing!";
    if (file.find("_settings_") != std::string::npos)
        return "Couldn't load campaign settings from file " + file + ", loading default settings!";
    return "Couldn't load maze level from file " + file + "!";
}

// Every shipped file but the font width files (without which the game cannot
// draw a word: tests/gui/BitmapFontTest.cpp), the mazes the visit never
// reaches, and the web page's icons (web/), which only the browser's page shows.
std::vector<std::string> FilesToLose()
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(ShippedDataDir())) {
        if (!entry.is_regular_file())
            continue;
        const std::string file = fs::relative(entry.path(), ShippedDataDir()).string();
        const bool farMaze = (file.starts_with("data/map_") && file != "data/map_1.lev") ||
                             (file.find("_level_") != std::string::npos && !file.ends_with("_1.lev")) ||
                             (file.find("_settings_") != std::string::npos && !file.ends_with("_1.lev"));
        if (!farMaze && !file.ends_with("_chars_w.cfg") && !file.starts_with("web/"))
            files.push_back(file);
    }
    std::sort(files.begin(), files.end());
    return files;
}

class MissingFileTest : public GameTest, public ::testing::WithParamInterface<std::string> {
protected:
    void PrepareGameFiles() override
    {
        sandbox->Remove(GetParam());
        CaptureOutput();  // from start-up on
    }
};

TEST_P(MissingFileTest, GameSaysWhatIsMissingAndGoesOn)
{
    Player::VisitEveryScreen();
    const std::string output = TakeOutput();
    EXPECT_NE(output.find(MessageFor(GetParam())), std::string::npos) << output;
    EXPECT_EQ(GameState, MainMenu);
}

INSTANTIATE_TEST_SUITE_P(EveryShippedFile, MissingFileTest, ::testing::ValuesIn(FilesToLose()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 c = isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

class HostileFolderTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        sandbox->CopyAllShipped();
    }
};

TEST_F(HostileFolderTest, MazeFileOfRandomBytesIsRefused)
{
    std::mt19937 random(42);
    std::string bytes(10 * 1024 * 1024, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    sandbox->Write("data/map_1.lev", bytes);
    sandbox->Write("data/gulper_level_1.lev", bytes);
    CaptureOutput();
    CreateGlobals();
    EXPECT_NE(TakeOutput().find("File with data for level 1 is missing!"), std::string::npos);
    EXPECT_EQ(TheConfig->mapNumber, 2);  // the next existing map was loaded instead
    const std::vector<CellCode> before = TheMaze->cells;
    CaptureOutput();
    EXPECT_FALSE(TheMaze->LoadFile("data/gulper_level_1.lev"));
    TakeOutput();
    EXPECT_EQ(TheMaze->cells, before);
    DestroyGlobals();
}

TEST_F(HostileFolderTest, ConfigurationAtTheExtremesOfItsNumbers)
{
    for (const char* extreme : {"2147483647", "-2147483648"}) {
        std::string config;
        for (int i = 0; i < 14; ++i)
            config += std::string(extreme) + "\n";
        sandbox->Write("data/config.cfg", config);
        CaptureOutput();
        CreateGlobals();
        GameState = MainMenu;
        EXPECT_GT(TheScreen->framesPerSecond, 0);
        EXPECT_LE(TheSquad->count, MaxGhosts);
        Player::VisitEveryScreen();
        Player::StartCustomGame();
        DestroyGlobals();
        TakeOutput();
    }
}

// The whole visit as a player who may not write to the game folder; run in a
// fresh process, as another user when the tests run as the administrator (who
// may write anywhere). Prints what the game said to standard error for the parent.
void PlayInReadOnlyFolder(const std::string& folder)
{
    if (geteuid() == 0) {
        // The folder belongs to the administrator; another user may only read it.
        constexpr uid_t Nobody = 65534;
        if (setgid(Nobody) != 0 || setuid(Nobody) != 0)
            exit(3);
    } else {
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::remove);
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    }

    const std::string log = "/tmp/gulpwise-readonly-" + std::to_string(getpid()) + ".log";
    if (!freopen(log.c_str(), "w", stdout))
        exit(4);
    CreateGlobals();
    Player::VisitEveryScreen();
    DestroyGlobals();
    fflush(stdout);
    std::ifstream said(log);
    std::cerr << said.rdbuf();
    remove(log.c_str());
    exit(0);
}

TEST_F(HostileFolderTest, ReadOnlyFolderPlaysAndSaysWhatItCouldNotSave)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    fs::permissions(sandbox->path, fs::perms::others_read | fs::perms::others_exec |
                                       fs::perms::group_read | fs::perms::group_exec,
                    fs::perm_options::add);
    const std::string keysBefore = sandbox->Read("data/keys.cfg");
    const std::string mapBefore = sandbox->Read("data/map_1.lev");
    EXPECT_EXIT(PlayInReadOnlyFolder(sandbox->path), ::testing::ExitedWithCode(0),
                "Couldn't open file data/map_1.lev"
                "(.|\n)*Couldn't open file data/keys.cfg"
                "(.|\n)*Couldn't open file data/config.cfg to save configuration!");
    EXPECT_EQ(sandbox->Read("data/keys.cfg"), keysBefore);
    EXPECT_EQ(sandbox->Read("data/map_1.lev"), mapBefore);
    EXPECT_FALSE(sandbox->Exists("data/config.cfg"));
}

}  // namespace

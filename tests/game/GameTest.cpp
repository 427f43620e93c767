#include "tests/game/GameTest.h"

#include <SDL/SDL.h>
#include <filesystem>
#include <sstream>

#include "app/Clock.h"
#include "app/GameFlow.h"
#include "app/Globals.h"
#include "app/Program.h"
#include "app/Screen.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "input/KeyBindings.h"

namespace fs = std::filesystem;

namespace {

constexpr int MazeWidth = 28;
constexpr int MazeHeight = 20;
constexpr int GlyphCount = 95;  // the fonts cover the codes 32 to 126
// More than the intro (3000 ms) and the appearance (30 frames) take at any frame rate used.
constexpr int MaxFramesToPlay = 1000;

// Widths of a stand-in font: every glyph equally wide.
std::string EvenWidths(int width)
{
    std::string text;
    for (int i = 0; i < GlyphCount; ++i)
        text += std::to_string(width) + "\n";
    return text;
}

// A stand-in key set with a key of its own for every action: the arrows for
// the gulper, WASD for a driven ghost, the digits for the ghost numbers.
std::string StandInKeys()
{
    const int keys[ActionCount] = {
        SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, SDLK_SPACE,  // gulper
        SDLK_d, SDLK_a, SDLK_w, SDLK_s, SDLK_x,                 // driven ghost, stop ghosts
        SDLK_q, SDLK_e, SDLK_TAB, SDLK_BACKQUOTE,               // all, none, next, previous
        SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_8,
        SDLK_LCTRL, SDLK_p, SDLK_F1, SDLK_ESCAPE,  // group, pause, keys help, exit
    };
    std::string text = "1\n";
    for (const int key : keys)
        text += std::to_string(key) + "\n";
    return text;
}

std::string LevelText(const std::vector<std::string>& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    return text;
}

// A grid of walls with the given rows (starting at row 1) laid over it.
std::vector<std::string> Walled(const std::vector<std::string>& inner)
{
    std::vector<std::string> rows(MazeHeight, std::string(MazeWidth, '#'));
    for (size_t i = 0; i < inner.size(); ++i)
        rows[i + 1] = inner[i];
    return rows;
}

}  // namespace

int GameTest::framesRun = 0;

void GameTest::SetUp()
{
    HeadlessTest::SetUp();
    CreateGlobals();
}

void GameTest::TearDown()
{
    DestroyGlobals();
    HeadlessTest::TearDown();
}

void GameTest::PrepareFiles()
{
    sandbox->CopyAllShipped();
    // Data files other parts of the game are still making: stand-ins until
    // they are shipped, so the game can start.
    const std::pair<const char*, std::string> standIns[] = {
        {"data/font18_chars_w.cfg", EvenWidths(10)},
        {"data/font10_chars_w.cfg", EvenWidths(6)},
        {"data/help_text.cfg", "Eat the corn, or catch the gulper.\n"},
        {"data/keys.cfg", StandInKeys()},
        {"data/default_keys.cfg", StandInKeys()},
        {"data/default_hotseat_keys.cfg", StandInKeys()},
        {"data/map_1.lev", LevelText(TestMazes::OpenRoom())},
    };
    for (const auto& [path, content] : standIns) {
        if (!sandbox->Exists(path))
            sandbox->Write(path, content);
    }
    PrepareGameFiles();
}

bool GameTest::RunFrames(int count)
{
    for (int i = 0; i < count; ++i) {
        const bool quit = UpdateGameFrame();
        AdvanceManualClock(TheScreen->framePeriod);
        if (quit)
            return true;
    }
    return false;
}

bool GameTest::RunUntilState(int state, int maxFrames)
{
    for (framesRun = 0; framesRun < maxFrames && GameState != state;) {
        ++framesRun;
        RunFrames(1);
    }
    return GameState == state;
}

int GameTest::LastFrameTime()
{
    return Now() - TheScreen->framePeriod;
}

Button& GameTest::ButtonOf(int id)
{
    Panel* const panel = TheGui->PanelOf(GameState);
    if (panel) {
        for (const auto& button : panel->buttons) {
            if (button->id == id)
                return *button;
        }
    }
    ADD_FAILURE() << "no button " << id << " in state " << GameState;
    static Button none{};
    return none;
}

void GameTest::CentreOf(const Button& button, int& x, int& y)
{
    const Panel* const panel = TheGui->PanelOf(GameState);
    x = panel->x + button.x + button.w / 2;
    y = panel->y + button.y + button.h / 2;
}

bool GameTest::Click(int id)
{
    int x = 0, y = 0;
    CentreOf(ButtonOf(id), x, y);
    TheGui->OnLeftDown(x, y);
    return TheGui->OnLeftUp(x, y);
}

bool GameTest::ClickAt(int buttonIndex)
{
    int x = 0, y = 0;
    CentreOf(*TheGui->PanelOf(GameState)->buttons.at(buttonIndex), x, y);
    TheGui->OnLeftDown(x, y);
    return TheGui->OnLeftUp(x, y);
}

int GameTest::KeyOf(int action)
{
    return TheGui->keyBindings.keys[action];
}

bool GameTest::PressKey(int action)
{
    return TheGui->OnKeyDown(KeyOf(action));
}

bool GameTest::ReleaseKey(int action)
{
    return TheGui->OnKeyUp(KeyOf(action));
}

bool GameTest::TapKey(int action)
{
    PressKey(action);
    return ReleaseKey(action);
}

int GameTest::Played(int sound)
{
    return TheSounds->playCount[sound];
}

void GameTest::WriteLevel(const std::string& path, const std::vector<std::string>& rows) const
{
    sandbox->Write(path, LevelText(rows));
}

void GameTest::WriteCampaignLevel(const std::string& side, int level,
                                  const std::vector<std::string>& rows,
                                  const std::string& settings) const
{
    const std::string number = std::to_string(level);
    WriteLevel("data/" + side + "_level_" + number + ".lev", rows);
    sandbox->Write("data/" + side + "_settings_" + number + ".lev", settings);
}

void GameTest::RemoveCampaign(const std::string& side) const
{
    for (const auto& entry : fs::directory_iterator(fs::path(sandbox->path) / "data")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(side + "_level_") || name.starts_with(side + "_settings_"))
            fs::remove(entry.path());
    }
}

void GameTest::WriteCampaign(const std::string& side,
                             const std::vector<std::vector<std::string>>& levels,
                             const std::string& settings) const
{
    RemoveCampaign(side);
    for (size_t i = 0; i < levels.size(); ++i)
        WriteCampaignLevel(side, static_cast<int>(i) + 1, levels[i], settings);
}

void GameTest::EnterCampaignMenu(int mode)
{
    Click(PlayButton);
    Click(mode == GhostsCampaignMode ? GhostsCampaignButton : GulperCampaignButton);
}

bool GameTest::StartAndPlay()
{
    Click(StartButton);
    return RunUntilState(Playing, MaxFramesToPlay);
}

void GameTest::SaveWindow(const std::string& name)
{
    SDL_SaveBMP(TheScreen->surface, ("/tmp/guicore-" + name + ".bmp").c_str());
}

std::string Settings(int gulperController, int ghostsController, int ghostCount,
                     double gulperSpeed, double ghostSpeed, int timeLimit)
{
    std::ostringstream text;
    text << gulperController << "\n" << ghostsController << "\n" << ghostCount << "\n"
         << gulperSpeed << "\n" << ghostSpeed << "\n" << timeLimit << "\n";
    return text.str();
}

namespace TestMazes {

std::vector<std::string> CornBesideGulper()
{
    return Walled({"#PC" + std::string(23, '.') + "G#"});
}

std::vector<std::string> GhostBesideGulper()
{
    return Walled({"#PG" + std::string(23, '.') + "C#"});
}

std::vector<std::string> OpenRoom()
{
    std::vector<std::string> inner(MazeHeight - 2, "#" + std::string(MazeWidth - 2, 'C') + "#");
    inner.front()[1] = 'P';
    inner.back()[MazeWidth - 2] = 'G';
    return Walled(inner);
}

std::vector<std::string> StandStill()
{
    std::vector<std::string> inner(MazeHeight - 2, "#" + std::string(MazeWidth - 2, '.') + "#");
    inner[0] = "#P" + std::string(MazeWidth - 2, '#');
    inner[1][MazeWidth - 2] = 'C';
    inner.back()[MazeWidth - 2] = 'G';
    return Walled(inner);
}

}  // namespace TestMazes

#include "app/PlayMode.h"
#include "tests/game/GameTest.h"

#include <filesystem>
#include <sstream>

#include "platform/Clock.h"
#include "rules/Tick.h"
#include "app/HeadlessGame.h"

namespace fs = std::filesystem;

namespace {

constexpr int Width = 28;
constexpr int Height = 20;
// More than the intro (3000 ms) and the appearance (30 frames) take at any frame rate used.
constexpr int MaxFrames = 1000;

// A grid of walls with the given rows laid over it from row 1.
Rows Walled(const Rows& inner, int height = Height)
{
    Rows rows(height, std::string(Width, '#'));
    std::copy(inner.begin(), inner.end(), rows.begin() + 1);
    return rows;
}

}  // namespace

int GameTest::framesRun = 0;

void GameTest::SetUp()
{
    HeadlessTest::SetUp();
    StartHeadlessGame();
}

void GameTest::TearDown()
{
    StopHeadlessGame();
    HeadlessTest::TearDown();
}

void GameTest::PrepareFiles()
{
    sandbox->CopyAllShipped();
    PrepareGameFiles();
}

ReplayArchive* GameTest::recordedBy = nullptr;

bool GameTest::RunFrames(int count)
{
    for (int i = 0; i < count; ++i) {
        const bool quit = UpdateGameFrame(recordedBy);
        AdvanceManualClock(TheScreen->framePeriod);
        if (quit)
            return true;
    }
    return false;
}

bool GameTest::RunUntilState(GameStateId state)
{
    for (framesRun = 0; framesRun < MaxFrames && GameState != state; ++framesRun)
        RunFrames(1);
    return GameState == state;
}

int GameTest::LastFrameTime()
{
    return Now() - TheScreen->framePeriod;
}

Button& GameTest::ButtonOf(int id)
{
    if (Panel* const panel = TheGui->PanelOf(GameState))
        for (const auto& button : panel->buttons)
            if (button->id == id)
                return *button;
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

bool GameTest::ClickPoint(int x, int y)
{
    TheGui->OnLeftDown(x, y);
    return TheGui->OnLeftUp(x, y);
}

bool GameTest::Click(int id)
{
    int x = 0, y = 0;
    CentreOf(ButtonOf(id), x, y);
    return ClickPoint(x, y);
}

bool GameTest::ClickAt(int buttonIndex)
{
    int x = 0, y = 0;
    CentreOf(*TheGui->PanelOf(GameState)->buttons.at(buttonIndex), x, y);
    return ClickPoint(x, y);
}

void GameTest::WriteLevel(const std::string& path, const Rows& rows) const
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    sandbox->Write(path, text);
}

void GameTest::WriteCampaignLevel(const std::string& side, int level, const Rows& rows,
                                  const std::string& settings) const
{
    WriteLevel("data/" + side + "_level_" + std::to_string(level) + ".lev", rows);
    sandbox->Write("data/" + side + "_settings_" + std::to_string(level) + ".lev", settings);
}

void GameTest::WriteCampaign(const std::string& side, const std::vector<Rows>& levels,
                             const std::string& settings) const
{
    RemoveCampaign(side);
    for (size_t i = 0; i < levels.size(); ++i)
        WriteCampaignLevel(side, static_cast<int>(i) + 1, levels[i], settings);
}

void GameTest::RemoveCampaign(const std::string& side) const
{
    for (const auto& entry : fs::directory_iterator(fs::path(sandbox->path) / "data")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(side + "_level_") || name.starts_with(side + "_settings_"))
            fs::remove(entry.path());
    }
}

void GameTest::EnterCampaignMenu(int mode)
{
    Click(PlayButton);
    Click(mode == GhostsCampaignMode ? GhostsCampaignButton : GulperCampaignButton);
}

bool GameTest::StartAndPlay()
{
    Click(StartButton);
    return RunUntilState(Playing);
}

void GameTest::PlayCampaignLevel(int mode, const Rows& maze, const std::string& settings)
{
    WriteCampaign(mode == GhostsCampaignMode ? "ghosts" : "gulper", {maze}, settings);
    EnterCampaignMenu(mode);
    ASSERT_TRUE(StartAndPlay());
}

std::string Settings(Controller gulperController, Controller ghostsController, int ghostCount,
                     double gulperSpeed, double ghostSpeed, int timeLimit)
{
    std::ostringstream text;
    text << gulperController << "\n" << ghostsController << "\n" << ghostCount << "\n"
         << gulperSpeed << "\n" << ghostSpeed << "\n" << timeLimit << "\n";
    return text.str();
}

namespace TestMazes {

Rows CornBesideGulper() { return Walled({"#PC" + std::string(23, '.') + "G#"}); }

Rows GhostBesideGulper() { return Walled({"#PG" + std::string(23, '.') + "C#"}); }

Rows OpenRoom()
{
    Rows inner(Height - 2, "#" + std::string(Width - 2, 'C') + "#");
    inner.front()[1] = 'P';
    inner.back()[Width - 2] = 'G';
    return Walled(inner);
}

Rows StandStill()
{
    Rows inner(Height - 2, "#" + std::string(Width - 2, '.') + "#");
    inner[0] = "#P" + std::string(Width - 2, '#');
    inner[1][Width - 2] = 'C';
    inner.back()[Width - 2] = 'G';
    return Walled(inner);
}

Rows WithCorn(int corn, int height)
{
    return Walled({"#P" + std::string(corn, 'C') + std::string(Width - 4 - corn, '.') + "G#"}, height);
}

}  // namespace TestMazes

#include "bench/HeadlessGame.h"

#include <cstdlib>

#include "app/Campaign.h"
#include "app/Clock.h"
#include "app/Config.h"
#include "app/GameFlow.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "app/Program.h"
#include "app/Screen.h"
#include "gui/Gui.h"

namespace {
constexpr int CampaignLevels = 12;  // shipped levels of each campaign
constexpr int ClockStart = 1000;
}  // namespace

HeadlessGame::HeadlessGame()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    folder = std::make_unique<Sandbox>();
    folder->CopyAllShipped();
    UseManualClock(ClockStart);
    CreateGlobals();
}

HeadlessGame::~HeadlessGame()
{
    DestroyGlobals();
    folder.reset();
    UseRealClock();
}

void HeadlessGame::StartNextLevel(int ghosts)
{
    const int round = nextLevel++ % (2 * CampaignLevels);
    GameMode = round < CampaignLevels ? GulperCampaignMode : GhostsCampaignMode;
    LoadCampaignLevel(round % CampaignLevels + 1);
    Config& config = *TheConfig;
    config.gulperController = Computer;
    config.ghostsController = Computer;
    config.ghostCount = ghosts;

    // As the match simulator does: the intro and the appearance only wait.
    StartLevel();
    GameState = Playing;
    TheGui->timer->Reset();
}

bool HeadlessGame::KeepPlaying(int ghosts)
{
    if (GameState == Playing)
        return false;
    StartNextLevel(ghosts);
    return true;
}

void HeadlessGame::PassFramePeriod()
{
    AdvanceManualClock(TheScreen->framePeriod);
}

HeadlessGame& TheGame()
{
    static HeadlessGame game;
    return game;
}

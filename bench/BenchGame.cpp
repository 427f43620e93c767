#include "bench/BenchGame.h"

#include <cstdlib>

#include "rules/Campaign.h"
#include "platform/Clock.h"
#include "platform/Config.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "app/HeadlessGame.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/Gui.h"

namespace {
constexpr int CampaignLevels = 12;  // shipped levels of each campaign
}  // namespace

BenchGame::BenchGame()
{
    UseHeadlessDrivers();
    folder = std::make_unique<Sandbox>();
    folder->CopyAllShipped();
    StartHeadlessGame();
}

BenchGame::~BenchGame()
{
    StopHeadlessGame();
    folder.reset();
}

void BenchGame::StartNextLevel(int ghosts)
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

bool BenchGame::KeepPlaying(int ghosts)
{
    if (GameState == Playing)
        return false;
    StartNextLevel(ghosts);
    return true;
}

void BenchGame::PassFramePeriod()
{
    AdvanceManualClock(TheScreen->framePeriod);
}

BenchGame& TheGame()
{
    static BenchGame game;
    return game;
}

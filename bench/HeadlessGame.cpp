#include "bench/HeadlessGame.h"

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

HeadlessGame::HeadlessGame()
{
    UseHeadlessDrivers();
    folder = std::make_unique<Sandbox>();
    folder->CopyAllShipped();
    StartHeadlessGame();
}

HeadlessGame::~HeadlessGame()
{
    StopHeadlessGame();
    folder.reset();
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

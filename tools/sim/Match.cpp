#include "tools/sim/Match.h"

#include <chrono>
#include <cstdlib>
#include <unistd.h>

#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "rules/Campaign.h"
#include "platform/Clock.h"
#include "platform/Config.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "app/HeadlessGame.h"
#include "replay/ReplayFile.h"
#include "platform/Globals.h"
#include "app/Program.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/Gui.h"
#include "maze/Maze.h"

namespace {

int CountCells(CellCode code)
{
    int count = 0;
    for (const CellCode cell : TheMaze->cells)
        count += cell == code;
    return count;
}

}  // namespace

void Quietly(const std::function<void()>& step)
{
    fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    FILE* sink = freopen("/dev/null", "w", stdout);
    step();
    fflush(stdout);
    if (sink)
        dup2(saved, STDOUT_FILENO);
    close(saved);
}

void StartSimulation(const std::string& gameFolder)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    // No audio device: the mixer's thread would only cost time.
    setenv("SDL_AUDIODRIVER", "none", 1);
    if (chdir(gameFolder.c_str()) != 0) {
        fprintf(stderr, "Cannot enter the game folder %s\n", gameFolder.c_str());
        exit(2);
    }
    Quietly([] { StartHeadlessGame(); });
}

bool LoadCampaignMatch(bool ghostsCampaign, int level, LevelSettings& settings)
{
    GameMode = ghostsCampaign ? GhostsCampaignMode : GulperCampaignMode;
    bool loaded = false;
    Quietly([&] { loaded = LoadCampaignLevel(level); });
    settings.gulperSpeed = TheConfig->gulperSpeed;
    settings.ghostSpeed = TheConfig->ghostSpeed;
    settings.ghostCount = TheConfig->ghostCount;
    settings.timeLimit = TheGui->timer->limit;
    settings.framesPerSecond = TheConfig->framesPerSecond;
    return loaded;
}

bool LoadMatchMaze(const std::string& path)
{
    bool loaded = false;
    Quietly([&] { loaded = TheMaze->LoadFile(path.c_str()); });
    return loaded;
}

MatchResult PlayMatch(const LevelSettings& settings, const std::function<bool(int frame)>& afterFrame)
{
    Config& config = *TheConfig;
    config.gulperController = Computer;
    config.ghostsController = Computer;
    config.gulperSpeed = settings.gulperSpeed;
    config.ghostSpeed = settings.ghostSpeed;
    config.ghostCount = settings.ghostCount;
    config.framesPerSecond = settings.framesPerSecond;
    TheScreen->SetFramesPerSecond(settings.framesPerSecond);
    TheGui->timer->limit = settings.timeLimit;

    MatchResult result;
    result.cornTotal = TheMaze->cornLeft;
    result.boostsTotal = CountCells(Boost);

    // The level is played as the game plays it, from its intro to the frame
    // its end pause is over; that last frame would load the next level or
    // go back to a menu, so it is counted but not run.
    StartLevel();
    const FrameCommands none;
    const auto started = std::chrono::steady_clock::now();
    for (;;) {
        const bool ended = GameState == GulperWins || GameState == GhostsWin;
        if (ended && PauseIsOver()) {
            ++result.gameFrames;
            break;
        }
        RunHeadlessFrame(none, false);
        ++result.gameFrames;
        result.ghostsEaten += GameEvents.CountLast(GameEvent::GhostEaten);
        NoteEnding(result.end);
        if (TheTick.frameState != Playing)
            continue;
        ++result.frames;
        if (GameState != Playing) {  // the level's last frame of play
            result.cornEaten = result.cornTotal - TheMaze->cornLeft;
            result.boostsEaten = result.boostsTotal - CountCells(Boost);
        }
        if (afterFrame && !afterFrame(result.frames))
            break;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    result.framesPerSecond = elapsed.count() > 0 ? result.gameFrames / elapsed.count() : 0;
    TheSounds->HaltAllSound();
    GameState = MainMenu;
    return result;
}

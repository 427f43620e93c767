// Gulpwise in a web page: the program's entry for the browser build.
//
// The page mounts the browser's storage over data/ before this runs
// (browser/storage.js). Here the shipped files the player has not got yet are
// copied in, the game is made as on the desktop, and the browser's frame
// callback runs the game's one-frame step on the game's own grid of periods.
// The page reaches the game through the few functions exported at the end.
#include <emscripten.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "app/Program.h"
#include "replay/Archive.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "platform/Clock.h"
#include "platform/Config.h"
#include "platform/FramePacer.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr const char* ShippedData = "/shipped/data";  // the data folder as the site ships it
constexpr const char* PlayerData = "data";            // the same, kept in the browser's storage
constexpr int TimedSteps = 256;                       // the last steps whose time is kept

FramePacer pacer;
double lastCallback = 0;       // when the browser last called back, in milliseconds
GameStateId savedInState{};    // the state in which the options were last saved
long framesRun = 0;            // frames stepped since start-up
std::vector<double> stepTimes; // milliseconds of the last steps (step and drawing), a ring

// Like the desktop's game folder: a shipped file is copied only when the player has none.
void CopyMissingShippedFiles()
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::recursive_directory_iterator it(ShippedData, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path target = PlayerData / fs::relative(it->path(), ShippedData, error);
        if (it->is_directory(error))
            fs::create_directories(target, error);
        else if (!fs::exists(target, error))
            fs::copy_file(it->path(), target, error);
    }
}

// Options and campaign progress are written when the game changes state, so
// that a closed page keeps them (the desktop writes them at exit, which a page never reaches).
void SaveOptionsOnStateChange()
{
    if (GameState == savedInState)
        return;
    savedInState = GameState;
    TheConfig->Save();
}

void EndGame()
{
    TheConfig->Save();
    emscripten_cancel_main_loop();
    EM_ASM(if (Module.onGameEnd) Module.onGameEnd(););
}

// The browser's frame callback: runs the frames due on the game's grid, then shows the window.
void OnDisplayFrame()
{
    const double now = emscripten_get_now();
    const int due = pacer.FramesDue(now - lastCallback, TheScreen->framePeriod);
    lastCallback = now;
    for (int i = 0; i < due; ++i) {
        const double start = emscripten_get_now();
        // The game's clock moves one period per frame: time passes only while frames run.
        AdvanceManualClock(TheScreen->framePeriod);
        if (TheScreen->ProcessEvents() || TheScreen->runFrame()) {
            EndGame();
            return;
        }
        if (i == due - 1)
            TheScreen->Present();
        stepTimes[framesRun % TimedSteps] = emscripten_get_now() - start;
        if (++framesRun == 1)
            EM_ASM(if (Module.onFirstFrame) Module.onFirstFrame(););
    }
    if (due > 0)
        SaveOptionsOnStateChange();
}

}  // namespace

// What the page calls.
extern "C" {

// The page was hidden and is shown again: the game goes on where it stopped.
EMSCRIPTEN_KEEPALIVE void GulpwiseResume()
{
    pacer.Restart();
    lastCallback = emscripten_get_now();
}

// Writes the options now (the page is being hidden or closed).
EMSCRIPTEN_KEEPALIVE void GulpwiseSaveOptions()
{
    if (TheConfig)
        TheConfig->Save();
}

// The number of the custom maze the editor and the custom game use.
EMSCRIPTEN_KEEPALIVE int GulpwiseMapNumber()
{
    return TheConfig ? TheConfig->mapNumber : 0;
}

// Puts a level file's text into the editor, unsaved. False (nothing changed)
// outside the editor or when the text is no readable level.
EMSCRIPTEN_KEEPALIVE bool GulpwiseOpenLevel(const char* text)
{
    if (GameState != LevelEditor || !TheMaze)
        return false;
    std::istringstream in{std::string(text)};
    if (!TheMaze->ReadLevel(in))
        return false;
    TheBrush->unsavedChanges = true;
    return true;
}

// The state the game is in (the numbers of GameStateId), for the page's tests.
EMSCRIPTEN_KEEPALIVE int GulpwiseGameState()
{
    return static_cast<int>(GameState);
}

EMSCRIPTEN_KEEPALIVE long GulpwiseFramesRun()
{
    return framesRun;
}

// The median time of one step with its drawing over the last steps, in milliseconds.
EMSCRIPTEN_KEEPALIVE double GulpwiseMedianStepMs()
{
    const size_t count = std::min<size_t>(framesRun, TimedSteps);
    std::vector<double> times(stepTimes.begin(), stepTimes.begin() + count);
    if (times.empty())
        return 0;
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // extern "C"

int main()
{
    CopyMissingShippedFiles();
    UseManualClock(0);
    // Every level played is recorded, as in the window; the replays are kept
    // in the browser's storage like every other file under data/.
    static ReplayArchive archive;
    TheArchive = &archive;
    CreateGlobals();
    savedInState = GameState;
    stepTimes.assign(TimedSteps, 0);
    lastCallback = emscripten_get_now();
    // Zero frames a second: called at the display's refresh.
    emscripten_set_main_loop(OnDisplayFrame, 0, false);
    return 0;
}

// Gulpwise in a web page: the program's entry for the browser build.
//
// The page mounts the browser's storage over data/ before this runs
// (browser/storage.js). Here the shipped files the player has not got yet are
// copied in, the game is made as on the desktop, and the browser's frame
// callback runs the game's one-frame step on the game's own grid of periods.
// The page reaches the game through the few functions exported at the end.
#include <emscripten.h>

#include <algorithm>
#include <memory>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "app/FrameDriver.h"
#include "app/PlayMode.h"
#include "app/Program.h"
#include "browser/BrowserKeys.h"
#include "browser/WebOnline.h"
#include "replay/Archive.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

constexpr int TimedSteps = 256;  // the last steps whose time is kept

// The game in the page: the frame driver and what the page asks about it.
// main makes it and hands it to the browser's frame callback and, as a
// number, to the page, which passes it back to the functions it calls.
struct WebGame {
    // Every level played is recorded, as in the window; the replays are kept
    // in the browser's storage like every other file under data/.
    ReplayArchive archive;
    FrameDriver driver{std::make_unique<PlayMode>(&archive)};
    double lastCallback = 0;     // when the browser last called back, in milliseconds
    GameStateId savedInState{};  // the state in which the options were last saved
    std::vector<double> stepTimes = std::vector<double>(TimedSteps);  // milliseconds of the last steps, a ring
    WebOnline online;  // what the page was last told of online play
};

namespace {

constexpr const char* ShippedData = "/shipped/data";  // the data folder as the site ships it
constexpr const char* PlayerData = "data";            // the same, kept in the browser's storage

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
void SaveOptionsOnStateChange(WebGame& game)
{
    if (GameState == game.savedInState)
        return;
    game.savedInState = GameState;
    TheConfig->Save();
}

void EndGame()
{
    TheConfig->Save();
    emscripten_cancel_main_loop();
    EM_ASM(if (Module.onGameEnd) Module.onGameEnd(););
}

// The browser's frame callback: runs the frames due on the game's grid, then shows the window.
void OnDisplayFrame(void* argument)
{
    WebGame& game = *static_cast<WebGame*>(argument);
    const double now = emscripten_get_now();
    const long before = game.driver.framesRun;
    const bool goOn = game.driver.RunDue(now - game.lastCallback);
    game.lastCallback = now;
    const long ran = game.driver.framesRun - before;
    if (ran > 0) {
        // Each frame's share of the callback's time (steps and drawing).
        const double perFrame = (emscripten_get_now() - now) / static_cast<double>(ran);
        for (long frame = before; frame < game.driver.framesRun; ++frame)
            game.stepTimes[frame % TimedSteps] = perFrame;
        if (before == 0)
            EM_ASM(if (Module.onFirstFrame) Module.onFirstFrame(););
        SaveOptionsOnStateChange(game);
        game.online.Report(game.driver);
    }
    if (!goOn)
        EndGame();
}

}  // namespace

// What the page calls.
extern "C" {

// The page was hidden and is shown again: the game goes on where it stopped.
EMSCRIPTEN_KEEPALIVE void GulpwiseResume(WebGame* game)
{
    game->driver.Restart();
    game->lastCallback = emscripten_get_now();
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

EMSCRIPTEN_KEEPALIVE long GulpwiseFramesRun(const WebGame* game)
{
    return game->driver.framesRun;
}

// The median time of one step with its drawing over the last steps, in milliseconds.
EMSCRIPTEN_KEEPALIVE double GulpwiseMedianStepMs(const WebGame* game)
{
    const size_t count = std::min<size_t>(game->driver.framesRun, TimedSteps);
    std::vector<double> times(game->stepTimes.begin(), game->stepTimes.begin() + count);
    if (times.empty())
        return 0;
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // extern "C"

int main()
{
    CopyMissingShippedFiles();
    CreateGlobals();
    TheScreen->pollEvent = PollBrowserEvent;  // the key files' numbers are the desktop's
    // Made once and never destroyed: a page never exits.
    auto* game = new WebGame();
    game->savedInState = GameState;
    game->lastCallback = emscripten_get_now();
    EM_ASM({ Module.gulpwiseGame = $0; }, game);
    // Zero frames a second: called at the display's refresh.
    emscripten_set_main_loop_arg(OnDisplayFrame, game, 0, false);
    return 0;
}

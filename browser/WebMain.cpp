// Gulpwise in a web page: the program's entry for the browser build.
//
// The page mounts the browser's storage over data/ before this runs
// (browser/storage.js). Here the shipped files the player has not got yet are
// copied in, the game is made as on the desktop, and a browser timer's
// callback runs the game's one-frame step on the game's own grid of periods.
// The page reaches the game through the few functions exported at the end.
#include <SDL/SDL_mixer.h>
#include <emscripten.h>

#include <algorithm>
#include <cstdint>
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
#include "browser/PageReplayCheck.h"
#include "browser/SoftwareSurfaces.h"
#include "replay/Archive.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

constexpr int TimedSteps = 256;  // the last steps whose time is kept
constexpr int TimerSlackMs = 1;  // added to a timer's wait, so that it never fires before its frame is due
constexpr int StillShows = 2;    // the window shown unchanged this many times in a row: the picture stands still
constexpr int StillBatch = 2;    // frames run on one timer while the picture stands still
constexpr double AudioLatencySeconds = 0.1;  // the audio buffers asked of the browser: two frames

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
    std::string replayVerdict;  // what the last replay checked in the page came to, for the page to read
    // The picture stands still: the timer wakes the page for StillBatch
    // frames at a time (at the same rate of frames), until the picture
    // changes or input comes.
    bool still = false;
    bool ended = false;  // the game has ended; its loop is gone
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

void EndGame(WebGame& game)
{
    game.ended = true;
    TheConfig->Save();
    emscripten_cancel_main_loop();
    EM_ASM(if (Module.onGameEnd) Module.onGameEnd(););
}

// Keeps the page's audio running only while a sound plays: a running audio
// context costs the browser a steady share of a core even in silence. A sound
// started on a suspended context is heard as soon as it runs again.
EM_JS(void, KeepAudioRunningOnlyWhile, (bool sounding), {
    const context = typeof SDL !== 'undefined' && SDL.audioContext;
    if (!context)
        return;
    if (sounding && context.state === 'suspended')
        context.resume();
    else if (!sounding && context.state === 'running')
        context.suspend();
});

// Makes the page's audio context before the mixer would, with buffers of
// about two frames: the browser's default, the shortest it can, wakes its
// audio threads several times a frame and costs a steady share of a core
// while sounds play. The effects start up to two frames late for it.
EM_JS(void, MakeAudioContext, (double latencySeconds), {
    if (typeof SDL === "undefined" || SDL.audioContext || typeof AudioContext === "undefined")
        return;
    try {
        SDL.audioContext = new AudioContext({latencyHint: latencySeconds});
    } catch (error) {
        // The mixer makes its own.
    }
});

// Input wakes a page waiting for frames run together (GulpwiseWake).
EM_JS(void, WakeOnInput, (WebGame* game), {
    ["keydown", "keyup", "pointerdown", "pointerup", "mousedown", "touchstart", "wheel"].forEach(function(type) {
        window.addEventListener(type, function() { Module["_GulpwiseWake"](game); }, true);
    });
});

// Whether the page is hidden (another tab, a minimised window).
EM_JS(bool, PageHidden, (), { return document.hidden; });

// The browser's timer callback: runs the frames due on the game's grid, shows
// the window, and sets the timer to the next frame due. A timer rather than
// the display's refresh: the browser is woken only when a frame is due, not
// at every refresh in between. A hidden page runs no frames: its loop is
// paused until GulpwiseResume.
void OnDisplayFrame(void* argument)
{
    WebGame& game = *static_cast<WebGame*>(argument);
    if (PageHidden()) {
        emscripten_pause_main_loop();
        return;
    }
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
    if (!goOn) {
        EndGame(game);
        return;
    }
    KeepAudioRunningOnlyWhile(Mix_Playing(-1) > 0 || Mix_PlayingMusic());
    // Counted from this callback's start; a timer may fire up to a millisecond
    // early, which would find no frame due yet.
    game.still = WindowUnchangedShows(TheScreen->surface) >= StillShows;
    const int batchWait = game.still ? (StillBatch - 1) * TheScreen->framePeriod : 0;
    emscripten_set_main_loop_timing(
        EM_TIMING_SETTIMEOUT,
        game.driver.MillisecondsToNextFrame(TheScreen->framePeriod) + TimerSlackMs + batchWait);
}

}  // namespace

// What the page calls.
extern "C" {

// The page was hidden and is shown again: the game goes on where it stopped.
EMSCRIPTEN_KEEPALIVE void GulpwiseResume(WebGame* game)
{
    if (game->ended)
        return;
    game->driver.Restart();
    game->lastCallback = emscripten_get_now();
    emscripten_resume_main_loop();
}

// Input came: a page waiting for frames run together is woken now, and runs
// its frames one at a time again, so that the game answers at once.
EMSCRIPTEN_KEEPALIVE void GulpwiseWake(WebGame* game)
{
    if (!game->still || game->ended || PageHidden())
        return;
    game->still = false;
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, 0);
    emscripten_resume_main_loop();
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

// Plays a replay's bytes back in the page, as the desktop's checker does, and
// leaves the game as it was; the verdict in words, starting with OK when the
// replay reaches every recorded hash (valid until the next call).
EMSCRIPTEN_KEEPALIVE const char* GulpwiseVerifyReplay(WebGame* game, const std::uint8_t* bytes, int length)
{
    game->replayVerdict = length < 0 ? "NOT READ: no bytes" : CheckReplayInPage(bytes, static_cast<size_t>(length));
    return game->replayVerdict.c_str();
}

}  // extern "C"

int main()
{
    CopyMissingShippedFiles();
    MakeAudioContext(AudioLatencySeconds);
    CreateGlobals();
    TheScreen->pollEvent = PollBrowserEvent;  // the key files' numbers are the desktop's
    // Made once and never destroyed: a page never exits.
    auto* game = new WebGame();
    game->savedInState = GameState;
    game->lastCallback = emscripten_get_now();
    EM_ASM({ Module.gulpwiseGame = $0; }, game);
    WakeOnInput(game);
    // Called first at once, then on the timer each callback sets.
    emscripten_set_main_loop_arg(OnDisplayFrame, game, 0, false);
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, 0);
    return 0;
}

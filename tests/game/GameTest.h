// The fixture of every whole-game test: a sandbox game folder holding the
// shipped data files, the globals created as the program creates them, and
// helpers that play the game as a player does: run frames on the manual
// clock, click the buttons of the current screen, press and release the keys
// bound to actions, and listen to what was played.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

// The game's globals and what a test reads from them.
#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Config.h"
#include "app/GameState.h"
#include "app/GameTypes.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/Panel.h"
#include "input/KeyBindings.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"

using Rows = std::vector<std::string>;

class GameTest : public HeadlessTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Copies the shipped data, then PrepareGameFiles. Final: derived fixtures
    // put their own files in place with PrepareGameFiles.
    void PrepareFiles() final;
    virtual void PrepareGameFiles() {}

    // --- frames ---
    // Runs frames as the frame loop does (a frame, then one period on the
    // clock); true as soon as a frame asks the program to end.
    static bool RunFrames(int count);
    // Runs frames until the state is reached, at most 1000; false when it is not reached.
    static bool RunUntilState(int state);
    static int framesRun;         // frames run by the last RunUntilState, the last one included
    static int LastFrameTime();   // the clock time at which the last frame ran

    // --- the mouse and the keyboard, through the interface's handlers ---
    // The button of the current state's panel with that id; fails the test when there is none.
    static Button& ButtonOf(int id);
    // The window point in the middle of a button of the current panel.
    static void CentreOf(const Button& button, int& x, int& y);
    // Presses inside the button and releases there; the release's request to end the program.
    static bool Click(int id);
    static bool ClickAt(int buttonIndex);  // the button at an index of the current panel
    static bool ClickPoint(int x, int y);  // a press and a release at a window point
    static int KeyOf(int action) { return TheGui->keyBindings.keys[action]; }
    static bool PressKey(int action) { return TheGui->OnKeyDown(KeyOf(action)); }
    static bool ReleaseKey(int action) { return TheGui->OnKeyUp(KeyOf(action)); }
    static bool TapKey(int action) { PressKey(action); return ReleaseKey(action); }
    // What a widget of the current state's panel showed when it was last drawn.
    static std::string WidgetText(int i) { return TheGui->PanelOf(GameState)->widgets.at(i)->text; }

    static int Played(int sound) { return TheSounds->playCount[sound]; }
    static int CountCells(int code)  // cells of the maze holding a code
    {
        return static_cast<int>(std::count(TheMaze->cells.begin(), TheMaze->cells.end(), code));
    }

    // --- level files in the game folder ---
    void WriteLevel(const std::string& path, const Rows& rows) const;
    // A campaign level of the side "gulper" or "ghosts": its maze and its settings.
    void WriteCampaignLevel(const std::string& side, int level, const Rows& rows,
                            const std::string& settings) const;
    // Makes the given levels the whole campaign of a side, each with the same settings.
    void WriteCampaign(const std::string& side, const std::vector<Rows>& levels,
                       const std::string& settings) const;
    void RemoveCampaign(const std::string& side) const;

    // --- playing a level as the player reaches it ---
    // From the main menu into a campaign's menu ("Play", then the campaign).
    static void EnterCampaignMenu(int mode);
    // "Start!", then the intro and the gulper's appearance; false when play was not reached.
    static bool StartAndPlay();
    // A campaign of one level with these settings, entered and played.
    void PlayCampaignLevel(int mode, const Rows& maze, const std::string& settings);
};

// The text of a campaign settings file: who plays the gulper and the ghosts
// (Human or Computer), the ghost count, both speeds and the time limit.
std::string Settings(int gulperController, int ghostsController, int ghostCount,
                     double gulperSpeed, double ghostSpeed, int timeLimit);

// Test mazes, 28 x 20 like the game's own, walled all round.
namespace TestMazes {
// A corn beside the gulper, one ghost at the far end: a computer gulper eats it at once.
Rows CornBesideGulper();
// A ghost beside the gulper in a dead end, the corn beyond: computer ghosts catch it at once.
Rows GhostBesideGulper();
// An open room of corn, the gulper and the ghost start in opposite corners: a level that lasts.
Rows OpenRoom();
// The gulper boxed in, the ghosts' start far away in an open room: with both
// sides human and no key pressed nothing moves until the time runs out.
Rows StandStill();
// A custom maze that tells itself apart by its corn: the gulper and the ghost
// start on row 1 with `corn` corn between them (at most 24).
Rows WithCorn(int corn, int height = 21);
}  // namespace TestMazes

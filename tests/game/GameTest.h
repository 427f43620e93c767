// The fixture of every whole-game test: a sandbox game folder with the shipped
// data files, the globals created as the program creates them, and helpers
// that play as a player does: frames on the manual clock, clicks on the
// current screen's buttons, the keys bound to actions, the sounds played.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/GameTypes.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/Panel.h"
#include "input/KeyBindings.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"

class ReplayArchive;

using Rows = std::vector<std::string>;

class GameTest : public HeadlessTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Copies the shipped data, then the derived fixture's own files.
    void PrepareFiles() final;
    virtual void PrepareGameFiles() {}

    // Frames as the frame loop runs them (a frame, then one period on the
    // clock); true as soon as a frame asks the program to end.
    static bool RunFrames(int count);
    static ReplayArchive* recordedBy;  // the archive the frames are recorded into; null: none
    // At most 1000 frames until the state is reached; framesRun counts them.
    static bool RunUntilState(GameStateId state);
    static int framesRun;
    static int LastFrameTime();  // the clock time at which the last frame ran

    // The current panel's button with that id (a test failure when there is none).
    static Button& ButtonOf(int id);
    static void CentreOf(const Button& button, int& x, int& y);  // in the window
    // A press and a release; true when the release asks the program to end.
    static bool Click(int id);
    static bool ClickAt(int buttonIndex);
    static bool ClickPoint(int x, int y);
    static int KeyOf(int action) { return TheGui->keyBindings.keys[action]; }
    static bool PressKey(int action) { return TheGui->OnKeyDown(KeyOf(action)); }
    static bool ReleaseKey(int action) { return TheGui->OnKeyUp(KeyOf(action)); }
    static bool TapKey(int action) { PressKey(action); return ReleaseKey(action); }
    // A press and a release of a key given by its symbol; true when the release asks the program to end.
    static bool TapSymbol(int key) { TheGui->OnKeyDown(key); return TheGui->OnKeyUp(key); }
    // What a widget of the current panel showed when it was last drawn.
    static std::string WidgetText(int i) { return TheGui->PanelOf(GameState)->widgets.at(i)->text; }
    static int Played(int sound) { return TheSounds->playCount[sound]; }
    static int CountCells(CellCode code)
    {
        return static_cast<int>(std::count(TheMaze->cells.begin(), TheMaze->cells.end(), code));
    }

    void WriteLevel(const std::string& path, const Rows& rows) const;
    // A level of the campaign "gulper" or "ghosts": its maze and its settings.
    void WriteCampaignLevel(const std::string& side, int level, const Rows& rows,
                            const std::string& settings) const;
    // These levels, all with the same settings, as the whole campaign of a side.
    void WriteCampaign(const std::string& side, const std::vector<Rows>& levels,
                       const std::string& settings) const;
    void RemoveCampaign(const std::string& side) const;

    static void EnterCampaignMenu(int mode);  // "Play", then the campaign
    static bool StartAndPlay();               // "Start!", then frames until play
    // A campaign of one level with these settings, entered and played.
    void PlayCampaignLevel(int mode, const Rows& maze, const std::string& settings);
};

// A campaign settings file: the controllers (Human or Computer), the ghost
// count, both speeds and the time limit.
std::string Settings(Controller gulperController, Controller ghostsController, int ghostCount,
                     double gulperSpeed, double ghostSpeed, int timeLimit);

// Test mazes, 28 x 20 like the game's own, walled all round.
namespace TestMazes {
Rows CornBesideGulper();   // a computer gulper eats the only corn at once
Rows GhostBesideGulper();  // computer ghosts catch the gulper at once
Rows OpenRoom();           // a room of corn, the starts in opposite corners: a level that lasts
// The gulper boxed in, the ghosts far away: with both sides human nothing moves.
Rows StandStill();
// The starts on row 1 with `corn` corn (at most 24) between them: the corn tells mazes apart.
Rows WithCorn(int corn, int height = 21);
}  // namespace TestMazes

// The fixture of every whole-game test: a sandbox game folder holding the
// shipped data files, the globals created as the program creates them, and
// helpers that play the game as a player does: run frames on the manual
// clock, click the buttons of the current screen, press and release the keys
// bound to actions, and listen to what was played.
#pragma once

#include <string>
#include <vector>

#include "app/GameState.h"
#include "gui/Panel.h"
#include "tests/support/HeadlessTest.h"

class GameTest : public HeadlessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the shipped data and stands in for what is not shipped yet;
    // then PrepareGameFiles. Final: derived fixtures use PrepareGameFiles.
    void PrepareFiles() final;
    // Files a test wants in place before the globals are created.
    virtual void PrepareGameFiles() {}

    // --- frames ---
    // Runs frames as the frame loop does (a frame, then one period on the
    // clock); true as soon as a frame asks the program to end.
    static bool RunFrames(int count);
    // Runs frames until the state is reached; false when it is not reached
    // within the given number of frames.
    static bool RunUntilState(int state, int maxFrames);
    // Frames run by the last RunUntilState, counting the one that reached it.
    static int framesRun;
    // The clock time at which the last frame ran.
    static int LastFrameTime();

    // --- the mouse on the current screen ---
    // The button of the panel of the current state with that id (the first,
    // when several share it); fails the test when there is none.
    static Button& ButtonOf(int id);
    // Presses inside the button with that id and releases there, through the
    // interface's handlers; the release's request to end the program.
    static bool Click(int id);
    // The same for the button at an index of the current panel.
    static bool ClickAt(int buttonIndex);
    // The window point in the middle of a button of the current panel.
    static void CentreOf(const Button& button, int& x, int& y);

    // --- the keyboard ---
    static int KeyOf(int action);
    static bool PressKey(int action);    // key press of the key bound to the action
    static bool ReleaseKey(int action);  // key release of that key
    static bool TapKey(int action);      // both; the release's request to end the program

    // --- what was heard ---
    static int Played(int sound);

    // --- campaign and custom level files in the game folder ---
    // A level file from rows of level text.
    void WriteLevel(const std::string& path, const std::vector<std::string>& rows) const;
    // A campaign level: its maze and its settings (controllers, ghost count,
    // speeds, time limit), for the side "gulper" or "ghosts".
    void WriteCampaignLevel(const std::string& side, int level,
                            const std::vector<std::string>& rows,
                            const std::string& settings) const;
    // Removes every shipped level of a campaign side, so a test's own levels
    // are the whole campaign.
    void RemoveCampaign(const std::string& side) const;
    // Makes the given levels the whole campaign of a side (level 1 first),
    // each with the same settings.
    void WriteCampaign(const std::string& side,
                       const std::vector<std::vector<std::string>>& levels,
                       const std::string& settings) const;

    // --- playing a level as the player reaches it ---
    // From the main menu into a campaign's menu ("Play", then the campaign).
    static void EnterCampaignMenu(int mode);
    // "Start!" on the campaign menu, then the frames of the intro and the
    // gulper's appearance; false when play was not reached.
    static bool StartAndPlay();

    // Saves the window as a BMP under /tmp (to be looked at).
    static void SaveWindow(const std::string& name);
};

// The text of a campaign settings file: who plays the gulper and the ghosts
// (Human or Computer), the ghost count, both speeds and the time limit.
std::string Settings(int gulperController, int ghostsController, int ghostCount,
                     double gulperSpeed, double ghostSpeed, int timeLimit);

// Level text of the test mazes, 28 x 20 like the game's own.
namespace TestMazes {
// A corn beside the gulper, one ghost at the far end of the corridor: a
// computer gulper eats it within a few frames.
std::vector<std::string> CornBesideGulper();
// The gulper in a dead end with a ghost next to it and the corn beyond:
// computer ghosts catch it at once.
std::vector<std::string> GhostBesideGulper();
// An open room with corn everywhere, the gulper in one corner and the ghost
// start in the opposite one: a level that lasts.
std::vector<std::string> OpenRoom();
// The gulper boxed in by walls on its right, the ghosts' start far away: with
// both sides human and no key pressed nothing moves until the time runs out.
std::vector<std::string> StandStill();
}  // namespace TestMazes

// The interface: fonts, shared images, every panel, the level timer, the key
// bindings and the selection box, with the input handlers and the per-state
// drawing.
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "gui/CountdownTimer.h"
#include "platform/SelectionBox.h"
#include "gui/BitmapFont.h"
#include "platform/GameState.h"
#include "platform/OnlineConfig.h"
#include "platform/Screen.h"
#include "gui/Panel.h"
#include "input/Commands.h"
#include "input/Gamepad.h"
#include "input/KeyBindings.h"
#include "rules/Tick.h"

// The shared panel and button images, in their load order.
enum GuiImage : int {
    Button72x18 = 0,   // "images/button_72_18.bmp"
    Button18x18 = 1,   // "images/button_18_18.bmp"
    Button12x12 = 2,   // "images/button_12_12.bmp"
    Menu144x180 = 3,   // "images/menu_144_180.bmp"
    Menu90x126 = 4,    // "images/menu_90_126.bmp"
    Menu432x342 = 5,   // "images/menu_432_342.bmp"
    Menu126x18 = 6,    // "images/menu_126_18.bmp"
    Menu216x90 = 7,    // "images/menu_216_90.bmp"
    Menu288x63 = 8,    // "images/menu_288_63.bmp"
    GuiImageCount = 9,
};

// What the menus ask of the program, served before the next tick: the screens
// say where they want to go, and the program's mode makes it happen.
enum class GuiRequest {
    None,
    StartLevel,         // Start! on a campaign or the custom game menu
    WatchLatestReplay,  // the replay of the last level played
    KeepReplay,         // keeps the replay of the level just ended
    HostOnline,         // "Host online": open a room on the relay and show its code
    JoinOnline,         // "Join online": play in the room of onlineCode
    WatchOnline,        // "Watch": watch the game in the room of onlineCode
};

// What takes the editor off its map: leaving it, or another map.
enum class EditorStep { Leave, NextMap, PreviousMap };

class Gui : public InputHandler {
public:
    Gui();
    ~Gui() override;
    Gui(const Gui&) = delete;
    Gui& operator=(const Gui&) = delete;

    // Draws the interface part of the frame for the current state.
    void DrawFrame() const;

    // Input handlers; each returns true when the program is to end.
    bool OnKeyDown(int key) override;
    bool OnKeyUp(int key) override;
    bool OnLeftDown(int x, int y) override;
    bool OnLeftUp(int x, int y) override;
    bool OnLeftDrag(int x, int y) override;
    bool OnRightDown(int x, int y) override;
    bool OnMouseIgnored(int x, int y) override;
    bool OnPadEvent(const SDL_Event& event) override;  // gui/GuiPad.cpp

    // The panel that takes input and is drawn in a menu state, or null.
    Panel* PanelOf(GameStateId state) const;

    // A label for a button of size w x h: its box is the whole button.
    std::unique_ptr<TextWidget> Label(const std::string& text, bool large, int w, int h,
                                      int halign, int valign) const;

    KeyBindings keyBindings;  // the action-to-key table and the key names
    SelectionBox selectionBox;  // the ghosts' player's drag box
    SDL_Surface* images[GuiImageCount];  // shared panel and button images, owned
    std::unique_ptr<BitmapFont> largeFont;  // 18 pixels high
    std::unique_ptr<BitmapFont> smallFont;  // 10 pixels high
    std::unique_ptr<CountdownTimer> timer;  // the level's time limit and display
    std::vector<std::string> controllerNames;  // "Human", "AI": index = controller

    std::unique_ptr<Panel> mainMenu;
    std::unique_ptr<Panel> gameModeMenu;
    std::unique_ptr<Panel> gulperCampaignMenu;
    std::unique_ptr<Panel> ghostsCampaignMenu;
    std::unique_ptr<Panel> customGameMenu;
    std::unique_ptr<Panel> helpPanel;
    std::unique_ptr<Panel> optionsMenu;
    std::unique_ptr<Panel> controlsMenu;
    std::unique_ptr<Panel> onlineMenu;
    std::unique_ptr<Panel> pausedMessage;
    std::unique_ptr<Panel> gulperWinsMessage;
    std::unique_ptr<Panel> ghostsWinMessage;
    std::unique_ptr<Panel> campaignCompleteMessage;
    std::unique_ptr<Panel> editorBar;
    std::unique_ptr<Panel> unsavedQuestion;  // the editor's question, over its bar
    std::unique_ptr<Panel> gulperLevelIndicator;
    std::unique_ptr<Panel> ghostsLevelIndicator;

    bool groupSelection;  // the "Group selection" key is held: clicks and boxes add
    FrameCommands commands;  // what the players did in play since the last tick
    PadReader padReader;     // the first gamepad's d-pad and stick
    bool padPlaysGhosts = false;  // with two humans the first pad plays the ghosts (a command-line choice)
    GuiRequest request = GuiRequest::None;  // asked for since the last frame
    EditorStep pendingEditorStep = EditorStep::Leave;  // what the editor does once its question is answered
    OnlineConfig online;  // the relay's address, read from "data/online.cfg" at start-up
    // The room code typed on the online screen (upper case, at most
    // RoomCodeLength characters); what JoinOnline and WatchOnline mean.
    std::string onlineCode;
    std::string onlineNotice;  // a line the online screen shows under its buttons; empty: none

    // Shows a line of text in a caption over the screen shown now, for a few
    // seconds or until the screen changes: what a key did when nothing else shows it.
    void ShowNotice(const std::string& text);
    std::string notice;       // the notice's text; empty: none shown yet
    GameStateId noticeState;  // the screen it is shown on
    int noticeUntil;          // the clock time at which it goes

    // The state the game will be in once the commands given since the last
    // tick are carried out, so that each key and click is judged as the game
    // would judge it after the ones before it; LevelBeingLeft once a command leaves the level.
    GameStateId StateAfterCommands() const;

private:
    // A key's or pad button's release acts only when its press was seen on
    // the screen shown now: a press that changes the screen (Escape ending a
    // replay) or a release that does (Escape going one menu back) leaves
    // behind releases that belong to the screen before.
    void NoteScreen();             // forgets the presses and the notice once the screen has changed
    void NotePress(int code);      // a key symbol, or PadPressCode of a button
    bool TakePress(int code);      // false when the press was not seen on this screen
    bool ActOnKeyUp(int key);      // a release whose press was seen
    bool ActOnPad(const PadInput& pad);
    std::vector<int> presses;      // keys and pad buttons pressed on this screen, not yet released
    int pressScreen;               // the screen they were pressed on (ScreenOf a state)

    // The "Exit game" key on a screen outside a level; true ends the program.
    bool OnExitKey();
    // In play: the left button starts a selection box and selects by click,
    // and its release selects the ghosts in the box.
    void OnPlayLeftDown(int x, int y);
    void OnPlayLeftUp(int x, int y);
    // The gamepad on a menu screen: the highlight, A clicks, B goes back.
    bool OnPadInMenu(const PadInput& pad);
};

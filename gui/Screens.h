// Building every screen's panel, and what a released button does on it.
// Each screen lives in its own source; the dispatcher in Gui calls these.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/Panel.h"

class Gui;
class BitmapFont;

// Main menu, game mode, campaign menus and level indicators.
std::unique_ptr<Panel> BuildMainMenu(const Gui& gui);
std::unique_ptr<Panel> BuildGameModeMenu(const Gui& gui);
std::unique_ptr<Panel> BuildCampaignMenu(const Gui& gui, bool ghostsSide);
std::unique_ptr<Panel> BuildLevelIndicator(const Gui& gui, const int* level);
bool OnMainMenuRelease(int id);
bool OnGameModeRelease(int id);
bool OnCampaignMenuRelease(int id);

// Custom game.
std::unique_ptr<Panel> BuildCustomGameMenu(const Gui& gui);
bool OnCustomGameRelease(int id);

// Online play: host, or join or watch by a typed room code.
constexpr int RoomCodeLength = 6;  // characters of a room code
constexpr const char* ShortRoomCodeNotice = "Type the 6-character room code";
constexpr int OnlineNoticeWidth = 126;  // pixels a line of the online screen's notice may take
constexpr int OnlineNoticeLines = 2;    // lines the notice may take
std::unique_ptr<Panel> BuildOnlineMenu(const Gui& gui);
bool OnOnlineMenuRelease(int id);
// A key pressed on the online screen: a letter or digit typed into the room
// code (upper-cased, refused past RoomCodeLength), Backspace deleting the
// last one. False for a key the code field does not take.
bool TypeRoomCodeKey(Gui& gui, int key);
bool IsRoomCodeKey(int key);  // the keys TypeRoomCodeKey takes
constexpr int RoomCodeFieldWidth = 78;  // the field's box, outline included
// The pixels the field takes from its left edge to the end of its cursor
// when it shows this code.
int RoomCodeFieldUsedWidth(const Gui& gui, const std::string& code);
// The notice as the online screen shows it: wrapped, at most
// OnlineNoticeLines lines, each cut to OnlineNoticeWidth pixels.
std::vector<std::string> OnlineNoticeLinesOf(const Gui& gui, const std::string& notice);

// Help.
std::unique_ptr<Panel> BuildHelpPanel(const Gui& gui);
std::vector<std::string> WrapLines(const std::vector<std::string>& lines, int maxWidth,
                                   const BitmapFont& font);
bool OnHelpRelease(int id);

// Options.
std::unique_ptr<Panel> BuildOptionsMenu(const Gui& gui);
bool OnOptionsRelease(int id);

// Controls configuration.
std::unique_ptr<Panel> BuildControlsMenu(Gui& gui);
void OnControlsPress(int buttonIndex);
bool OnControlsRelease(int id);

// The in-game messages.
std::unique_ptr<Panel> BuildMessagePanel(const Gui& gui, const std::string& message);

// The level editor's bar.
std::unique_ptr<Panel> BuildEditorBar(const Gui& gui);
void OnEditorPress(int buttonIndex, int x, int y);
bool OnEditorRelease(int id);
enum class EditorStep;  // gui/Gui.h
// Takes the step at once, or first asks what becomes of unsaved painting.
void TakeEditorStep(EditorStep step);
// Takes the step, dropping unsaved painting (saying so on the terminal).
void CarryOutEditorStep(EditorStep step);
// Saves the map being edited; the bar's Save button says how it went.
bool SaveEditedMap();

// The editor's question about unsaved painting: Save, Discard or Cancel.
std::unique_ptr<Panel> BuildUnsavedQuestion(const Gui& gui);
void AskAboutUnsavedChanges(EditorStep step);
bool OnUnsavedQuestionRelease(int id);
// The question's keys: S saves, D discards; false for any other key.
bool OnUnsavedQuestionKey(int key);

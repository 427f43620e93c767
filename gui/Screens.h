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
// What takes the editor off its map: leaving it, or another map.
enum class EditorStep { Leave, NextMap, PreviousMap };
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

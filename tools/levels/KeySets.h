// The stock key sets: data/default_keys.cfg for one player and
// data/default_hotseat_keys.cfg for two players at one keyboard (data/keys.cfg
// ships as a copy of the single-player set).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "input/KeyBindings.h"
#include "tools/levels/FontWidths.h"

constexpr int KeyFileFlag = 1;       // the first number of a key file
constexpr int KeyLabelWidth = 72;    // pixels of a key's button on the controls screen

// The key symbol of every action, in action order.
using KeySet = std::array<int, ActionCount>;

// Arrows for the gulper, W/A/S/D for a driven ghost, number keys and the
// letters around W/A/S/D to select and stop ghosts, left Shift held for
// clicks and boxes to add to the selection; P, F1 and Escape.
KeySet SinglePlayerKeys();
// The same for the ghosts' player on the left of the keyboard (with the
// mouse); the gulper's player has the arrows and right Ctrl to stop.
KeySet HotseatKeys();

// The key file: the flag, then one key symbol per action, each on its own line.
std::string FormatKeyFile(const KeySet& keys);

// What is wrong with a key set; empty when nothing is:
// - every action has a key, and no key serves two actions;
// - every key's name fits its button on the controls screen.
std::vector<std::string> CheckKeySet(const KeySet& keys, const FontWidths& font,
                                     const std::function<std::string(int)>& keyName);

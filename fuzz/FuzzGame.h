// What every fuzz target shares: the game started headless once per fuzzing
// process in a throw-away game folder, and the helpers that turn an input
// into what the readers take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/HeadlessGame.h"

// Enters a fresh game folder holding the shipped data and starts the game
// headless with the parts a target needs. Later calls do nothing; the folder
// is removed when the process ends.
void StartFuzzGame(GameParts parts);

// The input as text.
std::string InputText(const uint8_t* data, size_t size);

// Writes a file of the game folder, replacing it (not atomically: a fuzz
// run owns its folder).
void WriteGameFile(const char* path, const std::string& content);

// Stops the process with a message when a property of the game does not
// hold: libFuzzer reports it as a crash, with the input that caused it.
void Require(bool holds, const char* what);

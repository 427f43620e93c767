// Mock-ups for judging the art by eye: mazes of every tile set with the
// characters on them, and the game's screens with their panels and text, as
// the game would lay them out, enlarged for viewing.
#pragma once

#include <string>

#include "tools/art/ArtSet.h"

// Writes the mock-ups as BMP files into the folder; false when one could not be written.
bool WritePreviews(const ArtSet& art, const std::string& folder);

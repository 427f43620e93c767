// The checks every written sound file must pass; the tool runs them on the
// files as read back from disk.
#pragma once

#include <string>
#include <vector>

#include "tools/sound/SoundCatalogue.h"

// What is wrong with the sound of an entry; empty when nothing is.
// - not empty and not longer than the entry allows;
// - no sample above the peak ceiling (so nothing clips);
// - a loop joins its own start without a click;
// - any other sound starts and ends in silence.
std::vector<std::string> CheckSound(const SoundEntry& entry, const Samples& samples);

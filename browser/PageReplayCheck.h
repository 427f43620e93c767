// Playing a replay back inside the running page, as the desktop's
// `gulpwise-sim --verify` does, and leaving the game in the page as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Decodes the replay's bytes and plays it back with the game's own code; the
// verdict in words: "OK: ..." when it reaches every recorded hash, frame
// count and outcome, "MISMATCH: ..." or "NOT READ: ..." otherwise. The play
// state, the level settings, the tick's and the events' state are put back
// afterwards, and no sound is heard meanwhile.
std::string CheckReplayInPage(const std::uint8_t* bytes, std::size_t size);

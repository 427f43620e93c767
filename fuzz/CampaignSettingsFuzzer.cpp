// Fuzzes the reader of the campaign settings files, then starts the level
// with the settings read and plays a few frames of it: whatever a settings
// file says (no ghosts, thousands of them, speeds of nothing, NaN or far
// beyond a cell per frame, any time limit), the level must run.
#include <cstdint>
#include <string>

#include "app/PlayMode.h"
#include "rules/Campaign.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "fuzz/FuzzGame.h"

namespace {
constexpr int Level = 1;
constexpr int FramesPlayed = 4;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartFuzzGame(GameParts::WholeGame);
    // The side alternates with the input's length: both campaigns read the same format.
    GameMode = size % 2 == 0 ? GulperCampaignMode : GhostsCampaignMode;
    const std::string path = std::string("data/") + CampaignSide() + "_settings_" +
                             std::to_string(Level) + ".lev";
    WriteGameFile(path.c_str(), InputText(data, size));
    Require(LoadCampaignLevel(Level), "the shipped maze of the level is read");

    StartLevel();
    GameState = Playing;
    for (int frame = 0; frame < FramesPlayed && GameState == Playing; ++frame)
        UpdateGameFrame();
    return 0;
}

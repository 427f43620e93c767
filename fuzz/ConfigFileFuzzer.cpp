// Fuzzes the reader of the configuration file. Whatever the file holds, the
// frame loop must get a usable frame rate and the custom maze slots stay 100.
#include <cstdint>
#include <sstream>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "fuzz/FuzzGame.h"

namespace {
constexpr int CustomMapSlots = 100;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartFuzzGame(GameParts::ScreenAndConfig);
    std::istringstream in(InputText(data, size));
    TheConfig->Load(in);
    Require(TheConfig->framesPerSecond >= 1, "the stored frame rate is at least 1");
    Require(TheScreen->framesPerSecond == TheConfig->framesPerSecond,
            "the frame rate read is the one the frame loop runs at");
    Require(TheScreen->framePeriod >= 0, "the frame period is not negative");
    Require(TheConfig->mapCount == CustomMapSlots, "there are always 100 custom maze slots");
    return 0;
}

// Fuzzes the replay file reader: any bytes are refused with a reason or read
// into a replay that, written again, reads back the same.
#include <cstdint>
#include <string>

#include "replay/ReplayFile.h"
#include "fuzz/FuzzGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Replay replay;
    std::string error;
    if (!DecodeReplay(data, size, replay, error)) {
        Require(!error.empty(), "a refused replay says why");
        return 0;
    }
    const std::string written = EncodeReplay(replay);
    Replay again;
    Require(DecodeReplay(reinterpret_cast<const uint8_t*>(written.data()), written.size(), again,
                         error),
            "a replay written again reads");
    Require(again == replay, "a replay read back and written again reads the same");
    return 0;
}

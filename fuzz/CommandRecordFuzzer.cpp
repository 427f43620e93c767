// Fuzzes the reader of the per-frame command records that replays store and
// network play receives: any bytes are refused or read into commands that
// write back to exactly the bytes they were read from.
#include <cstdint>
#include <vector>

#include "fuzz/FuzzGame.h"
#include "input/Commands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FrameCommands commands;
    std::size_t used = 0;
    if (!DecodeCommands(data, size, commands, used))
        return 0;
    Require(used <= size, "a record is read within its bytes");
    std::vector<std::uint8_t> written;
    EncodeCommands(commands, written);
    Require(written == std::vector<std::uint8_t>(data, data + used),
            "a record read back writes the same bytes");
    return 0;
}

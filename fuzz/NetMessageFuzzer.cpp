// Fuzzes the reader of network play's messages, the game's one door for
// bytes from another machine: any packet is refused or read into a message
// that writes back to exactly the packet it was read from.
#include <cstdint>
#include <vector>

#include "fuzz/FuzzGame.h"
#include "net/Protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NetMessage message;
    if (!DecodeNetMessage(data, size, message))
        return 0;
    std::vector<std::uint8_t> written;
    EncodeNetMessage(message, written);
    Require(written == std::vector<std::uint8_t>(data, data + size),
            "a message read back writes the same bytes");
    return 0;
}

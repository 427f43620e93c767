// Fuzzes the reader of the relay protocol's messages, which both the relay
// server and the game's RelayLink use on bytes from the network: any message
// is refused or read into one that writes back to exactly the bytes it was
// read from.
#include <cstdint>
#include <vector>

#include "fuzz/FuzzGame.h"
#include "net/RelayProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RelayMessage message;
    if (!DecodeRelayMessage(data, size, message))
        return 0;
    std::vector<std::uint8_t> written;
    EncodeRelayMessage(message, written);
    Require(written == std::vector<std::uint8_t>(data, data + size),
            "a relay message read back writes the same bytes");
    return 0;
}

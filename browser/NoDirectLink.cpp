// Direct network play (net/NetLink.h) in a web page: there is none. A page
// cannot listen on a port or send UDP, so ENet is not in the browser build;
// this stands in for it, and every attempt says to play through a relay.
#include "net/NetLink.h"

namespace {

constexpr const char* NoDirectPlay =
    "direct network play needs the desktop game; in the browser play online through a relay";

}  // namespace

NetLink::~NetLink() = default;

bool NetLink::Listen(const char*, std::uint16_t, std::string& error)
{
    error = NoDirectPlay;
    return false;
}

bool NetLink::Connect(const std::string&, std::uint16_t, std::string& error)
{
    error = NoDirectPlay;
    return false;
}

bool NetLink::Poll(LinkEvent&, int)
{
    return false;
}

void NetLink::Send(const std::vector<std::uint8_t>&) {}

void NetLink::Leave() {}

void NetLink::Drop() {}

void NetLink::SimulateLoss(int percent, std::uint32_t seed)
{
    lossPercent = percent;
    lossRandom.seed(seed);
}

bool NetLink::LosesADatagram()
{
    return false;
}

std::uint16_t NetLink::ListeningPort() const
{
    return 0;
}

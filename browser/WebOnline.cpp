// Online play from the page (browser/WebOnline.h): the functions the page
// calls to go online, and the report of online play's state to the page.
#include "browser/WebOnline.h"

#include <emscripten.h>

#include "app/FrameDriver.h"
#include "app/NetMode.h"
#include "gui/Gui.h"
#include "net/RelayProtocol.h"
#include "platform/Globals.h"
#include "platform/OnlineConfig.h"

namespace {

// The page's names of the phases of network play ("none": no network play at all).
const char* PhaseName(NetPhase phase)
{
    switch (phase) {
    case NetPhase::Offline: return "offline";
    case NetPhase::Listening: return "listening";
    case NetPhase::Connecting: return "connecting";
    case NetPhase::Lobby: return "lobby";
    case NetPhase::Level: return "level";
    case NetPhase::LevelEnded: return "ended";
    }
    return "none";
}

const char* RoleName(NetRole role)
{
    switch (role) {
    case NetRole::Host: return "host";
    case NetRole::Join: return "join";
    case NetRole::Watch: return "watch";
    }
    return "";
}

// The page's numbers of the ways to go online (GulpwisePlayOnline).
enum PageRole { PageHost = 0, PageJoin = 1, PageWatch = 2 };

}  // namespace

void WebOnline::Report(FrameDriver& driver)
{
    const auto* net = dynamic_cast<const NetMode*>(&driver.Current());
    const std::string phase = net ? PhaseName(net->session.Phase()) : "none";
    const std::string role = net ? RoleName(net->session.Role()) : "";
    const std::string code = net ? net->session.RoomCode() : "";
    const std::string status = net ? net->session.Status() : "";
    const std::string now = phase + '\n' + role + '\n' + code + '\n' + status;
    if (now == reported)
        return;
    reported = now;
    EM_ASM({
        if (Module.onOnline)
            Module.onOnline(UTF8ToString($0), UTF8ToString($1), UTF8ToString($2), UTF8ToString($3));
    }, phase.c_str(), role.c_str(), code.c_str(), status.c_str());
}

// What the page calls.
extern "C" {

// The relay of online play for this visit (the page's host, or ?relay=URL);
// not kept in data/online.cfg, which the game's own online screen writes.
EMSCRIPTEN_KEEPALIVE void GulpwiseSetRelay(const char* url)
{
    if (TheGui && url && *url)
        TheGui->online.relayUrl = url;
}

// Goes online as the game's online screen does: 0 hosts a room, 1 joins the
// room of the code, 2 watches it. False when the code is not a room code;
// a request made while network play is on is left to its end.
EMSCRIPTEN_KEEPALIVE bool GulpwisePlayOnline(int role, const char* typed)
{
    if (!TheGui || role < PageHost || role > PageWatch)
        return false;
    Gui& gui = *TheGui;
    if (role != PageHost) {
        const std::string code = NormalizeRelayCode(typed ? typed : "");
        if (!IsRelayCode(code))
            return false;
        gui.onlineCode = code;
    }
    gui.request = role == PageHost   ? GuiRequest::HostOnline
                  : role == PageJoin ? GuiRequest::JoinOnline
                                     : GuiRequest::WatchOnline;
    return true;
}

}  // extern "C"

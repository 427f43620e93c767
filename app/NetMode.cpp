#include "app/NetMode.h"

#include <SDL/SDL.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include <utility>

#include "app/PlayMode.h"
#include "gui/OnlinePanels.h"
#include "replay/Archive.h"
#include "rules/Tick.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/GameView.h"
#include "gui/Gui.h"
#include "gui/Panel.h"
#include "gui/ScreenLayout.h"

namespace {

constexpr int StatusX = 36, StatusY = 177;  // the strip that tells what the network does
constexpr int StatusW = StatusStripW, StatusH = 24;
constexpr int OfflineNoticeMilliseconds = 5000;  // how long a last notice stays once alone
constexpr int WaitSliceMilliseconds = 2;  // a frame waiting for the peer looks again this often
constexpr int MaxCatchUpFrames = 8;  // frames a late spectator runs at most in one frame
constexpr int ConfirmMilliseconds = 3000;  // how long the question to leave network play waits
constexpr const char* LeaveQuestion = "Esc or x again ends network play";
// The host's Start!: the level goes to both machines.
void StartNetLevel(NetSession* session)
{
    if (session->Phase() == NetPhase::Offline) {
        StartLevel();
        return;
    }
    std::ifstream file("data/map_" + std::to_string(TheConfig->mapNumber) + ".lev",
                       std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    session->HostStartLevel(text);
}

// Input while network play is on: the level takes everything; outside a
// level the host uses the custom game menu, the joining player only waits,
// and the "Exit game" key ends network play.
class NetInput : public InputHandler {
public:
    NetInput(Gui& gui, const NetSession& session) : gui(gui), session(&session) {}

    bool OnKeyDown(int key) override { return Passes() && gui.OnKeyDown(key); }
    bool OnKeyUp(int key) override
    {
        // The "Exit game" key ends network play outside a level, and a spectator's watching at any time.
        if ((!InLevel() || session->Watching()) && session->Phase() != NetPhase::Offline &&
            gui.keyBindings.Matches(ExitGame, key)) {
            cancelled = true;
            return false;
        }
        return Passes() && gui.OnKeyUp(key);
    }
    bool OnLeftDown(int x, int y) override { return Passes() && gui.OnLeftDown(x, y); }
    bool OnLeftUp(int x, int y) override { return Passes() && gui.OnLeftUp(x, y); }
    bool OnLeftDrag(int x, int y) override { return Passes() && gui.OnLeftDrag(x, y); }
    bool OnRightDown(int x, int y) override { return Passes() && gui.OnRightDown(x, y); }
    bool OnMouseIgnored(int x, int y) override { return Passes() && gui.OnMouseIgnored(x, y); }

    bool cancelled = false;  // the player ended network play

private:
    bool InLevel() const
    {
        return session->Phase() == NetPhase::Level || session->Phase() == NetPhase::LevelEnded;
    }
    bool Passes() const
    {
        if (session->Watching())
            return session->Phase() == NetPhase::Offline;  // a spectator only watches
        return InLevel() || session->Phase() == NetPhase::Offline ||
               session->Role() == NetRole::Host;
    }

    Gui& gui;
    const NetSession* session;
};

// The host plays one side and the player who joined the other: on the custom
// game menu the two sides' buttons always show one "Human" and one "Peer".
class SideChoice {
public:
    void KeepOpposite()
    {
        Config& config = *TheConfig;
        if (config.gulperController == config.ghostsController) {
            if (config.gulperController != lastGulper)
                config.ghostsController = config.gulperController == Human ? Computer : Human;
            else
                config.gulperController = config.ghostsController == Human ? Computer : Human;
        }
        lastGulper = config.gulperController;
    }

private:
    Controller lastGulper = Human;
};

// The network's message in a strip over the game, in the game's panels and font.
class StatusStrip {
public:
    void Draw(const std::string& text) const
    {
        if (text.empty())
            return;
        if (text != shown) {
            const Gui& gui = *TheGui;
            panel = std::make_unique<Panel>(StatusX, StatusY, StatusW, StatusH,
                                            gui.images[Menu432x342]);
            // A text too wide for the large font takes the small one, and is
            // cut to the strip if even that is too wide.
            bool large = true;
            const std::string fitted = FitStatusLine(gui, text, large);
            const BitmapFont& font = large ? *gui.largeFont : *gui.smallFont;
            panel->AddWidget(std::make_unique<TextWidget>(font, fitted, 0, 2, StatusW,
                                                          StatusH - 2, AlignCentre,
                                                          large ? AlignTop : AlignMiddle));
            shown = text;
        }
        panel->Draw();
    }

private:
    // A drawing cache: the panel of the text shown last, made again when the text changes.
    mutable std::string shown;
    mutable std::unique_ptr<Panel> panel;
};

void GoOffline(NetSession& net)
{
    net.Close();
    TheGui->controllerNames[static_cast<int>(Computer)] = "AI";
    GameState = MainMenu;
}

}  // namespace

struct NetMode::Parts {
    NetInput input;
    SideChoice sides;
    StatusStrip strip;
};

NetMode::NetMode(const NetOptions& options, ReplayArchive* archive)
    : session(options), archive(archive), statusSince(SDL_GetTicks())
{
    Gui& gui = *TheGui;
    parts = std::make_unique<Parts>(Parts{NetInput(gui, session), SideChoice(), StatusStrip()});
    if (session.Open()) {
        GameMode = CustomMode;
        GameState = CustomGameMenu;
        ReloadCustomMaze(true);
        if (options.role == NetRole::Host)
            gui.controllerNames[static_cast<int>(Computer)] = "Peer";
    }
}

NetMode::~NetMode()
{
    session.Close();
    TheGui->controllerNames[static_cast<int>(Computer)] = "AI";
}

InputHandler& NetMode::Input()
{
    return parts->input;
}

void NetMode::Wait(int milliseconds)
{
    // Offline, the network has nothing to wait on: the frame sleeps as in local play.
    if (session.Phase() == NetPhase::Offline)
        Mode::Wait(milliseconds);
    else
        session.Service(milliseconds);
}

bool NetMode::Update()
{
    Gui& gui = *TheGui;
    session.Service(0);
    const NetPhase phase = session.Phase();
    // Network play that ended by itself (the connection lost, the host gone)
    // leaves the menus to local play: the other side is the computer again.
    if (phase == NetPhase::Offline)
        gui.controllerNames[static_cast<int>(Computer)] = "AI";
    const bool hostOnMenus = session.Role() == NetRole::Host &&
                             (phase == NetPhase::Listening || phase == NetPhase::Lobby);
    // Leaving network play (Esc, or the host closing the custom game menu)
    // is asked once more before it happens.
    const bool leaving = parts->input.cancelled || (hostOnMenus && GameState != CustomGameMenu);
    parts->input.cancelled = false;
    if (leaving) {
        if (hostOnMenus)
            GameState = CustomGameMenu;
        if (confirmUntil != 0 && static_cast<int>(confirmUntil - SDL_GetTicks()) > 0) {
            confirmUntil = 0;
            GoOffline(session);
        } else {
            confirmUntil = SDL_GetTicks() + ConfirmMilliseconds;
        }
    }
    if (confirmUntil != 0 && static_cast<int>(confirmUntil - SDL_GetTicks()) <= 0)
        confirmUntil = 0;
    if (hostOnMenus)
        parts->sides.KeepOpposite();
    session.ShowLobbySettings();

    bool quit = false;
    const GuiRequest request = std::exchange(gui.request, GuiRequest::None);
    if (session.Phase() == NetPhase::Level) {
        // The frame waits for the other player's commands, at most its period;
        // then it is shown again and the next frame tries once more. In a web
        // page it cannot wait: it is shown again at once.
        const Uint32 giveUp = SDL_GetTicks() + static_cast<Uint32>(TheScreen->framePeriod);
        FrameCommands commands;
        bool ready = session.TakeLevelFrame(gui.commands, commands);
        while (!ready && session.CanWait() && session.Phase() == NetPhase::Level &&
               static_cast<int>(giveUp - SDL_GetTicks()) > 0) {
            session.Service(WaitSliceMilliseconds);
            ready = session.TakeLevelFrame(gui.commands, commands);
        }
        // With rollback a frame may be run again: the replay written is the
        // session's, of the frames both machines confirmed.
        const bool rollback = session.Rollback() != nullptr;
        if (ready) {
            gui.commands.list.clear();
            RunGameFrame(commands, rollback ? nullptr : archive);
            session.LevelFrameDone(commands);
        }
        if (rollback && session.Phase() != NetPhase::Level && archive &&
            writtenLevel != session.LevelNumber()) {
            archive->WriteLevel(session.LastReplay());
            writtenLevel = session.LevelNumber();
        }
        // The machine that runs ahead of the other slows down a little.
        if (ready && session.AdvisedWaitMilliseconds() > 0)
            session.Service(session.AdvisedWaitMilliseconds());
        // A spectator who came late catches up with the players, a few frames at a time.
        for (int extra = 1; ready && session.Watching() && extra < MaxCatchUpFrames &&
                            session.Phase() == NetPhase::Level && session.FramesBehind() > 1;
             ++extra) {
            ready = session.TakeLevelFrame(gui.commands, commands);
            if (ready) {
                RunGameFrame(commands, archive);
                session.LevelFrameDone(commands);
            }
        }
    } else if (session.Phase() == NetPhase::LevelEnded) {
        if (request == GuiRequest::KeepReplay && archive)
            archive->KeepLast();
        RunGameFrame(FrameCommands(), session.Rollback() ? nullptr : archive);
        session.EndFrameDone();
    } else {
        // The menus' Start! sends the level to both machines. Its first tick
        // is the level's first frame, run as the other machine runs it (not
        // this menu frame's).
        if (request == GuiRequest::StartLevel)
            StartNetLevel(&session);
        else if (request == GuiRequest::KeepReplay && archive)
            archive->KeepLast();
        else if (session.Phase() == NetPhase::Offline &&
                 (request == GuiRequest::HostOnline || request == GuiRequest::JoinOnline ||
                  request == GuiRequest::WatchOnline))
            next = OnlineMode(request, archive);  // network play again, from the online screen
        FrameCommands commands;
        std::swap(commands, gui.commands);
        if (session.Phase() != NetPhase::Level)
            quit = RunGameFrame(commands, archive);
    }

    const std::string status = confirmUntil != 0 ? std::string(LeaveQuestion) : session.Status();
    if (status != lastStatus) {
        lastStatus = status;
        statusSince = SDL_GetTicks();
    }
    return quit;
}

void NetMode::Draw() const
{
    DrawGame(PlayCaption(archive));
    const Gui& gui = *TheGui;
    const NetPhase phase = session.Phase();
    // Online, the room's code in large letters while the host waits for a player.
    if (session.Online() && phase == NetPhase::Listening && !session.RoomCode().empty()) {
        DrawRoomCode(gui, session.RoomCode(), "Tell the other player this code");
        return;
    }
    // The joining player waits with the host's settings in view, not its own.
    if (phase == NetPhase::Lobby && session.Role() == NetRole::Join && session.HostSettingsKnown())
        DrawHostSettings(gui, session.HostSettings());
    if (session.Online() && (phase == NetPhase::Level || phase == NetPhase::Lobby))
        DrawRoundTrip(gui, session.roundTrip);
    const bool stale = session.Phase() == NetPhase::Offline &&
                       static_cast<int>(SDL_GetTicks() - statusSince) > OfflineNoticeMilliseconds;
    if (!stale)
        parts->strip.Draw(lastStatus);
}

#include "app/NetGame.h"

#include <SDL/SDL.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "rules/Tick.h"
#include <utility>
#include "app/HeadlessGame.h"
#include "platform/Clock.h"
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
constexpr int StatusW = 432, StatusH = 24;
constexpr int OfflineNoticeMilliseconds = 5000;  // how long a last notice stays once alone
constexpr int MaxLagFrames = 5;  // a loop further behind its schedule starts a new one
constexpr int WaitSliceMilliseconds = 5;  // a frame waiting for the peer looks again this often

NetSession* session = nullptr;  // while RunNetGame runs

// The host's Start!: the level goes to both machines.
void StartNetLevel()
{
    if (!session || session->Phase() == NetPhase::Offline) {
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
    explicit NetInput(Gui& gui) : gui(gui) {}

    bool OnKeyDown(int key) override { return Passes() && gui.OnKeyDown(key); }
    bool OnKeyUp(int key) override
    {
        if (!InLevel() && session->Phase() != NetPhase::Offline &&
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
    static bool InLevel()
    {
        return session->Phase() == NetPhase::Level || session->Phase() == NetPhase::LevelEnded;
    }
    static bool Passes()
    {
        return InLevel() || session->Phase() == NetPhase::Offline ||
               session->Role() == NetRole::Host;
    }

    Gui& gui;
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
    void Draw(const std::string& text)
    {
        if (text.empty())
            return;
        if (text != shown) {
            const Gui& gui = *TheGui;
            panel = std::make_unique<Panel>(StatusX, StatusY, StatusW, StatusH,
                                            gui.images[Menu432x342]);
            panel->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, text, 0, 2, StatusW,
                                                          StatusH - 2, AlignCentre, AlignTop));
            shown = text;
        }
        panel->Draw();
    }

private:
    std::string shown;
    std::unique_ptr<Panel> panel;
};

void GoOffline(NetSession& net)
{
    net.Close();
    TheGui->controllerNames[static_cast<int>(Computer)] = "AI";
    GameState = MainMenu;
}

}  // namespace

void RunNetGame(const NetOptions& options)
{
    // Both machines' timed pauses must last the same frames: the game's clock
    // moves one period per frame, and only the loop's pacing reads real time.
    UseManualClock(HeadlessClockStart);
    NetSession net(options);
    session = &net;
    Gui& gui = *TheGui;
    NetInput input(gui);
    TheScreen->input = &input;
    if (net.Open()) {
        GameMode = CustomMode;
        GameState = CustomGameMenu;
        ReloadCustomMaze(true);
        if (options.role == NetRole::Host)
            gui.controllerNames[static_cast<int>(Computer)] = "Peer";
    }
    SideChoice sides;
    StatusStrip strip;
    std::string lastStatus;
    Uint32 statusSince = SDL_GetTicks();
    Uint32 next = SDL_GetTicks();
    bool quit = false;
    while (!quit) {
        if (TheScreen->ProcessEvents())
            break;
        net.Service(0);
        const NetPhase phase = net.Phase();
        const bool hostOnMenus = options.role == NetRole::Host &&
                                 (phase == NetPhase::Listening || phase == NetPhase::Lobby);
        if (input.cancelled || (hostOnMenus && GameState != CustomGameMenu)) {
            input.cancelled = false;
            GoOffline(net);
        }
        if (hostOnMenus)
            sides.KeepOpposite();

        // The menus' Start! on the host: the level goes to both machines.
        if (std::exchange(gui.request, GuiRequest::None) == GuiRequest::StartLevel)
            StartNetLevel();

        bool ran = true;
        if (net.Phase() == NetPhase::Level) {
            FrameCommands commands;
            ran = net.TakeLevelFrame(gui.commands, commands);
            if (ran) {
                gui.commands.list.clear();
                RunHeadlessFrame(commands, true);
                net.LevelFrameDone(commands);
            }
        } else if (net.Phase() == NetPhase::LevelEnded) {
            RunHeadlessFrame(FrameCommands(), true);
            net.EndFrameDone();
        } else {
            quit = RunHeadlessFrame(gui.commands, true);
            gui.commands.list.clear();
        }

        const std::string status = net.Status();
        if (status != lastStatus) {
            lastStatus = status;
            statusSince = SDL_GetTicks();
        }
        const bool stale = net.Phase() == NetPhase::Offline &&
                           static_cast<int>(SDL_GetTicks() - statusSince) > OfflineNoticeMilliseconds;
        const int period = TheScreen->framePeriod;
        if (ran) {
            if (!stale)
                strip.Draw(status);
            // Sleep out the period in the network's wait, so that messages are handled at once.
            for (int left = static_cast<int>(next - SDL_GetTicks()); left > 0;
                 left = static_cast<int>(next - SDL_GetTicks()))
                net.Service(left);
            next += period;
            if (static_cast<int>(SDL_GetTicks() - next) > MaxLagFrames * period)
                next = SDL_GetTicks();
            TheScreen->Present();
        } else {
            // Waiting for the other player: the same frame is shown again each period.
            if (static_cast<int>(SDL_GetTicks() - next) >= 0) {
                DrawGame();
                strip.Draw(status);
                TheScreen->Present();
                next = SDL_GetTicks() + period;
            }
            net.Service(WaitSliceMilliseconds);
        }
    }
    net.Close();
    TheScreen->input = &gui;
    gui.controllerNames[static_cast<int>(Computer)] = "AI";
    session = nullptr;
}

#include "app/PlayMode.h"
#include "tools/sim/Monkey.h"

#include <SDL/SDL.h>
#include <algorithm>
#include <deque>
#include <random>
#include <set>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/Clock.h"
#include "platform/Config.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/Gui.h"
#include "maze/Maze.h"

namespace {

constexpr int KeyNames = 512;      // key symbols the media library names
constexpr int MostEventsPerFrame = 4;

std::deque<SDL_Event> queue;  // what the monkey has done since the last frame

int PollMonkeyEvents(SDL_Event* event)
{
    if (queue.empty())
        return 0;
    *event = queue.front();
    queue.pop_front();
    return 1;
}

// The monkey itself: it remembers which keys and buttons it holds.
class Monkey {
public:
    explicit Monkey(uint32_t seed) : random(seed) {}

    // Queues this frame's events: none most of the time, a burst now and then.
    int Act()
    {
        const int count = Chance(45) ? Between(1, MostEventsPerFrame) : 0;
        for (int i = 0; i < count; ++i)
            queue.push_back(NextEvent());
        return count;
    }

    // Lets go of everything, as a player does before walking away.
    void LetGo()
    {
        for (int key : heldKeys)
            queue.push_back(KeyEvent(SDL_KEYUP, key));
        heldKeys.clear();
        if (leftHeld)
            queue.push_back(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
        leftHeld = false;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

private:
    // Mostly the keys of the game's actions, sometimes any key at all.
    int SomeKey()
    {
        if (Chance(85))
            return TheGui->keyBindings.keys[Between(0, ActionCount - 1)];
        return Between(0, KeyNames - 1);
    }

    SDL_Event KeyEvent(Uint8 type, int key)
    {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.sym = static_cast<SDLKey>(key);
        return event;
    }
    SDL_Event ButtonEvent(Uint8 type, int button)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
        return event;
    }
    SDL_Event MotionEvent(Uint8 buttons)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        event.motion.state = buttons;
        return event;
    }
    // The pointer jumps somewhere, or wanders a little.
    void MovePointer()
    {
        if (Chance(30)) {
            x = Between(0, TheScreen->width - 1);
            y = Between(0, TheScreen->height - 1);
        } else {
            x = std::clamp(x + Between(-30, 30), 0, TheScreen->width - 1);
            y = std::clamp(y + Between(-30, 30), 0, TheScreen->height - 1);
        }
    }

    SDL_Event NextEvent()
    {
        const int roll = Between(1, 100);
        if (roll <= 30) {  // press a key, or let go of one held
            if (!heldKeys.empty() && Chance(50)) {
                auto held = heldKeys.begin();
                std::advance(held, Between(0, static_cast<int>(heldKeys.size()) - 1));
                const int key = *held;
                heldKeys.erase(held);
                return KeyEvent(SDL_KEYUP, key);
            }
            const int key = SomeKey();
            heldKeys.insert(key);
            return KeyEvent(SDL_KEYDOWN, key);
        }
        if (roll <= 45) {  // a tap: a release of a key not held (the press came earlier)
            return KeyEvent(SDL_KEYUP, SomeKey());
        }
        MovePointer();
        if (roll <= 65) {  // the left button goes down or up
            leftHeld = !leftHeld;
            return ButtonEvent(leftHeld ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
        }
        if (roll <= 75)  // a right click: press now, release next time
            return ButtonEvent(Chance(50) ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
        if (roll <= 97)  // moving, dragging when the left button is held, sometimes with the right too
            return MotionEvent(leftHeld ? (Chance(90) ? SDL_BUTTON_LMASK
                                                      : SDL_BUTTON_LMASK | SDL_BUTTON_RMASK)
                                        : 0);
        return ButtonEvent(Chance(50) ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE);
    }

    std::mt19937 random;
    std::set<int> heldKeys;
    bool leftHeld = false;
    int x = 0, y = 0;  // where the pointer is
};

bool IsKnownState(GameStateId state)
{
    return (state >= MainMenu && state <= OnlineMenu) ||
           (state >= ControlsMenu && state <= CampaignComplete);
}

// States in which the characters are on the maze of a level being played.
bool InLevel(GameStateId state)
{
    return state == LevelIntro || state == Playing || state == Paused ||
           state == GulperAppearing || state == GulperDying || state == ControlsInGame;
}

bool InWall(const Actor& actor)
{
    return TheMaze->CellAt(static_cast<int>(actor.posX / TheMaze->cellSize),
                           static_cast<int>(actor.posY / TheMaze->cellSize)) == Wall;
}

// Every rule that must hold after any frame; what is broken is reported.
void CheckRules(long long frame, std::vector<std::string>& violations)
{
    auto broken = [&](const std::string& rule) {
        violations.push_back("frame " + std::to_string(frame) + ": " + rule);
    };
    if (!IsKnownState(GameState))
        broken("unknown game state " + std::to_string(static_cast<int>(GameState)));

    const GhostSquad& squad = *TheSquad;
    if (squad.count != static_cast<int>(squad.ghosts.size()))
        broken("the squad's count differs from its ghosts");
    if (squad.directActive != (squad.directIndex != NoValue))
        broken("direct control and the driven ghost disagree");
    if (squad.directActive && (squad.directIndex < 0 || squad.directIndex >= squad.count))
        broken("the driven ghost is not one of the squad");

    if (!InLevel(GameState))
        return;
    if (InWall(*TheGulper))
        broken("the gulper stands in a wall");
    for (const GhostActor* ghost : squad.ghosts) {
        if (InWall(*ghost))
            broken("a ghost stands in a wall");
    }
    const int corn = static_cast<int>(std::count(TheMaze->cells.begin(), TheMaze->cells.end(), Corn));
    if (TheMaze->cornLeft != corn)
        broken("cornLeft " + std::to_string(TheMaze->cornLeft) + " but " + std::to_string(corn) +
               " corn cells");
}

void Mix(uint64_t& hash, uint64_t value)
{
    hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
}

// What the run looks like now, folded into the trace.
void Trace(uint64_t& hash)
{
    Mix(hash, static_cast<uint64_t>(GameState));
    Mix(hash, static_cast<uint64_t>(TheMaze->cornLeft));
    Mix(hash, static_cast<uint64_t>(TheGulper->posX * 16));
    Mix(hash, static_cast<uint64_t>(TheGulper->posY * 16));
    for (const GhostActor* ghost : TheSquad->ghosts) {
        Mix(hash, static_cast<uint64_t>(ghost->posX * 16) ^ (ghost->selected ? 1u : 0u));
        Mix(hash, static_cast<uint64_t>(ghost->posY * 16));
    }
}

// The settings of a level for the monkey: its sides, the ghost count and the
// speeds, from the whole range the game offers.
void ChooseSettings(Monkey& monkey, const MonkeyOptions& options)
{
    MonkeySides sides = options.sides;
    if (sides == MonkeySides::Vary)
        sides = static_cast<MonkeySides>(monkey.Between(1, 3));
    Config& config = *TheConfig;
    config.gulperController = sides != MonkeySides::Ghosts ? Human : Computer;
    config.ghostsController = sides != MonkeySides::Gulper ? Human : Computer;
    config.ghostCount = monkey.Between(1, 8);
    config.gulperSpeed = monkey.Between(10, 50) / 10.0;
    config.ghostSpeed = monkey.Between(10, 40) / 10.0;
}

// Puts a level in play as the custom game does.
bool StartMonkeyLevel(const std::string& maze)
{
    if (!TheMaze->LoadFile(maze.c_str()))
        return false;
    GameMode = CustomMode;
    StartLevel();
    return true;
}

}  // namespace

MonkeyReport RunMonkey(const std::vector<std::string>& mazes, const MonkeyOptions& options)
{
    MonkeyReport report;
    Monkey monkey(options.seed);
    std::set<GameStateId> states;
    TheScreen->pollEvent = PollMonkeyEvents;
    queue.clear();

    for (const std::string& maze : mazes) {
        ChooseSettings(monkey, options);
        if (!StartMonkeyLevel(maze))
            continue;
        ++report.levels;
        for (int frame = 0; frame < options.framesPerLevel; ++frame) {
            // One turn of the frame loop: the frame, the period, then the input.
            bool quit = UpdateGameFrame();
            AdvanceManualClock(TheScreen->framePeriod);
            report.events += monkey.Act();
            quit = TheScreen->ProcessEvents(*TheGui) || quit;
            ++report.frames;
            states.insert(GameState);
            CheckRules(report.frames, report.violations);
            Trace(report.trace);
            if (quit) {
                // The monkey found a way out of the game: start it again on this level.
                ++report.restarts;
                monkey.LetGo();
                queue.clear();
                GameState = MainMenu;
                StartMonkeyLevel(maze);
            }
        }
        monkey.LetGo();
        TheScreen->ProcessEvents(*TheGui);
    }
    report.statesSeen = static_cast<int>(states.size());
    TheScreen->pollEvent = SDL_PollEvent;
    return report;
}

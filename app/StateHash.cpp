#include "app/StateHash.h"

#include <type_traits>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/BitCast.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "gui/CountdownTimer.h"
#include "gui/Gui.h"
#include "maze/Maze.h"

namespace {

constexpr std::uint64_t FnvOffset = 14695981039346656037ull;
constexpr std::uint64_t FnvPrime = 1099511628211ull;

// Feeds values to the hash as 64-bit little-endian numbers.
struct StateHasher {
    std::uint64_t value = FnvOffset;

    void Add(std::int64_t number)
    {
        auto bits = static_cast<std::uint64_t>(number);
        for (int i = 0; i < 8; ++i, bits >>= 8)
            value = (value ^ (bits & 0xFF)) * FnvPrime;
    }
    void Add(double number) { Add(BitCast<std::int64_t>(number)); }
    void Add(bool flag) { Add(std::int64_t{flag}); }
    void Add(int number) { Add(std::int64_t{number}); }
    template <typename Enum>
        requires std::is_enum_v<Enum>
    void Add(Enum e)
    {
        Add(static_cast<std::int64_t>(e));
    }
    void Add(CellPos cell)
    {
        Add(cell.x);
        Add(cell.y);
    }
    // What every character has: where it is and where it heads.
    void AddActor(const Actor& actor)
    {
        Add(actor.posX);
        Add(actor.posY);
        Add(actor.cell);
        Add(actor.direction);
        Add(actor.wantedDirection);
        Add(actor.stopped);
        Add(actor.speed);
        Add(actor.goal);
    }
};

}  // namespace

std::uint64_t HashGameState()
{
    StateHasher hash;
    hash.Add(GameState);

    const Maze& maze = *TheMaze;
    hash.Add(maze.width);
    hash.Add(maze.height);
    for (const CellCode cell : maze.cells)
        hash.Add(cell);
    hash.Add(maze.cornLeft);

    const GulperActor& gulper = *TheGulper;
    hash.AddActor(gulper);
    hash.Add(gulper.state);
    hash.Add(gulper.mouthFrame);

    const GhostSquad& squad = *TheSquad;
    hash.Add(squad.count);
    for (const GhostActor* ghost : squad.ghosts) {
        hash.AddActor(*ghost);
        hash.Add(ghost->state);
        hash.Add(ghost->stateTimer);
        hash.Add(ghost->blink);
        hash.Add(ghost->blinkCounter);
        hash.Add(ghost->selected);
    }
    hash.Add(squad.directActive);
    hash.Add(squad.directDirection);
    hash.Add(squad.directIndex);

    hash.Add(TheGui->timer->framesLeft);
    return hash.value;
}

// The maze drawn from its cached background looks exactly like the maze
// drawn tile by tile: computer games are played twice from the same start,
// with the cache and drawing every tile, through the intro, the appearance,
// play with a boost, a pause and both endings, and every frame must be the
// same byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>

#include "tests/game/GameTest.h"

namespace {

// Shipped mazes played computer against computer with eight ghosts: on the
// first the gulper eats a boost within its 15 seconds, on the second the
// ghosts catch it.
constexpr int BoostMap = 4;
constexpr int CatchMap = 12;

// What one run of a session saw, frame by frame.
struct Recording {
    std::vector<uint64_t> frames;   // hash of the window after each frame
    std::vector<GameStateId> states;        // the state each frame began in
    std::vector<int> cellsRedrawn;  // cells each frame drew into the maze's background
    bool sawAfraidGhost = false;
    bool sawCornEaten = false;
};

class FrameHashTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        // The window is shared by every test of the program: both runs start on black.
        std::memset(TheScreen->surface->pixels, 0,
                    static_cast<size_t>(TheScreen->surface->pitch) * TheScreen->surface->h);
    }

    // Plays a session from a fresh start of the game, with or without the cache.
    Recording Play(bool cached, const std::function<void()>& session)
    {
        TearDown();
        SetUp();
        TheMaze->useBackgroundCache = cached;
        recording = Recording();
        session();
        return recording;
    }
    // Plays a session both ways and requires the same frames.
    Recording PlayBothWays(const std::function<void()>& session)
    {
        const Recording cached = Play(true, session);
        const Recording everyTile = Play(false, session);
        EXPECT_EQ(cached.frames.size(), everyTile.frames.size());
        EXPECT_FALSE(cached.frames.empty());
        for (size_t i = 0; i < std::min(cached.frames.size(), everyTile.frames.size()); ++i) {
            if (cached.frames[i] != everyTile.frames[i]) {
                ADD_FAILURE() << "frame " << i << " of " << cached.frames.size()
                              << " differs, begun in state " << cached.states[i];
                break;
            }
        }
        return cached;
    }

    // Runs frames as the frame loop does, noting each one.
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            const GameStateId state = GameState;
            const int cornBefore = TheMaze->cornLeft;
            RunFrames(1);
            recording.frames.push_back(WindowHash());
            recording.states.push_back(state);
            recording.cellsRedrawn.push_back(TheMaze->background.cellsRedrawn);
            recording.sawCornEaten = recording.sawCornEaten || TheMaze->cornLeft < cornBefore;
            for (const GhostActor* ghost : TheSquad->ghosts)
                recording.sawAfraidGhost = recording.sawAfraidGhost || ghost->state == Afraid;
        }
    }
    void FramesUntil(GameStateId state)
    {
        for (int i = 0; i < 3000 && GameState != state; ++i)
            Frames(1);
        ASSERT_EQ(GameState, state);
    }

    // A custom game, computer against computer with eight ghosts, from its
    // "Start!" to the custom game menu it returns to.
    void PlayComputerGame(int map, int limit, bool pauseOnce)
    {
        TheConfig->mapNumber = map;
        TheConfig->gulperController = TheConfig->ghostsController = Computer;
        TheConfig->ghostCount = 8;
        TheGui->timer->limit = limit;
        GameMode = CustomMode;
        GameState = CustomGameMenu;
        Frames(1);
        Click(StartButton);
        Frames(1);  // the level starts with this frame
        if (pauseOnce) {
            FramesUntil(Playing);
            Frames(40);
            TapKey(PauseGame);
            Frames(5);
            TapKey(PauseGame);  // any key resumes
        }
        FramesUntil(CustomGameMenu);
        Frames(2);
    }

    static bool SawState(const Recording& run, GameStateId state)
    {
        return std::find(run.states.begin(), run.states.end(), state) != run.states.end();
    }

    Recording recording;
};

TEST_F(FrameHashTest, ComputerGamesLookTheSameFromTheCacheWhichRedrawsOnlyTheCellEaten)
{
    const Recording cached = PlayBothWays([this] {
        PlayComputerGame(BoostMap, 15, true);
        PlayComputerGame(CatchMap, 90, false);
    });
    for (const GameStateId state : {LevelIntro, GulperAppearing, Playing, Paused, GulperDying, GulperWins,
                            GhostsWin, CustomGameMenu})
        EXPECT_TRUE(SawState(cached, state)) << "no frame in state " << state;
    EXPECT_TRUE(cached.sawAfraidGhost);
    EXPECT_TRUE(cached.sawCornEaten);
    int most = 0;  // cells a frame of play drew into the background
    for (size_t i = 0; i < cached.frames.size(); ++i)
        if (cached.states[i] == Playing)
            most = std::max(most, cached.cellsRedrawn[i]);
    EXPECT_EQ(most, 1);
}

}  // namespace

// The maze drawn from its cached background looks exactly like the maze
// drawn tile by tile. Whole sessions are played twice from the same start,
// once with the cache and once drawing every tile, and every frame the game
// would present (the window after UpdateGameFrame) must be the same, byte
// for byte, frame by frame: computer games through the intro, the gulper's
// appearance, play with a boost and eaten corn, a pause and both endings; an
// editor session with painting, brush changes, map browsing, save, reset and
// a tile-set change, on mazes smaller and larger than the window; and play on
// a tile sheet whose floor lets the window show through.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "actors/GhostSquad.h"
#include "app/Config.h"
#include "app/GameState.h"
#include "app/GameTypes.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "input/KeyBindings.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

// The pseudo-random generator's state when a program starts: both runs of a
// session give the walls the same looks.
constexpr unsigned StartSeed = 1;
constexpr int CellPixels = 18;

// Shipped mazes played computer against computer with eight ghosts: on the
// first the gulper eats a boost within its 15 seconds, on the second the
// ghosts catch it.
constexpr int BoostMap = 4;
constexpr int CatchMap = 12;
constexpr int ShortLimit = 15;  // seconds: the boost map ends by time out
constexpr int LongLimit = 90;
constexpr int FullSquad = 8;
constexpr int MostFramesOfAGame = 3000;

// Custom mazes the editor session browses to: one smaller than the window,
// one larger (the window shows 28 x 21 cells).
constexpr int SmallMap = 15;
constexpr int LargeMap = 16;
constexpr int SmallColumns = 10;
constexpr int SmallRows = 8;
constexpr int LargeColumns = 40;
constexpr int LargeRows = 30;

// A fourth tile sheet, after the three shipped, with holes in its floor tiles.
constexpr const char* SeeThroughSheetFile = "images/tiles3.bmp";
constexpr int SeeThroughSheet = 3;
constexpr int HoleSize = 4;  // pixels: a black square in the middle of each floor tile

// FNV-1a, 64 bits.
constexpr uint64_t HashStart = 14695981039346656037ull;
constexpr uint64_t HashPrime = 1099511628211ull;

// A hash of every byte of the window's pixel rows.
uint64_t WindowHash()
{
    const SDL_Surface* const window = TheScreen->surface;
    const size_t rowBytes = static_cast<size_t>(window->w) * window->format->BytesPerPixel;
    uint64_t hash = HashStart;
    for (int y = 0; y < window->h; ++y) {
        const Uint8* const row = static_cast<const Uint8*>(window->pixels) + y * window->pitch;
        for (size_t i = 0; i < rowBytes; ++i)
            hash = (hash ^ row[i]) * HashPrime;
    }
    return hash;
}

// A level file of the given size: walls round the edge, corn inside, the
// gulper and the ghosts' starts near opposite corners.
std::vector<std::string> OpenLevel(int columns, int rows)
{
    std::vector<std::string> level(rows, "#" + std::string(columns - 2, 'C') + "#");
    level.front() = level.back() = std::string(columns, '#');
    level[1][1] = 'P';
    level[rows - 2][columns - 2] = 'G';
    return level;
}

// What one run of a session saw, frame by frame.
struct Recording {
    std::vector<uint64_t> frames;   // hash of the window after each frame
    std::vector<int> states;        // the state each frame began in
    std::vector<int> cellsRedrawn;  // cells each frame drew into the maze's background
    bool sawAfraidGhost = false;
    bool sawCornEaten = false;
};

class FrameHashTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        WriteLevel("data/map_" + std::to_string(SmallMap) + ".lev", OpenLevel(SmallColumns, SmallRows));
        WriteLevel("data/map_" + std::to_string(LargeMap) + ".lev", OpenLevel(LargeColumns, LargeRows));
        WriteSeeThroughSheet();
    }

    void SetUp() override
    {
        std::srand(StartSeed);
        GameTest::SetUp();
        // The window is shared by every test of the program: both runs start on black.
        SDL_Surface* const window = TheScreen->surface;
        std::memset(window->pixels, 0, static_cast<size_t>(window->pitch) * window->h);
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

    // Runs frames as the frame loop does, noting each one.
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            const int state = GameState;
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

    void FramesUntil(int state, int maxFrames)
    {
        for (int i = 0; i < maxFrames && GameState != state; ++i)
            Frames(1);
        ASSERT_EQ(GameState, state);
    }

    // A custom game, computer against computer, from its "Start!" to the
    // custom game menu it returns to.
    void PlayComputerGame(int map, int limit, bool pauseOnce)
    {
        Config& config = *TheConfig;
        config.mapNumber = map;
        config.gulperController = Computer;
        config.ghostsController = Computer;
        config.ghostCount = FullSquad;
        TheGui->timer->limit = limit;
        GameMode = CustomMode;
        GameState = CustomGameMenu;
        Frames(1);
        Click(StartButton);
        if (pauseOnce) {
            FramesUntil(Playing, MostFramesOfAGame);
            Frames(40);
            TapKey(PauseGame);
            Frames(5);
            TapKey(PauseGame);  // any key resumes
        }
        FramesUntil(CustomGameMenu, MostFramesOfAGame);
        Frames(2);
    }

    // Paints along a row of cells with one press, a drag and the release.
    void PaintRow(int row, int fromColumn, int toColumn)
    {
        auto centre = [](int cell) { return cell * CellPixels + CellPixels / 2; };
        TheGui->OnLeftDown(centre(fromColumn), centre(row));
        Frames(1);
        for (int column = fromColumn + 1; column <= toColumn; ++column) {
            TheGui->OnLeftDrag(centre(column), centre(row));
            Frames(1);
        }
        TheGui->OnLeftUp(centre(toColumn), centre(row));
        Frames(1);
    }

    void ChooseBrush(int code)
    {
        while (TheBrush->brush != code) {
            Click(BrushButton);
            Frames(1);
        }
    }

    static void WriteSeeThroughSheet()
    {
        SDL_Surface* const sheet = SDL_LoadBMP((ShippedDataDir() + "/images/tiles0.bmp").c_str());
        ASSERT_NE(sheet, nullptr);
        const Uint32 black = SDL_MapRGB(sheet->format, 0, 0, 0);
        for (int variant = 0; variant < TileColumns; ++variant) {
            SDL_Rect hole = {static_cast<Sint16>(variant * CellPixels + (CellPixels - HoleSize) / 2),
                             static_cast<Sint16>((CellPixels - HoleSize) / 2), HoleSize, HoleSize};
            SDL_FillRect(sheet, &hole, black);
        }
        SDL_SaveBMP(sheet, SeeThroughSheetFile);
        SDL_FreeSurface(sheet);
    }

    static void ExpectSameFrames(const Recording& cached, const Recording& everyTile)
    {
        ASSERT_EQ(cached.frames.size(), everyTile.frames.size());
        ASSERT_FALSE(cached.frames.empty());
        for (size_t i = 0; i < cached.frames.size(); ++i)
            ASSERT_EQ(cached.frames[i], everyTile.frames[i])
                << "frame " << i << " of " << cached.frames.size() << ", begun in state "
                << cached.states[i];
    }

    // The largest number of cells a frame begun in the state drew into the background.
    static int MostCellsRedrawn(const Recording& run, int state)
    {
        int most = 0;
        for (size_t i = 0; i < run.frames.size(); ++i)
            if (run.states[i] == state)
                most = std::max(most, run.cellsRedrawn[i]);
        return most;
    }

    static bool SawState(const Recording& run, int state)
    {
        return std::find(run.states.begin(), run.states.end(), state) != run.states.end();
    }

    Recording recording;
};

TEST_F(FrameHashTest, ComputerGamesLookTheSameFromTheCache)
{
    auto session = [this] {
        PlayComputerGame(BoostMap, ShortLimit, true);
        PlayComputerGame(CatchMap, LongLimit, false);
    };
    const Recording cached = Play(true, session);
    const Recording everyTile = Play(false, session);

    ExpectSameFrames(cached, everyTile);
    for (const int state : {LevelIntro, GulperAppearing, Playing, Paused, GulperDying, GulperWins,
                            GhostsWin, CustomGameMenu})
        EXPECT_TRUE(SawState(cached, state)) << "no frame in state " << state;
    EXPECT_TRUE(cached.sawAfraidGhost);
    EXPECT_TRUE(cached.sawCornEaten);
}

TEST_F(FrameHashTest, PlayRedrawsOnlyTheCellEatenInTheFrame)
{
    const Recording cached = Play(true, [this] { PlayComputerGame(BoostMap, ShortLimit, false); });
    EXPECT_EQ(MostCellsRedrawn(cached, Playing), 1);
}

TEST_F(FrameHashTest, TheEditorLooksTheSameFromTheCache)
{
    auto session = [this] {
        TheConfig->mapNumber = SmallMap - 1;
        GameState = MainMenu;
        Frames(1);
        Click(EditorButton);
        Frames(2);
        ChooseBrush(Wall);
        PaintRow(3, 2, 9);
        ChooseBrush(Corn);
        PaintRow(5, 4, 12);
        ChooseBrush(GulperStart);
        PaintRow(7, 7, 7);
        Click(PlusButton);  // the small maze; the painting is dropped
        Frames(2);
        ChooseBrush(Wall);
        PaintRow(2, 1, 6);
        Click(SaveMapButton);
        Frames(2);
        Click(PlusButton);  // the large maze
        Frames(2);
        ChooseBrush(Boost);
        PaintRow(10, 20, 27);
        Click(ResetMapButton);
        Frames(2);
        Click(MinusButton);
        Frames(2);
        Click(CloseButton);
        Frames(2);
        Click(OptionsButton);
        Frames(2);
        Click(TileSetButton);
        Frames(2);
        Click(CloseButton);
        Frames(2);
        Click(EditorButton);
        Frames(2);
        ChooseBrush(GhostStart);
        PaintRow(4, 3, 5);
        Frames(2);
    };
    const Recording cached = Play(true, session);
    const Recording everyTile = Play(false, session);

    ExpectSameFrames(cached, everyTile);
    EXPECT_TRUE(SawState(cached, LevelEditor));
    EXPECT_TRUE(SawState(cached, OptionsMenu));
}

TEST_F(FrameHashTest, ASeeThroughFloorIsDrawnTileByTile)
{
    auto session = [this] {
        while (TheMaze->tileSetIndex != SeeThroughSheet)
            TheMaze->NextTileSet();
        PlayComputerGame(BoostMap, ShortLimit, false);
    };
    const Recording cached = Play(true, session);
    const Recording everyTile = Play(false, session);

    ExpectSameFrames(cached, everyTile);
    // The background is never used with this sheet.
    EXPECT_EQ(*std::max_element(cached.cellsRedrawn.begin(), cached.cellsRedrawn.end()), 0);
}

}  // namespace

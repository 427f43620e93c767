// The whole state machine played from a script and compared with a recording:
// the menus, the options and the controls, the editor, a hotseat game with
// every command of both sides, pause and keys help, computer games to both
// endings, campaigns won, lost and completed. For every frame the recording
// holds the state it was drawn as, a hash of the window and the effects and
// music started;
// at the end, what the game printed and the files it wrote. A change of the
// code that is not meant to change the game must leave all of it as it was.
//
// Record anew (when a change of the game's look or rules is intended):
//     GULPWISE_RECORD=1 build/tests/game_tests --gtest_filter=RecordedGameTest.*
//
// When a frame differs, the test names it, the state and the line of the
// script that ran it, and writes two pictures into the folder the test was
// started in (build/tests/ under ctest): the frame as drawn now, and the frame before it,
// the last one that still agreed with the recording. The recording keeps
// only hashes; to see the recorded picture of frame N, run the recorded
// build with GULPWISE_SAVE_FRAME=N, which writes that frame as drawn there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <source_location>
#include <sstream>
#include <string>
#include <vector>

#include "rules/Tick.h"
#include "tests/game/GameTest.h"

namespace {

constexpr const char* RecordingPath = GULPWISE_TESTS_DIR "/game/recorded_game.txt";
// Where the test was started (ctest: the build's tests folder), before the
// game's sandbox folder became the working folder: pictures go there.
const std::filesystem::path StartFolder = std::filesystem::current_path();

// The ghosts' looping sounds start again whenever the mixer has let them
// stop, which depends on the audio device's own timing: they are left out.
bool IsLoopSound(int sound)
{
    return sound == GhostAfraidSound || sound == GhostAttackingSound || sound == GhostEyesOnlySound;
}

int Centre(int cell)
{
    return cell * 18 + 9;
}

class RecordedGameTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        WriteCampaign("gulper", {TestMazes::OpenRoom(), TestMazes::CornBesideGulper()},
                      Settings(Computer, Computer, 3, 3.4, 2.4, 20));
        WriteCampaign("ghosts", {TestMazes::GhostBesideGulper(), TestMazes::CornBesideGulper()},
                      Settings(Computer, Computer, 2, 3.4, 2.4, 20));
    }
    void SetUp() override
    {
        GameTest::SetUp();
        std::ifstream file(RecordingPath);
        for (std::string line; std::getline(file, line);)
            recorded.push_back(line);
        if (const char* frame = std::getenv("GULPWISE_SAVE_FRAME"))
            frameToSave = std::atoi(frame);
        std::memset(TheScreen->surface->pixels, 0,
                    static_cast<size_t>(TheScreen->surface->pitch) * TheScreen->surface->h);
        for (int sound = 0; sound < SoundCount; ++sound)
            heard[sound] = Played(sound);
        CaptureOutput();
    }

    // Frames as the loop runs them, each written down, and compared with the
    // recording as they come.
    void Frames(int count, std::source_location from = std::source_location::current())
    {
        for (int i = 0; i < count; ++i) {
            RunFrames(1);
            std::ostringstream line;
            line << lines.size() << ' ' << TheTick.frameState << ' ' << std::hex << WindowHash() << std::dec;
            for (int sound = 0; sound < SoundCount; ++sound) {
                for (; heard[sound] < Played(sound); ++heard[sound])
                    if (!IsLoopSound(sound))
                        line << " s" << sound;
            }
            lines.push_back(line.str());
            scriptLines.push_back(static_cast<int>(from.line()));
            Compare();
        }
    }

    // The picture of the window as a file, in the test run's working folder.
    static void SavePicture(const std::vector<unsigned char>& pixels, const std::string& name)
    {
        SDL_Surface* window = TheScreen->surface;
        SDL_Surface* copy = SDL_CreateRGBSurfaceFrom(
            const_cast<unsigned char*>(pixels.data()), window->w, window->h,
            window->format->BitsPerPixel, window->pitch, window->format->Rmask,
            window->format->Gmask, window->format->Bmask, window->format->Amask);
        SDL_SaveBMP(copy, (StartFolder / name).string().c_str());
        SDL_FreeSurface(copy);
    }
    static std::vector<unsigned char> WindowPixels()
    {
        const SDL_Surface* window = TheScreen->surface;
        const auto* pixels = static_cast<const unsigned char*>(window->pixels);
        return {pixels, pixels + static_cast<size_t>(window->pitch) * window->h};
    }

    // The frame just written down against the recording: at the first
    // difference, the two pictures and where the script was.
    void Compare()
    {
        const std::size_t frame = lines.size() - 1;
        if (static_cast<int>(frame) == frameToSave)
            SavePicture(WindowPixels(), "recorded_game_frame_" + std::to_string(frame) + ".bmp");
        if (!firstDifference.empty() || std::getenv("GULPWISE_RECORD"))
            return;
        if (frame < recorded.size() && lines[frame] == recorded[frame]) {
            lastAlike = WindowPixels();
            return;
        }
        const std::string now = "recorded_game_frame_" + std::to_string(frame) + "_now.bmp";
        const std::string before =
            "recorded_game_frame_" + std::to_string(frame - 1) + "_last_alike.bmp";
        SavePicture(WindowPixels(), now);
        if (!lastAlike.empty())
            SavePicture(lastAlike, before);
        std::ostringstream text;
        text << "frame " << frame << " in state " << GameState << ", run by line "
             << scriptLines.back() << " of " << __FILE__ << ": now \"" << lines[frame]
             << "\", recorded \"" << (frame < recorded.size() ? recorded[frame] : "nothing")
             << "\"; pictures " << (StartFolder / now).string() << " and " << before;
        firstDifference = text.str();
    }
    void FramesUntil(GameStateId state, std::source_location from = std::source_location::current())
    {
        for (int i = 0; i < 4000 && GameState != state; ++i)
            Frames(1, from);
        ASSERT_EQ(GameState, state);
    }
    void Press(int id, std::source_location from = std::source_location::current())
    {
        Click(id);
        Frames(2, from);
    }
    void Tap(int action, std::source_location from = std::source_location::current())
    {
        TapKey(action);
        Frames(3, from);
    }

    void Menus()
    {
        Frames(3);
        for (const int id : {PlayButton, GulperCampaignButton, PlusButton, MinusButton})
            Press(id);
        TapKey(ExitGame);
        Frames(2);
        for (const int id : {GhostsCampaignButton, PlusButton, CloseButton, CustomGameButton,
                             GulperSideButton, GulperSpeedButton, GulperSpeedButton,
                             GhostsSideButton, GhostCountDownButton, GhostSpeedButton, PlusButton,
                             MinusButton, TimeLimitUpButton, TimeLimitDownButton, CloseButton,
                             HelpButton, CloseButton, OptionsButton, FrameRateUpButton,
                             FrameRateDownButton, TimeLimitUpButton, MusicDownButton,
                             EffectsDownButton, TileSetButton, ControlsButton})
            Press(id);
        ClickAt(0);  // the first key field waits for a key
        Frames(2);
        TapSymbol(SDLK_k);
        Frames(2);
        for (const int id : {DefaultHotseatKeysButton, CancelButton, ControlsButton,
                             DefaultKeysButton, OkButton, CloseButton})
            Press(id);
    }

    void Editor()
    {
        Press(EditorButton);
        auto paint = [this](CellCode code, int row, int from, int to) {
            while (TheBrush->brush != IndexOf(code))
                Press(BrushButton);
            TheGui->OnLeftDown(Centre(from), Centre(row));
            Frames(1);
            for (int column = from + 1; column <= to; ++column) {
                TheGui->OnLeftDrag(Centre(column), Centre(row));
                Frames(1);
            }
            TheGui->OnLeftUp(Centre(to), Centre(row));
            Frames(1);
        };
        paint(Wall, 3, 2, 9);
        paint(Corn, 5, 4, 12);
        Click(PlusButton);  // the editor asks about the painting: it is dropped
        TapSymbol('d');
        Frames(2);
        paint(Boost, 2, 1, 6);
        Press(SaveMapButton);
        paint(Wall, 7, 3, 5);
        Press(ResetMapButton);
        Press(MinusButton);
        TapKey(ExitGame);
        Frames(2);
    }

    // Both sides human on the keyboard and the mouse, every command once or more.
    void Hotseat()
    {
        Press(PlayButton);
        Press(CustomGameButton);
        TheConfig->gulperController = TheConfig->ghostsController = Human;
        TheConfig->ghostCount = 4;
        TheConfig->mapNumber = 4;
        TheGui->timer->limit = 30;
        Click(StartButton);
        FramesUntil(Playing);
        const int commands[] = {MoveGulperRight, SelectGhost1, MoveGhostUp, MoveGulperDown,
                                SelectNextGhost, SelectPrevGhost, MoveGhostLeft, StopGulper,
                                SelectAllGhosts, StopGhosts, StopGulper, MoveGulperLeft,
                                DeselectGhosts, SelectGhost1 + 2, MoveGhostRight, MoveGulperUp};
        for (const int action : commands) {
            Tap(action);
            Frames(4);
        }
        TheGui->OnRightDown(Centre(10), Centre(10));  // nothing selected
        Frames(2);
        TheGui->OnLeftDown(5, 5);
        Frames(1);
        TheGui->OnLeftDrag(200, 200);
        Frames(2);
        TheGui->OnLeftDrag(503, 377);
        Frames(2);
        TheGui->OnLeftUp(503, 377);
        Frames(1);
        TheGui->OnRightDown(Centre(5), Centre(5));
        Frames(20);
        PressKey(GroupSelection);
        const GhostActor& first = *TheSquad->ghosts[0];
        ClickPoint(first.drawX, first.drawY);
        ReleaseKey(GroupSelection);
        Frames(2);
        ClickPoint(Centre(13), Centre(9));
        Frames(2);
        Tap(PauseGame);
        Frames(10);
        Tap(MoveGulperRight);  // any key resumes
        Frames(10);
        Tap(KeysHelpScreen);
        Frames(5);
        Press(CancelButton);
        Frames(5);
        Tap(KeysHelpScreen);
        TapSymbol(SDLK_z);
        Frames(30);
        TapKey(ExitGame);  // back to the custom game menu
        Frames(3);
        // The gulper stands still until the ghosts catch it.
        TheConfig->mapNumber = 12;
        TheConfig->ghostsController = Computer;
        TheConfig->ghostCount = 8;
        Click(StartButton);
        FramesUntil(Playing);
        Tap(StopGulper);
        FramesUntil(CustomGameMenu);
        Frames(2);
        Press(CloseButton);
    }

    void ComputerGame(int map, int limit)
    {
        TheConfig->mapNumber = map;
        TheConfig->gulperController = TheConfig->ghostsController = Computer;
        TheConfig->ghostCount = 8;
        TheGui->timer->limit = limit;
        Press(PlayButton);
        Press(CustomGameButton);
        Click(StartButton);
        Frames(1);  // the level starts with this frame
        FramesUntil(CustomGameMenu);
        Frames(2);
        Press(CloseButton);
    }

    void Campaigns()
    {
        Press(PlayButton);
        Press(GulperCampaignButton);
        Press(StartButton);
        FramesUntil(GulperWins);
        FramesUntil(CampaignComplete);  // the room of corn, then the corn beside the gulper
        FramesUntil(GameModeMenu);
        Press(GhostsCampaignButton);
        Press(MinusButton);
        Press(StartButton);
        FramesUntil(GhostsWin);
        FramesUntil(LevelIntro);  // the ghosts' second level: the gulper wins it
        FramesUntil(GulperWins);
        FramesUntil(GulperAppearing);  // lost: the same level again
        TapKey(ExitGame);
        Frames(3);
        TapKey(ExitGame);
        Frames(2);
        TapKey(ExitGame);
        Frames(2);
    }

    int heard[SoundCount] = {};
    std::vector<std::string> lines;
    std::vector<int> scriptLines;      // the line of this file that ran each frame
    std::vector<std::string> recorded; // the recording's lines
    std::vector<unsigned char> lastAlike;  // the last frame that agreed with the recording
    std::string firstDifference;       // where the game first differed, in words
    int frameToSave = -1;              // GULPWISE_SAVE_FRAME: the frame to write as a picture
};

TEST_F(RecordedGameTest, EveryFrameSoundAndFileIsAsRecorded)
{
    Menus();
    Editor();
    Hotseat();
    ComputerGame(4, 15);
    ComputerGame(12, 90);
    Campaigns();
    lines.push_back("output " + std::to_string(Hash(TakeOutput())));
    for (const char* path : {"data/keys.cfg", "data/map_0.lev", "data/map_1.lev"})
        lines.push_back(std::string(path) + " " + std::to_string(Hash(sandbox->Read(path))));

    if (std::getenv("GULPWISE_RECORD")) {
        std::ofstream file(RecordingPath);
        for (const std::string& line : lines)
            file << line << "\n";
        GTEST_SKIP() << "recorded " << lines.size() << " lines";
    }
    ASSERT_FALSE(recorded.empty()) << "no recording at " << RecordingPath;
    EXPECT_EQ(firstDifference, "");
    for (size_t i = 0; i < std::min(lines.size(), recorded.size()); ++i)
        ASSERT_EQ(lines[i], recorded[i]) << "first difference at line " << i
                                         << " (frame, state, window hash, sounds)";
    EXPECT_EQ(lines.size(), recorded.size());
}

}  // namespace

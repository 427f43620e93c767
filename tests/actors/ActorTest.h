// A fixture for the characters: the base globals, a maze read from rows of
// level text, the gulper and a squad, as the game creates them.
#pragma once

#include <SDL/SDL.h>
#include <algorithm>
#include <string>
#include <vector>

#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"

class ActorTest : public BaseGlobalsTest {
protected:
    // Solid character sheets, a small map 1, and the ghosts' looping sounds,
    // whose channels the squad watches.
    void PrepareFiles() override
    {
        WriteSolidSheet("images/gulper.bmp", 160, 80);
        WriteSolidSheet("images/ghosts.bmp", 160, 120);
        WriteSolidSheet("images/ghost_controls.bmp", 80, 20);
        sandbox->Write("data/map_1.lev", "#####\r\n#PCG#\r\n#####\r\n");
        for (const char* loop : {"sfx/ghost_attacking.wav", "sfx/ghost_afraid.wav", "sfx/ghost_eyes_only.wav"})
            sandbox->CopyShipped(loop);
    }
    void SetUp() override
    {
        BaseGlobalsTest::SetUp();
        GameEvents.pending.clear();
        TheMaze = new Maze(TheConfig->mapNumber, 28, 20);
        TheGulper = new GulperActor(TheConfig->gulperSpeed, TheConfig->gulperController);
        GhostSprites = TheScreen->LoadImage("images/ghosts.bmp", 0, 0, 0);
        TheSquad = new GhostSquad(TheConfig->ghostSpeed, TheConfig->ghostsController, 0);
    }
    void TearDown() override
    {
        delete TheSquad;
        SDL_FreeSurface(GhostSprites);
        delete TheGulper;
        delete TheMaze;
        TheSquad = nullptr;
        GhostSprites = nullptr;
        TheGulper = nullptr;
        TheMaze = nullptr;
        BaseGlobalsTest::TearDown();
    }

    // Makes the maze from level rows ('#' wall, '.' floor, 'C' corn, 'B' boost,
    // 'P' gulper start, 'G' ghost start) and puts both sides on their starts.
    void UseMaze(const std::vector<std::string>& rows, int ghostCount = 1,
                 double ghostSpeed = 2.4, Controller ghostsController = Computer,
                 double gulperSpeed = 3.4, Controller gulperController = Human)
    {
        std::string level;
        for (const std::string& row : rows)
            level += row + "\r\n";
        sandbox->Write("data/test.lev", level);
        ASSERT_TRUE(TheMaze->LoadFile("data/test.lev"));
        TheGulper->Reset(gulperSpeed, gulperController);
        TheSquad->Create(ghostSpeed, ghostsController, ghostCount);
    }

    // One frame of play as the game runs it: the squad, then the gulper.
    static void PlayFrame()
    {
        TheSquad->Update();
        if (TheGulper->state != GulperCaught)
            TheGulper->Update();
    }

    static double Centre(int cell) { return (cell + 0.5) * 18.0; }
    // How often an event happened since the test began.
    static int Happened(GameEvent event)
    {
        return static_cast<int>(std::count(GameEvents.pending.begin(), GameEvents.pending.end(), event));
    }
    static GhostActor& Ghost(int index) { return *TheSquad->ghosts.at(index); }

private:
    static void WriteSolidSheet(const std::string& path, int width, int height)
    {
        SDL_Surface* sheet = SDL_CreateRGBSurface(0, width, height, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        SDL_FillRect(sheet, nullptr, 0x30C060);
        SDL_SaveBMP(sheet, path.c_str());
        SDL_FreeSurface(sheet);
    }
};

// A fixture for the characters: the base globals, a maze read from rows of
// level text, the gulper and a squad, as the game creates them.
#pragma once

#include <SDL/SDL.h>
#include <string>
#include <vector>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Config.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "app/SoundBank.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"

class ActorTest : public HeadlessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the maze from level rows ('#' wall, '.' floor, 'C' corn, 'B' boost,
    // 'P' gulper start, 'G' ghost start) and puts both sides on their starts.
    void UseMaze(const std::vector<std::string>& rows, int ghostCount = 1,
                 double ghostSpeed = 2.4, int ghostsController = Computer,
                 double gulperSpeed = 3.4, int gulperController = Human);

    // One frame of play as the game runs it: the squad, then the gulper.
    void PlayFrame();

    static double Centre(int cell) { return (cell + 0.5) * 18.0; }
    static int PlayCount(int sound) { return TheSounds->playCount[sound]; }

    // Fills the whole window with one colour and tells whether a pixel still has it.
    static void ClearWindow(Uint32 colour);
    static Uint32 PixelAt(int x, int y);
};

// Writes a character sheet of the given size in one solid colour.
void WriteSolidSheet(const std::string& path, int width, int height, Uint32 colour);

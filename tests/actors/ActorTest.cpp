#include "tests/actors/ActorTest.h"

#include <fstream>

namespace {
constexpr Uint32 SpriteColour = 0x30C060;
}

void WriteSolidSheet(const std::string& path, int width, int height, Uint32 colour)
{
    SDL_Surface* sheet = SDL_CreateRGBSurface(0, width, height, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    SDL_FillRect(sheet, nullptr, colour);
    SDL_SaveBMP(sheet, path.c_str());
    SDL_FreeSurface(sheet);
}

void ActorTest::SetUp()
{
    HeadlessTest::SetUp();
    WriteSolidSheet("images/gulper.bmp", 160, 80, SpriteColour);
    WriteSolidSheet("images/ghosts.bmp", 160, 120, SpriteColour);
    WriteSolidSheet("images/ghost_controls.bmp", 80, 20, SpriteColour);
    sandbox->Write("data/map_1.lev", "#####\r\n#PCG#\r\n#####\r\n");
    for (const char* loop : {"sfx/ghost_attacking.wav", "sfx/ghost_afraid.wav", "sfx/ghost_eyes_only.wav"})
        sandbox->CopyShipped(loop);
    CreateBaseGlobals();
    TheMaze = new Maze(TheConfig->mapNumber, 28, 20);
    TheGulper = new GulperActor(TheConfig->gulperSpeed, TheConfig->gulperController);
    GhostSprites = TheScreen->LoadImage("images/ghosts.bmp", 0, 0, 0);
    TheSquad = new GhostSquad(TheConfig->ghostSpeed, TheConfig->ghostsController, 0);
}

void ActorTest::TearDown()
{
    delete TheSquad;
    TheSquad = nullptr;
    SDL_FreeSurface(GhostSprites);
    GhostSprites = nullptr;
    delete TheGulper;
    TheGulper = nullptr;
    delete TheMaze;
    TheMaze = nullptr;
    DestroyBaseGlobals();
    HeadlessTest::TearDown();
}

void ActorTest::UseMaze(const std::vector<std::string>& rows, int ghostCount, double ghostSpeed,
                        int ghostsController, double gulperSpeed, int gulperController)
{
    std::string level;
    for (const std::string& row : rows)
        level += row + "\r\n";
    sandbox->Write("data/test.lev", level);
    ASSERT_TRUE(TheMaze->LoadFile("data/test.lev"));
    TheGulper->Reset(gulperSpeed, gulperController);
    TheSquad->Create(ghostSpeed, ghostsController, ghostCount);
}

void ActorTest::PlayFrame()
{
    TheSquad->Update();
    if (TheGulper->state != GulperCaught)
        TheGulper->Update();
}

void ActorTest::ClearWindow(Uint32 colour)
{
    SDL_Surface* s = TheScreen->surface;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            static_cast<Uint32*>(s->pixels)[y * (s->pitch / 4) + x] = colour;
}

Uint32 ActorTest::PixelAt(int x, int y)
{
    const SDL_Surface* s = TheScreen->surface;
    return static_cast<const Uint32*>(s->pixels)[y * (s->pitch / 4) + x] & 0xFFFFFF;
}

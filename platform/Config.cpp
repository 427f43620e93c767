#include "platform/Config.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/AtomicFile.h"
#include "platform/Globals.h"
#include "platform/LevelSettings.h"
#include "platform/Screen.h"

namespace {

// The defaults, also used for every value a short or damaged file lacks.
constexpr int DefaultMapNumber = 1;
constexpr int DefaultVolume = 100;
constexpr int DefaultTileSet = 0;
constexpr int FirstLevel = 1;
constexpr int CustomMapSlots = 100;

// Reads the next value; once one value fails, the stream stays failed and
// every later field gets its default.
template <typename T>
void ReadOr(std::istream& in, T& field, T fallback)
{
    if (!(in >> field))
        field = fallback;
}

}  // namespace

Config::Config()
{
    Load();
}

Config::~Config()
{
    Save();
}

void Config::Load()
{
    std::ifstream in(ConfigPath);
    if (!in) {
        fprintf(stdout, "Couldn't open file %s, loading default settings", ConfigPath);
    }
    // A missing file reads as an empty one: every field takes its default.
    Load(in);
}

void Config::Load(std::istream& in)
{
    ReadOr(in, gulperController, DefaultGulperController);
    ReadOr(in, gulperSpeed, DefaultGulperSpeed);
    ReadOr(in, ghostsController, DefaultGhostsController);
    ReadOr(in, ghostCount, DefaultGhostCount);
    ReadOr(in, ghostSpeed, DefaultGhostSpeed);
    ReadOr(in, mapNumber, DefaultMapNumber);
    ReadOr(in, musicVolume, DefaultVolume);
    ReadOr(in, effectsVolume, DefaultVolume);
    ReadOr(in, framesPerSecond, DefaultFramesPerSecond);
    // The frame loop divides by the rate: a rate below 1 is never applied.
    if (framesPerSecond < 1)
        framesPerSecond = DefaultFramesPerSecond;
    TheScreen->SetFramesPerSecond(framesPerSecond);
    ReadOr(in, tileSet, DefaultTileSet);
    ReadOr(in, gulperLevel, FirstLevel);
    ReadOr(in, gulperMaxLevel, FirstLevel);
    ReadOr(in, ghostsLevel, FirstLevel);
    ReadOr(in, ghostsMaxLevel, FirstLevel);
    mapCount = CustomMapSlots;
}

void Config::Save() const
{
    // One value per line in the file's order; reals in the stream's default
    // format (at most six significant digits: 1.2000000000000002 is 1.2).
    std::ostringstream out;
    out << gulperController << '\n' << gulperSpeed << '\n' << ghostsController << '\n'
        << ghostCount << '\n' << ghostSpeed << '\n' << mapNumber << '\n' << musicVolume << '\n'
        << effectsVolume << '\n' << framesPerSecond << '\n' << tileSet << '\n' << gulperLevel
        << '\n' << gulperMaxLevel << '\n' << ghostsLevel << '\n' << ghostsMaxLevel << '\n';
    if (!WriteFileAtomically(ConfigPath, out.str()))
        fprintf(stdout, "Couldn't open file %s to save configuration!", ConfigPath);
}

// Options and campaign progress that outlive a run, kept in "data/config.cfg".
#pragma once

#include <iosfwd>

#include "platform/GameTypes.h"

class Config {
public:
    Config();   // loads the file and applies its frame rate to the screen
    ~Config();  // saves the file: the one place where it is written

    // Reads "data/config.cfg"; a missing file gives every field its default.
    void Load();
    // Reads the fourteen values of a configuration text; every value the text
    // lacks or cannot give takes its default.
    void Load(std::istream& in);
    void Save() const;

    Controller gulperController;
    Controller ghostsController;
    int ghostCount;        // number of ghosts
    int mapNumber;         // custom maze "data/map_N.lev" played and edited
    int mapCount;          // number of custom maze slots (0 to 99); never stored
    int musicVolume;       // 0 to 100 on the mixer's scale
    int effectsVolume;     // 0 to 100 on the mixer's scale
    int framesPerSecond;   // frame rate of the frame loop
    int tileSet;           // index of the maze tile sheet
    double gulperSpeed;    // pixels per frame
    double ghostSpeed;     // base ghost speed, pixels per frame
    int gulperLevel;       // level of the gulper's campaign shown and played next
    int gulperMaxLevel;    // highest level reached in the gulper's campaign
    int ghostsLevel;       // level of the ghosts' campaign shown and played next
    int ghostsMaxLevel;    // highest level reached in the ghosts' campaign
};

// Where the configuration lives, relative to the game folder.
constexpr const char* ConfigPath = "data/config.cfg";

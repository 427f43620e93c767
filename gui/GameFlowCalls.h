// What the screens ask of the game flow above them: starting a level,
// loading a campaign level or a custom maze, and the replays' keys. The program fills these in when
// it makes its objects, so the interface depends on nothing above it.
#pragma once

struct GameFlowCalls {
    void (*startLevel)() = nullptr;
    bool (*loadCampaignLevel)(int level) = nullptr;
    void (*reloadCustomMaze)(bool forward) = nullptr;
    void (*watchLatestReplay)() = nullptr;  // the replay of the last level played
    void (*keepReplay)() = nullptr;         // keeps the replay of the level just ended
};

extern GameFlowCalls GameFlow;

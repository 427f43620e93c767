// What the screens ask of the game flow above them: starting a level and
// loading a campaign level or a custom maze. The program fills these in when
// it makes its objects, so the interface depends on nothing above it.
#pragma once

struct GameFlowCalls {
    void (*startLevel)() = nullptr;
    bool (*loadCampaignLevel)(int level) = nullptr;
    void (*reloadCustomMaze)(bool forward) = nullptr;
};

extern GameFlowCalls GameFlow;

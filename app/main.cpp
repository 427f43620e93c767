// Gulpwise: a maze-chase game.
#include <cstdio>
#include <string>

#include "platform/Globals.h"
#include "app/NetGame.h"
#include "app/Program.h"
#include "platform/Screen.h"

int main(int argc, char** argv)
{
    NetOptions network;
    std::string error;
    const bool networkPlay = ParseNetArguments(argc, argv, network, error);
    if (!error.empty()) {
        fprintf(stderr, "gulpwise: %s\n", error.c_str());
        return 2;
    }
    CreateGlobals();
    if (networkPlay)
        RunNetGame(network);
    else
        TheScreen->Run();
    DestroyGlobals();
    return 0;
}

// The window game with network play ("--host [PORT]", "--join HOST[:PORT]"):
// the frame loop that runs a level only as fast as both machines' commands
// arrive, keeps the host to the custom game menu and the joining player
// waiting until a level starts, and shows what the network is doing.
#pragma once

#include "net/NetSession.h"

// Runs the game until the player quits; the globals must be made.
void RunNetGame(const NetOptions& options);

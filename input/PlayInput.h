// What a human does with the characters in play, as commands: a key's action
// turned into the frame's commands, and a command carried out on the gulper
// or the ghost squad.
#pragma once

#include "input/Commands.h"

// Adds the commands of one key action pressed in play. Each side's direction
// keys steer the other side's character when that side is the computer's.
// The pause, keys help, exit and group keys act on release, not here.
void AddKeyPressCommands(int action, bool humanGulper, bool humanGhosts, FrameCommands& out);

// Carries out a command of the gulper's or the ghosts' side; the game's own
// commands (pause, keys help, exit, resume) belong to the game flow.
void ApplyCharacterCommand(const Command& command);

// The usual game: the interface takes the input, what the menus ask for is
// served before the tick, every level is recorded into the replay archive
// (when there is one), and the R key hands over to watching a replay.
#pragma once

#include <memory>

#include "app/Mode.h"
#include "gui/Gui.h"
#include "input/Commands.h"

class ReplayArchive;

class PlayMode : public Mode {
public:
    // The archive records the levels played; null records nothing.
    explicit PlayMode(ReplayArchive* archive);

    InputHandler& Input() override;
    bool Update() override;
    void Draw() const override;
    std::unique_ptr<Mode> TakeNext() override { return std::move(next); }

private:
    ReplayArchive* archive;
    std::unique_ptr<Mode> next;  // watching a replay, once asked for
};

// One frame of local play with these commands: the tick, its sounds and the
// archive's record of it (when there is an archive). True asks the program to end.
bool RunGameFrame(const FrameCommands& commands, ReplayArchive* archive = nullptr);
// One frame of play as the mode runs it, drawing included: what the menus
// asked for, then the interface's commands; for tests and tools that play
// the game without a mode (a replay asked for is not watched).
bool UpdateGameFrame(ReplayArchive* archive = nullptr);
// Online play as the online screen asked for it (host, join or watch), through
// the relay of the interface's online settings.
std::unique_ptr<Mode> OnlineMode(GuiRequest request, ReplayArchive* archive);
// The caption the picture gets in local play: the archive's notice after a level.
std::string PlayCaption(const ReplayArchive* archive);

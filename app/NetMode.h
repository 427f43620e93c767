// Network play as a mode ("--host [PORT]", "--join HOST[:PORT]"): a level runs
// only as fast as both machines' commands arrive, the host is kept to the
// custom game menu and the joining player waits until a level starts, and a
// strip tells what the network is doing. Once network play is over the game
// goes on alone in the same mode.
#pragma once

#include <memory>
#include <string>

#include "app/Mode.h"
#include "net/NetSession.h"

class ReplayArchive;

class NetMode : public Mode {
public:
    // Opens the network side (listening or connecting); the archive, if
    // any, records the levels played.
    NetMode(const NetOptions& options, ReplayArchive* archive);
    ~NetMode() override;

    InputHandler& Input() override;
    bool Update() override;
    void Draw() const override;
    // Messages are handled while the frame waits, as soon as they arrive.
    void Wait(int milliseconds) override;
    // Online play again, once asked for on the online screen after this one ended.
    std::unique_ptr<Mode> TakeNext() override { return std::move(next); }

    NetSession session;

private:
    struct Parts;                 // the input filter, the side choice and the status strip
    std::unique_ptr<Parts> parts;
    ReplayArchive* archive;
    std::unique_ptr<Mode> next;   // the mode asked for, taken after the frame
    int writtenLevel = 0;         // rollback: the last level whose confirmed replay the archive has
    std::string lastStatus;       // the status shown, and since when (real milliseconds)
    unsigned statusSince = 0;
    unsigned confirmUntil = 0;    // leaving network play is being asked, until then (real milliseconds); 0: not
};

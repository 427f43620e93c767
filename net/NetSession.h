// Network play's side of the game: the handshake, the level the host starts
// on both machines, the lockstep frames of that level with their replay and
// state hashes, and what becomes of the game when the other machine leaves,
// falls silent, breaks the protocol or goes out of step. The frame loop
// (app/NetGame.cpp, or a headless tool) asks it for frames and runs them; it
// never draws. It starts and ends levels through the tick's deferred actions.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "platform/LevelSettings.h"
#include "platform/OnlineConfig.h"
#include "replay/Recorder.h"
#include "net/Lockstep.h"
#include "net/Rollback.h"
#include "net/NetLink.h"
#include "net/RelayLink.h"
#include "net/Protocol.h"

// Host: sets up the game and starts its levels; Join: plays the other side;
// Watch: follows a game through a relay without playing.
enum class NetRole { Host, Join, Watch };


struct NetOptions {
    NetRole role = NetRole::Host;
    std::string address;  // Join: the host's name or address; Host: the address to bind, empty: any
    std::uint16_t port = DefaultNetPort;
    bool online = false;      // through a relay (RelayLink) rather than straight to the peer (ENet)
    std::string relayUrl = DefaultRelayUrl;  // the relay of online play
    std::string roomCode;     // online Join and Watch: the room; a Host through a relay opens one
    std::string gameVersion;  // sent in the handshake; empty: the game's own
    int latency = 0;          // test conditions, see NetLink
    int lossPercent = 0;
    // The host's choice for its levels: rollback (own commands act on the
    // next frame, the other side's predicted and corrected; the default)
    // rather than lockstep (both sides' commands act a few frames later).
    bool rollback = true;
    int inputDelay = 0;       // rollback: frames before the own commands act, 0 to MaxRollbackDelay
};

// Reads argv[i] when it is "--host [PORT]", "--join HOST[:PORT]", "--relay
// URL", "--create", "--join-code CODE", "--watch-code CODE", "--rollback",
// "--lockstep" or "--input-delay FRAMES": returns how
// many arguments it took, 0 when it is none of them, -1 (error says why) when
// its value is bad.
int TakeNetOption(int argc, char** argv, int i, NetOptions& options, std::string& error);
// Finds "--host [PORT]" or "--join HOST[:PORT]" anywhere on the command line;
// false when neither is there. error says what is wrong with one that is.
bool ParseNetArguments(int argc, char** argv, NetOptions& options, std::string& error);

enum class NetPhase {
    Offline,     // no network play (any more): the game goes on alone
    Listening,   // a host with no player
    Connecting,  // joining: the connection or the handshake is under way
    Lobby,       // both machines agree; the host chooses and starts a level
    Level,       // a level in lockstep
    LevelEnded,  // the level has ended on both: its end pause runs on alone
};

class NetSession {
public:
    explicit NetSession(const NetOptions& options);
    // Over a connection of the caller's (a test's simulated network), which
    // Open takes as it is: the other end's Joined starts the handshake.
    NetSession(const NetOptions& options, std::unique_ptr<NetTransport> transport);
    ~NetSession();
    NetSession(const NetSession&) = delete;
    NetSession& operator=(const NetSession&) = delete;

    // Listens or starts connecting; false (Offline, with the reason as the notice) when it cannot.
    bool Open();
    // Handles what has arrived, waiting up to the given time for it.
    void Service(int waitMilliseconds);
    // Ends network play at once (the player cancelled); the peer hears of it.
    void Close();

    // The host starts a level on both machines from this maze text and the
    // configuration's settings, the host playing the side set to Human;
    // false, with a notice, when there is no player yet or the settings cannot be sent.
    bool HostStartLevel(const std::string& mazeText);
    // In the lobby, the host tells the player who joined its settings for
    // the next level whenever they change (called every frame).
    void ShowLobbySettings();
    // A joining player: the host has told its settings (HostSettings()).
    bool HostSettingsKnown() const { return hostSettingsKnown; }
    // In a level: both players' commands for the next frame are here.
    bool FrameReady() const;
    // A frame of the level, once both players' commands for it are here: the
    // local player's commands are scheduled and sent, and the frame's
    // commands of both players are given; false (the frame waits) before.
    // The caller runs the frame with them, then calls LevelFrameDone.
    bool TakeLevelFrame(const FrameCommands& given, FrameCommands& commands);
    // After the frame ran: the replay and the state hash take it.
    void LevelFrameDone(const FrameCommands& commands);
    // After a frame of the level's end pause (run with no commands): back to
    // the menu once it is over, and a level the host started meanwhile.
    void EndFrameDone();

    NetPhase Phase() const { return phase; }
    // The current or last level has ended here, and the other machine's hash
    // of its last frame has come: it has ended there too. Holds through the
    // end pause and after it, until the next level starts.
    bool EndedOnBoth() const;
    NetRole Role() const { return options.role; }
    Side LocalSide() const;
    bool Watching() const { return options.role == NetRole::Watch; }
    // A spectator's frames that both players have played and it has not yet:
    // it catches up by running several in a frame.
    int FramesBehind() const { return watched ? watched->FramesBehind() : 0; }
    // What the screen should say now, or empty: the phase, or the last notice.
    std::string Status() const;
    // The last thing that went wrong or happened (the peer left, a refusal, ...).
    const std::string& Notice() const { return notice; }
    // Milliseconds the current frame of the level has waited for the other side.
    int WaitingMilliseconds() const;
    // The level just played, for the headless tool's report: until the next
    // level starts, which may happen within its end pause's last frame.
    const Replay& LastReplay() const { return recorder.replay; }
    // The count of levels started in this network game.
    int LevelNumber() const { return level; }
    // Online: the room's code once the relay has opened it; empty otherwise.
    std::string RoomCode() const { return relay ? relay->RoomCode() : std::string(); }
    bool Online() const { return relay != nullptr; }
    // The port of direct play: a host's, once listening (the one the system
    // chose when asked for port 0), or the host's a joining machine reaches.
    std::uint16_t Port() const { return options.port; }
    // Service can wait for messages (false in a web page: see NetTransport::CanWait).
    bool CanWait() const { return link->CanWait(); }
    // The settings of the level the host started last (what a joiner waits with).
    const LevelSettings& HostSettings() const { return hostSettings; }
    // Milliseconds the caller should wait after this frame beyond its period:
    // with rollback, the machine that runs ahead of the other slows down a little.
    int AdvisedWaitMilliseconds() const;
    // Rollback's figures of the current or last level, for tests and tools.
    const RollbackSchedule* Rollback() const { return rollback.get(); }
    int delay = MinNetDelay;      // of the current or last level
    int waitedFrames = 0;         // frames of the level that had to wait for the peer
    int roundTrip = -1;           // milliseconds, smoothed; -1: not measured yet

private:
    void Handle(const NetMessage& message);
    void HandleHandshake(const NetMessage& message);
    void StartLevelHere(const NetMessage& start, Side localSide);
    // Ends the level on this machine (the peer left, broke the protocol, or
    // the hashes differ): back to the custom game menu with the notice.
    void AbortLevel(const std::string& why);
    // The peer is gone: the host listens again, a joining machine goes offline.
    void PeerGone(const std::string& why);
    void DropPeer(const std::string& why);
    void Send(const NetMessage& message);
    void SendPing();
    void FinishLevelFrame();
    void StartPendingLevel();
    void BackToMenu();
    // The game is in a level or its end pause, not back on a menu.
    static bool IsLevelState();
    void KeepDesyncReplay();
    // The hashes of a frame differ: the replay is kept, this machine's play
    // state of the frame goes to the other, and the level ends here.
    void OutOfStep(int frame);
    // Keeps the play state after a frame whose hash was sent (the last few).
    void KeepHashedState(int frame, PlaySnapshot state);
    // Once both machines' play states of the mismatched frame are here:
    // the notice (and standard error) names the first field that differs.
    void CompareStates();
    // Rollback: records the frames now confirmed, sends their hashes, and
    // acts on the level's end once its frame is confirmed.
    void CommitConfirmed();
    // Ends the replay of a level cut short where its confirmed frames end.
    void CutReplay();
    bool RollbackTakeFrame(const FrameCommands& given, FrameCommands& commands);
    std::uint32_t Now() const { return link->Now(); }

    // Sends a message where it belongs: to the other player, and online also
    // to the spectators when it is part of the game (a level's start begins
    // what a late spectator is sent).
    void SendBytes(const NetMessage& message, const std::vector<std::uint8_t>& bytes);
    // A spectator's message from one of the players.
    void HandleWatched(const NetMessage& message, int sender);
    void StartWatchedLevel(const NetMessage& start);

    NetOptions options;
    std::unique_ptr<NetTransport> link;  // the connection: direct or relay
    NetLink* direct = nullptr;           // the same, when it is ENet straight to the peer
    RelayLink* relay = nullptr;          // the same, when it goes through a relay
    LevelSettings hostSettings;          // of the level the host started last, or will start
    bool hostSettingsKnown = false;      // a joining player has heard them
    std::vector<std::uint8_t> lobbySent; // the host's settings as last sent in the lobby
    // The host's settings for its next level as a message of this type.
    NetMessage HostSettingsMessage(NetMessageType type) const;
    NetPhase phase = NetPhase::Offline;
    std::string notice;
    std::unique_ptr<Lockstep> lockstep;  // of the current or last level played in lockstep
    std::unique_ptr<RollbackSchedule> rollback;  // of the current or last level played with rollback
    std::uint64_t lastRecordedHash = 0;  // rollback: the hash after the last frame recorded
    std::unique_ptr<WatchSchedule> watched;  // a spectator's: both players' commands
    Side joinerSide = Side::Ghosts;      // a spectator's: the side the player who joined plays
    ReplayRecorder recorder;
    std::unique_ptr<LevelSettings> saved;  // the player's own settings while a level uses the host's
    std::uint16_t level = 0;  // the host's count of the levels started
    // A level the host started while this machine still plays the last one
    // or its end pause, and the messages that came after it: handled once
    // the last one has ended here as it did there.
    std::unique_ptr<NetMessage> pendingStart;
    std::deque<NetMessage> afterPendingStart;
    std::uint32_t lastPing = 0;   // milliseconds, real time
    std::uint32_t lastHeard = 0;  // when the peer last sent anything
    std::uint32_t waitStart = 0;  // when the current frame began waiting; 0: not waiting
    std::uint32_t joinedAt = 0;   // when the other machine connected
    bool remoteExit = false;      // the other player's commands of the last frame left the level
    std::map<int, PlaySnapshot> hashedStates;  // the play state after each of the last frames hashed here
    int desyncFrame = -1;         // the frame whose hashes differed, until its states are compared
    PlaySnapshot theirState;      // the other machine's play state of theirStateFrame
    int theirStateFrame = -1;     // -1: none has come
};

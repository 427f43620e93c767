#include "rules/Settings.h"
#include "net/NetSession.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "actors/GameEvents.h"
#include "rules/Tick.h"
#include "rules/PlayState.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "maze/Maze.h"
#include "rules/Settings.h"

namespace {

constexpr int HelloMilliseconds = 5000;  // a machine that connects must say hello within this
constexpr int PingMilliseconds = 500;     // between pings: the round trip, and proof of life
constexpr int ShowWaitingAfter = 1000;    // a frame waiting this long says so on screen
constexpr double RoundTripSmoothing = 0.25;  // the weight of a new round-trip sample
// Hashed frames whose play states are kept for a mismatch: hashes go once a
// second, and the other machine's come within a few.
constexpr std::size_t KeptHashedStates = 4;
constexpr int RollbackSlowDownShare = 10;    // a machine ahead waits this fraction of a period more per frame

const char* SideName(Side side)
{
    return side == Side::Gulper ? "the gulper" : "the ghosts";
}

// True for a room code as a player may type it: RelayCodeLength letters and digits.
bool IsRoomCode(const std::string& text)
{
    return text.size() == RelayCodeLength &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// A port number; false for one that is not. 0 (any free port, for a host
// that tells it afterwards) only when allowed.
bool ReadPort(const std::string& text, std::uint16_t& port, bool anyAllowed = false)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < (anyAllowed ? 0 : 1) || value > 65535)
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

}  // namespace

std::uint32_t NetTransport::Now() const
{
    return SDL_GetTicks();
}

// What a level takes over from the player's configuration, given back after it.

int TakeNetOption(int argc, char** argv, int i, NetOptions& options, std::string& error)
{
    const std::string arg = argv[i];
    const bool more = i + 1 < argc && argv[i + 1][0] != '-';
    if (arg == "--host") {
        options.role = NetRole::Host;
        if (!more)
            return 1;
        if (!ReadPort(argv[i + 1], options.port, true)) {
            error = std::string("not a port: ") + argv[i + 1];
            return -1;
        }
        return 2;
    }
    if (arg == "--join") {
        options.role = NetRole::Join;
        if (!more) {
            error = "--join needs the host: HOST[:PORT]";
            return -1;
        }
        std::string where = argv[i + 1];
        const std::size_t colon = where.rfind(':');
        if (colon != std::string::npos) {
            if (!ReadPort(where.substr(colon + 1), options.port)) {
                error = "not a port: " + where.substr(colon + 1);
                return -1;
            }
            where.resize(colon);
        }
        options.address = where;
        return 2;
    }
    if (arg == "--relay") {
        if (!more) {
            error = "--relay needs the relay's address: ws://HOST[:PORT]";
            return -1;
        }
        std::string host, port, path;
        if (!ParseRelayUrl(argv[i + 1], host, port, path)) {
            error = std::string("not a relay address (ws://HOST[:PORT]): ") + argv[i + 1];
            return -1;
        }
        options.relayUrl = argv[i + 1];
        options.online = true;
        return 2;
    }
    if (arg == "--rollback" || arg == "--lockstep") {
        options.rollback = arg == "--rollback";
        return 1;
    }
    if (arg == "--input-delay") {
        char* end = nullptr;
        const long frames = more ? std::strtol(argv[i + 1], &end, 10) : -1;
        if (!more || *end != '\0' || frames < 0 || frames > MaxRollbackDelay) {
            error = "--input-delay needs a number of frames from 0 to " +
                    std::to_string(MaxRollbackDelay);
            return -1;
        }
        options.inputDelay = static_cast<int>(frames);
        return 2;
    }
    if (arg == "--create") {
        options.role = NetRole::Host;
        options.online = true;
        return 1;
    }
    if (arg == "--join-code" || arg == "--watch-code") {
        options.role = arg == "--join-code" ? NetRole::Join : NetRole::Watch;
        if (!more || !IsRoomCode(argv[i + 1])) {
            error = arg + " needs a room code of " + std::to_string(RelayCodeLength) +
                    " letters and digits";
            return -1;
        }
        options.online = true;
        options.roomCode = argv[i + 1];
        for (char& c : options.roomCode)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return 2;
    }
    return 0;
}

bool ParseNetArguments(int argc, char** argv, NetOptions& options, std::string& error)
{
    bool found = false;
    for (int i = 1; i < argc; ++i) {
        const int taken = TakeNetOption(argc, argv, i, options, error);
        if (taken < 0)
            return true;
        const std::string arg = argv[i];
        const bool schedule = arg == "--rollback" || arg == "--lockstep" || arg == "--input-delay";
        found = found || (taken > 0 && !schedule);
        if (taken > 1)
            i += taken - 1;
    }
    return found;
}

NetSession::NetSession(const NetOptions& options) : options(options)
{
    if (this->options.gameVersion.empty())
        this->options.gameVersion = GameVersion;
    if (options.online) {
        auto online = std::make_unique<RelayLink>();
        relay = online.get();
        link = std::move(online);
        return;
    }
    auto straight = std::make_unique<NetLink>();
    direct = straight.get();
    direct->SimulateLatency(options.latency);
    direct->SimulateLoss(options.lossPercent, options.port);
    NetMessage busy;
    busy.type = NetMessageType::Refuse;
    busy.refusal = NetRefusal::Busy;
    busy.gameVersion = this->options.gameVersion;
    EncodeNetMessage(busy, direct->busyReply);
    link = std::move(straight);
}

NetSession::NetSession(const NetOptions& options, std::unique_ptr<NetTransport> transport)
    : options(options), link(std::move(transport))
{
    if (this->options.gameVersion.empty())
        this->options.gameVersion = GameVersion;
}

NetSession::~NetSession()
{
    if (saved)
        BackToMenu();
}

bool NetSession::Open()
{
    std::string error;
    bool opened = false;
    if (relay) {
        opened = options.role == NetRole::Host    ? relay->Create(options.relayUrl, error)
                 : options.role == NetRole::Join ? relay->Join(options.relayUrl, options.roomCode, error)
                                                  : relay->Watch(options.relayUrl, options.roomCode, error);
    } else if (!direct) {
        opened = options.role != NetRole::Watch;  // a connection of the caller's
        if (!opened)
            error = "watching needs a relay";
    } else if (options.role == NetRole::Host) {
        opened = direct->Listen(options.address.empty() ? nullptr : options.address.c_str(),
                                options.port, error);
        if (opened)
            options.port = direct->ListeningPort();  // the one the system chose for port 0
    } else if (options.role == NetRole::Join) {
        opened = direct->Connect(options.address, options.port, error);
    } else {
        error = "watching needs a relay";
    }
    if (!opened) {
        notice = "Network: " + error;
        phase = NetPhase::Offline;
        return false;
    }
    phase = options.role == NetRole::Host ? NetPhase::Listening : NetPhase::Connecting;
    return true;
}

void NetSession::Close()
{
    if (phase == NetPhase::Level)
        CutReplay();
    if (phase == NetPhase::Level || phase == NetPhase::LevelEnded)
        BackToMenu();
    link->Leave();
    LinkEvent ignored;
    link->Poll(ignored, 0);  // sends the farewell
    if (direct) {
        // A host's port is let go: hosting again must find it free.
        auto fresh = std::make_unique<NetLink>();
        direct = fresh.get();
        link = std::move(fresh);
    }
    phase = NetPhase::Offline;
    notice.clear();
}

Side NetSession::LocalSide() const
{
    return rollback ? rollback->LocalSide() : lockstep ? lockstep->LocalSide() : Side::Gulper;
}

void NetSession::Send(const NetMessage& message)
{
    std::vector<std::uint8_t> bytes;
    EncodeNetMessage(message, bytes);
    SendBytes(message, bytes);
}

void NetSession::SendBytes(const NetMessage& message, const std::vector<std::uint8_t>& bytes)
{
    if (!relay) {
        link->Send(bytes);
        return;
    }
    std::uint8_t flags = RelayFlag::ToPeer;
    if (message.type == NetMessageType::StartLevel)
        flags |= RelayFlag::ToSpectators | RelayFlag::HistoryStart;
    else if (message.type == NetMessageType::Commands || message.type == NetMessageType::Hash)
        flags |= RelayFlag::ToSpectators;
    relay->Send(bytes, flags);
}

void NetSession::SendPing()
{
    NetMessage ping;
    ping.type = NetMessageType::Ping;
    ping.value = Now();
    Send(ping);
    lastPing = Now();
}

void NetSession::Service(int waitMilliseconds)
{
    if (phase == NetPhase::Offline)
        return;
    LinkEvent event;
    while (link->Poll(event, waitMilliseconds)) {
        waitMilliseconds = 0;
        switch (event.kind) {
        case LinkEventKind::Joined:
            lastHeard = Now();
            joinedAt = Now();
            if (Watching()) {
                // A spectator says nothing: the game's stream has begun.
                phase = NetPhase::Lobby;
                break;
            }
            if (options.role == NetRole::Join) {
                NetMessage hello;
                hello.type = NetMessageType::Hello;
                hello.gameVersion = options.gameVersion;
                Send(hello);
            }
            SendPing();
            break;
        case LinkEventKind::Message: {
            lastHeard = Now();
            NetMessage message;
            if (!DecodeNetMessage(event.bytes.data(), event.bytes.size(), message))
                DropPeer("The other player sent a bad message");
            else if (Watching())
                HandleWatched(message, event.sender);
            else
                Handle(message);
            break;
        }
        case LinkEventKind::Left: {
            std::string why = phase == NetPhase::Connecting ? "Cannot reach the host"
                              : Watching()                  ? "The game being watched has ended"
                                                            : "The other player left";
            // A host whose room never had a player (the relay unreachable, say) lost no player.
            const bool noPlayerYet = phase == NetPhase::Listening;
            if (relay && !relay->LeftReason().empty())
                why = phase == NetPhase::Connecting || Watching() || noPlayerYet
                          ? "Online: " + relay->LeftReason()
                          : why + " (" + relay->LeftReason() + ")";
            PeerGone(why);
            break;
        }
        }
        if (phase == NetPhase::Offline)
            return;
    }
    if (!link->HasPeer() || Watching())
        return;
    // A machine that connects and never says hello does not keep the host's one place.
    if (options.role == NetRole::Host && phase == NetPhase::Listening &&
        static_cast<int>(Now() - joinedAt) > HelloMilliseconds) {
        link->Drop();
        notice = "Turned away a machine that did not say hello";
        return;
    }
    if (phase != NetPhase::Connecting &&
        static_cast<int>(Now() - lastHeard) > NetSilenceMilliseconds) {
        link->Drop();
        PeerGone("The other player fell silent");
        return;
    }
    if (static_cast<int>(Now() - lastPing) >= PingMilliseconds)
        SendPing();
}

void NetSession::Handle(const NetMessage& message)
{
    const bool host = options.role == NetRole::Host;
    if (pendingStart && message.type != NetMessageType::Ping &&
        message.type != NetMessageType::Pong) {
        afterPendingStart.push_back(message);
        return;
    }
    const bool levelMessage = message.type == NetMessageType::Commands ||
                              message.type == NetMessageType::Hash ||
                              message.type == NetMessageType::Snapshot;
    if (levelMessage && message.level != level) {
        // What the other machine sent before it saw the last level end is late, not wrong.
        if (message.level + 1 != level)
            DropPeer("The other player sent a bad message");
        return;
    }
    switch (message.type) {
    case NetMessageType::Ping: {
        NetMessage pong = message;
        pong.type = NetMessageType::Pong;
        Send(pong);
        return;
    }
    case NetMessageType::Pong: {
        const int sample = static_cast<int>(Now() - static_cast<std::uint32_t>(message.value));
        if (sample < 0 || sample > NetSilenceMilliseconds)
            return;  // not a stamp of ours
        roundTrip = roundTrip < 0 ? sample
                                  : static_cast<int>(roundTrip * (1 - RoundTripSmoothing) +
                                                     sample * RoundTripSmoothing);
        return;
    }
    case NetMessageType::Hello:
    case NetMessageType::Welcome:
    case NetMessageType::Refuse:
        HandleHandshake(message);
        return;
    case NetMessageType::LobbySettings: {
        if (host || phase != NetPhase::Lobby)
            return DropPeer("The other player sent a bad message");
        LevelSettings& settings = hostSettings;
        settings.gulperController = settings.ghostsController = Human;
        settings.gulperSpeed = message.settings.gulperSpeed;
        settings.ghostSpeed = message.settings.ghostSpeed;
        settings.ghostCount = message.settings.ghostCount;
        settings.timeLimit = message.settings.timeLimit;
        settings.framesPerSecond = message.settings.framesPerSecond;
        settings.level = message.settings.level;
        settings.gameMode = CustomMode;
        joinerSide = message.joinerSide;
        hostSettingsKnown = true;
        return;
    }
    case NetMessageType::StartLevel:
        if (host || message.level != static_cast<std::uint16_t>(level + 1) ||
            (phase != NetPhase::Lobby && phase != NetPhase::Level && phase != NetPhase::LevelEnded))
            return DropPeer("The other player sent a bad message");
        if (phase == NetPhase::Lobby)
            return StartLevelHere(message, message.joinerSide);
        pendingStart = std::make_unique<NetMessage>(message);
        return;
    case NetMessageType::Commands: {
        const bool accepted = rollback    ? rollback->AcceptRemote(message.frame, message.commands)
                              : lockstep ? lockstep->AcceptRemote(message.frame, message.commands)
                                         : false;
        if (!accepted)
            return DropPeer("The other player sent commands out of turn");
        return;
    }
    case NetMessageType::Hash: {
        const bool accepted = rollback    ? rollback->AcceptRemoteHash(message.frame, message.value)
                              : lockstep ? lockstep->AcceptRemoteHash(message.frame, message.value)
                                         : false;
        if (!accepted)
            return DropPeer("The other player sent a bad message");
        const int mismatch = rollback ? rollback->mismatchFrame : lockstep->mismatchFrame;
        if (mismatch >= 0 && (phase == NetPhase::Level || phase == NetPhase::LevelEnded))
            OutOfStep(mismatch);
        return;
    }
    case NetMessageType::Snapshot:
        theirState.bytes.assign(message.snapshot.begin(), message.snapshot.end());
        theirStateFrame = static_cast<int>(message.frame);
        CompareStates();
        return;
    }
}

void NetSession::HandleHandshake(const NetMessage& message)
{
    const bool host = options.role == NetRole::Host;
    const bool expected = host ? message.type == NetMessageType::Hello && phase == NetPhase::Listening
                               : message.type != NetMessageType::Hello && phase == NetPhase::Connecting;
    if (!expected)
        return DropPeer("The other player sent a bad message");
    const std::string theirs = "version " + message.gameVersion.substr(0, 16) + " (protocol " +
                               std::to_string(message.protocol) + ")";
    if (message.type == NetMessageType::Refuse) {
        link->Leave();
        PeerGone(message.refusal == NetRefusal::Busy ? "The host already has a player"
                                                     : "Refused: the host runs " + theirs);
        return;
    }
    if (message.protocol != NetProtocolVersion || message.gameVersion != options.gameVersion) {
        if (host) {
            NetMessage refuse;
            refuse.type = NetMessageType::Refuse;
            refuse.refusal = NetRefusal::Versions;
            refuse.gameVersion = options.gameVersion;
            Send(refuse);
            link->Leave();
            notice = "Refused a player of " + theirs;
        } else {
            link->Leave();
            PeerGone("Refused: the host runs " + theirs);
        }
        return;
    }
    if (host) {
        NetMessage welcome;
        welcome.type = NetMessageType::Welcome;
        welcome.gameVersion = options.gameVersion;
        Send(welcome);
        lobbySent.clear();  // the new player hears the settings
        notice = "A player has joined";
    } else {
        notice.clear();
    }
    phase = NetPhase::Lobby;
}

NetMessage NetSession::HostSettingsMessage(NetMessageType type) const
{
    const Config& config = *TheConfig;
    NetMessage message;
    message.type = type;
    message.settings.gulperSpeed = config.gulperSpeed;
    message.settings.ghostSpeed = config.ghostSpeed;
    message.settings.ghostCount = config.ghostCount;
    message.settings.timeLimit = TheTick.timer->limit;
    message.settings.framesPerSecond = config.framesPerSecond;
    message.settings.level = config.mapNumber;  // the map, for the joining player to see
    // The host plays the side set to Human (the gulper when both are), the player who joined the other.
    const Side hostSide = config.gulperController == Human ? Side::Gulper : Side::Ghosts;
    message.joinerSide = hostSide == Side::Gulper ? Side::Ghosts : Side::Gulper;
    return message;
}

void NetSession::ShowLobbySettings()
{
    if (options.role != NetRole::Host || phase != NetPhase::Lobby)
        return;
    const NetMessage message = HostSettingsMessage(NetMessageType::LobbySettings);
    std::vector<std::uint8_t> bytes;
    EncodeNetMessage(message, bytes);
    NetMessage check;
    if (bytes == lobbySent || !DecodeNetMessage(bytes.data(), bytes.size(), check))
        return;  // nothing new, or settings the joining player would refuse (Start! says so)
    lobbySent = bytes;
    SendBytes(message, bytes);
}

bool NetSession::HostStartLevel(const std::string& mazeText)
{
    if (phase != NetPhase::Lobby) {
        notice = "No player has joined yet";
        return false;
    }
    const Config& config = *TheConfig;
    NetMessage start = HostSettingsMessage(NetMessageType::StartLevel);
    const Side hostSide = start.joinerSide == Side::Gulper ? Side::Ghosts : Side::Gulper;
    // Commands must cross the network and back within the delay.
    const int period = 1000 / std::max(config.framesPerSecond, 1);
    const int measured = std::max(roundTrip, 0);
    start.delay = std::clamp((measured + period - 1) / period + 1, MinNetDelay, MaxNetDelay);
    if (options.rollback) {
        start.rollback = true;
        start.delay = std::clamp(options.inputDelay, 0, MaxRollbackDelay);
    }
    start.mazeText = mazeText;
    start.level = static_cast<std::uint16_t>(level + 1);
    // What the other machine would refuse is not sent.
    std::vector<std::uint8_t> bytes;
    EncodeNetMessage(start, bytes);
    NetMessage check;
    if (!DecodeNetMessage(bytes.data(), bytes.size(), check)) {
        notice = "These settings cannot be played over the network";
        return false;
    }
    SendBytes(start, bytes);
    StartLevelHere(start, hostSide);
    return phase == NetPhase::Level;
}

void NetSession::StartLevelHere(const NetMessage& start, Side localSide)
{
    if (!Maze::IsLevelText(start.mazeText)) {
        // Only a host's own maze can fail here after it was sent; either way the level is off.
        DropPeer("The level sent is not a maze");
        return;
    }
    LevelSettings settings;
    settings.gulperController = Human;  // one of them plays on the other machine
    settings.ghostsController = Human;
    settings.gulperSpeed = start.settings.gulperSpeed;
    settings.ghostSpeed = start.settings.ghostSpeed;
    settings.ghostCount = start.settings.ghostCount;
    settings.timeLimit = start.settings.timeLimit;
    settings.framesPerSecond = start.settings.framesPerSecond;
    settings.gameMode = CustomMode;
    settings.level = TheConfig->mapNumber;
    recorder.Start(start.mazeText, settings);
    hostSettings = settings;
    // The level starts with the next tick, which the lockstep runs once both
    // players' commands for its first frame are here.
    TheTick.deferred.push_back({DeferredAction::Kind::StartLevel, settings, start.mazeText});
    if (!saved)
        saved = std::make_unique<LevelSettings>(CurrentLevelSettings());
    level = start.level;
    delay = start.delay;
    lockstep.reset();
    rollback.reset();
    hashedStates.clear();
    desyncFrame = theirStateFrame = -1;
    if (start.rollback)
        rollback = std::make_unique<RollbackSchedule>(localSide, start.delay);
    else
        lockstep = std::make_unique<Lockstep>(localSide, start.delay);
    lastRecordedHash = 0;
    waitedFrames = 0;
    waitStart = 0;
    phase = NetPhase::Level;
    notice.clear();
}

bool NetSession::EndedOnBoth() const
{
    if (!recorder.Finished() || phase == NetPhase::Level)
        return false;
    if (rollback)
        return rollback->LastRemoteHashFrame() == rollback->ConfirmedFrames() - 1;
    return lockstep && lockstep->LastRemoteHashFrame() == lockstep->Frame() - 1;
}

bool NetSession::FrameReady() const
{
    if (Watching())
        return phase == NetPhase::Level && watched && watched->Ready();
    if (rollback)
        return phase == NetPhase::Level && rollback->CanRun();
    return phase == NetPhase::Level && lockstep && lockstep->Ready();
}

int NetSession::WaitingMilliseconds() const
{
    return waitStart == 0 ? 0 : static_cast<int>(Now() - waitStart);
}

bool NetSession::TakeLevelFrame(const FrameCommands& given, FrameCommands& commands)
{
    if (Watching()) {
        if (phase != NetPhase::Level || !watched || !watched->Ready())
            return false;
        commands = watched->Advance();
        return true;
    }
    if (rollback && phase == NetPhase::Level && rollback->CanRun())
        return RollbackTakeFrame(given, commands);
    if (!FrameReady()) {
        if (waitStart == 0) {
            waitStart = Now();
            ++waitedFrames;
        }
        return false;
    }
    waitStart = 0;
    NetMessage sent;
    sent.type = NetMessageType::Commands;
    sent.level = level;
    sent.frame = static_cast<std::uint32_t>(lockstep->Frame() + lockstep->Delay());
    sent.commands = lockstep->ScheduleLocal(given);
    Send(sent);
    remoteExit = lockstep->RemoteGives(CommandType::ExitGame);
    commands = lockstep->Advance();
    return true;
}

void NetSession::LevelFrameDone(const FrameCommands& commands)
{
    if (rollback && !Watching()) {
        rollback->Ran(ReadFrameFacts(true));
        CommitConfirmed();
        return;
    }
    recorder.AddFrame(commands);
    FinishLevelFrame();
}

bool NetSession::RollbackTakeFrame(const FrameCommands& given, FrameCommands& commands)
{
    waitStart = 0;
    rollback->Correct();
    CommitConfirmed();
    if (phase != NetPhase::Level)
        return false;  // the level ended or was cut as the frames were confirmed
    NetMessage sent;
    sent.type = NetMessageType::Commands;
    sent.level = level;
    sent.frame = static_cast<std::uint32_t>(rollback->Frame() + rollback->InputDelay());
    sent.commands = rollback->ScheduleLocal(given);
    Send(sent);
    rollback->KeepStart(SavePlay(), TheTick.deferred);
    commands = rollback->Commands(rollback->Frame());
    return true;
}

void NetSession::CommitConfirmed()
{
    const int perSecond = recorder.replay.settings.framesPerSecond;
    int at = 0;
    FrameCommands commands;
    FrameFacts facts;
    while (!recorder.Finished() && rollback->NextConfirmed(at, commands, facts)) {
        recorder.AddFrame(commands, facts);
        lastRecordedHash = facts.hash;
        if ((at + 1) % perSecond == 0 || recorder.Finished()) {
            NetMessage hash;
            hash.type = NetMessageType::Hash;
            hash.level = level;
            hash.frame = static_cast<std::uint32_t>(at);
            hash.value = facts.hash;
            Send(hash);
            KeepHashedState(at, rollback->StateAfter(at));
            rollback->NoteLocalHash(hash.frame, hash.value);
        }
        remoteExit = rollback->RemoteGives(at, CommandType::ExitGame);
        rollback->Confirmed();
    }
    if (rollback->mismatchFrame >= 0) {
        OutOfStep(rollback->mismatchFrame);
    } else if (recorder.Finished() && phase == NetPhase::Level) {
        // The level's end acts only now that its frame is confirmed on both sides.
        if (remoteExit && recorder.replay.outcome.end == ReplayEnd::Left)
            notice = "The other player left the level";
        phase = NetPhase::LevelEnded;
        if (!IsLevelState())
            BackToMenu();
        StartPendingLevel();
    }
}

void NetSession::CutReplay()
{
    if (recorder.Finished() || recorder.replay.frameCount == 0)
        return;
    recorder.Cut(rollback ? lastRecordedHash : HashGameState());
}

int NetSession::AdvisedWaitMilliseconds() const
{
    if (!rollback || phase != NetPhase::Level)
        return 0;
    const int period = 1000 / std::max(recorder.replay.settings.framesPerSecond, 1);
    const int roundTripFrames = std::max(roundTrip, 0) / std::max(period, 1);
    return rollback->FramesAhead(roundTripFrames) > 1 ? period / RollbackSlowDownShare : 0;
}

void NetSession::FinishLevelFrame()
{
    if (Watching()) {
        if (recorder.Finished()) {
            phase = NetPhase::LevelEnded;
            if (!IsLevelState())
                BackToMenu();
        }
        return;
    }
    const int frame = lockstep->Frame() - 1;
    const int perSecond = recorder.replay.settings.framesPerSecond;
    if ((frame + 1) % perSecond == 0 || recorder.Finished()) {
        NetMessage hash;
        hash.type = NetMessageType::Hash;
        hash.level = level;
        hash.frame = static_cast<std::uint32_t>(frame);
        hash.value = HashGameState();
        Send(hash);
        KeepHashedState(frame, SavePlay());
        lockstep->NoteLocalHash(hash.frame, hash.value);
    }
    if (lockstep->mismatchFrame >= 0) {
        OutOfStep(lockstep->mismatchFrame);
    } else if (recorder.Finished()) {
        // The other player left the level with the "Exit game" key: say so here.
        if (remoteExit && recorder.replay.outcome.end == ReplayEnd::Left)
            notice = "The other player left the level";
        phase = NetPhase::LevelEnded;
        if (!IsLevelState())
            BackToMenu();
        StartPendingLevel();
    }
}

void NetSession::StartPendingLevel()
{
    if (!pendingStart || phase != NetPhase::Lobby)
        return;
    const std::unique_ptr<NetMessage> start = std::move(pendingStart);
    StartLevelHere(*start, start->joinerSide);
    std::deque<NetMessage> later;
    later.swap(afterPendingStart);
    for (const NetMessage& message : later)
        if (phase != NetPhase::Offline)
            Handle(message);
}

bool NetSession::IsLevelState()
{
    return !IsMenuState(GameState) || GameState == ControlsInGame;
}

void NetSession::EndFrameDone()
{
    if (!IsLevelState())
        BackToMenu();
    StartPendingLevel();
}

void NetSession::BackToMenu()
{
    if (saved) {
        ApplyLevelSettings(*saved);
        TheTick.timer->Reset();
        saved.reset();
    }
    if (phase == NetPhase::Level || phase == NetPhase::LevelEnded)
        phase = link->HasPeer() ? NetPhase::Lobby : NetPhase::Offline;
}

void NetSession::AbortLevel(const std::string& why)
{
    notice = why;
    if (phase == NetPhase::Level)
        CutReplay();
    if (phase != NetPhase::Level && phase != NetPhase::LevelEnded)
        return;
    // A level not started yet here is not started; one under way ends with
    // the next tick, which then gives back the player's own settings.
    const auto starts = [](const DeferredAction& action) {
        return action.kind == DeferredAction::Kind::StartLevel;
    };
    const bool startWaits = std::erase_if(TheTick.deferred, starts) > 0;
    if (!startWaits && IsLevelState() && saved) {
        TheTick.deferred.push_back({DeferredAction::Kind::AbortLevel, *saved, {}});
        saved.reset();
    }
    BackToMenu();
}

void NetSession::PeerGone(const std::string& why)
{
    pendingStart.reset();
    afterPendingStart.clear();
    AbortLevel(why);
    // A host straight on the network listens for another player; a room on
    // a relay is over once its other player has gone.
    if (options.role == NetRole::Host && !relay) {
        phase = NetPhase::Listening;
        level = 0;  // the next player's first level is level 1 again
        lobbySent.clear();
    } else {
        link->Leave();
        phase = NetPhase::Offline;
    }
}

void NetSession::DropPeer(const std::string& why)
{
    link->Drop();
    PeerGone(why);
}

void NetSession::KeepDesyncReplay()
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::create_directories("data/replays", ignored);
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    const std::string path = std::string("data/replays/desync-") + stamp + "-" +
                             (options.role == NetRole::Host ? "host" : "join") + ".gwr";
    Replay replay = recorder.replay;
    replay.endHash = HashGameState();
    WriteReplay(path.c_str(), replay);
}

void NetSession::OutOfStep(int frame)
{
    KeepDesyncReplay();
    const auto kept = hashedStates.find(frame);
    if (kept != hashedStates.end() && kept->second.bytes.size() <= MaxNetSnapshotBytes) {
        NetMessage state;
        state.type = NetMessageType::Snapshot;
        state.level = level;
        state.frame = static_cast<std::uint32_t>(frame);
        state.snapshot.assign(kept->second.bytes.begin(), kept->second.bytes.end());
        Send(state);
    }
    desyncFrame = frame;
    AbortLevel("Out of step at frame " + std::to_string(frame) + ": replay kept");
    CompareStates();
}

void NetSession::KeepHashedState(int frame, PlaySnapshot state)
{
    if (state.bytes.empty())
        return;
    hashedStates[frame] = std::move(state);
    while (hashedStates.size() > KeptHashedStates)
        hashedStates.erase(hashedStates.begin());
}

void NetSession::CompareStates()
{
    const auto ours = hashedStates.find(desyncFrame);
    if (desyncFrame < 0 || theirStateFrame != desyncFrame || ours == hashedStates.end())
        return;
    const std::string difference = FirstDifference(ours->second, theirState);
    notice = "Out of step at frame " + std::to_string(desyncFrame) + ": " +
             (difference.empty() ? "the play states are alike" : difference) + "; replay kept";
    fprintf(stderr, "Network: %s\n", notice.c_str());
    desyncFrame = theirStateFrame = -1;  // told once
    theirState = PlaySnapshot();
}

void NetSession::HandleWatched(const NetMessage& message, int sender)
{
    switch (message.type) {
    case NetMessageType::StartLevel:
        if (sender == 0)
            StartWatchedLevel(message);
        return;
    case NetMessageType::Commands: {
        if (!watched || message.level != level || phase != NetPhase::Level)
            return;  // a level this spectator did not see start
        const Side hostSide = joinerSide == Side::Gulper ? Side::Ghosts : Side::Gulper;
        if (!watched->Accept(sender == 0 ? hostSide : joinerSide, message.frame, message.commands))
            DropPeer("A player of the game watched sent commands out of turn");
        return;
    }
    default:
        return;  // the players' handshakes, hashes and pings are theirs
    }
}

void NetSession::StartWatchedLevel(const NetMessage& start)
{
    if (phase == NetPhase::Level || phase == NetPhase::LevelEnded)
        AbortLevel("");  // the level before it is over for the players
    if (phase == NetPhase::Offline)
        return;
    phase = NetPhase::Lobby;
    joinerSide = start.joinerSide;
    StartLevelHere(start, start.joinerSide);
    lockstep.reset();
    rollback.reset();
    watched = std::make_unique<WatchSchedule>(start.delay);
}

std::string NetSession::Status() const
{
    switch (phase) {
    case NetPhase::Listening: {
        const std::string where = relay ? (RoomCode().empty() ? std::string("on the relay")
                                                              : "in room " + RoomCode())
                                        : "on port " + std::to_string(options.port);
        return notice.empty() ? "Waiting for a player " + where : notice + "; waiting " + where;
    }
    case NetPhase::Connecting:
        if (relay)
            return "Joining room " + options.roomCode +
                   (Watching() ? " to watch" : "");
        return "Connecting to " + options.address + ":" + std::to_string(options.port);
    case NetPhase::Lobby:
        if (Watching())
            return "Watching room " + options.roomCode + ": waiting for the next level";
        return options.role == NetRole::Host ? (notice.empty() ? "A player has joined" : notice)
                                             : (notice.empty() ? "Waiting for the host to start"
                                                               : notice);
    case NetPhase::Level:
        if (WaitingMilliseconds() >= ShowWaitingAfter)
            return "Waiting for the other player";
        if (Watching())
            return GameState == LevelIntro ? "Watching room " + options.roomCode : "";
        return GameState == LevelIntro ? std::string("You play ") + SideName(LocalSide()) : "";
    case NetPhase::LevelEnded:
        return "";
    case NetPhase::Offline:
        return notice;
    }
    return "";
}

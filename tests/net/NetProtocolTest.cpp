// The network messages: every kind survives its bytes, and a packet that is
// not exactly a message (cut short, too long, of no known type, or carrying a
// value out of range) is refused.
#include <gtest/gtest.h>

#include <cmath>

#include "net/Protocol.h"

namespace {

std::vector<std::uint8_t> Bytes(const NetMessage& message)
{
    std::vector<std::uint8_t> bytes;
    EncodeNetMessage(message, bytes);
    return bytes;
}

bool Decodes(const std::vector<std::uint8_t>& bytes)
{
    NetMessage ignored;
    return DecodeNetMessage(bytes.data(), bytes.size(), ignored);
}

NetMessage Start()
{
    NetMessage start;
    start.type = NetMessageType::StartLevel;
    start.settings.gulperSpeed = 3.1;
    start.settings.ghostSpeed = 2.7;
    start.settings.ghostCount = 6;
    start.settings.timeLimit = 120;
    start.settings.framesPerSecond = 25;
    start.delay = 4;
    start.joinerSide = Side::Gulper;
    start.level = 3;
    start.mazeText = "XXXX\nX..X\nXXXX\n";
    return start;
}

std::vector<NetMessage> OneOfEach()
{
    std::vector<NetMessage> all(10);
    all[0].type = NetMessageType::Hello;
    all[0].gameVersion = "1.5";
    all[1].type = NetMessageType::Welcome;
    all[1].protocol = 7;
    all[1].gameVersion = "2.0";
    all[2].type = NetMessageType::Refuse;
    all[2].refusal = NetRefusal::Busy;
    all[3] = Start();
    all[4].type = NetMessageType::Commands;
    all[4].level = 2;
    all[4].frame = 1234;
    all[4].commands.Add(CommandType::OrderToPoint, 400, -3);
    all[4].commands.Add(CommandType::BoxSelect, 1, 2, 3, 4, true);
    all[5].type = NetMessageType::Hash;
    all[5].frame = 99;
    all[5].value = 0x0123456789abcdefULL;
    all[6].type = NetMessageType::Ping;
    all[6].value = 77;
    all[7].type = NetMessageType::Pong;
    all[7].value = 78;
    all[8].type = NetMessageType::Snapshot;
    all[8].level = 3;
    all[8].frame = 59;
    all[8].snapshot = std::string("\0\1\2play", 7);
    all[9] = Start();
    all[9].type = NetMessageType::LobbySettings;
    all[9].settings.level = 42;  // the map
    all[9].delay = MinNetDelay;  // (of a start only)
    all[9].level = 0;
    all[9].rollback = false;
    all[9].mazeText.clear();
    return all;
}

}  // namespace

TEST(NetProtocol, EveryMessageReadsBackAsWrittenAndNoShorterOrLongerPacketDoes)
{
    for (const NetMessage& message : OneOfEach()) {
        const std::vector<std::uint8_t> bytes = Bytes(message);
        NetMessage read;
        ASSERT_TRUE(DecodeNetMessage(bytes.data(), bytes.size(), read));
        EXPECT_EQ(read, message);
        for (std::size_t cut = 0; cut < bytes.size(); ++cut)
            EXPECT_FALSE(DecodeNetMessage(bytes.data(), cut, read)) << cut;
        std::vector<std::uint8_t> longer = bytes;
        longer.push_back(0);
        EXPECT_FALSE(Decodes(longer));
    }
}

TEST(NetProtocol, RefusesUnknownTypesAndValuesOutOfRange)
{
    EXPECT_FALSE(Decodes({0}));
    EXPECT_FALSE(Decodes({99, 0, 0, 0, 0, 0, 0, 0, 0}));

    const auto refused = [](void (*spoil)(NetMessage&)) {
        NetMessage message = Start();
        spoil(message);
        return !Decodes(Bytes(message));
    };
    EXPECT_TRUE(refused([](NetMessage& m) { m.settings.gulperSpeed = std::nan(""); }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.settings.ghostSpeed = 100; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.settings.ghostCount = 9; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.settings.ghostCount = 0; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.settings.timeLimit = 0; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.settings.framesPerSecond = 1; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.delay = MaxNetDelay + 1; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.delay = MinNetDelay - 1; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.joinerSide = Side::Game; }));
    // A rollback level's input delay is 0 to MaxRollbackDelay.
    EXPECT_FALSE(refused([](NetMessage& m) { m.rollback = true; m.delay = 0; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.rollback = true; m.delay = MaxRollbackDelay + 1; }));
    EXPECT_TRUE(refused([](NetMessage& m) { m.mazeText.assign(MaxNetMazeBytes + 1, 'X'); }));
    // A play state longer than any sent.
    NetMessage state;
    state.type = NetMessageType::Snapshot;
    std::vector<std::uint8_t> stateBytes = Bytes(state);
    stateBytes[9] = 0x01;  // the third byte of its length: 64 KiB
    stateBytes.resize(stateBytes.size() + (1 << 16), 0);
    EXPECT_FALSE(Decodes(stateBytes));

    // A maze length that claims more than the packet holds.
    std::vector<std::uint8_t> bytes = Bytes(Start());
    bytes[bytes.size() - Start().mazeText.size() - 1] = 0x7f;
    EXPECT_FALSE(Decodes(bytes));
    // Commands with a frame beyond any level.
    NetMessage commands;
    commands.type = NetMessageType::Commands;
    commands.frame = MaxNetFrame + 1;
    EXPECT_FALSE(Decodes(Bytes(commands)));
}

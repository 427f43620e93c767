// The relay protocol's reader: every kind of message reads back as written,
// and anything malformed is refused.
#include <gtest/gtest.h>

#include "net/RelayLink.h"
#include "net/RelayProtocol.h"

namespace {

std::vector<std::uint8_t> Written(const RelayMessage& message)
{
    std::vector<std::uint8_t> bytes;
    EncodeRelayMessage(message, bytes);
    return bytes;
}

bool Reads(const std::vector<std::uint8_t>& bytes)
{
    RelayMessage message;
    return DecodeRelayMessage(bytes.data(), bytes.size(), message);
}

}  // namespace

TEST(RelayProtocol, EveryKindReadsBackAsWritten)
{
    std::vector<RelayMessage> messages(10);
    messages[0].kind = RelayKind::Hello;
    messages[1].kind = RelayKind::Hello;
    messages[1].role = RelayRole::Join;
    messages[1].code = "ABC234";
    messages[2].kind = RelayKind::Hello;
    messages[2].role = RelayRole::Watch;
    messages[2].code = "ZZZ999";
    messages[3].kind = RelayKind::Data;
    messages[3].flags = RelayFlag::ToPeer | RelayFlag::HistoryStart;
    messages[3].payload = {1, 2, 3};
    messages[4].kind = RelayKind::Room;
    messages[4].code = "HJKMNP";
    messages[5].kind = RelayKind::PeerJoined;
    messages[6].kind = RelayKind::Delivery;
    messages[6].player = 1;
    messages[6].payload = {9, 8};
    messages[7].kind = RelayKind::PeerLeft;
    messages[7].player = 1;
    messages[8].kind = RelayKind::Error;
    messages[8].text = "no room with code ABC234";
    messages[9].kind = RelayKind::Closing;
    messages[9].text = "the server is closing";
    for (const RelayMessage& message : messages) {
        const auto bytes = Written(message);
        RelayMessage read;
        ASSERT_TRUE(DecodeRelayMessage(bytes.data(), bytes.size(), read)) << int(bytes[0]);
        EXPECT_EQ(Written(read), bytes);
        EXPECT_EQ(read.code, message.code);
        EXPECT_EQ(read.payload, message.payload);
        EXPECT_EQ(read.text, message.text);
        EXPECT_EQ(read.player, message.player);
        EXPECT_EQ(read.flags, message.flags);
    }
}

TEST(RelayProtocol, MalformedMessagesAreRefused)
{
    EXPECT_FALSE(Reads({}));
    EXPECT_FALSE(Reads({99}));                                  // unknown kind
    EXPECT_FALSE(Reads({1, 1}));                                // hello without a role
    EXPECT_FALSE(Reads({1, 1, 0, 'A'}));                        // create with a code
    EXPECT_FALSE(Reads({1, 1, 3}));                             // unknown role
    EXPECT_FALSE(Reads({1, 1, 1, 'A', 'B', 'C', '2', '3'}));    // code too short
    EXPECT_FALSE(Reads({1, 1, 1, 'A', 'B', 'C', '2', '3', '0'}));  // 0 is not in the alphabet
    EXPECT_FALSE(Reads({1, 1, 1, 'a', 'b', 'c', '2', '3', '4'}));  // lower case
    EXPECT_FALSE(Reads({2}));                                   // data without flags
    EXPECT_FALSE(Reads({2, 8, 1}));                             // unknown flag
    EXPECT_FALSE(Reads({17, 0}));                               // trailing byte
    EXPECT_FALSE(Reads({18, 2, 1}));                            // no third player
    EXPECT_FALSE(Reads({19}));                                  // who left?
    EXPECT_FALSE(Reads({20}));                                  // error without text
    EXPECT_FALSE(Reads({20, 'a', '\n'}));                       // control character
    EXPECT_FALSE(Reads(std::vector<std::uint8_t>(RelayMaxTextBytes + 2, 'a')));
    EXPECT_TRUE(Reads({1, 1, 1, 'A', 'B', 'C', '2', '3', '4'}));
    EXPECT_TRUE(Reads({2, 0}));
}

TEST(RelayProtocol, CodesAreTypedLoosely)
{
    EXPECT_EQ(NormalizeRelayCode("abc-234"), "ABC234");
    EXPECT_EQ(NormalizeRelayCode(" hjk mnp "), "HJKMNP");
    EXPECT_TRUE(IsRelayCode("ABC234"));
    EXPECT_FALSE(IsRelayCode("ABC2341"));
    EXPECT_FALSE(IsRelayCode("OIL234"));
}

TEST(RelayLinkUrl, RelayAddressesAreRead)
{
    std::string host, port, path;
    ASSERT_TRUE(ParseRelayUrl("ws://example.org:1234/relay", host, port, path));
    EXPECT_EQ(host, "example.org");
    EXPECT_EQ(port, "1234");
    EXPECT_EQ(path, "/relay");
    ASSERT_TRUE(ParseRelayUrl("ws://[::1]", host, port, path));
    EXPECT_EQ(host, "::1");
    EXPECT_EQ(port, "24863");
    EXPECT_EQ(path, "/");
    EXPECT_FALSE(ParseRelayUrl("http://example.org", host, port, path));
    EXPECT_FALSE(ParseRelayUrl("ws://:80", host, port, path));
    EXPECT_FALSE(ParseRelayUrl("ws://host:99999", host, port, path));
    EXPECT_FALSE(ParseRelayUrl("ws://host:x", host, port, path));
}

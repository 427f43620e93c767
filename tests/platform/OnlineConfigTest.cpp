// The relay's address in "data/online.cfg": written and read back, and the
// default with one message on standard error for a missing, malformed or
// overlong file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/OnlineConfig.h"
#include "tests/support/Sandbox.h"

namespace {

class OnlineConfigTest : public ::testing::Test {
protected:
    // Loads the file, and returns what was printed on standard error.
    std::string LoadCapturingErrors(OnlineConfig& config) const
    {
        ::testing::internal::CaptureStderr();
        config = LoadOnlineConfig();
        return ::testing::internal::GetCapturedStderr();
    }
    // Loads a file of this content: the default address and one line on stderr.
    void ExpectRefused(const std::string& content, const std::string& why) const
    {
        sandbox.Write(OnlineConfigPath, content);
        OnlineConfig config{"ws://left.over:1"};
        const std::string errors = LoadCapturingErrors(config);
        EXPECT_EQ(config.relayUrl, DefaultRelayUrl) << why;
        EXPECT_NE(errors.find("data/online.cfg"), std::string::npos) << why << ": " << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << why << ": " << errors;
    }

    Sandbox sandbox;
};

TEST_F(OnlineConfigTest, TheShippedFileNamesTheDefaultRelay)
{
    sandbox.CopyShipped(OnlineConfigPath);
    OnlineConfig config;
    EXPECT_EQ(LoadCapturingErrors(config), "");
    EXPECT_EQ(config.relayUrl, "ws://127.0.0.1:24863");
}

TEST_F(OnlineConfigTest, AnAddressSavedIsReadBackAsOneLineWrittenAtomically)
{
    const std::string longest = "ws://" + std::string(MaxRelayUrlLength - 5, 'h');
    for (const std::string& url : std::vector<std::string>{
             "ws://relay.example.org:24863", "ws://10.0.0.7", "ws://[::1]:24863/games", longest}) {
        ASSERT_TRUE(SaveOnlineConfig({url})) << url;
        EXPECT_EQ(sandbox.Read(OnlineConfigPath), url + "\n");
        EXPECT_FALSE(sandbox.Exists("data/online.cfg.tmp"));
        OnlineConfig config;
        EXPECT_EQ(LoadCapturingErrors(config), "") << url;
        EXPECT_EQ(config.relayUrl, url);
    }
    sandbox.Write(OnlineConfigPath, "ws://crlf.example:9\r\n");  // written on another system
    OnlineConfig config;
    EXPECT_EQ(LoadCapturingErrors(config), "");
    EXPECT_EQ(config.relayUrl, "ws://crlf.example:9");
}

TEST_F(OnlineConfigTest, AMissingOrMalformedFileGivesTheDefaultWithOneMessage)
{
    sandbox.Remove(OnlineConfigPath);
    OnlineConfig config{"ws://left.over:1"};
    const std::string errors = LoadCapturingErrors(config);
    EXPECT_EQ(config.relayUrl, DefaultRelayUrl);
    EXPECT_EQ(errors, "data/online.cfg: cannot be read; using the relay at ws://127.0.0.1:24863\n");

    ExpectRefused("", "empty");
    ExpectRefused("\n", "an empty line");
    ExpectRefused("relay.example.org:24863\n", "no scheme");
    ExpectRefused("http://relay.example.org\n", "another scheme");
    ExpectRefused("ws://\n", "no host");
    ExpectRefused("ws://:24863\n", "a port without a host");
    ExpectRefused("ws://relay example\n", "a blank inside");
    ExpectRefused("ws://a.example\nws://b.example\n", "two lines");
    ExpectRefused(std::string("ws://relay\0x", 12) + "\n", "a control character");
}

TEST_F(OnlineConfigTest, AnOverlongLineIsRefusedBothWays)
{
    const std::string overlong = "ws://" + std::string(MaxRelayUrlLength - 4, 'h');
    ExpectRefused(overlong + "\n", "one character too long");
    ExpectRefused("ws://" + std::string(1 << 20, 'h') + "\n", "a megabyte");

    ASSERT_TRUE(SaveOnlineConfig({"ws://kept.example:1"}));
    EXPECT_FALSE(SaveOnlineConfig({overlong}));
    EXPECT_FALSE(SaveOnlineConfig({"not an address"}));
    EXPECT_EQ(sandbox.Read(OnlineConfigPath), "ws://kept.example:1\n");  // left as it was
}

}  // namespace

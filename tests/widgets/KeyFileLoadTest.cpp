// Reading key files: the flag line, then one key per action; short files,
// missing files and numbers at the very end of a file.
#include <gtest/gtest.h>

#include <string>

#include "app/GameTypes.h"
#include "input/KeyBindings.h"
#include "tests/support/HeadlessTest.h"

namespace {

// A key file with the given flag and keys, one number per line.
std::string KeyFile(int flag, int firstKey, int count)
{
    std::string content = std::to_string(flag) + "\n";
    for (int i = 0; i < count; ++i)
        content += std::to_string(firstKey + i) + "\n";
    return content;
}

// Starts with data/keys.cfg binding action i to key 100 + i, flag 1.
class KeyFileLoadTest : public HeadlessTest {
protected:
    void PrepareFiles() override { sandbox->Write(KeysPath, KeyFile(1, 100, ActionCount)); }
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CreateBaseGlobals();
    }
    void TearDown() override
    {
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }
};

TEST_F(KeyFileLoadTest, StartUpReadsTheKeysFileAndWaitsForNoKey)
{
    CaptureOutput();
    const KeyBindings bindings;
    EXPECT_EQ(TakeOutput(), "");
    EXPECT_EQ(bindings.fileFlag, 1);
    EXPECT_EQ(bindings.keys[MoveGulperRight], 100);
    EXPECT_EQ(bindings.keys[ExitGame], 125);
    EXPECT_EQ(bindings.captureIndex, NoValue);
}

TEST_F(KeyFileLoadTest, WithoutAKeysFileEveryActionIsUnbound)
{
    sandbox->Remove(KeysPath);
    CaptureOutput();
    const KeyBindings bindings;
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/keys.cfg, You will need to redefine keys");
    for (const int key : bindings.keys)
        EXPECT_EQ(key, 0);
}

TEST_F(KeyFileLoadTest, AMissingStockFileLeavesTheBindingsAsTheyWere)
{
    KeyBindings bindings;
    CaptureOutput();
    EXPECT_FALSE(bindings.Load(DefaultHotseatKeysPath));
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/default_hotseat_keys.cfg, "
                            "You will need to redefine keys");
    EXPECT_EQ(bindings.keys[MoveGulperRight], 100);
    EXPECT_EQ(bindings.keys[ExitGame], 125);
    EXPECT_EQ(bindings.fileFlag, 1);
}

TEST_F(KeyFileLoadTest, AFileEndingAfterLineTenChangesActionsZeroToEightOnly)
{
    KeyBindings bindings;
    sandbox->Write(DefaultKeysPath, KeyFile(0, 200, 9));
    EXPECT_TRUE(bindings.Load(DefaultKeysPath));
    EXPECT_EQ(bindings.fileFlag, 0);
    EXPECT_EQ(bindings.keys[MoveGulperRight], 200);
    EXPECT_EQ(bindings.keys[MoveGhostDown], 208);
    EXPECT_EQ(bindings.keys[StopGhosts], 109);
    EXPECT_EQ(bindings.keys[ExitGame], 125);
}

TEST_F(KeyFileLoadTest, ALastNumberWithoutALineBreakIsNotRead)
{
    KeyBindings bindings;
    std::string content = KeyFile(0, 200, ActionCount);
    content.pop_back();
    sandbox->Write(DefaultKeysPath, content);
    bindings.Load(DefaultKeysPath);
    EXPECT_EQ(bindings.keys[KeysHelpScreen], 224);
    EXPECT_EQ(bindings.keys[ExitGame], 125);
}

TEST_F(KeyFileLoadTest, NumbersAfterTheLastActionAreIgnored)
{
    KeyBindings bindings;
    sandbox->Write(DefaultKeysPath, KeyFile(0, 200, ActionCount + 5));
    bindings.Load(DefaultKeysPath);
    EXPECT_EQ(bindings.keys[ExitGame], 225);
}

TEST_F(KeyFileLoadTest, LineBreaksOfEitherConventionAndBlanksAreAccepted)
{
    KeyBindings bindings;
    std::string content = "  3\r\n";
    for (int i = 0; i < ActionCount; ++i)
        content += std::to_string(300 + i) + (i % 2 ? "\r\n" : " \t\n\n");
    sandbox->Write(DefaultKeysPath, content);
    bindings.Load(DefaultKeysPath);
    EXPECT_EQ(bindings.fileFlag, 3);
    EXPECT_EQ(bindings.keys[MoveGulperRight], 300);
    EXPECT_EQ(bindings.keys[ExitGame], 325);
}

TEST_F(KeyFileLoadTest, ReadingStopsAtTheFirstThingThatIsNotANumber)
{
    KeyBindings bindings;
    sandbox->Write(DefaultKeysPath, "0\n200\n201\nspace\n203\n");
    bindings.Load(DefaultKeysPath);
    EXPECT_EQ(bindings.keys[MoveGulperLeft], 201);
    EXPECT_EQ(bindings.keys[MoveGulperUp], 102);
    EXPECT_EQ(bindings.keys[MoveGulperDown], 103);
}

}  // namespace

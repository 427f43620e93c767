// The key bindings: the key files (the flag line, then one key per action;
// short files, missing files, numbers at the very end of a file), saving
// data/keys.cfg, and the names of the keys.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/GameTypes.h"
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
class KeyBindingsTest : public BaseGlobalsTest {
protected:
    void PrepareFiles() override { sandbox->Write(KeysPath, KeyFile(1, 100, ActionCount)); }
    void SetUp() override
    {
        BaseGlobalsTest::SetUp();
        bindings = std::make_unique<KeyBindings>();
    }
    // Loads a stock key file of the given text.
    void LoadStock(const std::string& content)
    {
        sandbox->Write(DefaultKeysPath, content);
        EXPECT_TRUE(bindings->Load(DefaultKeysPath));
    }
    std::unique_ptr<KeyBindings> bindings;
};

TEST_F(KeyBindingsTest, WithoutAKeysFileEveryActionIsUnboundAndAMissingStockFileChangesNothing)
{
    CaptureOutput();
    EXPECT_FALSE(bindings->Load(DefaultHotseatKeysPath));
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/default_hotseat_keys.cfg, "
                            "You will need to redefine keys");
    EXPECT_EQ(bindings->keys[ExitGame], 125);
    EXPECT_EQ(bindings->fileFlag, 1);

    sandbox->Remove(KeysPath);
    CaptureOutput();
    const KeyBindings unbound;
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/keys.cfg, You will need to redefine keys");
    for (const int key : unbound.keys)
        EXPECT_EQ(key, 0);
}

TEST_F(KeyBindingsTest, AShortFileChangesOnlyTheKeysItHolds)
{
    LoadStock(KeyFile(0, 200, 9));  // ends after line ten
    EXPECT_EQ(bindings->fileFlag, 0);
    EXPECT_EQ(bindings->keys[MoveGulperRight], 200);
    EXPECT_EQ(bindings->keys[MoveGhostDown], 208);
    EXPECT_EQ(bindings->keys[StopGhosts], 109);

    std::string unfinished = KeyFile(0, 200, ActionCount);
    unfinished.pop_back();  // the last number loses its line break: it is not read
    LoadStock(unfinished);
    EXPECT_EQ(bindings->keys[KeysHelpScreen], 224);
    EXPECT_EQ(bindings->keys[ExitGame], 125);

    LoadStock("0\n300\n301\nspace\n303\n");  // reading stops at what is no number
    EXPECT_EQ(bindings->keys[MoveGulperLeft], 301);
    EXPECT_EQ(bindings->keys[MoveGulperUp], 202);
}

TEST_F(KeyBindingsTest, AnyBlanksSeparateTheKeysAndNumbersAfterTheLastActionAreIgnored)
{
    std::string content = "  3\r\n";
    for (int i = 0; i < ActionCount + 5; ++i)
        content += std::to_string(300 + i) + (i % 2 ? "\r\n" : " \t\n\n");
    LoadStock(content);
    EXPECT_EQ(bindings->fileFlag, 3);
    EXPECT_EQ(bindings->keys[MoveGulperRight], 300);
    EXPECT_EQ(bindings->keys[ExitGame], 325);
}

TEST_F(KeyBindingsTest, SavedBindingsAreWrittenOnePerLineAndReadBackTheSame)
{
    bindings->fileFlag = 7;
    for (int action = 0; action < ActionCount; ++action)
        bindings->keys[action] = 273 + action;
    bindings->keys[PauseGame] = 0;
    ASSERT_TRUE(bindings->Save());
    EXPECT_EQ(sandbox->Read(KeysPath).substr(0, 10), "7\n273\n274\n");
    const KeyBindings reread;
    EXPECT_EQ(reread.fileFlag, 7);
    for (int action = 0; action < ActionCount; ++action)
        EXPECT_EQ(reread.keys[action], bindings->keys[action]) << ActionNames[action];
}

// The game goes on with the bindings in memory and the old file stays whole.
TEST_F(KeyBindingsTest, AnUnwritableFileIsReportedAndLeftAsItWas)
{
    const std::string before = sandbox->Read(KeysPath);
    std::filesystem::create_directory(sandbox->path + "/data/keys.cfg.tmp");
    bindings->keys[ExitGame] = 298;
    CaptureOutput();
    EXPECT_FALSE(bindings->Save());
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/keys.cfg");
    EXPECT_EQ(sandbox->Read(KeysPath), before);
    EXPECT_EQ(bindings->keys[ExitGame], 298);
}

}  // namespace

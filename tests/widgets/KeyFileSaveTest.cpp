// Writing data/keys.cfg when the player confirms new bindings.
#include <gtest/gtest.h>

#include <filesystem>

#include "input/KeyBindings.h"
#include "tests/support/HeadlessTest.h"

namespace {

class KeyFileSaveTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CreateBaseGlobals();
        CaptureOutput();
        bindings = std::make_unique<KeyBindings>();  // no keys file yet
        TakeOutput();
        bindings->fileFlag = 7;
        for (int action = 0; action < ActionCount; ++action)
            bindings->keys[action] = 273 + action;
    }
    void TearDown() override
    {
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }
    std::unique_ptr<KeyBindings> bindings;
};

TEST_F(KeyFileSaveTest, TheFlagAndTheKeysAreWrittenOnePerLine)
{
    EXPECT_TRUE(bindings->Save());
    std::string expected = "7\n";
    for (int action = 0; action < ActionCount; ++action)
        expected += std::to_string(273 + action) + "\n";
    EXPECT_EQ(sandbox->Read(KeysPath), expected);
}

TEST_F(KeyFileSaveTest, SavedBindingsReadBackTheSame)
{
    bindings->keys[PauseGame] = 0;
    bindings->keys[SelectGhost1] = 511;
    ASSERT_TRUE(bindings->Save());
    const KeyBindings reread;
    EXPECT_EQ(reread.fileFlag, 7);
    for (int action = 0; action < ActionCount; ++action)
        EXPECT_EQ(reread.keys[action], bindings->keys[action]) << ActionNames[action];
}

// The game goes on with the bindings in memory and the old file stays whole.
TEST_F(KeyFileSaveTest, AnUnwritableFileIsReportedAndLeftAsItWas)
{
    sandbox->Write(KeysPath, "old content\n");
    std::filesystem::create_directory(sandbox->path + "/data/keys.cfg.tmp");
    CaptureOutput();
    EXPECT_FALSE(bindings->Save());
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/keys.cfg");
    EXPECT_EQ(sandbox->Read(KeysPath), "old content\n");
    EXPECT_EQ(bindings->keys[ExitGame], 298);
}

}  // namespace

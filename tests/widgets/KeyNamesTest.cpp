// The names shown on the controls screen: the actions' names and the media
// library's names of the keys.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include "input/KeyBindings.h"
#include "tests/support/HeadlessTest.h"

namespace {

class KeyNamesTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CreateBaseGlobals();
        CaptureOutput();
        bindings = std::make_unique<KeyBindings>();
        TakeOutput();
    }
    void TearDown() override
    {
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }
    std::unique_ptr<KeyBindings> bindings;
};

TEST_F(KeyNamesTest, EveryKeySymbolBelow512HasTheLibrarysName)
{
    ASSERT_EQ(bindings->keyNames.size(), static_cast<size_t>(KeyNameCount));
    for (int key = 0; key < KeyNameCount; ++key)
        EXPECT_EQ(bindings->keyNames[key], SDL_GetKeyName(static_cast<SDLKey>(key)));
    EXPECT_EQ(bindings->NameOf(SDLK_a), "a");
}

TEST_F(KeyNamesTest, TheKeyAwaitedShowsAsAQuestionMark)
{
    EXPECT_EQ(bindings->NameOf(UnknownKey), "?");
}

TEST_F(KeyNamesTest, AKeySymbolOutsideTheListIsNamedWithAQuestionMark)
{
    EXPECT_EQ(bindings->NameOf(-1), "?");
    EXPECT_EQ(bindings->NameOf(KeyNameCount), "?");
    EXPECT_EQ(bindings->NameOf(999999999), "?");
}

TEST(ActionNames, TheSidesAndTheGameKeysAreNamedInFileOrder)
{
    EXPECT_STREQ(ActionNames[MoveGulperRight], "Move gulper right");
    EXPECT_STREQ(ActionNames[StopGulper], "Stop Gulper");
    EXPECT_STREQ(ActionNames[MoveGhostRight], "Move ghost right");
    EXPECT_STREQ(ActionNames[StopGhosts], "Stop ghosts");
    EXPECT_STREQ(ActionNames[SelectPrevGhost], "Select prev ghost");
    EXPECT_STREQ(ActionNames[GroupSelection], "Group selection");
    EXPECT_STREQ(ActionNames[PauseGame], "Pause");
    EXPECT_STREQ(ActionNames[KeysHelpScreen], "Keys help screen");
    EXPECT_STREQ(ActionNames[ExitGame], "Exit game");
}

TEST(ActionNames, TheEightGhostsAreSelectedByNumber)
{
    for (int ghost = 1; ghost <= 8; ++ghost)
        EXPECT_EQ(ActionNames[SelectGhost1 + ghost - 1], "Select ghost " + std::to_string(ghost));
}

}  // namespace

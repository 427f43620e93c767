// Building the interface at start-up: the key bindings first, then the
// shared images in their order, then the two fonts; missing images are
// reported one by one and the game starts all the same.
#include <gtest/gtest.h>

#include <string>

#include "app/Globals.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "tests/game/GameTest.h"

namespace {

constexpr const char* ImagesInLoadOrder[] = {
    "images/button_72_18.bmp", "images/button_18_18.bmp", "images/button_12_12.bmp",
    "images/menu_144_180.bmp", "images/menu_90_126.bmp",  "images/menu_432_342.bmp",
    "images/menu_126_18.bmp",
};

class InterfaceStartTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        sandbox->Remove("data/keys.cfg");
        for (const char* image : ImagesInLoadOrder)
            sandbox->Remove(image);
        sandbox->Remove("data/font18.bmp");
        sandbox->Remove("data/font10.bmp");
        CaptureOutput();
    }
};

TEST_F(InterfaceStartTest, KeysThenImagesThenFontsAreLoadedInTheirOrder)
{
    const std::string output = TakeOutput();
    std::string expected = "Couldn't open file data/keys.cfg, You will need to redefine keys";
    for (const char* image : ImagesInLoadOrder)
        expected += std::string("Failed to load image ") + image + ".";
    expected += "Failed to load image data/font18.bmp.Failed to load image data/font10.bmp.";
    EXPECT_NE(output.find(expected), std::string::npos) << output;
}

TEST_F(InterfaceStartTest, WithoutItsImagesTheGameStillRunsItsMenus)
{
    TakeOutput();
    EXPECT_EQ(TheGui->images[Button72x18], nullptr);
    EXPECT_FALSE(RunFrames(2));
    EXPECT_FALSE(Click(PlayButton));
    EXPECT_EQ(GameState, GameModeMenu);
}

using InterfaceStateTest = GameTest;

TEST_F(InterfaceStateTest, TheInterfaceStartsWithNoSelectionAndTheDefaultTimeLimit)
{
    EXPECT_FALSE(TheGui->groupSelection);
    EXPECT_FALSE(TheGui->selectionBox.active);
    EXPECT_EQ(TheGui->timer->limit, DefaultTimeLimit);
    EXPECT_EQ(TheGui->controllerNames, (std::vector<std::string>{"Human", "AI"}));
}

TEST_F(InterfaceStateTest, EveryMenuStateHasItsPanelAndTheOthersNone)
{
    for (int state = MainMenu; state <= CampaignComplete; ++state)
        EXPECT_EQ(TheGui->PanelOf(state) != nullptr, IsMenuState(state)) << "state " << state;
    EXPECT_EQ(TheGui->PanelOf(ControlsInGame), TheGui->PanelOf(ControlsMenu));
}

}  // namespace

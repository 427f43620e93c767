// The options screen: frame rate (5 to 60 in steps of 5, at once), time
// limit, music volume (on the mixer at once, even at its limit), effects
// volume and the tile set (wrapping). All but the time limit outlive the run.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>
#include <string>
#include <vector>

#include "app/Program.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int AskVolume = -1;  // Mix_VolumeMusic with -1 reads the volume without changing it

class OptionsScreenTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Click(OptionsButton);
    }
    static void Clicks(int id, int times)
    {
        for (int i = 0; i < times; ++i)
            Click(id);
    }
};

TEST_F(OptionsScreenTest, TheFrameRateStepsWithinFiveAndSixtyAndTakesEffectAtOnce)
{
    const struct {
        int from, button, clicks, to, period;
    } cases[] = {
        {20, FrameRateUpButton, 9, 60, 16}, {20, FrameRateDownButton, 4, 5, 200},
        {58, FrameRateUpButton, 2, 63, 15},  // off the grid: past sixty once
    };
    for (const auto& c : cases) {
        TheConfig->framesPerSecond = c.from;
        Clicks(c.button, c.clicks);
        EXPECT_EQ(TheConfig->framesPerSecond, c.to) << c.from;
        EXPECT_EQ(TheScreen->framesPerSecond, c.to) << c.from;
        EXPECT_EQ(TheScreen->framePeriod, c.period) << c.from;
    }
}

TEST_F(OptionsScreenTest, TheVolumesStayWithinNoughtAndAHundredAndTheMusicsReachesTheMixerAtOnce)
{
    ASSERT_TRUE(TheSounds->audioOpen);
    Mix_VolumeMusic(20);  // whatever the mixer holds, "+" at the top puts the setting there
    Click(MusicUpButton);
    EXPECT_EQ(TheConfig->musicVolume, 100);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 100);
    Click(MusicDownButton);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 90);
    Clicks(MusicDownButton, 10);
    EXPECT_EQ(TheConfig->musicVolume, 0);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 0);

    Click(EffectsUpButton);
    EXPECT_EQ(TheConfig->effectsVolume, 100);
    Clicks(EffectsDownButton, 3);
    EXPECT_EQ(TheConfig->effectsVolume, 70);
    EXPECT_EQ(Mix_VolumeMusic(AskVolume), 0);  // the effects leave the music alone
    TheConfig->effectsVolume = 0;
    Click(EffectsDownButton);
    EXPECT_EQ(TheConfig->effectsVolume, 0);
}

TEST_F(OptionsScreenTest, TheOptionsOutliveTheRunButNotTheTimeLimit)
{
    Click(FrameRateUpButton);
    Click(MusicDownButton);
    Click(EffectsDownButton);
    Click(TimeLimitUpButton);
    Click(TileSetButton);
    DestroyGlobals();  // the end of the run writes the configuration
    CreateGlobals();
    EXPECT_EQ(TheConfig->framesPerSecond, 25);
    EXPECT_EQ(TheConfig->musicVolume, 90);
    EXPECT_EQ(TheConfig->effectsVolume, 90);
    EXPECT_EQ(TheConfig->tileSet, 1);
    EXPECT_EQ(TheGui->timer->limit, DefaultTimeLimit);
}

}  // namespace

// The sound bank: what is loaded, what is played, and silent running.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "tests/support/HeadlessTest.h"

namespace {

// True when this test program runs with an audio driver that cannot open,
// as CTest arranges for the WithoutAudio tests.
bool RunningWithoutAudio()
{
    const char* driver = getenv("SDL_AUDIODRIVER");
    return driver && strcmp(driver, "none") == 0;
}

class SoundTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        if (RunningWithoutAudio())
            GTEST_SKIP() << "needs the dummy audio driver";
        sandbox->CopyAllShipped();
        sandbox->Remove("sfx/button_click.wav");
        CreateBaseGlobals();
    }
    void TearDown() override
    {
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }
};

TEST_F(SoundTest, EffectsAndMusicPlayAtTheirVolumesAndHaltSeparately)
{
    TheConfig->effectsVolume = 30;
    TheConfig->musicVolume = 40;
    const int channel = TheSounds->PlayEffect(GhostAttackingSound, LoopForever);
    ASSERT_GE(channel, 0);
    EXPECT_EQ(Mix_VolumeChunk(TheSounds->effects[GhostAttackingSound], -1), 30);
    TheSounds->PlayMusic(StartingLevelMusic, 0);
    EXPECT_EQ(Mix_VolumeMusic(-1), 40);

    TheSounds->HaltChannel(-1);  // "no channel", not "every channel"
    EXPECT_TRUE(TheSounds->IsPlaying(channel));
    TheSounds->HaltEffects();
    EXPECT_FALSE(TheSounds->IsPlaying(channel));
    EXPECT_TRUE(Mix_PlayingMusic());  // halting effects leaves the music
    TheSounds->HaltAllSound();
    EXPECT_FALSE(Mix_PlayingMusic());
}

// Run by CTest with an audio driver that cannot open: the game warns and plays silently.
TEST(WithoutAudio, GameWarnsAndRunsSilently)
{
    if (!RunningWithoutAudio())
        GTEST_SKIP() << "run by CTest without an audio device";
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    Sandbox sandbox;
    sandbox.CopyAllShipped();
    ::testing::internal::CaptureStdout();
    TheScreen = new Screen(20, true, 504, 378);
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(output.rfind("Warning: Couldn't set 44100 Hz 16-bit audio\nReason: ", 0), 0u) << output;
    EXPECT_FALSE(TheScreen->audioOpen);

    TheConfig = new Config();
    TheSounds = new SoundBank();
    EXPECT_EQ(TheSounds->PlayEffect(EatingCornSound, 0), -1);
    TheSounds->PlayMusic(StartingLevelMusic, 0);
    TheSounds->HaltAllSound();
    EXPECT_EQ(TheSounds->playCount[EatingCornSound], 1);
    EXPECT_EQ(TheSounds->playCount[StartingLevelMusic], 1);
    delete TheSounds;
    delete TheConfig;
    TheSounds = nullptr;
    TheConfig = nullptr;
}

}  // namespace

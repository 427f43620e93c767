#include "platform/SoundBank.h"

#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

const char* const SoundFiles[SoundCount] = {
    "sfx/gulper_dying.wav",        "sfx/gulper_eating_corn.wav",
    "sfx/gulper_eating_ghost.wav", "sfx/selecting_ghost.wav",
    "sfx/issuing_order_to_ghost.wav", "sfx/ghost_afraid.wav",
    "sfx/ghost_attacking.wav",     "sfx/ghost_eyes_only.wav",
    "sfx/button_click.wav",        "music/starting_level.wav",
    "music/game_end.wav",
};

// The order in which the effects are loaded and freed.
const int LoadOrder[EffectCount] = {DyingSound, EatingGhostSound, EatingCornSound,
                                    ButtonClickSound, SelectingGhostSound, IssuingOrderSound,
                                    GhostAfraidSound, GhostAttackingSound, GhostEyesOnlySound};
const int FreeOrder[EffectCount] = {DyingSound, EatingCornSound, EatingGhostSound,
                                    ButtonClickSound, SelectingGhostSound, IssuingOrderSound,
                                    GhostAfraidSound, GhostAttackingSound, GhostEyesOnlySound};

constexpr int AnyFreeChannel = -1;
constexpr int NoTimeLimit = -1;

}  // namespace

// Without an audio device the mixer is never touched: the game runs silently.
SoundBank::SoundBank() : audioOpen(TheScreen->audioOpen), effects{}, music{}, playCount{}
{
    if (!audioOpen)
        return;
    for (int sound : LoadOrder)
        effects[sound] = Mix_LoadWAV_RW(SDL_RWFromFile(SoundFiles[sound], "rb"), 1);
    for (int sound = StartingLevelMusic; sound <= GameEndMusic; ++sound)
        music[sound - EffectCount] = Mix_LoadMUS(SoundFiles[sound]);
}

SoundBank::~SoundBank()
{
    if (!audioOpen)
        return;
    for (int sound : FreeOrder)
        Mix_FreeChunk(effects[sound]);
    for (Mix_Music* piece : music)
        Mix_FreeMusic(piece);
}

int SoundBank::PlayEffect(int sound, int loops)
{
    ++playCount[sound];
    Mix_Chunk* chunk = effects[sound];
    if (!audioOpen || !chunk)
        return -1;
    Mix_VolumeChunk(chunk, TheConfig->effectsVolume);
    return Mix_PlayChannelTimed(AnyFreeChannel, chunk, loops, NoTimeLimit);
}

void SoundBank::PlayMusic(int sound, int loops)
{
    ++playCount[sound];
    Mix_Music* piece = music[sound - EffectCount];
    if (!audioOpen || !piece)
        return;
    Mix_VolumeMusic(TheConfig->musicVolume);
    Mix_PlayMusic(piece, loops);
}

void SoundBank::HaltEffects()
{
    if (!audioOpen)
        return;
    for (int channel = 0; channel < MixerChannels; ++channel) {
        if (Mix_Playing(channel))
            Mix_HaltChannel(channel);
    }
}

void SoundBank::HaltAllSound()
{
    if (audioOpen)
        Mix_HaltMusic();
    HaltEffects();
}

bool SoundBank::IsPlaying(int channel) const
{
    return audioOpen && channel >= 0 && channel < MixerChannels && Mix_Playing(channel);
}

void SoundBank::HaltChannel(int channel)
{
    if (audioOpen && channel >= 0 && channel < MixerChannels)
        Mix_HaltChannel(channel);
}

void SoundBank::SetMusicVolume(int volume)
{
    if (audioOpen)
        Mix_VolumeMusic(volume);
}

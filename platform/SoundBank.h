// Every sound the game makes, loaded once at start-up: nine effects played on
// the mixer's free channels, and two pieces of music.
#pragma once

#include <SDL/SDL_mixer.h>

// Sounds by index: effects first, then music.
enum Sound : int {
    DyingSound = 0,          // "sfx/gulper_dying.wav"
    EatingCornSound = 1,     // "sfx/gulper_eating_corn.wav"
    EatingGhostSound = 2,    // "sfx/gulper_eating_ghost.wav"
    SelectingGhostSound = 3, // "sfx/selecting_ghost.wav"
    IssuingOrderSound = 4,   // "sfx/issuing_order_to_ghost.wav"
    GhostAfraidSound = 5,    // "sfx/ghost_afraid.wav", looped
    GhostAttackingSound = 6, // "sfx/ghost_attacking.wav", looped
    GhostEyesOnlySound = 7,  // "sfx/ghost_eyes_only.wav", looped
    ButtonClickSound = 8,    // "sfx/button_click.wav"
    StartingLevelMusic = 9,  // "music/starting_level.wav"
    GameEndMusic = 10,       // "music/game_end.wav"
};
constexpr int EffectCount = 9;
constexpr int SoundCount = 11;
constexpr int MixerChannels = 8;  // the mixer's default channel count, never changed
constexpr int LoopForever = -1;   // loop count of the ghosts' looping sounds

class SoundBank {
public:
    SoundBank();
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Plays an effect at the effects volume on the first free channel; returns
    // the channel, or -1 when none is free or there is no sound.
    int PlayEffect(int sound, int loops);
    // Starts a piece of music at the music volume, replacing the one playing.
    void PlayMusic(int sound, int loops);
    // Stops every channel that is playing; the music goes on.
    void HaltEffects();
    // Stops the music and every effect.
    void HaltAllSound();
    // Whether a mixer channel is playing.
    bool IsPlaying(int channel) const;
    // Stops one mixer channel.
    void HaltChannel(int channel);
    // Sets the music volume at once (the options screen's music buttons).
    void SetMusicVolume(int volume);

    bool audioOpen;  // the screen opened the audio device; without it nothing is played
    Mix_Chunk* effects[EffectCount];  // null where a file did not load
    Mix_Music* music[SoundCount - EffectCount];  // indexed by sound - EffectCount
    // How often each sound was started, with or without an audio device:
    // how tests hear what the game played.
    int playCount[SoundCount];
};

#include "tools/sound/SoundCatalogue.h"

#include "tools/sound/Effects.h"
#include "tools/sound/Envelopes.h"
#include "tools/sound/Loudness.h"
#include "tools/sound/Music.h"

const std::vector<SoundEntry>& SoundCatalogue()
{
    // The corn blip repeats several times a second and the loops sound under
    // everything else, so they sit a little below the other effects.
    static const std::vector<SoundEntry> catalogue = {
        {"sfx/gulper_dying.wav", SoundKind::Effect, 1.6, 0.0, GulperDying},
        {"sfx/gulper_eating_corn.wav", SoundKind::Effect, 0.1, -5.0, GulperEatingCorn},
        {"sfx/gulper_eating_ghost.wav", SoundKind::Effect, 0.6, 0.0, GulperEatingGhost},
        {"sfx/selecting_ghost.wav", SoundKind::Effect, 0.15, -2.0, SelectingGhost},
        {"sfx/issuing_order_to_ghost.wav", SoundKind::Effect, 0.25, -2.0, IssuingOrderToGhost},
        {"sfx/ghost_afraid.wav", SoundKind::Loop, 1.2, -4.0, GhostAfraid},
        {"sfx/ghost_attacking.wav", SoundKind::Loop, 1.2, -5.0, GhostAttacking},
        {"sfx/ghost_eyes_only.wav", SoundKind::Loop, 1.2, -4.0, GhostEyesOnly},
        {"sfx/button_click.wav", SoundKind::Effect, 0.05, -3.0, ButtonClick},
        {"music/starting_level.wav", SoundKind::Music, 2.9, 0.0, StartingLevelJingle},
        {"music/game_end.wav", SoundKind::Music, 4.4, 0.0, GameEndFanfare},
    };
    return catalogue;
}

Samples FinishSound(const SoundEntry& entry)
{
    Samples samples = entry.render();
    if (entry.kind != SoundKind::Loop) {
        FadeIn(samples, FadeInSeconds);
        FadeOut(samples, FadeOutSeconds);
    }
    const double targetDb =
        (entry.kind == SoundKind::Music ? MusicTargetRmsDb : EffectTargetRmsDb) + entry.trimDb;
    Level(samples, DecibelsToGain(targetDb), DecibelsToGain(PeakCeilingDb));
    return samples;
}

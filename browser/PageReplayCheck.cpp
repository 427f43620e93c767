// Playing a replay back inside the running page (see PageReplayCheck.h).
#include "browser/PageReplayCheck.h"

#include <algorithm>
#include <iterator>

#include "actors/GameEvents.h"
#include "platform/Globals.h"
#include "platform/SoundBank.h"
#include "replay/Checker.h"
#include "replay/ReplayFile.h"
#include "rules/PlayState.h"
#include "rules/Settings.h"
#include "rules/Tick.h"

namespace {

// What playing a replay back changes outside the play state, kept while it
// plays and put back when it is done.
class KeptGame {
public:
    KeptGame()
        : play(SavePlay()), settings(CurrentLevelSettings()), tick(TheTick), events(GameEvents),
          audioOpen(TheSounds->audioOpen)
    {
        std::copy(std::begin(TheSounds->playCount), std::end(TheSounds->playCount), playCount);
        // Silent, as the desktop's checker is without an audio device.
        TheSounds->audioOpen = false;
    }
    ~KeptGame()
    {
        ApplyLevelSettings(settings);
        RestorePlay(play);
        TheTick = tick;
        GameEvents = events;
        TheSounds->audioOpen = audioOpen;
        std::copy(std::begin(playCount), std::end(playCount), TheSounds->playCount);
    }
    KeptGame(const KeptGame&) = delete;
    KeptGame& operator=(const KeptGame&) = delete;

private:
    const PlaySnapshot play;       // the play state
    const LevelSettings settings;  // the settings in force (the frame rate among them)
    const TickState tick;          // the game time, the frame's state and the deferred actions
    const EventLog events;         // the events the next sounds are played from
    const bool audioOpen;          // whether the game plays sounds
    int playCount[SoundCount];     // how often each sound was started
};

}  // namespace

std::string CheckReplayInPage(const std::uint8_t* bytes, std::size_t size)
{
    Replay replay;
    std::string error;
    if (!DecodeReplay(bytes, size, replay, error))
        return "NOT READ: " + error;
    ReplayCheck check;
    {
        const KeptGame kept;
        check = CheckReplay(replay);
    }
    const ReplayOutcome& outcome = check.outcome;
    const std::string played = std::string(ReplayEndName(outcome.end)) + ", " +
                               std::to_string(outcome.playFrames) + " frames of play, corn " +
                               std::to_string(outcome.cornEaten) + ", boosts " +
                               std::to_string(outcome.boostsEaten) + ", ghosts eaten " +
                               std::to_string(outcome.ghostsEaten);
    return check.matches ? "OK: " + played : "MISMATCH: " + check.difference + " (" + played + ")";
}

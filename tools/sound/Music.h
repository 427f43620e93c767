// The two pieces of music, unlevelled: the catalogue fades and levels them.
#pragma once

#include "tools/sound/AudioBuffer.h"

// The jingle of the level intro; it must end within the 3000 ms intro.
Samples StartingLevelJingle();
// The fanfare of a level's end (either side winning); it must end within the 4500 ms pause.
Samples GameEndFanfare();

#include "tools/sound/Music.h"

#include "tools/sound/Pitches.h"
#include "tools/sound/Sequencer.h"

Samples StartingLevelJingle()
{
    // 150 beats a minute in sixteenths: 0.1 s a step, 27 steps.
    Tune tune;
    tune.stepSeconds = 0.1;
    tune.voices.push_back({{{0, 1, C5},  {1, 1, E5},  {2, 1, G5},  {3, 1, C6},
                            {4, 2, E6},  {6, 2, C6},
                            {8, 1, D6},  {9, 1, B5},  {10, 1, G5}, {11, 1, B5},
                            {12, 2, D6}, {14, 2, B5},
                            {16, 1, C6}, {17, 1, E6}, {18, 1, G6}, {19, 1, E6},
                            {20, 1, F6}, {21, 1, D6}, {22, 1, B5}, {23, 1, D6},
                            {24, 3, C6}},
                           BrightSquare, 0.5});
    tune.voices.push_back({{{0, 2, C3},  {2, 2, G3},  {4, 2, C4},  {6, 2, G3},
                            {8, 2, G2},  {10, 2, D3}, {12, 2, G3}, {14, 2, D3},
                            {16, 2, C3}, {18, 2, E3}, {20, 2, G2}, {22, 2, B2},
                            {24, 3, C3}},
                           Triangle, 0.8});
    for (int step = 0; step < 24; step += 2)
        tune.drums.push_back({step, step % 8 == 4 ? Drum::Snare : Drum::HiHat});
    tune.drums.push_back({0, Drum::Kick});
    tune.drums.push_back({8, Drum::Kick});
    tune.drums.push_back({16, Drum::Kick});
    tune.drums.push_back({24, Drum::Kick});
    tune.drumGain = 0.25;
    return PlayTune(tune);
}

Samples GameEndFanfare()
{
    // 125 beats a minute in sixteenths: 0.12 s a step, 34 steps.
    Tune tune;
    tune.stepSeconds = 0.12;
    tune.voices.push_back({{{0, 2, G5},   {2, 2, C6},   {4, 2, E6},   {6, 4, G6},
                            {10, 1, F6},  {11, 1, E6},  {12, 2, D6},  {14, 2, C6},
                            {16, 2, A5},  {18, 2, B5},  {20, 2, C6},  {22, 2, D6},
                            {24, 2, E6},  {26, 2, D6},  {28, 6, C6}},
                           BrightSquare, 0.5});
    tune.voices.push_back({{{28, 6, E5}, {28, 6, G5}}, MellowSquare, 0.2});
    tune.voices.push_back({{{0, 4, C3},  {4, 4, E3},  {8, 4, F3},  {12, 4, G3},
                            {16, 4, A2}, {20, 4, F3}, {24, 4, G2}, {28, 6, C3}},
                           Triangle, 0.8});
    for (int step = 0; step < 28; step += 2)
        tune.drums.push_back({step, step % 8 == 4 ? Drum::Snare : Drum::HiHat});
    for (int step = 0; step <= 28; step += 8)
        tune.drums.push_back({step, Drum::Kick});
    tune.drumGain = 0.25;
    return PlayTune(tune);
}

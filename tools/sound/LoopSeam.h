// Whether a looping sound joins its own start without a click. A loop
// played over and over is heard as if its first sample followed its last, so
// the step across that join must look like any step inside the sound: no
// larger jump, no sharper bend, and the join must be a zero crossing (the
// first sample 0, the samples around it on opposite sides).
#pragma once

#include "tools/sound/AudioBuffer.h"

struct SeamReport {
    double firstSample = 0.0;
    double lastSample = 0.0;
    double joinStep = 0.0;       // |first - last|: the jump across the join
    double largestStep = 0.0;    // the largest jump between neighbours inside the loop
    double joinBend = 0.0;       // |second difference| across the join
    double largestBend = 0.0;    // the largest |second difference| inside the loop
    bool zeroCrossing = false;   // first sample 0, last and second sample not on the same side
};

// Needs at least three samples; shorter sounds give an empty report.
SeamReport MeasureSeam(const Samples& samples);

// Every condition above, with a tolerance of one 16-bit quantization step.
bool IsSeamless(const SeamReport& seam);

// Shapes over time: the pitch and loudness curves that tones follow, and the
// short fades that keep the start and end of a sound free of clicks.
#pragma once

#include <functional>

#include "tools/sound/AudioBuffer.h"

// A value as a function of the time in seconds since the start of a tone.
using Curve = std::function<double(double seconds)>;

// Always the same value.
Curve Constant(double value);
// Glides from one value to another along an exponential (even steps in
// pitch), reaching it after the given time and staying there.
Curve ExponentialGlide(double from, double to, double seconds);
// Falls from 1 by a factor of e every timeConstant seconds.
Curve ExponentialDecay(double timeConstant);

// Ramps the first seconds of the sound up from silence.
void FadeIn(Samples& samples, double seconds);
// Ramps the last seconds of the sound down to silence.
void FadeOut(Samples& samples, double seconds);

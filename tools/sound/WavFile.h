// The WAV files of the game: RIFF, uncompressed 16-bit PCM, one channel,
// 44100 samples per second.
#pragma once

#include <string>

#include "tools/sound/AudioBuffer.h"

constexpr int PcmFullScale = 32767;  // the largest 16-bit sample value, standing for 1.0

// The complete bytes of a WAV file holding the samples, each rounded to
// 16 bits and clamped to full scale.
std::string EncodeWav(const Samples& samples);

// Reads back a file made by EncodeWav (or any mono 16-bit PCM WAV at 44100
// samples per second). False, with samples emptied, for anything else.
bool DecodeWav(const std::string& bytes, Samples& samples);

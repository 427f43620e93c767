#include "tools/sound/Waveforms.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double MellowHardness = 1.5;  // how square the mellow voice is
constexpr double BrightHardness = 4.0;  // how square the bright voice is

double Fraction(double phase)
{
    return phase - std::floor(phase);
}

// tanh of a scaled sine: near a sine for small hardness, near a square for large.
double RoundedSquare(double phase, double hardness)
{
    return std::tanh(hardness * Sine(phase)) / std::tanh(hardness);
}

}  // namespace

double Sine(double phase)
{
    return std::sin(2.0 * std::numbers::pi * Fraction(phase));
}

double Triangle(double phase)
{
    const double p = Fraction(phase);
    if (p < 0.25)
        return 4.0 * p;
    if (p < 0.75)
        return 2.0 - 4.0 * p;
    return 4.0 * p - 4.0;
}

double MellowSquare(double phase)
{
    return RoundedSquare(phase, MellowHardness);
}

double BrightSquare(double phase)
{
    return RoundedSquare(phase, BrightHardness);
}

double Chirp(double phase)
{
    return 0.5 * Triangle(phase) + 0.5 * BrightSquare(phase);
}

NoiseSource::NoiseSource(int holdSamples)
    : shiftRegister(1), holdSamples(holdSamples < 1 ? 1 : holdSamples), heldFor(0)
{
}

double NoiseSource::Next()
{
    if (++heldFor >= holdSamples) {
        heldFor = 0;
        // Feedback from bits 0 and 1 into bit 14, as in the classic noise channel.
        const std::uint32_t feedback = (shiftRegister ^ (shiftRegister >> 1)) & 1u;
        shiftRegister = (shiftRegister >> 1) | (feedback << 14);
    }
    return (shiftRegister & 1u) ? 1.0 : -1.0;
}

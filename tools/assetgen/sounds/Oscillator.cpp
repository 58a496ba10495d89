#include "sounds/Oscillator.h"

#include <cmath>

#include "sounds/Signal.h"

namespace sfx {
namespace {

// Smooths the jump of a naive wave around a discontinuity at phase 0 (the PolyBLEP residual).
double StepCorrection(double phase, double step)
{
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Wrap(double phase)
{
    return phase - std::floor(phase);
}

} // namespace

Oscillator::Oscillator(Wave wave, int rate, double duty, double startPhase)
    : mWave(wave), mRate(rate), mDuty(duty), mPhase(Wrap(startPhase))
{
}

double Oscillator::Next(double hz)
{
    const double step = std::fmin(hz / mRate, 0.5);
    double value = 0.0;
    switch (mWave) {
    case Wave::Sine:
        value = std::sin(kTwoPi * mPhase);
        break;
    case Wave::Triangle:
        // Shifted a quarter turn so that, like the sine, it starts at zero and rises.
        value = 1.0 - 4.0 * std::fabs(Wrap(mPhase + 0.25) - 0.5);
        break;
    case Wave::Pulse:
        value = (mPhase < mDuty ? 1.0 : -1.0) + StepCorrection(mPhase, step) -
                StepCorrection(Wrap(mPhase + 1.0 - mDuty), step);
        // Keeps a narrow pulse centred on zero.
        value -= 2.0 * mDuty - 1.0;
        break;
    case Wave::Saw:
        value = 2.0 * mPhase - 1.0 - StepCorrection(mPhase, step);
        break;
    }
    mPhase = Wrap(mPhase + step);
    return value;
}

} // namespace sfx

#pragma once
#include <cmath>

#include "sounds/Signal.h"

namespace sfx {

// One-pole low-pass: a gentle 6 dB per octave roll-off that softens a bright wave.
class LowPass {
public:
    LowPass(double cutoffHz, int rate) { SetCutoff(cutoffHz, rate); }

    void SetCutoff(double cutoffHz, int rate) { mCoefficient = 1.0 - std::exp(-kTwoPi * cutoffHz / rate); }
    double Process(double input)
    {
        mState += mCoefficient * (input - mState);
        return mState;
    }

private:
    double mCoefficient = 1.0;
    double mState = 0.0;
};

// One-pole high-pass: what the low-pass takes away.
class HighPass {
public:
    HighPass(double cutoffHz, int rate) : mLow(cutoffHz, rate) {}

    double Process(double input) { return input - mLow.Process(input); }

private:
    LowPass mLow;
};

// Two low-passes in a row: 12 dB per octave, for noise that should really lose its hiss.
class SoftLowPass {
public:
    SoftLowPass(double cutoffHz, int rate) : mFirst(cutoffHz, rate), mSecond(cutoffHz, rate) {}

    double Process(double input) { return mSecond.Process(mFirst.Process(input)); }

private:
    LowPass mFirst;
    LowPass mSecond;
};

template <typename Filter>
void FilterInPlace(Signal& signal, Filter filter)
{
    for (double& sample : signal) sample = filter.Process(sample);
}

} // namespace sfx

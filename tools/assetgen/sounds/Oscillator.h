#pragma once

namespace sfx {

enum class Wave { Sine, Triangle, Pulse, Saw };

// A free-running oscillator whose frequency may change on every sample (sweeps, vibrato).
// Pulse and saw are band-limited with polynomial steps so high notes do not alias.
class Oscillator {
public:
    Oscillator(Wave wave, int rate, double duty = 0.5, double startPhase = 0.0);

    // The current sample, then the phase advances by one sample at `hz`.
    double Next(double hz);

private:
    Wave mWave;
    double mRate;
    double mDuty;
    double mPhase;
};

} // namespace sfx

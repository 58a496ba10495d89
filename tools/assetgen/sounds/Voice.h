#pragma once
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "sounds/Oscillator.h"
#include "sounds/Signal.h"

namespace sfx {

// 1, falling to 0 over the last few milliseconds of a voice `count` samples long, so that
// a voice cut off while still sounding ends without a click.
inline double EndRamp(std::size_t i, std::size_t count, int rate)
{
    const double fade = 0.004 * rate;
    return std::fmin(1.0, static_cast<double>(count - i) / fade);
}

// Adds one oscillator to `out` from `start` for `length` seconds; `hz(t)` and `amp(t)` take
// the time since the voice began, so sweeps and envelopes are plain functions of time.
template <typename HzOfTime, typename AmpOfTime>
void AddVoice(Signal& out, int rate, double start, double length, Oscillator oscillator, HzOfTime hz,
              AmpOfTime amp)
{
    const std::size_t first = SampleCount(start, rate);
    const std::size_t count = SampleCount(length, rate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        out[first + i] += EndRamp(i, count, rate) * amp(t) * oscillator.Next(hz(t));
    }
}

// A quick linear rise over `attack`, then an exponential fall with time constant `tau`.
inline double Pluck(double t, double attack, double tau)
{
    return t < attack ? t / attack : std::exp(-(t - attack) / tau);
}

// An exponential glide from `from` to `to` Hz over `duration`, holding `to` afterwards.
inline double Glide(double t, double from, double to, double duration)
{
    return from * std::pow(to / from, std::min(t, duration) / duration);
}

// 1 until `start`, then a smooth (squared) fall to 0 at `end`.
inline double TailOff(double t, double start, double end)
{
    if (t <= start) return 1.0;
    if (t >= end) return 0.0;
    const double left = (end - t) / (end - start);
    return left * left;
}

} // namespace sfx

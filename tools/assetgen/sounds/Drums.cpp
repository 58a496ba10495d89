#include "sounds/Drums.h"

#include <cmath>

#include "sounds/Filters.h"
#include "sounds/Oscillator.h"
#include "sounds/Voice.h"

namespace sfx {
namespace {

Signal Kick(int rate, Noise& noise)
{
    constexpr double kLength = 0.25;
    Signal hit(SampleCount(kLength, rate));
    AddVoice(hit, rate, 0.0, kLength, Oscillator(Wave::Sine, rate),
             [](double t) { return 48.0 + 110.0 * std::exp(-t / 0.025); },
             [](double t) { return Pluck(t, 0.001, 0.09) * TailOff(t, 0.18, kLength); });
    LowPass click(3000.0, rate);
    for (std::size_t i = 0; i < hit.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        hit[i] += 0.3 * Pluck(t, 0.0003, 0.004) * click.Process(noise.Next());
    }
    return hit;
}

Signal Snare(int rate, Noise& noise)
{
    constexpr double kLength = 0.22;
    Signal hit(SampleCount(kLength, rate));
    HighPass low(900.0, rate);
    LowPass high(7000.0, rate);
    for (std::size_t i = 0; i < hit.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        hit[i] = 2.0 * Pluck(t, 0.001, 0.05) * TailOff(t, 0.15, kLength) * high.Process(low.Process(noise.Next()));
    }
    AddVoice(hit, rate, 0.0, kLength, Oscillator(Wave::Sine, rate), [](double) { return 185.0; },
             [](double t) { return 0.5 * Pluck(t, 0.001, 0.03); });
    return hit;
}

Signal Hat(int rate, Noise& noise)
{
    constexpr double kLength = 0.06;
    Signal hit(SampleCount(kLength, rate));
    HighPass filter(7000.0, rate);
    for (std::size_t i = 0; i < hit.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        hit[i] = 4.0 * Pluck(t, 0.0005, 0.012) * TailOff(t, 0.04, kLength) * filter.Process(noise.Next());
    }
    return hit;
}

} // namespace

void AddDrumHit(Signal& loop, std::size_t at, Drum drum, double velocity, int rate, Noise& noise)
{
    if (loop.empty()) return;
    Signal hit;
    switch (drum) {
    case Drum::Kick:
        hit = Kick(rate, noise);
        break;
    case Drum::Snare:
        hit = Snare(rate, noise);
        break;
    case Drum::Hat:
        hit = Hat(rate, noise);
        break;
    }
    for (std::size_t i = 0; i < hit.size(); ++i) loop[(at + i) % loop.size()] += velocity * hit[i];
}

} // namespace sfx

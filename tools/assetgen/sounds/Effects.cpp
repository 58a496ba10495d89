#include "sounds/Effects.h"

#include <array>
#include <cmath>

#include "sounds/Filters.h"
#include "sounds/Noise.h"
#include "sounds/Voice.h"

namespace sfx {
namespace {

void MixInto(Signal& out, const Signal& part, double gain)
{
    for (std::size_t i = 0; i < out.size() && i < part.size(); ++i) out[i] += gain * part[i];
}

// Noise shaped by an envelope, from `start` for `length` seconds, through the given filter.
template <typename AmpOfTime, typename Filter>
void AddNoise(Signal& out, int rate, double start, double length, uint32_t seed, Filter filter, AmpOfTime amp)
{
    Noise noise(seed);
    const std::size_t first = SampleCount(start, rate);
    const std::size_t count = SampleCount(length, rate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        out[first + i] += EndRamp(i, count, rate) * amp(t) * filter.Process(noise.Next());
    }
}

// A water-drop "bloop": a round tone whose pitch jumps up as the bubble closes.
void AddBubble(Signal& out, int rate, double start, double baseHz, double rise, double gain)
{
    const auto hz = [=](double t) { return baseHz * (1.0 + rise * (1.0 - std::exp(-t / 0.03))); };
    AddVoice(out, rate, start, 0.18, Oscillator(Wave::Sine, rate), hz,
             [=](double t) { return gain * Pluck(t, 0.003, 0.045); });
    AddVoice(out, rate, start, 0.18, Oscillator(Wave::Sine, rate), [=](double t) { return 2.0 * hz(t); },
             [=](double t) { return 0.1 * gain * Pluck(t, 0.003, 0.025); });
}

// A glassy bell: a sine with faint upper partials.
void AddBell(Signal& out, int rate, double start, double hz, double tau, double gain)
{
    constexpr std::array<double, 3> kPartials = {1.0, 2.0, 3.01};
    constexpr std::array<double, 3> kLevels = {1.0, 0.25, 0.08};
    for (std::size_t k = 0; k < kPartials.size(); ++k) {
        AddVoice(out, rate, start, 6.0 * tau, Oscillator(Wave::Sine, rate),
                 [=](double) { return hz * kPartials[k]; },
                 [=](double t) { return gain * kLevels[k] * Pluck(t, 0.002, tau / (1.0 + k)); });
    }
}

// A pitch sweep with a light shimmer, for the size changes.
Signal Sweep(int rate, double fromHz, double toHz)
{
    constexpr double kLength = 0.55;
    Signal out(SampleCount(kLength, rate));
    const auto hz = [=](double t) { return Glide(t, fromHz, toHz, 0.5); };
    const auto amp = [](double t) {
        return std::fmin(t / 0.01, 1.0) * (0.75 + 0.25 * std::sin(kTwoPi * 16.0 * t)) * TailOff(t, 0.38, kLength);
    };
    Signal bright(out.size());
    AddVoice(bright, rate, 0.0, kLength, Oscillator(Wave::Pulse, rate, 0.25), hz, amp);
    FilterInPlace(bright, SoftLowPass(3000.0, rate));
    MixInto(out, bright, 0.7);
    AddVoice(out, rate, 0.0, kLength, Oscillator(Wave::Sine, rate), [=](double t) { return 1.5 * hz(t); },
             [=](double t) { return 0.3 * amp(t); });
    return out;
}

} // namespace

Signal ShotBloop(int rate)
{
    Signal out(SampleCount(0.2, rate));
    // A small wobble on the rising pitch makes it sound wet rather than electronic.
    const auto hz = [](double t) {
        return (620.0 + 980.0 * (1.0 - std::exp(-t / 0.035))) * (1.0 + 0.03 * std::sin(kTwoPi * 30.0 * t));
    };
    AddVoice(out, rate, 0.0, 0.2, Oscillator(Wave::Sine, rate), hz,
             [](double t) { return Pluck(t, 0.004, 0.055); });
    AddVoice(out, rate, 0.0, 0.2, Oscillator(Wave::Sine, rate), [=](double t) { return 2.0 * hz(t); },
             [](double t) { return 0.12 * Pluck(t, 0.004, 0.03); });
    return out;
}

Signal JumpBlip(int rate)
{
    constexpr double kLength = 0.17;
    Signal out(SampleCount(kLength, rate));
    const auto hz = [](double t) { return Glide(t, 280.0, 1040.0, 0.13); };
    const auto amp = [](double t) { return Pluck(t, 0.003, 0.08) * TailOff(t, 0.12, kLength); };
    Signal square(out.size());
    AddVoice(square, rate, 0.0, kLength, Oscillator(Wave::Pulse, rate, 0.3), hz, amp);
    FilterInPlace(square, LowPass(5000.0, rate));
    MixInto(out, square, 0.6);
    AddVoice(out, rate, 0.0, kLength, Oscillator(Wave::Sine, rate), hz, amp);
    return out;
}

Signal SpareBlip(int rate)
{
    constexpr double kLength = 0.12;
    Signal out(SampleCount(kLength, rate));
    const auto hz = [](double t) { return Glide(t, 380.0, 1150.0, 0.03); };
    AddVoice(out, rate, 0.0, kLength, Oscillator(Wave::Sine, rate), hz,
             [](double t) { return Pluck(t, 0.002, 0.03); });
    AddVoice(out, rate, 0.0, kLength, Oscillator(Wave::Triangle, rate), hz,
             [](double t) { return 0.3 * Pluck(t, 0.002, 0.02); });
    return out;
}

Signal DamageBuzz(int rate)
{
    // The hit reaction replays this sound until it is over, so it lasts the whole reaction
    // (40 frames) and is heard once per hit.
    constexpr double kLength = 0.7;
    Signal out(SampleCount(kLength, rate));
    const auto hz = [](double t) { return Glide(t, 520.0, 95.0, 0.65); };
    const auto amp = [](double t) {
        const double buzz = 0.55 + 0.45 * std::tanh(3.0 * std::sin(kTwoPi * 24.0 * t));
        return Pluck(t, 0.005, 0.35) * buzz * TailOff(t, 0.45, kLength);
    };
    Signal raw(out.size());
    AddVoice(raw, rate, 0.0, kLength, Oscillator(Wave::Saw, rate), hz, amp);
    AddVoice(raw, rate, 0.0, kLength, Oscillator(Wave::Saw, rate, 0.5, 0.3),
             [=](double t) { return 1.012 * hz(t); }, amp);
    FilterInPlace(raw, LowPass(3200.0, rate));
    MixInto(out, raw, 0.5);
    AddNoise(out, rate, 0.0, 0.08, 0xD4A3u, LowPass(2500.0, rate),
             [](double t) { return 0.5 * Pluck(t, 0.001, 0.02); });
    return out;
}

Signal FallWarble(int rate)
{
    // A "pe-ro-ro-ro" that trills ever slower while it sinks, over the defeated hero's pause.
    constexpr double kLength = 1.6;
    Signal out(SampleCount(kLength, rate));
    const auto trill = [](double t) { return kTwoPi * (15.0 * t - 3.5 * t * t / kLength); }; // 15 Hz down to 8 Hz
    const auto hz = [=](double t) {
        return Glide(t, 1300.0, 170.0, kLength) * std::pow(2.0, 0.22 * std::sin(trill(t)));
    };
    const auto amp = [=](double t) {
        return std::fmin(t / 0.005, 1.0) * (0.6 + 0.4 * std::cos(trill(t))) * TailOff(t, 1.15, kLength);
    };
    AddVoice(out, rate, 0.0, kLength, Oscillator(Wave::Triangle, rate), hz, amp);
    Signal square(out.size());
    AddVoice(square, rate, 0.0, kLength, Oscillator(Wave::Pulse, rate, 0.5), hz, amp);
    FilterInPlace(square, LowPass(2500.0, rate));
    MixInto(out, square, 0.35);
    return out;
}

Signal MonaBubbles(int rate)
{
    Signal out(SampleCount(0.34, rate));
    AddBubble(out, rate, 0.0, 360.0, 1.1, 1.0);
    AddBubble(out, rate, 0.075, 500.0, 1.0, 0.8);
    AddBubble(out, rate, 0.16, 430.0, 1.1, 0.65);
    // The breath that blows them.
    AddNoise(out, rate, 0.0, 0.15, 0x5A17u, SoftLowPass(900.0, rate),
             [](double t) { return 0.5 * Pluck(t, 0.02, 0.05); });
    return out;
}

Signal GrowSweep(int rate)
{
    return Sweep(rate, 210.0, 950.0);
}

Signal ShrinkSweep(int rate)
{
    return Sweep(rate, 950.0, 210.0);
}

Signal CapturePop(int rate)
{
    Signal out(SampleCount(0.4, rate));
    AddNoise(out, rate, 0.0, 0.02, 0xC0FFEEu, HighPass(2000.0, rate),
             [](double t) { return 0.35 * Pluck(t, 0.0005, 0.004); });
    AddVoice(out, rate, 0.0, 0.15, Oscillator(Wave::Sine, rate), [](double t) { return Glide(t, 1900.0, 650.0, 0.04); },
             [](double t) { return Pluck(t, 0.001, 0.03); });
    // Sparkles: quick high pings on a pentatonic scale, fading one after another.
    constexpr std::array<double, 6> kSparkleHz = {2093.0, 2349.3, 2637.0, 3136.0, 3520.0, 4186.0};
    Noise pick(0x51A2u);
    for (int k = 0; k < 8; ++k) {
        const double start = 0.035 + 0.038 * k + 0.01 * pick.Unit();
        const double hz = kSparkleHz[static_cast<std::size_t>(pick.Unit() * kSparkleHz.size()) % kSparkleHz.size()];
        const double gain = 0.45 * std::pow(0.82, k);
        AddVoice(out, rate, start, 0.12, Oscillator(Wave::Sine, rate), [=](double) { return hz; },
                 [=](double t) { return gain * Pluck(t, 0.001, 0.045); });
    }
    return out;
}

Signal EnemyPop(int rate)
{
    // Bursting bubbles restart this sound on every frame of their burst, so only its first
    // 16 ms are heard until the burst ends: the crack and the onset of the low tone both land in
    // those samples, so a burst is heard the moment it starts.
    Signal out(SampleCount(0.26, rate));
    AddNoise(out, rate, 0.0, 0.03, 0xB0Bu, LowPass(2000.0, rate),
             [](double t) { return 0.5 * Pluck(t, 0.0005, 0.006); });
    const auto hz = [](double t) { return Glide(t, 560.0, 170.0, 0.06); };
    AddVoice(out, rate, 0.0, 0.25, Oscillator(Wave::Sine, rate), hz, [](double t) { return Pluck(t, 0.001, 0.05); });
    AddVoice(out, rate, 0.0, 0.25, Oscillator(Wave::Triangle, rate), hz,
             [](double t) { return 0.3 * Pluck(t, 0.001, 0.03); });
    return out;
}

Signal StarTwinkle(int rate)
{
    constexpr double kLength = 0.42;
    Signal out(SampleCount(kLength, rate));
    AddBell(out, rate, 0.0, 1318.5, 0.07, 0.7);
    AddBell(out, rate, 0.05, 1975.5, 0.08, 0.7);
    AddBell(out, rate, 0.1, 2637.0, 0.16, 0.8);
    // The glint that lingers: a very high tone that flickers as it fades.
    AddVoice(out, rate, 0.1, kLength - 0.1, Oscillator(Wave::Sine, rate), [](double) { return 5274.0; },
             [](double t) { return 0.18 * Pluck(t, 0.01, 0.12) * (0.6 + 0.4 * std::sin(kTwoPi * 22.0 * t)); });
    return out;
}

Signal HealArpeggio(int rate)
{
    constexpr double kLength = 0.42;
    constexpr std::array<double, 4> kNotes = {72.0, 76.0, 79.0, 84.0}; // C E G C
    Signal out(SampleCount(kLength, rate));
    Signal warm(out.size());
    for (std::size_t k = 0; k < kNotes.size(); ++k) {
        const double start = 0.06 * static_cast<double>(k);
        const double hz = NoteHz(kNotes[k]);
        const auto amp = [=](double t) { return Pluck(t, 0.006, 0.14) * TailOff(start + t, 0.3, kLength); };
        AddVoice(warm, rate, start, kLength - start, Oscillator(Wave::Triangle, rate), [=](double) { return hz; },
                 [=](double t) { return 0.6 * amp(t); });
        AddVoice(warm, rate, start, kLength - start, Oscillator(Wave::Sine, rate), [=](double) { return hz; },
                 [=](double t) { return 0.4 * amp(t); });
    }
    FilterInPlace(warm, LowPass(3000.0, rate));
    MixInto(out, warm, 1.0);
    return out;
}

Signal GoalJingle(int rate)
{
    // Up the major chord in quick bells, then the chord rings out together; over well before
    // the star's turn ends and the stage is left.
    constexpr double kLength = 1.2;
    constexpr std::array<double, 4> kRun = {72.0, 76.0, 79.0, 84.0}; // C E G C
    Signal out(SampleCount(kLength, rate));
    for (std::size_t k = 0; k < kRun.size(); ++k) {
        AddBell(out, rate, 0.09 * static_cast<double>(k), NoteHz(kRun[k]), 0.12, 0.55);
    }
    Signal chord(out.size());
    for (double note : {72.0, 76.0, 79.0, 84.0, 88.0}) {
        const double hz = NoteHz(note);
        const auto amp = [](double t) { return std::fmin(t / 0.02, 1.0) * TailOff(t, 0.35, kLength - 0.38); };
        AddVoice(chord, rate, 0.38, kLength - 0.38, Oscillator(Wave::Triangle, rate), [=](double) { return hz; },
                 [=](double t) { return 0.22 * amp(t); });
    }
    FilterInPlace(chord, LowPass(3500.0, rate));
    MixInto(out, chord, 1.0);
    AddBell(out, rate, 0.38, NoteHz(96.0), 0.25, 0.3); // a high glint on top
    return out;
}

Signal ClickTick(int rate)
{
    Signal out(SampleCount(0.05, rate));
    AddVoice(out, rate, 0.0, 0.05, Oscillator(Wave::Sine, rate), [](double) { return 2200.0; },
             [](double t) { return Pluck(t, 0.0005, 0.007); });
    AddNoise(out, rate, 0.0, 0.01, 0x71C4u, HighPass(3000.0, rate),
             [](double t) { return 0.4 * Pluck(t, 0.0002, 0.002); });
    return out;
}

} // namespace sfx

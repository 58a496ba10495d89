#include "sounds/Tune.h"

#include <cmath>

#include "sounds/Filters.h"
#include "sounds/Score.h"

namespace sfx {
namespace {

constexpr int kBeatsPerBar = 4;
constexpr int kStepsPerBar = 16;

// Adds one note to the loop, wrapping around its end.
void AddNote(Signal& loop, const Instrument& instrument, std::size_t start, double heldSamples, int note, int rate)
{
    Oscillator oscillator(instrument.wave, rate, instrument.duty);
    const bool filtered = instrument.cutoffHz > 0.0;
    LowPass filter(filtered ? instrument.cutoffHz : 0.0, rate);
    const double hz = NoteHz(note);
    const double held = heldSamples / rate;
    const double total = held + instrument.release;
    const auto level = [&](double t) {
        if (t < instrument.attack) return t / instrument.attack;
        return instrument.sustain + (1.0 - instrument.sustain) * std::exp(-(t - instrument.attack) / instrument.decay);
    };
    const double levelAtRelease = level(held);
    const std::size_t count = SampleCount(total, rate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        double envelope = 0.0;
        if (t < held) {
            envelope = level(t);
        } else {
            const double left = 1.0 - (t - held) / instrument.release;
            envelope = levelAtRelease * left * left;
        }
        double pitch = hz;
        if (instrument.vibratoCents > 0.0 && t > instrument.vibratoDelay) {
            const double depth = std::fmin((t - instrument.vibratoDelay) / 0.2, 1.0) * instrument.vibratoCents;
            pitch *= std::pow(2.0, depth / 1200.0 * std::sin(kTwoPi * instrument.vibratoHz * t));
        }
        const double wave = oscillator.Next(pitch);
        loop[(start + i) % loop.size()] += envelope * (filtered ? filter.Process(wave) : wave);
    }
}

// Adds delayed, fading copies of `dry` around the loop.
void AddEcho(Signal& dry, const Echo& echo, double samplesPerBeat)
{
    if (echo.repeats <= 0 || echo.beats <= 0.0) return;
    const Signal source = dry;
    const std::size_t size = source.size();
    const auto delay = static_cast<std::size_t>(std::lround(echo.beats * samplesPerBeat));
    double gain = 1.0;
    for (int k = 1; k <= echo.repeats; ++k) {
        gain *= echo.feedback;
        const std::size_t shift = (delay * static_cast<std::size_t>(k)) % size;
        for (std::size_t i = 0; i < size; ++i) dry[(i + shift) % size] += gain * source[i];
    }
}

bool RenderPart(const Part& part, double beats, double samplesPerBeat, int rate, Signal& out, std::string& error)
{
    Score score;
    if (!ParseScore(part.notes, part.unitBeats, kBeatsPerBar, score, error)) {
        error = part.name + ": " + error;
        return false;
    }
    if (std::fabs(score.lengthBeats - beats) > 1e-9) {
        error = part.name + ": lasts " + std::to_string(score.lengthBeats) + " beats instead of " +
                std::to_string(beats);
        return false;
    }
    Signal dry(out.size());
    for (const NoteEvent& event : score.notes) {
        const auto start = static_cast<std::size_t>(std::lround(event.beat * samplesPerBeat));
        AddNote(dry, part.instrument, start, event.beats * samplesPerBeat * part.instrument.gate, event.note, rate);
    }
    AddEcho(dry, part.echo, samplesPerBeat);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] += part.gain * dry[i];
    return true;
}

bool RenderDrums(const DrumPart& part, int bars, double samplesPerBeat, int rate, Noise& noise, Signal& out,
                 std::string& error)
{
    if (part.pattern.size() != kStepsPerBar || (!part.lastBar.empty() && part.lastBar.size() != kStepsPerBar)) {
        error = "a drum pattern is not sixteen steps long";
        return false;
    }
    const double samplesPerStep = samplesPerBeat * kBeatsPerBar / kStepsPerBar;
    for (int bar = 0; bar < bars; ++bar) {
        const std::string& steps = bar == bars - 1 && !part.lastBar.empty() ? part.lastBar : part.pattern;
        for (int step = 0; step < kStepsPerBar; ++step) {
            const char mark = steps[static_cast<std::size_t>(step)];
            if (mark == '.') continue;
            if (mark != 'x' && mark != 'X') {
                error = std::string("unknown drum step '") + mark + "'";
                return false;
            }
            const double velocity = part.gain * (mark == 'X' ? 1.0 : 0.6);
            const auto at = static_cast<std::size_t>(std::lround((bar * kStepsPerBar + step) * samplesPerStep));
            AddDrumHit(out, at, part.drum, velocity, rate, noise);
        }
    }
    return true;
}

} // namespace

Signal RenderTune(const Tune& tune, int rate, std::string& error)
{
    error.clear();
    const double samplesPerBeat = 60.0 * rate / tune.bpm;
    const double beats = static_cast<double>(tune.bars) * kBeatsPerBar;
    Signal loop(static_cast<std::size_t>(std::lround(beats * samplesPerBeat)));
    if (loop.empty()) {
        error = "the tune is empty";
        return {};
    }
    for (const Part& part : tune.parts) {
        if (!RenderPart(part, beats, samplesPerBeat, rate, loop, error)) return {};
    }
    Noise noise(0x2545F491u);
    for (const DrumPart& drums : tune.drums) {
        if (!RenderDrums(drums, tune.bars, samplesPerBeat, rate, noise, loop, error)) return {};
    }
    return loop;
}

} // namespace sfx

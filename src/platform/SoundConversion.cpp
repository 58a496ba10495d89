#include "platform/SoundConversion.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <numeric>

#include "platform/TerminalText.h"
#include "platform/WaveFormatCheck.h"

namespace platform {

namespace {

// Each step hands the stream about three seconds of the mixer's frames and no more than 256 KB
// of the file's samples. SDL converts a whole step at once in buffers of its own, a few times
// what the step holds and becomes (a step of a fixed size in the file would grow 176 times for a
// sound at 1000 Hz). Its resampler starts every step afresh and drops the part of a frame a step
// ends in: steps are few, and each a whole number of the mixer's frames long.
constexpr size_t kStepMixFrames = 1 << 17;
constexpr size_t kStepSourceBytes = 1 << 18;

struct StreamDeleter {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};
using StreamPtr = std::unique_ptr<SDL_AudioStream, StreamDeleter>;

// Moves the converted frames the stream has ready into `out` (reserved for `wantedValues`), and
// reads and drops whatever comes after them: the silence that pushes the sound's end out.
bool Drain(SDL_AudioStream* stream, std::vector<int16_t>& out, size_t wantedValues)
{
    constexpr size_t kFrameBytes = kMixChannels * sizeof(int16_t);
    for (;;) {
        const int available = SDL_AudioStreamAvailable(stream);
        if (available <= 0) return available == 0;
        int got = 0;
        if (out.size() < wantedValues) {
            const size_t frames = std::min((wantedValues - out.size()) / kMixChannels,
                                           static_cast<size_t>(available) / kFrameBytes);
            const size_t start = out.size();
            out.resize(start + frames * kMixChannels);
            got = SDL_AudioStreamGet(stream, out.data() + start, static_cast<int>(frames * kFrameBytes));
            out.resize(start + static_cast<size_t>(std::max(got, 0)) / sizeof(int16_t));
        } else {
            int16_t dropped[4096];
            got = SDL_AudioStreamGet(stream, dropped, std::min(available, static_cast<int>(sizeof dropped)));
        }
        if (got <= 0) return false;
    }
}

// To the millisecond, rounded up: a sound a frame too long never reads as exactly the bound.
std::string Seconds(uint64_t frames, uint32_t rate)
{
    const uint64_t ms = (frames * 1000 + rate - 1) / rate;
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%03llu", static_cast<unsigned long long>(ms / 1000),
                  static_cast<unsigned long long>(ms % 1000));
    return text;
}

} // namespace

size_t MixFramesOf(const WaveFormat& format, uint64_t sampleBytes)
{
    if (format.blockAlign == 0 || format.samplesPerSec == 0) return 0;
    // Rounded to the nearest frame, in two parts so that no product can overflow.
    const uint64_t frames = sampleBytes / format.blockAlign;
    const uint64_t whole = frames / format.samplesPerSec;
    const uint64_t rest = frames % format.samplesPerSec;
    if (whole > std::numeric_limits<size_t>::max() / kMixRate - 1) return std::numeric_limits<size_t>::max();
    return static_cast<size_t>(whole * kMixRate + (rest * kMixRate + format.samplesPerSec / 2) / format.samplesPerSec);
}

bool CheckSoundSize(const WaveFormat& format, uint64_t sampleBytes, std::string& error)
{
    if (!CheckWaveFormat(format, error)) return false;
    if (sampleBytes > kMaxSoundBytes) {
        error = "refused: " + std::to_string(sampleBytes) + " bytes of samples, more than the " +
                std::to_string(kMaxSoundBytes) + " a sound may hold";
        return false;
    }
    if (MixFramesOf(format, sampleBytes) > kMaxSoundFrames) {
        error = "refused: the sound lasts " + Seconds(sampleBytes / format.blockAlign, format.samplesPerSec) +
                " s, longer than the " + std::to_string(kLongestSoundSeconds) + " s a sound may last";
        return false;
    }
    return true;
}

bool ConvertToMixFormat(const WaveFormat& format, std::span<const uint8_t> samples, std::vector<int16_t>& out,
                        std::string& error)
{
    out.clear();
    if (!CheckSoundSize(format, samples.size(), error)) return false;

    const SDL_AudioFormat sourceFormat = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    const StreamPtr stream(SDL_NewAudioStream(sourceFormat, static_cast<Uint8>(format.channels),
                                              static_cast<int>(format.samplesPerSec), AUDIO_S16SYS, kMixChannels,
                                              kMixRate));
    if (!stream) {
        error = "cannot convert the samples: " + TerminalText(SDL_GetError(), kLibraryTextShown);
        return false;
    }
    // Whole frames only; a torn last frame is dropped.
    const size_t usable = samples.size() / format.blockAlign * format.blockAlign;
    const size_t wantedValues = MixFramesOf(format, samples.size()) * kMixChannels;
    out.reserve(wantedValues);
    // The fewest frames of the file that make a whole number of the mixer's.
    const size_t unit = format.samplesPerSec / std::gcd<size_t>(format.samplesPerSec, kMixRate);
    const size_t stepFrames =
        std::min(kStepMixFrames * format.samplesPerSec / kMixRate, kStepSourceBytes / format.blockAlign);
    const size_t stepBytes = std::max<size_t>(1, stepFrames / unit) * unit * format.blockAlign;
    auto put = [&](const uint8_t* bytes, size_t length) {
        for (size_t offset = 0; offset < length; offset += stepBytes) {
            const size_t step = std::min(stepBytes, length - offset);
            if (SDL_AudioStreamPut(stream.get(), bytes + offset, static_cast<int>(step)) != 0 ||
                !Drain(stream.get(), out, wantedValues)) {
                return false;
            }
        }
        return true;
    };
    // The resampler keeps the last stretch of its input back, and SDL 2.26's flush loses it:
    // silence after the sound pushes every real frame out, and what follows them is dropped.
    const size_t silenceFrames = std::max<size_t>(format.samplesPerSec / 4, 4096);
    const std::vector<uint8_t> silence(std::min(silenceFrames * format.blockAlign, stepBytes),
                                       format.bitsPerSample == 8 ? 0x80 : 0);
    bool ok = put(samples.data(), usable);
    for (size_t left = silenceFrames * format.blockAlign; ok && left > 0; left -= std::min(left, silence.size()))
        ok = put(silence.data(), std::min(left, silence.size()));
    ok = ok && SDL_AudioStreamFlush(stream.get()) == 0 && Drain(stream.get(), out, wantedValues);
    if (!ok) {
        error = "cannot convert the samples: " + TerminalText(SDL_GetError(), kLibraryTextShown);
        out.clear();
        return false;
    }
    out.resize(wantedValues);
    return true;
}

bool ConvertWithinBudget(const WaveFormat& format, std::span<const uint8_t> samples, SoundBudget& budget,
                         std::vector<int16_t>& out, HeldBudget::Share& share, std::string& error)
{
    out.clear();
    if (!CheckSoundSize(format, samples.size(), error)) return false;
    const auto bytes = static_cast<long long>(MixFramesOf(format, samples.size()) * kMixChannels * sizeof(int16_t));
    if (!budget.Fits(bytes, error)) return false;
    if (!ConvertToMixFormat(format, samples, out, error)) return false;
    share = budget.Take(bytes);
    return true;
}

} // namespace platform

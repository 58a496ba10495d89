#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Audio.h"
#include "platform/Mixer.h"
#include "platform/SoundBudget.h"

namespace platform {

// The longest sound a device holds. The game's longest tune lasts 41 s; a sound may last about
// three times as long. In the mixer's format (44100 Hz, 16-bit, stereo) that is 21,168,000
// bytes, and a file's own samples may take no more than that either: an 8-bit mono sound at
// 1000 Hz grows 176 times in the mixer, one at 384000 Hz in stereo shrinks.
constexpr uint32_t kLongestSoundSeconds = 120;
constexpr size_t kMaxSoundFrames = size_t{kLongestSoundSeconds} * kMixRate;
constexpr size_t kMaxSoundBytes = kMaxSoundFrames * kMixChannels * sizeof(int16_t);

// Frames of the mixer that `sampleBytes` of `format` become (whole source frames only).
size_t MixFramesOf(const WaveFormat& format, uint64_t sampleBytes);

// Whether a device can hold `sampleBytes` of samples in `format`: a format the mixer plays
// (CheckWaveFormat), no more bytes than kMaxSoundBytes and no longer than kLongestSoundSeconds.
// False with a reason in `error` otherwise. A loader asks before it reads the samples.
bool CheckSoundSize(const WaveFormat& format, uint64_t sampleBytes, std::string& error);

// Converts a sound that passes CheckSoundSize to the mixer's format (44100 Hz, 16-bit, stereo).
// Every audio device converts each sound with this once, when it is made, so a silent run
// refuses, and takes memory, as the real device does. The conversion goes in steps of a few
// thousand frames, so what it holds besides `out` stays small however much a sound grows.
// False with a reason in `error` for a sound that does not pass.
bool ConvertToMixFormat(const WaveFormat& format, std::span<const uint8_t> samples, std::vector<int16_t>& out,
                        std::string& error);

// Converts as ConvertToMixFormat does, only when the result fits beside the sounds `budget`
// holds (asked before anything is converted); `share` then holds its bytes until it goes.
// False with a reason in `error` otherwise. Every audio device makes its sounds with this.
bool ConvertWithinBudget(const WaveFormat& format, std::span<const uint8_t> samples, SoundBudget& budget,
                         std::vector<int16_t>& out, HeldBudget::Share& share, std::string& error);

} // namespace platform

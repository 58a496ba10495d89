#include "platform/WaveFormatCheck.h"

namespace platform {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint32_t kLowestRate = 1000;
constexpr uint32_t kHighestRate = 384000;

} // namespace

bool CheckWaveFormat(const WaveFormat& format, std::string& error)
{
    if (format.formatTag != kFormatPcm) {
        error = "unsupported wave format " + std::to_string(format.formatTag) + " (only PCM, 1, plays)";
        return false;
    }
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
        error = "unsupported " + std::to_string(format.bitsPerSample) + "-bit samples (8 or 16 bits play)";
        return false;
    }
    if (format.channels != 1 && format.channels != 2) {
        error = "unsupported " + std::to_string(format.channels) + " channels (mono or stereo play)";
        return false;
    }
    if (format.samplesPerSec < kLowestRate || format.samplesPerSec > kHighestRate) {
        error = "unsupported sample rate " + std::to_string(format.samplesPerSec) + " Hz";
        return false;
    }
    const unsigned frameBytes = format.channels * format.bitsPerSample / 8u;
    if (format.blockAlign != frameBytes) {
        error = "block alignment " + std::to_string(format.blockAlign) + " does not match " +
                std::to_string(format.channels) + " channels of " + std::to_string(format.bitsPerSample) + " bits";
        return false;
    }
    return true;
}

} // namespace platform

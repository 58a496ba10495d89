#include "platform/Limiter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {

namespace {

constexpr float kFullScale = 32767.0f;

// Unchanged up to the ceiling, then a smooth bend that approaches full scale.
int16_t SoftClip(float value)
{
    const float ceiling = static_cast<float>(Limiter::kCeiling);
    const float magnitude = std::fabs(value);
    if (magnitude <= ceiling) return static_cast<int16_t>(std::lround(value));
    const float room = kFullScale - 1.0f - ceiling;
    const float bent = ceiling + room * std::tanh((magnitude - ceiling) / room);
    return static_cast<int16_t>(std::lround(std::copysign(bent, value)));
}

} // namespace

void Limiter::Process(const int32_t* sum, int16_t* output, size_t frames)
{
    int32_t peak = 0;
    for (size_t i = 0; i < frames * 2; ++i) peak = std::max(peak, std::abs(sum[i]));
    if (peak <= kCeiling && mGain == 1.0f) {
        // The usual case: nothing to turn down.
        for (size_t i = 0; i < frames * 2; ++i) output[i] = static_cast<int16_t>(sum[i]);
        return;
    }
    const float target = peak > kCeiling ? static_cast<float>(kCeiling) / static_cast<float>(peak) : 1.0f;
    const float start = mGain;
    for (size_t f = 0; f < frames; ++f) {
        if (target < start) {
            // Attack: a short ramp down to the block's gain, so the gain never jumps.
            const float t = std::min(1.0f, static_cast<float>(f + 1) / static_cast<float>(kAttackFrames));
            mGain = start + (target - start) * t;
        } else {
            mGain = std::min(target, mGain + kReleasePerFrame);
        }
        for (size_t c = 0; c < 2; ++c) output[f * 2 + c] = SoftClip(static_cast<float>(sum[f * 2 + c]) * mGain);
    }
}

} // namespace platform

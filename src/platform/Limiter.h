#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Turns the mixer's 32-bit sums into 16-bit output without hard clipping when several
// sounds and the music peak together. Below the ceiling (-1 dBFS) samples pass unchanged,
// so one sound alone plays exactly as recorded. A louder block lowers the gain of both
// channels together within 0.4 ms; the gain comes back to 1 over a quarter of a second.
// The few samples of that short attack, if still too loud, are bent softly toward full
// scale and never reach it.
class Limiter {
public:
    static constexpr int32_t kCeiling = 29205; // -1 dBFS
    static constexpr size_t kAttackFrames = 16;
    static constexpr float kReleasePerFrame = 1.0f / 11025.0f;

    // `sum` and `output` hold `frames` interleaved stereo frames.
    void Process(const int32_t* sum, int16_t* output, size_t frames);
    float Gain() const { return mGain; }

private:
    float mGain = 1.0f;
};

} // namespace platform

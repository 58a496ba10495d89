#pragma once
#include <cstdint>

namespace sfx {

// White noise from a fixed seed (xorshift32), so every build writes the same bytes.
class Noise {
public:
    explicit Noise(uint32_t seed) : mState(seed != 0 ? seed : 0x9E3779B9u) {}

    // Uniform in −1..1.
    double Next()
    {
        mState ^= mState << 13;
        mState ^= mState >> 17;
        mState ^= mState << 5;
        return static_cast<double>(mState) / 2147483648.0 - 1.0;
    }

    // Uniform in 0..1.
    double Unit() { return 0.5 * (Next() + 1.0); }

private:
    uint32_t mState;
};

} // namespace sfx

#pragma once
#include <cstdint>

// The game's one pseudo-random sequence: the classic linear congruential generator, 0..32767.
// The game's formulas divide by 32767 and take remainders of it, so no other range will do.
// A run owns its sequence (the frame) and lends it to whoever draws from it; its whole state
// is one number, which a stage snapshot copies.
constexpr int kRandMax = 32767;

class RandomSequence {
public:
    void Seed(uint32_t seed) { mState = seed; }
    int Next()
    {
        mState = mState * 214013u + 2531011u;
        return static_cast<int>((mState >> 16) & 0x7FFFu);
    }
    uint32_t State() const { return mState; }
    bool operator==(const RandomSequence&) const = default;

private:
    uint32_t mState = 1;
};

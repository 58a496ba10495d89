#pragma once
#include <cstdint>

// Sees, and may replace, each clock reading the game seeds its random generator from: a
// recorded run keeps them, a replay hands them back, so the replay draws the same numbers.
class SeedClockHook {
public:
    virtual ~SeedClockHook() = default;
    // `frame` is the frame running (0 before the first); returns the reading the game uses.
    virtual uint32_t Read(long frame, uint32_t clockNow) = 0;
};

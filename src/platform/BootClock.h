#pragma once
#include "platform/Clock.h"

namespace platform {

// The player's clock: milliseconds since the machine started (suspended time included), so
// that every launch reads a different time and the scenes that seed the random generator
// from it look different each time. Wraps after 49.7 days, which the pacer's unsigned
// differences take in their stride.
class BootClock final : public Clock {
public:
    uint32_t Now() override;
    void Sleep(uint32_t milliseconds) override;
};

// The same reading, for checking the clock against the system.
uint32_t MillisecondsSinceBoot();

} // namespace platform

#pragma once
#include <cstdint>

namespace platform {

// Millisecond clock and sleep (the pacer never busy-waits).
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Now() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

} // namespace platform

#pragma once
#include "platform/Clock.h"

namespace platform {

// A clock that advances only when slept on (or when a test says time passed),
// so a headless run takes exactly the frame times the pacer asks for.
class VirtualClock final : public Clock {
public:
    uint32_t Now() override { return mNow; }
    void Sleep(uint32_t milliseconds) override
    {
        mNow += milliseconds;
        mSlept += milliseconds;
        ++mSleeps;
        mLastSleep = milliseconds;
    }
    void Advance(uint32_t milliseconds) { mNow += milliseconds; }

    uint32_t TotalSlept() const { return mSlept; }
    int Sleeps() const { return mSleeps; }
    uint32_t LastSleep() const { return mLastSleep; }

private:
    uint32_t mNow = 0;
    uint32_t mSlept = 0;
    int mSleeps = 0;
    uint32_t mLastSleep = 0;
};

} // namespace platform

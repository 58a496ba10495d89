#pragma once
#include <deque>
#include <string>

#include "app/KeyTimeline.h"
#include "app/SeedClockHook.h"

// Hands back a recording's clock readings, in order. A reading asked for in another frame
// than the recording's means the run has gone its own way: that is said once, on standard
// error, and the live clock is used from then on.
class CClockReplay final : public SeedClockHook {
public:
    CClockReplay(std::deque<KeyTimeline::ClockReading> readings, std::string name)
        : mReadings(std::move(readings)), mName(std::move(name))
    {
    }
    uint32_t Read(long frame, uint32_t clockNow) override;
    bool Diverged() const { return mDiverged; }

private:
    std::deque<KeyTimeline::ClockReading> mReadings;
    std::string mName;
    size_t mNext = 0;
    uint32_t mTakenOfNext = 0; // readings already handed out of the next entry
    bool mDiverged = false;
};

#include "app/ClockReplay.h"

#include <cstdio>

#include "app/Quote.h"

uint32_t CClockReplay::Read(long frame, uint32_t clockNow)
{
    if (!mDiverged && mNext < mReadings.size() && mReadings[mNext].frame == frame) {
        const KeyTimeline::ClockReading& reading = mReadings[mNext];
        if (++mTakenOfNext >= reading.count) {
            ++mNext;
            mTakenOfNext = 0;
        }
        return reading.value;
    }
    if (!mDiverged) {
        mDiverged = true;
        std::fprintf(stderr, "zem: %s: frame %ld: the run no longer follows the recording\n", QuotePath(mName).c_str(),
                     frame);
    }
    return clockNow;
}

#include "app/FrameTimer.h"

void CFrameTimer::BeginFrame()
{
    if (mFrameCount == 0) mBlockStart = mpClock->Now();
    if (mFrameCount == 60) {
        mBlockStart = mpClock->Now();
        mFrameCount = 0;
    }
    ++mFrameCount;
}

void CFrameTimer::EndFrame()
{
    // Unsigned clock arithmetic keeps working across the clock's wrap-around.
    const int64_t elapsed = static_cast<int32_t>(mpClock->Now() - mBlockStart);
    const int64_t wait = (static_cast<int64_t>(mFrameCount) * 1000) / 60 - elapsed;
    if (wait > 0) mpClock->Sleep(static_cast<uint32_t>(wait));
}

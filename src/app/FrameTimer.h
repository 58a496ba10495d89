#pragma once
#include <cstdint>

#include "platform/Clock.h"

// Paces frames at 60 per second, per block of 60 frames: frame k of a block may not end
// before k * 1000 / 60 ms after the block began. A late frame is not skipped; the frames after
// it in the block sleep less; a new block never inherits lateness.
class CFrameTimer {
public:
    void SetClock(platform::Clock* clock) { mpClock = clock; }
    void BeginFrame();
    void EndFrame();

    uint32_t BlockStart() const { return mBlockStart; }
    int32_t FrameCount() const { return mFrameCount; }

private:
    uint32_t mBlockStart = 0;
    int32_t mFrameCount = 0;
    platform::Clock* mpClock = nullptr;
};

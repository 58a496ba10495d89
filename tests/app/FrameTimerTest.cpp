#include <gtest/gtest.h>

#include "app/FrameTimer.h"
#include "platform/VirtualClock.h"

namespace {

struct PacedFrames : ::testing::Test {
    platform::VirtualClock clock;
    CFrameTimer timer;
    PacedFrames() { timer.SetClock(&clock); }

    // Runs one frame whose work takes `workMs`; returns how long the pacer slept after it.
    uint32_t Frame(uint32_t workMs)
    {
        const uint32_t sleptBefore = clock.TotalSlept();
        timer.BeginFrame();
        clock.Advance(workMs);
        timer.EndFrame();
        return clock.TotalSlept() - sleptBefore;
    }
};

TEST_F(PacedFrames, InstantFramesEndOnTheSixtiethsOfTheBlock)
{
    uint32_t ends[60];
    for (int k = 0; k < 60; ++k) {
        Frame(0);
        ends[k] = clock.Now();
    }
    EXPECT_EQ(ends[0], 16u);
    EXPECT_EQ(ends[1], 33u);
    EXPECT_EQ(ends[2], 50u);
    EXPECT_EQ(ends[3], 66u);
    EXPECT_EQ(ends[59], 1000u);
}

TEST_F(PacedFrames, ALateFrameIsNotSleptAfterAndTheBlockCatchesUp)
{
    EXPECT_EQ(Frame(40), 0u);  // frame 1 ends at 40, past its 16 ms
    EXPECT_EQ(Frame(0), 0u);   // frame 2 is due at 33: already late
    EXPECT_EQ(Frame(0), 10u);  // frame 3 is due at 50
    EXPECT_EQ(Frame(0), 16u);  // back on the schedule: 66
    EXPECT_EQ(clock.Now(), 66u);
}

TEST_F(PacedFrames, FrameSixtyOneOpensANewBlockWithoutDebt)
{
    for (int k = 0; k < 59; ++k) Frame(0);
    EXPECT_EQ(Frame(100), 0u); // frame 60 ends at 1083, 83 ms late
    EXPECT_EQ(clock.Now(), 1083u);
    // Frame 61 starts a block at 1083: it is due 16 ms later, the lateness forgotten.
    EXPECT_EQ(Frame(0), 16u);
    EXPECT_EQ(timer.BlockStart(), 1083u);
    EXPECT_EQ(timer.FrameCount(), 1);
}

TEST_F(PacedFrames, ClockWrapAroundKeepsThePace)
{
    clock.Advance(0xFFFFFFF0u); // 16 ms before the millisecond clock wraps
    EXPECT_EQ(Frame(0), 16u);
    EXPECT_EQ(Frame(5), 12u);
}

} // namespace

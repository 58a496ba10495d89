#include <gtest/gtest.h>

#include "app/FrameInput.h"
#include "app/Random.h"
#include "app/TapLatch.h"
#include "platform/ScriptedKeyboard.h"

namespace {

TEST(TapLatchTest, PressedReportsOncePerPressAndOnlyWhenTested)
{
    platform::ScriptedKeyboard keyboard;
    TapLatch latch;
    auto pressed = [&](int vk) { return latch.Test(FrameInput::Read(&keyboard), vk); };

    EXPECT_FALSE(pressed(platform::VK_UP));
    keyboard.Press(platform::VK_UP);
    const FrameInput held = FrameInput::Read(&keyboard);
    EXPECT_TRUE(held.Held(platform::VK_UP));
    EXPECT_TRUE(latch.Test(held, platform::VK_UP));
    EXPECT_FALSE(latch.Test(held, platform::VK_UP)); // tested twice in one frame: one press
    EXPECT_TRUE(held.Held(platform::VK_UP)) << "a test leaves the input as it was";
    EXPECT_FALSE(pressed(platform::VK_UP)); // held: never repeats
    // Released and pressed again between two tests without a test in between: the flag
    // only changes when tested, so the new press is not seen.
    keyboard.Release(platform::VK_UP);
    keyboard.Press(platform::VK_UP);
    EXPECT_FALSE(pressed(platform::VK_UP));
    keyboard.Release(platform::VK_UP);
    EXPECT_FALSE(pressed(platform::VK_UP));
    keyboard.Press(platform::VK_UP);
    EXPECT_TRUE(pressed(platform::VK_UP));
    // Each key has its own flag; codes outside the table are never held or pressed.
    keyboard.Press(platform::VK_SPACE);
    EXPECT_TRUE(pressed(platform::VK_SPACE));
    EXPECT_FALSE(pressed(-1));
    EXPECT_FALSE(pressed(256));
    FrameInput outside;
    outside.Hold(300);
    EXPECT_EQ(outside, FrameInput{});

    // Two latches are two runs: one's tests leave the other's flags alone.
    TapLatch other;
    EXPECT_TRUE(other.Test(FrameInput::Read(&keyboard), platform::VK_UP));
    EXPECT_FALSE(FrameInput::Read(nullptr).Held(platform::VK_UP));
}

TEST(RandomTest, TheClassicSequenceFromItsSeed)
{
    // The first values of the classic generator seeded with 1, which is also where it starts.
    RandomSequence random;
    EXPECT_EQ(random.Next(), 41);
    random.Seed(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    const RandomSequence copy = random;
    EXPECT_EQ(random.Next(), 6334);
    EXPECT_EQ(random.Next(), 26500);
    RandomSequence resumed = copy; // its state is the whole of it
    EXPECT_EQ(resumed.Next(), 6334);
    int highest = 0;
    for (int i = 0; i < 100000; ++i) highest = std::max(highest, random.Next());
    EXPECT_EQ(highest, kRandMax);
}

} // namespace

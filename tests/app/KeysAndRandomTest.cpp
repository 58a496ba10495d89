#include <gtest/gtest.h>

#include "app/Keys.h"
#include "app/Random.h"
#include "platform/ScriptedKeyboard.h"

namespace {

TEST(KeysTest, PressedReportsOncePerPressAndOnlyWhenTested)
{
    platform::ScriptedKeyboard keyboard;
    SetKeyboard(&keyboard);
    ResetKeyPressed();

    EXPECT_FALSE(IsKeyPressed(platform::VK_UP));
    keyboard.Press(platform::VK_UP);
    EXPECT_TRUE(IsKeyDown(platform::VK_UP));
    EXPECT_TRUE(IsKeyPressed(platform::VK_UP));
    EXPECT_FALSE(IsKeyPressed(platform::VK_UP)); // held: never repeats
    // Released and pressed again between two tests without a test in between: the flag
    // only changes when tested, so the new press is not seen.
    keyboard.Release(platform::VK_UP);
    keyboard.Press(platform::VK_UP);
    EXPECT_FALSE(IsKeyPressed(platform::VK_UP));
    keyboard.Release(platform::VK_UP);
    EXPECT_FALSE(IsKeyPressed(platform::VK_UP));
    keyboard.Press(platform::VK_UP);
    EXPECT_TRUE(IsKeyPressed(platform::VK_UP));
    // Each key has its own flag; codes outside the table are never pressed.
    keyboard.Press(platform::VK_SPACE);
    EXPECT_TRUE(IsKeyPressed(platform::VK_SPACE));
    EXPECT_FALSE(IsKeyPressed(-1));
    EXPECT_FALSE(IsKeyPressed(256));

    SetKeyboard(nullptr);
    EXPECT_FALSE(IsKeyDown(platform::VK_UP));
    ResetKeyPressed();
}

TEST(RandomTest, TheClassicSequenceFromItsSeed)
{
    // The first values of the classic generator seeded with 1.
    Srand(1);
    EXPECT_EQ(Rand(), 41);
    EXPECT_EQ(Rand(), 18467);
    EXPECT_EQ(Rand(), 6334);
    EXPECT_EQ(Rand(), 26500);
    Srand(1);
    EXPECT_EQ(Rand(), 41);
    int highest = 0;
    for (int i = 0; i < 100000; ++i) highest = std::max(highest, Rand());
    EXPECT_EQ(highest, kRandMax);
}

} // namespace

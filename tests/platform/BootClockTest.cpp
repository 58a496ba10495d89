#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "platform/BootClock.h"

namespace {

// The machine's uptime as the system reports it in /proc/uptime (hundredths of a second).
uint64_t UptimeMilliseconds()
{
    std::ifstream in("/proc/uptime");
    double seconds = 0.0;
    in >> seconds;
    return static_cast<uint64_t>(seconds * 1000.0);
}

// The clock reads the time since the machine started, not since the game did, so two launches
// seed the random generator differently. Checked against the uptime read just before and just
// after, never against elapsed time.
TEST(BootClockTest, ReadsTheMachinesUptimeInMilliseconds)
{
    platform::BootClock clock;
    const uint64_t before = UptimeMilliseconds();
    const uint32_t now = clock.Now();
    const uint64_t after = UptimeMilliseconds();
    ASSERT_GT(before, 0u);
    // /proc/uptime is rounded down to 10 ms; unsigned differences hold across the 49.7-day wrap.
    const uint32_t sinceBefore = now - static_cast<uint32_t>(before);
    EXPECT_LE(sinceBefore, after - before + 10) << "clock " << now << " ms, uptime " << before << ".." << after << " ms";
}

} // namespace

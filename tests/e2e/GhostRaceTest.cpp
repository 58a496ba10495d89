// The ghost race from the outside: the recorded route cleared once leaves its ghost beside the
// best results, and the same route played again races it, frame by frame, changing nothing the
// game computes.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "HeadlessRun.h"

namespace {

std::string PlayerXY(const std::string& line)
{
    static const std::regex player("\"player\":\\{\"x\":([-0-9.e]+),\"y\":([-0-9.e]+)");
    std::smatch m;
    return std::regex_search(line, m, player) ? m[1].str() + "," + m[2].str() : "";
}

std::string GhostXY(const std::string& line)
{
    static const std::regex ghost("\"ghost\":\\[([-0-9.e]+),([-0-9.e]+)\\]");
    std::smatch m;
    return std::regex_search(line, m, ghost) ? m[1].str() + "," + m[2].str() : "";
}

TEST(GhostRaceEndToEnd, AClearedRouteBecomesAGhostThatRetracesItAndChangesNothingElse)
{
    TempDir dir;
    const std::string route = Timeline("stage-1.keys");
    const std::string best = "--best " + (dir.Path() / "best-results.txt").string();
    const auto first = HeadlessRun(route, 3000, best).Lines();
    ASSERT_TRUE(std::filesystem::exists(dir.Path() / "ghost-1.bin"));
    const auto second = HeadlessRun(route, 3000, best).Lines();
    ASSERT_EQ(first.size(), second.size());
    int raced = 0;
    for (size_t i = 0; i < first.size(); ++i) {
        // The ghost stands where the hero stood in the same frame of the first run...
        const std::string ghost = GhostXY(second[i]);
        if (!ghost.empty()) {
            EXPECT_EQ(ghost, PlayerXY(first[i])) << "frame " << i + 1;
            ++raced;
        }
        // ...and the rest of the trace is the same, field for field.
        EXPECT_EQ(std::regex_replace(second[i], std::regex(",\"ghost\":\\[[^\\]]*\\]"), ""), first[i])
            << "frame " << i + 1;
        if (HasFailure()) break;
    }
    EXPECT_GT(raced, 2500); // the whole route, from the first stage frame to the goal
}

} // namespace

// The ghost race from the outside: the recorded route cleared once leaves its ghost beside the
// best results, and the same route played again races it, frame by frame, changing nothing the
// game computes.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

std::vector<std::string> Play(const TempDir& dir, const std::string& keys, long frames)
{
    const std::string trace = (dir.Path() / "trace.jsonl").string();
    const auto result = RunCommand(std::string(ZEM_HEADLESS) + " --dir " + ZEM_RUN_DIR + " --no-render --frames " +
                                   std::to_string(frames) + " --keys " + keys + " --trace " + trace + " --best " +
                                   (dir.Path() / "best-results.txt").string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(trace));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

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
    const std::string route = std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/whole-stage.keys";
    const auto first = Play(dir, route, 4800);
    ASSERT_TRUE(std::filesystem::exists(dir.Path() / "ghost-1.bin"));
    const auto second = Play(dir, route, 4800);
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
    EXPECT_GT(raced, 4000);
}

} // namespace

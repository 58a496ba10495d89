// zem-stage --solve from the outside: it clears each of the game's stages without losing a heart,
// and a small stage of a player's; its route is an ordinary recording that zem-headless and the
// game's own replay play to the goal; a stage that cannot be cleared is said in one line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "HeadlessRun.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const std::string kStageTool = std::string(ZEM_RUN_DIR) + "/zem-stage";

// A text stage of ground rows 34 and 35 over `groundColumns`, the hero's start at the left and
// a goal marker at `goalColumn` (standing on the ground).
std::string TextStage(const std::string& name, const std::vector<std::pair<int, int>>& groundColumns, int goalColumn)
{
    std::vector<std::string> rows(36, std::string(350, '.'));
    for (const auto& [from, to] : groundColumns) {
        for (int c = from; c < to; ++c) {
            rows[34][static_cast<size_t>(c)] = '=';
            rows[35][static_cast<size_t>(c)] = '#';
        }
    }
    rows[33][static_cast<size_t>(goalColumn)] = 'G';
    std::string text = "@name = " + name + "\n@start = 200 1300\n";
    for (const std::string& row : rows) text += row + "\n";
    return text;
}

// A player's stage folder made from a text stage by the stage compiler.
fs::path PlayerStage(const TempDir& dir, const std::string& folder, const std::string& text)
{
    const fs::path source = dir.Write(folder + ".txt", text);
    const fs::path stage = dir.Path() / "data/zem/stages" / folder;
    const auto compiled = RunCommand(kStageTool + " " + source.string() + " " + stage.string());
    EXPECT_EQ(compiled.exitCode, 0) << compiled.err;
    return stage;
}

// A command's exit status, standard output and standard error.
struct Answer {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Answer RunIn(const TempDir& dir, const std::string& command)
{
    const std::string out = (dir.Path() / "stdout.txt").string();
    const ProcessResult result = RunCommand(command + " > " + out);
    return {result.exitCode, ReadFile(out), result.err};
}

std::string GameStageFolder(int stage)
{
    return std::string(ZEM_RUN_DIR) + (stage == 1 ? "/Resource/Data" : "/Resource/Stages/" + std::to_string(stage));
}

class SolvedGameStages : public testing::TestWithParam<int> {};

TEST_P(SolvedGameStages, ReachTheResultFromTheTitleWithoutLosingAHeart)
{
    TempDir dir;
    const std::string route = (dir.Path() / "route.keys").string();
    const Answer solved = RunIn(dir, kStageTool + " --solve " + GameStageFolder(GetParam()) + " --out " + route);
    ASSERT_EQ(solved.exitCode, 0) << solved.err;
    EXPECT_EQ(solved.out.find("loses a heart"), std::string::npos) << solved.out;
    EXPECT_NE(solved.out.find("a route to the goal"), std::string::npos) << solved.out;

    const std::string keys = ReadFile(route);
    const TimelineKeys timeline = KeysOf(keys);
    for (const char* testingKey : {"A", "C", "Z"}) EXPECT_EQ(timeline.keys.count(testingKey), 0u) << testingKey;
    const HeadlessRun run(keys, timeline.lastFrame);
    const size_t start = run.FirstFrameOf("game");
    const size_t clear = run.FirstFrameOf("clear");
    ASSERT_GT(start, 0u);
    ASSERT_GT(clear, start);
    for (size_t f = start + 1; f < clear; ++f) {
        ASSERT_EQ(run.Number(f, "stage"), GetParam()) << f;
        ASSERT_GE(run.Player(f, "hp"), run.Player(f - 1, "hp")) << "a heart lost at frame " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(GameStages, SolvedGameStages, testing::Values(1, 2, 3),
                         [](const testing::TestParamInfo<int>& stage) { return "Stage" + std::to_string(stage.param); });

// A player's small stage: the route, written into its folder, is played to the same result by
// zem-headless with the player's stages and by the game's own replay on the offscreen driver.
TEST(StageSolverTest, APlayersStageRouteReplaysAlikeInTheRunnerAndTheGame)
{
    TempDir dir;
    const fs::path stage = PlayerStage(dir, "flat", TextStage("FLAT", {{0, 350}}, 45));
    const Answer solved = RunIn(dir, kStageTool + " --solve " + stage.string());
    ASSERT_EQ(solved.exitCode, 0) << solved.err;
    const fs::path route = stage / "solution.keys";
    ASSERT_TRUE(fs::exists(route));

    const std::string keys = ReadFile(route.string());
    const HeadlessRun run(keys, KeysOf(keys).lastFrame, "--stages " + (dir.Path() / "data/zem/stages").string());
    ASSERT_EQ(run.Scene(run.Frames()), "clear");
    EXPECT_EQ(run.Number(run.FirstFrameOf("game"), "stage"), 4) << "the player's stage, after the game's three";

    const std::string home = "HOME=" + dir.Path().string() + " XDG_DATA_HOME=" + (dir.Path() / "data").string() +
                             " XDG_CONFIG_HOME=" + (dir.Path() / "config").string() +
                             " SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ";
    const Answer replay = RunIn(dir, home + ZEM_GAME + " --windowed --replay " + route.string());
    ASSERT_EQ(replay.exitCode, 0) << replay.err;
    const std::string ended = "replay ended after frame " + std::to_string(run.Frames()) + " in the clear scene with score " +
                              std::to_string(static_cast<int>(run.Number(run.Frames(), "score")));
    EXPECT_NE(replay.out.find(ended), std::string::npos) << replay.out << "\nexpected: " << ended;
}

// A pit far wider than any jump, bubble platforms included: where the search got stuck, in one
// line, and no route written.
TEST(StageSolverTest, APitTooWideIsSaidWithTheFurthestColumn)
{
    TempDir dir;
    const fs::path stage = PlayerStage(dir, "wide", TextStage("WIDE", {{0, 30}, {120, 350}}, 150));
    const Answer solved = RunIn(dir, kStageTool + " --solve " + stage.string());
    EXPECT_EQ(solved.exitCode, 1);
    EXPECT_EQ(std::count(solved.err.begin(), solved.err.end(), '\n'), 1) << solved.err;
    const size_t at = solved.err.find("stuck at column ");
    ASSERT_NE(at, std::string::npos) << solved.err;
    const int column = std::stoi(solved.err.substr(at + 16));
    EXPECT_GE(column, 29); // at least to the pit's edge, never past its far side
    EXPECT_LT(column, 120);
    EXPECT_FALSE(fs::exists(stage / "solution.keys"));
}

} // namespace

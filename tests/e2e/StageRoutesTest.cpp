// The proof that the game's other stages can be cleared: for each, a recorded route from the
// title (where a best-results file has opened the stage and Right chooses it) to the result
// screen, with the keys a player has (tools/route/find_route.py --stage N finds it).
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "HeadlessRun.h"

namespace {

struct StageRoute {
    int stage;
    const char* keys;
    const char* best; // the best-results fixture that opens the stage
};

std::ostream& operator<<(std::ostream& out, const StageRoute& route) { return out << "stage " << route.stage; }

class StageRoutes : public testing::TestWithParam<StageRoute> {
protected:
    // One replay per stage, shared by its tests.
    const HeadlessRun& Run()
    {
        static std::map<int, std::unique_ptr<HeadlessRun>> runs;
        std::unique_ptr<HeadlessRun>& run = runs[GetParam().stage];
        if (!run) {
            const std::string keys = Timeline(GetParam().keys);
            run = std::make_unique<HeadlessRun>(keys, KeysOf(keys).lastFrame, "", Timeline(GetParam().best));
        }
        return *run;
    }
};

TEST_P(StageRoutes, UseOnlyThePlayersKeys)
{
    const TimelineKeys route = KeysOf(Timeline(GetParam().keys));
    ASSERT_GT(route.lastFrame, 1000);
    for (const char* testingKey : {"A", "C", "Z"}) EXPECT_EQ(route.keys.count(testingKey), 0u) << testingKey;
}

TEST_P(StageRoutes, ClearTheirStageFromTheTitleWithoutLosingAHeart)
{
    const HeadlessRun& run = Run();
    ASSERT_EQ(run.Frames(), static_cast<size_t>(KeysOf(Timeline(GetParam().keys)).lastFrame));
    EXPECT_EQ(run.Scene(1), "title");
    const size_t start = run.FirstFrameOf("game");
    const size_t clear = run.FirstFrameOf("clear");
    ASSERT_GT(start, 0u);
    ASSERT_GT(clear, start);
    for (size_t f = start; f < clear; ++f) {
        ASSERT_EQ(run.Scene(f), "game") << f;
        ASSERT_EQ(run.Number(f, "stage"), GetParam().stage) << f;
        if (f == start) continue;
        ASSERT_TRUE(run.PlayerFlag(f, "alive")) << f;
        ASSERT_GE(run.Player(f, "hp"), run.Player(f - 1, "hp")) << "a heart lost at frame " << f;
    }
    // Every stage's goal area starts at column 338.
    EXPECT_GE(run.Player(clear - 1, "x") + 22.5, 338 * 40);
    EXPECT_EQ(run.Scene(run.Frames()), "clear");
}

TEST_P(StageRoutes, ShowTheScoreCollectedOnTheResult)
{
    const HeadlessRun& run = Run();
    const size_t clear = run.FirstFrameOf("clear");
    ASSERT_GT(clear, 1u);
    const double collected = run.Player(clear - 1, "score");
    const double total = run.Number(clear, "scoreTotal");
    EXPECT_GT(collected, 0);
    EXPECT_EQ(run.Number(run.Frames(), "score"), collected);
    EXPECT_EQ(run.Number(run.Frames(), "percent"), static_cast<int>(collected * 100 / total));
}

INSTANTIATE_TEST_SUITE_P(GameStages, StageRoutes,
                         testing::Values(StageRoute{2, "stage-2.keys", "opens-stage-2.best"},
                                         StageRoute{3, "stage-3.keys", "opens-stage-3.best"}),
                         [](const testing::TestParamInfo<StageRoute>& param) {
                             return "Stage" + std::to_string(param.param.stage);
                         });

} // namespace

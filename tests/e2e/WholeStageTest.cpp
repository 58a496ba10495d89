// The proof that the generated stage can be cleared: a recorded route from the title through
// the whole stage to the result screen, with the keys a player has (tools/route finds it).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

#include "HeadlessRun.h"

namespace {

const char* const kRoute = "stage-1.keys";

TEST(WholeStageTest, TheRouteUsesOnlyThePlayersKeys)
{
    const TimelineKeys route = KeysOf(Timeline(kRoute));
    ASSERT_GT(route.lastFrame, 1000);
    for (const char* testingKey : {"A", "C", "Z"}) EXPECT_EQ(route.keys.count(testingKey), 0u) << testingKey;
}

class WholeStage : public testing::Test {
protected:
    static void SetUpTestSuite() { sRun = new HeadlessRun(Timeline(kRoute), KeysOf(Timeline(kRoute)).lastFrame); }
    static void TearDownTestSuite()
    {
        delete sRun;
        sRun = nullptr;
    }
    static HeadlessRun* sRun;
};
HeadlessRun* WholeStage::sRun = nullptr;

TEST_F(WholeStage, ClearsTheStageFromTheTitleWithoutLosingAHeart)
{
    const HeadlessRun& run = *sRun;
    ASSERT_EQ(run.Frames(), static_cast<size_t>(KeysOf(Timeline(kRoute)).lastFrame));
    EXPECT_EQ(run.Scene(1), "title");
    const size_t start = run.FirstFrameOf("game");
    const size_t clear = run.FirstFrameOf("clear");
    ASSERT_GT(start, 0u);
    ASSERT_GT(clear, start);
    for (size_t f = start + 1; f < clear; ++f) {
        ASSERT_EQ(run.Scene(f), "game") << f;
        ASSERT_TRUE(run.PlayerFlag(f, "alive")) << f;
        ASSERT_GE(run.Player(f, "hp"), run.Player(f - 1, "hp")) << "a heart lost at frame " << f;
    }
    // The goal area starts at column 292.
    EXPECT_GE(run.Player(clear - 1, "x") + 22.5, 292 * 40);
    EXPECT_EQ(run.Scene(run.Frames()), "clear");
}

TEST_F(WholeStage, TheResultShowsTheScoreCollectedOnTheWay)
{
    const HeadlessRun& run = *sRun;
    const size_t clear = run.FirstFrameOf("clear");
    ASSERT_GT(clear, 1u);
    const double collected = run.Player(clear - 1, "score");
    const double total = run.Number(clear, "scoreTotal");
    EXPECT_GT(collected, 0);
    EXPECT_EQ(run.Number(run.Frames(), "score"), collected);
    EXPECT_EQ(run.Number(run.Frames(), "percent"), static_cast<int>(collected * 100 / total));
}

// The route plays like a person: on the ground (a tile, a bubble platform or a trapped enemy
// underfoot) for at least half of its frames of play, and never off it for more than 4 s.
TEST_F(WholeStage, TheRouteStaysOnTheGroundMostOfTheTime)
{
    const HeadlessRun& run = *sRun;
    const size_t start = run.FirstFrameOf("game");
    size_t goal = start;
    while (goal < run.Frames() && run.Line(goal).find("\"goal\":true") == std::string::npos) ++goal;
    ASSERT_LT(goal, run.Frames());
    int airborne = 0;
    int stretch = 0;
    int longest = 0;
    for (size_t f = start + 1; f <= goal; ++f) {
        const bool off = !run.PlayerFlag(f, "onGround");
        airborne += off ? 1 : 0;
        stretch = off ? stretch + 1 : 0;
        longest = std::max(longest, stretch);
    }
    EXPECT_LE(airborne * 2, static_cast<int>(goal - start)) << airborne << " of " << goal - start << " frames";
    EXPECT_LE(longest, 240);
}

// From the result, G plays the stage again from its start and M returns to the title.
TEST(WholeStageTest, TheResultOffersAnotherGameAndTheTitle)
{
    const long end = KeysOf(Timeline(kRoute)).lastFrame;
    const std::string at = std::to_string(end + 1);
    const HeadlessRun again(Timeline(kRoute) + at + " G\n" + std::to_string(end + 2) + "\n", end + 3);
    EXPECT_EQ(again.Scene(end), "clear");
    EXPECT_EQ(again.Scene(end + 1), "game");
    EXPECT_EQ(again.Player(end + 2, "x"), 200);
    EXPECT_EQ(again.Player(end + 2, "score"), 0);
    EXPECT_EQ(again.Player(end + 2, "hp"), 3);

    const HeadlessRun title(Timeline(kRoute) + at + " M\n", end + 3);
    EXPECT_EQ(title.Scene(end + 1), "title");
}

} // namespace

// The whole loop as a player meets it: title, stage, a defeat, the game-over screen and each choice there.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "HeadlessRun.h"

namespace {

std::string Defeat()
{
    return Timeline("fall-into-first-pit.keys");
}

TEST(GameLoopTest, ADefeatLeadsToGameOverAndGContinuesFromTheSafePlace)
{
    const HeadlessRun run(Defeat() + "600 G\n601\n", 620);
    ASSERT_EQ(run.Frames(), 620u);
    EXPECT_EQ(run.Scene(1), "title");
    EXPECT_EQ(run.Scene(2), "game");
    const size_t over = run.FirstFrameOf("over");
    ASSERT_GT(over, 2u);
    // The hero fell out and played its defeat before the screen changed.
    EXPECT_NE(run.Line(over - 1).find("\"alive\":false"), std::string::npos) << run.Line(over - 1);
    // The respawn point the stage last recorded is where the continued game starts.
    EXPECT_NE(run.Line(599).find("\"respawn\":[1440,1285]"), std::string::npos) << run.Line(599);
    EXPECT_EQ(run.Scene(600), "game");
    EXPECT_NE(run.Line(600).find("\"retry\":true"), std::string::npos);
    EXPECT_NE(run.Line(601).find("\"x\":1440,\"y\":1286"), std::string::npos) << run.Line(601);
    EXPECT_NE(run.Line(601).find("\"invincible\":199"), std::string::npos);
    EXPECT_NE(run.Line(601).find("\"retry\":false"), std::string::npos);
}

TEST(GameLoopTest, EnterOnGameOverStartsAfreshAndMReturnsToTheTitle)
{
    const HeadlessRun fresh(Defeat() + "600 Enter\n601\n", 603);
    EXPECT_EQ(fresh.Scene(600), "game");
    EXPECT_NE(fresh.Line(601).find("\"x\":200,"), std::string::npos) << fresh.Line(601);
    EXPECT_NE(fresh.Line(601).find("\"invincible\":0"), std::string::npos);

    const HeadlessRun title(Defeat() + "600 M\n601\n", 603);
    EXPECT_EQ(title.Scene(600), "title");
    EXPECT_NE(title.Line(601).find("\"guideAlpha\""), std::string::npos);
}

// Three hearts lost to the first walker, then a continue: the hero comes back where the stage
// last saw it safe, with its score, and the walker passes through it until the 200 frames of
// invincibility are over.
TEST(GameLoopTest, AWalkerDefeatsTheHeroAndGContinuesWithTheScoreAndInvincibility)
{
    const HeadlessRun run(Timeline("defeated-by-walker.keys") + "1200 G\n1201\n", 1600);
    const size_t over = run.FirstFrameOf("over");
    ASSERT_GT(over, 2u);
    ASSERT_LT(over, 1200u);
    int hits = 0;
    for (size_t f = 3; f < over; ++f) {
        if (run.Player(f, "hp") < run.Player(f - 1, "hp")) ++hits;
        EXPECT_LT(run.Player(f, "y"), 1440) << "the hero fell at frame " << f;
    }
    EXPECT_EQ(hits, 3);
    EXPECT_FALSE(run.PlayerFlag(over - 1, "alive"));
    const double score = run.Number(over, "score");
    EXPECT_GT(score, 0);
    const double respawnX = run.Number(1199, "respawn");

    EXPECT_EQ(run.Scene(1200), "game");
    EXPECT_EQ(run.Player(1201, "x"), respawnX);
    EXPECT_EQ(run.Player(1201, "score"), score);
    EXPECT_EQ(run.Player(1201, "invincible"), 199);
    bool walkerPassedThrough = false;
    for (size_t f = 1201; f <= 1400; ++f) {
        EXPECT_EQ(run.Player(f, "hp"), 3) << f;
        for (double x : run.EnemyX(f, "walk")) walkerPassedThrough |= std::abs(x - run.Player(f, "x")) < 20;
    }
    EXPECT_TRUE(walkerPassedThrough);
    EXPECT_EQ(run.Player(1401, "invincible"), 0);
    // Standing on, the hero is hit by the same walker once the invincibility is over.
    EXPECT_EQ(run.Player(1600, "hp"), 2);
}

// The first lesson can be done as the sign shows it: from behind the walker inside its fence,
// a bubble traps it on its way back, and the hero keeps every heart.
TEST(GameLoopTest, TheFirstWalkerIsTrappedByABubbleInItsPen)
{
    const HeadlessRun run(Timeline("trap-first-walker.keys"), 600);
    size_t trapped = 0;
    for (size_t f = 3; f <= 600; ++f) {
        EXPECT_EQ(run.Player(f, "hp"), 3) << f;
        if (trapped == 0 && run.Line(f).find("\"kind\":\"walk\"") != std::string::npos &&
            run.Line(f).find("\"state\":3") != std::string::npos) {
            trapped = f;
        }
    }
    EXPECT_GT(trapped, 520u);
}

} // namespace

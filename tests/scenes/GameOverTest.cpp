// The game-over screen: its pictures and sound, the keys, the springs of the letters, the
// prompt's fading, the bobbing figure and the trace.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "app/TraceWriter.h"
#include "scenes/GameOver.h"
#include "support/DrawnPictures.h"
#include "support/StageFixture.h"

namespace {

struct GameOverScreen : ::testing::Test {
    StageFixture stage{std::vector<std::string>{}};
    FakePlatform& fake = stage.fake;

    std::unique_ptr<CGameOver> Make()
    {
        auto scene = std::make_unique<CGameOver>(stage.frame.get());
        scene->Init();
        return scene;
    }
};

TEST_F(GameOverScreen, LoadsItsPicturesAndLoopsItsSoundUntilReleased)
{
    auto scene = Make();
    EXPECT_EQ(fake.device.TexturesLoaded(), 4);
    auto ops = fake.audio.TakeOperations();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].file, "ゲームオーバー.wav");
    EXPECT_EQ(ops[0].op, "loop");

    scene->Release();
    ops = fake.audio.TakeOperations();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op, "stop");
    EXPECT_EQ(fake.audio.BuffersAlive(), 0);
    EXPECT_TRUE(fake.DrawFrame(*scene).empty());
}

TEST_F(GameOverScreen, HeldKeysTakeEffectOnTheFirstUpdateWithGFirstThenMThenEnter)
{
    using namespace platform;
    const struct {
        std::initializer_list<int> keys;
        SceneId expected;
        bool retry;
    } cases[] = {
        {{}, SCENE_NONE, false},
        {{VK_RETURN}, SCENE_GAME, false},
        {{VK_M}, SCENE_TITLE, false},
        {{VK_G}, SCENE_GAME, true},
        {{VK_G, VK_RETURN}, SCENE_GAME, true},
        {{VK_G, VK_M}, SCENE_GAME, true},
        {{VK_M, VK_RETURN}, SCENE_TITLE, false},
        {{VK_C, VK_SPACE}, SCENE_NONE, false},
    };
    for (const auto& c : cases) {
        stage.frame->mRetry = false;
        fake.keyboard.Hold(c.keys);
        auto scene = Make();
        EXPECT_EQ(FakePlatform::Step(*scene), c.expected);
        EXPECT_EQ(stage.frame->mRetry, c.retry);
        scene->Release();
    }
    fake.keyboard.ReleaseAll();
}

TEST_F(GameOverScreen, LettersDropOnSpringsAndSettleInTwoRows)
{
    auto scene = Make();
    const float startX[4] = {454, 582, 710, 838};
    for (int i = 0; i < CGameOver::kLetterCount; ++i) {
        EXPECT_FLOAT_EQ(scene->Letter(i).mPos.x, startX[i % 4]);
        EXPECT_FLOAT_EQ(scene->Letter(i).mPos.y, i < 4 ? -192 : -64);
    }
    struct Row {
        int first;
        float rest;
        int reached = 0;  // first update at or past the rest height
        int deepest = 0;  // update of the furthest overshoot
        float lowest = -1e9f;
        int lastAway = 0; // last update more than a pixel from rest
    } rows[2] = {{0, 100}, {4, 250}};
    for (int update = 1; update <= 600; ++update) {
        FakePlatform::Step(*scene);
        for (Row& row : rows) {
            const float y = scene->Letter(row.first).mPos.y;
            for (int i = row.first; i < row.first + 4; ++i) EXPECT_FLOAT_EQ(scene->Letter(i).mPos.y, y);
            if (row.reached == 0 && y >= row.rest) row.reached = update;
            if (y > row.lowest) {
                row.lowest = y;
                row.deepest = update;
            }
            if (std::fabs(y - row.rest) > 1.0f) row.lastAway = update;
        }
    }
    for (const Row& row : rows) {
        EXPECT_EQ(row.reached, 13) << row.rest;
        EXPECT_EQ(row.deepest, 22) << row.rest;
        EXPECT_EQ(row.lastAway + 1, row.rest == 100 ? 212 : 213);
    }
    EXPECT_NEAR(rows[0].lowest, 262.6, 0.05);
    EXPECT_NEAR(rows[1].lowest, 424.8, 0.05);

    const auto letters = DrawsOf(fake.DrawFrame(*scene), "NWG.png");
    ASSERT_EQ(letters.size(), 8u);
    EXPECT_EQ(letters[5].source.left, 5 * 128);
    EXPECT_EQ(letters[5].source.right, 6 * 128);
    EXPECT_NEAR(DrawnTopLeft(letters[5]).x, 582 - 64, 1e-3);
    EXPECT_NEAR(DrawnTopLeft(letters[5]).y, 250 - 64, 1.0);
}

// The words fade in their cycle over a plate of dimmed words that never fades, so the prompt
// always reads.
TEST_F(GameOverScreen, PromptFadesOneStepAnUpdateAndWrapsToOpaque)
{
    auto scene = Make();
    const struct {
        int updates;
        uint32_t alpha;
    } cases[] = {{1, 254}, {255, 0}, {256, 255}, {257, 254}, {511, 0}, {512, 255}};
    int done = 0;
    for (const auto& c : cases) {
        for (; done < c.updates; ++done) FakePlatform::Step(*scene);
        const auto prompt = DrawsOf(fake.DrawFrame(*scene), "NewRETRY.png");
        ASSERT_EQ(prompt.size(), 2u);
        EXPECT_EQ(prompt[0].color, 0xFFFFFFFFu);
        EXPECT_EQ(prompt[0].source.top, 128);
        EXPECT_EQ(prompt[1].color >> 24, c.alpha) << c.updates;
        EXPECT_EQ(prompt[1].color & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(prompt[1].source.top, 0);
        EXPECT_EQ(prompt[1].source.bottom, 128);
        for (const DrawCall& d : prompt) EXPECT_EQ(d.transform, platform::Matrix::Translation(290, 550, 0));
    }
}

TEST_F(GameOverScreen, FirstFrameShowsOnlyTheFigureThenEverythingIsPlaced)
{
    auto scene = Make();
    const platform::Matrix zero{};
    const auto first = fake.DrawFrame(*scene);
    ASSERT_EQ(first.size(), 12u);
    for (const DrawCall& d : first) {
        if (DrawnFile(d) == "GOPlayer.png") continue;
        EXPECT_EQ(d.transform, zero) << DrawnFile(d);
    }
    // The figure's place is taken when it is drawn, so it shows from the first frame.
    EXPECT_EQ(DrawsOf(first, "GOPlayer.png")[0].transform, platform::Matrix::Translation(640, 450, 0));

    FakePlatform::Step(*scene);
    const auto draws = fake.DrawFrame(*scene);
    const std::vector<std::string> order = {"NewGameOverBack.png", "NWG.png", "NWG.png", "NWG.png", "NWG.png",
                                            "NWG.png", "NWG.png", "NWG.png", "NWG.png", "NewRETRY.png",
                                            "NewRETRY.png", "GOPlayer.png"};
    ASSERT_EQ(draws.size(), order.size());
    for (size_t i = 0; i < draws.size(); ++i) {
        EXPECT_EQ(DrawnFile(draws[i]), order[i]);
        EXPECT_EQ(draws[i].destBlend, platform::BLEND_INVSRCALPHA);
    }
    EXPECT_EQ(draws[0].transform, platform::Matrix::Translation(0, 0, 0));
    EXPECT_EQ(draws[0].source.right, 1280);
    EXPECT_EQ(draws[0].source.bottom, 720);
    EXPECT_EQ(draws[11].source.right, 90);
    EXPECT_EQ(draws[11].source.bottom, 150);
    EXPECT_FLOAT_EQ(draws[11].center.x, 45);
    EXPECT_FLOAT_EQ(draws[11].center.y, 75);
}

TEST_F(GameOverScreen, FigureBobsUpAndBackEveryHundredAndTwentyUpdates)
{
    auto scene = Make();
    float highest = 450;
    for (int update = 1; update <= 120; ++update) {
        FakePlatform::Step(*scene);
        highest = std::min(highest, scene->PlayerPos().y);
    }
    EXPECT_NEAR(highest, 450 - 38.2, 0.1);
    EXPECT_NEAR(scene->PlayerPos().y, 450, 1e-3);
    EXPECT_FLOAT_EQ(scene->PlayerPos().x, 640);
}

TEST_F(GameOverScreen, TraceShowsTheLetters)
{
    auto scene = Make();
    CTraceWriter trace;
    scene->WriteTrace(trace);
    EXPECT_EQ(trace.Finish(), "{\"letters\":[-192,-192,-192,-192,-64,-64,-64,-64]}");
}

} // namespace

// The stage scene: loading, spawning, the update's order and outcome, continuing, ownership.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/BestResults.h"
#include "app/DataStamp.h"
#include "app/FontSheet.h"
#include "app/GhostRace.h"
#include "map/StageLimits.h"
#include "scenes/Game.h"
#include "scenes/SceneFactory.h"
#include "support/DrawnPictures.h"
#include "support/StageFixture.h"

namespace {

const std::vector<std::string> kStage = {
    "...w....f.....*.$..+...",
    "..s.......j....*.......",
    "11111111111111111111111",
};
constexpr int kTop = 30;

TEST(GameSceneTest, SpawnsInRowMajorOrderWithTheirOffsetsAndTotals)
{
    StageFixture fixture(kStage, kTop);
    auto game = fixture.MakeGame();
    ASSERT_EQ(game->GetEnemies().size(), 1u);
    EXPECT_FLOAT_EQ(game->GetEnemies()[0]->GetPos().x, 120);
    EXPECT_FLOAT_EQ(game->GetEnemies()[0]->GetPos().y, 1200);
    EXPECT_EQ(game->GetEnemies()[0]->mState, 2); // initialised: walking left
    ASSERT_EQ(game->GetFlyEnemies().size(), 1u);
    ASSERT_EQ(game->GetSlimes().size(), 1u);
    ASSERT_EQ(game->GetJumpEnemies().size(), 1u);
    EXPECT_FLOAT_EQ(game->GetJumpEnemies()[0]->GetPos().x, 400);
    // Score items: the row above first; a big star sits 20 further right and down.
    auto& scores = game->GetScores();
    ASSERT_EQ(scores.size(), 3u);
    EXPECT_FLOAT_EQ(scores[0]->GetPos().x, 14 * 40 + 20);
    EXPECT_FLOAT_EQ(scores[1]->GetPos().x, 16 * 40 + 40);
    EXPECT_FLOAT_EQ(scores[1]->GetPos().y, 1200 + 40);
    EXPECT_EQ(scores[1]->Kind(), 2);
    EXPECT_FLOAT_EQ(scores[2]->GetPos().y, 1240 + 20);
    EXPECT_EQ(game->StageScoreTotal(), 12);
    ASSERT_EQ(game->GetHeals().size(), 1u);
    EXPECT_FLOAT_EQ(game->GetHeals()[0]->GetPos().x, 19 * 40 + 40);
    EXPECT_TRUE(game->GetHeals()[0]->Collectable());
}

TEST(GameSceneTest, LoadsEveryPictureAndSoundAndStartsTheMusic)
{
    StageFixture fixture(kStage, kTop);
    auto game = fixture.MakeGame();
    EXPECT_EQ(fixture.fake.device.TexturesLoaded(), 38); // the signs and the pits' shade among them
    const auto ops = fixture.fake.audio.Operations();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.back().file, "rensaku_10_morivalte.wav");
    EXPECT_EQ(ops.back().op, "loop");
}

TEST(GameSceneTest, OutcomePriority)
{
    StageFixture fixture(kStage, kTop);
    const struct {
        std::initializer_list<int> keys;
        bool cleared;
        bool gameOver;
        SceneId expected;
    } cases[] = {
        {{}, false, false, SCENE_NONE},
        {{platform::VK_M}, false, false, SCENE_TITLE},
        {{platform::VK_C}, false, false, SCENE_CLEAR},
        {{platform::VK_M, platform::VK_C}, false, false, SCENE_CLEAR},
        {{}, true, false, SCENE_CLEAR},
        {{platform::VK_M}, true, false, SCENE_CLEAR},
        {{platform::VK_M, platform::VK_C}, false, true, SCENE_OVER},
        {{}, true, true, SCENE_OVER},
    };
    for (const auto& c : cases) {
        auto game = fixture.MakeGame();
        fixture.fake.keyboard.Hold(c.keys);
        if (c.cleared) game->SetStageCleared();
        game->GetPlayer().mGameOver = c.gameOver;
        EXPECT_EQ(FakePlatform::Step(*game), c.expected);
        fixture.fake.keyboard.ReleaseAll();
        game->Release();
    }
}

TEST(GameSceneTest, LeavingStopsTheMusicAndTheFrameCarriesScoreTotalAndRespawn)
{
    StageFixture fixture(kStage, kTop);
    auto game = fixture.MakeGame();
    fixture.fake.audio.TakeOperations();
    game->GetPlayer().SetScore(7); // the player reports its score to the stage every frame
    game->SetRespawnPos(1, 2);
    fixture.fake.keyboard.Hold({platform::VK_M});
    EXPECT_EQ(FakePlatform::Step(*game), SCENE_TITLE);
    EXPECT_EQ(fixture.frame->mScore, 7);
    EXPECT_EQ(fixture.frame->mScoreTotal, 12);
    // The map's update hands over its own respawn point (none recorded yet) every frame.
    EXPECT_FLOAT_EQ(fixture.frame->mRespawnPos.x, 0);
    const auto ops = fixture.fake.audio.TakeOperations();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op, "stop");
}

// The music stops at the goal and the jingle is played once, on the first update that sees it.
TEST(GameSceneTest, TheGoalStopsTheMusicAndPlaysTheJingleOnce)
{
    StageFixture fixture(kStage, kTop);
    auto game = fixture.MakeGame();
    FakePlatform::Step(*game);
    fixture.fake.audio.TakeOperations();
    game->GetMap().mGoal = true;
    for (int frame = 0; frame < 30; ++frame) FakePlatform::Step(*game);
    int jingles = 0;
    for (const auto& op : fixture.fake.audio.TakeOperations()) {
        if (op.file != "GoalJingle.wav") continue;
        EXPECT_EQ(op.op, "play");
        ++jingles;
    }
    EXPECT_EQ(jingles, 1);
}

TEST(GameSceneTest, AContinuedGameRestoresPlaceScoreAndGrace)
{
    StageFixture fixture(kStage, kTop);
    fixture.frame->mRetry = true;
    fixture.frame->mRespawnPos = {400, 1165};
    fixture.frame->mScore = 33;
    auto game = fixture.MakeGame();
    // Its first drawn frame shows the player where Init put it.
    EXPECT_FLOAT_EQ(game->GetPlayer().GetPos().x, 200);
    FakePlatform::Step(*game);
    EXPECT_FALSE(fixture.frame->mRetry);
    EXPECT_EQ(game->GetPlayer().Score(), 33);
    EXPECT_GE(game->GetPlayer().Invincible(), 199);
}

TEST(GameSceneTest, TilesShowOnlyAfterTheFirstUpdate)
{
    StageFixture fixture(kStage, kTop);
    auto game = fixture.MakeGame();
    EXPECT_TRUE(DrawsOf(fixture.fake.DrawFrame(*game), "MapChip12.png").empty());
    FakePlatform::Step(*game);
    // 23 ground cells at the bottom of the view, all drawn after the update.
    EXPECT_EQ(DrawsOf(fixture.fake.DrawFrame(*game), "MapChip12.png").size(), 23u);
}

TEST(GameSceneTest, SwitchingAHundredTimesFreesEverythingOnce)
{
    StageFixture fixture(kStage, kTop);
    int switches = 0;
    fixture.frame->Start(CreateScene);
    for (int i = 0; i < 200; ++i) {
        // Enter on the title starts the stage; M on the stage returns to the title.
        fixture.fake.keyboard.Hold({i % 2 == 0 ? platform::VK_RETURN : platform::VK_M});
        fixture.frame->RunFrame();
        ++switches;
    }
    fixture.fake.keyboard.ReleaseAll();
    EXPECT_EQ(switches, 200);
    EXPECT_STREQ(fixture.frame->SceneManager().Current()->TraceName(), "title");
    // A hundred stages and a hundred and one titles (nine pictures each); the last title's
    // click and music are all that is left.
    EXPECT_EQ(fixture.fake.device.TexturesLoaded(), 100 * 38 + 101 * 9);
    EXPECT_EQ(fixture.fake.audio.BuffersAlive(), 2);
}

// Holding a testing key for a single frame marks the run as aided, so it can set no best result.
TEST(GameSceneTest, EveryTestingKeyMarksTheRunAsAided)
{
    struct Case {
        int key;
        bool aided;
    };
    for (const Case& c : {Case{platform::VK_A, true}, Case{platform::VK_C, true}, Case{platform::VK_Z, true},
                          Case{platform::VK_RIGHT, false}, Case{platform::VK_SPACE, false}}) {
        SCOPED_TRACE(c.key);
        StageFixture fixture(kStage, kTop);
        auto game = fixture.MakeGame();
        fixture.fake.keyboard.Hold({});
        FakePlatform::Step(*game);
        fixture.fake.keyboard.Hold({c.key});
        FakePlatform::Step(*game);
        fixture.fake.keyboard.Hold({});
        FakePlatform::Step(*game);
        EXPECT_EQ(fixture.frame->mRun.aided, c.aided);
        EXPECT_EQ(fixture.frame->mRun.frames, 3);
    }
}

// A paused frame is no frame of the run: a run paused half way takes the time of one that was not.
TEST(GameSceneTest, PausedFramesAreNotCountedInTheRunTime)
{
    auto run = [](bool pause) {
        StageFixture fixture(kStage, kTop);
        auto game = fixture.MakeGame();
        auto frame = [&](std::initializer_list<int> keys) {
            fixture.fake.keyboard.Hold(keys);
            FakePlatform::Step(*game);
        };
        for (int f = 0; f < 10; ++f) frame({platform::VK_RIGHT});
        if (pause) {
            frame({platform::VK_P});
            for (int f = 0; f < 30; ++f) frame({});
            EXPECT_TRUE(game->Paused());
            frame({platform::VK_P});
        } else {
            frame({});
        }
        for (int f = 0; f < 10; ++f) frame({platform::VK_RIGHT});
        return fixture.frame->mRun.frames;
    };
    EXPECT_EQ(run(true), run(false));
}

// The gap to the ghost under the time: a hero behind the ghost is shown behind (red, "+"), one
// ahead of it ahead (green, "-").
TEST(GameSceneTest, TheGhostGapShowsAheadAndBehindTheRightWayRound)
{
    const std::vector<std::string> flat = {std::string(80, '1')};
    for (const float ghostSpeed : {9.0f, 2.0f}) {
        SCOPED_TRACE(ghostSpeed);
        const bool behind = ghostSpeed > 5.0f; // the hero walks 5 pixels a frame
        StageFixture fixture(flat, 34);
        std::filesystem::copy_file(fixture.dir.Path() / "Resource/Texture" / "ZEM.png",
                                   fixture.dir.Path() / files::kFont);
        CBestResultsFile bests(fixture.dir.Path() / "best-results.txt");
        fixture.frame->SetBestResults(&bests);
        GhostPath ghost;
        for (int f = 0; f < 600; ++f) ghost.Add({200.0f + ghostSpeed * static_cast<float>(f), 1300.0f, 45, 75});
        std::ofstream(CGhostRace::FileFor(bests, "1"), std::ios::binary) << ghost.Encode(GameDataStamp());
        auto game = fixture.MakeGame();
        fixture.fake.keyboard.Hold({platform::VK_RIGHT});
        for (int f = 0; f < 60; ++f) FakePlatform::Step(*game);
        ASSERT_NE(fixture.frame->GhostRace().Ghost(), nullptr);

        std::vector<DrawCall> gap; // the time is white; the gap is coloured
        for (const DrawCall& draw : DrawsOf(fixture.fake.DrawFrame(*game), "Font.png")) {
            if (draw.color != 0xFFFFFFFF) gap.push_back(draw);
        }
        ASSERT_FALSE(gap.empty());
        const auto red = [](const DrawCall& draw) { return (draw.color >> 16) & 0xFF; };
        const auto green = [](const DrawCall& draw) { return (draw.color >> 8) & 0xFF; };
        for (const DrawCall& draw : gap) EXPECT_EQ(red(draw) > green(draw), behind) << std::hex << draw.color;
        const platform::Rect sign = fontsheet::CellOf(behind ? '+' : '-');
        EXPECT_EQ(gap.front().source.left, sign.left);
        EXPECT_EQ(gap.front().source.top, sign.top);
    }
}

} // namespace

namespace {

// A stage of `walkers` walking enemies packed into one screen (30 to a row) over a floor.
std::vector<std::string> CrowdedStage(int walkers)
{
    std::vector<std::string> picture;
    for (int left = walkers; left > 0; left -= 30) picture.push_back(std::string(std::min(left, 30), 'w'));
    picture.push_back(std::string(40, '1'));
    return picture;
}

// `enemies` walking enemies along every cell of the top row, then every other cell of the bottom
// row, crowding no screen.
std::vector<std::string> EnemiesAlongTopAndBottom(int enemies)
{
    std::vector<std::string> picture(kMapRows);
    picture.front() = std::string(std::min(enemies, kMapCols), 'w');
    for (int i = kMapCols; i < enemies; ++i) picture.back() += ".w";
    return picture;
}

} // namespace

// A stage past its limits makes nothing, says why in one line with its file and place, and the
// title comes back; a continue into it is dropped. At the limits it plays.
TEST(GameSceneTest, AStagePastItsLimitsIsNotStarted)
{
    const struct {
        const char* name;
        std::vector<std::string> picture;
        int topRow;
        const char* message; // empty: the stage plays
    } cases[] = {
        {"a screen at its limit", CrowdedStage(kScreenUnitsLimit), 30, ""},
        {"a screen past its limit", CrowdedStage(kScreenUnitsLimit + 1), 30,
         "zem: Resource/Data/EnemyMap005.csv: columns 1-32 hold 101 units of drawing (101 walking enemies), "
         "more than the 100 a screen may hold; the stage is not started\n"},
        {"the stage's enemies at their limit", EnemiesAlongTopAndBottom(kStageEnemyLimit), 0, ""},
        {"one enemy more", EnemiesAlongTopAndBottom(kStageEnemyLimit + 1), 0,
         "zem: Resource/Data/EnemyMap005.csv:1:301: enemy number 301 of 301, more than the 300 a stage may hold; "
         "the stage is not started\n"},
        {"past both: the first named, the rest counted", CrowdedStage(kStageEnemyLimit + 1), 24,
         "zem: Resource/Data/EnemyMap005.csv:35:1: enemy number 301 of 301, more than the 300 a stage may hold; the "
         "stage is not started (1 more place past the limits)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StageFixture fixture(c.picture, c.topRow);
        fixture.frame->mRetry = true;
        fixture.frame->Start(CreateScene);
        fixture.fake.audio.TakeOperations();
        fixture.fake.keyboard.Hold({platform::VK_RETURN});
        testing::internal::CaptureStderr();
        fixture.frame->RunFrame();
        const std::string said = testing::internal::GetCapturedStderr();
        fixture.fake.keyboard.ReleaseAll();
        auto* game = dynamic_cast<CGame*>(fixture.frame->SceneManager().Current());
        ASSERT_NE(game, nullptr);
        const bool plays = std::string(c.message).empty();
        if (plays) EXPECT_EQ(said.find("not started"), std::string::npos) << said;
        else EXPECT_EQ(said, c.message);
        size_t walkers = 0;
        for (const std::string& row : c.picture) walkers += static_cast<size_t>(std::count(row.begin(), row.end(), 'w'));
        EXPECT_EQ(game->GetEnemies().size(), plays ? walkers : 0u);
        const auto ops = fixture.fake.audio.TakeOperations();
        EXPECT_EQ(std::any_of(ops.begin(), ops.end(), [](const auto& op) { return op.file == "rensaku_10_morivalte.wav"; }),
                  plays)
            << "the stage's music";
        fixture.frame->RunFrame();
        EXPECT_STREQ(fixture.frame->SceneManager().Current()->TraceName(), plays ? "game" : "title");
        if (!plays) {
            EXPECT_FALSE(fixture.frame->mRetry);
        }
    }
}

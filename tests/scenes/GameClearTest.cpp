// The result screen: its pictures and tune, the gauge, the score, the falling letters, the
// fountains of bubbles, the keys and the trace.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "app/Drawing.h"
#include "app/GhostRace.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "app/Random.h"
#include "app/TraceWriter.h"
#include "scenes/CampaignEnd.h"
#include "scenes/Game.h"
#include "scenes/GameClear.h"
#include "support/DrawnPictures.h"
#include "support/StageFixture.h"

namespace {

constexpr platform::Color kYellow = 0xFFFFFF00;

struct ResultScreen : ::testing::Test {
    StageFixture stage{std::vector<std::string>{}};
    FakePlatform& fake = stage.fake;

    std::unique_ptr<CGameClear> Make(int score, int total)
    {
        stage.frame->mScore = score;
        stage.frame->mScoreTotal = total;
        auto scene = std::make_unique<CGameClear>(stage.frame.get());
        scene->Init();
        return scene;
    }
};

TEST_F(ResultScreen, LoadsItsPicturesAndLoopsItsTuneUntilReleased)
{
    auto scene = Make(3, 10);
    EXPECT_EQ(fake.device.TexturesLoaded(), 13);
    auto ops = fake.audio.TakeOperations();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].file, "クリアかタイトル.wav");
    EXPECT_EQ(ops[0].op, "loop");
    EXPECT_EQ(fake.audio.BuffersAlive(), 1);

    scene->Release();
    ops = fake.audio.TakeOperations();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].op, "stop");
    EXPECT_EQ(fake.audio.BuffersAlive(), 0);
    // Nothing it lent out is left to draw.
    EXPECT_TRUE(fake.DrawFrame(*scene).empty());
}

TEST_F(ResultScreen, GaugeFillsFromTheBottomWithTheShareCollected)
{
    const struct {
        int score;
        int total;
        int percent;
    } cases[] = {
        {0, 90, 0},
        {45, 90, 50},
        {90, 90, 100},
        {89, 90, 98}, // truncated
        // Nothing to collect counts as everything collected; more than the total fills it.
        {0, 0, 100},
        {7, 0, 100},
        {120, 90, 100},
        {2000000000, 3, 100}, // the product with 100 must not overflow
    };
    for (const auto& c : cases) {
        auto scene = Make(c.score, c.total);
        EXPECT_EQ(scene->Percent(), c.percent) << c.score << "/" << c.total;
        FakePlatform::Step(*scene);
        const auto gauge = DrawsOf(fake.DrawFrame(*scene), "星白.png");
        ASSERT_EQ(gauge.size(), 2u);
        // The white star whole, at rows 365..685.
        EXPECT_EQ(gauge[0].color, 0xFFFFFFFFu);
        EXPECT_EQ(gauge[0].source.top, 0);
        EXPECT_EQ(gauge[0].source.bottom, 320);
        EXPECT_FLOAT_EQ(DrawnTopLeft(gauge[0]).x, 630);
        EXPECT_FLOAT_EQ(DrawnTopLeft(gauge[0]).y, 365);
        // The gold star beside it: its lower `percent` percent, each row over the same empty row.
        const int top = (100 - c.percent) * 320 / 100;
        EXPECT_EQ(gauge[1].color, 0xFFFFFFFFu);
        EXPECT_EQ(gauge[1].source.left, 320);
        EXPECT_EQ(gauge[1].source.right, 640);
        EXPECT_EQ(gauge[1].source.top, top) << c.score << "/" << c.total;
        EXPECT_EQ(gauge[1].source.bottom, 320);
        EXPECT_FLOAT_EQ(DrawnTopLeft(gauge[1]).x, 630);
        EXPECT_FLOAT_EQ(DrawnTopLeft(gauge[1]).y, 365.0f + static_cast<float>(top));
        scene->Release();
    }
}

TEST_F(ResultScreen, ScoreShowsInYellowDigitsBelowTheResultPicture)
{
    const struct {
        int score;
        std::vector<int> cells;
        float firstX;
    } cases[] = {
        {7, {0, 1, 1, 8}, 430},
        {1234, {0, 2, 3, 4, 5}, 390}, // in full, growing to the left
    };
    for (const auto& c : cases) {
        auto scene = Make(c.score, 2000);
        // The score's row (the share under the gauge uses the digits too).
        auto digits = DrawsOf(fake.DrawFrame(*scene), "suji2.png");
        std::erase_if(digits, [](const DrawCall& d) { return d.transform.m[3][1] != 630.0f; });
        ASSERT_EQ(digits.size(), c.cells.size());
        for (size_t k = 0; k < digits.size(); ++k) {
            EXPECT_EQ(digits[k].source.left, 60 * c.cells[k]) << c.score;
            EXPECT_EQ(digits[k].color, kYellow);
            EXPECT_FLOAT_EQ(digits[k].transform.m[3][0], c.firstX + 40.0f * static_cast<float>(k));
            EXPECT_FLOAT_EQ(digits[k].transform.m[3][1], 630);
        }
        scene->Release();
    }
}

TEST_F(ResultScreen, DrawsBackToFrontWithTheTurningStarInTheGlowPass)
{
    auto scene = Make(45, 90);
    // The first frame comes before any update: background, bubbles and letters have no
    // placement yet and the turning star no width; the rest is in place.
    auto first = fake.DrawFrame(*scene);
    const platform::Matrix zero{};
    EXPECT_EQ(DrawsOf(first, "Back2.png")[0].transform, zero);
    for (const DrawCall& d : DrawsOf(first, "WhiteNewGameClear3.png")) EXPECT_EQ(d.transform, zero);
    for (const DrawCall& d : DrawsOf(first, "playerBubble.png")) EXPECT_EQ(d.transform, zero);
    EXPECT_FLOAT_EQ(DrawsOf(first, "星 (1).png")[0].transform.m[0][0], 0);
    EXPECT_FLOAT_EQ(DrawnTopLeft(DrawsOf(first, "RESULT.png")[0]).x, 340);
    EXPECT_FLOAT_EQ(DrawnTopLeft(DrawsOf(first, "RESULT.png")[0]).y, 320);

    FakePlatform::Step(*scene);
    const int flushesBefore = fake.sprite.Flushes();
    const auto draws = fake.DrawFrame(*scene);
    EXPECT_EQ(fake.sprite.Flushes() - flushesBefore, 2);

    // The fountains first, so that no word or number is ever under them; the share (50%) under
    // the gauge.
    std::vector<std::string> expected = {"Back2.png"};
    for (int n = 0; n < CGameClear::kParticleCount; ++n) {
        expected.push_back("playerBubbleAlpha.png");
        expected.push_back("playerBubble.png");
    }
    for (const char* file : {"RESULT.png", "suji2.png", "suji2.png", "suji2.png", "suji2.png", "星白.png", "星白.png",
                             "suji2.png", "suji2.png", "Labels.png", "星 (1).png", "playerBubble (1).png",
                             "playerBubbleAlpha (1).png"}) {
        expected.push_back(file);
    }
    const size_t glowAt = 1 + 2 * CGameClear::kParticleCount + 10;
    for (int i = 0; i < CGameClear::kLetterCount; ++i) expected.push_back("WhiteNewGameClear3.png");
    ASSERT_EQ(draws.size(), expected.size());
    for (size_t i = 0; i < draws.size(); ++i) {
        EXPECT_EQ(DrawnFile(draws[i]), expected[i]) << i;
        const bool glow = i == glowAt;
        EXPECT_EQ(draws[i].srcBlend, platform::BLEND_SRCALPHA);
        EXPECT_EQ(draws[i].destBlend, glow ? platform::BLEND_SRCCOLOR : platform::BLEND_INVSRCALPHA) << i;
    }
    EXPECT_EQ(fake.device.DestBlend(), platform::BLEND_INVSRCALPHA);

    // The star turns about the middle of its bubble: sin(3 degrees) wide after one update.
    const DrawCall& star = draws[glowAt];
    EXPECT_EQ(star.color, kYellow);
    EXPECT_NEAR(star.transform.m[0][0], std::sin(3.0 * 3.14159265358979 / 180), 1e-6);
    EXPECT_FLOAT_EQ(star.transform.m[1][1], 1);
    EXPECT_FLOAT_EQ(star.transform.m[3][0], 490);
    EXPECT_FLOAT_EQ(star.transform.m[3][1], 490);
    EXPECT_EQ(draws[glowAt + 2].color, 0x46FFFFFFu);
    EXPECT_FLOAT_EQ(DrawnTopLeft(draws[glowAt + 1]).x, 490 - 85);

    // The fountains' bubbles take a fresh pale tint every frame, and are drawn from the large
    // cell at a third of their scale: the size they always had.
    for (size_t i = 1; i < 1 + 2 * CGameClear::kParticleCount; ++i) {
        const platform::Color c = draws[i].color;
        EXPECT_EQ(c >> 24, i % 2 == 1 ? 50u : 255u);
        EXPECT_EQ(draws[i].source.left, 80);
        EXPECT_EQ(draws[i].source.right, 320);
        EXPECT_GE((c >> 16) & 0xFF, 155u);
        EXPECT_GE((c >> 8) & 0xFF, 155u);
        EXPECT_EQ(c & 0xFF, 255u);
    }
    // The background is in place from the first update on.
    EXPECT_EQ(draws[0].transform, platform::Matrix::Translation(0, 0, 0));
}

TEST_F(ResultScreen, LettersFallThreePixelsAnUpdateAndLandInTwoRows)
{
    auto scene = Make(0, 10);
    const float startX[CGameClear::kLetterCount] = {328, 456, 584, 712, 840, 456, 584, 712, 840, 968};
    const float startY[CGameClear::kLetterCount] = {-364, -428, -492, -556, -620, -128, -192, -256, -320, -384};
    const float rest[CGameClear::kLetterCount] = {100, 100, 100, 100, 100, 250, 250, 250, 250, 250};
    int landed[CGameClear::kLetterCount] = {};
    for (int update = 1; update <= 260; ++update) {
        FakePlatform::Step(*scene);
        for (int i = 0; i < CGameClear::kLetterCount; ++i) {
            const CGameClear::CLetter& letter = scene->Letter(i);
            EXPECT_FLOAT_EQ(letter.mPos.x, startX[i]);
            EXPECT_FLOAT_EQ(letter.mPos.y, std::min(startY[i] + 3.0f * static_cast<float>(update), rest[i]))
                << "tile " << i << " update " << update;
            if (landed[i] == 0 && letter.mPos.y == rest[i]) landed[i] = update;
        }
    }
    // The lower row lands first.
    EXPECT_EQ(landed[5], 126);
    EXPECT_EQ(landed[9], 212);
    EXPECT_EQ(landed[0], 155);
    EXPECT_EQ(landed[4], 240);
    const auto letters = DrawsOf(fake.DrawFrame(*scene), "WhiteNewGameClear3.png");
    ASSERT_EQ(letters.size(), 10u);
    EXPECT_EQ(letters[3].source.left, 3 * 128);
    EXPECT_FLOAT_EQ(DrawnTopLeft(letters[3]).x, 712 - 64);
    EXPECT_FLOAT_EQ(DrawnTopLeft(letters[3]).y, 100 - 64);
}

TEST_F(ResultScreen, HeldKeysTakeEffectOnTheFirstUpdateAndMWins)
{
    const struct {
        std::initializer_list<int> keys;
        SceneId expected;
    } cases[] = {
        {{}, SCENE_NONE},
        {{platform::VK_G}, SCENE_GAME},
        {{platform::VK_M}, SCENE_TITLE},
        {{platform::VK_G, platform::VK_M}, SCENE_TITLE},
        {{platform::VK_RETURN, platform::VK_C}, SCENE_NONE},
    };
    for (const auto& c : cases) {
        fake.keyboard.Hold(c.keys);
        auto scene = Make(1, 2);
        EXPECT_EQ(FakePlatform::Step(*scene), c.expected);
        EXPECT_FALSE(stage.frame->mRetry);
        scene->Release();
    }
    fake.keyboard.ReleaseAll();
}

// The bubbles a renewal gives, from the generator seeded with the clock at that moment.
struct Renewal {
    float x, y, vx, vy;
    int life;
};

Renewal ExpectedRenewal(uint32_t now, int count, bool left)
{
    RandomSequence random;
    random.Seed(now);
    auto r = [&random] { return random.Next() / 32767.0; };
    const float sway = std::sin(static_cast<float>(count * 9) * kDegToRad);
    Renewal e{};
    e.x = static_cast<float>(50 * r() + (left ? 0 : 1280));
    e.y = static_cast<float>(50 * r() + 720);
    e.vx = static_cast<float>(left ? 3 * r() + 3 + sway : 3 * r() - 7 - sway);
    e.vy = static_cast<float>(3 * r() - 7);
    e.life = static_cast<int>(50 * r() + 200);
    return e;
}

TEST_F(ResultScreen, FountainsRenewTheirBubblesFromTheClockSeededBeforeEveryBubble)
{
    fake.clock.Advance(123456);
    auto scene = Make(0, 10);
    int lastLife[CGameClear::kParticleCount];
    for (int n = 0; n < CGameClear::kParticleCount; ++n) {
        const CGameClear::CParticle& p = scene->Particle(n);
        const bool left = n < 20;
        EXPECT_GE(p.mX, left ? 0 : 1280);
        EXPECT_LE(p.mX, left ? 50 : 1330);
        EXPECT_GE(p.mLife, 200);
        EXPECT_LT(p.mLife, 230);
        lastLife[n] = p.mLife;
    }
    int renewals = 0;
    for (int update = 1; update <= 400; ++update) {
        fake.clock.Advance(16 + update % 2);
        FakePlatform::Step(*scene);
        for (int n = 0; n < CGameClear::kParticleCount; ++n) {
            const CGameClear::CParticle& p = scene->Particle(n);
            if (p.mLife != lastLife[n] - 1) {
                ++renewals;
                const Renewal e = ExpectedRenewal(fake.clock.Now(), update, n < 20);
                EXPECT_FLOAT_EQ(p.mX, e.x) << "bubble " << n << " update " << update;
                EXPECT_FLOAT_EQ(p.mY, e.y);
                EXPECT_FLOAT_EQ(p.mVx, e.vx);
                EXPECT_FLOAT_EQ(p.mVy, e.vy);
                EXPECT_EQ(p.mLife, e.life);
                EXPECT_FLOAT_EQ(p.mScale, 3);
            } else {
                // A bubble still rising has not left through the top.
                EXPECT_GE(p.mY, -80.0f * p.mScale);
            }
            EXPECT_EQ(p.mMatrix, platform::Matrix::Scaling(p.mScale, p.mScale, 0) *
                                     platform::Matrix::Translation(p.mX, p.mY, 0));
            lastLife[n] = p.mLife;
        }
    }
    // Every bubble went round at least once.
    EXPECT_GE(renewals, CGameClear::kParticleCount);
}

TEST_F(ResultScreen, FountainsStartFromTheClockSecond)
{
    auto bubbles = [this](uint32_t at) {
        fake.clock.Advance(at - fake.clock.Now());
        auto scene = Make(0, 10);
        std::vector<float> xs;
        for (int n = 0; n < CGameClear::kParticleCount; ++n) xs.push_back(scene->Particle(n).mX);
        scene->Release();
        return xs;
    };
    const auto a = bubbles(5000);
    EXPECT_EQ(bubbles(5999), a);
    EXPECT_NE(bubbles(6000), a);
}

TEST_F(ResultScreen, TraceShowsThePercentAndTheLetters)
{
    auto scene = Make(45, 90);
    for (int i = 0; i < 240; ++i) FakePlatform::Step(*scene); // every letter has landed
    CTraceWriter trace;
    scene->WriteTrace(trace);
    EXPECT_EQ(trace.Finish(), "{\"percent\":50,\"next\":0,\"letters\":[100,100,100,100,100,250,250,250,250,250]}");
}

// After a cleared stage N (or Enter) plays the next one, G this one again; after the game's last
// stage the campaign is complete and nothing comes next.
TEST_F(ResultScreen, TheCampaignGoesOnWithNOrEnterAndEndsOnItsOwnScreenAfterTheLastStage)
{
    std::vector<StageDescription> stages(3, FirstStage());
    stages[1].id = "2";
    stages[2].id = "3";
    stage.frame->SetStages(stages);
    stage.frame->mRun = {4000, false, true}; // reached the goal unaided
    const struct {
        int playing;
        std::initializer_list<int> keys;
        int next;     // the trace's "next": 0 for none
        int playsNow; // the stage chosen after the update
        SceneId scene;
        bool complete;
    } cases[] = {
        {0, {platform::VK_N}, 2, 1, SCENE_GAME, false},
        {0, {platform::VK_RETURN}, 2, 1, SCENE_GAME, false},
        {0, {platform::VK_G}, 2, 0, SCENE_GAME, false},
        {0, {platform::VK_N, platform::VK_G}, 2, 0, SCENE_GAME, false},
        {1, {platform::VK_N, platform::VK_M}, 3, 2, SCENE_TITLE, false},
        // After the last stage N and Enter show the campaign's end.
        {2, {platform::VK_N}, 0, 2, SCENE_CAMPAIGN, true},
        {2, {platform::VK_RETURN}, 0, 2, SCENE_CAMPAIGN, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.playing);
        stage.frame->ChooseStage(c.playing);
        auto scene = Make(10, 20);
        EXPECT_EQ(scene->NextStage() + 1, c.next);
        EXPECT_EQ(scene->CampaignComplete(), c.complete);
        fake.keyboard.Hold(c.keys);
        EXPECT_EQ(FakePlatform::Step(*scene), c.scene);
        EXPECT_EQ(stage.frame->StageIndex(), c.playsNow);
        fake.keyboard.Hold({});
        scene->Release();
    }
    // A run that used a testing aid opens nothing: without a cleared stage there is no next one.
    stage.frame->mRun = {4000, true, true};
    stage.frame->ChooseStage(0);
    auto scene = Make(10, 20);
    EXPECT_EQ(scene->NextStage(), -1);
    scene->Release();
}

// Each result writes its stage into the campaign's log (a stage cleared again keeps its latest
// clear, the stages in their order); the campaign's end lists it and leaves for the title on a
// fresh press of Enter or M, never on the Enter still held from the result.
TEST_F(ResultScreen, TheCampaignsEndListsEveryStageClearedSinceTheTitle)
{
    std::vector<StageDescription> stages(3, FirstStage());
    stages[1].id = "2";
    stages[1].name = "SECOND";
    stages[2].id = "3";
    stage.frame->SetStages(stages);
    const struct {
        int stage, frames, score;
    } runs[] = {{1, 3000, 20}, {0, 2000, 10}, {1, 2500, 25}};
    for (const auto& run : runs) {
        stage.frame->ChooseStage(run.stage);
        stage.frame->mRun = {run.frames, false, true};
        Make(run.score, 40)->Release();
    }
    const std::vector<CampaignClear>& clears = stage.frame->Campaign().Clears();
    ASSERT_EQ(clears.size(), 2u);
    EXPECT_EQ(clears[0].stageIndex, 0);
    EXPECT_EQ(clears[0].frames, 2000);
    EXPECT_EQ(clears[1].stageIndex, 1);
    EXPECT_EQ(clears[1].name, "SECOND");
    EXPECT_EQ(clears[1].frames, 2500) << "the latest clear of a stage";
    EXPECT_EQ(clears[1].score, 25);

    CCampaignEnd end(stage.frame.get());
    fake.keyboard.Hold({platform::VK_RETURN}); // still held from the result
    stage.frame->SetInput(FrameInput::Read(&fake.keyboard));
    end.Init();
    CTraceWriter trace;
    end.WriteTrace(trace);
    EXPECT_NE(trace.Finish().find("\"stages\":2,\"frames\":4500"), std::string::npos);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FakePlatform::Step(end), SCENE_NONE);
    fake.keyboard.Hold({});
    EXPECT_EQ(FakePlatform::Step(end), SCENE_NONE);
    fake.keyboard.Hold({platform::VK_RETURN});
    EXPECT_EQ(FakePlatform::Step(end), SCENE_TITLE);
    end.Release();
}

// Only a new fewest-frames best leaves the run's path as the stage's ghost.
TEST_F(ResultScreen, OnlyAFasterRunReplacesTheGhost)
{
    TempDir dir;
    CBestResultsFile bests(dir.Path() / "best-results.txt");
    stage.frame->SetBestResults(&bests);
    const auto ghostFile = CGhostRace::FileFor(bests, "1");
    const struct {
        long frames;
        bool aided;
        bool keeps;
    } cases[] = {{5000, false, true}, {5200, false, false}, {4000, true, false}, {4900, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frames);
        stage.frame->GhostRace().BeginStage("1", &bests, "", false);
        for (long f = 0; f < c.frames / 100; ++f) stage.frame->GhostRace().Record({static_cast<float>(f), 0, 45, 75});
        const std::string before = std::filesystem::exists(ghostFile) ? ReadFile(ghostFile.string()) : "";
        stage.frame->mRun = {static_cast<int32_t>(c.frames), c.aided, true};
        auto scene = Make(10, 20);
        const std::string after = ReadFile(ghostFile.string());
        EXPECT_EQ(after != before, c.keeps);
        scene->Release();
    }
    stage.frame->SetBestResults(nullptr);
}

// The ghost of a player's stage carries that stage's own stamp: once the folder is edited, the
// stage's ghost is no longer raced, with one line saying why.
TEST_F(ResultScreen, AGhostOfAPlayersStageGoesWithThatStage)
{
    TempDir dir;
    CBestResultsFile bests(dir.Path() / "best-results.txt");
    stage.frame->SetBestResults(&bests);
    const auto grid = dir.Write("stages/mine/Map005.csv", "1,1,1\n");
    StageDescription fallback = FirstStage();
    fallback.ownStage = false;
    testing::internal::CaptureStderr(); // the stage has no description
    stage.frame->SetStages({FirstStage(), ReadStageFolder(dir.Path() / "stages/mine", "mine", fallback)});
    stage.frame->ChooseStage(1);
    // A cleared run of the player's stage leaves its path as the stage's ghost.
    stage.frame->GhostRace().BeginStage("mine", &bests, "", false);
    for (long f = 0; f < 50; ++f) stage.frame->GhostRace().Record({static_cast<float>(f), 0, 45, 75});
    stage.frame->mRun = {5000, false, true};
    Make(10, 20)->Release();
    ASSERT_TRUE(std::filesystem::exists(CGhostRace::FileFor(bests, "mine")));
    const auto raced = [&] {
        stage.frame->GhostRace() = CGhostRace();
        stage.frame->mRetry = false;
        auto game = stage.MakeGame();
        const bool shown = stage.frame->GhostRace().Ghost() != nullptr;
        game->Release();
        return shown;
    };
    EXPECT_TRUE(raced()) << "the stage as it was cleared";
    testing::internal::GetCapturedStderr();

    std::ofstream(grid, std::ios::app) << "1,1,1\n";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(raced()) << "the stage edited";
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("ghost-mine.bin: made on other game data"), std::string::npos) << err;
    stage.frame->SetBestResults(nullptr);
}

} // namespace

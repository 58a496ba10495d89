// The walking enemy on a small stage: walking, hurting the hero, being trapped by a bubble,
// floating, carrying and pushing the hero, bursting and fading out.
#include "player/PlayerStage.h"

namespace {

using platform::VK_SPACE;

// Ground two rows thick (walkers turn where the floor has no second row) on rows 34 and 35, its
// top at 1360; a walker starts on column 12 (x 480), walking left at the hero.
std::vector<std::string> WalkerStage(int column = 12)
{
    std::string row(static_cast<size_t>(column) + 1, '.');
    row.back() = 'w';
    return {"", "", row, std::string(60, '1'), std::string(60, '1')};
}

CEnemyBase& Walker(PlayerStage& stage)
{
    return *stage.game->GetEnemies().at(0);
}

// Shoots at once and runs until the walker is captured; the frame of the capture has run.
int ShootAndCapture(PlayerStage& stage)
{
    stage.Run(10);
    stage.Run(1, {VK_SPACE});
    int frames = 0;
    while (!Walker(stage).Captured() && frames < 120) {
        stage.Run(1);
        ++frames;
    }
    EXPECT_TRUE(Walker(stage).Captured());
    return frames;
}

TEST(WalkEnemyTest, WalksLeftAtThreePixelsAFrameAndCyclesItsEightFrames)
{
    PlayerStage stage(WalkerStage(26));
    CEnemyBase& walker = Walker(stage);
    EXPECT_EQ(walker.mState, kEnemyWalkLeft);
    stage.Run(3); // landed
    const float x = walker.GetPos().x;
    stage.Run(10);
    EXPECT_FLOAT_EQ(walker.GetPos().x, x - 30);
    EXPECT_FLOAT_EQ(walker.GetPos().y, kGroundTop - 37.5f);
    EXPECT_EQ(walker.ScaleX(), -1.0f);
    int frame = walker.AnimFrame();
    for (int i = 0; i < 80; ++i) {
        stage.Run(1);
        if (walker.AnimFrame() != frame) {
            EXPECT_EQ(walker.AnimFrame(), (frame + 1) % 8);
            frame = walker.AnimFrame();
        }
    }
}

TEST(WalkEnemyTest, TrappedFromTheFrameOfCaptureFloatsBurstsAfter300FramesAndFades)
{
    PlayerStage stage(WalkerStage());
    CEnemyBase& walker = Walker(stage);
    ShootAndCapture(stage);
    stage.SoundOps("");
    // The player's contact comes first in the frame; the enemy's own update then traps it.
    EXPECT_EQ(walker.mState, kEnemyTrapped);
    EXPECT_EQ(walker.mFlash, 15);
    EXPECT_EQ(walker.TrapTimer(), 300);
    EXPECT_EQ(walker.mBubbleRow, kBubbleForming);
    const float capturedAt = walker.GetPos().x;

    int burstFrame = 0;
    std::vector<int> pops;
    for (int f = 1; f <= 330; ++f) {
        stage.Run(1);
        // The hero's own bubbles pop with the same sound, until their flight is long over.
        if (!stage.SoundOps("消失・ぱちんっ(低音).wav").empty() && f > 200) pops.push_back(f);
        if (f <= 15) {
            EXPECT_EQ(walker.mFlash, 15 - f) << f;
        }
        if (f == 20) {
            EXPECT_EQ(walker.mBubbleRow, kBubbleSteady);
        }
        if (walker.Alive()) {
            EXPECT_FLOAT_EQ(walker.GetPos().x, capturedAt) << f; // floats in place
        } else if (burstFrame == 0) {
            burstFrame = f;
            EXPECT_EQ(walker.mBubbleRow, kBubbleBursting);
            EXPECT_EQ(walker.Alpha(), 255);
        }
    }
    // Captured in frame n, it bursts in frame n + 300; the pop is heard once, at the burst's second frame.
    EXPECT_EQ(burstFrame, 300);
    ASSERT_EQ(pops.size(), 1u);
    EXPECT_GE(pops[0], 300);
    EXPECT_LE(pops[0], 302);
    // 17 frames of fading by 15, then inert: it stays in its list and draws nothing.
    EXPECT_EQ(walker.Alpha(), 0);
    EXPECT_EQ(walker.mBubbleRow, kBubbleGone);
    EXPECT_TRUE(walker.Captured());
    EXPECT_TRUE(stage.DrawsOf("EnemyBase.png").empty());
}

TEST(WalkEnemyTest, FadingTakesSeventeenFrames)
{
    PlayerStage stage(WalkerStage());
    CEnemyBase& walker = Walker(stage);
    ShootAndCapture(stage);
    while (walker.Alive()) stage.Run(1);
    std::vector<int> alphas;
    while (walker.Alpha() > 0 && alphas.size() < 30) {
        stage.Run(1);
        alphas.push_back(walker.Alpha());
    }
    EXPECT_EQ(alphas.size(), 17u);
    EXPECT_EQ(alphas.front(), 240);
}

TEST(WalkEnemyTest, ATrappedEnemyIsDrawnInItsBubbleWithTheGlowFading)
{
    PlayerStage stage(WalkerStage());
    CEnemyBase& walker = Walker(stage);
    ShootAndCapture(stage);
    using Draw = PlayerStage::Draw;
    const std::vector<Draw> draws = stage.DrawFrame();
    int body = 0, bubble = 0, highlight = 0, glow = 0;
    for (const Draw& d : draws) {
        const std::string file = PlayerStage::TextureFile(d);
        if (file.ends_with("EnemyBase.png")) {
            ++body;
            EXPECT_EQ(d.source.top, 76); // the trapped pose
            EXPECT_EQ(d.source.bottom, 151);
        } else if (file.ends_with("EnemyBubble.png")) {
            ++bubble;
            EXPECT_EQ(d.color, 0xFFFFFFFFu);
        } else if (file.ends_with("EnemyBubbleAlpha.png")) {
            ++highlight;
            EXPECT_EQ(d.color, 0x46FFFFFFu);
        } else if (file.ends_with("Sun.bmp")) {
            ++glow;
            EXPECT_EQ(d.destBlend, platform::BLEND_ONE);
        }
    }
    EXPECT_EQ(body, 1);
    EXPECT_EQ(bubble, 1);
    EXPECT_EQ(highlight, 1);
    EXPECT_EQ(glow, walker.mFlash);
    EXPECT_EQ(glow, 15);
    // The bubble is not mirrored with the body, and disappears once it has burst.
    const Draw bodyDraw = stage.DrawsOf("EnemyBase.png").at(0);
    const Draw bubbleDraw = stage.DrawsOf("EnemyBubble.png").at(0);
    EXPECT_LT(bodyDraw.transform.m[0][0] * bubbleDraw.transform.m[0][0], 0.0f);
    while (walker.mBubbleRow != kBubbleGone) stage.Run(1);
    EXPECT_TRUE(stage.DrawsOf("EnemyBubble.png").empty());
}

TEST(WalkEnemyTest, ATrappedEnemyCarriesTheHeroAndPushesItAside)
{
    PlayerStage stage(WalkerStage());
    CEnemyBase& walker = Walker(stage);
    CPlayer& player = stage.Player();
    ShootAndCapture(stage);
    stage.Run(30); // the bubble is steady
    ASSERT_EQ(walker.mBubbleRow, kBubbleSteady);

    // Dropped onto it from above: it lands on the enemy's box and rides its bobbing.
    const platform::Vec2 e = walker.GetPos();
    player.Place({e.x, e.y - 150}, {0, 0});
    bool landed = false;
    for (int i = 0; i < 40; ++i) {
        stage.Run(1);
        if (player.OnGround() && player.GetPos().y < kBigStandY - 10) landed = true;
        if (landed) {
            EXPECT_NEAR(player.GetPos().y + 37.5f, walker.GetPos().y - 37.5f, 4.0f) << i;
            EXPECT_FALSE(player.Jumping());
        }
    }
    EXPECT_TRUE(landed);

    // Walking into it from the left: the hero stops at its side.
    player.Place({e.x - 80, kBigStandY}, {0, 0});
    stage.Run(30, {platform::VK_RIGHT});
    EXPECT_LE(player.GetPos().x + 22.5f, walker.GetPos().x - 22.5f + 1.0f);
    EXPECT_GE(player.GetPos().x, e.x - 80);
}

TEST(WalkEnemyTest, HurtsTheHeroOnceThenNotWhileItBlinks)
{
    PlayerStage stage(WalkerStage());
    CPlayer& player = stage.Player();
    int frames = 0;
    while (player.Hp() == 3 && frames < 200) {
        stage.Run(1);
        ++frames;
    }
    ASSERT_EQ(player.Hp(), 2);
    EXPECT_EQ(player.Invincible(), 119);
    EXPECT_EQ(player.HurtTimer(), 39);
    // The walker passes through the blinking hero without another hit.
    stage.Run(118);
    EXPECT_EQ(player.Hp(), 2);
    EXPECT_EQ(player.Invincible(), 1);
}

TEST(WalkEnemyTest, BubblesInFlightStillCatchAfterTheHeroIsDefeated)
{
    PlayerStage stage(WalkerStage());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Run(1, {VK_SPACE});
    player.SetHp(0); // defeated on its next update
    for (int i = 0; i < 121 && !Walker(stage).Captured(); ++i) stage.Run(1);
    EXPECT_FALSE(player.Alive());
    // The capture is marked; the stage no longer runs the frozen enemy, so it is not yet trapped.
    EXPECT_TRUE(Walker(stage).Captured());
    EXPECT_EQ(Walker(stage).mFlash, 15);
    EXPECT_EQ(Walker(stage).mState, kEnemyWalkLeft);
}

TEST(WalkEnemyTest, EnemiesAtTheStageEdgesOrWithoutFloorStayInsideTheGrid)
{
    // Walkers on the first and last columns and in the bottom row, none with a floor under
    // them; the hero stands on a floor of its own far from them.
    std::string edges(kMapCols, '.');
    edges.front() = 'w';
    edges.back() = 'w';
    PlayerStage stage({edges, "", "", "...111111", edges}, 31);
    ASSERT_EQ(stage.game->GetEnemies().size(), 4u);
    stage.Run(300);
    for (const auto& enemy : stage.game->GetEnemies()) {
        EXPECT_GT(enemy->GetPos().y, kStageHeight); // fallen out, still in the list
        EXPECT_TRUE(enemy->Alive());
    }
}

} // namespace

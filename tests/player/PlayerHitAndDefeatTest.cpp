// Being hurt (here by the damage floor), the grace period, the debug keys, and the way out of the stage.
#include <algorithm>
#include <cmath>

#include "app/Drawing.h"
#include "player/PlayerStage.h"

namespace {

using platform::VK_A;
using platform::VK_RIGHT;
using platform::VK_Z;

// Damage floor over columns 3..8 (x 120..360), right under the player's start.
std::vector<std::string> DamageStage()
{
    return {"", "", "", "111^^^^^^" + std::string(50, '1')};
}

// Runs until the player is hurt; the frame of the hit has run.
void RunUntilHurt(PlayerStage& stage)
{
    for (int i = 0; i < 30 && stage.Player().HurtTimer() == 0; ++i) stage.Run(1);
    ASSERT_GT(stage.Player().HurtTimer(), 0);
}

TEST(PlayerHitTest, FortyFramesWithoutControlPushedBackThenBlinkingFor120)
{
    PlayerStage stage(DamageStage());
    CPlayer& player = stage.Player();
    RunUntilHurt(stage);
    stage.SoundOps("");
    // The frame of the hit already counts.
    EXPECT_EQ(player.Hp(), 2);
    EXPECT_EQ(player.HurtTimer(), 39);
    EXPECT_EQ(player.Invincible(), 119);
    EXPECT_TRUE(player.Hurt());
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimHit);
    EXPECT_FLOAT_EQ(player.GetPos().x, 199); // knocked back against its facing

    std::vector<int> alpha{player.Alpha()};
    std::vector<std::string> damageOps;
    for (int f = 1; f < 120; ++f) {
        // Right is held until a frame after the reaction: it only acts once the reaction is over.
        if (f <= 40) {
            stage.Run(1, {VK_RIGHT});
        } else {
            stage.Run(1);
        }
        for (const std::string& op : stage.SoundOps("damage6.wav")) damageOps.push_back(op);
        alpha.push_back(player.Alpha());
        if (f <= 38) {
            EXPECT_FLOAT_EQ(player.GetPos().x, 199.0f - static_cast<float>(f)) << f;
            EXPECT_EQ(player.AnimState(), CPlayer::kAnimHit) << f;
        }
        if (f == 39) {
            EXPECT_EQ(player.HurtTimer(), 0);
            EXPECT_FALSE(player.Hurt());
            EXPECT_FALSE(player.ActionLock());
            EXPECT_EQ(player.AnimState(), CPlayer::kAnimIdle);
            EXPECT_FLOAT_EQ(player.GetPos().x, 160);
        }
        if (f == 40) {
            EXPECT_FLOAT_EQ(player.GetPos().x, 165);
        }
        EXPECT_EQ(player.Hp(), 2) << f; // no second hit while invincible
    }
    // Played without rewinding on every frame of the hit pose.
    EXPECT_EQ(damageOps, std::vector<std::string>(38, "play"));

    // Visible for the first five frames, then six hidden and six shown, ending visible.
    for (int f = 0; f <= 4; ++f) EXPECT_EQ(alpha[f], 255) << f;
    for (int f = 5; f <= 10; ++f) EXPECT_EQ(alpha[f], 0) << f;
    for (int f = 11; f <= 16; ++f) EXPECT_EQ(alpha[f], 255) << f;
    for (int f = 113; f <= 118; ++f) EXPECT_EQ(alpha[f], 0) << f;
    EXPECT_EQ(alpha[119], 255);
    EXPECT_EQ(player.Invincible(), 0);
    EXPECT_EQ(std::count(alpha.begin(), alpha.end(), 0), 60);

    // The floor hurts again once the grace period is over.
    stage.Run(1);
    EXPECT_EQ(player.Hp(), 1);
}

TEST(PlayerHitTest, AHitInMiniFormMakesThePlayerBigAtOnce)
{
    // Damage floor over columns 10..19 (x 400..800).
    PlayerStage stage({"", "", "", std::string(10, '1') + std::string(10, '^') + std::string(20, '1')});
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Shrink();
    player.Place({600, kMiniStandY - 10}, {0, 0});
    RunUntilHurt(stage);
    EXPECT_FALSE(player.Mini());
    EXPECT_FLOAT_EQ(player.mWidth, 45.0f);
    EXPECT_FLOAT_EQ(player.mHeight, 75.0f);
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimHit);
    // The feet stay on the floor as the box grows (the box over two floor cells lands twice,
    // which takes the bounce back).
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY);
    stage.Run(39);
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimIdle);
    EXPECT_FALSE(player.Mini());

    // Hurt by anything else (an enemy, a bullet): the same, and the bounce lifts the grown box.
    player.Place({200, kBigStandY}, {0, 0});
    stage.Run(130);
    stage.Shrink();
    stage.Run(2);
    player.ApplyHitRule();
    stage.Run(1);
    EXPECT_FALSE(player.Mini());
    EXPECT_EQ(player.Hp(), 1);
    // Hurt before the frame, so the frame's gravity has already slowed the bounce of -12.
    EXPECT_NEAR(player.Velocity().y, -11.3f, 1e-5f);
    EXPECT_FLOAT_EQ(player.GetPos().y + 37.5f, kGroundTop - 11.0f);
}

TEST(PlayerHitTest, DebugKeysAddScoreAndKeepThePlayerUnharmedWithoutBlinking)
{
    PlayerStage stage(DamageStage());
    CPlayer& player = stage.Player();
    stage.Run(3, {VK_A});
    EXPECT_EQ(player.Score(), 3);
    EXPECT_EQ(stage.game->Score(), 3); // reported to the stage every frame

    for (int f = 0; f < 30; ++f) {
        stage.Run(1, {VK_Z});
        EXPECT_EQ(player.Alpha(), 255) << f;
        EXPECT_EQ(player.Hp(), 3) << f;
    }
    EXPECT_TRUE(player.OnGround());
    stage.Run(1);
    EXPECT_EQ(player.Hp(), 2);
}

TEST(PlayerDefeatTest, FallingOutOfTheStageDefeatsThePlayer)
{
    PlayerStage stage({""});
    CPlayer& player = stage.Player();
    float previousTop = 0;
    for (int i = 0; i < 100 && player.Alive(); ++i) {
        previousTop = player.GetPos().y - 37.5f;
        stage.Run(1);
    }
    ASSERT_FALSE(player.Alive());
    EXPECT_LE(previousTop, 1440.0f);
    EXPECT_GT(player.GetPos().y - 37.5f, 1440.0f);
    EXPECT_EQ(player.Hp(), 0);
    EXPECT_FLOAT_EQ(player.DeathTimer(), 89);

    int guard = 0;
    SceneId result = SCENE_NONE;
    while (!player.mGameOver && guard++ < 400) result = stage.Run(1);
    EXPECT_TRUE(player.mGameOver);
    EXPECT_EQ(result, SCENE_OVER);
    EXPECT_EQ(stage.SoundOps("動き10（ぺろろろ・下がり）.wav"), std::vector<std::string>{"play"});
}

// A fall is shown, not only heard: the view holds where the hero fell, the hearts it held burst
// one by one (the rightmost first) over their empty places, and the hero shrinks away into the
// pit. None of it changes the defeat's frames.
TEST(PlayerDefeatTest, AFallShowsTheHeartsEmptyingAndTheHeroSinkingIntoThePit)
{
    PlayerStage stage({""});
    CPlayer& player = stage.Player();
    player.SetHp(2);
    for (int i = 0; i < 100 && player.Alive(); ++i) stage.Run(1);
    ASSERT_FALSE(player.Alive());
    const platform::Vec2 camera = stage.game->GetCamera().GetPos();
    auto fullHearts = [&stage] {
        std::vector<float> xs;
        for (const auto& heart : stage.DrawsOf("HP.png")) {
            if ((heart.color >> 24) > 0x70u) xs.push_back(DrawnAt(heart).x);
        }
        return xs;
    };
    // Both held hearts show at first, over the three empty places.
    EXPECT_EQ(stage.DrawsOf("HP.png").size(), 5u);
    EXPECT_EQ(fullHearts().size(), 2u);
    std::vector<size_t> counts;
    std::vector<float> lastSeen;
    float previousScale = 2.0f;
    for (int f = 0; f < 88; ++f) {
        stage.Run(1);
        const auto xs = fullHearts();
        if (counts.empty() || xs.size() != counts.back()) {
            counts.push_back(xs.size());
            lastSeen = xs;
        }
        // The hero is drawn shrinking at the bottom of the view, under where it fell.
        for (const auto& body : stage.DrawsOf("player試作11.png")) {
            if (DrawnAt(body).y > 720.0f) continue; // the defeated pose waits below the stage
            const float scale = body.transform.m[0][0];
            EXPECT_LT(scale, previousScale) << f;
            previousScale = scale;
            EXPECT_NEAR(DrawnAt(body).x, player.DeathPos().x - camera.x, 1.0f);
        }
        EXPECT_EQ(stage.game->GetCamera().GetPos().x, camera.x);
    }
    EXPECT_EQ(counts, (std::vector<size_t>{2, 1, 0}));
    EXPECT_LT(previousScale, 0.1f);
    // The rules' frames stay: the wait still ends on the 90th frame.
    EXPECT_FLOAT_EQ(player.DeathTimer(), 1);
}

TEST(PlayerDefeatTest, TheDefeatedSpriteStandsNinetyFramesThenLeapsSpinsAndLeaves)
{
    PlayerStage stage(DamageStage());
    CPlayer& player = stage.Player();
    player.SetHp(1);
    RunUntilHurt(stage);
    ASSERT_FALSE(player.Alive());
    EXPECT_EQ(player.Hp(), 0);
    // The last hit plays no damage sound: the player is already down when its pose starts.
    EXPECT_TRUE(stage.SoundOps("damage6.wav").empty());
    const platform::Vec2 start = player.DeathPos();
    EXPECT_FLOAT_EQ(start.x, player.GetPos().x);

    // Standing in the hit pose; health, stock and trail are gone, the score stays.
    auto camera = stage.game->GetCamera().GetPos();
    auto body = stage.DrawsOf("player試作11.png");
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0].source.top, 225);
    EXPECT_EQ(body[0].source.bottom, 300);
    EXPECT_FLOAT_EQ(DrawnAt(body[0]).x, start.x - camera.x);
    EXPECT_FLOAT_EQ(DrawnAt(body[0]).y, start.y - camera.y);
    // Only the hearts' empty places stay in the HUD, dimmed.
    auto hearts = stage.DrawsOf("HP.png");
    ASSERT_EQ(hearts.size(), 3u);
    for (const auto& heart : hearts) EXPECT_LT(heart.color >> 24, 0xFFu);
    EXPECT_TRUE(stage.DrawsOf("BubbleAnime.png").empty());
    EXPECT_TRUE(stage.DrawsOf("starBubbleAlpha.png").size() == 1u); // only the score star's bubble
    EXPECT_EQ(stage.DrawsOf("suji2.png").size(), 4u);

    for (int f = 1; f < 89; ++f) {
        stage.Run(1);
        ASSERT_FLOAT_EQ(player.DeathPos().y, start.y) << f;
        ASSERT_GT(player.DeathTimer(), 0);
    }
    stage.Run(1);
    EXPECT_FLOAT_EQ(player.DeathTimer(), 0);
    EXPECT_FLOAT_EQ(player.DeathPos().y, start.y - 11); // -12 + 0.2, truncated
    camera = stage.game->GetCamera().GetPos();
    EXPECT_TRUE(stage.DrawsOf("player試作11.png").empty());
    auto falling = stage.DrawsOf("playerDown2.png");
    ASSERT_EQ(falling.size(), 1u);
    EXPECT_NEAR(falling[0].transform.m[0][0], std::cos(10 * kDegToRad), 1e-6);
    EXPECT_NEAR(falling[0].transform.m[0][1], std::sin(10 * kDegToRad), 1e-6);
    EXPECT_FLOAT_EQ(DrawnAt(falling[0]).y, start.y - 11 - camera.y);

    // Game over the first frame the sprite is more than a box height below the stage.
    SceneId result = SCENE_NONE;
    for (int guard = 0; guard < 400 && !player.mGameOver; ++guard) {
        EXPECT_LE(player.DeathPos().y - 75.0f, 1440.0f);
        result = stage.Run(1);
    }
    ASSERT_TRUE(player.mGameOver);
    EXPECT_GT(player.DeathPos().y - 75.0f, 1440.0f);
    EXPECT_EQ(result, SCENE_OVER);
}

} // namespace

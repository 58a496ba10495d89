// What the player draws: the display, the sprite in both forms, the Mona stock and the trail.
#include <cmath>

#include "app/Drawing.h"
#include "app/Random.h"
#include "player/PlayerStage.h"

namespace {

using Draw = PlayerStage::Draw;
using platform::VK_LEFT;
using platform::VK_RIGHT;
using platform::VK_UP;

float Pulse(int frame)
{
    return 1.0f + std::sin(static_cast<float>(frame * 2) * kDegToRad) / 10.0f;
}

// The Mona stock icons: the bubble sheet drawn on the row under the health icons.
std::vector<Draw> StockDraws(PlayerStage& stage, const char* file)
{
    std::vector<Draw> found;
    for (const Draw& d : stage.DrawsOf(file)) {
        if (DrawnAt(d).y == 124.0f) found.push_back(d);
    }
    return found;
}

TEST(PlayerDrawTest, HealthIconsBreatheInARowOfThree)
{
    PlayerStage stage(FlatGround());
    stage.Run(10);
    auto icons = stage.DrawsOf("HP.png");
    ASSERT_EQ(icons.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(DrawnAt(icons[i]).x, 60.0f + 90.0f * static_cast<float>(i));
        EXPECT_FLOAT_EQ(DrawnAt(icons[i]).y, 40.0f);
        EXPECT_FLOAT_EQ(icons[i].transform.m[0][0], Pulse(10));
        EXPECT_FLOAT_EQ(icons[i].transform.m[1][1], Pulse(10));
        EXPECT_EQ(icons[i].source.right, 64);
        EXPECT_FLOAT_EQ(icons[i].center.x, 32.0f);
    }
    stage.Player().SetHp(2);
    icons = stage.DrawsOf("HP.png");
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_FLOAT_EQ(DrawnAt(icons[1]).x, 150.0f);
}

TEST(PlayerDrawTest, ScoreStripInYellowAndTheTurningStarInTheGlowPass)
{
    PlayerStage stage(FlatGround());
    stage.Run(10);
    stage.Player().SetScore(42);
    auto digits = stage.DrawsOf("suji2.png");
    ASSERT_EQ(digits.size(), 4u);
    const int cells[] = {0, 1, 5, 3}; // X, 0, 4, 2
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(digits[i].source.left, 60 * cells[i]);
        EXPECT_FLOAT_EQ(DrawnAt(digits[i]).x, 1120.0f + 40.0f * static_cast<float>(i));
        EXPECT_FLOAT_EQ(DrawnAt(digits[i]).y, 20.0f);
        EXPECT_EQ(digits[i].color, 0xFFFFFF00u);
    }
    // Above 999 the true value shows, its extra digit to the left.
    stage.Player().SetScore(1234);
    digits = stage.DrawsOf("suji2.png");
    ASSERT_EQ(digits.size(), 5u);
    EXPECT_EQ(digits[1].source.left, 60 * 2);
    EXPECT_FLOAT_EQ(DrawnAt(digits[4]).x, 1240.0f);

    // The star, then its bubble in the normal blend.
    const auto& all = stage.DrawFrame();
    size_t star = all.size();
    for (size_t i = 0; i < all.size(); ++i) {
        if (PlayerStage::TextureFile(all[i]).ends_with("star.png")) star = i;
    }
    ASSERT_LT(star + 2, all.size());
    EXPECT_EQ(all[star].destBlend, platform::BLEND_SRCCOLOR);
    EXPECT_EQ(all[star].srcBlend, platform::BLEND_SRCALPHA);
    EXPECT_EQ(all[star].color, 0xFFFFFF00u);
    EXPECT_FLOAT_EQ(all[star].transform.m[0][0], std::sin(30.0f * kDegToRad));
    EXPECT_FLOAT_EQ(DrawnAt(all[star]).x, 1090.0f);
    EXPECT_FLOAT_EQ(DrawnAt(all[star]).y, 30.0f);
    const Draw& bubble = all[star + 1];
    const Draw& highlight = all[star + 2];
    EXPECT_TRUE(PlayerStage::TextureFile(bubble).ends_with("starBubble.png"));
    EXPECT_TRUE(PlayerStage::TextureFile(highlight).ends_with("starBubbleAlpha.png"));
    EXPECT_EQ(bubble.destBlend, platform::BLEND_INVSRCALPHA);
    EXPECT_EQ(bubble.color, 0xFFFFFFFFu);
    EXPECT_EQ(highlight.color, 0x46FFFFFFu);
    EXPECT_FLOAT_EQ(DrawnAt(bubble).x, 1090.0f);
    EXPECT_FLOAT_EQ(bubble.transform.m[0][0], 1.0f);
}

TEST(PlayerDrawTest, BigSheetRowsStartOnePixelLowAndMirrorFacingLeft)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    auto body = stage.DrawsOf("player試作11.png");
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0].source.top, 1);
    EXPECT_EQ(body[0].source.bottom, 76);
    EXPECT_FLOAT_EQ(body[0].center.x, 22.5f);
    EXPECT_FLOAT_EQ(body[0].center.y, 37.5f);
    EXPECT_EQ(body[0].color, 0xFFFFFFFFu);

    // Walking left: row 1, mirrored, placed with the camera the frame began with.
    stage.Run(20, {VK_LEFT});
    const platform::Vec2 camera = stage.game->GetCamera().GetPos();
    stage.Run(1, {VK_LEFT});
    body = stage.DrawsOf("player試作11.png");
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0].source.top, 76);
    EXPECT_EQ(body[0].source.bottom, 151);
    EXPECT_EQ(body[0].source.left, 45 * player.AnimFrame());
    EXPECT_FLOAT_EQ(body[0].transform.m[0][0], -1.0f);
    EXPECT_FLOAT_EQ(DrawnAt(body[0]).x, player.GetPos().x - camera.x);
    EXPECT_FLOAT_EQ(DrawnAt(body[0]).y, player.GetPos().y - camera.y);

    // Blinking: the sprite's alpha is the player's.
    player.SetInvincible(7); // hidden from the next frame on
    stage.Run(1);
    EXPECT_EQ(player.Alpha(), 0);
    body = stage.DrawsOf("player試作11.png");
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0].color, 0x00FFFFFFu);
}

TEST(PlayerDrawTest, MiniFormSitsInAStarBubbleWithoutStockOrBlinking)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Shrink();
    stage.Run(12, {VK_LEFT});
    player.SetInvincible(7);
    stage.Run(1, {VK_LEFT});
    ASSERT_EQ(player.Alpha(), 0);

    const auto& all = stage.DrawFrame();
    size_t mini = all.size();
    for (size_t i = 0; i < all.size(); ++i) {
        if (PlayerStage::TextureFile(all[i]).ends_with("MiniPlayerAnime.png")) mini = i;
    }
    ASSERT_LT(mini + 2, all.size());
    const Draw& body = all[mini];
    EXPECT_EQ(body.source.left, 40 * player.AnimFrame());
    EXPECT_EQ(body.source.bottom, 40);
    EXPECT_FLOAT_EQ(body.center.x, 20.0f);
    EXPECT_FLOAT_EQ(body.transform.m[0][0], -1.0f); // the body faces left
    EXPECT_EQ(body.color, 0xFFFFFFFFu);             // never blinks
    const Draw& bubble = all[mini + 1];
    EXPECT_TRUE(PlayerStage::TextureFile(bubble).ends_with("starBubble.png"));
    EXPECT_EQ(bubble.source.right, 40);
    EXPECT_FLOAT_EQ(bubble.transform.m[0][0], 1.0f); // its bubble does not mirror
    EXPECT_FLOAT_EQ(DrawnAt(bubble).x, DrawnAt(body).x);
    EXPECT_EQ(all[mini + 2].color, 0x46FFFFFFu);

    EXPECT_TRUE(stage.DrawsOf("player試作11.png").empty());
    EXPECT_TRUE(StockDraws(stage, "BubbleAnime.png").empty());
}

TEST(PlayerDrawTest, StockIconsPopInTheAirAndComeBackOnLanding)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    auto stock = StockDraws(stage, "BubbleAnime.png");
    auto highlights = StockDraws(stage, "BubbleAnimeAlpha.png");
    ASSERT_EQ(stock.size(), 3u);
    ASSERT_EQ(highlights.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(DrawnAt(stock[i]).x, 60.0f + 90.0f * static_cast<float>(i));
        EXPECT_EQ(stock[i].source.top, 64); // steady row
        EXPECT_EQ(stock[i].color, 0xFFFFFFFFu);
        EXPECT_EQ(highlights[i].color, 0x4BFFFFFFu);
    }

    // Two Monas blown in the air: the two rightmost icons pop and stay away.
    stage.Run(1, {VK_UP});
    player.mMonaCount = 2;
    stage.Run(1);
    EXPECT_EQ(player.GetStockIcon(2).mState, StockIcon::kPopping);
    EXPECT_EQ(player.GetStockIcon(1).mState, StockIcon::kPopping);
    stage.Run(12);
    EXPECT_EQ(player.GetStockIcon(2).mState, StockIcon::kGone);
    EXPECT_EQ(player.GetStockIcon(1).mState, StockIcon::kGone);
    EXPECT_EQ(player.GetStockIcon(0).mState, StockIcon::kSteady);
    stock = StockDraws(stage, "BubbleAnime.png");
    ASSERT_EQ(stock.size(), 1u);
    EXPECT_FLOAT_EQ(DrawnAt(stock[0]).x, 60.0f);

    // The landing gives the stock back: both icons appear again over four cells.
    int guard = 0;
    while (!player.OnGround() && guard++ < 60) stage.Run(1);
    ASSERT_TRUE(player.OnGround());
    EXPECT_EQ(player.mMonaCount, 0);
    EXPECT_EQ(player.GetStockIcon(2).mState, StockIcon::kAppearing);
    EXPECT_EQ(player.GetStockIcon(1).mState, StockIcon::kAppearing);
    stock = StockDraws(stage, "BubbleAnime.png");
    ASSERT_EQ(stock.size(), 3u);
    EXPECT_EQ(stock[2].source.top, 0); // appearing row
    stage.Run(20);
    EXPECT_EQ(player.GetStockIcon(2).mState, StockIcon::kSteady);
    EXPECT_EQ(player.GetStockIcon(1).mState, StockIcon::kSteady);
}

TEST(PlayerDrawTest, AnIconStillPoppingAtTheLandingFinishesBeforeItComesBack)
{
    // How many frames a jump from the ground stays in the air.
    int airborne = 0;
    {
        PlayerStage probe(FlatGround());
        probe.Run(10);
        probe.Run(1, {VK_UP});
        while (!probe.Player().OnGround() && airborne < 100) {
            probe.Run(1);
            ++airborne;
        }
    }
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Run(1, {VK_UP});
    stage.Run(airborne - 2);
    player.mMonaCount = 1;
    stage.Run(1); // the last frame in the air: the icon starts to pop
    const StockIcon& icon = player.GetStockIcon(2);
    ASSERT_FALSE(player.OnGround());
    EXPECT_EQ(icon.mState, StockIcon::kPopping);
    stage.Run(1);
    ASSERT_TRUE(player.OnGround());
    EXPECT_EQ(player.mMonaCount, 0);
    EXPECT_EQ(icon.mState, StockIcon::kPopping);
    int guard = 0;
    while (icon.mState == StockIcon::kPopping && guard++ < 20) stage.Run(1);
    EXPECT_EQ(icon.mState, StockIcon::kGone);
    stage.Run(1);
    EXPECT_EQ(icon.mState, StockIcon::kAppearing);
}

// The trail particles of one frame: the 64 x 64 star bubbles.
std::vector<Draw> TrailDraws(PlayerStage& stage)
{
    std::vector<Draw> found;
    for (const Draw& d : stage.DrawsOf("starBubble.png")) {
        if (d.source.right == 64) found.push_back(d);
    }
    return found;
}

TEST(PlayerDrawTest, TrailParksWhileStandingAndStreamsBehindAWalkingMiniPlayer)
{
    {
        PlayerStage stage(FlatGround());
        stage.Run(10);
        stage.Shrink();
        stage.Run(1);
        // Parked off the stage, where no particle can show: none is drawn.
        for (int i = 0; i < 40; ++i) {
            EXPECT_FLOAT_EQ(stage.Player().TrailParticle(i).mScale, 0.8f);
            EXPECT_FLOAT_EQ(stage.Player().TrailParticle(i).mX, -100.0f);
        }
        EXPECT_TRUE(TrailDraws(stage).empty());
    }

    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Shrink();
    // Numbers for the first particle: where it parks, then its life, vertical and horizontal speed.
    RandomSequence random;
    random.Seed(2024);
    random.Next();
    random.Next();
    const float forVelY = static_cast<float>(random.Next()) / 32767.0f;
    const float forVelX = static_cast<float>(random.Next()) / 32767.0f;
    stage.fixture.frame->Random().Seed(2024);
    const platform::Vec2 from = player.GetPos();
    const platform::Vec2 camera = stage.game->GetCamera().GetPos();
    stage.Run(1, {VK_RIGHT});
    // Every particle streams out behind the player, in view.
    auto trail = TrailDraws(stage);
    ASSERT_EQ(trail.size(), 40u);
    EXPECT_FLOAT_EQ(trail[0].transform.m[0][0], 0.6f);
    EXPECT_FLOAT_EQ(DrawnAt(trail[0]).x, from.x - 5.0f - camera.x);
    EXPECT_FLOAT_EQ(DrawnAt(trail[0]).y, from.y + 15.0f - camera.y);

    const platform::Vec2 camera2 = stage.game->GetCamera().GetPos();
    stage.Run(1, {VK_RIGHT});
    trail = TrailDraws(stage);
    EXPECT_FLOAT_EQ(trail[0].transform.m[0][0], 0.6f * 0.96f);
    EXPECT_FLOAT_EQ(DrawnAt(trail[0]).x, from.x - 5.0f + (-6.0f + 3.0f * forVelX) - camera2.x);
    EXPECT_FLOAT_EQ(DrawnAt(trail[0]).y, from.y + 15.0f + (-3.0f + 3.0f * forVelY) - camera2.y);
}

TEST(PlayerDrawTest, MissingPicturesAndSoundsAreSkipped)
{
    PlayerStage stage(FlatGround(), kPlayerStageTop, {"Resource/Texture/HP.png", "Resource/Sound/Motion-Pop07-2.wav"});
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Run(1, {VK_UP});
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY - 20.0f);
    EXPECT_TRUE(stage.SoundOps("Motion-Pop07-2.wav").empty());
    EXPECT_TRUE(stage.DrawsOf("HP.png").empty());
    EXPECT_EQ(stage.DrawsOf("player試作11.png").size(), 1u);
}

} // namespace

// Walking, gliding, falling and jumping on small stages, in both forms.
#include "player/PlayerStage.h"

namespace {

using platform::VK_LEFT;
using platform::VK_RIGHT;
using platform::VK_UP;

TEST(PlayerMovementTest, BigFormWalksFivePixelsAFrameAndStopsAtOnce)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    ASSERT_FLOAT_EQ(player.GetPos().y, kBigStandY);
    ASSERT_TRUE(player.OnGround());

    float x = player.GetPos().x;
    for (int i = 0; i < 10; ++i) {
        stage.Run(1, {VK_RIGHT});
        EXPECT_FLOAT_EQ(player.GetPos().x, x + 5.0f) << "frame " << i;
        x = player.GetPos().x;
        EXPECT_EQ(player.AnimState(), CPlayer::kAnimWalk);
        EXPECT_EQ(player.GetDir(), 1);
    }
    stage.Run(1);
    EXPECT_FLOAT_EQ(player.GetPos().x, x);
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimIdle);

    // Both arrows: it stands, facing left.
    stage.Run(5, {VK_LEFT, VK_RIGHT});
    EXPECT_FLOAT_EQ(player.GetPos().x, x);
    EXPECT_EQ(player.GetDir(), -1);
    stage.Run(3, {VK_LEFT});
    EXPECT_FLOAT_EQ(player.GetPos().x, x - 15.0f);
}

TEST(PlayerMovementTest, WalkCycleAdvancesEverySeventhFrameThroughEightCells)
{
    PlayerStage stage(FlatGround(200));
    CPlayer& player = stage.Player();
    stage.Run(10);
    std::vector<int> cells;
    for (int i = 0; i < 80; ++i) {
        stage.Run(1, {VK_RIGHT});
        cells.push_back(player.AnimFrame());
    }
    std::vector<int> changesAt;
    for (size_t i = 1; i < cells.size(); ++i) {
        if (cells[i] == cells[i - 1]) continue;
        EXPECT_EQ(cells[i], (cells[i - 1] + 1) % 8) << "step " << i;
        changesAt.push_back(static_cast<int>(i));
    }
    ASSERT_GE(changesAt.size(), 10u);
    for (size_t i = 1; i < changesAt.size(); ++i) EXPECT_EQ(changesAt[i] - changesAt[i - 1], 7);
}

TEST(PlayerMovementTest, MiniFormSpeedsUpToSevenAndGlidesToAStop)
{
    PlayerStage stage(FlatGround(200));
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Shrink();

    for (int expected : {1, 2, 3, 4, 5, 6, 7, 7, 7}) {
        const float x = player.GetPos().x;
        stage.Run(1, {VK_RIGHT});
        EXPECT_FLOAT_EQ(player.Velocity().x, static_cast<float>(expected));
        EXPECT_FLOAT_EQ(player.GetPos().x, x + static_cast<float>(expected)); // moved by the whole speed
    }
    // Released: 0.2 less a frame; a speed below 1 no longer moves the box.
    stage.Run(1);
    EXPECT_NEAR(player.Velocity().x, 6.8f, 1e-5f);
    // From a fraction the speed may pass 7 by less than 1.
    stage.Run(1, {VK_RIGHT});
    EXPECT_NEAR(player.Velocity().x, 7.8f, 1e-5f);
    stage.Run(1);
    stage.Run(38);
    EXPECT_NEAR(player.Velocity().x, 0.0f, 0.2f);
    const float x = player.GetPos().x;
    stage.Run(5);
    EXPECT_FLOAT_EQ(player.GetPos().x, x);

    // Both arrows act as Left in mini form.
    stage.Run(3, {VK_LEFT, VK_RIGHT});
    EXPECT_LT(player.Velocity().x, -2.5f);
    EXPECT_EQ(player.GetDir(), -1);
}

TEST(PlayerMovementTest, FallingMovesOnlyWholePixelsAndNeverFasterThanTwelve)
{
    // Ground under the start only; columns from 10 on are a pit.
    PlayerStage stage({"", "", "", "1111111111"});
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Shrink();

    // Mini: 0.7 a frame, so the first frame of a fall moves nothing and the second one pixel.
    player.Place({600, 900}, {0, 0});
    const float expectedY[] = {900, 901, 903, 905};
    for (float y : expectedY) {
        stage.Run(1);
        EXPECT_FLOAT_EQ(player.GetPos().y, y);
    }

    PlayerStage big({"", "", "", "1111111111"});
    big.Player().Place({600, 200}, {0, 0});
    float previous = 200;
    float fastest = 0;
    for (int i = 0; i < 40; ++i) {
        big.Run(1);
        fastest = std::max(fastest, big.Player().GetPos().y - previous);
        previous = big.Player().GetPos().y;
        EXPECT_LE(big.Player().Velocity().y, 12.0f);
    }
    EXPECT_FLOAT_EQ(fastest, 12.0f);
}

TEST(PlayerMovementTest, OneJumpPerPressRising210Pixels)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.SoundOps("");

    // Up held for a whole second: one jump from -20, back on the ground, no second jump.
    float highest = player.GetPos().y;
    stage.Run(1, {VK_UP});
    EXPECT_FLOAT_EQ(player.Velocity().y, -20.0f);
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY - 20.0f);
    EXPECT_TRUE(player.Jumping());
    for (int i = 0; i < 59; ++i) {
        stage.Run(1, {VK_UP});
        highest = std::min(highest, player.GetPos().y);
    }
    EXPECT_FLOAT_EQ(highest, kBigStandY - 210.0f);
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY);
    EXPECT_FALSE(player.Jumping());
    EXPECT_EQ(stage.SoundOps("Motion-Pop07-2.wav"), std::vector<std::string>{"restart"});

    // A new press jumps again.
    stage.Run(1);
    stage.Run(1, {VK_UP});
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY - 20.0f);
    EXPECT_EQ(stage.SoundOps("Motion-Pop07-2.wav"), std::vector<std::string>{"restart"});

    // Up pressed in the air does nothing, and is not remembered for the landing.
    stage.Run(1);
    stage.Run(5, {VK_UP});
    stage.Run(60, {VK_UP});
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY);
}

TEST(PlayerMovementTest, MiniJumpGoesHigherOnLighterGravity)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Shrink();
    float highest = player.GetPos().y;
    stage.Run(1, {VK_UP});
    for (int i = 0; i < 40; ++i) {
        stage.Run(1);
        highest = std::min(highest, player.GetPos().y);
    }
    EXPECT_LT(highest, kMiniStandY - 270.0f);
}

TEST(PlayerMovementTest, TheBoxStaysInsideTheStageSideways)
{
    PlayerStage stage({"", "", "", std::string(350, '1')});
    CPlayer& player = stage.Player();
    stage.Run(10);
    const struct {
        float startX;
        int key;
        float expectedX;
    } cases[] = {
        {30, VK_LEFT, 22.5f},
        {13975, VK_RIGHT, 14000 - 22.5f},
    };
    for (const auto& c : cases) {
        player.Place({c.startX, kBigStandY}, {0, 0});
        stage.Run(5, {c.key});
        EXPECT_FLOAT_EQ(player.GetPos().x, c.expectedX) << c.startX;
    }
    stage.Shrink();
    for (const auto& c : cases) {
        player.Place({c.startX, kMiniStandY}, {0, 0});
        stage.Run(10, {c.key});
        EXPECT_FLOAT_EQ(player.GetPos().x, c.key == VK_LEFT ? 20.0f : 13980.0f) << c.startX;
    }
}

} // namespace

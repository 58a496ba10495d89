#include <gtest/gtest.h>

#include "platform/RecordingSprite.h"
#include "scenes/Game.h"
#include "support/StageFixture.h"

namespace {

class CameraTest : public ::testing::Test {
protected:
    CameraTest() : fixture({"."}), game(fixture.MakeGame()) {}

    platform::Vec2 Follow(float x, float y)
    {
        game->GetPlayer().Place({x, y}, game->GetPlayer().Velocity());
        game->GetCamera().Update();
        return game->GetCamera().GetPos();
    }

    StageFixture fixture;
    std::unique_ptr<CGame> game;
};

TEST_F(CameraTest, HorizontalClampsKeepTheViewInTheStage)
{
    const struct {
        float playerX;
        float cameraX;
    } cases[] = {
        {500, 0}, {640, 0}, {640.5f, 0.5f}, {5000, 4360}, {13360, 12720}, {13360.5f, 12720.5f}, {13361, 12720}, {20000, 12720},
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(Follow(c.playerX, 900).x, c.cameraX) << c.playerX;
}

TEST_F(CameraTest, VerticalClampIsOneSided)
{
    EXPECT_FLOAT_EQ(Follow(700, 1200).y, 720);
    EXPECT_FLOAT_EQ(Follow(700, 1080.5f).y, 720.5f);
    EXPECT_FLOAT_EQ(Follow(700, 375).y, 15);
    EXPECT_FLOAT_EQ(Follow(700, 362).y, 2);
    // At or above y 360 the view keeps its last height.
    EXPECT_FLOAT_EQ(Follow(700, 350).y, 2);
    EXPECT_FLOAT_EQ(Follow(700, 360).y, 2);
    EXPECT_FLOAT_EQ(Follow(700, -50).y, 2);
}

TEST_F(CameraTest, BackgroundScrollsAtAFifthInTwoRows)
{
    game->GetCamera().SetPos({12720, 720});
    // The first ten draws are the background: lower then upper picture for each of five columns.
    const auto draws = fixture.fake.DrawFrame(*game);
    ASSERT_GE(draws.size(), 10u);
    for (int i = 0; i < 5; ++i) {
        const auto& lower = draws[static_cast<size_t>(2 * i)];
        const auto& upper = draws[static_cast<size_t>(2 * i + 1)];
        EXPECT_FLOAT_EQ(lower.transform.m[3][0], static_cast<float>(i) * 1279.0f - 2544.0f);
        EXPECT_FLOAT_EQ(lower.transform.m[3][1], 6.0f);
        EXPECT_FLOAT_EQ(upper.transform.m[3][1], -704.0f);
        EXPECT_EQ(lower.source.right, 1280);
        EXPECT_EQ(lower.source.bottom, 720);
        EXPECT_NE(lower.texture, upper.texture);
        EXPECT_EQ(lower.color, 0xFFFFFFFFu);
    }
}

} // namespace

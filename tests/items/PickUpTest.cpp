// Stars and hearts: collected through the player's box, then rising and fading out; the result
// screen shows the share of the stage's stars collected.
#include <cmath>

#include "app/Drawing.h"
#include "player/PlayerStage.h"
#include "scenes/GameClear.h"
#include "support/DrawnPictures.h"

namespace {

using platform::VK_C;
using platform::VK_RIGHT;

// Rows 31..34, ground on row 34. Starting at x 200 and walking right the player meets a small
// star at x 260, a big one at 440, a heart at 840 and a small star at 1220. In the score list
// the big star comes first (its row is higher).
const std::vector<std::string> kItemRow{
    "",
    "..........$.........+......",
    "......*.......................*",
    std::string(60, '1'),
};

uint32_t AlphaOf(const DrawCall& d)
{
    return d.color >> 24;
}

TEST(PickUpTest, WhatIsCollectedIsScoredAndShownOnTheResultScreen)
{
    const struct {
        int walkFrames;
        int score;
        int percent;
        int heals;
    } cases[] = {
        {60, 11, 91, 1},   // the first two stars
        {250, 12, 100, 0}, // everything: the stage's total
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.walkFrames);
        PlayerStage stage(kItemRow);
        CPlayer& player = stage.Player();
        ASSERT_EQ(stage.game->StageScoreTotal(), 12);
        stage.Run(c.walkFrames, {VK_RIGHT});
        EXPECT_EQ(player.Score(), c.score);
        int heals = 0;
        for (auto& heal : stage.game->GetHeals()) heals += heal->Collectable() ? 1 : 0;
        EXPECT_EQ(heals, c.heals);

        // Walking on past everything collects nothing more.
        EXPECT_EQ(stage.Run(1, {VK_C}), SCENE_CLEAR);
        CGameClear result(stage.fixture.frame.get());
        result.Init();
        EXPECT_EQ(result.Percent(), c.percent);
        // The score's row (the share under the gauge uses the digits too).
        auto digits = DrawsOf(stage.fixture.fake.DrawFrame(result), "suji2.png");
        std::erase_if(digits, [](const DrawCall& d) { return d.transform.m[3][1] != 630.0f; });
        ASSERT_EQ(digits.size(), 4u);
        EXPECT_EQ(digits[2].source.left, 60 * (1 + c.score / 10));
        EXPECT_EQ(digits[3].source.left, 60 * (1 + c.score % 10));
        result.Release();
    }
}

TEST(PickUpTest, EachItemCountsOnceAndAHeartIsUsedUpEvenAtFullHealth)
{
    const struct {
        int hpBefore;
        int hpAfter;
    } cases[] = {{3, 3}, {1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hpBefore);
        PlayerStage stage(kItemRow);
        CPlayer& player = stage.Player();
        stage.Run(10);
        player.SetHp(c.hpBefore);
        stage.SoundOps("");
        // There and back again over two stars and the heart.
        stage.Run(150, {VK_RIGHT});
        stage.Run(150, {platform::VK_LEFT});
        EXPECT_EQ(player.Score(), 11);
        EXPECT_EQ(player.Hp(), c.hpAfter);
        EXPECT_FALSE(stage.game->GetHeals()[0]->Collectable());
        EXPECT_EQ(stage.SoundOps("回復音.wav"), std::vector<std::string>{"restart"});
        // (SoundOps forgets everything it has seen, so the stars' sounds are counted on a fresh walk.)
    }
    PlayerStage stage(kItemRow);
    stage.Run(10);
    stage.SoundOps("");
    stage.Run(150, {VK_RIGHT});
    stage.Run(150, {platform::VK_LEFT});
    EXPECT_EQ(stage.SoundOps("星・キラーン07.wav"), (std::vector<std::string>{"restart", "restart"}));
}

// A big star's box reaches 40 pixels from its centre, a small one's 20.
TEST(PickUpTest, ABigStarIsReachedFromTwiceAsFar)
{
    const struct {
        int item;   // index in the score list: 0 big, 1 small
        float gap;  // centre to centre, the player on the left
        bool taken;
    } cases[] = {
        {1, 35.0f, true}, {1, 50.0f, false}, {0, 50.0f, true}, {0, 70.0f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "item " << c.item << " gap " << c.gap);
        PlayerStage stage(kItemRow);
        stage.Run(10);
        const CScore& star = *stage.game->GetScores()[static_cast<size_t>(c.item)];
        stage.Player().Place({star.GetPos().x - c.gap, kBigStandY}, {0.0f, 0.0f});
        stage.Run(1);
        EXPECT_EQ(!star.Collectable(), c.taken);
    }
}

// The star or heart glows in yellow and turns; the bubble around it stays upright; a big star
// is twice the size and turns with twice the width.
TEST(PickUpTest, DrawnInTheGlowPassThenInTheirBubbles)
{
    const struct {
        const char* picture;
        const char* bubble;
        const char* highlight;
        int item; // 0, 1: the stars of the score list; -1 the heart
        float size;
        int side;
        uint32_t highlightAlpha;
    } cases[] = {
        {"star.png", "starBubble.png", "starBubbleAlpha.png", 1, 1.0f, 40, 80},
        {"star.png", "starBubble.png", "starBubbleAlpha.png", 0, 2.0f, 40, 80},
        {"HP Item.png", "playerBubble.png", "playerBubbleAlpha.png", -1, 1.0f, 60, 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture + std::to_string(c.item));
        PlayerStage stage(kItemRow);
        stage.Run(10);
        const platform::Vec2 at =
            c.item >= 0 ? stage.game->GetScores()[static_cast<size_t>(c.item)]->GetPos() : stage.game->GetHeals()[0]->GetPos();
        const platform::Vec2 camera = stage.game->GetCamera().GetPos();
        const auto draws = stage.DrawFrame();
        // The draws of this one item: the ones placed at its centre.
        auto mine = [&](const char* file) {
            std::vector<DrawCall> found;
            for (const DrawCall& d : DrawsOf(draws, file)) {
                if (DrawnAt(d).x == at.x - camera.x && DrawnAt(d).y == at.y - camera.y) found.push_back(d);
            }
            return found;
        };
        const auto picture = mine(c.picture);
        const auto bubble = mine(c.bubble);
        const auto highlight = mine(c.highlight);
        ASSERT_EQ(picture.size(), 1u);
        ASSERT_EQ(bubble.size(), 1u);
        ASSERT_EQ(highlight.size(), 1u);

        const float turn = std::sin(static_cast<float>(10 * 3) * kDegToRad); // ten frames at 3 degrees
        EXPECT_FLOAT_EQ(picture[0].transform.m[0][0], c.size * turn);
        EXPECT_FLOAT_EQ(picture[0].transform.m[1][1], c.size);
        EXPECT_EQ(picture[0].source.right, c.side);
        EXPECT_FLOAT_EQ(picture[0].center.x, static_cast<float>(c.side) / 2.0f);
        EXPECT_EQ(picture[0].color, 0xFFFFFF00u);
        EXPECT_EQ(picture[0].destBlend, platform::BLEND_SRCCOLOR);

        EXPECT_FLOAT_EQ(bubble[0].transform.m[0][0], c.size);
        EXPECT_EQ(bubble[0].color, 0xFFFFFFFFu);
        EXPECT_EQ(bubble[0].destBlend, platform::BLEND_INVSRCALPHA);
        EXPECT_EQ(AlphaOf(highlight[0]), c.highlightAlpha);
        EXPECT_EQ(highlight[0].source.right, bubble[0].source.right);
    }
}

TEST(PickUpTest, AStarOfAnUnknownKindDrawsNothing)
{
    FakePlatform fake;
    const platform::HeadlessTexture picture("star.png", 40, 40);
    CScore star;
    star.SetKind(3);
    star.SetResources({&picture, &picture, &picture});
    star.Activate();
    star.Update();
    fake.sprite.Begin();
    star.Draw(&fake.sprite, &fake.device);
    EXPECT_TRUE(fake.sprite.Draws().empty());
}

// Only items that can put a pixel on the screen draw: a big star's bubble reaches 40 pixels from
// its centre, so one just beyond an edge still shows; one far off draws nothing at all.
TEST(PickUpTest, OnlyItemsThatCanShowAreDrawn)
{
    const struct {
        float x, y; // the centre on the screen (no stage: the camera is at 0, 0)
        bool drawn;
    } cases[] = {
        {640, 360, true},   {-39, 360, true},   {1319, 360, true}, {640, -39, true},
        {640, 759, true},   {-200, 360, false}, {1480, 360, false}, {640, -200, false},
        {640, 920, false},  {-300, -300, false},
    };
    const platform::HeadlessTexture picture("star.png", 40, 40);
    const platform::HeadlessTexture heart("HP Item.png", 60, 60);
    const platform::HeadlessTexture bubble("playerBubble.png", 80, 80);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        FakePlatform fake;
        CScore star;
        star.SetKind(kScoreBig);
        star.SetResources({&picture, &picture, &picture});
        star.Activate();
        CHeal heal;
        heal.SetResources({&heart, &bubble, &bubble});
        heal.Activate();
        fake.sprite.Begin();
        for (CPickUp* item : {static_cast<CPickUp*>(&star), static_cast<CPickUp*>(&heal)}) {
            item->Spawn(platform::Vec2{c.x, c.y + 0.5f}); // the first bob lifts it half a pixel at most
        }
        star.Update();
        heal.Update();
        star.Draw(&fake.sprite, &fake.device);
        heal.Draw(&fake.sprite, &fake.device);
        EXPECT_EQ(fake.sprite.Draws().size(), c.drawn ? 6u : 0u);
    }
}

// A taken item rises about 2 pixels a frame, turns fast and fades by 15 on every third update,
// starting on the frame it is taken; the 49th update leaves nothing to draw. The bubble's
// highlight keeps its own alpha till then.
TEST(PickUpTest, ATakenItemRisesAndFadesOutOver49Updates)
{
    PlayerStage stage(kItemRow);
    CPlayer& player = stage.Player();
    stage.Run(10);
    const CHeal& heart = *stage.game->GetHeals()[0];
    player.Place({heart.GetPos().x - 120.0f, kBigStandY}, {0.0f, 0.0f});
    stage.Run(2);
    while (heart.Collectable() && stage.framesRun < 100) stage.Run(1, {VK_RIGHT});
    ASSERT_FALSE(heart.Collectable());
    stage.Run(0);

    const struct {
        int update;
        uint32_t alpha;
    } timeline[] = {{1, 240}, {3, 240}, {4, 225}, {7, 210}, {46, 15}, {48, 15}, {49, 0}};
    int update = 1;
    float y = heart.GetPos().y;
    for (const auto& t : timeline) {
        while (update < t.update) {
            stage.Run(1);
            ++update;
            const float rise = y - heart.GetPos().y;
            EXPECT_GE(rise, 1.5f) << update;
            EXPECT_LE(rise, 2.5f) << update;
            y = heart.GetPos().y;
        }
        SCOPED_TRACE(t.update);
        EXPECT_EQ(static_cast<uint32_t>(heart.Alpha()), t.alpha);
        const auto hearts = stage.DrawsOf("HP Item.png");
        const auto highlights = stage.DrawsOf("playerBubbleAlpha.png");
        if (t.alpha == 0) {
            EXPECT_TRUE(hearts.empty());
            EXPECT_TRUE(highlights.empty());
            continue;
        }
        ASSERT_EQ(hearts.size(), 1u);
        EXPECT_EQ(AlphaOf(hearts[0]), t.alpha);
        EXPECT_EQ(AlphaOf(stage.DrawsOf("playerBubble.png")[0]), t.alpha);
        ASSERT_EQ(highlights.size(), 1u);
        EXPECT_EQ(AlphaOf(highlights[0]), 60u);
        // It turns at 20 degrees a frame now.
        EXPECT_FLOAT_EQ(hearts[0].transform.m[0][0], std::sin(static_cast<float>(stage.framesRun * 20) * kDegToRad));
    }
    // Gone, it stays where it vanished.
    stage.Run(20);
    EXPECT_FLOAT_EQ(heart.GetPos().y, y);
}

TEST(PickUpTest, ItemsStandStillAndCannotBeTakenOnceThePlayerIsDefeated)
{
    PlayerStage stage(kItemRow);
    CPlayer& player = stage.Player();
    stage.Run(10);
    const CHeal& heart = *stage.game->GetHeals()[0];
    const CScore& star = *stage.game->GetScores()[2];
    player.Place({heart.GetPos().x - 120.0f, kBigStandY}, {0.0f, 0.0f});
    stage.Run(30, {VK_RIGHT}); // the heart is fading
    ASSERT_FALSE(heart.Collectable());

    player.SetHp(0);
    stage.Run(1);
    ASSERT_FALSE(player.Alive());
    const int alpha = heart.Alpha();
    const platform::Vec2 heartAt = heart.GetPos();
    const platform::Vec2 starAt = star.GetPos();
    // The defeated player's box now reaches over the star's left edge, which would take it.
    player.Place({starAt.x - 40.0f, kBigStandY}, {0.0f, 0.0f});
    stage.Run(30);
    EXPECT_EQ(heart.Alpha(), alpha);
    EXPECT_FLOAT_EQ(heart.GetPos().y, heartAt.y);
    EXPECT_FLOAT_EQ(star.GetPos().y, starAt.y);
    EXPECT_TRUE(star.Collectable());
    EXPECT_EQ(player.Score(), 0);
    // Still drawn where they stopped.
    EXPECT_EQ(stage.DrawsOf("HP Item.png").size(), 1u);
}

} // namespace

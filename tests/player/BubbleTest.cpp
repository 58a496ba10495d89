// The hero's bubbles: the shot, its flight, its life and its pop, in the open and against a wall.
#include <cmath>

#include "player/PlayerStage.h"

namespace {

using platform::VK_SPACE;

int ActiveBubbles(const CPlayer& player)
{
    int active = 0;
    for (int i = 0; i < CPlayer::kBubbleCount; ++i) active += player.GetBubble(i).IsActive() ? 1 : 0;
    return active;
}

TEST(BubbleTest, FliesTwoPixelsAFrameRisingForItsLifeThenPopsWithASoundEachFrame)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10); // standing
    stage.SoundOps("");
    stage.Run(1, {VK_SPACE});
    const CBubble& bubble = player.GetBubble(0);
    EXPECT_EQ(stage.SoundOps("泡06・高音・単音.wav"), std::vector<std::string>{"restart"});
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimShot);
    // Blown 15 pixels ahead at the hero's height, then moved once in the same frame.
    EXPECT_FLOAT_EQ(bubble.GetPos().x, 200 + 15 + 2);
    EXPECT_EQ(bubble.mState, CBubble::kAppearing);

    float lastY = bubble.GetPos().y;
    int flightFrames = 1;
    while (bubble.IsActive() && flightFrames < 200) {
        stage.Run(1);
        ++flightFrames;
        EXPECT_LE(std::fabs(bubble.GetPos().y - lastY), 0.91f); // the wobble never jumps
        lastY = bubble.GetPos().y;
    }
    // The life runs from 120 below 0: 121 frames of flight, 2 pixels each.
    EXPECT_EQ(flightFrames, 121);
    EXPECT_FLOAT_EQ(bubble.GetPos().x, 215 + 2 * 121);
    // 0.4 a frame upward; the wobble's period of 120 ticks adds up to almost nothing.
    EXPECT_NEAR(lastY, kBigStandY - 0.4f * 121, 1.0f);
    EXPECT_EQ(bubble.mState, CBubble::kPopping);

    // The pop steps on even ticks through six frames, restarting its sound on each of its
    // frames, then the bubble is free.
    int popFrames = 0;
    stage.SoundOps("");
    while (bubble.mState == CBubble::kPopping && popFrames < 30) {
        stage.Run(1);
        ++popFrames;
    }
    EXPECT_GE(popFrames, 10);
    EXPECT_LE(popFrames, 11);
    EXPECT_EQ(static_cast<int>(stage.SoundOps("消失・ぱちんっ(低音).wav").size()), popFrames);
    EXPECT_EQ(bubble.mState, CBubble::kFree);
}

TEST(BubbleTest, HoldingSpaceBlowsOneAndTheShotPoseHoldsTheNext)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Run(60, {VK_SPACE}); // held: one bubble only
    EXPECT_EQ(ActiveBubbles(player), 1);

    stage.Run(1);
    stage.Run(1, {VK_SPACE}); // pressed again at once: the shot pose has long ended, the cooldown too
    EXPECT_EQ(ActiveBubbles(player), 2);
    stage.Run(1);
    stage.Run(1, {VK_SPACE}); // within the pose: refused, though it still counts as a move
    EXPECT_EQ(ActiveBubbles(player), 2);
    EXPECT_TRUE(player.ActionLock());
    while (player.ActionLock()) stage.Run(1);
    stage.Run(1, {VK_SPACE});
    EXPECT_EQ(ActiveBubbles(player), 3);
}

TEST(BubbleTest, ATileAheadPopsItFromTheNextFrameWithoutMovingIt)
{
    // A wall at column 10 (x 400..440), three cells high.
    PlayerStage stage({"", "..........1", "..........1", "..........1", std::string(60, '1')});
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Run(1, {VK_SPACE});
    const CBubble& bubble = player.GetBubble(0);
    int frames = 1;
    while (bubble.IsActive() && frames < 121) {
        stage.Run(1);
        ++frames;
    }
    // The map sees the bubble 10 pixels ahead with half width 32: the wall's edge at 400 is
    // inside that box once x + 42 passes 400.
    EXPECT_LT(frames, 121);
    EXPECT_GT(bubble.GetPos().x + 42, 400);
    EXPECT_LE(bubble.GetPos().x + 40, 400);
    const float stoppedAt = bubble.GetPos().x;
    stage.Run(1);
    EXPECT_EQ(bubble.mState, CBubble::kPopping);
    EXPECT_FLOAT_EQ(bubble.GetPos().x, stoppedAt); // popping bubbles no longer fly
}

} // namespace

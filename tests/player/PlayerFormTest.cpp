// The change between the big and the mini form: the frozen pose, the box and its feet, the room it needs.
#include <algorithm>

#include "app/TraceWriter.h"
#include "player/PlayerStage.h"

namespace {

using platform::VK_DOWN;
using platform::VK_RIGHT;

TEST(PlayerFormTest, ShrinkingFreezesFor31To35FramesThenKeepsTheFeet)
{
    std::vector<int> frozen;
    for (int phase = 0; phase < 5; ++phase) {
        PlayerStage stage(FlatGround());
        CPlayer& player = stage.Player();
        stage.Run(10 + phase);
        stage.SoundOps("");
        const platform::Vec2 start = player.GetPos();

        // Right is held all along: the pose holds the player still.
        stage.Run(1, {VK_DOWN, VK_RIGHT});
        int frames = 1;
        while (player.AnimState() == CPlayer::kAnimResize && frames < 50) {
            EXPECT_FLOAT_EQ(player.GetPos().x, start.x);
            EXPECT_FLOAT_EQ(player.GetPos().y, start.y);
            EXPECT_FLOAT_EQ(player.mHeight, 75.0f);
            EXPECT_TRUE(player.ActionLock());
            EXPECT_FALSE(player.Mini());
            stage.Run(1, {VK_RIGHT});
            ++frames;
        }
        frozen.push_back(frames - 1);
        EXPECT_TRUE(player.Mini());
        EXPECT_EQ(player.AnimState(), CPlayer::kAnimMini);
        EXPECT_FALSE(player.ActionLock());
        EXPECT_FLOAT_EQ(player.mWidth, 40.0f);
        EXPECT_FLOAT_EQ(player.mHeight, 40.0f);
        EXPECT_FLOAT_EQ(player.GetPos().y, kMiniStandY); // bottom edge still on the ground
        EXPECT_EQ(stage.SoundOps("ChangeMini.wav"), std::vector<std::string>{"restart"});
    }
    std::sort(frozen.begin(), frozen.end());
    EXPECT_EQ(frozen, (std::vector<int>{31, 32, 33, 34, 35}));
}

TEST(PlayerFormTest, GrowingTakesTheBigBoxAtOnceAndPlaysTheRowBackwards)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Shrink();
    stage.Run(3);
    stage.SoundOps("");

    stage.Run(1, {VK_DOWN});
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimResize);
    EXPECT_TRUE(player.Mini()); // still mini until the row has played
    EXPECT_FLOAT_EQ(player.mHeight, 75.0f);
    EXPECT_FLOAT_EQ(player.mWidth, 45.0f);
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY);
    EXPECT_EQ(stage.SoundOps("ChangeBig.wav"), std::vector<std::string>{"restart"});

    int previousCell = player.AnimFrame();
    int frames = 1;
    while (player.Mini() && frames < 50) {
        stage.Run(1, {VK_DOWN});
        EXPECT_LE(player.AnimFrame(), previousCell);
        EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY);
        previousCell = player.AnimFrame();
        ++frames;
    }
    EXPECT_GE(frames, 32); // 31 to 35 frames in the pose, then the frame that ends it
    EXPECT_LE(frames, 36);
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimIdle);
    EXPECT_FALSE(player.ActionLock());
    // Down held through it all never starts another change.
    stage.Run(40, {VK_DOWN});
    EXPECT_FALSE(player.Mini());
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimIdle);
}

TEST(PlayerFormTest, NoChangeWithoutRoomAboveTheLandingCell)
{
    // A ceiling three rows above the ground over columns 10..14 (x 400..600).
    PlayerStage stage({"..........11111", "", "", std::string(60, '1')});
    CPlayer& player = stage.Player();
    stage.Run(10);
    player.Place({500, kBigStandY}, {0, 0});
    stage.Run(2);
    stage.Run(1, {VK_DOWN});
    stage.Run(40);
    EXPECT_FALSE(player.Mini());
    EXPECT_FLOAT_EQ(player.mHeight, 75.0f);

    player.Place({200, kBigStandY}, {0, 0});
    stage.Run(2);
    stage.Shrink();
    player.Place({500, kMiniStandY}, {0, 0});
    stage.Run(2);
    stage.Run(1, {VK_DOWN});
    stage.Run(40);
    EXPECT_TRUE(player.Mini());
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimMini);
    EXPECT_FLOAT_EQ(player.mHeight, 40.0f);
}

TEST(PlayerFormTest, TraceShowsTheFormAndTheAnimation)
{
    PlayerStage stage(FlatGround());
    stage.Run(10);
    stage.Shrink();
    stage.Player().mMonaCount = 2;
    CTraceWriter trace;
    stage.game->WriteTrace(trace);
    const std::string line = trace.Finish();
    for (const char* field : {"\"mini\":true", "\"anim\":99", "\"animFrame\":", "\"w\":40", "\"mona\":2",
                              "\"gameOver\":false", "\"alpha\":255"}) {
        EXPECT_NE(line.find(field), std::string::npos) << field << " in " << line;
    }
}

} // namespace

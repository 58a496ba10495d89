// Mona platforms: blown under the feet with Down, they carry the player and pop when left or
// when their life is over; three between two landings on a tile.
#include <cmath>

#include "app/TraceWriter.h"
#include "player/PlayerStage.h"

namespace {

using platform::VK_DOWN;
using platform::VK_RIGHT;
using platform::VK_UP;

// The Monas that are not free.
int MonasInUse(CPlayer& player)
{
    int used = 0;
    for (int i = 0; i < CPlayer::kMonaCount; ++i) used += player.GetMona(i).State() != CMona::kFree ? 1 : 0;
    return used;
}

// Runs single frames until `done` holds; false if it never did within `limit` frames.
template <class Done>
bool RunUntil(PlayerStage& stage, Done done, int limit = 400, std::initializer_list<int> keys = {})
{
    for (int i = 0; i < limit; ++i) {
        if (done()) return true;
        stage.Run(1, keys);
    }
    return done();
}

// From the ground or a Mona: jump, and blow a Mona three frames later, in mid-air.
void JumpAndBlow(PlayerStage& stage)
{
    stage.Run(1, {VK_UP});
    stage.Run(3);
    stage.Run(1, {VK_DOWN});
}

TEST(PlayerMonaTest, BlownInMidAirUnderTheFeetAndCarriesThePlayer)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Run(1, {VK_UP});
    stage.Run(3);
    stage.SoundOps("");
    const platform::Vec2 before = player.GetPos();
    stage.Run(1, {VK_DOWN});

    const CMona& mona = player.GetMona(0);
    EXPECT_EQ(mona.State(), CMona::kAlive);
    EXPECT_FLOAT_EQ(mona.GetPos().x, before.x);
    EXPECT_FLOAT_EQ(mona.GetPos().y, before.y + 47.0f);
    EXPECT_EQ(MonasInUse(player), 1);
    EXPECT_EQ(player.mMonaCount, 1);
    EXPECT_FLOAT_EQ(player.Velocity().y, -12.5f); // the hop, moved by 12 whole pixels
    EXPECT_FLOAT_EQ(player.GetPos().y, before.y - 12.0f);
    EXPECT_EQ(player.AnimState(), CPlayer::kAnimMona);
    EXPECT_TRUE(player.ActionLock());
    EXPECT_EQ(stage.SoundOps("泡05.wav"), std::vector<std::string>{"restart"});

    // It hops clear, falls back and stands on the bubble's top, which does not reset the count.
    ASSERT_TRUE(RunUntil(stage, [&] { return player.OnGround(); }, 60));
    const float top = std::trunc(mona.GetPos().y - 20.0f);
    EXPECT_FLOAT_EQ(player.GetPos().y, top - 37.5f);
    EXPECT_FALSE(player.Jumping());
    stage.Run(60);
    EXPECT_TRUE(player.OnGround());
    EXPECT_FLOAT_EQ(player.GetPos().y, top - 37.5f);
    EXPECT_EQ(mona.State(), CMona::kAlive);
    EXPECT_EQ(player.mMonaCount, 1);

    // Drawn where it hangs: the whole bubble, then its highlight.
    const auto bubbles = stage.DrawsOf("BubbleMona.png");
    const auto highlights = stage.DrawsOf("BubbleMonaAlpha試作2.png");
    ASSERT_EQ(bubbles.size(), 1u);
    ASSERT_EQ(highlights.size(), 1u);
    const platform::Vec2 camera = stage.game->GetCamera().GetPos();
    EXPECT_FLOAT_EQ(DrawnAt(bubbles[0]).x, mona.GetPos().x - camera.x);
    EXPECT_FLOAT_EQ(DrawnAt(bubbles[0]).y, mona.GetPos().y - camera.y);
    EXPECT_EQ(bubbles[0].source.left, 0);
    EXPECT_EQ(bubbles[0].source.right, 80);
    EXPECT_EQ(bubbles[0].source.bottom, 40);
    EXPECT_FLOAT_EQ(bubbles[0].center.x, 40.0f);
    EXPECT_FLOAT_EQ(bubbles[0].center.y, 20.0f);
    EXPECT_EQ(bubbles[0].color, 0xFFFFFFFFu);
    EXPECT_EQ(highlights[0].color, 0x4BFFFFFFu);

    CTraceWriter trace;
    stage.game->WriteTrace(trace);
    const std::string line = trace.Finish();
    EXPECT_NE(line.find("\"monas\":[{\"x\":"), std::string::npos) << line;
    EXPECT_NE(line.find("\"state\":0}]"), std::string::npos) << line;
}

TEST(PlayerMonaTest, UnusedBubbleLives180UpdatesThenPopsInSixFrames)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    stage.Run(1, {VK_UP});
    stage.Run(3);
    stage.Run(1, {VK_DOWN});
    // Nobody comes back to it.
    player.Place({900.0f, kBigStandY}, {0.0f, 0.0f});
    const CMona& mona = player.GetMona(0);
    int updates = 1;
    while (mona.State() == CMona::kAlive && updates < 300) {
        stage.Run(1);
        ++updates;
    }
    EXPECT_EQ(updates, 180);

    std::vector<int> columns;
    int popFrames = 0;
    while (mona.State() == CMona::kPopping && popFrames < 40) {
        const auto drawn = stage.DrawsOf("BubbleMona.png");
        ASSERT_EQ(drawn.size(), 1u);
        const int column = drawn[0].source.left / 80;
        if (columns.empty() || columns.back() != column) columns.push_back(column);
        stage.Run(1);
        ++popFrames;
    }
    // Column by column up to the last of the pop (the first may still show the whole bubble).
    ASSERT_FALSE(columns.empty());
    EXPECT_LE(columns.front(), 1);
    EXPECT_EQ(columns.back(), 6);
    for (size_t i = 1; i < columns.size(); ++i) EXPECT_EQ(columns[i], columns[i - 1] + 1);
    EXPECT_GE(popFrames, 16); // six frames advanced on every third tick
    EXPECT_LE(popFrames, 18);
    EXPECT_EQ(mona.State(), CMona::kFree);
    EXPECT_TRUE(stage.DrawsOf("BubbleMona.png").empty());
}

// Leaving a bubble the player stood on pops it on that very frame, and it carries no more.
TEST(PlayerMonaTest, LeavingABubbleOnceStoodOnPopsItAtOnce)
{
    const struct {
        const char* how;
        int key;
    } cases[] = {{"walk off", VK_RIGHT}, {"jump off", VK_UP}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        PlayerStage stage(FlatGround());
        CPlayer& player = stage.Player();
        stage.Run(10);
        JumpAndBlow(stage);
        ASSERT_TRUE(RunUntil(stage, [&] { return player.OnGround() && !player.ActionLock(); }, 60));
        const CMona& mona = player.GetMona(0);
        ASSERT_EQ(mona.State(), CMona::kAlive);

        int frames = 0;
        while (player.OnGround() && frames < 40) {
            EXPECT_EQ(mona.State(), CMona::kAlive);
            stage.Run(1, {c.key});
            ++frames;
        }
        EXPECT_FALSE(player.OnGround());
        EXPECT_EQ(mona.State(), CMona::kPopping);
        // While it pops it carries nobody, even someone placed right on it.
        player.Place({mona.GetPos().x, mona.GetPos().y - 20.0f - 37.5f}, {0.0f, 0.0f});
        stage.Run(1);
        EXPECT_FALSE(player.OnGround());
    }
}

TEST(PlayerMonaTest, ThreeBetweenLandingsAndTheStockShowsWhatIsLeft)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);

    // Climb: blow, land on it, jump off (which pops it), blow the next.
    for (int blown = 1; blown <= 3; ++blown) {
        JumpAndBlow(stage);
        ASSERT_EQ(player.mMonaCount, blown);
        ASSERT_TRUE(RunUntil(stage, [&] { return player.OnGround() && !player.ActionLock(); }, 60));
    }
    // Every icon of the stock pops away.
    stage.Run(20);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(player.GetStockIcon(i).mState, StockIcon::kGone) << i;

    // Let the third bubble run out; on the way down a fourth press does nothing although every
    // earlier bubble has popped.
    ASSERT_TRUE(RunUntil(stage, [&] { return !player.OnGround(); }, 200));
    EXPECT_EQ(MonasInUse(player), 1); // only the last one, popping
    stage.SoundOps("");
    stage.Run(1, {VK_DOWN});
    EXPECT_EQ(player.mMonaCount, 3);
    EXPECT_EQ(MonasInUse(player), 1);
    EXPECT_TRUE(stage.SoundOps("泡05.wav").empty());
    EXPECT_NE(player.AnimState(), CPlayer::kAnimMona);

    // Landing on a tile gives three more, and the stock comes back.
    ASSERT_TRUE(RunUntil(stage, [&] { return player.OnGround(); }, 100));
    EXPECT_FLOAT_EQ(player.GetPos().y, kBigStandY);
    EXPECT_EQ(player.mMonaCount, 0);
    stage.Run(1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(player.GetStockIcon(i).mState, StockIcon::kAppearing) << i;
    stage.Run(25);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(player.GetStockIcon(i).mState, StockIcon::kSteady) << i;
    JumpAndBlow(stage);
    EXPECT_EQ(player.mMonaCount, 1);
}

// Down goes to the size change first; only a press it did not take can blow a Mona.
TEST(PlayerMonaTest, OnlyADownPressNoSizeChangeTookBlowsAMona)
{
    // A ceiling three rows above the ground over x 400..600 leaves no room to change size there.
    const std::vector<std::string> stageWithLowCeiling{"..........11111", "", "", std::string(60, '1')};
    const struct {
        const char* where;
        float x;
        bool mini;
        bool resizes;
        bool blows;
    } cases[] = {
        {"on the ground with room: the size change takes it", 200.0f, false, true, false},
        {"on the ground without room", 500.0f, false, false, true},
        {"mini form, in mid-air", 200.0f, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        PlayerStage stage(stageWithLowCeiling);
        CPlayer& player = stage.Player();
        stage.Run(10);
        if (c.mini) {
            stage.Shrink();
            stage.Run(1, {VK_UP});
            stage.Run(3);
        } else {
            player.Place({c.x, kBigStandY}, {0.0f, 0.0f});
            stage.Run(2);
        }
        stage.SoundOps("");
        stage.Run(1, {VK_DOWN});
        EXPECT_EQ(MonasInUse(player), c.blows ? 1 : 0);
        EXPECT_EQ(player.mMonaCount, c.blows ? 1 : 0);
        EXPECT_EQ(player.AnimState() == CPlayer::kAnimResize, c.resizes);
        // Holding Down on never repeats the press.
        stage.Run(60, {VK_DOWN});
        EXPECT_EQ(stage.SoundOps("泡05.wav").size(), c.blows ? 1u : 0u);
    }
}

TEST(PlayerMonaTest, NotDrawnOnceThePlayerIsDefeated)
{
    PlayerStage stage(FlatGround());
    CPlayer& player = stage.Player();
    stage.Run(10);
    JumpAndBlow(stage);
    EXPECT_EQ(stage.DrawsOf("BubbleMona.png").size(), 1u);
    player.SetHp(0);
    stage.Run(1);
    EXPECT_FALSE(player.Alive());
    EXPECT_TRUE(stage.DrawsOf("BubbleMona.png").empty());
}

} // namespace

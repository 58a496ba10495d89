// Flying enemies and their bullets, jumping enemies and slimes on small stages.
#include <cmath>

#include "app/Random.h"
#include "player/PlayerStage.h"

namespace {

using platform::VK_LEFT;
using platform::VK_RIGHT;
using platform::VK_SPACE;

std::string Ground()
{
    return std::string(80, '1');
}

// A row with `symbol` at `column`, empty elsewhere.
std::string At(int column, char symbol)
{
    std::string row(static_cast<size_t>(column) + 1, '.');
    row.back() = symbol;
    return row;
}

// The first seed whose first draw of the game's generator, modulo `range`, is `wanted`.
uint32_t SeedGiving(int range, int wanted, uint32_t from = 1)
{
    for (uint32_t seed = from;; ++seed) {
        RandomSequence random;
        random.Seed(seed);
        if (random.Next() % range == wanted) return seed;
    }
}

// Runs frames in which the generator's first draw is never 0 (modulo 50 or 100): no slime hops
// and no flyer at list place 0 fires.
void RunQuietly(PlayerStage& stage, int frames, std::initializer_list<int> keys = {})
{
    for (int i = 0; i < frames; ++i) {
        stage.fixture.frame->Random().Seed(SeedGiving(50, 1));
        stage.Run(1, keys);
    }
}

// Rows 31..35: a flyer hovering at the hero's height on column 12 (x 480, y 1320), and maybe a
// wall two cells high on column 8 (x 320..360) between them.
std::vector<std::string> FlyerStage(bool wall = false)
{
    if (wall) return {"", "........1...f", At(8, '1'), Ground(), Ground()};
    return {"", At(12, 'f'), "", Ground(), Ground()};
}

TEST(FlyEnemyTest, ABulletFliesStraightAtTheHeroAndHurtsItOnce)
{
    PlayerStage stage(FlyerStage());
    CFlyEnemy& flyer = *stage.game->GetFlyEnemies().at(0);
    CPlayer& player = stage.Player();
    RunQuietly(stage, 10); // the hero stands
    ASSERT_TRUE(flyer.mBullets.empty());
    // It fires when the draw gives its list place; aimed from where it was at the start of the
    // frame at the hero's centre.
    stage.fixture.frame->Random().Seed(SeedGiving(100, 0));
    const platform::Vec2 from = flyer.GetPos();
    stage.Run(1);
    ASSERT_EQ(flyer.mBullets.size(), 1u);
    CFlyEnemyBullet& bullet = *flyer.mBullets[0];
    EXPECT_EQ(flyer.FireWait(), 249);
    const platform::Vec2 hero = player.GetPos();
    EXPECT_NEAR(bullet.mAngle, std::atan2(hero.y - from.y, hero.x - from.x), 1e-5f);
    int frames = 0;
    while (player.Hp() == 3 && frames < 300) {
        const platform::Vec2 before = bullet.GetPos();
        stage.Run(1);
        ++frames;
        if (player.Hp() == 3) {
            EXPECT_NEAR(std::hypot(bullet.GetPos().x - before.x, bullet.GetPos().y - before.y), 2.0f, 0.001f);
        }
    }
    EXPECT_EQ(player.Hp(), 2);
    EXPECT_FALSE(bullet.IsActive()); // gone from sight, still in the list until off screen
    EXPECT_EQ(flyer.mBullets.size(), 1u);
    EXPECT_TRUE(stage.DrawsOf("FlyEnemyBullet2.png").empty());
}

TEST(FlyEnemyTest, ATileStopsABulletAndTheScreenEdgeFreesIt)
{
    PlayerStage stage(FlyerStage(true));
    CFlyEnemy& flyer = *stage.game->GetFlyEnemies().at(0);
    CPlayer& player = stage.Player();
    RunQuietly(stage, 10);
    stage.fixture.frame->Random().Seed(SeedGiving(100, 0));
    stage.Run(1);
    ASSERT_EQ(flyer.mBullets.size(), 1u);
    CFlyEnemyBullet& bullet = *flyer.mBullets[0];
    while (bullet.IsActive() && bullet.GetPos().x > 300) stage.Run(1);
    EXPECT_FALSE(bullet.IsActive());
    EXPECT_GT(bullet.GetPos().x, 360 - 8 - 10 - 2); // stopped at the wall's right face, looking 10 ahead
    EXPECT_EQ(player.Hp(), 3);
    // Invisible and harmless, it flies on until it leaves the screen, then it is freed.
    for (int i = 0; i < 400 && !flyer.mBullets.empty(); ++i) stage.Run(1);
    EXPECT_TRUE(flyer.mBullets.empty());
    EXPECT_EQ(player.Hp(), 3);
}

TEST(FlyEnemyTest, OnlyTheFirstHundredInTheListEverFireAndBulletsNeverPileUp)
{
    // 101 flyers high above the hero, on row 31: the one at list place 100 can never be drawn.
    PlayerStage stage({std::string(101, 'f'), "", "", Ground(), Ground()});
    auto& flyers = stage.game->GetFlyEnemies();
    ASSERT_EQ(flyers.size(), 101u);
    stage.fixture.frame->Random().Seed(7);
    int fired = 0;
    size_t mostBullets = 0;
    std::vector<bool> hasFired(flyers.size(), false);
    for (int f = 0; f < 3000; ++f) {
        stage.Run(1);
        size_t bullets = 0;
        for (size_t i = 0; i < flyers.size(); ++i) {
            if (flyers[i]->FireWait() == 249 && !hasFired[i]) {
                hasFired[i] = true;
                ++fired;
            }
            bullets += flyers[i]->mBullets.size();
        }
        mostBullets = std::max(mostBullets, bullets);
    }
    EXPECT_FALSE(hasFired[100]);
    EXPECT_TRUE(flyers[100]->mBullets.empty());
    EXPECT_GE(fired, 90);
    // Each flyer fires at most once in 250 frames and a bullet leaves the screen within ~800.
    EXPECT_LE(mostBullets, 101u * 4u);
}

TEST(FlyEnemyTest, ATrappedFlyerStopsFiringButItsBulletsFlyOn)
{
    PlayerStage stage(FlyerStage());
    CFlyEnemy& flyer = *stage.game->GetFlyEnemies().at(0);
    RunQuietly(stage, 10);
    stage.fixture.frame->Random().Seed(SeedGiving(100, 0));
    stage.Run(1);
    ASSERT_EQ(flyer.mBullets.size(), 1u);
    flyer.Catch(); // as a bubble would
    stage.Run(1);
    EXPECT_EQ(flyer.mState, kEnemyTrapped);
    for (int i = 0; i < 600; ++i) {
        stage.Run(1);
        EXPECT_LE(flyer.mBullets.size(), 1u);
        if (flyer.mBullets.empty()) break;
    }
    EXPECT_TRUE(flyer.mBullets.empty()); // the one bullet left the screen; no other came
}

// With the draw forced to its list place every frame, a free flyer fires whenever its wait
// allows; a trapped one never does, for the whole of its trap time.
TEST(FlyEnemyTest, FiresWheneverItMayWhileFreeAndNeverWhileTrapped)
{
    for (const bool trapped : {false, true}) {
        SCOPED_TRACE(trapped ? "trapped" : "free");
        PlayerStage stage(FlyerStage(true)); // the wall takes the bullets
        CFlyEnemy& flyer = *stage.game->GetFlyEnemies().at(0);
        if (trapped) flyer.Catch(); // as a bubble would, before its first update
        int shots = 0;
        for (int f = 0; f < 300; ++f) {
            stage.fixture.frame->Random().Seed(SeedGiving(100, 0));
            stage.Run(1);
            if (flyer.FireWait() == 249) ++shots;
            ASSERT_TRUE(flyer.Alive()) << f;
        }
        EXPECT_EQ(shots, trapped ? 0 : 2); // frames 1 and 251
        EXPECT_EQ(flyer.mState, trapped ? kEnemyTrapped : kEnemyWalkLeft);
    }
}

// A bullet passes through the hero during its hit reaction, even when the grace period was cut
// short (as the testing key Z leaves it); outside the reaction it hurts and vanishes.
TEST(FlyEnemyTest, ABulletSparesTheHeroDuringItsHitReaction)
{
    for (const bool reeling : {true, false}) {
        SCOPED_TRACE(reeling ? "reeling" : "standing");
        PlayerStage stage(FlyerStage());
        CFlyEnemy& flyer = *stage.game->GetFlyEnemies().at(0);
        CPlayer& player = stage.Player();
        RunQuietly(stage, 10);
        stage.fixture.frame->Random().Seed(SeedGiving(100, 0));
        stage.Run(1);
        ASSERT_EQ(flyer.mBullets.size(), 1u);
        const CFlyEnemyBullet& bullet = *flyer.mBullets[0];
        const platform::Vec2 stand = player.GetPos();
        while (bullet.GetPos().x > stand.x + 40) RunQuietly(stage, 1); // a few frames from the hero
        if (reeling) player.ApplyHitRule(); // 40 frames of reaction
        else player.SetHp(2);
        player.SetInvincible(0);
        for (int i = 0; i < 20; ++i) {
            player.Place(stand, {0, 0}); // the hero stands still in the bullet's path
            RunQuietly(stage, 1);
        }
        EXPECT_EQ(player.Hp(), reeling ? 2 : 1);
        EXPECT_EQ(bullet.IsActive(), reeling);
    }
}

TEST(JumpEnemyTest, OneBubbleDestroysItAndItFadesWhereItWasHit)
{
    // A jumper on column 10 (x 400), standing on the ground.
    PlayerStage stage({"", "", At(10, 'j'), Ground(), Ground()});
    CJumpEnemy& jumper = *stage.game->GetJumpEnemies().at(0);
    CPlayer& player = stage.Player();
    EXPECT_TRUE(jumper.mAirborne); // it waits for its first landing before it can jump
    stage.Run(10);
    stage.Run(1, {VK_SPACE});
    const CBubble& bubble = player.GetBubble(0);
    int frames = 0;
    while (jumper.Alive() && frames < 150) {
        stage.Run(1);
        ++frames;
    }
    ASSERT_FALSE(jumper.Alive());
    EXPECT_FALSE(bubble.IsActive()); // the bubble popped on it
    // The bubble comes before the enemy's own update, which already fades it in that frame.
    EXPECT_EQ(jumper.mJumpAlpha, 240);
    const platform::Vec2 hitAt = jumper.GetPos();
    std::vector<int> alphas{240};
    while (jumper.mJumpAlpha > 0 && alphas.size() < 30) {
        stage.Run(1);
        alphas.push_back(jumper.mJumpAlpha);
        EXPECT_FLOAT_EQ(jumper.GetPos().y, hitAt.y); // no more falling or jumping
    }
    EXPECT_EQ(alphas.size(), 17u);
    EXPECT_TRUE(stage.DrawsOf("JumpEnemy.png").empty());
    EXPECT_EQ(player.Hp(), 3);
}

TEST(JumpEnemyTest, JumpsTwoHundredTenPixelsAndLandsOnTheTiles)
{
    PlayerStage stage({"", "", At(30, 'j'), Ground(), Ground()});
    CJumpEnemy& jumper = *stage.game->GetJumpEnemies().at(0);
    float highest = 10000.0f;
    for (int i = 0; i < 400; ++i) {
        stage.Run(1);
        highest = std::min(highest, jumper.GetPos().y);
        EXPECT_LE(jumper.GetPos().y, kGroundTop - 37.5f) << i;
        EXPECT_FLOAT_EQ(jumper.GetPos().x, 30 * 40) << i;
    }
    EXPECT_FLOAT_EQ(highest, kGroundTop - 37.5f - 210.0f);
    // Drawn from its own sheet's 64 x 80 cells, mirrored.
    const auto draws = stage.DrawsOf("JumpEnemy.png");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].source.bottom - draws[0].source.top, 80);
    EXPECT_EQ(draws[0].source.right - draws[0].source.left, 64);
}

TEST(SlimeTest, RestsEvenInTheAirUntilAHopThenHopsFourPixelsAFrameAndRests)
{
    // A slime on column 20, two rows above the ground: it stays there until its first hop.
    PlayerStage stage({"", At(20, 's'), "", Ground(), Ground()});
    CSlime& slime = *stage.game->GetSlimes().at(0);
    EXPECT_EQ(slime.mFacing, -1); // drawn facing left from the first frame
    EXPECT_EQ(slime.mBubbleRow, kBubbleGone);
    stage.fixture.frame->Random().Seed(SeedGiving(50, 1)); // no hop on the next frame
    stage.Run(1);
    EXPECT_EQ(slime.mState, CSlime::kResting);
    EXPECT_FLOAT_EQ(slime.GetPos().y, 32 * 40);
    EXPECT_FALSE(stage.DrawsOf("SlimeEnemy.png").empty());
    EXPECT_LT(stage.DrawsOf("SlimeEnemy.png").at(0).transform.m[0][0], 0.0f);

    // A hop: decided with one draw, its direction with a second.
    uint32_t seed = SeedGiving(50, 0);
    for (;; seed = SeedGiving(50, 0, seed + 1)) {
        RandomSequence random;
        random.Seed(seed);
        random.Next();
        if (random.Next() % 2 == 0) break; // rightward
    }
    stage.fixture.frame->Random().Seed(seed);
    const float x = slime.GetPos().x;
    stage.Run(1);
    EXPECT_EQ(slime.mState, CSlime::kHopRight);
    EXPECT_EQ(slime.mFacing, 1);
    EXPECT_FLOAT_EQ(slime.GetPos().x, x); // the stride starts next frame
    EXPECT_FLOAT_EQ(slime.GetPos().y, 32 * 40 - 4);
    int frames = 0;
    while (slime.mState == CSlime::kHopRight && frames < 100) {
        const float before = slime.GetPos().x;
        stage.Run(1);
        ++frames;
        EXPECT_FLOAT_EQ(slime.GetPos().x, before + 4) << frames;
    }
    EXPECT_EQ(slime.mState, CSlime::kResting);
    EXPECT_FLOAT_EQ(slime.GetPos().y, kGroundTop - 20);
    EXPECT_FALSE(slime.mAirborne);
}

// A hop goes the way its second draw says, four pixels a frame, and ends resting.
TEST(SlimeTest, HopsFourPixelsAFrameEitherWay)
{
    struct Case {
        int draw; // the second draw, modulo 2
        int32_t state;
        int32_t facing;
        float stride;
    };
    for (const Case& c : {Case{0, CSlime::kHopRight, 1, 4}, Case{1, CSlime::kHopLeft, -1, -4}}) {
        SCOPED_TRACE(c.draw);
        PlayerStage stage({"", "", At(20, 's'), Ground(), Ground()});
        CSlime& slime = *stage.game->GetSlimes().at(0);
        RunQuietly(stage, 5);
        uint32_t seed = SeedGiving(50, 0);
        for (;; seed = SeedGiving(50, 0, seed + 1)) {
            RandomSequence random;
            random.Seed(seed);
            random.Next();
            if (random.Next() % 2 == c.draw) break;
        }
        stage.fixture.frame->Random().Seed(seed);
        stage.Run(1);
        ASSERT_EQ(slime.mState, c.state);
        EXPECT_EQ(slime.mFacing, c.facing);
        int frames = 0;
        while (slime.mState == c.state && frames < 100) {
            const float before = slime.GetPos().x;
            RunQuietly(stage, 1);
            ++frames;
            EXPECT_FLOAT_EQ(slime.GetPos().x, before + c.stride) << frames;
        }
        EXPECT_GT(frames, 1);
        EXPECT_EQ(slime.mState, CSlime::kResting);
        EXPECT_FLOAT_EQ(slime.GetPos().y, kGroundTop - 20);
    }
}

TEST(SlimeTest, TheMiniHeroTrapsASlimeByPushingIntoItAndLettingGo)
{
    // A slime in a pocket of enemy walls on column 12 (x 480), resting on the ground.
    PlayerStage stage({"", "", "..........|.s..|", Ground(), Ground()});
    CSlime& slime = *stage.game->GetSlimes().at(0);
    CPlayer& player = stage.Player();
    RunQuietly(stage, 10);
    stage.Shrink();
    slime.Place({480, kGroundTop - 20}, slime.Velocity()); // settled
    // Push into it (rests are kept by drawing no hop: a slime hops one frame in fifty).
    int frames = 0;
    while (!slime.mPushed && frames < 120) {
        RunQuietly(stage, 1, {VK_RIGHT});
        ++frames;
    }
    ASSERT_TRUE(slime.mPushed);
    EXPECT_EQ(player.Hp(), 3); // a slime never hurts the mini form
    EXPECT_FALSE(slime.Captured());
    // Letting go: the first frame without contact traps it.
    for (int i = 0; i < 30 && !slime.Captured(); ++i) RunQuietly(stage, 1, {VK_LEFT});
    EXPECT_TRUE(slime.Captured());
    EXPECT_FALSE(slime.mPushed);
    EXPECT_EQ(slime.mState, kEnemyTrapped);
    EXPECT_EQ(player.Hp(), 3);
}

// Every kind that touches the big hero hurts it, but not while it blinks.
TEST(EnemyContactTest, EachKindHurtsOnlyOutsideTheGracePeriod)
{
    for (const char kind : {'w', 'j', 'f', 's'}) {
        SCOPED_TRACE(std::string(1, kind));
        // The enemy starts right on the hero (column 5, x 200).
        PlayerStage stage({"", "", At(5, kind), Ground(), Ground()});
        CPlayer& player = stage.Player();
        player.SetInvincible(60);
        RunQuietly(stage, 30); // the slime stays where it rests
        EXPECT_EQ(player.Hp(), 3);
        int frames = 0;
        while (player.Hp() == 3 && frames < 120) {
            RunQuietly(stage, 1);
            ++frames;
        }
        EXPECT_EQ(player.Hp(), 2);
        EXPECT_GE(frames, 29); // not before the grace period ran out
        EXPECT_EQ(player.Invincible(), 119);
    }
}

} // namespace

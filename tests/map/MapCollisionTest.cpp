// The ground as the player and the enemies meet it, on small ASCII stages.
#include <gtest/gtest.h>

#include "app/Assert.h"
#include "scenes/Game.h"
#include "support/StageFixture.h"

namespace {

// Rows 28..31 of the stage; cell (r, c) spans x 40c..40c+40, y 40r..40r+40.
// Row 31 (y 1240..1280) is ground; a one-way plank, a damage floor, an enemy wall and a goal stand on it.
const std::vector<std::string> kStage = {
    "..................................",  // 28
    ".....1.....|.................gg..",   // 29
    ".....1..=..|.....^^..........gG..",   // 30
    "11111111111111111111111111111111111", // 31
};
constexpr int kTop = 28;

struct PlayerMove {
    platform::Vec2 pos;
    float vx = 0;
    float vy = 0;
    bool jumping = true;
    bool room = false;
};

class MapCollisionTest : public ::testing::Test {
protected:
    MapCollisionTest() : fixture(kStage, kTop), game(fixture.MakeGame()), map(game->GetMap()) {}

    // One call of the player's collision with a box of 45 x 75 (or as given).
    PlayerMove Collide(platform::Vec2 pos, float vx, float vy, float w = 45, float h = 75)
    {
        PlayerMove m{pos, vx, vy, true, false};
        map.CollidePlayer(m.pos, m.vx, m.vy, m.jumping, w, h, &m.room);
        return m;
    }

    StageFixture fixture;
    std::unique_ptr<CGame> game;
    CMap& map;
};

TEST_F(MapCollisionTest, LandsOnGroundAndRecordsTheSafePlace)
{
    CPlayer& player = game->GetPlayer();
    player.mMonaCount = 2;
    const PlayerMove m = Collide({100, 1240 - 37.5f - 5}, 0, 10);
    EXPECT_FLOAT_EQ(m.pos.y, 1202.5f);
    EXPECT_EQ(m.vy, 0);
    EXPECT_FALSE(m.jumping);
    EXPECT_TRUE(m.room);
    EXPECT_TRUE(player.OnGround());
    EXPECT_EQ(player.mMonaCount, 0);
    // The last landing cell in scan order (column 3, x 120) with three empty cells above.
    EXPECT_FLOAT_EQ(map.Respawn().x, 120);
    EXPECT_FLOAT_EQ(map.Respawn().y, 1240 - 75);
}

TEST_F(MapCollisionTest, RestingExactlyOnATopEdgeNeitherLandsNorIsPushed)
{
    const PlayerMove still = Collide({100, 1202.5f}, 0, 0);
    EXPECT_TRUE(still.jumping); // no landing
    EXPECT_FLOAT_EQ(still.pos.x, 100);
    const PlayerMove falling = Collide({100, 1202.5f}, 0, 1);
    EXPECT_FALSE(falling.jumping);
    EXPECT_FLOAT_EQ(falling.pos.y, 1202.5f);
}

TEST_F(MapCollisionTest, HeadBumpAndSidePush)
{
    // The pillar at column 5 spans x 200..240, y 1160..1240.
    const PlayerMove side = Collide({170, 1200}, 10, 0);
    EXPECT_FLOAT_EQ(side.pos.x, 200 - 22.5f);
    EXPECT_EQ(side.vx, 0);
    const PlayerMove fromRight = Collide({270, 1200}, -10, 0);
    EXPECT_FLOAT_EQ(fromRight.pos.x, 240 + 22.5f);
    // Rising from below the ground row (y 1240..1280) bumps the head on its bottom.
    const PlayerMove head = Collide({220, 1300}, 0, -20, 20, 20);
    EXPECT_FLOAT_EQ(head.pos.y, 1280 + 10.0f);
    EXPECT_EQ(head.vy, 0);
}

TEST_F(MapCollisionTest, OneWayPlankOnlyFromAbove)
{
    // The plank is cell (30, 8): x 320..360, y 1200..1240. Mini boxes of 20 x 20 keep other cells out.
    const PlayerMove above = Collide({340, 1185}, 0, 10, 20, 20);
    EXPECT_FLOAT_EQ(above.pos.y, 1190);
    EXPECT_FALSE(above.jumping);
    const PlayerMove below = Collide({340, 1225}, 0, -10, 20, 20); // rising through it
    EXPECT_FLOAT_EQ(below.pos.y, 1225);
    EXPECT_TRUE(below.jumping);
    const PlayerMove inside = Collide({340, 1215}, 0, 10, 20, 20); // already below its top: falls through
    EXPECT_TRUE(inside.jumping);
    const PlayerMove sideways = Collide({305, 1220}, 10, 0, 20, 20);
    EXPECT_FLOAT_EQ(sideways.pos.x, 305);
    EXPECT_EQ(sideways.vx, 10);
}

TEST_F(MapCollisionTest, APlankEnteredFromBelowIsNotLandedOnNearItsTop)
{
    // Plank cell (30, 8), top y 1200. A box that rose into it and now falls with its bottom half a
    // pixel below the top falls on through; a bottom exactly on the top lands.
    const PlayerMove justInside = Collide({340, 1190.5f}, 0, 5, 20, 20);
    EXPECT_TRUE(justInside.jumping);
    EXPECT_FLOAT_EQ(justInside.pos.y, 1190.5f);
    const PlayerMove onTop = Collide({340, 1190}, 0, 5, 20, 20);
    EXPECT_FALSE(onTop.jumping);
    EXPECT_FLOAT_EQ(onTop.pos.y, 1190);
}

TEST(MapRespawnTest, ASafePlaceNeedsThreeFreeCellsAbove)
{
    // Column 3 has a block three rows above the ground (two free cells between); column 1 has three.
    StageFixture fixture({"...1....", "........", "........", "11111111"}, 28);
    auto game = fixture.MakeGame();
    CMap& map = game->GetMap();
    platform::Vec2 pos{140, 1240 - 10 - 2};
    float vx = 0, vy = 5;
    bool jumping = true, room = true;
    map.CollidePlayer(pos, vx, vy, jumping, 20, 20, &room);
    EXPECT_FALSE(jumping); // landed on cell (31, 3)
    EXPECT_FALSE(room);
    EXPECT_FLOAT_EQ(map.Respawn().x, 0); // not a safe place
    EXPECT_FLOAT_EQ(map.Respawn().y, 0);

    pos = {60, 1240 - 10 - 2};
    vy = 5;
    jumping = true;
    map.CollidePlayer(pos, vx, vy, jumping, 20, 20, &room);
    EXPECT_TRUE(room);
    EXPECT_FLOAT_EQ(map.Respawn().x, 40);
    EXPECT_FLOAT_EQ(map.Respawn().y, 1240 - 20);
}

TEST_F(MapCollisionTest, DamageFloorHurtsUnlessInvincible)
{
    CPlayer& player = game->GetPlayer();
    // The damage floor is cells (30, 17..18): x 680..760, top y 1200. A 40-wide box at x 700
    // stands on cell 17 alone.
    PlayerMove hurt = Collide({700, 1200 - 20 - 4}, 0, 8, 40, 40);
    EXPECT_FLOAT_EQ(hurt.pos.y, 1180);
    EXPECT_EQ(hurt.vy, -12); // bounced
    EXPECT_FALSE(hurt.jumping);
    EXPECT_EQ(player.Hp(), 2);
    EXPECT_EQ(player.HurtTimer(), 40);
    EXPECT_TRUE(player.Hurt());
    EXPECT_EQ(player.Invincible(), 120);
    EXPECT_FALSE(hurt.room); // the damage floor leaves the room flag alone

    // While invincible: lands, no harm.
    PlayerMove again = Collide({700, 1200 - 20 - 4}, 0, 8, 40, 40);
    EXPECT_FLOAT_EQ(again.pos.y, 1180);
    EXPECT_EQ(again.vy, 0);
    EXPECT_EQ(player.Hp(), 2);
}

TEST_F(MapCollisionTest, CorrectionsCarryFromCellToCell)
{
    CPlayer& player = game->GetPlayer();
    // A 45-wide box over both damage cells: the first hurts and bounces, the second lands the
    // box again (the moved position was taken once) and takes the bounce back; one hit only.
    PlayerMove m = Collide({720, 1200 - 37.5f - 4}, 0, 8);
    EXPECT_FLOAT_EQ(m.pos.y, 1162.5f);
    EXPECT_EQ(m.vy, 0);
    EXPECT_EQ(player.Hp(), 2);
}

// The damage floor's bounce is given where the scan meets the floor: a cell later in the scan
// can still land the box again and take the bounce back; an earlier one cannot.
TEST(MapDamageFloorTest, TheBounceKeepsItsPlaceInTheScan)
{
    struct Case {
        const char* row;
        float vy;
    };
    for (const Case& c : {Case{"....^1....", 0}, Case{"....1^....", -12}, Case{"....^^....", 0}}) {
        StageFixture fixture({c.row}, 30);
        auto game = fixture.MakeGame();
        // A 45-wide box over columns 4 and 5 (x 160..240), falling onto their tops at y 1200.
        platform::Vec2 pos{200, 1200 - 37.5f - 4};
        float vx = 0;
        float vy = 8;
        bool jumping = true;
        game->GetMap().CollidePlayer(pos, vx, vy, jumping, 45, 75);
        EXPECT_FLOAT_EQ(pos.y, 1162.5f) << c.row;
        EXPECT_EQ(vy, c.vy) << c.row;
        EXPECT_EQ(game->GetPlayer().Hp(), 2) << c.row; // one hit only
        EXPECT_EQ(game->GetPlayer().HurtTimer(), 40) << c.row;
    }
}

TEST_F(MapCollisionTest, EnemyWallStopsEnemiesButNotThePlayer)
{
    // The wall is cells (29..30, 11): x 440..480.
    const PlayerMove through = Collide({420, 1200}, 10, 0);
    EXPECT_FLOAT_EQ(through.pos.x, 420);
    EXPECT_EQ(through.vx, 10);

    game->SpawnEnemy(0, 0);
    CEnemyBase& enemy = *game->GetEnemies().back();
    enemy.mState = 1;
    enemy.GetPosRef() = {420, 1202.5f};
    enemy.GetVelXRef() = 3;
    enemy.GetVelYRef() = 0;
    map.CollideEnemy(static_cast<int>(game->GetEnemies().size() - 1));
    EXPECT_EQ(enemy.mState, 2);
    EXPECT_FLOAT_EQ(enemy.GetPos().x, 440 - 22.5f);
}

TEST_F(MapCollisionTest, WalkingEnemiesTurnOnlyAtWallsAhead)
{
    game->SpawnEnemy(0, 0);
    const int index = static_cast<int>(game->GetEnemies().size() - 1);
    CEnemyBase& enemy = *game->GetEnemies().back();
    // Walking left with the pillar's left edge inside its box: a wall behind it, not moved.
    enemy.mState = 2;
    enemy.GetPosRef() = {190, 1202.5f};
    enemy.GetVelXRef() = -3;
    enemy.GetVelYRef() = 0;
    map.CollideEnemy(index);
    EXPECT_EQ(enemy.mState, 2);
    EXPECT_FLOAT_EQ(enemy.GetPos().x, 190);
    // Walking left into the pillar's right side: turns right, flush with the wall.
    enemy.GetPosRef() = {265, 1202.5f};
    map.CollideEnemy(index);
    EXPECT_EQ(enemy.mState, 1);
    EXPECT_FLOAT_EQ(enemy.GetPos().x, 240 + 22.5f);
}

TEST(MapLedgeTest, WalkersTurnWhereTheGroundEnds)
{
    StageFixture fixture({
        "..............",
        "....1111......",
    }, 30);
    auto game = fixture.MakeGame();
    game->SpawnEnemy(0, 0);
    CEnemyBase& enemy = *game->GetEnemies().back();
    // Ground cells 4..7 (x 160..320) at y 1240; below them row 32 is empty.
    enemy.mState = 2;
    enemy.GetPosRef() = {175, 1240 - 37.5f - 1};
    enemy.GetVelXRef() = -3;
    enemy.GetVelYRef() = 2;
    game->GetMap().CollideEnemy(0);
    EXPECT_EQ(enemy.mState, 1);
    EXPECT_FLOAT_EQ(enemy.GetPos().y, 1202.5f);

    enemy.mState = 1;
    enemy.GetPosRef() = {305, 1240 - 37.5f - 1};
    enemy.GetVelXRef() = 3;
    enemy.GetVelYRef() = 2;
    game->GetMap().CollideEnemy(0);
    EXPECT_EQ(enemy.mState, 2);
}

TEST_F(MapCollisionTest, JumpingEnemiesAndSlimesLandAndArePushed)
{
    game->SpawnJumpEnemy(0, 0);
    CJumpEnemy& jumper = *game->GetJumpEnemies().back();
    jumper.mAirborne = true;
    jumper.GetPosRef() = {100, 1200};
    jumper.GetVelYRef() = 5;
    map.CollideJumpEnemy(0);
    EXPECT_FALSE(jumper.mAirborne);
    EXPECT_FLOAT_EQ(jumper.GetPos().y, 1202.5f);
    EXPECT_EQ(jumper.GetVelYRef(), 0);

    // Pushed out of the plank's right side (x 360) it ends 2.5 pixels inside the plank.
    jumper.GetPosRef() = {385, 1220};
    jumper.GetVelXRef() = -5;
    jumper.GetVelYRef() = 0;
    map.CollideJumpEnemy(0);
    EXPECT_FLOAT_EQ(jumper.GetPos().x, 320 + 60.0f);
    EXPECT_EQ(jumper.GetVelXRef(), 0);

    game->SpawnSlime(0, 0);
    CSlime& slime = *game->GetSlimes().back();
    slime.mAirborne = true;
    slime.GetPosRef() = {100, 1215};
    slime.GetVelYRef() = 10;
    map.CollideSlime(0);
    EXPECT_FALSE(slime.mAirborne);
    EXPECT_FLOAT_EQ(slime.GetPos().y, 1220);
}

TEST_F(MapCollisionTest, BulletsStopAtEverySolidCodeIncludingPlanksAndEnemyWalls)
{
    platform::Vec2 inAir{600, 1100};
    EXPECT_FALSE(map.CollideBullet(&inAir, 8, 8, 10, 40, 40));
    platform::Vec2 atWall{425, 1220}; // offset 10 carries its front past the wall's left edge
    EXPECT_TRUE(map.CollideBullet(&atWall, 8, 8, 10, 40, 40));
    EXPECT_FLOAT_EQ(atWall.x, 440 - 8);
    platform::Vec2 atPlank{340, 1195};
    EXPECT_TRUE(map.CollideBullet(&atPlank, 8, 8, 0, 40, 40));
    EXPECT_FLOAT_EQ(atPlank.y, 1192);

    testing::internal::CaptureStderr();
    SetAssertionsFatal(false);
    EXPECT_FALSE(map.CollideBullet(nullptr, 8, 8, 10, 40, 40));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("バレットの情報が空です"), std::string::npos);
}

TEST_F(MapCollisionTest, GoalStarGrowsForEightyOneUpdatesThenTheStageIsCleared)
{
    // Touch the goal area (cells 29..30, 30..31) from the left.
    const PlayerMove touch = Collide({1180, 1180}, 5, 0);
    EXPECT_FLOAT_EQ(touch.pos.x, 1180); // nothing pushes
    EXPECT_TRUE(map.GoalReached());
    EXPECT_FLOAT_EQ(map.StarScale().y, 1.0f);
    for (int update = 1; update <= 80; ++update) {
        map.Update();
        ASSERT_FALSE(game->StageCleared()) << update;
    }
    // A second touch does not reset the growth.
    Collide({1180, 1180}, 5, 0);
    EXPECT_GT(map.StarScale().y, 49.0f);
    map.Update();
    EXPECT_TRUE(game->StageCleared());
}

} // namespace

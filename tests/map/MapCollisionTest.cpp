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
    GroundContact contact;
};

// One walk of an enemy by its kind's ground rule.
struct EnemyMove {
    platform::Vec2 pos;
    float vx = 0;
    float vy = 0;
    int32_t state = 0;
    bool airborne = true;
};

EnemyMove Ground(CMap& map, GroundRule rule, EnemyMove m, float w = 45, float h = 75)
{
    map.CollideGround(rule, m.pos, m.vx, m.vy, m.state, &m.airborne, w, h);
    return m;
}

class MapCollisionTest : public ::testing::Test {
protected:
    MapCollisionTest() : fixture(kStage, kTop), game(fixture.MakeGame()), map(game->GetMap()) {}

    // One call of the player's collision with a box of 45 x 75 (or as given).
    PlayerMove Collide(platform::Vec2 pos, float vx, float vy, float w = 45, float h = 75, bool canBeHurt = true)
    {
        PlayerMove m{pos, vx, vy, true, false};
        m.contact = map.CollidePlayer(m.pos, m.vx, m.vy, m.jumping, w, h, &m.room, canBeHurt);
        return m;
    }

    StageFixture fixture;
    std::unique_ptr<CGame> game;
    CMap& map;
};

TEST_F(MapCollisionTest, LandsOnGroundAndRecordsTheSafePlace)
{
    const PlayerMove m = Collide({100, 1240 - 37.5f - 5}, 0, 10);
    EXPECT_FLOAT_EQ(m.pos.y, 1202.5f);
    EXPECT_EQ(m.vy, 0);
    EXPECT_FALSE(m.jumping);
    EXPECT_TRUE(m.room);
    EXPECT_TRUE(m.contact.landed);
    EXPECT_FALSE(m.contact.hurt);
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
    // The damage floor is cells (30, 17..18): x 680..760, top y 1200. A 40-wide box at x 700
    // stands on cell 17 alone.
    PlayerMove hurt = Collide({700, 1200 - 20 - 4}, 0, 8, 40, 40);
    EXPECT_FLOAT_EQ(hurt.pos.y, 1180);
    EXPECT_EQ(hurt.vy, -12); // bounced
    EXPECT_FALSE(hurt.jumping);
    EXPECT_TRUE(hurt.contact.hurt);
    EXPECT_TRUE(hurt.contact.landed);
    EXPECT_FALSE(hurt.room); // the damage floor leaves the room flag alone

    // While invincible: lands, no harm.
    PlayerMove again = Collide({700, 1200 - 20 - 4}, 0, 8, 40, 40, false);
    EXPECT_FLOAT_EQ(again.pos.y, 1180);
    EXPECT_EQ(again.vy, 0);
    EXPECT_FALSE(again.contact.hurt);
}

TEST_F(MapCollisionTest, CorrectionsCarryFromCellToCell)
{
    // A 45-wide box over both damage cells: the first hurts and bounces, the second lands the
    // box again (the moved position was taken once) and takes the bounce back; one hit only.
    PlayerMove m = Collide({720, 1200 - 37.5f - 4}, 0, 8);
    EXPECT_FLOAT_EQ(m.pos.y, 1162.5f);
    EXPECT_EQ(m.vy, 0);
    EXPECT_TRUE(m.contact.hurt);
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
        const GroundContact contact = game->GetMap().CollidePlayer(pos, vx, vy, jumping, 45, 75, nullptr, true);
        EXPECT_FLOAT_EQ(pos.y, 1162.5f) << c.row;
        EXPECT_EQ(vy, c.vy) << c.row;
        EXPECT_TRUE(contact.hurt) << c.row;

        // The player applies the hit once and keeps the speed the map left it.
        CPlayer& player = game->GetPlayer();
        player.Place({200, 1200 - 37.5f - 4}, {0, 7}); // gravity adds the eighth pixel
        game->Update();
        EXPECT_EQ(player.Hp(), 2) << c.row; // one hit only
        EXPECT_EQ(player.HurtTimer(), 39) << c.row; // 40, less the reaction's first frame
        EXPECT_EQ(player.Velocity().y, c.vy) << c.row;
    }
}

TEST_F(MapCollisionTest, EnemyWallStopsEnemiesButNotThePlayer)
{
    // The wall is cells (29..30, 11): x 440..480.
    const PlayerMove through = Collide({420, 1200}, 10, 0);
    EXPECT_FLOAT_EQ(through.pos.x, 420);
    EXPECT_EQ(through.vx, 10);

    const EnemyMove walker = Ground(map, GroundRule::TurnAtWallsAndLedges, {{420, 1202.5f}, 3, 0, kEnemyWalkRight});
    EXPECT_EQ(walker.state, kEnemyWalkLeft);
    EXPECT_FLOAT_EQ(walker.pos.x, 440 - 22.5f);
}

TEST_F(MapCollisionTest, WalkingEnemiesTurnOnlyAtWallsAhead)
{
    // Walking left with the pillar's left edge inside its box: a wall behind it, not moved.
    const EnemyMove behind = Ground(map, GroundRule::TurnAtWallsAndLedges, {{190, 1202.5f}, -3, 0, kEnemyWalkLeft});
    EXPECT_EQ(behind.state, kEnemyWalkLeft);
    EXPECT_FLOAT_EQ(behind.pos.x, 190);
    // Walking left into the pillar's right side: turns right, flush with the wall.
    const EnemyMove ahead = Ground(map, GroundRule::TurnAtWallsAndLedges, {{265, 1202.5f}, -3, 0, kEnemyWalkLeft});
    EXPECT_EQ(ahead.state, kEnemyWalkRight);
    EXPECT_FLOAT_EQ(ahead.pos.x, 240 + 22.5f);
}

TEST(MapLedgeTest, WalkersTurnWhereTheGroundEnds)
{
    StageFixture fixture({
        "..............",
        "....1111......",
    }, 30);
    auto game = fixture.MakeGame();
    CMap& map = game->GetMap();
    // Ground cells 4..7 (x 160..320) at y 1240; below them row 32 is empty.
    const EnemyMove left =
        Ground(map, GroundRule::TurnAtWallsAndLedges, {{175, 1240 - 37.5f - 1}, -3, 2, kEnemyWalkLeft});
    EXPECT_EQ(left.state, kEnemyWalkRight);
    EXPECT_FLOAT_EQ(left.pos.y, 1202.5f);
    const EnemyMove right =
        Ground(map, GroundRule::TurnAtWallsAndLedges, {{305, 1240 - 37.5f - 1}, 3, 2, kEnemyWalkRight});
    EXPECT_EQ(right.state, kEnemyWalkLeft);
}

TEST_F(MapCollisionTest, JumpingEnemiesAndSlimesLandAndArePushed)
{
    const EnemyMove landed = Ground(map, GroundRule::PushedOffPlankInside, {{100, 1200}, 0, 5});
    EXPECT_FALSE(landed.airborne);
    EXPECT_FLOAT_EQ(landed.pos.y, 1202.5f);
    EXPECT_EQ(landed.vy, 0);

    // Pushed out of the plank's right side (x 360) a jumper ends 2.5 pixels inside the plank;
    // anything else pushed that way ends outside it.
    const EnemyMove jumper = Ground(map, GroundRule::PushedOffPlankInside, {{385, 1220}, -5, 0});
    EXPECT_FLOAT_EQ(jumper.pos.x, 320 + 60.0f);
    EXPECT_EQ(jumper.vx, 0);
    const EnemyMove other = Ground(map, GroundRule::Pushed, {{385, 1220}, -5, 0}, 45, 30);
    EXPECT_FLOAT_EQ(other.pos.x, 360 + 22.5f);

    const EnemyMove slime = Ground(map, GroundRule::Pushed, {{100, 1215}, 0, 10}, 40, 40);
    EXPECT_FALSE(slime.airborne);
    EXPECT_FLOAT_EQ(slime.pos.y, 1220);
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
        map.Update({});
        ASSERT_FALSE(map.StarFinished()) << update;
    }
    // A second touch does not reset the growth.
    Collide({1180, 1180}, 5, 0);
    EXPECT_GT(map.StarScale().y, 49.0f);
    map.Update({});
    EXPECT_TRUE(map.StarFinished());
}

} // namespace

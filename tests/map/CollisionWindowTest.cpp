// Each collision visits only the cells around the box; the answers must be those of a scan of
// the whole grid, for any stage, box and speed.
#include <gtest/gtest.h>

#include <random>

#include "scenes/Game.h"
#include "support/StageFixture.h"

namespace {

struct Outcome {
    platform::Vec2 pos;
    float vx = 0, vy = 0;
    bool airborne = false, room = false, onGround = false, goal = false;
    int hp = 0, invincible = 0, mona = 0, state = 0;
    platform::Vec2 respawn;
    bool hit = false;

    bool operator==(const Outcome& o) const
    {
        return pos.x == o.pos.x && pos.y == o.pos.y && vx == o.vx && vy == o.vy && airborne == o.airborne &&
               room == o.room && onGround == o.onGround && goal == o.goal && hp == o.hp &&
               invincible == o.invincible && mona == o.mona && state == o.state && respawn.x == o.respawn.x &&
               respawn.y == o.respawn.y && hit == o.hit;
    }
};

class CollisionWindowTest : public ::testing::Test {
protected:
    CollisionWindowTest() : fixture({"."}), game(fixture.MakeGame()), map(game->GetMap()) {}

    void RandomStage(std::mt19937& rng)
    {
        std::uniform_int_distribution<int> code(-1, 10);
        std::uniform_int_distribution<int> percent(0, 99);
        const int density = std::uniform_int_distribution<int>(10, 60)(rng);
        for (auto& row : map.mMapData)
            for (auto& cell : row) cell = percent(rng) < density ? code(rng) : 0;
    }

    // Runs one kind of collision from the same start with the window and with the whole grid.
    template <typename Run>
    void Compare(const Run& run, const char* what, int trial)
    {
        Restore();
        map.SetFullScan(false);
        const Outcome windowed = run();
        Restore();
        map.SetFullScan(true);
        const Outcome full = run();
        map.SetFullScan(false);
        ASSERT_TRUE(windowed == full) << what << " differs in trial " << trial << ": x " << windowed.pos.x << " vs "
                                      << full.pos.x << ", y " << windowed.pos.y << " vs " << full.pos.y;
    }

    // The same start for both runs. The respawn point is left as the first run set it: a
    // second run that lands sets the same point, and one that does not differs elsewhere.
    void Restore()
    {
        map.Init();
    }

    StageFixture fixture;
    std::unique_ptr<CGame> game;
    CMap& map;
};

TEST_F(CollisionWindowTest, EveryCollisionAnswersAsTheFullScan)
{
    std::mt19937 rng(20261210);
    std::uniform_real_distribution<float> anyX(-100.0f, 14100.0f);
    std::uniform_real_distribution<float> anyY(-100.0f, 1540.0f);
    std::uniform_real_distribution<float> speed(-30.0f, 30.0f);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> nearby(-3, 3);
    for (int stage = 0; stage < 4; ++stage) {
        RandomStage(rng);
        for (int trial = 0; trial < 1500; ++trial) {
            // Half the boxes start on a cell corner, where strict comparisons decide.
            platform::Vec2 start{anyX(rng), anyY(rng)};
            if (coin(rng)) start = {40.0f * static_cast<float>(static_cast<int>(start.x / 40)) + 22.5f,
                                    40.0f * static_cast<float>(static_cast<int>(start.y / 40)) - 37.5f + nearby(rng)};
            const float vx = coin(rng) ? speed(rng) : static_cast<float>(nearby(rng));
            const float vy = coin(rng) ? speed(rng) : static_cast<float>(nearby(rng) * 5);
            const bool mini = coin(rng);

            Compare([&] {
                Outcome o{start, vx, vy, true};
                const GroundContact contact = map.CollidePlayer(o.pos, o.vx, o.vy, o.airborne, mini ? 40.0f : 45.0f,
                                                                mini ? 40.0f : 75.0f, &o.room, true);
                o.onGround = contact.landed;
                o.hp = contact.hurt ? 1 : 0;
                o.goal = map.GoalReached();
                o.respawn = map.Respawn();
                return o;
            }, "player", trial);

            const int walkState = 1 + coin(rng);
            Compare([&] {
                Outcome o{start, vx, vy};
                o.state = walkState;
                map.CollideGround(GroundRule::TurnAtWallsAndLedges, o.pos, o.vx, o.vy, o.state, nullptr, 45, 75);
                return o;
            }, "walking enemy", trial);

            Compare([&] {
                Outcome o{start, vx, vy, true};
                map.CollideGround(GroundRule::PushedOffPlankInside, o.pos, o.vx, o.vy, o.state, &o.airborne, 45, 75);
                return o;
            }, "jumping enemy", trial);

            Compare([&] {
                Outcome o{start, vx, vy, true};
                map.CollideGround(GroundRule::Pushed, o.pos, o.vx, o.vy, o.state, &o.airborne, 40, 40);
                return o;
            }, "slime", trial);

            const float offset = coin(rng) ? 10.0f : -10.0f;
            Compare([&] {
                Outcome o{start};
                o.hit = map.CollideBullet(&o.pos, 8, 8, offset, 40, 40);
                return o;
            }, "bullet", trial);
        }
    }
}

} // namespace

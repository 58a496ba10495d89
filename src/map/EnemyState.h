#pragma once
#include <cstdint>

// What an enemy is doing (`mState`). The map's ground rule for walkers turns them between the
// two walking states; the slime gives 0 to 2 meanings of its own.
enum EnemyState : int32_t {
    kEnemyInert = 0, // not yet initialised
    kEnemyWalkRight = 1,
    kEnemyWalkLeft = 2,
    kEnemyTrapped = 3,
};

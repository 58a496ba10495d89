#pragma once
#include "enemies/EnemyBase.h"

// The jumping enemy: hops in place at random and lands on the tiles.
class CJumpEnemy : public CEnemyBase {
public:
    bool mAirborne = false;
};

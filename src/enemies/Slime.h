#pragma once
#include "enemies/EnemyBase.h"

// The slime: rests and hops left or right.
class CSlime : public CEnemyBase {
public:
    bool mAirborne = false;
};

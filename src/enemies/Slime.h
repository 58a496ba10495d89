#pragma once
#include "enemies/EnemyBase.h"

// The slime: rests where it lands and now and then hops a short way left or right. It is trapped,
// carries (with its own 40 x 40 box) and bursts like the walker; the mini hero traps it by pushing
// into it. Its states: 0 resting, 1 hopping right, 2 hopping left, 3 trapped.
class CSlime : public CEnemyBase {
public:
    static constexpr int32_t kResting = 0;
    static constexpr int32_t kHopRight = 1;
    static constexpr int32_t kHopLeft = 2;

    void Init() override;
    void Update(int index) override;
    void MoveRight() override;
    void MoveLeft() override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;
    void BlockPlayer(platform::Vec2& pos, float halfWidth, float halfHeight, float& velX, float& velY, bool& jumping,
                     bool& onGround) override;
    void LandPlayer(platform::Vec2& pos, float halfWidth, float halfHeight, float& velX, float& velY, bool& jumping,
                    bool& onGround) override;

    void UpdateAnimation();

    int32_t mFacing = 0; // the last hop's direction: +1 right, -1 left
    bool mAirborne = false;
    float mCellSize = kSlimeTileSize;
};

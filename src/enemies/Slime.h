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

    // Touched and caught through its own 42-pixel box; the mini hero traps it by pushing.
    BodyBox HeroTouchBox(bool heroMini) const override;
    platform::Vec2 BubbleTouchHalfExtents() const override { return {kSlimeContactSize / 2.0f, kSlimeContactSize / 2.0f}; }
    bool TrappedByMiniPush() const override { return true; }

    void UpdateAnimation();

    int32_t mFacing = 0; // the last hop's direction: +1 right, -1 left
    bool mAirborne = false;
    float mCellSize = kSlimeTileSize;

protected:
    platform::Vec2 CarrySize() const override { return {mCellSize, mCellSize}; }
};

#pragma once
#include "enemies/EnemyBase.h"

// The jumping enemy: stays where it was placed and jumps straight up at random, landing on the
// tiles. It is never trapped: one bubble destroys it, and it fades out. It keeps its own frame
// counter, animation and alpha, and draws from its own 64 x 80 sheet.
class CJumpEnemy : public CEnemyBase {
public:
    void Init() override;
    void Update(int index) override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;

    // Touched through the shifted box; one bubble destroys it.
    BodyBox HeroTouchBox(bool heroMini) const override;
    BubbleEffect BubbleHit() const override { return BubbleEffect::Destroys; }
    int32_t DrawnAlpha() const override { return mJumpAlpha; }

    bool mAirborne = false;
    int32_t mJumpAlpha = 0;
    int32_t mJumpAnim = 0;
    int32_t mJumpFrame = 0;
};

#pragma once
#include <memory>

#include "app/PooledList.h"
#include "enemies/EnemyBase.h"
#include "enemies/FlyEnemyBullet.h"

// The flying enemy: hovers where it was placed, bobbing, with a spinning layer behind it, and now
// and then fires a bullet straight at the hero. It is trapped, carries and bursts like the walker.
class CFlyEnemy : public CEnemyBase {
public:
    void SetSpinTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexSpin = texture; }
    void SetBulletTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexBullet = texture; }
    // The walking enemy's resources, the spinning layer and the bullets.
    void SetResources(const EnemyResources& resources);

    void Init() override;
    // One frame, aimed at the player's centre.
    void Update(float playerX, float playerY, int index);
    // The stage runs every enemy alike: this aims at where the player is now.
    void Update(int index) override;
    void Draw(platform::Sprite* sprite, platform::Device* device) override;

    // Touched through the shifted box, a larger one for the mini hero; its bullets hurt too.
    BodyBox HeroTouchBox(bool heroMini) const override;
    std::span<const std::unique_ptr<CFlyEnemyBullet>> Bullets() const override { return mBullets.Live(); }

    // Bullets in flight, in firing order; they outlive their enemy until they leave the screen.
    // Those that left are kept for the next shots, so firing allocates nothing once the stage
    // has run a while.
    PooledList<CFlyEnemyBullet> mBullets;

protected:
    void RemoveBulletsOffScreen(platform::Vec2 camera);

    const platform::Texture* mpTexSpin = nullptr;
    const platform::Texture* mpTexBullet = nullptr;
    int32_t mFireWait = 0;
    float mSpriteWidth = 64.0f;
    float mSpriteHeight = 64.0f;
    float mSpin = 0.0f; // degrees

public:
    int32_t FireWait() const { return mFireWait; }
};

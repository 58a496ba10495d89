#pragma once
#include "enemies/EnemyBase.h"

// The flying enemy: hovers, bobs and fires aimed bullets.
class CFlyEnemy : public CEnemyBase {
public:
    void SetSpinTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexSpin = texture; }
    void SetBulletTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexBullet = texture; }
    // The walking enemy's resources, the spinning layer and the bullets.
    void SetResources(const EnemyResources& resources);

    // One frame, aimed at the player's centre.
    void Update(float playerX, float playerY, int index);
    // The stage runs every enemy alike: this aims at where the player is now.
    void Update(int index) override;

protected:
    const platform::Texture* mpTexSpin = nullptr;
    const platform::Texture* mpTexBullet = nullptr;
};

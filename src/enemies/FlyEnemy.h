#pragma once
#include "enemies/EnemyBase.h"

// The flying enemy: hovers, bobs and fires aimed bullets.
class CFlyEnemy : public CEnemyBase {
public:
    void SetSpinTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexSpin = texture; }
    void SetBulletTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexBullet = texture; }
    virtual void Update(float playerX, float playerY, int index);

protected:
    const platform::Texture* mpTexSpin = nullptr;
    const platform::Texture* mpTexBullet = nullptr;
};

#pragma once
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

// A flying enemy's shot: flies straight at 2 pixels a frame toward where the hero was. Tiles and
// the hero stop it (it goes invisible and harmless); it is deleted once it leaves the screen.
class CFlyEnemyBullet {
public:
    void SetTexture(const platform::Texture* texture); // asserts on null
    // One step; true when it is now outside the screen.
    bool Update(float camX, float camY);
    bool IsOffScreen(float camX, float camY) const;
    void Draw(platform::Sprite* sprite) const;

    platform::Vec2 GetPos() const { return mPos; }
    // A tile or the hero stopped it: it goes invisible and harmless.
    void Stop() { mActive = false; }
    bool IsActive() const { return mActive; }

    const platform::Texture* mpTex = nullptr;
    platform::Vec2 mPos;
    platform::Matrix mTransMat;
    float mAngle = 0.0f; // radians; 0 is right, growing clockwise on screen
    bool mActive = false;
};

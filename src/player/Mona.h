#pragma once
#include <cstdint>

#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Texture.h"
#include "platform/Types.h"

// A Mona: a short-lived bubble platform the player blows under its own feet. It hangs where it
// was blown, carries the player like a floor, and pops when its life is over or as soon as the
// player leaves it after having stood on it.
class CMona {
public:
    // States.
    static constexpr int kFree = -1;
    static constexpr int kAlive = 0;
    static constexpr int kPopping = 1;

    void Init();
    void SetTexture(const platform::Texture* texture);      // asserts on null
    void SetAlphaTexture(const platform::Texture* texture); // asserts on null
    // Drops the borrowed pictures; the stage frees them.
    void Release() { mpTex = mpTexAlpha = nullptr; }

    void SetPos(float x, float y) { mPos = {x, y}; }
    void Spawn();
    platform::Vec2 GetPos() const { return mPos; }
    bool IsActive() const { return mActive; }
    // Blown under the hero's feet: it carries from now on.
    void Activate() { mActive = true; }
    int State() const { return mState; }

    // Lets the bubble carry the player, judged on where the player will be after this frame.
    void Collide(platform::Vec2& pos, float& velX, float& velY, bool& jumping, bool& onGround, float width,
                 float height);
    void Update(float camX, float camY);
    void Draw(platform::Sprite* sprite) const;

private:
    int32_t mState = 0;
    const platform::Texture* mpTex = nullptr;
    const platform::Texture* mpTexAlpha = nullptr;
    platform::Vec2 mPos{-40.0f, -20.0f};
    platform::Matrix mWorld;
    bool mActive = false;
    float mLife = 0.0f;
    float mAnimFrame = 0.0f;
    int32_t mTick = 0;
    bool mStood = false;
    float mHeight = 40.0f;
    float mWidth = 80.0f;
};

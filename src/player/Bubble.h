#pragma once
#include "app/Geometry.h"
#include "platform/Audio.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

// One of the hero's shots: blown forward, it drifts sideways and slowly upward with a wobble
// for two seconds, then pops. While active it traps the enemies it touches.
class CBubble {
public:
    // `mState`: what the bubble is doing; also the row of its sheet while it shows.
    static constexpr int32_t kFree = -1;
    static constexpr int32_t kAppearing = 0;
    static constexpr int32_t kFloating = 1;
    static constexpr int32_t kPopping = 2;

    static constexpr float kLifeFrames = 120.0f;

    void Init() { mState = kFree; }
    void SetTexture(const platform::Texture* texture) { if (texture != nullptr) mpTex = texture; }
    void SetAlphaTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexAlpha = texture; }
    void SetPopSound(platform::SoundBuffer* sound) { if (sound != nullptr) mpSndPop = sound; }
    void SetDir(int dir) { mDir = dir; }
    void Fire(float x, float y);

    void Update(float camX, float camY);
    void Draw(platform::Sprite* sprite) const;

    platform::Vec2 GetPos() const { return mPos; }
    bool IsActive() const { return mActive; }
    // It touched a tile or destroyed an enemy: it pops from its next update.
    void Pop() { mActive = false; }

    int32_t mState = 0;
    float mLife = 0.0f;

private:
    const platform::Texture* mpTex = nullptr;
    const platform::Texture* mpTexAlpha = nullptr;
    platform::Vec2 mPos;
    platform::Matrix mWorld;
    float mSpeed = 0.0f;
    bool mActive = false;
    int32_t mDir = 0;
    float mSize = kBubbleSize;
    float mWaveSpeed = 3.0f; // degrees of the wobble per tick
    int32_t mTick = 0;       // every update since the hero was made; never reset
    int32_t mAnimFrame = 0;
    platform::SoundBuffer* mpSndPop = nullptr;

public:
    int32_t AnimFrame() const { return mAnimFrame; }
};

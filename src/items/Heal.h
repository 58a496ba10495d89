#pragma once
#include "items/ItemFloat.h"
#include "items/ItemResources.h"
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CGame;

// A heal item: a heart in a bubble, one health point. The player's contacts collect it; then it
// rises, turns fast and fades out, and stays in the stage's list, gone.
class CHeal {
public:
    void SetGame(CGame* game) { if (game != nullptr) mpGame = game; }
    void SetResources(const ItemResources& resources)
    {
        if (resources.picture != nullptr) mpIconTexture = resources.picture;
        if (resources.bubble != nullptr) mpBubbleTexture = resources.bubble;
        if (resources.bubbleAlpha != nullptr) mpBubbleAlphaTexture = resources.bubbleAlpha;
    }
    void Activate() { mFloat.Activate(); }
    platform::Vec2 GetPos() const { return mPos; }
    platform::Vec2& PosRef() { return mPos; }
    bool& ActiveFlag() { return mFloat.mActive; }
    bool ActiveFlag() const { return mFloat.mActive; }
    int Alpha() const { return mFloat.mAlpha; }

    void Update();
    void Draw(platform::Sprite* sprite, platform::Device* device);
    // Drops the borrowed pictures; the stage frees them.
    void Release() { mpIconTexture = mpBubbleTexture = mpBubbleAlphaTexture = nullptr; }

private:
    const platform::Texture* mpIconTexture = nullptr;
    const platform::Texture* mpBubbleTexture = nullptr;
    const platform::Texture* mpBubbleAlphaTexture = nullptr;
    platform::Vec2 mPos;
    platform::Matrix mTrans;
    platform::Matrix mScale;
    platform::Matrix mRot;
    platform::Matrix mWorld;
    ItemFloat mFloat;
    CGame* mpGame = nullptr;
};

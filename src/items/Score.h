#pragma once
#include <cstdint>

#include "items/ItemFloat.h"
#include "items/ItemResources.h"
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CGame;

// A score item: a star in a bubble worth 1 (kind 1) or 10 (kind 2, drawn twice as large). The
// player's contacts collect it; then it rises, turns fast and fades out, and stays in the stage's
// list, gone.
class CScore {
public:
    static constexpr int kSmall = 1;
    static constexpr int kBig = 2;

    void SetKind(int kind) { mKind = kind; }
    int Kind() const { return mKind; }
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
    float mSize = 40.0f;
    int32_t mKind = 0;
    const platform::Texture* mpIconTexture = nullptr;
    const platform::Texture* mpBubbleTexture = nullptr;
    const platform::Texture* mpBubbleAlphaTexture = nullptr;
    platform::Vec2 mPos;
    platform::Matrix mIconTrans;
    platform::Matrix mIconScale;
    platform::Matrix mIconRot;
    platform::Matrix mIconWorld;
    platform::Matrix mBubbleTrans;
    platform::Matrix mBubbleScale;
    platform::Matrix mBubbleRot;
    platform::Matrix mBubbleWorld;
    ItemFloat mFloat;
    CGame* mpGame = nullptr;

    bool KnownKind() const { return mKind == kSmall || mKind == kBig; }
};

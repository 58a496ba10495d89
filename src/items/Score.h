#pragma once
#include "items/ItemResources.h"
#include "platform/Device.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CGame;

// A score item: a star in a bubble worth 1 (kind 1) or 10 (kind 2).
class CScore {
public:
    void SetGame(CGame* game) { if (game != nullptr) mpGame = game; }
    void SetResources(const ItemResources& resources)
    {
        if (resources.picture != nullptr) mpTexStar = resources.picture;
        if (resources.bubble != nullptr) mpTexBubble = resources.bubble;
        if (resources.bubbleAlpha != nullptr) mpTexBubbleAlpha = resources.bubbleAlpha;
    }
    void Activate() { mActive = true; }
    void Update() {}
    void Draw(platform::Sprite*, platform::Device*) {}
    void Release() {}

    platform::Vec2 mPos;
    int32_t mKind = 0;
    bool mActive = false;

private:
    CGame* mpGame = nullptr;
    const platform::Texture* mpTexStar = nullptr;
    const platform::Texture* mpTexBubble = nullptr;
    const platform::Texture* mpTexBubbleAlpha = nullptr;
};

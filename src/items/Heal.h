#pragma once
#include "items/ItemResources.h"
#include "platform/Device.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CGame;

// A heal item: a heart in a bubble, one health point.
class CHeal {
public:
    void SetGame(CGame* game) { if (game != nullptr) mpGame = game; }
    void SetResources(const ItemResources& resources)
    {
        if (resources.picture != nullptr) mpTexHeart = resources.picture;
        if (resources.bubble != nullptr) mpTexBubble = resources.bubble;
        if (resources.bubbleAlpha != nullptr) mpTexBubbleAlpha = resources.bubbleAlpha;
    }
    void Activate() { mActive = true; }
    void Update() {}
    void Draw(platform::Sprite*, platform::Device*) {}
    void Release() {}

    platform::Vec2 mPos;
    bool mActive = false;

private:
    CGame* mpGame = nullptr;
    const platform::Texture* mpTexHeart = nullptr;
    const platform::Texture* mpTexBubble = nullptr;
    const platform::Texture* mpTexBubbleAlpha = nullptr;
};

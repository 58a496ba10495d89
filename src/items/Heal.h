#pragma once
#include "platform/Device.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CGame;

// A heal item: a heart in a bubble, one health point.
class CHeal {
public:
    void SetGame(CGame* game) { if (game != nullptr) mpGame = game; }
    void SetTextures(const platform::Texture* heart, const platform::Texture* bubble, const platform::Texture* bubbleAlpha)
    {
        if (heart != nullptr) mpTexHeart = heart;
        if (bubble != nullptr) mpTexBubble = bubble;
        if (bubbleAlpha != nullptr) mpTexBubbleAlpha = bubbleAlpha;
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

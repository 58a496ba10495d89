#pragma once
#include <cstdint>

#include "platform/Matrix.h"
#include "platform/Texture.h"
#include "platform/Types.h"

// Small records that exist only for the player's drawing: the health icons, the stock of
// Mona bubbles shown under them, and the particles of the mini form's trail.

// One health icon, top left of the screen.
struct HpIcon {
    platform::Vec2 mPos;
    platform::Matrix mWorld;
    platform::Matrix mTransMat;
    platform::Matrix mScaleMat;
};

// One Mona bubble still in stock; it pops when a Mona is blown and comes back on landing.
struct StockIcon {
    // States, also the row of the bubble sheet drawn.
    static constexpr int kGone = -1;
    static constexpr int kAppearing = 0;
    static constexpr int kSteady = 1;
    static constexpr int kPopping = 2;

    platform::Vec2 mPos;
    platform::Matrix mWorld;
    platform::Matrix mScaleMat;
    platform::Matrix mTransMat;
    int32_t mState = 0;
    int32_t mAnimFrame = 0;
    bool mShown = false;
    const platform::Texture* mpTex = nullptr;
    const platform::Texture* mpTexAlpha = nullptr;
};

// One small bubble of the mini form's trail, in world pixels.
struct TrailBubble {
    float mX = 0.0f;
    float mY = 0.0f;
    float mVelX = 0.0f;
    float mVelY = 0.0f;
    float mScale = 0.0f;
    int32_t mLife = 0;
    platform::Matrix mWorld;
    bool mInView = false; // whether the last update placed it where it can show
};

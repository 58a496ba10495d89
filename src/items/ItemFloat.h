#pragma once
#include <cstdint>

#include "platform/Types.h"

// How a pick-up floats, the same for hearts and stars: while it waits it bobs and turns slowly;
// once collected it rises, turns fast and fades by 15 on every third frame until it is gone.
struct ItemFloat {
    float mSpinSpeed = 3.0f; // degrees per frame of the turn
    float mBobSpeed = 3.0f;  // degrees per frame of the bob
    bool mActive = false;    // still collectable
    int32_t mCount = 0;      // frames since the item was made
    int32_t mAlpha = 0;      // 0 is gone: not drawn, not moved
    float mFadeTimer = 0.0f; // frames to the next fade step: 2, 1, 0

    void Activate()
    {
        mActive = true;
        mAlpha = 255;
    }
    // One frame: moves the item's centre.
    void Step(platform::Vec2& pos);
    // The turn: the horizontal scale of the picture, -1 to 1.
    float Turn() const;
    bool Gone() const { return mAlpha == 0; }
};

// Every picture of an item lies within this many pixels of its centre (a big star's bubble,
// twice 40 pixels, reaches 40; a heart's bubble of 80 reaches 40), with room to spare.
constexpr float kItemReach = 80.0f;

#pragma once
#include <cstdint>

#include "platform/Matrix.h"

// A small bubble drifting over a menu screen; each screen renews it in its own way when its
// life runs out.
struct CMenuParticle {
    float mX = 0.0f;
    float mY = 0.0f;
    float mVx = 0.0f;
    float mVy = 0.0f;
    float mScale = 0.0f;
    int32_t mLife = 0;
    platform::Matrix mMatrix;
};

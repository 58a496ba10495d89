#include "player/Bubble.h"

#include <cmath>

#include "app/Drawing.h"
#include "app/Sound.h"

namespace {

constexpr float kFireSpeed = 2.0f;
constexpr double kRise = 0.4;   // pixels a frame, on average
constexpr int kAppearPeriod = 7; // ticks per appearing frame
constexpr int kLastAppearFrame = 3;
constexpr int kLastPopFrame = 5;
constexpr platform::Color kHighlight = 0x46FFFFFF;

} // namespace

void CBubble::Fire(float x, float y)
{
    mPos = {x, y};
    mActive = true;
    mSpeed = kFireSpeed;
}

void CBubble::Update(float camX, float camY)
{
    ++mTick;
    if (mActive && (mState == kAppearing || mState == kFloating)) {
        mLife -= 1.0f;
        if (mLife < 0.0f) {
            mLife = 0.0f;
            mActive = false;
            mState = kPopping;
        }
        mPos.x += static_cast<float>(mDir) * mSpeed;
        // The wobble's angle is worked out in single precision, the rest in double.
        const float angle = static_cast<float>(mTick) * mWaveSpeed * kDegToRad;
        mPos.y = static_cast<float>(mPos.y - (std::sin(static_cast<double>(angle)) / 2.0 + kRise));
    }
    // Every frame of the pop restarts its sound.
    if (!mActive && mState != kFree) {
        mState = kPopping;
        RestartSound(mpSndPop);
    }
    if (mState == kAppearing && mTick % kAppearPeriod == 0) {
        if (mAnimFrame < kLastAppearFrame) {
            ++mAnimFrame;
        } else {
            mAnimFrame = 0;
            mState = kFloating;
        }
    } else if (mState == kPopping && mTick % 2 == 0) {
        if (mAnimFrame < kLastPopFrame) {
            ++mAnimFrame;
        } else {
            mAnimFrame = 0;
            mState = kFree;
        }
    }
    mWorld = platform::Matrix::Translation(mPos.x - camX, mPos.y - camY, 0.0f);
}

void CBubble::Draw(platform::Sprite* sprite) const
{
    if (mState == kFree) return;
    const int left = static_cast<int>(static_cast<float>(mAnimFrame) * mSize);
    const int top = static_cast<int>(static_cast<float>(mState) * mSize);
    const int size = static_cast<int>(mSize);
    const platform::Rect cell{left, top, left + size, top + size};
    const platform::Vec3 center{mSize / 2.0f, mSize / 2.0f, 0.0f};
    DrawSprite(sprite, mpTex, cell, center, mWorld, 0xFFFFFFFF);
    DrawSprite(sprite, mpTexAlpha, cell, center, mWorld, kHighlight);
}

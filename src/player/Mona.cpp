#include "player/Mona.h"

#include <cmath>

#include "app/Assert.h"
#include "app/Drawing.h"

namespace {

constexpr float kLifeFrames = 180.0f;
// The foot zone: feet predicted at most this far below the bubble's top still land on it.
constexpr float kFootZone = 25.0f;
constexpr float kPopFrames = 6.0f; // columns 1..6 of the sheet
constexpr int kPopPeriod = 3;      // ticks per pop frame
constexpr platform::Color kOpaque = 0xFFFFFFFF;
constexpr platform::Color kHighlight = 0x4BFFFFFF;

int Trunc(float v)
{
    return static_cast<int>(v);
}

} // namespace

void CMona::Init()
{
    mAnimFrame = 0.0f;
    mStood = false;
    mActive = false;
    mState = kFree;
}

void CMona::SetTexture(const platform::Texture* texture)
{
    ZEM_ASSERT(texture != nullptr, L"テクスチャの情報が空です");
    if (texture != nullptr) mpTex = texture;
}

void CMona::SetAlphaTexture(const platform::Texture* texture)
{
    ZEM_ASSERT(texture != nullptr, L"テクスチャの情報が空です");
    if (texture != nullptr) mpTexAlpha = texture;
}

void CMona::Spawn()
{
    mAnimFrame = 0.0f;
    mLife += kLifeFrames;
    mStood = false;
    mActive = false;
    mState = kAlive;
}

void CMona::Collide(platform::Vec2& pos, float& velX, float& velY, bool& jumping, bool& onGround, float width,
                    float height)
{
    if (mLife == 0.0f) return;
    const float nextX = pos.x + velX;
    const float nextY = pos.y + velY;
    const int left = Trunc(nextX - width / 2.0f);
    const int right = Trunc(nextX + width / 2.0f);
    const int bottom = Trunc(nextY + height / 2.0f);
    const int footTop = Trunc(nextY + height / 2.0f - kFootZone);

    const int bubbleLeft = Trunc(mPos.x - mWidth / 2.0f);
    const int bubbleRight = Trunc(mPos.x + mWidth / 2.0f);
    const int bubbleTop = Trunc(mPos.y - mHeight / 2.0f);

    const bool across = right > bubbleLeft && left < bubbleRight;
    if (across && bottom >= bubbleTop && footTop <= bubbleTop) {
        jumping = false;
        pos.y = static_cast<float>(bubbleTop) - height / 2.0f;
        velY = 0.0f;
        onGround = true;
        mStood = true;
    } else if (mStood) {
        // Once stood on, a bubble does not outlive the player leaving it.
        mLife = 0.0f;
    }
}

void CMona::Update(float camX, float camY)
{
    if (mState == kFree) return;
    mTick += 1;

    if (mState == kAlive) {
        if (mLife == 0.0f) {
            mActive = false;
            mState = kPopping;
        } else {
            mActive = true;
            mLife -= 1.0f;
            if (mLife == 0.0f) {
                mActive = false;
                mState = kPopping;
            }
        }
    }

    if (mState == kAlive) {
        mAnimFrame = 0.0f;
    } else if (mAnimFrame < kPopFrames) {
        if (mTick % kPopPeriod == 0) mAnimFrame += 1.0f;
    } else {
        mAnimFrame = 0.0f;
        mState = kFree;
    }

    mWorld = platform::Matrix::Translation(mPos.x - camX, mPos.y - camY, 0.0f);
}

void CMona::Draw(platform::Sprite* sprite) const
{
    if (mState == kFree) return;
    const float left = mWidth * mAnimFrame;
    const platform::Rect cell{Trunc(left), 0, Trunc(left + mWidth), Trunc(mHeight)};
    const platform::Vec3 center{40.0f, 20.0f, 0.0f};
    DrawSprite(sprite, mpTex, cell, center, mWorld, kOpaque);
    DrawSprite(sprite, mpTexAlpha, cell, center, mWorld, kHighlight);
}

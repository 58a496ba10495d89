#include "enemies/JumpEnemy.h"

#include <algorithm>

#include "app/Drawing.h"
#include "app/Random.h"
#include "app/WorldRules.h"
#include "map/Map.h"

namespace {

constexpr float kJumpSpeed = -20.0f;
constexpr int kJumpChances = 7; // a standing enemy jumps in one frame of seven, on average
constexpr int kAnimPeriod = 10;
constexpr int kLastAnimFrame = 2;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 80;

} // namespace

// In the air at first, so its first jump waits for its first landing.
void CJumpEnemy::Init()
{
    mJumpAlpha = 255;
    mpGame->Random().Seed(mpGame->Now());
    mAirborne = true;
}

void CJumpEnemy::Update(int)
{
    ++mJumpFrame;
    const platform::Vec2 camera = mpGame->CameraPos();
    if (mJumpAlpha == 0) return;
    if (mAlive) {
        mVelY += kGravity;
        if (mpGame->Random().Next() % kJumpChances == 0 && !mAirborne) {
            mVelY = kJumpSpeed;
            mAirborne = true;
        }
        if (mJumpFrame % kAnimPeriod == 0) mJumpAnim = mJumpAnim >= kLastAnimFrame ? 0 : mJumpAnim + 1;
    } else {
        mJumpAlpha = std::max(mJumpAlpha - kFadeStep, 0);
    }
    // A destroyed enemy stops falling at once and fades where it was hit.
    if (mAlive) {
        mpGame->GetMap().CollideGround(GroundRule::PushedOffPlankInside, mPos, mVelX, mVelY, mState, &mAirborne, mWidth,
                                       mHeight);
        mPos.y += mVelY;
    }
    UpdateMatrices(camera, mScaleX);
}

BodyBox CJumpEnemy::HeroTouchBox(bool) const
{
    return {kEnemyWidth / 2.0f, kEnemyHeight / 2.0f, true};
}

void CJumpEnemy::Draw(platform::Sprite* sprite, platform::Device*)
{
    // Away from the screen it could not show, and it has not been placed.
    if (mJumpAlpha == 0 || !IsOnScreen(mPos.x)) return;
    const platform::Rect cell = CellRect(mJumpAnim, 0, kCellWidth, kCellHeight);
    const platform::Color color = platform::MakeArgb(static_cast<uint32_t>(mJumpAlpha), 255, 255, 255);
    DrawSprite(sprite, mpTexBody, cell, platform::Vec3{kCellWidth / 2.0f, kCellHeight / 2.0f, 0.0f}, mWorld, color);
}

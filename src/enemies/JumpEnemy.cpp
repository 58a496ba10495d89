#include "enemies/JumpEnemy.h"

#include <algorithm>

#include "app/Drawing.h"
#include "app/GameFrame.h"
#include "app/Random.h"
#include "scenes/Game.h"

namespace {

constexpr float kGravity = 1.0f;
constexpr float kJumpSpeed = -20.0f;
constexpr int kJumpChances = 7; // a standing enemy jumps in one frame of seven, on average
constexpr int kAnimPeriod = 10;
constexpr int kLastAnimFrame = 2;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 80;
constexpr int32_t kFadeStep = 15;

} // namespace

// In the air at first, so its first jump waits for its first landing.
void CJumpEnemy::Init()
{
    mJumpAlpha = 255;
    Srand(mpGame->Now());
    mAirborne = true;
}

void CJumpEnemy::Update(int index)
{
    ++mJumpFrame;
    const platform::Vec2 camera = mpGame->GetCamera().GetPos();
    if (mJumpAlpha == 0) return;
    if (mAlive) {
        mVelY += kGravity;
        if (Rand() % kJumpChances == 0 && !mAirborne) {
            mVelY = kJumpSpeed;
            mAirborne = true;
        }
        if (mJumpFrame % kAnimPeriod == 0) mJumpAnim = mJumpAnim >= kLastAnimFrame ? 0 : mJumpAnim + 1;
    } else {
        mJumpAlpha = std::max(mJumpAlpha - kFadeStep, 0);
    }
    // A destroyed enemy stops falling at once and fades where it was hit.
    if (mAlive) {
        mpGame->GetMap().CollideJumpEnemy(index);
        mPos.y += mVelY;
    }
    UpdateMatrices(camera, mScaleX);
}

void CJumpEnemy::Draw(platform::Sprite* sprite, platform::Device*)
{
    // Away from the screen it could not show, and it has not been placed.
    if (mJumpAlpha == 0 || !IsOnScreen(mPos.x)) return;
    const platform::Rect cell = CellRect(mJumpAnim, 0, kCellWidth, kCellHeight);
    const platform::Color color = platform::MakeArgb(static_cast<uint32_t>(mJumpAlpha), 255, 255, 255);
    DrawSprite(sprite, mpTexBody, cell, platform::Vec3{kCellWidth / 2.0f, kCellHeight / 2.0f, 0.0f}, mWorld, color);
}

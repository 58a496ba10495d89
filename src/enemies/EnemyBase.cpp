#include "enemies/EnemyBase.h"

#include <algorithm>
#include <cmath>

#include "app/Drawing.h"
#include "app/Sound.h"
#include "app/WorldRules.h"
#include "map/Map.h"

namespace {

constexpr int32_t kFullAlpha = 255;
constexpr int kWalkFramePeriod = 10;  // frames per step of the eight-frame walk
constexpr int kLastWalkFrame = 7;
constexpr int kFormPeriod = 3;        // frames per forming step of the bubble
constexpr int kLastFormFrame = 3;
constexpr int kLastBurstFrame = 5;
constexpr float kScreenMargin = 100.0f;
constexpr int32_t kCaptureFlash = 15; // frames of the capture's glow
constexpr platform::Color kGlowLayer = 0x32FFFFFF;
constexpr platform::Rect kGlowRect{0, 0, 128, 128};

int Truncate(float v)
{
    return static_cast<int>(v);
}

} // namespace

void CEnemyBase::SetResources(const EnemyResources& resources)
{
    SetTexture(resources.body);
    SetFlashTexture(resources.flash);
    SetBubbleTexture(resources.bubble);
    SetBubbleAlphaTexture(resources.bubbleAlpha);
    SetPopSound(resources.pop);
}

void CEnemyBase::Init()
{
    mAlpha = kFullAlpha;
    mTrapTimer = kTrapFrames;
    mCaptured = false;
    mState = kEnemyWalkLeft;
}

// Walks (or floats while trapped), meets the tiles, then moves. A capture by the player's bubble,
// which comes earlier in the frame, turns it trapped at the end of this update, so it is drawn in
// its bubble at once and floats from the next frame. After 300 trapped frames the bubble bursts
// and the enemy fades out; once invisible it only counts frames.
void CEnemyBase::Update(int)
{
    ++mFrame;
    const platform::Vec2 camera = mpGame->CameraPos();
    if (mAlpha == 0) return;
    if (mAlive) {
        switch (mState) {
        case kEnemyWalkRight: MoveRight(); break;
        case kEnemyWalkLeft: MoveLeft(); break;
        case kEnemyTrapped: FloatInBubble(); break;
        default: break;
        }
        CollideAndMove();
        if (mFrame % kWalkFramePeriod == 0) mAnimFrame = mAnimFrame >= kLastWalkFrame ? 0 : mAnimFrame + 1;
    } else {
        FadeOut();
    }
    UpdateTrap(false);
    UpdateBubble();
    UpdateMatrices(camera, mScaleX);
}

void CEnemyBase::CollideAndMove()
{
    mpGame->GetMap().CollideGround(GroundRule::TurnAtWallsAndLedges, mPos, mVelX, mVelY, mState, nullptr, mWidth,
                                   mHeight);
    mPrevPos = mPos;
    mPos.x += mVelX;
    mPos.y += mVelY;
    mDeltaY = mPos.y - mPrevPos.y;
}

void CEnemyBase::Catch()
{
    mCaptured = true;
    mFlash = kCaptureFlash;
    mBubbleRow = kBubbleForming;
}

// The hero touches a walker's body box as it is.
BodyBox CEnemyBase::HeroTouchBox(bool) const
{
    return {kEnemyWidth / 2.0f, kEnemyHeight / 2.0f, false};
}

// Only an enemy near the screen is drawn, so only such an enemy is placed.
void CEnemyBase::UpdateMatrices(platform::Vec2 camera, float scaleX)
{
    if (!IsOnScreen(mPos.x)) return;
    mTransMat = platform::Matrix::Translation(mPos.x - camera.x, mPos.y - camera.y, 0.0f);
    mScaleMat = platform::Matrix::Scaling(scaleX, 1.0f, 0.0f);
    mWorld = mScaleMat * mTransMat;
}

void CEnemyBase::MoveRight()
{
    mVelX = mSpeed;
    mScaleX = 1.0f;
    mVelY += kGravity;
}

void CEnemyBase::MoveLeft()
{
    mVelY += kGravity;
    mVelX = -mSpeed;
    mScaleX = -1.0f;
}

// Bobs in the bubble: moved here by the sine, and by it again with the rest of the update.
void CEnemyBase::FloatInBubble()
{
    mVelX = 0.0f;
    mVelY = std::sin(static_cast<float>(mFrame) * mSpeed * kDegToRad);
    mPos.y += mVelY;
    mTrapTimer -= 1;
    mFlash = std::max(mFlash - 1, 0);
}

void CEnemyBase::UpdateTrap(bool popOnEveryBurstFrame)
{
    if (mCaptured) mState = kEnemyTrapped;
    if (mTrapTimer != 0) return;
    mAlive = false;
    if (mBubbleRow == kBubbleGone) return;
    mBubbleRow = kBubbleBursting;
    if (popOnEveryBurstFrame) RestartSound(mpSndPop);
}

void CEnemyBase::FadeOut()
{
    mAlpha = std::max(mAlpha - kFadeStep, 0);
}

void CEnemyBase::UpdateBubble()
{
    switch (mBubbleRow) {
    case kBubbleForming:
        if (mBubbleFrame < kLastFormFrame) {
            if (mFrame % kFormPeriod == 0) ++mBubbleFrame;
        } else {
            mBubbleFrame = 0;
            mBubbleRow = kBubbleSteady;
        }
        break;
    case kBubbleSteady: mBubbleFrame = 0; break;
    case kBubbleBursting:
        if (mFrame % 2 != 0) break;
        if (mBubbleFrame < kLastBurstFrame) {
            ++mBubbleFrame;
            if (mBubbleFrame == 1) RestartSound(mpSndPop);
        } else {
            mBubbleFrame = 0;
            mBubbleRow = kBubbleGone;
        }
        break;
    default: break;
    }
}

bool CEnemyBase::IsOnScreen(float x) const
{
    const float cameraX = mpGame->CameraPos().x;
    return cameraX - kScreenMargin < x && x < cameraX + kScreenWidth + kScreenMargin;
}

void CEnemyBase::Draw(platform::Sprite* sprite, platform::Device* device)
{
    const platform::Color color = platform::MakeArgb(static_cast<uint32_t>(mAlpha), 255, 255, 255);
    const platform::Vec3 center{mWidth / 2.0f, mHeight / 2.0f, 0.0f};
    const float left = static_cast<float>(mAnimFrame) * mWidth;
    const platform::Rect walk{Truncate(left), 1, Truncate(left + mWidth), Truncate(mHeight + 1.0f)};
    const platform::Rect trapped{0, Truncate(mHeight + 1.0f), Truncate(mWidth), Truncate(2.0f * mHeight + 1.0f)};
    DrawTrappable(sprite, device, mState == kEnemyTrapped ? trapped : walk, center, color, kEnemyBubbleCell,
                  kEnemyBubbleHighlight);
}

void CEnemyBase::DrawTrappable(platform::Sprite* sprite, platform::Device* device, const platform::Rect& body,
                               const platform::Vec3& bodyCenter, platform::Color bodyColor, int bubbleCell,
                               platform::Color highlight)
{
    if (mAlpha == 0) return;
    SetNormalBlend(device);
    const bool onScreen = IsOnScreen(mPos.x);
    const bool trapped = mState == kEnemyTrapped;
    if (onScreen) {
        DrawSprite(sprite, mpTexBody, body, bodyCenter, mWorld, bodyColor);
        if (trapped) DrawBubble(sprite, bubbleCell, highlight);
    }
    BeginBlendPass(sprite, device, kAdditivePass);
    if (onScreen && trapped) DrawGlow(sprite);
    EndBlendPass(sprite, device);
    sprite->Flush();
}

// The bubble is never mirrored and keeps its own colours while the body fades. Once it has
// burst (row -1) there is nothing left to draw.
void CEnemyBase::DrawBubble(platform::Sprite* sprite, int cell, platform::Color highlight) const
{
    if (mBubbleRow == kBubbleGone) return;
    const platform::Rect source = CellRect(mBubbleFrame, mBubbleRow, cell, cell);
    const platform::Vec3 center{static_cast<float>(cell) / 2.0f, static_cast<float>(cell) / 2.0f, 0.0f};
    DrawSprite(sprite, mpTexBubble, source, center, mTransMat, 0xFFFFFFFF);
    DrawSprite(sprite, mpTexBubbleAlpha, source, center, mTransMat, highlight);
}

// One faint layer for each frame of the capture's flash still to come.
void CEnemyBase::DrawGlow(platform::Sprite* sprite) const
{
    const platform::Vec3 center{64.0f, 64.0f, 0.0f};
    for (int i = 0; i < mFlash; ++i) DrawSprite(sprite, mpTexFlash, kGlowRect, center, mWorld, kGlowLayer);
}

void CEnemyBase::Release()
{
    mpTexBody = nullptr;
    mpSndPop = nullptr;
}

bool CEnemyBase::LandsOn(int left, int right, int top, const platform::Vec2& pos, float halfWidth, float halfHeight,
                         float velY) const
{
    const int pL = Truncate(pos.x - halfWidth);
    const int pR = Truncate(pos.x + halfWidth);
    const int pT = Truncate(pos.y - halfHeight);
    const int pB = Truncate(pos.y + halfHeight);
    const int nT = Truncate(static_cast<float>(pT) + velY);
    const int nB = Truncate(static_cast<float>(pB) + velY);
    const float movedTop = static_cast<float>(top) + mVelY;
    return pL < right && pR > left && static_cast<float>(nB) > movedTop && movedTop > static_cast<float>(nT);
}

// Against the box where the enemy stood before its last move: landing on top rides along with
// the bubble's last vertical move; otherwise a box overlapping it vertically is pushed out sideways.
void CEnemyBase::BlockPlayer(platform::Vec2& pos, float halfWidth, float halfHeight, float& velX, float& velY,
                             bool& jumping, bool& onGround)
{
    const platform::Vec2 size = CarrySize();
    const int pL = Truncate(pos.x - halfWidth);
    const int pT = Truncate(pos.y - halfHeight);
    const int pR = Truncate(pos.x + halfWidth);
    const int pB = Truncate(pos.y + halfHeight);
    const int nL = Truncate(static_cast<float>(pL) + velX);
    const int nR = Truncate(static_cast<float>(pR) + velX);
    const int eL = Truncate(mPrevPos.x - size.x / 2.0f);
    const int eT = Truncate(mPrevPos.y - size.y / 2.0f);
    const int eR = Truncate(mPrevPos.x + size.x / 2.0f);
    const int eB = Truncate(mPrevPos.y + size.y / 2.0f);
    if (LandsOn(eL, eR, eT, pos, halfWidth, halfHeight, velY)) {
        pos.y = static_cast<float>(eT) - halfHeight + velY + mDeltaY;
        velY = 0.0f;
        jumping = false;
        onGround = true;
        return;
    }
    if (!(pT < eB && pB > eT)) return;
    const float left = static_cast<float>(eL) + mVelX;
    if (static_cast<float>(nR) > left && left > static_cast<float>(nL)) {
        velX = 0.0f;
        pos.x = static_cast<float>(eL) - halfWidth;
    }
    const float right = static_cast<float>(eR) + mVelX;
    if (right > static_cast<float>(nL) && static_cast<float>(nR) > right) {
        velX = 0.0f;
        pos.x = static_cast<float>(eR) + halfWidth;
    }
}

// The landing alone, against the box where the enemy is now.
void CEnemyBase::LandPlayer(platform::Vec2& pos, float halfWidth, float halfHeight, float&, float& velY, bool& jumping,
                            bool& onGround)
{
    const platform::Vec2 size = CarrySize();
    const int eL = Truncate(mPos.x - size.x / 2.0f);
    const int eT = Truncate(mPos.y - size.y / 2.0f);
    const int eR = Truncate(mPos.x + size.x / 2.0f);
    if (!LandsOn(eL, eR, eT, pos, halfWidth, halfHeight, velY)) return;
    pos.y = static_cast<float>(eT) - halfHeight;
    velY = 0.0f;
    jumping = false;
    onGround = true;
}

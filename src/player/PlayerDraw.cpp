// The player on screen: health, Mona stock, trail, the sprite in its three looks, and the score.
#include <algorithm>
#include <cmath>

#include "app/Drawing.h"
#include "player/Player.h"

namespace {

using platform::Matrix;
using platform::Rect;
using platform::Vec3;

constexpr platform::Color kOpaque = 0xFFFFFFFF;
constexpr platform::Color kYellow = 0xFFFFFF00;
constexpr platform::Color kStockHighlight = 0x4BFFFFFF;
constexpr platform::Color kBubbleHighlight = 0x46FFFFFF;
constexpr platform::Color kTrailHighlight = 0x32FFFFFF;

constexpr Vec3 kIconCenter{32.0f, 32.0f, 0.0f};
constexpr Vec3 kDefeatedCenter{22.5f, 37.5f, 0.0f};
constexpr Vec3 kStarCenter{20.0f, 20.0f, 0.0f};
constexpr Rect kIconRect{0, 0, 64, 64};
constexpr Rect kStarRect{0, 0, 40, 40};
constexpr Rect kHitPoseRect{0, 225, 45, 300}; // the first frame of the hit row
constexpr Rect kDefeatedRect{0, 0, 45, 75};

// The fall cue: the hearts' empty places stay in the HUD while the held hearts burst one by
// one, and the hero shrinks away into the pit where it fell.
constexpr platform::Color kEmptyHeart = 0x70202838;
constexpr int kFirstHeartBursts = 12; // frames into the defeat
constexpr int kHeartBurstGap = 22;
constexpr int kHeartBurstFrames = 16;
constexpr int kSinkFrames = 80;
constexpr float kSinkDepth = 56.0f; // how far above the screen's bottom the hero starts sinking

constexpr float kScoreX = 1120.0f;
constexpr float kScoreY = 20.0f;
constexpr float kScoreStarX = 1090.0f;
constexpr float kScoreStarY = 30.0f;

} // namespace

void CPlayer::Draw(platform::Sprite* sprite, platform::Device*)
{
    if (mAlive) {
        for (const TrailBubble& particle : mTrail) DrawTrailBubble(particle, sprite);
        DrawBody(sprite);
    } else {
        DrawDefeated(sprite);
        DrawFallCue(sprite);
    }
    if (mAlive) {
        DrawBubbles(sprite);
        DrawMonas(sprite);
    }
}

void CPlayer::DrawHud(platform::Sprite* sprite, platform::Device* device)
{
    // The icons breathe between 0.9 and 1.1 of their size every 180 frames.
    const float pulseScale = 1.0f + std::sin(static_cast<float>(mFrame * 2) * kDegToRad) / 10.0f;
    const Matrix pulse = Matrix::Scaling(pulseScale, pulseScale, 0.0f);
    if (mAlive) {
        DrawHealth(sprite, pulse);
        if (!mMini) DrawStock(sprite, pulse);
    }
    DrawScore(sprite, device);
}

void CPlayer::DrawHealth(platform::Sprite* sprite, const Matrix& pulse)
{
    for (int i = 0; i < mHp && i < 3; ++i) {
        HpIcon& icon = mHpIcons[i];
        icon.mScaleMat = pulse;
        icon.mTransMat = Matrix::Translation(3.0f * icon.mPos.x, icon.mPos.y, 0.0f);
        icon.mWorld = icon.mScaleMat * icon.mTransMat;
        DrawSprite(sprite, mpTexHp, kIconRect, kIconCenter, icon.mWorld, kOpaque);
    }
}

void CPlayer::DrawStock(platform::Sprite* sprite, const Matrix& pulse)
{
    for (StockIcon& icon : mStockIcons) {
        if (icon.mState == StockIcon::kGone) continue;
        const Rect cell = CellRect(icon.mAnimFrame, icon.mState, 64, 64);
        icon.mScaleMat = pulse;
        icon.mTransMat = Matrix::Translation(3.0f * icon.mPos.x, icon.mPos.y + 84.0f, 0.0f);
        icon.mWorld = icon.mScaleMat * icon.mTransMat;
        DrawSprite(sprite, icon.mpTexAlpha, cell, kIconCenter, icon.mWorld, kStockHighlight);
        DrawSprite(sprite, icon.mpTex, cell, kIconCenter, icon.mWorld, kOpaque);
    }
}

void CPlayer::DrawTrailBubble(const TrailBubble& particle, platform::Sprite* sprite)
{
    if (!particle.mInView) return;
    DrawSprite(sprite, mpTexTrail, kIconRect, kIconCenter, particle.mWorld, kOpaque);
    DrawSprite(sprite, mpTexTrailAlpha, kIconRect, kIconCenter, particle.mWorld, kTrailHighlight);
}

void CPlayer::DrawBody(platform::Sprite* sprite)
{
    const Vec3 center{mWidth / 2.0f, mHeight / 2.0f, 0.0f};
    if (mAnimState != kAnimMini) {
        // The rows of the big sheet start one pixel below each multiple of the cell height.
        const float column = static_cast<float>(mAnimFrame);
        const float row = static_cast<float>(mAnimState);
        const Rect cell{static_cast<int32_t>(column * mWidth), static_cast<int32_t>(row * mHeight + 1.0f),
                        static_cast<int32_t>(column * mWidth + mWidth),
                        static_cast<int32_t>(row * mHeight + mHeight + 1.0f)};
        const platform::Color color = platform::MakeArgb(static_cast<uint32_t>(mAlpha), 255, 255, 255);
        DrawSprite(sprite, mpTexPlayer, cell, center, mWorld, color);
        return;
    }
    // The mini form sits in a star bubble that never mirrors, and it does not blink.
    DrawSprite(sprite, mpTexMini, CellRect(mAnimFrame, 0, 40, 40), center, mWorld, kOpaque);
    DrawSprite(sprite, mpTexStarBubble, kStarRect, center, mTransMat, kOpaque);
    DrawSprite(sprite, mpTexStarBubbleAlpha, kStarRect, center, mTransMat, kBubbleHighlight);
}

// Stands in the hit pose while the wait lasts, then the falling picture spins about its centre.
void CPlayer::DrawDefeated(platform::Sprite* sprite)
{
    const platform::Vec2 camera = CameraOffset();
    mDeathTrans = Matrix::Translation(mDeathPos.x - camera.x, mDeathPos.y - camera.y, 0.0f);
    mDeathScale = Matrix::Scaling(1.0f, 1.0f, 0.0f);
    mDeathRot = Matrix::RotationZ(mDeathAngle * kDegToRad);
    mDeathWorld = mDeathRot * mDeathScale * mDeathTrans;
    if (mDeathTimer > 0.0f) {
        DrawSprite(sprite, mpTexPlayer, kHitPoseRect, kDefeatedCenter, mDeathTrans, kOpaque);
    } else {
        DrawSprite(sprite, mpTexDown, kDefeatedRect, kDefeatedCenter, mDeathWorld, kOpaque);
    }
}

void CPlayer::DrawFallCue(platform::Sprite* sprite)
{
    for (int i = 0; i < 3; ++i) {
        const HpIcon& icon = mHpIcons[i];
        const Matrix place = Matrix::Translation(3.0f * icon.mPos.x, icon.mPos.y, 0.0f);
        DrawSprite(sprite, mpTexHp, kIconRect, kIconCenter, place, kEmptyHeart);
    }
    if (mHeartsAtFall <= 0) return;
    // The rightmost heart bursts first: it swells and fades.
    const int held = std::min(mHeartsAtFall, 3);
    for (int i = 0; i < held; ++i) {
        const int burst = mDefeatFrames - (kFirstHeartBursts + kHeartBurstGap * (held - 1 - i));
        if (burst >= kHeartBurstFrames) continue;
        const float t = burst <= 0 ? 0.0f : static_cast<float>(burst) / kHeartBurstFrames;
        const float scale = 1.0f + 0.6f * t;
        const HpIcon& icon = mHpIcons[i];
        const Matrix world =
            Matrix::Scaling(scale, scale, 0.0f) * Matrix::Translation(3.0f * icon.mPos.x, icon.mPos.y, 0.0f);
        const auto alpha = static_cast<uint32_t>(255.0f * (1.0f - t));
        DrawSprite(sprite, mpTexHp, kIconRect, kIconCenter, world, platform::MakeArgb(alpha, 255, 255, 255));
    }
    if (mDefeatFrames >= kSinkFrames) return;
    const float t = static_cast<float>(mDefeatFrames) / kSinkFrames;
    const float scale = 1.0f - t;
    const platform::Vec2 camera = CameraOffset();
    const Matrix world = Matrix::Scaling(scale, scale, 0.0f) *
                         Matrix::Translation(mDeathPos.x - camera.x, kScreenHeight - kSinkDepth * (1.0f - t), 0.0f);
    DrawSprite(sprite, mpTexPlayer, kHitPoseRect, kDefeatedCenter, world,
               platform::MakeArgb(static_cast<uint32_t>(255.0f * (1.0f - t)), 255, 255, 255));
}

// The score in yellow, and its star turning like a coin in the glow pass, then its bubble.
void CPlayer::DrawScore(platform::Sprite* sprite, platform::Device* device)
{
    DrawNumberStrip(sprite, mpTexDigits, mScore, kScoreX, kScoreY, kYellow);

    const Matrix place = Matrix::Translation(kScoreStarX, kScoreStarY, 0.0f);
    const float turn = std::sin(static_cast<float>(mFrame * 3) * kDegToRad);
    const Matrix star = Matrix::Scaling(turn, 1.0f, 0.0f) * Matrix::RotationZ(0.0f) * place;
    BeginBlendPass(sprite, device, kGlowPass);
    DrawSprite(sprite, mpTexStar, kStarRect, kStarCenter, star, kYellow);
    EndBlendPass(sprite, device);
    DrawSprite(sprite, mpTexStarBubble, kStarRect, kStarCenter, place, kOpaque);
    DrawSprite(sprite, mpTexStarBubbleAlpha, kStarRect, kStarCenter, place, kBubbleHighlight);
}

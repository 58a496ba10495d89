#include "player/Player.h"

#include <algorithm>
#include <cmath>

#include "app/Assert.h"
#include "app/Geometry.h"
#include "app/Sound.h"
#include "app/WorldRules.h"
#include "map/Map.h"
#include "map/StageView.h"
#include "platform/Keyboard.h"

namespace {

// Big form: no sideways glide, full gravity, 5 pixels a frame while a walking key is held.
constexpr float kBigWalk = 5.0f;
// Mini form: lighter, and it speeds up and glides to a stop.
constexpr float kMiniGravity = 0.7f;
constexpr float kMiniTopSpeed = 7.0f;
constexpr float kMiniGlide = 0.2f;

constexpr float kJumpSpeed = -20.0f;
constexpr float kMaxFallSpeed = 12.0f;

constexpr int kHurtFrames = 40;
constexpr int kInvincibleFrames = 120;
constexpr int kBlinkPeriod = 6;

constexpr float kDeathWait = 90.0f;
constexpr float kDeathLeap = -12.0f;
constexpr float kDeathGravity = 0.2f;
constexpr float kDeathSpin = 10.0f;

} // namespace

void CPlayer::SetMiniTexture(const platform::Texture* t)
{
    ZEM_ASSERT(t != nullptr, L"テクスチャの情報が空です");
    if (t) mpTexMini = t;
}

void CPlayer::SetMonaTexture(const platform::Texture* t)
{
    for (CMona& mona : mMonas) mona.SetTexture(t);
}

void CPlayer::SetMonaAlphaTexture(const platform::Texture* t)
{
    for (CMona& mona : mMonas) mona.SetAlphaTexture(t);
}

void CPlayer::SetBubbleTexture(const platform::Texture* t)
{
    if (t == nullptr) return;
    for (CBubble& bubble : mBubbles) bubble.SetTexture(t);
}

void CPlayer::SetBubbleAlphaTexture(const platform::Texture* t)
{
    if (t == nullptr) return;
    for (CBubble& bubble : mBubbles) bubble.SetAlphaTexture(t);
}

void CPlayer::SetStockTexture(const platform::Texture* t)
{
    if (t == nullptr) return;
    for (StockIcon& icon : mStockIcons) icon.mpTex = t;
}

void CPlayer::SetStockAlphaTexture(const platform::Texture* t)
{
    if (t == nullptr) return;
    for (StockIcon& icon : mStockIcons) icon.mpTexAlpha = t;
}

void CPlayer::SetSound(SoundSlot slot, platform::SoundBuffer* sound)
{
    if (sound != nullptr && slot >= 0 && slot < SOUND_COUNT) mSounds[slot] = sound;
}

void CPlayer::Init(platform::Vec2 start)
{
    mPos = start;
    for (int i = 0; i < 3; ++i) mHpIcons[i].mPos = {20.0f + 30.0f * static_cast<float>(i), 40.0f};
    mScaleX = 1.0f;
    mScaleY = 1.0f;
    mHp = 3;
    mAlive = true;
    mMini = false;
    mAlpha = 255;
    mMonaCount = 0;
    for (CMona& mona : mMonas) mona.Init();
    for (int i = 0; i < 3; ++i) {
        StockIcon& icon = mStockIcons[i];
        icon.mState = StockIcon::kSteady;
        icon.mShown = true;
        icon.mPos = {20.0f + 30.0f * static_cast<float>(i), 40.0f};
    }
    for (CBubble& bubble : mBubbles) bubble.Init();
}

void CPlayer::Release()
{
    mpTexPlayer = mpTexDown = mpTexMini = mpTexHp = mpTexDigits = nullptr;
    mpTexTrail = mpTexTrailAlpha = nullptr;
    for (StockIcon& icon : mStockIcons) icon.mpTex = icon.mpTexAlpha = nullptr;
    mpTexEnemyFace = nullptr;
    for (CMona& mona : mMonas) mona.Release();
    // Borrowed from the stage, which frees them; dropped all the same.
    mpTexStar = mpTexStarBubble = mpTexStarBubbleAlpha = nullptr;
    for (platform::SoundBuffer*& sound : mSounds) sound = nullptr;
}

platform::Vec2 CPlayer::CameraOffset() const
{
    return mpGame != nullptr ? mpGame->CameraPos() : platform::Vec2{};
}

void CPlayer::Update()
{
    ++mFrame;
    const platform::Vec2 camera = CameraOffset();

    if (mMini) {
        mVelY += kMiniGravity;
    } else {
        mVelX = 0.0f;
        mVelY += kGravity;
    }

    // Debug keys.
    if (mpGame->Input().Held(platform::VK_A)) mScore += 1;
    if (mpGame->Input().Held(platform::VK_Z)) mInvincible = 1;

    if (mAlive && mHurtTimer <= 0) Control();
    mVelY = std::min(mVelY, kMaxFallSpeed);

    if (mMoved) mMoved = false;
    else if (!mActionLock) mWantedAnim = kAnimIdle;

    for (TrailBubble& particle : mTrail) UpdateTrail(particle, camera.x, camera.y);

    if (mAlive) {
        ChangeSize();
        if (!mMini) {
            Shoot();
            BlowMona();
        }
    }

    CollideWithMap();

    if (mAlive) TouchItems();
    TouchEnemies();

    mShotCooldown = std::max(mShotCooldown - 1, 0);
    UpdateHitReaction();
    UpdateInvincibility();

    if (mAnimState != mWantedAnim && !mActionLock && !mMini) {
        mAnimState = mWantedAnim;
        mAnimFrame = 0;
    }
    if (mHp <= 0) mAlive = false;
    UpdateAnimation();

    UpdateBubbles(camera);
    UpdateMonas(camera);
    UpdateStockIcons();

    // Whole pixels only: a speed below 1 does not move the box.
    mPos.y += std::trunc(mVelY);
    mPos.x += std::trunc(mVelX);

    if (mPos.x - mWidth / 2.0f < 0.0f) mPos.x = mWidth / 2.0f;
    if (mPos.x + mWidth / 2.0f > kStageWidth) mPos.x = kStageWidth - mWidth / 2.0f;
    if (mPos.y - mHeight / 2.0f > kStageHeight) {
        if (mAlive) mHeartsAtFall = mHp;
        mAlive = false;
        mHp = 0;
    }

    if (!mAlive) UpdateDefeat();
    UpdateMatrices(camera);
}

// Arrows and jump, while the player is alive and not reeling from a hit.
void CPlayer::Control()
{
    if (mpGame->Pressed(platform::VK_UP) && !mJumping && mOnGround) {
        RestartSound(Sound(SND_JUMP));
        mJumping = true;
        mVelY = kJumpSpeed;
    }

    const bool left = mpGame->Input().Held(platform::VK_LEFT);
    const bool right = mpGame->Input().Held(platform::VK_RIGHT);
    if (left) {
        if (!mMini) mVelX -= kBigWalk;
        else if (mVelX > -kMiniTopSpeed) mVelX -= 1.0f;
        mScaleX = -1.0f;
        mWantedAnim = kAnimWalk;
        mDir = -1;
        mMoved = true;
    } else if (right) {
        if (!mMini) mVelX += kBigWalk;
        else if (mVelX < kMiniTopSpeed) mVelX += 1.0f;
        mScaleX = 1.0f;
        mWantedAnim = kAnimWalk;
        mDir = 1;
        mMoved = true;
    } else if (mVelX < 0.0f) {
        mVelX += kMiniGlide;
    } else if (mVelX > 0.0f) {
        mVelX -= kMiniGlide;
    }
    // Both arrows in big form: it stands, facing left.
    if (left && right && !mMini) mVelX = 0.0f;
}

void CPlayer::ApplyHitRule()
{
    TakeHit();
    mVelY = kHitBounce;
}

// The hit rule without its bounce.
void CPlayer::TakeHit()
{
    mHurtTimer = kHurtFrames;
    mInvincible = kInvincibleFrames;
    mHurt = true;
    mHp -= 1;
}

void CPlayer::Continue(platform::Vec2 pos, int score, int invincibleFrames)
{
    mPos = pos;
    mScore = score;
    mInvincible = invincibleFrames;
}

// The map pushes the hero out of the tiles and says what happened; a damage floor's bounce is
// already in the speed, given where the map met the floor.
void CPlayer::CollideWithMap()
{
    mOnGround = false;
    if (mpGame == nullptr) return;
    const GroundContact contact = mpGame->GetMap().CollidePlayer(mPos, mVelX, mVelY, mJumping, mWidth, mHeight,
                                                                 &mRoomToResize, mInvincible == 0);
    ApplyGroundContact(contact);
}

void CPlayer::ApplyGroundContact(const GroundContact& contact)
{
    if (contact.landed) {
        mOnGround = true;
        mMonaCount = 0;
    }
    if (contact.hurt) TakeHit();
}

// The hit reaction: no control, the hit pose, the big form at once, pushed back a pixel a frame.
void CPlayer::UpdateHitReaction()
{
    if (mHurtTimer <= 0) return;
    mAnimState = kAnimHit;
    if (mMini) {
        mMini = false;
        ResizeKeepingFeet(45.0f, 75.0f);
    }
    mActionLock = true;
    mHurtTimer -= 1;
    if (mHurtTimer <= 0) {
        mHurtTimer = 0;
        mHurt = false;
        mActionLock = false;
    }
    if (mDir == 1) mVelX -= 1.0f;
    else if (mDir == -1) mVelX += 1.0f;
}

// Counts the grace period down, blinking on every 6th frame of it.
void CPlayer::UpdateInvincibility()
{
    if (mInvincible <= 0) return;
    mInvincible -= 1;
    if (mInvincible % kBlinkPeriod == 0) mAlpha = mAlpha == 255 ? 0 : 255;
    if (mInvincible <= 0) {
        mInvincible = 0;
        mAlpha = 255;
    }
}

// The defeated sprite waits where the player fell, leaps, and spins out of the stage.
void CPlayer::UpdateDefeat()
{
    if (!mDeathStarted) {
        PlaySound(Sound(SND_FALL));
        mDeathStarted = true;
        mDeathTimer = kDeathWait;
        mDeathPos = mPos;
    }
    mDeathTimer -= 1.0f;
    ++mDefeatFrames;
    if (mDeathTimer <= 0.0f) {
        if (mDeathTimer == 0.0f) mDeathVelY = kDeathLeap;
        mDeathVelY += kDeathGravity;
        mDeathAngle += kDeathSpin;
    }
    mDeathPos.y += std::trunc(mDeathVelY);
    if (mDeathPos.y - mHeight > kStageHeight) mGameOver = true;
}

void CPlayer::UpdateMatrices(platform::Vec2 camera)
{
    mTransMat = platform::Matrix::Translation(mPos.x - camera.x, mPos.y - camera.y, 0.0f);
    mScaleMat = platform::Matrix::Scaling(mScaleX, mScaleY, 0.0f);
    mWorld = mScaleMat * mTransMat;
}

#include "enemies/FlyEnemy.h"

#include <algorithm>
#include <cmath>

#include "app/Drawing.h"
#include "app/Random.h"
#include "app/WorldRules.h"
#include "map/Map.h"

namespace {

constexpr float kHoverSpeed = 2.0f;   // sets only the bobbing rate in a bubble
constexpr float kBobDegreesPerFrame = 5.0f;
constexpr int kShotChances = 100;     // the enemy at list place i fires when the draw gives i
constexpr int32_t kFireWaitFrames = 250;
constexpr float kSpinStep = 5.0f;
// The tiles see a bullet looking 10 pixels ahead.
constexpr float kBulletLookAhead = 10.0f;
// The mini hero meets flying enemies through a larger box of theirs.
constexpr float kHalfWidthForMini = 32.0f;
constexpr float kHalfHeightForMini = 40.0f;

} // namespace

void CFlyEnemy::SetResources(const EnemyResources& resources)
{
    CEnemyBase::SetResources(resources);
    SetSpinTexture(resources.spin);
    SetBulletTexture(resources.bullet);
}

void CFlyEnemy::Init()
{
    mState = kEnemyWalkLeft;
    mSpeed = kHoverSpeed;
    mAlpha = 255;
    mTrapTimer = kTrapFrames;
    mCaptured = false;
}

void CFlyEnemy::Update(int index)
{
    const platform::Vec2 player = mpGame->PlayerPos();
    Update(player.x, player.y, index);
}

// Hovers and fires while alive and free; its bullets fly on, and are deleted off screen, even
// after the enemy itself has faded out.
void CFlyEnemy::Update(float playerX, float playerY, int index)
{
    ++mFrame;
    const platform::Vec2 camera = mpGame->CameraPos();
    mVelY = 0.0f;
    const float aim = std::atan2(playerY - mPos.y, playerX - mPos.x);
    if (mAlpha != 0) {
        if (mAlive) {
            if (mState == kEnemyTrapped) FloatInBubble();
            mPrevPos = mPos;
            mVelY -= std::sin(static_cast<float>(mFrame) * kBobDegreesPerFrame * kDegToRad);
            mPos.y += mVelY;
            mDeltaY = mPos.y - mPrevPos.y;
            if (!mCaptured && mFireWait <= 0 && mpGame->Random().Next() % kShotChances == index) {
                CFlyEnemyBullet& bullet = mBullets.Add();
                bullet.mActive = true;
                bullet.SetTexture(mpTexBullet);
                bullet.mPos = mPos;
                bullet.mAngle = aim;
                mFireWait = kFireWaitFrames;
            }
        } else {
            FadeOut();
        }
    }
    UpdateTrap(true);

    CMap& map = mpGame->GetMap();
    for (size_t i = 0; i < mBullets.size(); ++i) {
        CFlyEnemyBullet& bullet = *mBullets[i];
        bullet.Update(camera.x, camera.y);
        platform::Vec2 probe = bullet.GetPos(); // the map pushes the copy, never the bullet
        if (bullet.IsActive() &&
            map.CollideBullet(&probe, kBulletHalf, kBulletHalf, kBulletLookAhead, kCellSize, kCellSize)) {
            bullet.Stop();
        }
    }
    RemoveBulletsOffScreen(camera);

    mFireWait = std::max(mFireWait - 1, 0);
    mSpin += kSpinStep;
    UpdateBubble();
    if (!IsOnScreen(mPos.x)) return; // drawn only near the screen, so placed only there
    mTransMat = platform::Matrix::Translation(mPos.x - camera.x, mPos.y - camera.y, 0.0f);
    mScaleMat = platform::Matrix::Scaling(mScaleX, 1.0f, 0.0f);
    mRotMat = platform::Matrix::RotationZ(mSpin * kDegToRad);
    mWorld = mRotMat * mScaleMat * mTransMat;
}

BodyBox CFlyEnemy::HeroTouchBox(bool heroMini) const
{
    if (heroMini) return {kHalfWidthForMini, kHalfHeightForMini, true};
    return {kEnemyWidth / 2.0f, kEnemyHeight / 2.0f, true};
}

// Bullets outside the screen leave the list, which keeps its order.
void CFlyEnemy::RemoveBulletsOffScreen(platform::Vec2 camera)
{
    mBullets.RemoveIf([camera](const CFlyEnemyBullet& bullet) { return bullet.IsOffScreen(camera.x, camera.y); });
}

// The body in flight is never mirrored; only the spinning layer and the glow turn with mWorld.
void CFlyEnemy::Draw(platform::Sprite* sprite, platform::Device* device)
{
    SetNormalBlend(device);
    if (IsOnScreen(mPos.x) && mAlpha != 0) {
        const int w = static_cast<int>(mSpriteWidth);
        const int h = static_cast<int>(mSpriteHeight);
        const platform::Vec3 center{mSpriteWidth / 2.0f, mSpriteHeight / 2.0f, 0.0f};
        const platform::Color color = platform::MakeArgb(static_cast<uint32_t>(mAlpha), 255, 255, 255);
        const bool trapped = mState == kEnemyTrapped;
        if (!trapped) {
            DrawSprite(sprite, mpTexSpin, platform::Rect{0, 0, w, h}, center, mWorld, color);
            DrawSprite(sprite, mpTexBody, platform::Rect{0, 0, w, h}, center, mTransMat, color);
        } else {
            DrawSprite(sprite, mpTexBody, platform::Rect{0, h, w, 2 * h}, center, mTransMat, color);
            DrawBubble(sprite, kEnemyBubbleCell, kEnemyBubbleHighlight);
        }
        BeginBlendPass(sprite, device, kAdditivePass);
        if (trapped) DrawGlow(sprite);
        EndBlendPass(sprite, device);
        sprite->Flush();
    }
    for (const auto& bullet : mBullets) bullet->Draw(sprite);
}

// The hero against the enemies and their bullets, and the enemies against the hero's bubbles.
#include <type_traits>

#include "app/OwnedList.h"
#include "app/Sound.h"
#include "player/Player.h"
#include "scenes/Game.h"

namespace {

// The hero's box is tested a little shifted against some kinds.
constexpr float kOffsetX = 5.0f;
constexpr float kOffsetY = 1.0f;
// The mini hero meets flying enemies through a larger box of theirs.
constexpr float kFlyHalfWidthForMini = 32.0f;
constexpr float kFlyHalfHeightForMini = 40.0f;
constexpr int kCaptureFlash = 15;
constexpr float kBulletHalf = 8.0f;

template <class Enemy>
constexpr bool kIsJumper = std::is_same_v<Enemy, CJumpEnemy>;
template <class Enemy>
constexpr bool kIsSlime = std::is_same_v<Enemy, CSlime>;

} // namespace

// Walking, jumping and flying enemies, then slimes, each in list order: first its contact with
// the hero (while the hero lives), a flying enemy's bullets, then the twenty bubbles (always,
// so bubbles in flight still catch after a defeat).
void CPlayer::TouchEnemies()
{
    if (mpGame == nullptr) return;
    CGame& game = *mpGame;
    ForEachIn(
        [this](auto& enemy, int) {
            if (mAlive) {
                TouchEnemy(enemy);
                TouchBullets(enemy);
            }
            CatchWithBubbles(enemy);
        },
        game.GetEnemies(), game.GetJumpEnemies(), game.GetFlyEnemies(), game.GetSlimes());
}

// The hero's box is box A; the enemy's is centred on it with the kind's half extents.
template <class Enemy>
bool CPlayer::BodyTouches(const Enemy& enemy) const
{
    const platform::Vec2 e = enemy.GetPos();
    const float hw = mWidth / 2.0f;
    const float hh = mHeight / 2.0f;
    if constexpr (std::is_same_v<Enemy, CEnemyBase>) {
        return mCollision.HitBox(mPos.x, mPos.y, hw, hh, e.x, e.y, mEnemyWidth / 2.0f, mEnemyHeight / 2.0f);
    } else if constexpr (std::is_same_v<Enemy, CFlyEnemy>) {
        const float ehw = mMini ? kFlyHalfWidthForMini : mEnemyWidth / 2.0f;
        const float ehh = mMini ? kFlyHalfHeightForMini : mEnemyHeight / 2.0f;
        return mCollision.HitBoxOffset(mPos.x, mPos.y, hw, hh, e.x, e.y, ehw, ehh, kOffsetX, kOffsetY);
    } else if constexpr (kIsSlime<Enemy>) {
        return mCollision.HitBoxOffset(mPos.x, mPos.y, hw, hh, e.x, e.y, mSlimeSize / 2.0f, mSlimeSize / 2.0f, kOffsetX,
                                       kOffsetY);
    } else {
        return mCollision.HitBoxOffset(mPos.x, mPos.y, hw, hh, e.x, e.y, mEnemyWidth / 2.0f, mEnemyHeight / 2.0f,
                                       kOffsetX, kOffsetY);
    }
}

// A living enemy hurts unless the hero is invincible or still reeling; a trapped one carries
// the hero once its bubble is steady, and neither hurts nor carries while the bubble forms or
// bursts. The mini hero is never hurt by a slime: pushing into one and letting go traps it.
template <class Enemy>
void CPlayer::TouchEnemy(Enemy& enemy)
{
    if (!enemy.GetAliveRef()) return;
    if (!kIsJumper<Enemy> && enemy.mState == kEnemyTrapped) {
        if (enemy.mBubbleRow == kBubbleSteady) {
            const float hw = mWidth / 2.0f;
            const float hh = mHeight / 2.0f;
            enemy.BlockPlayer(mPos, hw, hh, mVelX, mVelY, mJumping, mOnGround);
            enemy.LandPlayer(mPos, hw, hh, mVelX, mVelY, mJumping, mOnGround);
        }
        return;
    }
    if (mInvincible != 0) return;
    if (kIsSlime<Enemy> && mMini) {
        if (BodyTouches(enemy) && mHurtTimer == 0) {
            enemy.mPushed = true;
        } else if (enemy.mPushed) {
            Capture(enemy);
            enemy.mPushed = false;
        }
        return;
    }
    if (BodyTouches(enemy) && mHurtTimer == 0) ApplyHitRule();
}

// Every active bubble over a living enemy that is not yet trapped captures it, once per bubble,
// and flies on; a jumping enemy is destroyed instead and the bubble pops.
template <class Enemy>
void CPlayer::CatchWithBubbles(Enemy& enemy)
{
    const float half = mBubbleSize / 2.0f;
    const float ehw = kIsSlime<Enemy> ? mSlimeSize / 2.0f : mEnemyWidth / 2.0f;
    const float ehh = kIsSlime<Enemy> ? mSlimeSize / 2.0f : mEnemyHeight / 2.0f;
    for (CBubble& bubble : mBubbles) {
        if (!bubble.IsActive() || !enemy.GetAliveRef()) continue;
        const platform::Vec2 b = bubble.GetPos();
        const platform::Vec2 e = enemy.GetPos();
        if constexpr (kIsJumper<Enemy>) {
            if (mCollision.HitBox(b.x, b.y, half, half, e.x, e.y, ehw, ehh)) {
                bubble.GetActiveRef() = false;
                enemy.GetAliveRef() = false;
            }
        } else if (enemy.mState != kEnemyTrapped && mCollision.HitBox(b.x, b.y, half, half, e.x, e.y, ehw, ehh)) {
            Capture(enemy);
        }
    }
}

// Each active bullet touching the hero hurts it (the bullet is box A) unless the hero blinks or is
// still reeling from a hit, even one whose grace was cut short; the bullet vanishes.
void CPlayer::TouchBullets(CFlyEnemy& enemy)
{
    for (size_t i = 0; i < enemy.mBullets.size(); ++i) {
        CFlyEnemyBullet& bullet = *enemy.mBullets[i];
        const platform::Vec2 b = bullet.GetPos();
        if (bullet.IsActive() && !mHurt && mInvincible == 0 &&
            mCollision.HitBox(b.x, b.y, kBulletHalf, kBulletHalf, mPos.x, mPos.y, mWidth / 2.0f, mHeight / 2.0f)) {
            bullet.GetActiveRef() = false;
            ApplyHitRule();
        }
    }
}

// The enemy turns itself into the trapped state on its own next update.
void CPlayer::Capture(CEnemyBase& enemy)
{
    RestartSound(mpSndCapture);
    enemy.GetCapturedRef() = true;
    enemy.mFlash = kCaptureFlash;
    enemy.mBubbleRow = kBubbleForming;
}

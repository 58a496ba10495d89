// The hero against the enemies and their bullets, and the enemies against the hero's bubbles.
// Each kind states its own boxes and rules (enemies/); the order of the tests is the stage's.
#include "app/Sound.h"
#include "app/WorldRules.h"
#include "enemies/EnemyBase.h"
#include "enemies/FlyEnemyBullet.h"
#include "map/StageView.h"
#include "player/Player.h"

namespace {

// The hero's box is tested a little shifted against some kinds.
constexpr float kOffsetX = 5.0f;
constexpr float kOffsetY = 1.0f;

} // namespace

// Every enemy in the stage's contact order (walking, jumping, flying, then slimes, each in list
// order): first its contact with the hero (while the hero lives), its bullets, then the twenty
// bubbles (always, so bubbles in flight still catch after a defeat).
void CPlayer::TouchEnemies()
{
    if (mpGame == nullptr) return;
    for (CEnemyBase* enemy : mpGame->ContactEnemies()) {
        if (mAlive) {
            TouchEnemy(*enemy);
            TouchBullets(*enemy);
        }
        CatchWithBubbles(*enemy);
    }
}

// The hero's box is box A; the enemy's is centred on it with the kind's half extents.
bool CPlayer::BodyTouches(const CEnemyBase& enemy) const
{
    const platform::Vec2 e = enemy.GetPos();
    const float hw = mWidth / 2.0f;
    const float hh = mHeight / 2.0f;
    const BodyBox box = enemy.HeroTouchBox(mMini);
    if (!box.shifted) return mCollision.HitBox(mPos.x, mPos.y, hw, hh, e.x, e.y, box.halfWidth, box.halfHeight);
    return mCollision.HitBoxOffset(mPos.x, mPos.y, hw, hh, e.x, e.y, box.halfWidth, box.halfHeight, kOffsetX, kOffsetY);
}

// A living enemy hurts unless the hero is invincible or still reeling; a trapped one carries
// the hero once its bubble is steady, and neither hurts nor carries while the bubble forms or
// bursts. A kind the mini hero traps by pushing never hurts the mini hero: pushing into it and
// letting go traps it.
void CPlayer::TouchEnemy(CEnemyBase& enemy)
{
    if (!enemy.Alive()) return;
    if (enemy.BubbleHit() == BubbleEffect::Traps && enemy.mState == kEnemyTrapped) {
        if (enemy.mBubbleRow == kBubbleSteady) {
            const float hw = mWidth / 2.0f;
            const float hh = mHeight / 2.0f;
            enemy.BlockPlayer(mPos, hw, hh, mVelX, mVelY, mJumping, mOnGround);
            enemy.LandPlayer(mPos, hw, hh, mVelX, mVelY, mJumping, mOnGround);
        }
        return;
    }
    if (mInvincible != 0) return;
    if (enemy.TrappedByMiniPush() && mMini) {
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
// and flies on; a kind the bubbles destroy dies instead and the bubble pops.
void CPlayer::CatchWithBubbles(CEnemyBase& enemy)
{
    const float half = mBubbleSize / 2.0f;
    const platform::Vec2 reach = enemy.BubbleTouchHalfExtents();
    const bool destroys = enemy.BubbleHit() == BubbleEffect::Destroys;
    for (CBubble& bubble : mBubbles) {
        if (!bubble.IsActive() || !enemy.Alive()) continue;
        const platform::Vec2 b = bubble.GetPos();
        const platform::Vec2 e = enemy.GetPos();
        if (destroys) {
            if (mCollision.HitBox(b.x, b.y, half, half, e.x, e.y, reach.x, reach.y)) {
                bubble.Pop();
                enemy.Destroy();
            }
        } else if (enemy.mState != kEnemyTrapped &&
                   mCollision.HitBox(b.x, b.y, half, half, e.x, e.y, reach.x, reach.y)) {
            Capture(enemy);
        }
    }
}

// Each active bullet touching the hero hurts it (the bullet is box A) unless the hero blinks or is
// still reeling from a hit, even one whose grace was cut short; the bullet vanishes.
void CPlayer::TouchBullets(const CEnemyBase& enemy)
{
    for (const auto& bullet : enemy.Bullets()) {
        const platform::Vec2 b = bullet->GetPos();
        if (bullet->IsActive() && !mHurt && mInvincible == 0 &&
            mCollision.HitBox(b.x, b.y, kBulletHalf, kBulletHalf, mPos.x, mPos.y, mWidth / 2.0f, mHeight / 2.0f)) {
            bullet->Stop();
            ApplyHitRule();
        }
    }
}

// The enemy turns itself into the trapped state on its own next update.
void CPlayer::Capture(CEnemyBase& enemy)
{
    RestartSound(Sound(SND_CAPTURE));
    enemy.Catch();
}

// The player's animation states, which also drive its actions, and the change of form.
#include "app/Sound.h"
#include "map/StageView.h"
#include "platform/Keyboard.h"
#include "player/Player.h"

namespace {

constexpr float kBigWidth = 45.0f;
constexpr float kBigHeight = 75.0f;
constexpr float kMiniSide = 40.0f;
constexpr int kResizeLastFrame = 7; // the size-change row runs 0..7

// Advances a looping animation on every `period`th frame.
void Loop(int32_t& frame, int counter, int period, int last)
{
    if (counter % period != 0) return;
    frame = frame >= last ? 0 : frame + 1;
}

} // namespace

// Down on the ground with room above starts shrinking (big) or growing (mini). The key is only
// asked when the rest allows it, so a press that cannot change the size stays free for a Mona.
void CPlayer::ChangeSize()
{
    if (!mOnGround || mActionLock || !mRoomToResize || !mpGame->Pressed(platform::VK_DOWN)) return;
    if (!mMini) {
        RestartSound(Sound(SND_MINI));
        mAnimFrame = 0;
    } else {
        RestartSound(Sound(SND_BIG));
        mAnimFrame = kResizeLastFrame;
    }
    mActionLock = true;
    mAnimState = kAnimResize;
    mMoved = true;
}

// The bottom edge of the box stays where it is.
void CPlayer::ResizeKeepingFeet(float width, float height)
{
    mPos.y += mHeight / 2.0f;
    mHeight = height;
    mWidth = width;
    mPos.y -= mHeight / 2.0f;
}

void CPlayer::UpdateAnimation()
{
    switch (mAnimState) {
    case kAnimIdle:
        Loop(mAnimFrame, mFrame, 10, 2);
        break;
    case kAnimWalk:
        Loop(mAnimFrame, mFrame, 7, 7);
        break;
    case kAnimResize:
        if (!mMini) {
            // Shrinking: frozen until the row has played, then the small box.
            if (mAnimFrame < kResizeLastFrame) {
                mVelX = mVelY = 0.0f;
                if (mFrame % 5 == 0) mAnimFrame += 1;
            } else {
                mAnimFrame = 0;
                mMini = true;
                mAnimState = kAnimMini;
                ResizeKeepingFeet(kMiniSide, kMiniSide);
                mActionLock = false;
            }
        } else {
            // Growing: the same row backwards, with the big box already in place.
            if (mAnimFrame > 0) {
                mVelX = mVelY = 0.0f;
                ResizeKeepingFeet(kBigWidth, kBigHeight);
                if (mFrame % 5 == 0) mAnimFrame -= 1;
            } else {
                mAnimFrame = 0;
                mMini = false;
                mAnimState = kAnimIdle;
                mActionLock = false;
            }
        }
        break;
    case kAnimHit:
        if (mAlive) {
            PlaySound(Sound(SND_DAMAGE));
            mAnimFrame = 0;
        }
        break;
    case kAnimShot:
        // A shot holds the player still, in the air too.
        if (mAnimFrame < 5) {
            mVelX = mVelY = 0.0f;
            if (mFrame % 7 == 0) mAnimFrame += 1;
        } else {
            mAnimFrame = 0;
            mAnimState = kAnimIdle;
            mActionLock = false;
        }
        break;
    case kAnimMona:
        // Blowing a Mona only stops the sideways movement.
        if (mAnimFrame < 5) {
            mVelX = 0.0f;
            if (mFrame % 5 == 0) mAnimFrame += 1;
        } else {
            mAnimFrame = 0;
            mAnimState = kAnimIdle;
            mActionLock = false;
        }
        break;
    case kAnimMini:
        Loop(mAnimFrame, mFrame, 10, 7);
        break;
    default:
        break;
    }
}

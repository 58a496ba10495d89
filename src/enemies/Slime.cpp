#include "enemies/Slime.h"

#include "app/Drawing.h"
#include "app/Random.h"
#include "app/WorldRules.h"
#include "map/Map.h"

namespace {

constexpr int kHopChances = 50; // a resting slime hops in one frame of fifty, on average
constexpr float kHopSpeed = -4.0f;
constexpr float kHopStride = 4.0f;
constexpr float kHopGravity = 0.5f;
constexpr int kAnimPeriod = 9;
constexpr int kLastAnimFrame = 5;
constexpr int kBubbleCell = 46;
constexpr platform::Color kHighlight = 0x5AFFFFFF;

} // namespace

// A slime faces left until its first hop: the drawing scales by the facing, and a facing of zero
// would draw it zero pixels wide.
void CSlime::Init()
{
    mState = kResting;
    mSpeed = 3.0f;
    mAlpha = 255;
    mAirborne = false;
    mScaleX = 1.0f;
    mTrapTimer = kTrapFrames;
    mCaptured = false;
    mBubbleRow = kBubbleGone;
    mFacing = -1;
}

// Gravity acts only during a hop, so a resting slime stays where it is, even in the air.
void CSlime::Update(int)
{
    ++mFrame;
    const platform::Vec2 camera = mpGame->CameraPos();
    if (mAlpha == 0) return;
    if (mAlive) {
        mVelX = 0.0f;
        switch (mState) {
        case kResting:
            // The hop and its direction are two separate draws; the sideways speed starts next frame.
            if (mpGame->Random().Next() % kHopChances == 0) {
                mVelY = kHopSpeed;
                mAirborne = true;
                if (mpGame->Random().Next() % 2 == 0) {
                    mFacing = 1;
                    mState = kHopRight;
                } else {
                    mFacing = -1;
                    mState = kHopLeft;
                }
            }
            break;
        case kHopRight: MoveRight(); break;
        case kHopLeft: MoveLeft(); break;
        case kEnemyTrapped: FloatInBubble(); break;
        default: break;
        }
        mpGame->GetMap().CollideGround(GroundRule::Pushed, mPos, mVelX, mVelY, mState, &mAirborne, mCellSize,
                                       mCellSize);
        mPrevPos = mPos;
        mPos.x += mVelX;
        mPos.y += mVelY;
        mDeltaY = mPos.y - mPrevPos.y;
        UpdateAnimation();
    } else {
        FadeOut();
    }
    UpdateTrap(true);
    UpdateBubble();
    UpdateMatrices(camera, static_cast<float>(mFacing) * mScaleX);
}

// A hop goes on until the frame after the landing, which still takes its stride.
void CSlime::MoveRight()
{
    mVelX += kHopStride;
    mVelY += kHopGravity;
    if (!mAirborne) mState = kResting;
}

void CSlime::MoveLeft()
{
    mVelX -= kHopStride;
    mVelY += kHopGravity;
    if (!mAirborne) mState = kResting;
}

void CSlime::UpdateAnimation()
{
    if (mState == kEnemyTrapped) {
        mAnimFrame = 0;
    } else if (mState >= kResting && mState <= kHopLeft && mFrame % kAnimPeriod == 0) {
        mAnimFrame = mAnimFrame >= kLastAnimFrame ? 0 : mAnimFrame + 1;
    }
}

// Drawn in the game's cyan: the red of its light picture is taken out.
void CSlime::Draw(platform::Sprite* sprite, platform::Device* device)
{
    const float left = static_cast<float>(mAnimFrame) * mCellSize;
    const float top = static_cast<float>(mState) * mCellSize + 1.0f;
    const platform::Rect cell{static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + mCellSize),
                              static_cast<int>(top + mCellSize)};
    const platform::Vec3 center{mCellSize / 2.0f, mCellSize / 2.0f, 0.0f};
    const platform::Color color = platform::MakeArgb(static_cast<uint32_t>(mAlpha), 0, 255, 255);
    DrawTrappable(sprite, device, cell, center, color, kBubbleCell, kHighlight);
}

BodyBox CSlime::HeroTouchBox(bool) const
{
    return {kSlimeContactSize / 2.0f, kSlimeContactSize / 2.0f, true};
}

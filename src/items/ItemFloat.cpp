#include "items/ItemFloat.h"

#include <cmath>

#include "app/Drawing.h"
#include "app/WorldRules.h"

namespace {

constexpr float kWaitingSpin = 3.0f;
constexpr float kCollectedSpin = 20.0f;
constexpr float kRise = 2.0f;
constexpr float kFadePeriod = 2.0f; // the timer counts 2, 1, 0: a step every third frame

} // namespace

void ItemFloat::Step(platform::Vec2& pos)
{
    mCount += 1;
    if (mAlpha != 0) {
        // The running sum of a sine: the item bobs between its start height and about 19 pixels above.
        pos.y -= std::sin(static_cast<float>(mCount) * mBobSpeed * kDegToRad) / 2.0f;
        if (mActive) {
            mSpinSpeed = kWaitingSpin;
        } else {
            pos.y -= kRise;
            mSpinSpeed = kCollectedSpin;
            if (mFadeTimer == 0.0f) {
                mAlpha -= kFadeStep;
                if (mAlpha <= 0) mAlpha = 0;
            }
        }
    }
    if (!mActive) mFadeTimer = mFadeTimer == 0.0f ? kFadePeriod : mFadeTimer - 1.0f;
}

float ItemFloat::Turn() const
{
    return std::sin(static_cast<float>(mCount) * mSpinSpeed * kDegToRad);
}

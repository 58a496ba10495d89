// The two updates that exist only for drawing: the Mona stock icons and the mini form's trail.
#include "app/Geometry.h"
#include "app/Random.h"
#include "map/StageView.h"
#include "platform/Keyboard.h"
#include "player/Player.h"

namespace {

// A trail particle is drawn within 64 * 0.8 / 2 pixels of its centre; this is more than enough.
constexpr float kTrailReach = 64.0f;

// A fresh number from the game's generator, 0 to 1.
float Fraction(RandomSequence& random)
{
    return static_cast<float>(random.Next()) / static_cast<float>(kRandMax);
}

} // namespace

// Each Mona blown since the last landing pops the rightmost icon still showing; a landing
// (the map sets the count back to 0) brings back every icon that has finished popping.
void CPlayer::UpdateStockIcons()
{
    for (int i = 2; i >= 0; --i) {
        StockIcon& icon = mStockIcons[i];
        if (2 - i < mMonaCount) {
            if (icon.mShown) {
                icon.mShown = false;
                icon.mState = StockIcon::kPopping;
            }
        } else if (!icon.mShown && icon.mState == StockIcon::kGone) {
            icon.mShown = true;
            icon.mState = StockIcon::kAppearing;
        }

        switch (icon.mState) {
        case StockIcon::kAppearing:
            if (mFrame % 5 == 0) {
                if (icon.mAnimFrame < 3) {
                    icon.mAnimFrame += 1;
                } else {
                    icon.mAnimFrame = 0;
                    icon.mState = StockIcon::kSteady;
                }
            }
            break;
        case StockIcon::kSteady:
            icon.mAnimFrame = 0;
            break;
        case StockIcon::kPopping:
            if (mFrame % 2 == 0) {
                if (icon.mAnimFrame < 5) {
                    icon.mAnimFrame += 1;
                } else {
                    icon.mAnimFrame = 0;
                    icon.mState = StockIcon::kGone;
                }
            }
            break;
        default:
            break;
        }
    }
}

// Moves one particle; while the mini player walks, a spent particle starts again behind it,
// and a spent one is parked off the stage while it stands.
void CPlayer::UpdateTrail(TrailBubble& particle, float camX, float camY)
{
    particle.mX += particle.mVelX;
    particle.mY += particle.mVelY;
    particle.mScale *= 0.96f;
    particle.mLife -= 1;

    if (mAnimState == kAnimMini && particle.mLife <= 0) {
        const float parkFor = Fraction(mpGame->Random());
        EmitTrailBubble(particle, -100.0f, -100.0f, 0.0f, 0.0f, 0.8f, static_cast<int>(50.0f + 30.0f * parkFor));
        // The numbers are drawn in the order life, vertical speed, horizontal speed.
        const bool right = mpGame->Input().Held(platform::VK_RIGHT);
        if (right || mpGame->Input().Held(platform::VK_LEFT)) {
            const float forLife = Fraction(mpGame->Random());
            const float forVelY = Fraction(mpGame->Random());
            const float forVelX = Fraction(mpGame->Random());
            if (right) {
                EmitTrailBubble(particle, mPos.x - 5.0f, mPos.y + 15.0f, -6.0f + 3.0f * forVelX,
                                -3.0f + 3.0f * forVelY, 0.6f, static_cast<int>(30.0f + 30.0f * forLife));
            } else {
                EmitTrailBubble(particle, mPos.x + 5.0f, mPos.y + 15.0f, 3.0f + 3.0f * forVelX,
                                -3.0f + 3.0f * forVelY, 0.6f, static_cast<int>(15.0f + 30.0f * forLife));
            }
        }
    }

    // A parked or drifted-off particle is not placed: it could not show.
    particle.mInView = ReachesScreen(platform::Vec2{particle.mX - camX, particle.mY - camY}, kTrailReach);
    if (!particle.mInView) return;
    particle.mWorld = platform::Matrix::Scaling(particle.mScale, particle.mScale, 0.0f) *
                      platform::Matrix::Translation(particle.mX - camX, particle.mY - camY, 0.0f);
}

// A defeated player leaves no new trail.
void CPlayer::EmitTrailBubble(TrailBubble& particle, float x, float y, float vx, float vy, float scale, int life)
{
    if (!mAlive) return;
    particle.mX = x;
    particle.mY = y;
    particle.mVelX = vx;
    particle.mVelY = vy;
    particle.mScale = scale;
    particle.mLife = life;
}

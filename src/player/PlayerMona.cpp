// Mona platforms: blown under the feet in big form, they carry the hero for a while.
#include "app/Sound.h"
#include "map/StageView.h"
#include "platform/Keyboard.h"
#include "player/Player.h"

namespace {

constexpr int kMonasBetweenLandings = 3;
// The new bubble's centre lies this far below the player's: its top is 10.5 pixels above the
// big form's feet, and the hop lifts the player clear so that it falls back onto it.
constexpr float kMonaBelowCentre = 47.0f;
constexpr float kMonaHop = -12.5f;

} // namespace

// Down in big form, when no size change took the press: blow a Mona under the feet and hop.
void CPlayer::BlowMona()
{
    if (!mpGame->Pressed(platform::VK_DOWN) || mMonaCount >= kMonasBetweenLandings) return;
    if (mActionLock) return;
    for (CMona& mona : mMonas) {
        if (mona.IsActive() || mona.State() != CMona::kFree) continue;
        RestartSound(Sound(SND_MONA));
        mAnimState = kAnimMona;
        mActionLock = true;
        mAnimFrame = 0;
        mona.SetPos(mPos.x, mPos.y + kMonaBelowCentre);
        mona.Spawn();
        mona.Activate();
        mVelY = kMonaHop;
        mMonaCount += 1;
        return;
    }
}

// Each Mona carries the player and counts its life down.
void CPlayer::UpdateMonas(platform::Vec2 camera)
{
    for (CMona& mona : mMonas) {
        mona.Collide(mPos, mVelX, mVelY, mJumping, mOnGround, mWidth, mHeight);
        mona.Update(camera.x, camera.y);
    }
}

void CPlayer::DrawMonas(platform::Sprite* sprite)
{
    for (const CMona& mona : mMonas) mona.Draw(sprite);
}

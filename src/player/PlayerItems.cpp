// The score and heal items the hero's box touches.
#include "app/Sound.h"
#include "player/Player.h"
#include "scenes/Game.h"

void CPlayer::TouchItems()
{
    if (mpGame == nullptr) return;
    const float halfW = mWidth / 2.0f;
    const float halfH = mHeight / 2.0f;

    // A big star is reached from twice as far as a small one. Items already taken are passed
    // over before their boxes are measured (the box test changes nothing).
    for (auto& item : mpGame->GetScores()) {
        float reach = 0.0f;
        int value = 0;
        if (item->Kind() == CScore::kSmall) {
            reach = mScoreItemSize / 2.0f;
            value = 1;
        } else if (item->Kind() == CScore::kBig) {
            reach = mScoreItemSize;
            value = 10;
        } else {
            continue;
        }
        const platform::Vec2 at = item->GetPos();
        if (item->ActiveFlag() && mCollision.HitBox(mPos.x, mPos.y, halfW, halfH, at.x, at.y, reach, reach)) {
            mScore += value;
            item->ActiveFlag() = false;
            RestartSound(mpSndScore);
        }
    }

    // The heart's box is met with the player's half extents the other way round. One taken at
    // full health is used up all the same.
    const float healReach = mHealItemSize / 2.0f;
    for (auto& item : mpGame->GetHeals()) {
        const platform::Vec2 at = item->GetPos();
        if (item->ActiveFlag() && mCollision.HitBox(mPos.x, mPos.y, halfH, halfW, at.x, at.y, healReach, healReach)) {
            if (mHp < 3) mHp += 1;
            item->ActiveFlag() = false;
            RestartSound(mpSndHeal);
        }
    }
}

// The score and heal items the hero's box touches.
#include "app/Sound.h"
#include "items/Heal.h"
#include "items/Score.h"
#include "map/CellCodes.h"
#include "map/StageView.h"
#include "player/Player.h"

void CPlayer::TouchItems()
{
    if (mpGame == nullptr) return;
    const float halfW = mWidth / 2.0f;
    const float halfH = mHeight / 2.0f;

    // A big star is reached from twice as far as a small one. Items already taken are passed
    // over before their boxes are measured (the box test changes nothing).
    for (CScore* item : mpGame->ContactScores()) {
        const int value = ScoreValue(item->Kind());
        if (value == 0) continue;
        const float reach = item->Kind() == kScoreBig ? mScoreItemSize : mScoreItemSize / 2.0f;
        const platform::Vec2 at = item->GetPos();
        if (item->Collectable() && mCollision.HitBox(mPos.x, mPos.y, halfW, halfH, at.x, at.y, reach, reach)) {
            mScore += value;
            item->Collect();
            RestartSound(Sound(SND_SCORE));
        }
    }

    // The heart's box is met with the player's half extents the other way round. One taken at
    // full health is used up all the same.
    const float healReach = mHealItemSize / 2.0f;
    for (CHeal* item : mpGame->ContactHeals()) {
        const platform::Vec2 at = item->GetPos();
        if (item->Collectable() && mCollision.HitBox(mPos.x, mPos.y, halfH, halfW, at.x, at.y, healReach, healReach)) {
            if (mHp < 3) mHp += 1;
            item->Collect();
            RestartSound(Sound(SND_HEAL));
        }
    }
}

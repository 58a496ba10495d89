// The hero's bubbles: blowing them, flying them against the tiles, drawing them.
#include "app/Sound.h"
#include "map/Map.h"
#include "map/StageView.h"
#include "platform/Keyboard.h"
#include "player/Player.h"

namespace {

constexpr float kMuzzle = 15.0f;   // a bubble appears this far ahead of the hero's centre
constexpr int kShotCooldown = 16;  // frames before the next shot may be blown
// The tiles see a bubble through a box a little flatter than its picture.
constexpr float kBubbleTileHalfHeightTrim = 5.0f;
constexpr float kBubbleTileLookAhead = 10.0f;

} // namespace

// Space: the first bubble not in flight is blown ahead of the hero, in the shot pose. The pose
// keeps the action lock for about 30 frames, so normally the lock, not the cooldown, sets the
// rate of fire.
void CPlayer::Shoot()
{
    if (!mpGame->Pressed(platform::VK_SPACE)) return;
    if (mShotCooldown <= 0 && !mActionLock) {
        for (CBubble& bubble : mBubbles) {
            if (bubble.IsActive()) continue; // a popping bubble counts as free
            RestartSound(Sound(SND_SHOT));
            mAnimState = kAnimShot;
            mActionLock = true;
            mAnimFrame = 0;
            bubble.SetDir(mDir);
            bubble.Fire(mPos.x + kMuzzle * static_cast<float>(mDir), mPos.y);
            mShotCooldown = kShotCooldown;
            bubble.mLife = CBubble::kLifeFrames;
            bubble.mState = CBubble::kAppearing;
            break;
        }
    }
    mMoved = true;
}

// Each bubble gets the pop sound, flies, and pops from its next update when it touches a tile.
void CPlayer::UpdateBubbles(platform::Vec2 camera)
{
    for (CBubble& bubble : mBubbles) {
        bubble.SetPopSound(Sound(SND_POP));
        bubble.Update(camera.x, camera.y);
        if (!bubble.IsActive() || mpGame == nullptr) continue;
        platform::Vec2 probe = bubble.GetPos(); // the map pushes the copy, never the bubble
        if (mpGame->GetMap().CollideBullet(&probe, mBubbleSize / 2.0f, mBubbleSize / 2.0f - kBubbleTileHalfHeightTrim,
                                           kBubbleTileLookAhead, kCellSize, kCellSize)) {
            bubble.Pop();
        }
    }
}

void CPlayer::DrawBubbles(platform::Sprite* sprite)
{
    for (const CBubble& bubble : mBubbles) bubble.Draw(sprite);
}

#pragma once
#include "app/Geometry.h"
#include "items/ItemFloat.h"
#include "items/ItemResources.h"
#include "map/StageView.h"
#include "platform/Types.h"

// What every pick-up shares: its place, the pictures the stage lends it, and the float that
// carries it away once the player has collected it (it then stays in the stage's list, gone).
class CPickUp {
public:
    void SetGame(CStageView* game) { if (game != nullptr) mpGame = game; }
    void SetResources(const ItemResources& resources)
    {
        if (resources.picture != nullptr) mpIconTexture = resources.picture;
        if (resources.bubble != nullptr) mpBubbleTexture = resources.bubble;
        if (resources.bubbleAlpha != nullptr) mpBubbleAlphaTexture = resources.bubbleAlpha;
    }
    // Made by the stage, collectable, centred in its cell box.
    void Spawn(platform::Vec2 centre)
    {
        mFloat.mActive = true;
        mPos = centre;
    }
    void Activate() { mFloat.Activate(); }
    platform::Vec2 GetPos() const { return mPos; }
    bool Collectable() const { return mFloat.mActive; }
    // The hero took it: it rises, turns fast and fades out.
    void Collect() { mFloat.mActive = false; }
    int Alpha() const { return mFloat.mAlpha; }
    // Drops the borrowed pictures; the stage frees them.
    void Release() { mpIconTexture = mpBubbleTexture = mpBubbleAlphaTexture = nullptr; }

protected:
    // Whether the item can show with the camera at `camera`. Only such an item builds its
    // matrices and draws: most of the stage's stars are far off screen or already gone, and
    // their pictures would be dropped unseen.
    platform::Vec2 CameraPos() const { return mpGame != nullptr ? mpGame->CameraPos() : platform::Vec2{}; }
    bool InView(platform::Vec2 camera) const
    {
        return !mFloat.Gone() && ReachesScreen(platform::Vec2{mPos.x - camera.x, mPos.y - camera.y}, kItemReach);
    }

    const platform::Texture* mpIconTexture = nullptr;
    const platform::Texture* mpBubbleTexture = nullptr;
    const platform::Texture* mpBubbleAlphaTexture = nullptr;
    platform::Vec2 mPos;
    ItemFloat mFloat;
    CStageView* mpGame = nullptr;
    bool mInView = false; // set by the last update; the draw follows it
};

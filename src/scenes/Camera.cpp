#include "scenes/Camera.h"

#include "app/Geometry.h"
#include "map/StageView.h"

namespace {

// The player is kept at the screen's centre until the view would show past the stage's end.
constexpr float kHalfScreenWidth = kScreenWidth / 2.0f;
constexpr float kHalfScreenHeight = kScreenHeight / 2.0f;
constexpr float kRightStop = kStageWidth - kHalfScreenWidth;   // the last centred player x
constexpr float kBottomStop = kStageHeight - kHalfScreenHeight; // the last centred player y

} // namespace

void CCamera::Update()
{
    const platform::Vec2 player = mpGame->PlayerPos();
    // Centre the player, but never show past the stage's left or right end.
    if (player.x - kHalfScreenWidth > 0.0f && player.x < kRightStop + 1.0f) mPos.x = player.x - kHalfScreenWidth;
    else if (player.x > kRightStop) mPos.x = kStageWidth - kScreenWidth;
    else mPos.x = 0.0f;
    // Vertically only the bottom is clamped; near the top the view keeps its last height.
    if (player.y - kHalfScreenHeight > 0.0f && player.y < kBottomStop + 1.0f) mPos.y = player.y - kHalfScreenHeight;
    else if (player.y > kBottomStop) mPos.y = kStageHeight - kScreenHeight;
}

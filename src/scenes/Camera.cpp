#include "scenes/Camera.h"

#include "scenes/Game.h"

void CCamera::Update()
{
    const platform::Vec2 player = mpGame->GetPlayer().GetPos();
    // Centre the player, but never show past the stage's left or right end.
    if (player.x - 640.0f > 0.0f && player.x < 13361.0f) mPos.x = player.x - 640.0f;
    else if (player.x > 13360.0f) mPos.x = 12720.0f;
    else mPos.x = 0.0f;
    // Vertically only the bottom is clamped; near the top the view keeps its last height.
    if (player.y - 360.0f > 0.0f && player.y < 1081.0f) mPos.y = player.y - 360.0f;
    else if (player.y > 1080.0f) mPos.y = 720.0f;
}

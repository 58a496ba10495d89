#include "scenes/BackGround.h"

#include "app/Drawing.h"
#include "map/StageView.h"

void CBackGround::Draw(platform::Sprite* sprite)
{
    const platform::Vec2 camera = mpGame->CameraPos();
    const platform::Rect whole{0, 0, 1280, 720};
    const platform::Vec3 corner{};
    for (int i = 0; i < 5; ++i) {
        // Neighbours overlap by a pixel so no seam shows between them.
        const float x = static_cast<float>(i) * 1279.0f - camera.x / 5.0f;
        DrawSprite(sprite, mpTexLower, whole, corner, platform::Matrix::Translation(x, 150.0f - camera.y / 5.0f, 0.0f),
                   0xFFFFFFFF);
        DrawSprite(sprite, mpTexUpper, whole, corner, platform::Matrix::Translation(x, -560.0f - camera.y / 5.0f, 0.0f),
                   0xFFFFFFFF);
    }
}

void CBackGround::Release()
{
    mpTexLower = nullptr;
    mpTexUpper = nullptr;
}

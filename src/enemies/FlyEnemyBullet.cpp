#include "enemies/FlyEnemyBullet.h"

#include <cmath>

#include "app/Assert.h"
#include "app/Drawing.h"
#include "app/Geometry.h"

namespace {

constexpr float kBulletSpeed = 2.0f;
constexpr platform::Rect kBulletRect{0, 0, 16, 16};

} // namespace

void CFlyEnemyBullet::SetTexture(const platform::Texture* texture)
{
    ZEM_ASSERT(texture != nullptr, L"テクスチャが空です");
    if (texture != nullptr) mpTex = texture;
}

bool CFlyEnemyBullet::Update(float camX, float camY)
{
    mPos.x += std::cos(mAngle) * kBulletSpeed;
    mPos.y += std::sin(mAngle) * kBulletSpeed;
    mTransMat = platform::Matrix::Translation(mPos.x - camX, mPos.y - camY, 0.0f);
    return IsOffScreen(camX, camY);
}

// The screen's own rectangle: a bullet exactly on its edge is still on it.
bool CFlyEnemyBullet::IsOffScreen(float camX, float camY) const
{
    return camX > mPos.x || mPos.x > camX + kScreenWidth || camY > mPos.y || mPos.y > camY + kScreenHeight;
}

void CFlyEnemyBullet::Draw(platform::Sprite* sprite) const
{
    if (!mActive) return;
    DrawSprite(sprite, mpTex, kBulletRect, platform::Vec3{8.0f, 8.0f, 0.0f}, mTransMat, 0xFFFFFFFF);
}

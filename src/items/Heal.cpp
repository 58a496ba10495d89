#include "items/Heal.h"

#include "app/Drawing.h"

namespace {

constexpr platform::Rect kHeartRect{0, 0, 60, 60};
constexpr platform::Vec3 kHeartCenter{30.0f, 30.0f, 0.0f};
constexpr platform::Rect kBubbleRect{0, 0, 80, 80};
constexpr platform::Vec3 kBubbleCenter{40.0f, 40.0f, 0.0f};
constexpr uint32_t kHighlightAlpha = 60;

} // namespace

void CHeal::Update()
{
    mFloat.Step(mPos);
    const platform::Vec2 camera = CameraPos();
    mInView = InView(camera);
    if (!mInView) return;
    mTrans = platform::Matrix::Translation(mPos.x - camera.x, mPos.y - camera.y, 0.0f);
    mScale = platform::Matrix::Scaling(mFloat.Turn(), 1.0f, 0.0f);
    mRot = platform::Matrix::RotationZ(0.0f);
    mWorld = mScale * mRot * mTrans;
}

// The heart glows in yellow and turns; its bubble stays still around it. Out of view or gone
// (as its update found) it draws nothing.
void CHeal::Draw(platform::Sprite* sprite, platform::Device* device)
{
    if (!mInView) return;
    const auto alpha = static_cast<uint32_t>(mFloat.mAlpha);
    BeginBlendPass(sprite, device, kGlowPass);
    DrawSprite(sprite, mpIconTexture, kHeartRect, kHeartCenter, mWorld, platform::MakeArgb(alpha, 255, 255, 0));
    EndBlendPass(sprite, device);
    DrawSprite(sprite, mpBubbleTexture, kBubbleRect, kBubbleCenter, mTrans, platform::MakeArgb(alpha, 255, 255, 255));
    DrawSprite(sprite, mpBubbleAlphaTexture, kBubbleRect, kBubbleCenter, mTrans, platform::MakeArgb(kHighlightAlpha, 255, 255, 255));
    sprite->Flush();
}

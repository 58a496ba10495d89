#include "items/Score.h"

#include "app/Drawing.h"

namespace {

constexpr uint32_t kHighlightAlpha = 80;

} // namespace

void CScore::Update()
{
    mFloat.Step(mPos);
    const platform::Vec2 camera = CameraPos();
    mInView = KnownKind() && InView(camera);
    if (!mInView) return;
    const platform::Matrix place = platform::Matrix::Translation(mPos.x - camera.x, mPos.y - camera.y, 0.0f);
    // A big star turns as fast as a small one, at twice the size.
    const float size = mKind == kScoreBig ? 2.0f : 1.0f;
    const float turn = mFloat.Turn();

    mIconTrans = place;
    if (KnownKind()) mIconScale = platform::Matrix::Scaling(size * turn, size, 0.0f);
    mIconRot = platform::Matrix::RotationZ(0.0f);
    mIconWorld = mIconScale * mIconRot * mIconTrans;

    mBubbleTrans = place;
    if (KnownKind()) mBubbleScale = platform::Matrix::Scaling(size, size, 0.0f);
    mBubbleRot = platform::Matrix::RotationZ(0.0f);
    mBubbleWorld = mBubbleScale * mBubbleRot * mBubbleTrans;
}

// The star glows in yellow and turns; its bubble stays still around it. An item that is out of
// view, gone or of an unknown kind was found so by its update and draws nothing.
void CScore::Draw(platform::Sprite* sprite, platform::Device* device)
{
    if (!mInView) return;
    const auto alpha = static_cast<uint32_t>(mFloat.mAlpha);
    const auto side = static_cast<int32_t>(mSize);
    const platform::Rect rect{0, 0, side, side};
    const platform::Vec3 center{mSize / 2.0f, mSize / 2.0f, 0.0f};

    BeginBlendPass(sprite, device, kGlowPass);
    DrawSprite(sprite, mpIconTexture, rect, center, mIconWorld, platform::MakeArgb(alpha, 255, 255, 0));
    EndBlendPass(sprite, device);
    DrawSprite(sprite, mpBubbleTexture, rect, center, mBubbleWorld, platform::MakeArgb(alpha, 255, 255, 255));
    DrawSprite(sprite, mpBubbleAlphaTexture, rect, center, mBubbleWorld, platform::MakeArgb(kHighlightAlpha, 255, 255, 255));
    sprite->Flush();
}

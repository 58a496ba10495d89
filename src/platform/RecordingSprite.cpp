#include "platform/RecordingSprite.h"

namespace platform {

void RecordingSprite::Begin()
{
    ++mBegins;
    mDraws.clear();
}

void RecordingSprite::End()
{
    ++mEnds;
}

void RecordingSprite::Draw(const Texture* texture, const Rect* source, const Vec3* center, Color color)
{
    if (texture == nullptr) return;
    ++mDrawCount;
    if (!mKeepDraws) return;
    DrawCall call;
    call.texture = texture;
    if (source != nullptr) {
        call.source = *source;
        call.hasSource = true;
    } else {
        call.source = Rect{0, 0, texture->Width(), texture->Height()};
    }
    if (center != nullptr) call.center = *center;
    call.transform = mTransform;
    call.color = color;
    call.srcBlend = mDevice.SrcBlend();
    call.destBlend = mDevice.DestBlend();
    mDraws.push_back(call);
}

} // namespace platform
